// "SLOT MACHINE": ten credits, one a pull; the reels turn for half a
// second, three equal courses win a spin and ten pulls without them make the
// game void.
#include "challenges/mind/frmProvaExtra.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QFileInfo>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
constexpr double kTick = 0.05;
using Facce = QList<int>;

void fileDellaSlot(TestWorld& w)
{
    for (const char* f : {"rullo.wav", "no.wav", "vince.wav", "nullo1.wav", "nullo2.wav", "nullo3.wav", "voce.wav"})
        w.touch(QStringLiteral("sounds1/") + QLatin1String(f), onda(0));
    for (const char* f : {"slot_formaggio.gif", "slot_torta.gif", "slot_anguria.gif"})
        w.touch(QStringLiteral("images1/") + QLatin1String(f), "GIF89a");
}

// The draws of one pull: nine ticks of three different courses, then the
// faces the reels stop on.
void preparaGiro(TestWorld& w, const Facce& finali)
{
    for (int tick = 0; tick < 9; ++tick)
        for (int i = 0; i < 3; ++i)
            w.fakes.random.pushDraw((tick + i) % 3 + 1, 3);
    for (int v : finali)
        w.fakes.random.pushDraw(v, 3);
}

// The course a reel shows (1 to 3, 0 for none of them), told by the picture
// it took and checked against its colour.
int faccia(frmProvaExtra& p, int i)
{
    for (int v = 1; v <= 3; ++v)
        if (p.figura[i].picture().cacheKey() == p.imgPiet[v - 1].picture().cacheKey())
            return p.figura[i].backColor() == frmProvaExtra::kColori[v - 1] ? v : -v;
    return 0;
}
Facce facce(frmProvaExtra& p) { return {faccia(p, 0), faccia(p, 1), faccia(p, 2)}; }

// A pull, then the clock to halfway between two ticks, where every later
// wait of whole ticks keeps it.
void tira(TestWorld& w, frmProvaExtra& p)
{
    w.click(p.cmdPremi);
    w.advance(kTick / 2);
}

// A pull played to its stop.
void giro(TestWorld& w, frmProvaExtra& p, const Facce& finali)
{
    preparaGiro(w, finali);
    tira(w, p);
    w.advance(10 * kTick);
}

// The board at its sixth step with one contestant's menu complete: the next
// press of the step button opens the slot machine.
frmRuota& allaSestaProva(BoardWorld& w, int menu)
{
    frmRuota& R = w.apri();
    w.run([&] {
        R.turni.intTurno = 5;
        w.M().bytMenuCompleto = quint8(menu);
    });
    return R;
}

struct Slot : BoardWorld {
    explicit Slot(int menu = 1)
    {
        M().strEffetti = "Play";
        M().strParlato = "Play";
        fileDellaSlot(*this);
        R = &apri();
        M().bytMenuCompleto = quint8(menu);
        p = &apriProva<frmProvaExtra>();
    }
    void inizia() { click(p->cmdEsegui); }
    QStringList suoni() { return fakes.audio.played(QStringLiteral("frmProvaExtra.mmcSonoro")); }
    QWidget* fuoco() { return p->window()->focusWidget(); }
    frmRuota* R = nullptr;
    frmProvaExtra* p = nullptr;
};
}  // namespace

class TestSlotMachine : public QObject {
    Q_OBJECT
private slots:
    void theContestantWithoutTheMenuPlaysAndWinsTheSpin_data()
    {
        QTest::addColumn<int>("menu");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("giocatore");
        QTest::newRow("ANNA has the menu: BRUNO plays") << 1 << "BRUNO      " << 2;
        QTest::newRow("BRUNO has the menu: ANNA plays") << 2 << "ANNA       " << 1;
    }
    void theContestantWithoutTheMenuPlaysAndWinsTheSpin()
    {
        QFETCH(int, menu);
        QFETCH(QString, nome);
        QFETCH(int, giocatore);
        Slot w(menu);
        frmProvaExtra& p = *w.p;
        QCOMPARE(p.lblTitolo.caption(), QStringLiteral("SLOT MACHINE"));
        QCOMPARE(p.lblGiocatore[0].caption(), nome);
        QCOMPARE(p.lblPunti[0].caption(), QStringLiteral("10"));
        QCOMPARE(p.Label12.caption(), QStringLiteral("crediti"));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Inizia la prova"));
        QVERIFY(p.cmdEsegui.enabled() && !p.Frame1.enabled());
        QCOMPARE(facce(p), (Facce{1, 2, 3}));
        QCOMPARE(int(w.M().bytConcorrente), 0);
        // Nothing pulls before the start.
        w.click(p.cmdPremi);
        w.advance(1);
        QCOMPARE(p.lblPunti[0].caption(), QStringLiteral("10"));
        QVERIFY(w.suoni().isEmpty());

        w.inizia();
        QVERIFY(!p.cmdEsegui.enabled() && p.Frame1.enabled() && p.cmdPremi.enabled());
        QCOMPARE(w.fuoco(), p.cmdPremi.widget());
        w.M().strVoceConcorrente[giocatore] = w.path("sounds1/voce.wav");
        giro(w, p, {2, 2, 2});
        QCOMPARE(p.cmdEsegui.caption(), "Vince " + nome);
        QVERIFY(p.cmdEsegui.enabled() && !p.Frame1.enabled());
        QCOMPARE(int(w.M().bytConcorrente), giocatore);
        QCOMPARE(int(w.M().bytGiri[giocatore]), 1);
        QCOMPARE(int(w.M().bytGiri[3 - giocatore]), 0);
        QCOMPARE(w.suoni(), (QStringList{"rullo.wav", "vince.wav"}));
        w.advance(2.5);
        QCOMPARE(w.suoni().last(), QStringLiteral("voce.wav"));

        w.click(p.cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProvaExtra>());
        CommandButton& vinto = giocatore == 1 ? w.R->cmdGira1 : w.R->cmdGira2;
        CommandButton& altro = giocatore == 1 ? w.R->cmdGira2 : w.R->cmdGira1;
        QVERIFY(w.R->enabled() && vinto.enabled() && !altro.enabled());
        QCOMPARE(vinto.backColor(), frmRuota::kGiallo);
    }

    // The credit goes at the pull; the reels show ten draws, one each 50 ms,
    // and keep the last.
    void aPullTurnsTheReelsTenTimesAndTheLastFacesDecide()
    {
        Slot w;
        frmProvaExtra& p = *w.p;
        w.inizia();
        preparaGiro(w, {3, 3, 1});
        tira(w, p);
        QCOMPARE(p.lblPunti[0].caption(), QStringLiteral("9"));
        QVERIFY(!p.cmdPremi.enabled());
        QCOMPARE(w.suoni(), QStringList{"rullo.wav"});
        QCOMPARE(QFileInfo(p.mmcSonoro.fileName()).fileName(), QStringLiteral("rullo.wav"));
        for (int tick = 0; tick < 9; ++tick) {
            w.advance(kTick);
            QCOMPARE(facce(p), (Facce{tick % 3 + 1, (tick + 1) % 3 + 1, (tick + 2) % 3 + 1}));
            QCOMPARE(p.varScatti, tick + 1);
            // Another pull cannot start while the reels turn.
            w.click(p.cmdPremi);
            QCOMPARE(p.lblPunti[0].caption(), QStringLiteral("9"));
            QVERIFY(!p.cmdPremi.enabled());
        }
        w.advance(kTick);
        QCOMPARE(facce(p), (Facce{3, 3, 1}));
        QVERIFY(!p.tmrSecondi.enabled());
        QCOMPARE(w.suoni(), (QStringList{"rullo.wav", "no.wav"}));
        QVERIFY(p.cmdPremi.enabled());
        QCOMPARE(w.fuoco(), p.cmdPremi.widget());
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Inizia la prova"));
        QVERIFY(!p.cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), 0);
        w.advance(5);
        QCOMPARE(facce(p), (Facce{3, 3, 1}));
        QCOMPARE(w.suoni().size(), 2);
        // Enter pulls again from the focused lever.
        preparaGiro(w, {1, 2, 1});
        w.keyClick(p, Qt::Key_Return, "\r");
        QCOMPARE(p.lblPunti[0].caption(), QStringLiteral("8"));
    }

    void theSoundsFollowTheirSwitches_data()
    {
        QTest::addColumn<QString>("effetti");
        QTest::addColumn<QString>("parlato");
        QTest::addColumn<QStringList>("uditi");
        QTest::newRow("both on") << "Play" << "Play" << QStringList{"rullo.wav", "no.wav", "rullo.wav", "vince.wav"};
        QTest::newRow("effects off") << "" << "Play" << QStringList{"no.wav", "vince.wav"};
        QTest::newRow("spoken comments off") << "Play" << "" << QStringList{"rullo.wav", "rullo.wav"};
    }
    void theSoundsFollowTheirSwitches()
    {
        QFETCH(QString, effetti);
        QFETCH(QString, parlato);
        QFETCH(QStringList, uditi);
        Slot w;
        frmProvaExtra& p = *w.p;
        w.M().strEffetti = effetti;
        w.M().strParlato = parlato;
        w.inizia();
        giro(w, p, {1, 2, 3});
        giro(w, p, {3, 3, 3});
        QCOMPARE(w.suoni(), uditi);
    }

    void threeEqualCoursesWinAndTwoDoNot_data()
    {
        QTest::addColumn<Facce>("finali");
        QTest::addColumn<bool>("vince");
        QTest::newRow("three cheeses") << Facce{1, 1, 1} << true;
        QTest::newRow("three pies") << Facce{2, 2, 2} << true;
        QTest::newRow("three watermelons") << Facce{3, 3, 3} << true;
        QTest::newRow("two cheeses first") << Facce{1, 1, 2} << false;
        QTest::newRow("two watermelons apart") << Facce{3, 2, 3} << false;
        QTest::newRow("two pies last") << Facce{1, 2, 2} << false;
        QTest::newRow("all different") << Facce{2, 3, 1} << false;
    }
    void threeEqualCoursesWinAndTwoDoNot()
    {
        QFETCH(Facce, finali);
        QFETCH(bool, vince);
        Slot w;
        frmProvaExtra& p = *w.p;
        w.inizia();
        giro(w, p, finali);
        QCOMPARE(facce(p), finali);
        QCOMPARE((Facce{p.intRulli[0], p.intRulli[1], p.intRulli[2]}), finali);
        QCOMPARE(p.cmdEsegui.caption(), vince ? QStringLiteral("Vince BRUNO      ") : QStringLiteral("Inizia la prova"));
        QCOMPARE(p.cmdEsegui.enabled(), vince);
        QCOMPARE(p.cmdPremi.enabled(), !vince);
        QCOMPARE(p.Frame1.enabled(), !vince);
        QCOMPARE(int(w.M().bytGiri[2]), vince ? 1 : 0);
        QCOMPARE(p.Timer1.running(), vince);
    }

    void aWinOnTheLastCreditIsAWin()
    {
        Slot w;
        frmProvaExtra& p = *w.p;
        w.inizia();
        for (int i = 0; i < 9; ++i)
            giro(w, p, {1, 2, 1});
        QCOMPARE(p.lblPunti[0].caption(), QStringLiteral("1"));
        QVERIFY(p.cmdPremi.enabled());
        giro(w, p, {3, 3, 3});
        QCOMPARE(p.lblPunti[0].caption(), QStringLiteral("0"));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Vince BRUNO      "));
        QCOMPARE(int(w.M().bytConcorrente), 2);
        QCOMPARE(int(w.M().bytGiri[2]), 1);
        QCOMPARE(w.suoni().last(), QStringLiteral("vince.wav"));
    }

    void tenLosingPullsMakeTheGameVoid()
    {
        Slot w;
        frmProvaExtra& p = *w.p;
        w.M().bytGiri[1] = 2;
        w.M().bytGiri[2] = 1;
        w.inizia();
        for (int i = 0; i < 9; ++i)
            giro(w, p, {2, 2, 3});
        w.fakes.audio.clear();
        preparaGiro(w, {3, 1, 3});
        w.fakes.random.pushDraw(3, 3);   // the void sound's number
        tira(w, p);
        w.advance(10 * kTick);
        QCOMPARE(p.lblPunti[0].caption(), QStringLiteral("0"));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Gioco nullo!"));
        QVERIFY(p.cmdEsegui.enabled());
        QVERIFY(!p.cmdPremi.enabled() && p.Frame1.enabled());
        QCOMPARE(facce(p), (Facce{3, 1, 3}));
        QCOMPARE(int(w.M().bytConcorrente), 0);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), (QList<int>{2, 1}));
        QCOMPARE(w.suoni(), (QStringList{"rullo.wav", "nullo3.wav"}));
        QVERIFY(!p.Timer1.running());

        w.click(p.cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProvaExtra>());
        QVERIFY(w.R->enabled());
        QVERIFY(w.R->cmdFine.visible() && w.R->cmdFine.enabled() && w.R->Tobrano.visible());
        QVERIFY(!w.R->cmdGira1.enabled() && !w.R->cmdGira2.enabled());
    }

    // Whatever the player presses after the verdict, the game stays as it
    // ended until the start button hands it back.
    void inputAfterTheVerdictChangesNothing_data()
    {
        QTest::addColumn<bool>("vince");
        QTest::newRow("won") << true;
        QTest::newRow("void") << false;
    }
    void inputAfterTheVerdictChangesNothing()
    {
        QFETCH(bool, vince);
        Slot w;
        frmProvaExtra& p = *w.p;
        w.inizia();
        if (vince) {
            giro(w, p, {1, 1, 1});
        } else {
            for (int i = 0; i < 10; ++i)
                giro(w, p, {1, 1, 2});
        }
        const QString verdetto = p.cmdEsegui.caption();
        const Facce ferme = facce(p);
        const QString crediti = p.lblPunti[0].caption();
        w.advance(3);   // past the jingle
        w.fakes.audio.clear();
        preparaGiro(w, {2, 2, 2});
        const int attese = w.fakes.random.pending();
        w.click(p.cmdPremi);
        w.keyClick(p, Qt::Key_Space, " ");
        w.advance(2);
        QCOMPARE(p.cmdEsegui.caption(), verdetto);
        QCOMPARE(facce(p), ferme);
        QCOMPARE(p.lblPunti[0].caption(), crediti);
        QCOMPARE(w.fakes.random.pending(), attese);
        QVERIFY(!p.tmrSecondi.enabled());
        QCOMPARE(int(w.M().bytConcorrente), vince ? 2 : 0);
        QVERIFY(w.suoni().isEmpty());
        QVERIFY(w.ctx->screens.find<frmProvaExtra>());
    }

    void closingDuringTheSpin_data()
    {
        QTest::addColumn<bool>("esci");
        QTest::addColumn<int>("risposta");
        QTest::newRow("close box, Yes") << false << mb::Yes;
        QTest::newRow("Esci, Yes") << true << mb::Yes;
        QTest::newRow("close box, No") << false << mb::No;
    }
    void closingDuringTheSpin()
    {
        QFETCH(bool, esci);
        QFETCH(int, risposta);
        Slot w;
        frmProvaExtra& p = *w.p;
        w.inizia();
        preparaGiro(w, {2, 2, 2});
        tira(w, p);
        w.advance(4 * kTick);
        const int attese = w.fakes.random.pending();
        w.fakes.audio.clear();
        w.fakes.messages.setNextAnswer(risposta);
        if (esci)
            w.run([&] { p.Esci_Click(); });
        else {
            p.window()->close();
            w.settle();
        }
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        if (risposta == mb::No) {
            // The reels go on from the fifth tick and stop on the win.
            QVERIFY(p.visible() && p.tmrSecondi.enabled());
            w.advance(6 * kTick);
            QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Vince BRUNO      "));
            QCOMPARE(w.suoni(), QStringList{"vince.wav"});
            return;
        }
        w.advance(10);
        QVERIFY(!w.ctx->screens.find<frmProvaExtra>());
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QVERIFY(w.ctx->screens.find<frmMenu>()->visible());
        // No tick drew another face, nothing sounded, nothing was granted.
        QCOMPARE(w.fakes.random.pending(), attese);
        QVERIFY(w.suoni().isEmpty());
        QCOMPARE(int(w.M().bytConcorrente), 0);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), (QList<int>{0, 0}));
    }

    // From the board: its sixth step opens the slot machine for the one
    // without the menu, and the verdict goes back to the board.
    void playedFromTheBoardsSixthStep_data()
    {
        QTest::addColumn<bool>("vince");
        QTest::newRow("won on the third pull") << true;
        QTest::newRow("ten pulls lost") << false;
    }
    void playedFromTheBoardsSixthStep()
    {
        QFETCH(bool, vince);
        BoardWorld w;
        w.M().strEffetti = "Play";
        fileDellaSlot(w);
        frmRuota& R = allaSestaProva(w, 2);
        w.passo();
        auto* slot = w.ctx->screens.find<frmProvaExtra>();
        QVERIFY(slot && slot->visible());
        QVERIFY(!R.enabled());
        QCOMPARE(slot->lblGiocatore[0].caption(), QStringLiteral("ANNA       "));
        w.click(slot->cmdEsegui);
        const int perse = vince ? 2 : 10;
        for (int i = 0; i < perse; ++i)
            giro(w, *slot, {3, 1, 1});
        if (vince)
            giro(w, *slot, {1, 1, 1});
        QCOMPARE(slot->cmdEsegui.caption(), vince ? QStringLiteral("Vince ANNA       ") : QStringLiteral("Gioco nullo!"));
        w.click(slot->cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProvaExtra>());
        QVERIFY(R.enabled());
        QCOMPARE(R.cmdGira1.enabled(), vince);
        QVERIFY(!R.cmdGira2.enabled());
        QCOMPARE(R.cmdFine.visible(), !vince);
        QCOMPARE(R.Tobrano.visible(), !vince);
        QCOMPARE(int(w.M().bytGiri[1]), vince ? 1 : 0);
        if (vince)
            QCOMPARE(R.cmdGira1.backColor(), frmRuota::kGiallo);
        else
            QCOMPARE(R.window()->focusWidget(), R.cmdFine.widget());
    }
};

ZOLMERA_TEST_MAIN(TestSlotMachine)
#include "tst_frmProvaExtra.moc"
