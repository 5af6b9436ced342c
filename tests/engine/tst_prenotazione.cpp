// The booking question after a short challenge: the ten-second booking
// window, the booking by key or mouse, the fifteen-second answer window,
// the judging, the other contestant's chance and the void end.
#include "competitions/frmPunteggi.h"
#include "shell/frmComandiGioco.h"
#include "shell/frmMenu.h"
#include "shell/frmMenuZolmer.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QRegularExpression>

using namespace zolmera;
using namespace zolmera::testing;

namespace {

QStringList suoniDellaDomanda()
{
    QStringList nomi = {"suono1.wav", "suono2.wav", "domanda.wav", "ruota.wav"};
    const std::pair<const char*, int> varianti[] = {{"esatto", 6}, {"errato", 6}, {"scaduto", 3}, {"nullo", 3},
                                                   {"primo", 3},  {"secondo", 3}, {"formaggio", 3}, {"dolce", 3},
                                                   {"frutta", 3}, {"dieta", 3},  {"doppione", 6}, {"jolly", 3}};
    for (const auto& [radice, quante] : varianti)
        for (int n = 1; n <= quante; ++n)
            nomi << QStringLiteral("%1%2.wav").arg(QLatin1String(radice)).arg(n);
    return nomi;
}

// A match at turn 2, its short challenge about to hand the booking question
// over. Inputs are scheduled in seconds from that moment, then arma() plays
// everything out in virtual time.
struct Domanda : BoardWorld {
    explicit Domanda(const QString& mouse = {}, const QString& prenota1 = "Z")
    {
        for (const QString& s : suoniDellaDomanda())
            touch("sounds1/" + s, onda(0.5));
        M().strParlato = "Play";
        M().strEffetti = "Play";
        M().strPrenota1 = prenota1;
        if (mouse == "1") {
            M().strPrenota1 = "Mouse";
            M().strGira1 = "Mouse";
        } else if (mouse == "2") {
            M().strPrenota2 = "Mouse";
            M().strGira2 = "Mouse";
        }
        R = &apri();
        sostituisciProve(*R);
        passo();
        run([&] { prova()->nulla(); });
        passo();
        t0 = loop().now();
    }
    void a(double t, std::function<void()> fn) { loop().at(t0 + t, std::move(fn)); }
    void arma(const QString& giusta = "ROMA")
    {
        run([&] {
            ScriviOpzioni(*ctx, "Roma", "Parigi", QString(32, QLatin1Char(' ')));
            M().strRispostaEsatta = giusta;
            M().strFileDomanda = path("sounds1/domanda.wav");
            prova()->armaDomanda("Qual e' la capitale d'Italia?");
        });
    }
    void prenota(int w) { keyClick(*R, w == 1 ? Qt::Key_Z : Qt::Key_N, w == 1 ? "z" : "n"); }
    void rispondi(const QString& testo)
    {
        R->txtRisposta.setText(testo);
        click(R->cmdOK);
    }
    // The question and the comments heard, numbered variants by their
    // stem; the buzzers left out.
    QStringList voci() const
    {
        QStringList out;
        static const QRegularExpression numero(QStringLiteral("[0-9]*\\.wav$"));
        for (const QString& v : fakes.audio.played("frmRuota.mmcMelodia"))
            if (!v.startsWith("suono"))
                out << QString(v).remove(numero);
        return out;
    }
    bool nulla() const
    {
        return !R->Frame2.visible() && !R->imgPPrenota.visible() && R->cmdFine.visible() && R->cmdFine.enabled()
            && R->Tobrano.visible() && !R->cmdPrenota1.enabled() && !R->cmdPrenota2.enabled()
            && R->cmdPrenota1.backColor() == frmRuota::kBlu && R->cmdPrenota2.backColor() == frmRuota::kBlu;
    }
    frmRuota* R = nullptr;
    double t0 = 0;
};

// Counts the key presses that reach a control.
class TastiArrivati : public QObject {
public:
    int quanti = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress)
            ++quanti;
        return QObject::eventFilter(o, e);
    }
};

}  // namespace

class TestPrenotazione : public QObject {
    Q_OBJECT
private slots:
    void nobodyBooks()
    {
        Domanda d;
        frmRuota& R = *d.R;
        QStringList orologio;
        for (int k = 0; k <= 9; ++k)
            d.a(k + 0.25, [&] { orologio << R.lblOrologio.caption(); });
        d.a(9.75, [&] { orologio << R.lblOrologio.caption(); });
        d.arma();
        QCOMPARE(orologio, (QStringList{"10", "09", "08", "07", "06", "05", "04", "03", "02", "01", "00"}));
        QVERIFY(R.tmrSecondi.enabled());
        QVERIFY2(R.imgPPrenota.visible(), "void only at the time-out's tick");
        d.advance(0.1);
        QVERIFY(d.nulla());
        QCOMPARE(d.voci(), (QStringList{"domanda", "nullo"}));
        QCOMPARE(d.R->prenotazione.varErrori, 1);
    }

    // A right answer typed in lower case between blanks; the key that booked
    // never lands in the answer box, a second press of it does.
    void aRightAnswerEarnsASpin()
    {
        Domanda d;
        frmRuota& R = *d.R;
        QString dopoLaPrenotazione, dopoIlTasto;
        TastiArrivati arrivati;
        d.a(1.5, [&] {
            R.Command1.setFocus();
            R.Command1.widget()->installEventFilter(&arrivati);
        });
        d.a(2, [&] { d.prenota(2); });
        d.a(3, [&] {
            dopoLaPrenotazione = R.txtRisposta.text();
            QVERIFY(R.imgPostaz2.visible() && R.txtRisposta.visible() && R.cmdOK.visible());
            QVERIFY(!R.cmdRipetere.visible());
            QVERIFY(R.txtOpzione[0].enabled());
            QCOMPARE(R.txtDomanda.text(), QString());
            QCOMPARE(R.lblOrologio.caption(), QStringLiteral("14"));
            d.prenota(2);
            dopoIlTasto = R.txtRisposta.text();
        });
        d.a(4, [&] { d.rispondi(" roma "); });
        d.arma();
        QCOMPARE(dopoLaPrenotazione, QString());
        QCOMPARE(arrivati.quanti, 0);   // the control focused when the key booked never saw it
        QCOMPARE(dopoIlTasto, QStringLiteral("n"));
        QCOMPARE(d.R->prenotazione.varRisposta, QStringLiteral("ROMA"));
        QCOMPARE(d.voci(), (QStringList{"domanda", "esatto"}));
        QCOMPARE(d.fakes.audio.played("frmRuota.mmcMelodia").count("suono2.wav"), 1);
        QCOMPARE(int(d.M().bytGiri[2]), 1);
        QVERIFY(R.cmdGira2.enabled() && R.cmdGira2.backColor() == frmRuota::kGiallo);
        QVERIFY(!R.Frame2.visible() && !R.imgPPrenota.visible() && !R.imgPostaz2.visible());
        QVERIFY(!R.Tobrano.visible() && !R.cmdFine.visible());
        d.advance(1);
        QVERIFY2(!R.tmrSecondi.enabled() && R.cmdGira2.enabled(), "no time-out after the answer");
    }

    // A right answer gives exactly one spin, however many the contestant
    // held before; the other contestant's are left alone.
    void aRightAnswerGivesExactlyOneSpin_data()
    {
        QTest::addColumn<int>("giri");
        QTest::newRow("holding one") << 1;
        QTest::newRow("holding two") << 2;
    }
    void aRightAnswerGivesExactlyOneSpin()
    {
        QFETCH(int, giri);
        Domanda d;
        d.M().bytGiri[1] = quint8(giri);
        d.M().bytGiri[2] = 2;
        d.a(1, [&] { d.prenota(1); });
        d.a(2, [&] { d.rispondi("roma"); });
        d.arma();
        QCOMPARE(int(d.M().bytGiri[1]), 1);
        QCOMPARE(int(d.M().bytGiri[2]), 2);
        QVERIFY(d.R->cmdGira1.enabled());
    }

    // Every way the question can fail, and who may book after the first
    // failure.
    void failures_data()
    {
        QTest::addColumn<QString>("copione");
        QTest::addColumn<QStringList>("voci");
        QTest::addColumn<int>("giro");   // who earned the spin, 0 for a void question
        QTest::newRow("wrong, then nobody books")
            << "1 sbaglia" << QStringList{"domanda", "errato", "nullo"} << 0;
        QTest::newRow("wrong, then the other is right")
            << "1 sbaglia, 2 indovina" << QStringList{"domanda", "errato", "esatto"} << 2;
        QTest::newRow("wrong twice") << "2 sbaglia, 1 sbaglia" << QStringList{"domanda", "errato", "nullo"} << 0;
        QTest::newRow("too late, then wrong")
            << "1 tace, 2 sbaglia" << QStringList{"domanda", "scaduto", "nullo"} << 0;
        QTest::newRow("too late twice") << "2 tace, 1 tace" << QStringList{"domanda", "scaduto", "nullo"} << 0;
    }
    void failures()
    {
        QFETCH(QString, copione);
        QFETCH(QStringList, voci);
        QFETCH(int, giro);
        Domanda d;
        frmRuota& R = *d.R;
        const QStringList passi = copione.split(", ");
        const int primo = passi[0].left(1).toInt();
        const int altro = 3 - primo;
        QString invito;
        bool ripetereVisto = false;
        d.a(1, [&] { d.prenota(primo); });
        const double fallito = passi[0].endsWith("tace") ? 1 + 15.1 : 2;
        if (!passi[0].endsWith("tace"))
            d.a(2, [&] { d.rispondi("Parigi"); });
        d.a(fallito + 0.5, [&] {
            invito = R.txtDomanda.text();
            QVERIFY(!R.txtRisposta.visible() && !R.txtOpzione[0].enabled() && !R.imgPostaz1.visible());
            QCOMPARE(int(d.M().bytConcorrente), 0);
            QVERIFY((altro == 1 ? R.cmdPrenota1 : R.cmdPrenota2).enabled());
            QVERIFY(!(primo == 1 ? R.cmdPrenota1 : R.cmdPrenota2).enabled());
            d.prenota(primo);   // his own key books nothing now
            QCOMPARE(int(d.M().bytConcorrente), 0);
            R.cmdOK.click();    // nor does Ok, with nobody answering
            QCOMPARE(R.prenotazione.varErrori, 1);
            QVERIFY((altro == 1 ? R.cmdPrenota1 : R.cmdPrenota2).enabled());
        });
        if (passi.size() > 1) {
            d.a(fallito + 1, [&] { d.prenota(altro); });
            d.a(fallito + 1.5, [&] { ripetereVisto = R.cmdRipetere.visible(); });
            if (passi[1].endsWith("sbaglia"))
                d.a(fallito + 2, [&] { d.rispondi("Milano"); });
            else if (passi[1].endsWith("indovina"))
                d.a(fallito + 2, [&] { d.rispondi("roma"); });
        }
        d.arma();
        // The time-outs take over 100 ms after each expired window.
        QVERIFY(d.finoA([&] { return !R.tmrSecondi.enabled(); }, 1));
        const QString nome = altro == 1 ? "ANNA" : "BRUNO";
        QCOMPARE(invito, nome.leftJustified(11) + " ti puoi prenotare!");
        QCOMPARE(d.voci(), voci);
        QCOMPARE(ripetereVisto, passi.size() > 1);
        QCOMPARE(int(d.M().bytGiri[1]), giro == 1 ? 1 : 0);
        QCOMPARE(int(d.M().bytGiri[2]), giro == 2 ? 1 : 0);
        if (giro == 0) {
            QVERIFY(d.nulla());
            QCOMPARE(d.R->prenotazione.varErrori, 2);
        }
    }

    // The void end after a second wrong answer gives the step button the
    // focus; after expired windows the focus stays where it was.
    void theStepButtonAfterAWrongSecondAnswerHasTheFocus()
    {
        Domanda d;
        frmRuota& R = *d.R;
        d.a(1, [&] { d.prenota(1); });
        d.a(2, [&] { d.rispondi("x"); });
        d.a(3, [&] { d.prenota(2); });
        d.a(4, [&] { d.rispondi("y"); });
        d.arma();
        QVERIFY(d.nulla());
        QCOMPARE(R.window()->focusWidget(), R.cmdFine.widget());
    }

    // The void end after an expired window switches off every spin button,
    // whatever was lit; the void end after a second wrong answer leaves them
    // as they were.
    void theVoidEndAndTheSpinButtons_data()
    {
        QTest::addColumn<QString>("copione");
        QTest::addColumn<bool>("spenti");
        QTest::newRow("nobody books") << "" << true;
        QTest::newRow("wrong, then nobody books") << "1 sbaglia" << true;
        QTest::newRow("too late, then the other too late") << "2 tace, 1 tace" << true;
        QTest::newRow("wrong twice") << "1 sbaglia, 2 sbaglia" << false;
    }
    void theVoidEndAndTheSpinButtons()
    {
        QFETCH(QString, copione);
        QFETCH(bool, spenti);
        Domanda d;
        frmRuota& R = *d.R;
        d.run([&] {
            for (CommandButton* b : {&R.cmdGira1, &R.cmdGira2}) {
                b->setEnabled(true);
                b->setBackColor(frmRuota::kGiallo);
            }
        });
        double t = 1;
        for (const QString& passo : copione.split(", ", Qt::SkipEmptyParts)) {
            const int chi = passo.left(1).toInt();
            d.a(t, [&d, chi] { d.prenota(chi); });
            if (passo.endsWith("sbaglia")) {
                d.a(t + 1, [&d] { d.rispondi("Parigi"); });
                t += 2;
            } else {
                t += 15.5;   // his answer window expires, the other's opens
            }
        }
        d.arma();
        QVERIFY(d.finoA([&] { return !R.tmrSecondi.enabled(); }, 1));
        QVERIFY(d.nulla());
        for (CommandButton* b : {&R.cmdGira1, &R.cmdGira2}) {
            QCOMPARE(b->enabled(), !spenti);
            QCOMPARE(b->backColor(), spenti ? frmRuota::kBlu : frmRuota::kGiallo);
        }
    }

    void edgesOfTheBookingWindow_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("a key after 00, before the time-out") << "tardi";
        QTest::newRow("both keys at once") << "insieme";
        QTest::newRow("a side screen closed restarts the ten seconds") << "schermo";
        QTest::newRow("a side screen closed between 00 and the time-out") << "schermoTardi";
    }
    void edgesOfTheBookingWindow()
    {
        QFETCH(QString, caso);
        Domanda d;
        frmRuota& R = *d.R;
        int prenotato = -1;
        double scadenza = 0;
        if (caso == "tardi") {
            d.a(10.05, [&] {
                QCOMPARE(R.lblOrologio.caption(), QStringLiteral("00"));
                QVERIFY(R.tmrSecondi.enabled());
                d.prenota(1);
            });
            d.a(10.5, [&] {
                prenotato = d.M().bytConcorrente;
                QVERIFY2(!R.tmrSecondi.enabled(), "the pending time-out is cancelled");
                d.rispondi("ROMA");
            });
        } else if (caso == "insieme") {
            d.a(2, [&] { d.prenota(2); });
            d.a(2, [&] {
                d.prenota(1);
                prenotato = d.M().bytConcorrente;
            });
            d.a(3, [&] { d.rispondi("roma"); });
        } else if (caso == "schermo") {
            d.a(6, [&] { d.keyClick(R, Qt::Key_F3); });
            d.a(8, [&] {
                QVERIFY(!R.enabled());
                d.click(d.ctx->screens.get<frmComandiGioco>().cmdRitorna);
                scadenza = d.R->prenotazione.varScadenza;
            });
            d.a(10.5, [&] { QVERIFY(R.imgPPrenota.visible() && !R.tmrSecondi.enabled()); });
        } else {
            // The re-activation drops the time-out already armed: the
            // question is not void, and the ten seconds start again.
            d.a(10.02, [&] {
                QVERIFY(R.tmrSecondi.enabled());
                d.keyClick(R, Qt::Key_F3);
            });
            d.a(10.06, [&] { d.click(d.ctx->screens.get<frmComandiGioco>().cmdRitorna); });
            d.a(12, [&] {
                QVERIFY(R.imgPPrenota.visible() && R.cmdPrenota1.enabled() && !R.tmrSecondi.enabled());
                d.prenota(1);
            });
            d.a(13, [&] { d.rispondi("roma"); });
        }
        d.arma();
        d.advance(0.2);
        if (caso == "tardi") {
            QCOMPARE(prenotato, 1);
            QCOMPARE(int(d.M().bytGiri[1]), 1);
        } else if (caso == "insieme") {
            QCOMPARE(prenotato, 2);
            QCOMPARE(int(d.M().bytGiri[2]), 1);
            QCOMPARE(int(d.M().bytGiri[1]), 0);
            QCOMPARE(d.fakes.audio.played().count("suono1.wav"), 0);
        } else if (caso == "schermo") {
            QCOMPARE(scadenza, d.t0 + 18);
            QVERIFY(d.nulla());
        } else {
            QCOMPARE(int(d.M().bytGiri[1]), 1);
            QCOMPARE(d.R->prenotazione.varErrori, 0);
            QCOMPARE(d.voci(), (QStringList{"domanda", "esatto"}));
        }
    }

    void theAnswerArea()
    {
        Domanda d;
        frmRuota& R = *d.R;
        d.a(1, [&] { d.prenota(1); });
        d.a(2, [&] { d.rispondi("Milano"); });
        d.a(3, [&] { d.prenota(2); });
        d.a(4, [&] {
            QVERIFY(R.cmdRipetere.visible());
            d.click(R.cmdRipetere);
            QVERIFY(!R.cmdRipetere.visible());
            QCOMPARE(d.fakes.audio.played("frmRuota.mmcMelodia").last(), QStringLiteral("domanda.wav"));
            QCOMPARE(R.window()->focusWidget(), R.txtRisposta.widget());
            d.click(R.txtOpzione[1]);
            QCOMPARE(R.txtRisposta.text(), QStringLiteral("Parigi"));
            d.click(R.txtOpzione[2]);
            QCOMPARE(R.txtRisposta.text(), QStringLiteral("Parigi"));
            d.click(R.cmdCancella);
            QCOMPARE(R.txtRisposta.text(), QString());
            d.click(R.txtOpzione[0]);
        });
        d.a(5, [&] { d.click(R.cmdOK); });
        d.arma();
        QCOMPARE(int(d.M().bytGiri[2]), 1);
    }

    // Who books with what: a contestant on the keyboard with his key in
    // either case (a digit too), the one on the mouse with the left button
    // on the board; nobody with anything else.
    void whoBooksWithWhat_data()
    {
        QTest::addColumn<QString>("mouse");
        QTest::addColumn<QString>("prenota1");
        QTest::addColumn<QString>("azione");
        QTest::addColumn<int>("chi");
        QTest::newRow("lower case") << "" << "Z" << "key:z" << 1;
        QTest::newRow("upper case") << "" << "Z" << "key:Z" << 1;
        QTest::newRow("the other's key") << "" << "Z" << "key:n" << 2;
        QTest::newRow("a digit") << "" << "7" << "key:7" << 1;
        QTest::newRow("a spin key") << "" << "Z" << "key:x" << 0;
        QTest::newRow("left button, nobody on the mouse") << "" << "Z" << "left:board" << 0;
        QTest::newRow("1 on the mouse: left button") << "1" << "" << "left:board" << 1;
        QTest::newRow("1 on the mouse: left on a station") << "1" << "" << "left:imgPostaz2" << 1;
        QTest::newRow("1 on the mouse: left on the question") << "1" << "" << "left:txtDomanda" << 0;
        QTest::newRow("1 on the mouse: right button") << "1" << "" << "right:board" << 0;
        QTest::newRow("1 on the mouse: his old key") << "1" << "" << "key:z" << 0;
        QTest::newRow("2 on the mouse: left button") << "2" << "Z" << "left:board" << 2;
    }
    void whoBooksWithWhat()
    {
        QFETCH(QString, mouse);
        QFETCH(QString, prenota1);
        QFETCH(QString, azione);
        QFETCH(int, chi);
        Domanda d(mouse, prenota1);
        frmRuota& R = *d.R;
        int prenotato = 0;
        d.a(1, [&] {
            const QString cosa = azione.section(':', 1);
            if (azione.startsWith("key:")) {
                d.keyClick(R, Qt::Key(cosa.toUpper().at(0).unicode()), cosa);
                return;
            }
            const Qt::MouseButton tasto = azione.startsWith("left") ? Qt::LeftButton : Qt::RightButton;
            if (cosa == "board") {
                d.mousePress(R, tasto);
                d.mouseRelease(R, tasto);
            } else {
                Control& c = cosa == "imgPostaz2" ? static_cast<Control&>(R.imgPostaz2) : R.txtDomanda;
                c.setVisible(true);
                d.mousePress(c, tasto);
                d.mouseRelease(c, tasto);
            }
        });
        d.a(2, [&] {
            prenotato = d.M().bytConcorrente;
            if (prenotato)
                d.rispondi("roma");
        });
        d.arma();
        QCOMPARE(prenotato, chi);
    }

    void theSideScreenKeys_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("girando");
        QTest::addColumn<QString>("schermo");
        QTest::newRow("F2") << int(Qt::Key_F2) << false << "menu";
        QTest::newRow("F3") << int(Qt::Key_F3) << false << "comandi";
        QTest::newRow("F4") << int(Qt::Key_F4) << false << "punteggi";
        QTest::newRow("F2 while the wheel turns") << int(Qt::Key_F2) << true << "";
        QTest::newRow("F3 while the wheel turns") << int(Qt::Key_F3) << true << "";
        QTest::newRow("F4 while the wheel turns") << int(Qt::Key_F4) << true << "";
    }
    void theSideScreenKeys()
    {
        QFETCH(int, tasto);
        QFETCH(bool, girando);
        QFETCH(QString, schermo);
        BoardWorld w;
        frmRuota& R = w.apri();
        if (girando) {
            w.concedi(1);
            w.preparaLancio(24, 44);
            w.keyClick(R, Qt::Key_X, "x");
            QVERIFY(R.tmrTempo.enabled());
        }
        w.keyClick(R, Qt::Key(tasto));
        auto* menu = w.ctx->screens.find<frmMenuZolmer>();
        auto* comandi = w.ctx->screens.find<frmComandiGioco>();
        auto* punteggi = w.ctx->screens.find<frmPunteggi>();
        QCOMPARE(menu && menu->visible(), schermo == "menu");
        QCOMPARE(comandi && comandi->visible(), schermo == "comandi");
        QCOMPARE(punteggi && punteggi->visible(), schermo == "punteggi");
        QCOMPARE(R.enabled(), schermo.isEmpty());
    }

    // The second phase shows the booking picture during its own questions: a
    // side screen opened and closed then leaves its question alone.
    void aSecondPhaseQuestionIsNotABookingQuestion()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        w.run([&] {
            R.prenotazione.domanda = TipoDomanda::SecondaFase;
            R.imgPPrenota.setVisible(true);
            R.Frame2.setVisible(true);
            R.lblOrologio.setCaption("37");
            R.cmdRipetere.setVisible(true);
            w.M().bytConcorrente = 2;
            R.cmdFine.setVisible(false);
        });
        w.run([&] { R.Comandi_Click(); });
        w.click(w.ctx->screens.get<frmComandiGioco>().cmdRitorna);
        QVERIFY(R.enabled());
        QCOMPARE(R.lblOrologio.caption(), QStringLiteral("37"));
        QVERIFY(R.cmdRipetere.visible() && R.Frame2.visible() && R.imgPPrenota.visible());
        QCOMPARE(int(w.M().bytConcorrente), 2);
        w.advance(11);
        QVERIFY(!R.tmrSecondi.enabled());
        QCOMPARE(R.prenotazione.varErrori, 0);
    }

    // The outcome of a spin comes while a side screen keeps the board
    // disabled: the step button gets the focus when the board is back.
    void aFocusAskedWhileDisabledWaitsForTheBoard()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        w.concedi(1);
        w.preparaLancio(24, 44);
        w.keyClick(R, Qt::Key_X, "x");
        QVERIFY(w.finoA([&] { return R.tmrDondolio.enabled(); }, 60));
        w.run([&] { R.Comandi_Click(); });
        QVERIFY(!R.enabled());
        QVERIFY(w.finoAFermo());
        QVERIFY(R.cmdFine.visible());
        R.Command1.setFocus();
        w.click(w.ctx->screens.get<frmComandiGioco>().cmdRitorna);
        QCOMPARE(R.window()->focusWidget(), R.cmdFine.widget());
    }

    // Quitting the match during the booking window: the countdown ends with
    // the board, touching nothing.
    void quittingDuringTheBookingWindow()
    {
        Domanda d;
        d.a(3, [&] {
            d.fakes.messages.setNextAnswer(mb::Yes);
            d.R->window()->close();
        });
        d.arma();
        QVERIFY(!d.ctx->screens.find<frmRuota>());
        d.advance(1);
        QCOMPARE(d.voci(), QStringList{"domanda"});
        QVERIFY(d.ctx->screens.find<frmMenu>()->visible());
    }
};

ZOLMERA_TEST_MAIN(TestPrenotazione)
#include "tst_prenotazione.moc"
