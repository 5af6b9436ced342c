// "PERCORSO MINATO": two timed turns across a minefield, clicked with the
// mouse, and the verdict on rows crossed and time left.
#include "challenges/action/frmProva1.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QRegularExpression>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
// Safe cells of rows 1 to 10, one digit a row.
const char* const kCampo = "0120120120";
const char* const kAltroCampo = "2011022011";

struct Campo : BoardWorld {
    // primo: the contestant the load draws to start.
    explicit Campo(int primo = 1, const char* campo = kCampo)
    {
        M().strEffetti = "Play";
        M().strParlato = "Play";
        M().strVoceConcorrente[1] = path("sounds1/ANNA.wav");
        M().strVoceConcorrente[2] = path("sounds1/BRUNO.wav");
        for (const char* f : {"esplosione", "nooo", "moltobene", "vince", "pari", "nullo1", "nullo2", "nullo3",
                              "sirena1", "sirena2", "sirena3", "ANNA", "BRUNO"})
            touch(QStringLiteral("sounds1/%1.wav").arg(QLatin1String(f)), onda(0.5));
        R = &apri();
        fakes.random.pushDraw(primo, 2);
        campoSeguente(campo);
        p = &apriProva<frmProva1>();
    }
    // The field the next draw of one lays.
    void campoSeguente(const char* campo)
    {
        for (int n = 0; n < 10; ++n)
            fakes.random.pushDraw(campo[n] - '0' + 1, 3);
    }
    Label& cella(int n, int i) { return p->riga(n)[i]; }
    void sicura(int n) { click(cella(n, p->intCasellaSicura[n])); }
    void mina(int n) { click(cella(n, (p->intCasellaSicura[n] + 1) % 3)); }
    void attraversa(int righe)
    {
        for (int n = 1; n <= righe; ++n)
            sicura(n);
    }
    // A press of the start button, with the moves at their seconds into the
    // turn; returns when the turn is over.
    void turno(const QList<std::pair<double, std::function<void()>>>& mosse = {})
    {
        inizio = loop().now();
        for (const auto& [t, mossa] : mosse)
            loop().at(inizio + t, mossa);
        click(p->cmdEsegui);
    }
    // Row by row: "." grey, "V" green, "X" red; a row's cells are "+" when
    // they take clicks, "-" when not.
    QString campo()
    {
        QStringList righe;
        for (int n = 1; n <= 10; ++n) {
            QString r;
            for (int i = 0; i < 3; ++i) {
                const quint32 c = cella(n, i).backColor();
                r += c == frmProva1::kSicura ? QLatin1Char('V') : c == frmProva1::kMina ? QLatin1Char('X') : QLatin1Char('.');
            }
            r += cella(n, 0).enabled() && cella(n, 1).enabled() && cella(n, 2).enabled() ? QLatin1Char('+')
                 : !cella(n, 0).enabled() && !cella(n, 1).enabled() && !cella(n, 2).enabled() ? QLatin1Char('-')
                                                                                                 : QLatin1Char('?');
            righe << r;
        }
        return righe.join(QLatin1Char(' '));
    }
    QString sicure() const
    {
        QString s;
        for (int n = 1; n <= 10; ++n)
            s += QString::number(p->intCasellaSicura[n]);
        return s;
    }
    // Sounds started on the window's player after the given instant.
    QStringList suoniDopo(double t) const { return BoardWorld::suoniDopo(QStringLiteral("frmProva1"), t); }
    frmRuota* R = nullptr;
    frmProva1* p = nullptr;
    double inizio = 0;
    // How long the last turn lasted; a time-out ends a hair after its deadline.
    bool durato(double secondi) { return qAbs(loop().now() - inizio - secondi) < 0.001; }
};

const QString kGrigio = QStringLiteral("...+ ...- ...- ...- ...- ...- ...- ...- ...- ...-");
const QString kChiuso = QStringLiteral("...- ...- ...- ...- ...- ...- ...- ...- ...- ...-");
}  // namespace

class TestPercorsoMinato : public QObject {
    Q_OBJECT
private slots:
    void theDrawnContestantStartsOnTheDrawnField_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("didascalia");
        QTest::newRow("ANNA") << 1 << "Inizia ANNA       ";
        QTest::newRow("BRUNO") << 2 << "Inizia BRUNO      ";
    }
    void theDrawnContestantStartsOnTheDrawnField()
    {
        QFETCH(int, primo);
        QFETCH(QString, didascalia);
        Campo w(primo);
        w.touch("images1/orologio.bmp", "BM");
        QCOMPARE(w.p->cmdEsegui.caption(), didascalia);
        QCOMPARE(w.sicure(), QString::fromLatin1(kCampo));
        QCOMPARE(w.p->lblGiocatore[0].caption(), QStringLiteral("ANNA       "));
        QCOMPARE(w.p->lblGiocatore[1].caption(), QStringLiteral("BRUNO      "));
        QCOMPARE(w.p->lblOrologio.caption(), QStringLiteral("30"));
        QCOMPARE(w.p->lblSecondi[primo - 1].caption(), QStringLiteral("30,00"));
        QVERIFY(!w.p->Frame1.enabled());
        QCOMPARE(w.campo(), kChiuso);

        w.turno({{1.0, [&] { w.attraversa(2); }}});
        QCOMPARE(w.p->intRighe[primo], 2);
        QCOMPARE(w.p->intRighe[3 - primo], 0);
        QCOMPARE(w.p->lblPunti[primo - 1].caption(), QStringLiteral("2"));
        QCOMPARE(w.p->lblPunti[2 - primo].caption(), QStringLiteral("0"));
    }

    void theVerdict_data()
    {
        QTest::addColumn<int>("righe1");
        QTest::addColumn<double>("alle1");   // seconds into the turn at the farthest row
        QTest::addColumn<int>("righe2");
        QTest::addColumn<double>("alle2");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<int>("concorrente");
        QTest::addColumn<QList<int>>("giri");
        QTest::addColumn<QString>("suono");
        QTest::addColumn<QStringList>("tempi");
        QTest::newRow("4 and 4: void") << 4 << 1.0 << 4 << 2.0 << "Gioco nullo!" << 0 << QList<int>{0, 0}
                                       << "nullo[123]" << QStringList{"29,00", "28,00"};
        QTest::newRow("0 and 3: void") << 0 << 0.0 << 3 << 6.5 << "Gioco nullo!" << 0 << QList<int>{0, 0}
                                       << "nullo[123]" << QStringList{"30,00", "23,50"};
        QTest::newRow("5 beats 4") << 5 << 9.0 << 4 << 1.0 << "Vince ANNA       " << 1 << QList<int>{1, 0}
                                   << "vince" << QStringList{"21,00", "29,00"};
        QTest::newRow("7 beats 6 whatever the time") << 6 << 1.0 << 7 << 20.0 << "Vince BRUNO      " << 2
                                                     << QList<int>{0, 1} << "vince" << QStringList{"29,00", "10,00"};
        QTest::newRow("6 and 6: more time left wins") << 6 << 4.25 << 6 << 3.5 << "Vince BRUNO      " << 2
                                                      << QList<int>{0, 1} << "vince" << QStringList{"25,75", "26,50"};
        QTest::newRow("10 and 10: more time left wins") << 10 << 2.25 << 10 << 3.5 << "Vince ANNA       " << 1
                                                        << QList<int>{1, 0} << "vince" << QStringList{"27,75", "26,50"};
        QTest::newRow("10 and 10 in the same time: a tie") << 10 << 2.5 << 10 << 2.5 << "Gara in parità!" << 1
                                                           << QList<int>{1, 1} << "pari" << QStringList{"27,50", "27,50"};
    }
    void theVerdict()
    {
        QFETCH(int, righe1);
        QFETCH(double, alle1);
        QFETCH(int, righe2);
        QFETCH(double, alle2);
        QFETCH(QString, didascalia);
        QFETCH(int, concorrente);
        QFETCH(QList<int>, giri);
        QFETCH(QString, suono);
        QFETCH(QStringList, tempi);
        Campo w;
        w.turno({{alle1, [&] { w.attraversa(righe1); }}});
        w.advance(5);
        w.turno({{alle2, [&] { w.attraversa(righe2); }}});
        const double verdetto = w.loop().now();
        QCOMPARE(w.p->cmdEsegui.caption(), didascalia);
        QVERIFY(w.p->cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), concorrente);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), giri);
        QCOMPARE((QStringList{w.p->lblSecondi[0].caption(), w.p->lblSecondi[1].caption()}), tempi);
        QCOMPARE((QStringList{w.p->lblPunti[0].caption(), w.p->lblPunti[1].caption()}),
                 (QStringList{QString::number(righe1), QString::number(righe2)}));
        const QString verdettoSuono = QFileInfo(w.p->mmcSonoro.fileName()).fileName();
        const QRegularExpression atteso(QRegularExpression::anchoredPattern(suono + QStringLiteral("\\.wav")));
        QVERIFY2(atteso.match(verdettoSuono).hasMatch(), qPrintable(verdettoSuono));
        QVERIFY(!w.p->Frame1.enabled());
        QCOMPARE(w.campo(), kChiuso);
        // Only a win calls the winner's voice.
        w.advance(3);
        const QStringList dopo = w.suoniDopo(verdetto);
        QVERIFY(dopo.contains(verdettoSuono));
        QCOMPARE(dopo.contains("ANNA.wav") || dopo.contains("BRUNO.wav"), concorrente && suono == "vince");
        QVERIFY(!dopo.contains(concorrente == 1 ? "BRUNO.wav" : "ANNA.wav"));
    }

    void aMineSoundsByItsRow_data()
    {
        QTest::addColumn<int>("riga");
        QTest::addColumn<QString>("effetti");
        QTest::addColumn<QString>("parlato");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("sentito");
        QTest::newRow("row 1: a blast") << 1 << "Play" << "" << "esplosione.wav" << true;
        QTest::newRow("row 6: a blast") << 6 << "Play" << "" << "esplosione.wav" << true;
        QTest::newRow("row 6, effects off") << 6 << "" << "Play" << "esplosione.wav" << false;
        QTest::newRow("row 7: a cry") << 7 << "" << "Play" << "nooo.wav" << true;
        QTest::newRow("row 7, speech off") << 7 << "Play" << "" << "nooo.wav" << false;
        QTest::newRow("row 10: a cry") << 10 << "" << "Play" << "nooo.wav" << true;
    }
    void aMineSoundsByItsRow()
    {
        QFETCH(int, riga);
        QFETCH(QString, effetti);
        QFETCH(QString, parlato);
        QFETCH(QString, file);
        QFETCH(bool, sentito);
        Campo w;
        w.M().strEffetti = effetti;
        w.M().strParlato = parlato;
        QString nome;
        w.turno({{1.0, [&] {
                      w.attraversa(riga - 1);
                      w.fakes.audio.clear();
                      w.mina(riga);
                      nome = QFileInfo(w.p->mmcSonoro.fileName()).fileName();
                  }}});
        QCOMPARE(nome, file);
        QCOMPARE(w.fakes.audio.played("frmProva1.mmcSonoro").contains(file), sentito);
    }

    // A mine shows red for a tenth of a second, then the contestant starts
    // again from row 1 of the same field, keeping his farthest row and the
    // time he reached it with; reaching it again records nothing new.
    void aMineSendsBackToTheStartKeepingTheFarthestRow()
    {
        Campo w;
        QStringList campi;
        QList<double> tempi;
        QList<int> righe;
        const auto nota = [&] {
            campi << w.campo();
            tempi << w.p->dblTempo[1];
            righe << w.p->intRighe[1];
        };
        w.turno({
            {1.0, [&] { w.attraversa(6); }},
            {2.0, [&] {
                 w.mina(3);
                 nota();
             }},
            {2.09, nota},
            {2.11, [&] {
                 nota();
                 w.attraversa(6);
                 nota();
                 w.sicura(7);
                 nota();
             }},
        });
        QCOMPARE(campi, (QStringList{
                            "V..+ .V.+ X.V+ V..+ .V.+ ..V+ ...+ ...- ...- ...-",
                            "V..+ .V.+ X.V+ V..+ .V.+ ..V+ ...+ ...- ...- ...-",
                            kGrigio,
                            "V..+ .V.+ ..V+ V..+ .V.+ ..V+ ...+ ...- ...- ...-",
                            "V..+ .V.+ ..V+ V..+ .V.+ ..V+ V..+ ...+ ...- ...-",
                        }));
        QCOMPARE(righe, (QList<int>{6, 6, 6, 6, 7}));
        QCOMPARE(tempi, (QList<double>{29.0, 29.0, 29.0, 29.0, 30 - 2.11}));
        QCOMPARE(w.p->lblPunti[0].caption(), QStringLiteral("7"));
        QCOMPARE(w.p->lblSecondi[0].caption(), QStringLiteral("27,89"));
    }

    void aTurnEndsWhenTheTimeRunsOutOrTheFieldIsCrossed_data()
    {
        QTest::addColumn<int>("righe");
        QTest::addColumn<double>("alle");
        QTest::addColumn<double>("durata");
        QTest::addColumn<bool>("sirena");
        QTest::addColumn<QString>("tempo");
        QTest::addColumn<QString>("orologio");
        QTest::newRow("no row crossed") << 0 << 0.0 << 30.0 << true << "30,00" << "00";
        QTest::newRow("a safe click at 2.35 s") << 1 << 2.35 << 30.0 << true << "27,65" << "00";
        QTest::newRow("nine rows") << 9 << 12.0 << 30.0 << true << "18,00" << "00";
        QTest::newRow("all ten rows") << 10 << 4.0 << 4.0 << false << "26,00" << "26";
    }
    void aTurnEndsWhenTheTimeRunsOutOrTheFieldIsCrossed()
    {
        QFETCH(int, righe);
        QFETCH(double, alle);
        QFETCH(double, durata);
        QFETCH(bool, sirena);
        QFETCH(QString, tempo);
        QFETCH(QString, orologio);
        Campo w;
        QStringList primaDellaFine;
        w.loop().at(w.loop().now() + durata - 0.05, [&] { primaDellaFine = w.fakes.audio.played(); });
        w.turno({{alle, [&] {
                      w.attraversa(righe);
                      // Once the field is crossed a further click counts for
                      // nothing, even before the clock has noticed.
                      if (righe == 10)
                          w.mina(10);
                  }}});
        QVERIFY(w.durato(durata));
        QCOMPARE(w.p->lblOrologio.caption(), orologio);
        QCOMPARE(w.p->lblSecondi[0].caption(), tempo);
        QCOMPARE(w.p->lblSecondi[1].caption(), QStringLiteral("30,00"));
        const QStringList suoni = w.fakes.audio.played("frmProva1.mmcSonoro");
        QCOMPARE(suoni.filter(QRegularExpression("^sirena[123]\\.wav$")).size() == 1, sirena);
        QVERIFY(primaDellaFine.filter(QRegularExpression("^sirena")).isEmpty());
        QCOMPARE(suoni.contains("moltobene.wav"), righe == 10);
        QVERIFY(!suoni.contains("nooo.wav"));
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Ora tocca a BRUNO      "));
        QVERIFY(w.p->cmdEsegui.enabled());
    }

    // The second contestant plays on the field drawn after the first turn,
    // and both times are shown after every turn.
    void theSecondTurnIsPlayedOnANewField()
    {
        Campo w;
        w.fakes.random.pushDraw(1, 3);   // the siren
        w.campoSeguente(kAltroCampo);
        w.turno({{1.5, [&] { w.attraversa(3); }}});
        QCOMPARE(w.sicure(), QString::fromLatin1(kAltroCampo));
        QCOMPARE(w.p->lblSecondi[0].caption(), QStringLiteral("28,50"));
        QCOMPARE(w.p->lblSecondi[1].caption(), QStringLiteral("30,00"));
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Ora tocca a BRUNO      "));
        QVERIFY(w.p->Frame1.enabled());
        QCOMPARE(w.campo(), kChiuso);

        // Row 1's cell 0 was safe for ANNA; for BRUNO it is a mine.
        QString dopoIlPrimo;
        w.turno({{1.0, [&] {
                      w.click(w.cella(1, 0));
                      dopoIlPrimo = w.campo();
                  }},
                 {2.0, [&] { w.attraversa(5); }}});
        QCOMPARE(dopoIlPrimo.left(4), QStringLiteral("X..+"));
        QCOMPARE(w.p->intRighe[2], 5);
        QCOMPARE(w.p->lblSecondi[0].caption(), QStringLiteral("28,50"));
        QCOMPARE(w.p->lblSecondi[1].caption(), QStringLiteral("28,00"));
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince BRUNO      "));
    }

    // A click outside a turn's play changes nothing and sounds nothing.
    void aClickOutsideThePlayCountsForNothing_data()
    {
        QTest::addColumn<int>("quando");
        QTest::newRow("before the start") << 0;
        QTest::newRow("in the pause after a mine") << 1;
        QTest::newRow("between the turns") << 2;
        QTest::newRow("after the verdict") << 3;
    }
    void aClickOutsideThePlayCountsForNothing()
    {
        QFETCH(int, quando);
        Campo w;
        QString prima, dopo;
        QStringList suoni;
        const auto prova = [&] {
            prima = w.campo() + QString::number(w.p->intRighe[1]) + QString::number(w.p->intRighe[2]);
            w.fakes.audio.clear();
            for (int n : {1, 2})
                for (int i = 0; i < 3; ++i)
                    w.click(w.cella(n, i));
            dopo = w.campo() + QString::number(w.p->intRighe[1]) + QString::number(w.p->intRighe[2]);
            suoni = w.fakes.audio.played();
        };
        if (quando == 0)
            prova();
        if (quando == 1)
            w.turno({{1.0, [&] { w.mina(1); }}, {1.05, prova}});
        if (quando >= 2)
            w.turno({{1.0, [&] { w.attraversa(1); }}});
        if (quando == 2)
            prova();
        if (quando == 3) {
            w.turno({{1.0, [&] { w.attraversa(1); }}});
            prova();
        }
        QCOMPARE(dopo, prima);
        QCOMPARE(suoni, QStringList{});
        QVERIFY(!w.p->tmrPausa.enabled() || quando == 1);
    }

    void abandoningDuringATurn_data()
    {
        QTest::addColumn<bool>("conEsci");
        QTest::addColumn<int>("risposta");
        QTest::newRow("close box, No: the turn goes on") << false << mb::No;
        QTest::newRow("close box, Yes") << false << mb::Yes;
        QTest::newRow("Esci, Yes") << true << mb::Yes;
    }
    // The close comes in the second turn, when the end of the turn would
    // also bring the verdict.
    void abandoningDuringATurn()
    {
        QFETCH(bool, conEsci);
        QFETCH(int, risposta);
        Campo w;
        w.turno({{1.0, [&] { w.attraversa(6); }}});
        w.fakes.messages.setNextAnswer(risposta);
        // A mine just before the close: its pause is still due when the window goes.
        w.turno({{4.95, [&] { w.mina(1); }},
                 {5.0, [&] {
                      if (conEsci)
                          w.p->Esci.click();
                      else
                          w.p->window()->close();
                  }},
                 {8.0, [&] {
                      if (w.ctx->screens.find<frmProva1>())
                          w.attraversa(2);
                  }}});
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        if (risposta == mb::No) {
            QVERIFY(w.durato(30));
            QCOMPARE(w.p->intRighe[2], 2);
            QCOMPARE(w.p->lblSecondi[1].caption(), QStringLiteral("22,00"));
            QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
            QVERIFY(!w.R->enabled());
            return;
        }
        // The press returned with the close, not at the turn's end.
        QVERIFY(w.loop().now() - w.inizio < 8);
        w.nullaDopoAbbandono(QStringLiteral("frmProva1"), 60);
    }

    // A mine in the turn's last instant: its pause must not reset the field
    // under the next contestant's first clicks.
    void aMineAtTheBellLeavesTheNextTurnAlone()
    {
        Campo w;
        w.fakes.random.pushDraw(1, 3);   // the siren
        w.campoSeguente(kCampo);
        w.turno({{29.97, [&] { w.mina(1); }}});
        QString campo;
        w.turno({{0.02, [&] { w.attraversa(2); }}, {0.2, [&] { campo = w.campo(); }}});
        QCOMPARE(campo, QStringLiteral("V..+ .V.+ ...+ ...- ...- ...- ...- ...- ...- ...-"));
    }

    void aDuelLaunchedFromTheBoardHandsItsVerdictBack()
    {
        BoardWorld w;
        w.M().strParlato = "Play";
        w.M().strEffetti = "Play";
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(1, 20);   // PERCORSO MINATO
        w.fakes.random.pushDraw(2, 2);    // BRUNO starts
        for (int n = 0; n < 10; ++n)
            w.fakes.random.pushDraw(kCampo[n] - '0' + 1, 3);
        w.passo();
        auto* p = w.ctx->screens.find<frmProva1>();
        QVERIFY(p && p->visible());
        QVERIFY(!R.enabled());
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Inizia BRUNO      "));
        const auto attraversa = [&](int righe, int minaDopo) {
            for (int n = 1; n <= righe; ++n)
                w.click(p->riga(n)[kCampo[n - 1] - '0']);
            if (minaDopo)
                w.click(p->riga(minaDopo)[(kCampo[minaDopo - 1] - '0' + 1) % 3]);
        };
        const double t0 = w.loop().now();
        w.loop().at(t0 + 3.0, [&] { attraversa(7, 8); });
        w.click(p->cmdEsegui);
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Ora tocca a ANNA       "));
        w.advance(2.0);
        const double t1 = w.loop().now();
        w.loop().at(t1 + 1.0, [&] {
            for (int n = 1; n <= 7; ++n)
                w.click(p->riga(n)[p->intCasellaSicura[n]]);
        });
        w.loop().at(t1 + 1.5, [&] { w.click(p->riga(8)[(p->intCasellaSicura[8] + 2) % 3]); });
        w.click(p->cmdEsegui);
        // Seven rows each; ANNA got there two seconds sooner.
        QCOMPARE(p->lblSecondi[1].caption(), QStringLiteral("27,00"));
        QCOMPARE(p->lblSecondi[0].caption(), QStringLiteral("29,00"));
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        w.keyClick(*p, Qt::Key_Return, "\r");
        QVERIFY(!w.ctx->screens.find<frmProva1>());
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira1.enabled() && !R.cmdGira2.enabled());
        QCOMPARE(R.cmdGira1.backColor(), frmRuota::kGiallo);
        QCOMPARE(int(w.M().bytGiri[1]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestPercorsoMinato)
#include "tst_frmProva1.moc"
