// "TIRO AL PUPAZZO": two turns of thirty snowmen popping up ever faster,
// shot with the mouse, and the verdict on hits.
#include "challenges/action/frmProva9.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QRegularExpression>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
const char* const kSuoni[] = {"pistola1", "pistola2", "moltobene", "vince", "pari",
                              "nullo1",   "nullo2",   "nullo3",    "ANNA",  "BRUNO"};

struct Galleria : BoardWorld {
    // primo: the shooter the load draws to start.
    explicit Galleria(int primo = 1)
    {
        M().strEffetti = "Play";
        M().strParlato = "Play";
        M().strVoceConcorrente[1] = path("sounds1/ANNA.wav");
        M().strVoceConcorrente[2] = path("sounds1/BRUNO.wav");
        for (const char* f : kSuoni)
            touch(QStringLiteral("sounds1/%1.wav").arg(QLatin1String(f)), onda(0.5));
        R = &apri();
        fakes.random.pushDraw(primo, 2);
        p = &apriProva<frmProva9>();
    }
    // The place whose snowman is up, as the player sees it; -1 for none, -2
    // for more than one.
    int su() const
    {
        int trovato = -1;
        for (int i = 0; i < frmProva9::kPosizioni; ++i)
            if (!p->Image1[i].visible())
                trovato = trovato == -1 ? i : -2;
        return trovato;
    }
    // A shot at place i, on whichever picture shows there.
    void spara(int i) { click(p->Image1[i].visible() ? p->Image1[i] : p->Image2[i]); }
    // A press of the start button, then the turn played to its end: the
    // first `colpi` snowmen are hit as they come up, the others left alone.
    void turno(int colpi = 0)
    {
        inizio = loop().now();
        click(p->cmdEsegui);
        int fatti = 0;
        while (!p->cmdEsegui.enabled() && loop().now() - inizio < 40) {
            advance(0.05);
            if (fatti < colpi && su() >= 0) {
                spara(su());
                ++fatti;
            }
        }
    }
    QStringList suoni() const { return fakes.audio.played(QStringLiteral("frmProva9.mmcSonoro")); }
    // What the sound device did from the instant t on: files started, and ""
    // for each sound cut short.
    QStringList suoniDa(double t) const
    {
        QStringList out;
        for (const auto& e : fakes.audio.events)
            if (e.at >= t)
                out << QFileInfo(e.file).fileName();
        return out;
    }
    // Everything a shot could change, in one line: the snowman up, each
    // row's hits and pop-ups as shown, then the hits and pop-ups counted.
    QString stato() const
    {
        QString s = QString::number(su());
        for (int k = 0; k < 2; ++k)
            s += QLatin1Char(' ') + p->lblPunti[k].caption() + p->Label1[k].caption();
        return s + QStringLiteral(" %1 %2 %3").arg(p->intCentri[1]).arg(p->intCentri[2]).arg(p->intComparse);
    }
    frmRuota* R = nullptr;
    frmProva9* p = nullptr;
    double inizio = 0;
};
}  // namespace

class TestTiroAlPupazzo : public QObject {
    Q_OBJECT
private slots:
    // The drawn shooter goes first and scores in his own row; the other
    // always shoots second.
    void theDrawnShooterStartsAndTheOtherFollows_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("altro");
        QTest::newRow("ANNA first") << 1 << "ANNA       " << "BRUNO      ";
        QTest::newRow("BRUNO first") << 2 << "BRUNO      " << "ANNA       ";
    }
    void theDrawnShooterStartsAndTheOtherFollows()
    {
        QFETCH(int, primo);
        QFETCH(QString, nome);
        QFETCH(QString, altro);
        Galleria w(primo);
        frmProva9& p = *w.p;
        QCOMPARE(p.lblTitolo.caption(), QStringLiteral("TIRO AL PUPAZZO"));
        QCOMPARE(p.cmdEsegui.caption(), "Inizia " + nome);
        QCOMPARE((QStringList{p.lblGiocatore[0].caption(), p.lblGiocatore[1].caption()}),
                 (QStringList{"ANNA       ", "BRUNO      "}));
        QCOMPARE(p.Label12[0].caption(), QStringLiteral("tiri a segno"));
        QCOMPARE(w.stato(), QStringLiteral("-1 0/ 0 0/ 0 0 0 0"));
        QVERIFY(!p.Frame1.enabled());
        QVERIFY(!p.tmrSecondi.enabled());
        QCOMPARE(p.tmrSecondi.interval(), 1000);
        QCOMPARE(p.Image1[1].left() - p.Image1[0].left(), frmProva9::kLarghezzaColonna);
        QCOMPARE(p.Image1[11].left() - p.Image1[6].left(), 5 * frmProva9::kLarghezzaColonna);
        QVERIFY(p.Image1[6].top() > p.Image1[5].top());

        w.turno(2);
        const int k = primo - 1;
        QCOMPARE(p.lblPunti[k].caption(), QStringLiteral("2"));
        QCOMPARE(p.Label1[k].caption(), QStringLiteral("/ 30"));
        QCOMPARE(p.lblPunti[1 - k].caption(), QStringLiteral("0"));
        QCOMPARE(p.Label1[1 - k].caption(), QStringLiteral("/ 0"));
        QCOMPARE(p.cmdEsegui.caption(), "Ora tocca a " + altro);
        QVERIFY(!p.Frame1.enabled());
        QCOMPARE(w.su(), -1);

        w.turno(3);
        QCOMPARE(p.lblPunti[1 - k].caption(), QStringLiteral("3"));
        QCOMPARE(p.Label1[1 - k].caption(), QStringLiteral("/ 30"));
        QCOMPARE(p.lblPunti[k].caption(), QStringLiteral("2"));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Gioco nullo!"));
    }

    // Pop-up n of a turn comes at this many seconds after its start press.
    void popUpsComeEverFaster_data()
    {
        QTest::addColumn<int>("turno");
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("alle");
        QTest::newRow("turn 1, the first after the design interval") << 1 << 1 << 1.0;
        QTest::newRow("turn 1, the second") << 1 << 2 << 2.5;
        QTest::newRow("turn 1, the fifth") << 1 << 5 << 7.0;
        QTest::newRow("turn 1, the sixth") << 1 << 6 << 8.0;
        QTest::newRow("turn 1, the sixteenth") << 1 << 16 << 18.0;
        QTest::newRow("turn 1, the seventeenth") << 1 << 17 << 18.75;
        QTest::newRow("turn 1, the thirtieth") << 1 << 30 << 28.5;
        QTest::newRow("turn 2, the first after the last interval") << 2 << 1 << 0.75;
        QTest::newRow("turn 2, the second") << 2 << 2 << 2.25;
        QTest::newRow("turn 2, the sixth") << 2 << 6 << 7.75;
        QTest::newRow("turn 2, the thirtieth") << 2 << 30 << 28.25;
    }
    void popUpsComeEverFaster()
    {
        QFETCH(int, turno);
        QFETCH(int, n);
        QFETCH(double, alle);
        Galleria w;
        if (turno == 2)
            w.turno();
        const double t0 = w.loop().now();
        QList<int> comparse;
        QList<int> su;
        for (double d : {-0.01, 0.01})
            w.loop().at(t0 + alle + d, [&] {
                comparse << w.p->intComparse;
                su << w.su();
            });
        w.click(w.p->cmdEsegui);
        w.advance(alle + 0.02);
        QCOMPARE(comparse, (QList<int>{n - 1, n}));
        QVERIFY(su[1] >= 0);
        QCOMPARE(w.p->Label1[turno - 1].caption(), QStringLiteral("/ %1").arg(n - 1));
    }

    void aTurnEndsAfterItsThirtiethPopUp_data()
    {
        QTest::addColumn<int>("turno");
        QTest::addColumn<double>("durata");
        QTest::newRow("turn 1") << 1 << 29.25;
        QTest::newRow("turn 2") << 2 << 29.0;
    }
    void aTurnEndsAfterItsThirtiethPopUp()
    {
        QFETCH(int, turno);
        QFETCH(double, durata);
        Galleria w;
        if (turno == 2)
            w.turno(12);
        const double t0 = w.loop().now();
        QList<bool> finito;
        for (double d : {-0.01, 0.01})
            w.loop().at(t0 + durata + d, [&] { finito << w.p->cmdEsegui.enabled(); });
        w.turno();
        w.advance(0.02);
        QCOMPARE(finito, (QList<bool>{false, true}));
        QCOMPARE(w.p->Label1[turno - 1].caption(), QStringLiteral("/ 30"));
        QCOMPARE(w.su(), -1);
        QVERIFY(!w.p->Frame1.enabled());
        QVERIFY(!w.p->tmrSecondi.enabled());
    }

    // Where each pop-up comes up: the draw covers places 0 to 10 only.
    void theDrawPlacesEachPopUp_data()
    {
        QTest::addColumn<double>("uniforme");
        QTest::addColumn<int>("posto");
        QTest::newRow("0: top left") << 0.0 << 0;
        QTest::newRow("0.55: bottom left") << 0.55 << 6;
        QTest::newRow("0.999: beside the bottom-right one") << 0.999 << 10;
    }
    void theDrawPlacesEachPopUp()
    {
        QFETCH(double, uniforme);
        QFETCH(int, posto);
        Galleria w;
        w.fakes.random.push(uniforme);
        w.click(w.p->cmdEsegui);
        w.advance(1.01);
        QCOMPARE(w.su(), posto);
        QCOMPARE(w.p->varPosizione, posto);
    }

    // A hit puts the snowman back down at once: the next shot at the same
    // place, even one that reaches the raised picture under the idle one, is
    // a miss. The same place may come up again at the next pop-up.
    void aHitScoresOnce()
    {
        Galleria w;
        frmProva9& p = *w.p;
        for (int posto : {4, 4, 7})
            w.fakes.random.pushDraw(posto + 1, 11);
        w.click(p.cmdEsegui);
        w.advance(1.01);
        QCOMPARE(w.su(), 4);
        w.spara(4);
        QCOMPARE(w.stato(), QStringLiteral("-1 1/ 1 0/ 0 1 0 1"));
        w.spara(4);
        w.click(p.Image2[4]);
        QCOMPARE(w.stato(), QStringLiteral("-1 1/ 1 0/ 0 1 0 1"));
        QCOMPARE(w.suoni(), (QStringList{"pistola1.wav", "pistola2.wav", "pistola2.wav"}));

        w.advance(1.5);
        QCOMPARE(w.su(), 4);
        w.spara(4);
        QCOMPARE(w.stato(), QStringLiteral("-1 2/ 2 0/ 0 2 0 2"));
        w.advance(1.5);
        QCOMPARE(w.su(), 7);
        QCOMPARE(p.Label1[0].caption(), QStringLiteral("/ 2"));
    }

    // A shot at an idle snowman scares the one that is up back down: it can
    // no longer be hit, though it counts among the thirty.
    void aMissPutsTheOneUpDown_data()
    {
        QTest::addColumn<int>("bersaglio");
        QTest::newRow("the bottom-right snowman") << 11;
        QTest::newRow("top left") << 0;
        QTest::newRow("next to the one up") << 4;
    }
    void aMissPutsTheOneUpDown()
    {
        QFETCH(int, bersaglio);
        Galleria w;
        frmProva9& p = *w.p;
        w.fakes.random.pushDraw(3 + 1, 11);
        const double t0 = w.loop().now();
        w.click(p.cmdEsegui);
        w.advance(1.01);
        QCOMPARE(w.su(), 3);
        w.spara(bersaglio);
        QCOMPARE(w.stato(), QStringLiteral("-1 0/ 1 0/ 0 0 0 1"));
        w.spara(3);
        QCOMPARE(w.stato(), QStringLiteral("-1 0/ 1 0/ 0 0 0 1"));
        QCOMPARE(w.suoni(), (QStringList{"pistola2.wav", "pistola2.wav"}));
        w.advance(1.5);
        QVERIFY(w.su() >= 0);
        QCOMPARE(p.intComparse, qint16(2));
        QCOMPARE(p.Label1[0].caption(), QStringLiteral("/ 1"));

        w.advance(t0 + 29.24 - w.loop().now());
        QVERIFY(!p.cmdEsegui.enabled());
        w.advance(0.02);
        QVERIFY(p.cmdEsegui.enabled());
        QCOMPARE(p.Label1[0].caption(), QStringLiteral("/ 30"));
    }

    // Before a turn's first pop-up a shot only sounds.
    void shotsBeforeTheFirstPopUpAreMisses_data()
    {
        QTest::addColumn<int>("turno");
        QTest::newRow("turn 1") << 1;
        QTest::newRow("turn 2") << 2;
    }
    void shotsBeforeTheFirstPopUpAreMisses()
    {
        QFETCH(int, turno);
        Galleria w;
        frmProva9& p = *w.p;
        if (turno == 2)
            w.turno(1);
        const QString prima = w.stato();
        w.fakes.audio.clear();
        w.click(p.cmdEsegui);
        w.advance(0.5);
        for (int posto : {0, 5, 11})
            w.spara(posto);
        QCOMPARE(w.stato(), prima);
        QCOMPARE(w.suoni(), (QStringList{"pistola2.wav", "pistola2.wav", "pistola2.wav"}));
        w.advance(0.51);
        QVERIFY(w.su() >= 0);
    }

    // A shot pressed on a raised snowman and let go late: after it went down
    // it is a miss, after the turn's end nothing at all.
    void aShotLetGoLate_data()
    {
        QTest::addColumn<bool>("aFineTurno");
        QTest::newRow("the snowman went down under the pointer") << false;
        QTest::newRow("the turn ended meanwhile") << true;
    }
    void aShotLetGoLate()
    {
        QFETCH(bool, aFineTurno);
        Galleria w;
        frmProva9& p = *w.p;
        w.fakes.random.pushDraw(4 + 1, 11);
        w.fakes.random.pushDraw(7 + 1, 11);
        w.click(p.cmdEsegui);
        w.advance(aFineTurno ? 29.2 : 1.01);
        const int posto = w.su();
        QVERIFY(posto >= 0);
        w.mousePress(p.Image2[posto], Qt::LeftButton);
        w.advance(aFineTurno ? 0.1 : 1.5);
        w.fakes.audio.clear();
        const QString prima = w.stato();
        w.mouseRelease(p.Image2[posto], Qt::LeftButton);
        QCOMPARE(p.intCentri[1], qint16(0));
        if (aFineTurno) {
            QCOMPARE(w.stato(), prima);
            QCOMPARE(w.suoni(), QStringList{});
            QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Ora tocca a BRUNO      "));
        } else {
            QCOMPARE(w.stato(), QStringLiteral("-1 0/ 2 0/ 0 0 0 2"));
            QCOMPARE(w.suoni(), QStringList{"pistola2.wav"});
        }
    }

    void theVerdict_data()
    {
        QTest::addColumn<int>("centri1");
        QTest::addColumn<int>("centri2");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<int>("concorrente");
        QTest::addColumn<QList<int>>("giri");
        QTest::addColumn<QString>("suono");
        QTest::newRow("10-9") << 10 << 9 << "Vince ANNA       " << 1 << QList<int>{1, 0} << "vince";
        QTest::newRow("10-0") << 10 << 0 << "Vince ANNA       " << 1 << QList<int>{1, 0} << "vince";
        QTest::newRow("30-29") << 30 << 29 << "Vince ANNA       " << 1 << QList<int>{1, 0} << "vince";
        QTest::newRow("9-10") << 9 << 10 << "Vince BRUNO      " << 2 << QList<int>{0, 1} << "vince";
        QTest::newRow("12-12") << 12 << 12 << "Gara in parità!" << 1 << QList<int>{1, 1} << "pari";
        QTest::newRow("9-9") << 9 << 9 << "Gioco nullo!" << 0 << QList<int>{0, 0} << "nullo[123]";
        QTest::newRow("9-0") << 9 << 0 << "Gioco nullo!" << 0 << QList<int>{0, 0} << "nullo[123]";
        QTest::newRow("0-0") << 0 << 0 << "Gioco nullo!" << 0 << QList<int>{0, 0} << "nullo[123]";
    }
    void theVerdict()
    {
        QFETCH(int, centri1);
        QFETCH(int, centri2);
        QFETCH(QString, didascalia);
        QFETCH(int, concorrente);
        QFETCH(QList<int>, giri);
        QFETCH(QString, suono);
        Galleria w;
        frmProva9& p = *w.p;
        w.turno(centri1);
        w.advance(2);
        w.turno(centri2);
        const double verdetto = w.inizio + 29.0;
        QCOMPARE(p.cmdEsegui.caption(), didascalia);
        QVERIFY(p.cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), concorrente);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), giri);
        QCOMPARE((QStringList{p.lblPunti[0].caption(), p.lblPunti[1].caption()}),
                 (QStringList{QString::number(centri1), QString::number(centri2)}));
        QCOMPARE(p.Timer1.running(), suono == "vince");
        QVERIFY(!p.Frame1.enabled());
        const QString verdettoSuono = QFileInfo(p.mmcSonoro.fileName()).fileName();
        const QRegularExpression atteso(QRegularExpression::anchoredPattern(suono + QStringLiteral("\\.wav")));
        QVERIFY2(atteso.match(verdettoSuono).hasMatch(), qPrintable(verdettoSuono));
        QCOMPARE(w.suoni().contains("moltobene.wav"), centri1 == 30 || centri2 == 30);

        // Only a win calls the winner's voice, once.
        w.advance(3);
        const QStringList voce = suono != "vince" ? QStringList{}
                                 : QStringList{concorrente == 1 ? "ANNA.wav" : "BRUNO.wav"};
        QCOMPARE(w.suoniDa(verdetto), QStringList{verdettoSuono} + voce);
    }

    // A full score is praised at the end of the turn; after the second turn
    // the verdict cuts the praise short with its own sound.
    void thirtyOutOfThirtyIsPraised()
    {
        Galleria w;
        frmProva9& p = *w.p;
        w.turno(30);
        QCOMPARE(p.lblPunti[0].caption(), QStringLiteral("30"));
        QCOMPARE(w.suoniDa(w.inizio + 29.25), QStringList{"moltobene.wav"});
        w.advance(2);
        w.turno(30);
        QCOMPARE(w.suoniDa(w.inizio + 29.0), (QStringList{"moltobene.wav", "", "pari.wav"}));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Gara in parità!"));
    }

    // Before the start, between the turns and after the verdict no shot
    // counts or sounds, and the verdict stands.
    void shotsOutsideTheTurnsDoNothing_data()
    {
        QTest::addColumn<int>("quando");
        QTest::newRow("before the start") << 0;
        QTest::newRow("between the turns") << 1;
        QTest::newRow("after the verdict") << 2;
    }
    void shotsOutsideTheTurnsDoNothing()
    {
        QFETCH(int, quando);
        Galleria w;
        frmProva9& p = *w.p;
        if (quando >= 1)
            w.turno(10);
        if (quando == 2)
            w.turno(0);
        w.advance(3);
        const auto tutto = [&] {
            return w.stato() + p.cmdEsegui.caption() + QString::number(w.M().bytConcorrente)
                   + QString::number(w.M().bytGiri[1]) + QString::number(w.M().bytGiri[2]);
        };
        const QString prima = tutto();
        w.fakes.audio.clear();
        for (int i = 0; i < frmProva9::kPosizioni; ++i) {
            w.click(p.Image1[i]);
            w.click(p.Image2[i]);
        }
        w.advance(5);
        QCOMPARE(tutto(), prima);
        QCOMPARE(w.suoni(), QStringList{});
        QVERIFY(!p.tmrSecondi.enabled());
    }

    void abandoningDuringATurn_data()
    {
        QTest::addColumn<bool>("conEsci");
        QTest::addColumn<int>("risposta");
        QTest::newRow("close box, No: the turn goes on") << false << mb::No;
        QTest::newRow("close box, Yes") << false << mb::Yes;
        QTest::newRow("Esci, Yes") << true << mb::Yes;
    }
    // The close comes in the second turn, whose end would bring the verdict.
    void abandoningDuringATurn()
    {
        QFETCH(bool, conEsci);
        QFETCH(int, risposta);
        Galleria w;
        frmProva9& p = *w.p;
        w.turno(10);
        w.advance(2);
        w.click(p.cmdEsegui);
        const double t0 = w.loop().now();
        w.advance(10);
        w.fakes.messages.setNextAnswer(risposta);
        if (conEsci)
            p.Esci.click();
        else
            p.window()->close();
        w.settle();
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        if (risposta == mb::No) {
            QVERIFY(p.tmrSecondi.enabled());
            w.advance(t0 + 29.01 - w.loop().now());
            QCOMPARE(p.Label1[1].caption(), QStringLiteral("/ 30"));
            QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
            QVERIFY(!w.R->enabled());
            return;
        }
        w.nullaDopoAbbandono(QStringLiteral("frmProva9"), 60);
    }

    void playedFromTheBoardsCatalogue()
    {
        BoardWorld w;
        w.M().strEffetti = "Play";
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(9, 20);   // TIRO AL PUPAZZO
        w.fakes.random.pushDraw(2, 2);    // BRUNO shoots first
        // Both turns' snowmen come up in turn from the top left.
        for (int n = 0; n < 2 * frmProva9::kComparse; ++n)
            w.fakes.random.pushDraw(n % frmProva9::kComparse % 11 + 1, 11);
        w.passo();
        auto* p = w.ctx->screens.find<frmProva9>();
        QVERIFY(p && p->visible());
        QVERIFY(!R.enabled());
        QCOMPARE(p->lblTitolo.caption(), QStringLiteral("TIRO AL PUPAZZO"));
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Inizia BRUNO      "));

        // Pop-ups 1 to 12 of the first turn, seconds after the start press;
        // in the second every one comes a quarter second sooner.
        const double comparse[] = {1.0, 2.5, 4.0, 5.5, 7.0, 8.0, 9.0, 10.0, 11.0, 12.0, 13.0, 14.0};
        const auto tiri = [&](int colpi, double anticipo) {
            const double t0 = w.loop().now();
            for (int n = 0; n < colpi; ++n)
                w.loop().at(t0 + comparse[n] - anticipo + 0.2, [&, n] { w.click(p->Image2[n % 11]); });
            w.click(p->cmdEsegui);
            w.advance(30);
        };
        tiri(11, 0);
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Ora tocca a ANNA       "));
        tiri(10, 0.25);
        QCOMPARE(p->lblPunti[1].caption(), QStringLiteral("11"));
        QCOMPARE(p->lblPunti[0].caption(), QStringLiteral("10"));
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Vince BRUNO      "));
        w.keyClick(*p, Qt::Key_Return, "\r");   // Enter presses the button
        QVERIFY(!w.ctx->screens.find<frmProva9>());
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira2.enabled() && !R.cmdGira1.enabled());
        QCOMPARE(R.cmdGira2.backColor(), frmRuota::kGiallo);
        QCOMPARE(int(w.M().bytGiri[2]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestTiroAlPupazzo)
#include "tst_frmProva9.moc"
