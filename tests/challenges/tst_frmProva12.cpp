// "I PREDATORI DELLA CHIAVE PERDUTA": keys picked up and swapped past six
// patrolling guards; the secret key brought to the gate wins.
#include "challenges/action/frmProva12.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
using Posti = QList<int>;   // the key on each of the ten places, -1 none

const QPoint kVia(frmProva12::kViaLeft, frmProva12::kViaTop);
const QPoint kCancello(frmProva12::kCancelloLeft, frmProva12::kCancelloTop);
const Posti kIniziali{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

void fileDellaCaccia(TestWorld& w)
{
    for (const char* f : {"volo.wav", "scontro.wav", "no.wav"})
        w.touch(QStringLiteral("sounds1/") + QLatin1String(f), onda(0.5));
    w.touch(QStringLiteral("sounds1/vince.wav"), onda(3.0));
    w.touch(QStringLiteral("sounds1/ANNA.wav"), onda(1.0));
    w.M().strVoceConcorrente[1] = w.path(QStringLiteral("sounds1/ANNA.wav"));
    for (const char* f : {"cane.gif", "coniglio.gif", "cancello.gif", "guardiano.gif"})
        w.touch(QStringLiteral("images1/") + QLatin1String(f), "GIF89a");
    for (int i = 1; i <= 10; ++i)
        w.touch(QStringLiteral("images1/chiave%1.gif").arg(i), "GIF89a");
}

QPoint dove(const Image& img) { return {img.left(), img.top()}; }

void posa(Image& img, QPoint p)
{
    img.setTop(p.y());
    img.setLeft(p.x());
}

struct Caccia : BoardWorld {
    // vincente: the key the load draws, 0 to 9.
    explicit Caccia(int vincente = 3)
    {
        M().strEffetti = "Play";
        M().strParlato = "Play";
        fileDellaCaccia(*this);
        R = &apri();
        fakes.random.pushDraw(vincente + 1, 10);
        p = &apriProva<frmProva12>();
        for (int i = 0; i < frmProva12::kChiavi; ++i)
            chiavi << p->chiave[i].picture();
    }
    void tasti(const QString& caratteri) { typeKeys(*p, caratteri); }
    void inizia()
    {
        click(p->cmdEsegui);
        t0 = loop().now();
        fakes.audio.clear();
    }
    // Moves the clock to this many seconds after the start press.
    void finoA(double t) { advance(t0 + t - loop().now()); }
    Image& figura(int k) { return k == 1 ? p->cane : p->coniglio; }
    Image& portata(int k) { return k == 1 ? p->chiavecane : p->chiaveconiglio; }
    QString su(int k) const { return k == 1 ? "w" : "i"; }
    // Which of the ten keys a picture is, by identity; -1 for none.
    int quale(const Image& img) const
    {
        for (int i = 0; i < chiavi.size(); ++i)
            if (!img.picture().isNull() && img.picture().cacheKey() == chiavi[i].cacheKey())
                return i;
        return -1;
    }
    Posti posti() const
    {
        Posti out;
        for (int i = 0; i < frmProva12::kChiavi; ++i)
            out << quale(p->chiave[i]);
        return out;
    }
    // Lays the keys out as a game would have left them.
    void disponi(const Posti& posti, int k, int chiave)
    {
        for (int i = 0; i < frmProva12::kChiavi; ++i)
            p->chiave[i].setPicture(posti[i] < 0 ? QPixmap() : chiavi[posti[i]]);
        portata(k).setPicture(chiave < 0 ? QPixmap() : chiavi[chiave]);
    }
    // Contestant k steps up onto key place i from the square below it.
    void prendi(int k, int i)
    {
        posa(figura(k), dove(p->chiave[i]) + QPoint(0, 300));
        tasti(su(k));
    }
    // Contestant k steps up onto the gate.
    void alCancello(int k)
    {
        posa(figura(k), kCancello + QPoint(0, 300));
        tasti(su(k));
    }
    QList<QPoint> guardie() const
    {
        QList<QPoint> out;
        for (int g = 0; g < frmProva12::kGuardiani; ++g)
            out << dove(p->guardiano[g]);
        return out;
    }
    QStringList suoni() const { return fakes.audio.played(QStringLiteral("frmProva12.mmcSonoro")); }

    frmRuota* R = nullptr;
    frmProva12* p = nullptr;
    // The ten keys as the load laid them out.
    QList<QPixmap> chiavi;
    double t0 = 0;
};
}  // namespace

class TestChiave : public QObject {
    Q_OBJECT
private slots:
    void theLoadHidesTheDrawnKeyAndTheFieldWaits_data()
    {
        QTest::addColumn<int>("vincente");
        QTest::newRow("the first key") << 0;
        QTest::newRow("the fifth key") << 4;
        QTest::newRow("the last key") << 9;
    }
    void theLoadHidesTheDrawnKeyAndTheFieldWaits()
    {
        QFETCH(int, vincente);
        Caccia w(vincente);
        frmProva12& p = *w.p;
        QCOMPARE(p.intChiaveVincente, qint16(vincente));
        QCOMPARE(w.quale(p.chiavevince), vincente);
        QVERIFY(!p.chiavevince.visible() && !p.lasciacane.visible() && !p.lasciaconiglio.visible());
        // Ten keys, each its own picture, on their places.
        QCOMPARE(w.posti(), kIniziali);
        QCOMPARE(dove(p.chiave[6]), QPoint(4320, 2640));
        QCOMPARE(dove(p.cancello), kCancello);
        QVERIFY(p.chiavecane.picture().isNull() && p.chiaveconiglio.picture().isNull());
        QCOMPARE(dove(p.chiavecane), QPoint(3459, 1200));
        QCOMPARE(dove(p.chiaveconiglio), QPoint(3459, 1800));
        QCOMPARE(p.Label12.caption(), QStringLiteral("chiave"));
        QCOMPARE(p.lblGiocatore[0].caption(), QStringLiteral("ANNA       "));
        QCOMPARE((QStringList{p.Label1.caption(), p.Label2.caption(), p.Label7.caption(), p.Label8.caption()}),
                 (QStringList{"W", "A", "K", "L"}));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Inizia la prova"));
        QVERIFY(!p.Frame1.enabled());
        QCOMPARE(dove(p.cane), kVia);
        QCOMPARE(dove(p.coniglio), kVia);
        QCOMPARE(p.lblTitolo.caption(), QStringLiteral("I PREDATORI DELLA CHIAVE PERDUTA"));
        QCOMPARE(p.argomentoGuida(), 29);

        // The guards start at the first tick after the start press.
        const QList<QPoint> schierate{{2520, 540}, {2520, 1140}, {4920, 2040},
                                      {4320, 2040}, {120, 2040}, {720, 2040}};
        QCOMPARE(w.guardie(), schierate);
        w.click(p.cmdEsegui);
        QVERIFY(p.Frame1.enabled() && !p.cmdEsegui.enabled());
        w.advance(0.099);
        QCOMPARE(w.guardie(), schierate);
        w.advance(0.002);
        const QList<QPoint> primoPasso{{2220, 240}, {2820, 840}, {5220, 2340},
                                       {4620, 1740}, {420, 2340}, {1020, 1740}};
        QCOMPARE(w.guardie(), primoPasso);
    }

    // Each guard hops between its two lines and turns at the field's ends.
    void theGuardsZigzagAndTurnAtTheEnds_data()
    {
        QTest::addColumn<int>("passi");
        QTest::addColumn<QList<QPoint>>("guardie");
        QTest::newRow("6 steps: the runners down and up reach the ends")
            << 6 << QList<QPoint>{{720, 540}, {4320, 1140}, {4920, 3840}, {4320, 240}, {120, 3840}, {720, 240}};
        QTest::newRow("7 steps: they turn")
            << 7 << QList<QPoint>{{420, 240}, {4620, 840}, {5220, 3540}, {4620, 540}, {420, 3540}, {1020, 540}};
        QTest::newRow("9 steps: the runners across turn")
            << 9 << QList<QPoint>{{420, 240}, {4620, 840}, {5220, 2940}, {4620, 1140}, {420, 2940}, {1020, 1140}};
    }
    void theGuardsZigzagAndTurnAtTheEnds()
    {
        QFETCH(int, passi);
        QFETCH(QList<QPoint>, guardie);
        Caccia w;
        w.inizia();
        w.finoA(0.1 * passi + 0.05);
        QCOMPARE(w.guardie(), guardie);
    }

    void guardZeroIsOnTheGateEverySixteenSteps()
    {
        Caccia w;
        w.inizia();
        QList<int> sulCancello;
        for (int passo = 1; passo <= 48; ++passo) {
            w.advance(0.1);
            if (dove(w.p->guardiano[0]) == kCancello)
                sulCancello << passo;
        }
        QCOMPARE(sulCancello, (QList<int>{16, 32, 48}));
    }

    // A figure that meets a guard goes back to the start, key in hand.
    void aCaughtFigureGoesBackToTheStartWithItsKey_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QPoint>("da");
        QTest::addColumn<QString>("tasto");   // empty: it waits for the guards' step
        QTest::newRow("the dog waits on the gate for guard 0") << 1 << kCancello << "";
        QTest::newRow("the dog waits where guard 4 hops to") << 1 << QPoint(420, 2340) << "";
        QTest::newRow("the dog steps onto guard 4") << 1 << QPoint(120, 2340) << "w";
        QTest::newRow("the rabbit steps onto guard 1") << 2 << QPoint(2820, 1140) << "J";
        QTest::newRow("the rabbit waits where guard 5 hops to") << 2 << QPoint(1020, 1740) << "";
    }
    void aCaughtFigureGoesBackToTheStartWithItsKey()
    {
        QFETCH(int, k);
        QFETCH(QPoint, da);
        QFETCH(QString, tasto);
        Caccia w;
        w.inizia();
        w.prendi(k, 8);
        QCOMPARE(w.quale(w.portata(k)), 8);
        posa(w.figura(k), da);
        w.fakes.audio.clear();
        if (tasto.isEmpty()) {
            // Guard 0 is back on the gate at the sixteenth step.
            const int passo = da == kCancello ? 16 : 1;
            w.finoA(0.1 * passo - 0.05);
            QCOMPARE(dove(w.figura(k)), da);
            w.finoA(0.1 * passo + 0.05);
        } else {
            w.tasti(tasto);
        }
        QCOMPARE(dove(w.figura(k)), kVia);
        QCOMPARE(w.suoni(), QStringList{"scontro.wav"});
        QCOMPARE(w.quale(w.portata(k)), 8);
        QCOMPARE(dove(w.figura(3 - k)), kVia);
        QVERIFY(!w.p->decisa());
    }

    // Guards move diagonally: a figure they pass by, or that passes them
    // between two steps, is never on their square.
    void aFigureAndAGuardThatCrossDoNotMeet_data()
    {
        QTest::addColumn<QPoint>("da");
        QTest::addColumn<QString>("tasto");   // between the first and the second step
        QTest::addColumn<QPoint>("a");
        QTest::addColumn<int>("g");
        QTest::addColumn<QPoint>("guardia");   // where guard g went past the figure
        QTest::newRow("guard 0 zigzags past a waiting dog")
            << QPoint(2220, 540) << "" << QPoint(2220, 540) << 0 << QPoint(1920, 540);
        QTest::newRow("the dog and guard 0 swap columns")
            << QPoint(1920, 540) << "d" << QPoint(2220, 540) << 0 << QPoint(1920, 540);
        QTest::newRow("the dog and guard 4 swap rows")
            << QPoint(120, 2640) << "w" << QPoint(120, 2340) << 4 << QPoint(120, 2640);
    }
    void aFigureAndAGuardThatCrossDoNotMeet()
    {
        QFETCH(QPoint, da);
        QFETCH(QString, tasto);
        QFETCH(QPoint, a);
        QFETCH(int, g);
        QFETCH(QPoint, guardia);
        Caccia w;
        w.inizia();
        posa(w.p->cane, da);
        w.finoA(0.15);
        w.tasti(tasto);
        w.finoA(0.25);
        QCOMPARE(dove(w.p->cane), a);
        QCOMPARE(dove(w.p->guardiano[g]), guardia);
        QVERIFY(w.suoni().isEmpty());
    }

    // What a figure carries and what lies on the place swap.
    void steppingOntoAKeyPlaceSwapsTheKeys_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<Posti>("posti");
        QTest::addColumn<int>("portata");
        QTest::addColumn<Posti>("postiDopo");
        QTest::addColumn<int>("portataDopo");
        QTest::newRow("empty hands on a key") << 1 << kIniziali << -1 << Posti{0, 1, 2, 3, -1, 5, 6, 7, 8, 9} << 4;
        QTest::newRow("a key on a key") << 2 << Posti{0, 1, 2, 3, 4, 5, 6, -1, 8, 9} << 7
                                        << Posti{0, 1, 2, 3, 7, 5, 6, -1, 8, 9} << 4;
        QTest::newRow("a key put down on an empty place") << 1 << Posti{0, 1, 2, 3, -1, 5, 6, -1, 8, 9} << 7
                                                          << Posti{0, 1, 2, 3, 7, 5, 6, -1, 8, 9} << -1;
        QTest::newRow("the winning key swapped away") << 2 << Posti{0, 1, 2, -1, 4, 5, 6, 7, 8, 9} << 3
                                                      << Posti{0, 1, 2, -1, 3, 5, 6, 7, 8, 9} << 4;
        QTest::newRow("empty hands on an empty place") << 1 << Posti{0, 1, 2, 3, -1, 5, 6, 7, 8, 4} << -1
                                                       << Posti{0, 1, 2, 3, -1, 5, 6, 7, 8, 4} << -1;
    }
    void steppingOntoAKeyPlaceSwapsTheKeys()
    {
        QFETCH(int, k);
        QFETCH(Posti, posti);
        QFETCH(int, portata);
        QFETCH(Posti, postiDopo);
        QFETCH(int, portataDopo);
        Caccia w;
        w.inizia();
        w.disponi(posti, k, portata);
        QCOMPARE(w.posti(), posti);
        w.prendi(k, 4);
        QCOMPARE(dove(w.figura(k)), dove(w.p->chiave[4]));
        QCOMPARE(w.posti(), postiDopo);
        QCOMPARE(w.quale(w.portata(k)), portataDopo);
        QVERIFY(w.portata(3 - k).picture().isNull());
        QCOMPARE(w.suoni(), QStringList{"volo.wav"});
        QVERIFY(!w.p->decisa());

        // Stepping off and on again swaps once more.
        w.tasti(k == 1 ? "sw" : "KI");
        QCOMPARE(w.posti(), posti);
        QCOMPARE(w.quale(w.portata(k)), portata);
    }

    // Guard 0 stands on the gate when the game starts; on the gate only its
    // own step catches.
    void aWrongKeyOrNoneAtTheGateOnlySaysNo_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("portata");
        QTest::newRow("the dog with no key") << 1 << -1;
        QTest::newRow("the dog with a wrong key") << 1 << 2;
        QTest::newRow("the rabbit with a wrong key") << 2 << 9;
    }
    void aWrongKeyOrNoneAtTheGateOnlySaysNo()
    {
        QFETCH(int, k);
        QFETCH(int, portata);
        Caccia w;
        w.inizia();
        Posti posti = kIniziali;
        if (portata >= 0)
            posti[portata] = -1;
        w.disponi(posti, k, portata);
        QCOMPARE(dove(w.p->guardiano[0]), kCancello);
        w.alCancello(k);
        QCOMPARE(dove(w.figura(k)), kCancello);
        QCOMPARE(w.suoni(), QStringList{"no.wav"});
        QCOMPARE(w.quale(w.portata(k)), portata);
        QCOMPARE(w.posti(), posti);
        QVERIFY(!w.p->decisa());
        QCOMPARE(int(w.M().bytConcorrente), 0);
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Inizia la prova"));
        QVERIFY(!w.p->cmdEsegui.enabled());
        QVERIFY(w.p->tmrSecondi.running());
    }

    // At the edge the key does nothing at all: not even the place the figure
    // stands on is looked at again.
    void aStepTheEdgeRefusesChecksNothing_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QPoint>("da");
        QTest::addColumn<QString>("tasto");
        QTest::newRow("left, on key place 0") << 1 << QPoint(120, 240) << "a";
        QTest::newRow("up, on key place 0") << 1 << QPoint(120, 240) << "W";
        QTest::newRow("down, on key place 2") << 2 << QPoint(120, 3840) << "k";
        QTest::newRow("right, on key place 7") << 2 << QPoint(4920, 3840) << "l";
        QTest::newRow("left, on guard 4") << 1 << QPoint(120, 2040) << "a";
    }
    void aStepTheEdgeRefusesChecksNothing()
    {
        QFETCH(int, k);
        QFETCH(QPoint, da);
        QFETCH(QString, tasto);
        Caccia w;
        w.inizia();
        posa(w.figura(k), da);
        w.tasti(tasto);
        QCOMPARE(dove(w.figura(k)), da);
        QVERIFY(w.portata(k).picture().isNull());
        QCOMPARE(w.posti(), kIniziali);
        QVERIFY(w.suoni().isEmpty());
    }

    void theWinningKeyAtTheGateWins_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("vincente");
        QTest::addColumn<QString>("didascalia");
        QTest::newRow("the dog") << 1 << 3 << "Vince ANNA       ";
        QTest::newRow("the rabbit") << 2 << 0 << "Vince BRUNO      ";
    }
    void theWinningKeyAtTheGateWins()
    {
        QFETCH(int, k);
        QFETCH(int, vincente);
        QFETCH(QString, didascalia);
        Caccia w(vincente);
        w.inizia();
        w.prendi(k, vincente);
        QCOMPARE(w.quale(w.portata(k)), vincente);
        w.fakes.audio.clear();
        w.alCancello(k);
        QVERIFY(w.p->decisa());
        QCOMPARE(w.p->cmdEsegui.caption(), didascalia);
        QVERIFY(w.p->cmdEsegui.enabled());
        QVERIFY(!w.p->Frame1.enabled());
        QVERIFY(!w.p->tmrSecondi.running());
        QVERIFY(w.p->Timer1.running());
        QCOMPARE(int(w.M().bytConcorrente), k);
        QCOMPARE(int(w.M().bytGiri[k]), 1);
        QCOMPARE(int(w.M().bytGiri[3 - k]), 0);
        QCOMPARE(w.suoni(), QStringList{"vince.wav"});
        // Guard 0 stood on the gate: the verdict is no catch.
        QCOMPARE(dove(w.figura(k)), kCancello);
    }

    // Before the start and after the verdict no key moves, swaps or sounds,
    // and no guard walks: the winning key cannot be dropped and brought to
    // the gate a second time.
    void keysBeforeTheStartAndAfterTheVerdictDoNothing()
    {
        Caccia w;
        posa(w.p->cane, QPoint(4320, 1740));
        posa(w.p->coniglio, kCancello + QPoint(0, 300));
        w.tasti("wWiIsdjl");
        w.advance(2.0);
        QCOMPARE(dove(w.p->cane), QPoint(4320, 1740));
        QCOMPARE(dove(w.p->coniglio), kCancello + QPoint(0, 300));
        QCOMPARE(w.posti(), kIniziali);
        QCOMPARE(dove(w.p->guardiano[0]), kCancello);
        QVERIFY(w.suoni().isEmpty());

        w.inizia();
        w.prendi(1, 3);
        w.alCancello(1);
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        // The winner steps off the gate towards a key to leave his own there;
        // the rabbit, under the gate, steps up.
        w.fakes.audio.clear();
        const QList<QPoint> ferme = w.guardie();
        posa(w.p->cane, QPoint(4320, 1740));
        w.tasti("sWwiI");
        w.advance(2.0);
        QCOMPARE(dove(w.p->cane), QPoint(4320, 1740));
        QCOMPARE(dove(w.p->coniglio), kCancello + QPoint(0, 300));
        QCOMPARE(w.quale(w.p->chiavecane), 3);
        QCOMPARE(w.posti(), (Posti{0, 1, 2, -1, 4, 5, 6, 7, 8, 9}));
        QCOMPARE(w.guardie(), ferme);
        QVERIFY(w.suoni().isEmpty());
        QCOMPARE(int(w.M().bytGiri[2]), 0);
        QCOMPARE(int(w.M().bytConcorrente), 1);
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
    }

    // The window's sound ends with it: handed back before the jingle, the
    // verdict is cut short and the winner's voice never comes.
    void aHandBackBeforeTheJingleSilencesTheWindow_data()
    {
        QTest::addColumn<bool>("consegna");
        QTest::newRow("handed back after 1 s") << true;
        QTest::newRow("left alone") << false;
    }
    void aHandBackBeforeTheJingleSilencesTheWindow()
    {
        QFETCH(bool, consegna);
        Caccia w;
        w.inizia();
        w.prendi(2, 3);
        w.fakes.audio.clear();
        w.alCancello(2);
        w.M().strVoceConcorrente[2] = w.path(QStringLiteral("sounds1/ANNA.wav"));
        w.advance(1.0);
        if (!consegna) {
            w.advance(1.6);
            QCOMPARE(w.suoni(), (QStringList{"vince.wav", "ANNA.wav"}));
            return;
        }
        w.click(w.p->cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProva12>());
        QVERIFY(w.R->cmdGira2.enabled() && !w.R->cmdGira1.enabled());
        const auto fine = w.fakes.audio.events.last();
        QCOMPARE(fine.channel, QStringLiteral("frmProva12.mmcSonoro"));
        QVERIFY(fine.file.isEmpty());   // vince.wav, 3 s long, stopped
        const qsizetype eventi = w.fakes.audio.events.size();
        w.advance(5.0);
        QCOMPARE(w.fakes.audio.events.size(), eventi);
    }

    // Steps and catches are effects; the gate's "no" is spoken.
    void soundsFollowTheirSwitches_data()
    {
        QTest::addColumn<QString>("effetti");
        QTest::addColumn<QString>("parlato");
        QTest::addColumn<QStringList>("suoni");
        QTest::newRow("both on") << "Play" << "Play" << QStringList{"volo.wav", "scontro.wav", "no.wav"};
        QTest::newRow("effects off") << "" << "Play" << QStringList{"no.wav"};
        QTest::newRow("voice off") << "Play" << "" << QStringList{"volo.wav", "scontro.wav"};
    }
    void soundsFollowTheirSwitches()
    {
        QFETCH(QString, effetti);
        QFETCH(QString, parlato);
        QFETCH(QStringList, suoni);
        Caccia w;
        w.M().strEffetti = effetti;
        w.M().strParlato = parlato;
        w.inizia();
        w.prendi(1, 5);
        posa(w.p->cane, QPoint(120, 2340));
        w.tasti("w");   // onto guard 4
        w.alCancello(2);
        QCOMPARE(w.suoni(), suoni);
        QCOMPARE(w.p->mmcSonoro.fileName(), w.path("sounds1/no.wav"));
    }

    void abandoning_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::newRow("No: the hunt goes on") << int(mb::No);
        QTest::newRow("Yes: the match is over") << int(mb::Yes);
    }
    void abandoning()
    {
        QFETCH(int, risposta);
        Caccia w;
        w.inizia();
        w.advance(0.35);
        // The player thinks for a second while the guards walk on.
        w.fakes.messages.setNextAnswer(risposta, 1.0);
        w.p->window()->close();
        w.settle();
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        if (risposta == mb::No) {
            QVERIFY(w.p->visible());
            QVERIFY(!w.R->enabled());
            const QPoint g0 = dove(w.p->guardiano[0]);
            w.advance(0.1);
            QVERIFY(dove(w.p->guardiano[0]) != g0);
            w.tasti("d");
            QCOMPARE(dove(w.p->cane), kVia + QPoint(300, 0));
            return;
        }
        QVERIFY(!w.ctx->screens.find<frmProva12>());
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QVERIFY(w.ctx->screens.find<frmMenu>()->visible());
        w.fakes.audio.clear();
        w.advance(20.0);
        QVERIFY(w.fakes.audio.events.isEmpty());
    }

    // From the board's catalogue: the rabbit hurries to the gate empty-handed
    // and hears "no"; the dog fetches the second key, the drawn one, and
    // brings it past guard 1 to the gate.
    void aHuntFromTheBoardHandsTheSpinBack()
    {
        BoardWorld w;
        fileDellaCaccia(w);
        w.M().strEffetti = "Play";
        w.M().strParlato = "Play";
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(12, 20);   // I PREDATORI DELLA CHIAVE PERDUTA
        w.fakes.random.pushDraw(2, 10);    // the winning key: place 1
        w.passo();
        auto* p = w.ctx->screens.find<frmProva12>();
        QVERIFY(p && p->visible());
        QVERIFY(!R.enabled());
        QCOMPARE(p->lblTitolo.caption(), QStringLiteral("I PREDATORI DELLA CHIAVE PERDUTA"));
        w.click(p->cmdEsegui);
        w.fakes.audio.clear();
        // Guard 1 has left the rabbit's column by its first step.
        w.advance(0.15);
        w.typeKeys(*p, QStringLiteral("i").repeated(11));
        QCOMPARE(dove(p->coniglio), kCancello);
        QCOMPARE(w.fakes.audio.played("frmProva12.mmcSonoro"), QStringList{"no.wav"});
        w.typeKeys(*p, QStringLiteral("aaa") + QStringLiteral("w").repeated(10));
        QCOMPARE(dove(p->cane), QPoint(1620, 840));
        QCOMPARE(p->chiavecane.picture().cacheKey(), p->chiavevince.picture().cacheKey());
        w.typeKeys(*p, QStringLiteral("dddw"));
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        QCOMPARE(w.fakes.audio.played("frmProva12.mmcSonoro"), (QStringList{"no.wav", "volo.wav", "vince.wav"}));
        w.keyClick(*p, Qt::Key_Return, "\r");   // Enter presses the button
        QVERIFY(!w.ctx->screens.find<frmProva12>());
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira1.enabled() && !R.cmdGira2.enabled());
        QCOMPARE(R.cmdGira1.backColor(), frmRuota::kGiallo);
    }
};

ZOLMERA_TEST_MAIN(TestChiave)
#include "tst_frmProva12.moc"
