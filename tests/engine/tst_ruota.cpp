// The wheel's spin: the force charged by holding the spin control, the
// release, the turning that slows down level by level, the rocking, the two
// spins that are given back, and the controls that charge and throw.
#include "shell/frmComandiGioco.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {

const QStringList kSuoni = {"ruota.wav", "bloccoportata.wav", "girocorto.wav"};

// A board whose sounds are all on, both contestants on the keyboard unless
// contestant 2 is put on the mouse.
struct Tavolo : BoardWorld {
    explicit Tavolo(bool mouse2 = false)
    {
        for (const QString& s : kSuoni)
            touch("sounds1/" + s, onda(1));
        M().strMusica = "Play";
        M().strParlato = "Play";
        if (mouse2) {
            M().strPrenota2 = "Mouse";
            M().strGira2 = "Mouse";
        }
        R = &apri();
    }
    // A spin of contestant 1 by his key, held for the given seconds.
    void lancia1(double secondi)
    {
        keyPress(*R, Qt::Key_X, "x");
        advance(secondi);
        keyRelease(*R, Qt::Key_X, "x");
    }
    // Turns until the rocking starts, then queues whether it is blocked.
    void finoAlDondolio(bool bloccata = false)
    {
        QVERIFY(finoA([&] { return R->tmrDondolio.enabled(); }, 60));
        fakes.random.push(bloccata ? 0.505 : 0.0);
    }
    bool mostraLaCella(int cella) const
    {
        return R->imgRuota2.picture().cacheKey() == R->pccPosizioni.graphicCell(cella).cacheKey();
    }
    frmRuota* R = nullptr;
};

}  // namespace

class TestRuota : public QObject {
    Q_OBJECT
private slots:
    void theForceGrowsWhileTheKeyIsHeld_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("forza");
        QTest::addColumn<int>("intervallo");
        QTest::newRow("released before the first tick") << 240 << 0 << 100;
        QTest::newRow("250 ms") << 250 << 1 << 100;
        QTest::newRow("500 ms") << 500 << 2 << 50;
        QTest::newRow("750 ms") << 750 << 3 << 25;
        QTest::newRow("1 s") << 1000 << 4 << 25;
        QTest::newRow("1.25 s") << 1250 << 5 << 25;
        QTest::newRow("held for 4 s") << 4000 << 5 << 25;
    }
    void theForceGrowsWhileTheKeyIsHeld()
    {
        QFETCH(int, ms);
        QFETCH(int, forza);
        QFETCH(int, intervallo);
        Tavolo t;
        frmRuota& R = *t.R;
        t.concedi(1);
        t.keyPress(R, Qt::Key_X, "x");
        t.advance(ms / 1000.0);
        QCOMPARE(int(R.ruota.intForza), forza);
        QCOMPARE(R.pgbForza.value(), forza);
        QCOMPARE(R.Frame6.visible(), forza > 0);
        QCOMPARE(R.tmrTempo.interval(), intervallo);

        t.preparaLancio(16, 40);
        t.keyRelease(R, Qt::Key_X, "x");
        QVERIFY(!R.Frame6.visible());
        QVERIFY(!R.cmdGira1.enabled());
        QCOMPARE(R.cmdGira1.backColor(), frmRuota::kBlu);
        QCOMPARE(int(t.M().bytGiri[1]), 0);
        QCOMPARE(R.ruota.varTraguardo, 16);
        QCOMPARE(int(R.ruota.intRallenta), 40);
        QCOMPARE(R.ruota.intGiroCorto, forza == 0);
        QVERIFY(R.tmrTempo.enabled());
        QCOMPARE(R.tmrTempo.interval(), intervallo);   // the wheel starts at the last force tick's pace
        QCOMPARE(t.fakes.audio.played("frmRuota.mmcMusica"), QStringList{"ruota.wav"});
    }

    // Force 5 and a slow-down cell of 0: each level lasts one full turn, then
    // the wheel runs on at 200 ms to two cells before the target and rocks.
    void aTargetOfZeroRocksOverTheTopOfTheWheel()
    {
        Tavolo t;
        frmRuota& R = *t.R;
        t.concedi(1);
        t.preparaLancio(0, 0);
        t.lancia1(1.25);
        const double rilascio = t.loop().now();

        t.finoAlDondolio();
        QCOMPARE(t.loop().now() - rilascio, 48 * 3 * 0.025 + 48 * 0.05 + 48 * 0.1 + 46 * 0.2);
        QCOMPARE(int(t.M().varPosRuota), 46);
        QCOMPARE(int(t.M().intPassiRuota), 48 * 5 + 46);
        QCOMPARE(int(R.ruota.intForza), 0);
        QVERIFY(!R.tmrTempo.enabled());

        QList<int> percorso;
        for (int k = 0; k < 10; ++k) {
            t.advance(0.25);
            percorso << t.M().varPosRuota;
            QVERIFY(t.mostraLaCella(t.M().varPosRuota));
        }
        QCOMPARE(percorso, (QList<int>{47, 0, 1, 2, 1, 0, 47, 0, 1, 0}));
        QVERIFY(!R.tmrDondolio.enabled());
        QCOMPARE(R.ruota.varPassoDondolio, 0);
        QCOMPARE(int(t.M().intPassiRuota), 48 * 5 + 46);   // rocking steps are not turning
        QVERIFY2(R.Frame1.visible(), "the jolly's choice opens");
    }

    void aBlockedWheelGivesTheSpinBackTwoCellsPastTheTarget()
    {
        Tavolo t;
        frmRuota& R = *t.R;
        t.concedi(1);
        t.preparaLancio(0, 44);
        t.lancia1(0);
        t.finoAlDondolio(true);
        t.advance(4 * 0.25);
        QCOMPARE(int(t.M().varPosRuota), 2);
        QVERIFY(!R.tmrDondolio.enabled());
        QCOMPARE(t.fakes.audio.played("frmRuota.mmcMelodia"), QStringList{"bloccoportata.wav"});
        QVERIFY(!t.fakes.audio.played("frmRuota.mmcMusica").isEmpty());
        QVERIFY2(!R.mmcMusica.isPlaying(), "the wheel's music stops");
        QCOMPARE(int(t.M().bytGiri[1]), 1);
        QVERIFY(R.cmdGira1.enabled());
        QCOMPARE(R.cmdGira1.backColor(), frmRuota::kGiallo);
        QVERIFY2(!R.Frame1.visible() && !R.cmdFine.visible(), "no outcome");

        t.preparaLancio(8, 44);
        t.lancia1(0);
        t.advance(0.2);   // the pace the last slow-down left
        QCOMPARE(int(t.M().varPosRuota), 3);   // the next spin goes on from where this one stopped
    }

    // Released before the first force tick, the wheel stops at the first
    // pass of the target; ten cells or fewer turned is a short spin.
    void aWeakThrowStopsAtTheFirstPassOfTheTarget_data()
    {
        QTest::addColumn<int>("traguardo");
        QTest::addColumn<bool>("corto");
        QTest::newRow("six cells turned") << 8 << true;
        QTest::newRow("ten cells turned") << 12 << true;
        QTest::newRow("fourteen cells turned") << 16 << false;
    }
    void aWeakThrowStopsAtTheFirstPassOfTheTarget()
    {
        QFETCH(int, traguardo);
        QFETCH(bool, corto);
        Tavolo t;
        frmRuota& R = *t.R;
        t.concedi(1);
        t.preparaLancio(traguardo, 44);
        t.lancia1(0.1);
        const double rilascio = t.loop().now();
        t.finoAlDondolio();
        QCOMPARE(int(t.M().varPosRuota), traguardo - 2);
        QCOMPARE(t.loop().now() - rilascio, (traguardo - 2) * 0.1);   // a board's first spin turns at 100 ms
        QVERIFY(t.finoAFermo());
        QCOMPARE(int(t.M().varPosRuota), traguardo);
        const QStringList voci = t.fakes.audio.played("frmRuota.mmcMelodia");
        QCOMPARE(voci.contains("girocorto.wav"), corto);
        QCOMPARE(int(t.M().bytGiri[1]), corto ? 1 : 0);
        QCOMPARE(R.cmdGira1.enabled(), corto);
        QCOMPARE(R.esito.varDolce[1], corto ? 0 : 1);
        QCOMPARE(R.cmdFine.visible(), !corto);
    }

    // The slow-down that brings the force to 0 falls on the rocking's start
    // (a later slow-down cell can be any cell): the wheel rocks from that very
    // tick, not a turn later.
    void aSlowDownOnTheRockingStartStopsAtOnce()
    {
        Tavolo t;
        frmRuota& R = *t.R;
        t.concedi(1);
        t.preparaLancio(16, 20);
        t.fakes.random.push(0.3);   // the next slow-down: 20 - Int(0.3 * 20) = 14
        t.lancia1(0.5);
        const double rilascio = t.loop().now();
        QVERIFY(t.finoA([&] { return R.tmrDondolio.enabled(); }, 10));
        QCOMPARE(int(t.M().varPosRuota), 14);
        QCOMPARE(int(R.ruota.intForza), 0);
        QCOMPARE(t.loop().now() - rilascio, 20 * 0.05 + (27 + 1 + 14) * 0.1);
    }

    // A weak throw that passes a slow-down cell leaves the force below 0; the
    // next throw's first force tick counts from 0 again, not from below it.
    void aNegativeForceCountsFromZeroAtTheNextTick()
    {
        Tavolo t;
        frmRuota& R = *t.R;
        t.concedi(1);
        t.preparaLancio(16, 4);
        t.fakes.random.push(0.0);   // the next slow-down cell stays 4
        t.lancia1(0);
        t.finoAlDondolio();
        QCOMPARE(int(R.ruota.intForza), -1);
        QVERIFY(t.finoAFermo());
        QCOMPARE(R.esito.varDolce[1], 1);

        t.concedi(1);
        t.keyPress(R, Qt::Key_X, "x");
        t.advance(0.25);
        QCOMPARE(int(R.ruota.intForza), 1);
        QCOMPARE(R.pgbForza.value(), 1);
        QCOMPARE(R.tmrTempo.interval(), 100);
        t.preparaLancio(24, 44);
        t.keyRelease(R, Qt::Key_X, "x");
        QVERIFY2(!R.ruota.intGiroCorto, "a throw held past a force tick is never a short spin");
    }

    // A window of the question that has just expired leaves its time-out
    // 100 ms away; a spin thrown with the mouse in between drops it, so the
    // question's time-out never lands on the spin.
    void aMouseThrowDropsAPendingTimeOut()
    {
        Tavolo t(true);
        frmRuota& R = *t.R;
        t.concedi(2);
        t.preparaLancio(4, 44);
        t.mousePress(R, Qt::RightButton);
        t.advance(0.3);
        t.run([&] {
            R.tmrSecondi.setInterval(100);
            R.tmrSecondi.setEnabled(true);
        });
        t.mouseRelease(R, Qt::RightButton);
        QVERIFY(R.tmrTempo.enabled());
        QVERIFY(!R.tmrSecondi.enabled());
        t.advance(0.2);
        QCOMPARE(R.prenotazione.varErrori, 0);
        QVERIFY(!R.cmdPrenota1.enabled() && !R.cmdPrenota2.enabled());
        QVERIFY(t.finoAFermo());
        QCOMPARE(R.esito.varPrimo[2], 1);
    }

    // The switches silence the wheel's music and the announcer's voice.
    void theSoundSwitches()
    {
        Tavolo t;
        frmRuota& R = *t.R;
        t.M().strMusica.clear();
        t.M().strParlato.clear();
        t.concedi(1);
        t.preparaLancio(8, 44);
        t.lancia1(0);
        QVERIFY(t.finoAFermo());
        QVERIFY(R.cmdGira1.enabled());   // a short spin, given back in silence
        QVERIFY(t.fakes.audio.played().isEmpty());
    }

    // A side screen opened and closed while a spin is under way: the spin
    // goes on and the wheel stops on the cell it awards.
    void aSideScreenNeverDisturbsASpin_data()
    {
        QTest::addColumn<bool>("mentreDondola");
        QTest::newRow("opened by the other lit button while the wheel turns") << false;
        QTest::newRow("opened from the menu while the wheel rocks") << true;
    }
    void aSideScreenNeverDisturbsASpin()
    {
        QFETCH(bool, mentreDondola);
        Tavolo t;
        frmRuota& R = *t.R;
        t.concedi(1);
        t.concedi(2);
        t.preparaLancio(20, 44);
        t.lancia1(0);
        if (mentreDondola) {
            t.finoAlDondolio();
            t.advance(3 * 0.25);
            t.run([&] { R.Comandi_Click(); });
        } else {
            t.advance(0.45);
            t.click(R.cmdGira2);
        }
        auto* comandi = t.ctx->screens.find<frmComandiGioco>();
        QVERIFY(comandi && comandi->visible());
        QVERIFY(!R.enabled());
        t.advance(0.1);
        t.click(comandi->cmdRitorna);
        QVERIFY(R.enabled());
        QVERIFY2(R.ruota.inMoto(), "the spin goes on");

        if (!mentreDondola)
            t.finoAlDondolio();
        QVERIFY(t.finoAFermo());
        QCOMPARE(int(t.M().varPosRuota), 20);
        QCOMPARE(R.esito.bytFrutta[1], 1);
        QVERIFY(R.cmdGira2.enabled());
    }

    // The other contestant's control, pressed while a spin charges, turns or
    // rocks, neither stops the wheel nor takes over the throw.
    void theOtherContestantCannotInterfere_data()
    {
        QTest::addColumn<bool>("mouse2");
        QTest::addColumn<QString>("quando");
        for (bool mouse : {false, true}) {
            const char* chi = mouse ? "mouse: " : "key: ";
            QTest::addRow("%swhile 1 charges", chi) << mouse << "carica";
            QTest::addRow("%swhile the wheel turns", chi) << mouse << "gira";
            QTest::addRow("%spressed while it rocks, let go after the stop", chi) << mouse << "dondola";
        }
    }
    void theOtherContestantCannotInterfere()
    {
        QFETCH(bool, mouse2);
        QFETCH(QString, quando);
        Tavolo t(mouse2);
        frmRuota& R = *t.R;
        t.concedi(1);
        t.concedi(2);
        auto premi2 = [&] { mouse2 ? t.mousePress(R, Qt::RightButton) : t.keyPress(R, Qt::Key_M, "m"); };
        auto lascia2 = [&] { mouse2 ? t.mouseRelease(R, Qt::RightButton) : t.keyRelease(R, Qt::Key_M, "m"); };

        t.preparaLancio(28, 44);
        t.keyPress(R, Qt::Key_X, "x");
        if (quando == "carica") {
            t.advance(0.3);
            premi2();
            t.advance(0.3);
            QCOMPARE(int(R.ruota.intForza), 2);
            QCOMPARE(int(t.M().bytConcorrente), 1);
            t.keyRelease(R, Qt::Key_X, "x");
            lascia2();
        } else {
            t.keyRelease(R, Qt::Key_X, "x");
            if (quando == "gira") {
                t.advance(0.35);
                premi2();
                lascia2();
            } else {
                t.finoAlDondolio();
                t.advance(0.25);
                premi2();
                QVERIFY(t.finoAFermo());
                lascia2();
            }
        }
        QVERIFY(t.finoAFermo());
        QCOMPARE(int(t.M().varPosRuota), 28);
        QCOMPARE(R.esito.bytFormaggio[1], 1);
        QCOMPARE(R.esito.varPortateVinte[2], 0);
        QCOMPARE(int(t.M().bytGiri[1]), 0);
        QCOMPARE(int(t.M().bytGiri[2]), 1);
        QVERIFY(R.cmdGira2.enabled());
        QVERIFY(!R.tmrPressione.enabled());
    }

    // Which controls charge and throw a spin, for a contestant on the
    // keyboard and for one on the mouse.
    void theSpinControls_data()
    {
        QTest::addColumn<bool>("mouse2");
        QTest::addColumn<int>("chi");
        QTest::addColumn<QString>("come");
        QTest::addColumn<bool>("gira");
        QTest::newRow("1: lower-case key") << false << 1 << "x" << true;
        QTest::newRow("1: upper-case key") << false << 1 << "X" << true;
        QTest::newRow("1: the right button") << false << 1 << "destro:superficie" << false;
        QTest::newRow("1: the other's key") << false << 1 << "m" << false;
        QTest::newRow("2 on the mouse: his old key") << true << 2 << "m" << false;
        QTest::newRow("2 on the mouse: right button on the board") << true << 2 << "destro:superficie" << true;
        QTest::newRow("2 on the mouse: right button on a score") << true << 2 << "destro:lblScore1" << true;
        QTest::newRow("2 on the mouse: right button on a tray") << true << 2 << "destro:primo1" << true;
        QTest::newRow("2 on the mouse: right button on the step button") << true << 2 << "destro:cmdFine" << false;
        QTest::newRow("2 on the mouse: right button on the answer box") << true << 2 << "destro:txtRisposta" << false;
        QTest::newRow("2 on the mouse: left button") << true << 2 << "sinistro:superficie" << false;
    }
    void theSpinControls()
    {
        QFETCH(bool, mouse2);
        QFETCH(int, chi);
        QFETCH(QString, come);
        QFETCH(bool, gira);
        Tavolo t(mouse2);
        frmRuota& R = *t.R;
        t.concedi(chi);
        R.cmdFine.setVisible(true);
        R.Frame2.setVisible(true);
        t.preparaLancio(24, 44);
        if (come.contains(':')) {
            const Qt::MouseButton tasto = come.startsWith("destro") ? Qt::RightButton : Qt::LeftButton;
            const QString dove = come.section(':', 1);
            Control* c = dove == "lblScore1"    ? static_cast<Control*>(&R.lblScore1)
                         : dove == "primo1"     ? static_cast<Control*>(&R.primo1[0])
                         : dove == "cmdFine"    ? static_cast<Control*>(&R.cmdFine)
                         : dove == "txtRisposta" ? static_cast<Control*>(&R.txtRisposta)
                                                : nullptr;
            if (c) {
                c->setVisible(true);
                t.mousePress(*c, tasto);
                t.advance(0.8);
                t.mouseRelease(*c, tasto);
            } else {
                t.mousePress(R, tasto);
                t.advance(0.8);
                t.mouseRelease(R, tasto);
            }
        } else {
            const Qt::Key key = Qt::Key(come.toUpper().at(0).unicode());
            t.keyPress(R, key, come);
            t.advance(0.8);
            t.keyRelease(R, key, come);
        }
        QCOMPARE(R.tmrTempo.enabled(), gira);
        QCOMPARE(int(t.M().bytGiri[chi]), gira ? 0 : 1);
        if (gira) {
            QCOMPARE(int(t.M().bytConcorrente), chi);
            QCOMPARE(int(R.ruota.intForza), 3);
            QVERIFY(!R.cmdGira1.enabled() && !R.cmdGira2.enabled());
        }
    }

    // A whole spin from the key to the tray and the scoreboard; the same
    // draws give the same match, to the millisecond.
    void aWholeSpinIsReproducible()
    {
        auto partita = [] {
            Tavolo t;
            frmRuota& R = *t.R;
            t.touch("sounds1/secondo2.wav", onda(1));
            t.concedi(1);
            t.preparaLancio(44, 28);
            for (double d : {0.6, 0.3, 0.8})   // the slow-downs after the first
                t.fakes.random.push(d);
            t.lancia1(0.8);
            const double inizio = t.loop().now();
            t.finoAlDondolio();
            const double dondolio = t.loop().now() - inizio;
            t.fakes.random.pushDraw(2, 3);   // the comment
            t.advance(2.5);
            QStringList tracce;
            for (ControlArray<Image>* riga : R.righePortate(1))
                tracce << QString::number((*riga)[0].visible());
            return QStringList{QString::number(dondolio, 'f', 3),
                               QString::number(t.M().varPosRuota),
                               QString::number(t.M().intPassiRuota),
                               R.lblScore1.caption(),
                               QString::number(R.esito.intPesoPortate[1]),
                               tracce.join(""),
                               t.fakes.audio.played("frmRuota.mmcMelodia").join(","),
                               QString::number(R.cmdFine.visible())};
        };
        const QStringList prima = partita();
        QCOMPARE(prima, (QStringList{"13.400", "44", "138", "300", "400", "01000", "secondo2.wav", "1"}));
        QCOMPARE(partita(), prima);
    }

    // While a spin key is held, letting go of any key throws; once thrown,
    // a spin button lit again waits for its own key.
    void aThrowNeedsTheKeyHeld()
    {
        Tavolo t(true);
        frmRuota& R = *t.R;
        t.concedi(1, 2);
        t.preparaLancio(24, 44);
        t.keyPress(R, Qt::Key_X, "x");
        t.advance(0.3);
        t.keyPress(R, Qt::Key_Q, "q");
        t.keyRelease(R, Qt::Key_Q, "q");
        QVERIFY(R.tmrTempo.enabled());
        QCOMPARE(int(t.M().bytGiri[1]), 1);
        QVERIFY(t.finoAFermo());
        QVERIFY(R.cmdGira1.enabled());

        // Contestant 2 spins with the mouse in between.
        t.concedi(2);
        t.preparaLancio(8, 44);
        t.mousePress(R, Qt::RightButton);
        t.mouseRelease(R, Qt::RightButton);
        QCOMPARE(int(t.M().bytConcorrente), 2);
        QVERIFY(t.finoAFermo());
        QCOMPARE(R.esito.bytFormaggio[2], 1);

        QVERIFY(R.cmdGira1.enabled());
        for (Qt::Key k : {Qt::Key_Q, Qt::Key_M}) {
            t.keyPress(R, k, QString(QChar(k)).toLower());
            t.keyRelease(R, k, QString(QChar(k)).toLower());
        }
        QVERIFY(!R.tmrTempo.enabled());
        QCOMPARE(int(t.M().bytGiri[1]), 1);
        QCOMPARE(int(t.M().bytGiri[2]), 0);

        t.keyPress(R, Qt::Key_X, "X");
        t.keyRelease(R, Qt::Key_X, "X");
        QVERIFY(R.tmrTempo.enabled());
        QCOMPARE(int(t.M().bytConcorrente), 1);
        QCOMPARE(int(t.M().bytGiri[1]), 0);
    }
};

ZOLMERA_TEST_MAIN(TestRuota)
#include "tst_ruota.moc"
