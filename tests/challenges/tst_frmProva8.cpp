// "LABIRINTO DEI GOLOSI": the dog and the rabbit race through the maze to
// the dish; three races won take the spin.
#include "challenges/action/frmProva8.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
using Tessere = QList<int>;

// Files the window loads, each a picture or sound of its own.
void fileDelLabirinto(TestWorld& w)
{
    for (const char* f : {"sounds1/volo.wav", "sounds1/si.wav", "sounds1/vince.wav"})
        w.touch(QString::fromLatin1(f), onda(0.5));
    for (const char* f : {"images1/muretto.bmp", "images1/pietanza1.gif", "images1/pietanza2.gif",
                          "images1/pietanza3.gif", "images1/cane.gif", "images1/coniglio.gif"})
        w.touch(QString::fromLatin1(f), "GIF89a");
}

// Queues the draws of the next dish: which dish, which plate, and the open
// tile (0 to 6, top to bottom) of each wall column.
void apparecchia(TestWorld& w, int pietanza, int piatto, const Tessere& aperte)
{
    w.fakes.random.pushDraw(pietanza, 3);
    w.fakes.random.pushDraw(piatto, 2);
    for (int r : aperte)
        w.fakes.random.push((r + 0.5) / 7);
}

// The keys that take a figure from the start through the open tiles and up
// or down to the plate at topPiatto: su, giu, destra are its own keys.
QString strada(const Tessere& aperte, int topPiatto, const QString& su = "w", const QString& giu = "s",
               const QString& destra = "d")
{
    QString s = destra + destra;
    int top = frmProva8::kTopVia;
    auto verso = [&](int meta) {
        for (; top > meta; top -= 300)
            s += su;
        for (; top < meta; top += 300)
            s += giu;
    };
    for (int r : aperte) {
        verso(240 + 600 * r);
        s += destra.repeated(4);
    }
    verso(topPiatto);
    return s + destra + destra;
}

struct Labirinto : BoardWorld {
    Labirinto()
    {
        M().strEffetti = "Play";
        M().strParlato = "Play";
        fileDelLabirinto(*this);
        R = &apri();
        p = &apriProva<frmProva8>();
    }
    void tasti(const QString& caratteri) { typeKeys(*p, caratteri); }
    // The start, then the first dish 3 seconds later.
    void inizia(int pietanza = 1, int piatto = 1, const Tessere& aperte = {3, 3, 3, 3, 3})
    {
        click(p->cmdEsegui);
        prossimaCorsa(pietanza, piatto, aperte);
    }
    void prossimaCorsa(int pietanza = 1, int piatto = 1, const Tessere& aperte = {3, 3, 3, 3, 3})
    {
        apparecchia(*this, pietanza, piatto, aperte);
        advance(3.0);
    }
    static void posa(Image& figura, int left, int top)
    {
        figura.setTop(top);
        figura.setLeft(left);
    }
    static QPoint dove(const Image& figura) { return {figura.left(), figura.top()}; }
    // Contestant k's figure steps up onto the upper plate.
    void vinceSopra(int k)
    {
        posa(k == 1 ? p->cane : p->coniglio, 7320, 540);
        tasti(k == 1 ? "w" : "i");
    }
    QList<int> nascoste() const
    {
        QList<int> out;
        for (int i = 0; i < frmProva8::kMuretti; ++i)
            if (!p->Muretto[i].visible())
                out << i;
        return out;
    }
    QStringList suoni() const { return fakes.audio.played(QStringLiteral("frmProva8.mmcSonoro")); }
    frmRuota* R = nullptr;
    frmProva8* p = nullptr;
};

const QPoint kVia(frmProva8::kLeftVia, frmProva8::kTopVia);
}  // namespace

class TestLabirinto : public QObject {
    Q_OBJECT
private slots:
    void theMazeWaitsClosedAndKeysDoNothing()
    {
        Labirinto w;
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Inizia la prova"));
        QCOMPARE(w.p->Label1.caption(), QStringLiteral("W"));
        QCOMPARE(w.p->Label8.caption(), QStringLiteral("L"));
        QCOMPARE(w.p->lblGiocatore[1].caption(), QStringLiteral("BRUNO      "));
        QVERIFY(!w.p->Frame1.enabled());
        QVERIFY(w.nascoste().isEmpty());
        QCOMPARE(QPoint(w.p->Muretto[23].left(), w.p->Muretto[23].top()), QPoint(4920, 1440));
        QVERIFY(w.p->piatto1.picture().isNull() && w.p->piatto2.picture().isNull());
        QVERIFY(!w.p->sottopiatto1.picture().isNull());
        QVERIFY(!w.p->imgPieta[0].visible());
        QCOMPARE(w.dove(w.p->cane), kVia);
        w.tasti("dDlqw");
        QCOMPARE(w.dove(w.p->cane), kVia);
        QCOMPARE(w.dove(w.p->coniglio), kVia);
        QVERIFY(w.suoni().isEmpty());

        // Nor during the first countdown; the dish ends it.
        w.click(w.p->cmdEsegui);
        QVERIFY(!w.p->cmdEsegui.enabled() && w.p->Frame1.enabled());
        w.advance(2.9);
        w.tasti("dl");
        QCOMPARE(w.dove(w.p->cane), kVia);
        QCOMPARE(w.dove(w.p->coniglio), kVia);
        QVERIFY(w.suoni().isEmpty());
        apparecchia(w, 1, 1, {3, 3, 3, 3, 3});
        w.advance(0.1);
        QCOMPARE(w.suoni(), QStringList{"volo.wav"});
        w.tasti("dl");
        QCOMPARE(w.dove(w.p->cane), QPoint(420, 2040));
        QCOMPARE(w.dove(w.p->coniglio), QPoint(420, 2040));
    }

    void theDishLandsOnTheDrawnPlateAndOneTileAColumnOpens_data()
    {
        QTest::addColumn<int>("pietanza");
        QTest::addColumn<int>("piatto");
        QTest::addColumn<Tessere>("aperte");
        QTest::addColumn<QList<int>>("nascoste");
        QTest::newRow("first dish, upper plate") << 1 << 1 << Tessere{0, 6, 3, 2, 5} << QList<int>{0, 13, 17, 23, 33};
        QTest::newRow("second dish, lower plate") << 2 << 2 << Tessere{6, 0, 1, 4, 3} << QList<int>{6, 7, 15, 25, 31};
        QTest::newRow("third dish, lower plate") << 3 << 2 << Tessere{3, 3, 3, 3, 3} << QList<int>{3, 10, 17, 24, 31};
    }
    void theDishLandsOnTheDrawnPlateAndOneTileAColumnOpens()
    {
        QFETCH(int, pietanza);
        QFETCH(int, piatto);
        QFETCH(Tessere, aperte);
        QFETCH(QList<int>, nascoste);
        Labirinto w;
        w.click(w.p->cmdEsegui);
        QVERIFY(w.p->tmrSecondi.running());
        const int reseeds = w.fakes.random.randomizes();
        w.prossimaCorsa(pietanza, piatto, aperte);
        QVERIFY(!w.p->tmrSecondi.running());
        QCOMPARE(w.fakes.random.pending(), 0);
        // A fresh seed before every draw, and one more before the tiles.
        QCOMPARE(w.fakes.random.randomizes() - reseeds, 8);
        QCOMPARE(w.nascoste(), nascoste);

        Image& pieno = piatto == 1 ? w.p->piatto1 : w.p->piatto2;
        Image& vuoto = piatto == 1 ? w.p->piatto2 : w.p->piatto1;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(pieno.picture().cacheKey() == w.p->imgPieta[i].picture().cacheKey(), i == pietanza - 1);
        QVERIFY(vuoto.picture().isNull());
        QCOMPARE(w.p->intLeftPiatto, 7320);
        QCOMPARE(w.p->varTopPiatto, piatto == 1 ? 240 : 3840);
    }

    void wallsStopAFigureExceptLevelWithTheOpening_data()
    {
        QTest::addColumn<bool>("coniglio");
        QTest::addColumn<QPoint>("da");
        QTest::addColumn<int>("aperta");   // the open tile of the first column
        QTest::addColumn<QString>("tasto");
        QTest::addColumn<QPoint>("a");
        QTest::newRow("level with the opening") << false << QPoint(720, 2040) << 3 << "d" << QPoint(1020, 2040);
        QTest::newRow("level with a tile") << false << QPoint(720, 2040) << 2 << "d" << QPoint(720, 2040);
        QTest::newRow("between tiles 2 and 3, 3 open") << false << QPoint(720, 1740) << 3 << "d" << QPoint(720, 1740);
        QTest::newRow("between tiles 2 and 3, 2 open") << false << QPoint(720, 1740) << 2 << "d" << QPoint(720, 1740);
        QTest::newRow("between tiles 3 and 4, 3 open") << false << QPoint(720, 2340) << 3 << "d" << QPoint(720, 2340);
        QTest::newRow("between tiles 3 and 4, 4 open") << false << QPoint(720, 2340) << 4 << "d" << QPoint(720, 2340);
        QTest::newRow("in the opening, up") << false << QPoint(1320, 2040) << 3 << "w" << QPoint(1320, 2040);
        QTest::newRow("in the opening, down") << false << QPoint(1320, 2040) << 3 << "s" << QPoint(1320, 2040);
        QTest::newRow("rabbit through the top opening") << true << QPoint(720, 240) << 0 << "l" << QPoint(1020, 240);
        QTest::newRow("rabbit back into a wall") << true << QPoint(1920, 840) << 0 << "j" << QPoint(1920, 840);
        QTest::newRow("rabbit between two columns") << true << QPoint(1920, 840) << 0 << "i" << QPoint(1920, 540);
    }
    void wallsStopAFigureExceptLevelWithTheOpening()
    {
        QFETCH(bool, coniglio);
        QFETCH(QPoint, da);
        QFETCH(int, aperta);
        QFETCH(QString, tasto);
        QFETCH(QPoint, a);
        Labirinto w;
        w.inizia(1, 1, {aperta, 0, 0, 0, 0});
        Image& figura = coniglio ? w.p->coniglio : w.p->cane;
        Labirinto::posa(figura, da.x(), da.y());
        w.tasti(tasto);
        QCOMPARE(w.dove(figura), a);
        QCOMPARE(w.dove(coniglio ? w.p->cane : w.p->coniglio), kVia);
    }

    void aWallEndsTheKeyButAnEdgeOrAStrangeKeyStillLooksForTheWinner_data()
    {
        QTest::addColumn<QPoint>("coniglio");
        QTest::addColumn<QString>("tasto");
        QTest::addColumn<bool>("vince");
        const QPoint davantiAlMuro(720, 1740);
        QTest::newRow("the dog refused by the edge") << davantiAlMuro << "d" << true;
        QTest::newRow("a key of nobody") << davantiAlMuro << "q" << true;
        QTest::newRow("the rabbit refused by a wall") << davantiAlMuro << "l" << false;
        QTest::newRow("the rabbit steps") << davantiAlMuro << "k" << true;
        QTest::newRow("both on the dish: the dog's race") << QPoint(7320, 240) << "q" << true;
    }
    void aWallEndsTheKeyButAnEdgeOrAStrangeKeyStillLooksForTheWinner()
    {
        QFETCH(QPoint, coniglio);
        QFETCH(QString, tasto);
        QFETCH(bool, vince);
        Labirinto w;
        w.inizia(2, 1, {0, 0, 0, 0, 0});
        // The dog stands on the dish already; only the race test can see it.
        Labirinto::posa(w.p->cane, 7320, 240);
        Labirinto::posa(w.p->coniglio, coniglio.x(), coniglio.y());
        w.fakes.audio.clear();
        w.tasti(tasto);
        QCOMPARE(w.p->lblPunti[0].caption(), vince ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(w.p->lblPunti[1].caption(), QStringLiteral("0"));
        QCOMPARE(w.suoni().contains("si.wav"), vince);
        QCOMPARE(w.dove(w.p->cane), vince ? kVia : QPoint(7320, 240));
    }

    void onlyTheDishsPlateWinsAndTheMazeClosesForTheNextDish_data()
    {
        QTest::addColumn<int>("piatto");
        QTest::addColumn<QPoint>("da");
        QTest::addColumn<QString>("tasto");
        QTest::addColumn<bool>("vince");
        QTest::newRow("up onto the dish") << 1 << QPoint(7320, 540) << "w" << true;
        QTest::newRow("sideways onto the dish") << 1 << QPoint(7020, 240) << "d" << true;
        QTest::newRow("down onto the empty plate") << 1 << QPoint(7320, 3540) << "s" << false;
        QTest::newRow("down onto the dish") << 2 << QPoint(7320, 3540) << "s" << true;
        QTest::newRow("up onto the empty plate") << 2 << QPoint(7320, 540) << "w" << false;
    }
    void onlyTheDishsPlateWinsAndTheMazeClosesForTheNextDish()
    {
        QFETCH(int, piatto);
        QFETCH(QPoint, da);
        QFETCH(QString, tasto);
        QFETCH(bool, vince);
        Labirinto w;
        w.inizia(3, piatto, {1, 2, 3, 4, 5});
        Labirinto::posa(w.p->coniglio, da.x(), da.y());
        const QString chiave = tasto == "w" ? "i" : tasto == "s" ? "k" : "l";
        w.tasti(chiave);
        QCOMPARE(w.p->lblPunti[1].caption(), vince ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(w.p->intCorseVinte[1], qint16(vince));
        if (!vince) {
            QCOMPARE(w.dove(w.p->coniglio), QPoint(7320, piatto == 1 ? 3840 : 240));
            QVERIFY(!w.p->tmrSecondi.running());
            return;
        }
        QVERIFY(w.p->piatto1.picture().isNull() && w.p->piatto2.picture().isNull());
        QVERIFY(w.nascoste().isEmpty());
        QCOMPARE(w.p->varTopPiatto, 1);
        QCOMPARE(w.p->intLeftPiatto, 1);
        QCOMPARE(w.dove(w.p->coniglio), kVia);
        // The next dish comes 3 seconds later; until then no key moves.
        QVERIFY(w.p->tmrSecondi.running());
        w.advance(2.0);
        w.tasti("dl" + tasto);
        QCOMPARE(w.dove(w.p->cane), kVia);
        QCOMPARE(w.dove(w.p->coniglio), kVia);
        w.prossimaCorsa();
        w.tasti("d");
        QCOMPARE(w.dove(w.p->cane), QPoint(420, 2040));
    }

    void eitherCaseOfADirectionKeyActs_data()
    {
        QTest::addColumn<QString>("tasto");
        QTest::addColumn<QPoint>("cane");
        QTest::addColumn<QPoint>("coniglio");
        QTest::newRow("d") << "d" << QPoint(420, 2040) << kVia;
        QTest::newRow("D") << "D" << QPoint(420, 2040) << kVia;
        QTest::newRow("W") << "W" << QPoint(120, 1740) << kVia;
        QTest::newRow("s") << "s" << QPoint(120, 2340) << kVia;
        QTest::newRow("l") << "l" << kVia << QPoint(420, 2040);
        QTest::newRow("L") << "L" << kVia << QPoint(420, 2040);
        QTest::newRow("I") << "I" << kVia << QPoint(120, 1740);
        QTest::newRow("k") << "k" << kVia << QPoint(120, 2340);
        QTest::newRow("left at the edge") << "J" << kVia << kVia;
    }
    void eitherCaseOfADirectionKeyActs()
    {
        QFETCH(QString, tasto);
        QFETCH(QPoint, cane);
        QFETCH(QPoint, coniglio);
        Labirinto w;
        w.inizia();
        w.tasti(tasto);
        QCOMPARE(w.dove(w.p->cane), cane);
        QCOMPARE(w.dove(w.p->coniglio), coniglio);
    }

    void theFirstToThreeRacesWins_data()
    {
        QTest::addColumn<QString>("vincitori");   // of each race, in order
        QTest::addColumn<int>("w");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<QString>("punti");
        QTest::newRow("3-0") << "111" << 1 << "Vince ANNA       " << "3-0";
        QTest::newRow("1-3") << "1222" << 2 << "Vince BRUNO      " << "1-3";
        QTest::newRow("2-3") << "21212" << 2 << "Vince BRUNO      " << "2-3";
    }
    void theFirstToThreeRacesWins()
    {
        QFETCH(QString, vincitori);
        QFETCH(int, w);
        QFETCH(QString, didascalia);
        QFETCH(QString, punti);
        Labirinto m;
        m.click(m.p->cmdEsegui);
        for (QChar k : vincitori) {
            QVERIFY(!m.p->decisa());
            m.prossimaCorsa();
            m.vinceSopra(k.digitValue());
        }
        QCOMPARE(m.p->cmdEsegui.caption(), didascalia);
        QVERIFY(m.p->cmdEsegui.enabled());
        QVERIFY(!m.p->Frame1.enabled());
        QVERIFY(!m.p->tmrSecondi.running());
        QVERIFY(m.p->Timer1.running());
        QCOMPARE(m.p->lblPunti[0].caption() + "-" + m.p->lblPunti[1].caption(), punti);
        QCOMPARE(int(m.M().bytConcorrente), w);
        QCOMPARE(int(m.M().bytGiri[w]), 1);
        QCOMPARE(int(m.M().bytGiri[3 - w]), 0);
        QCOMPARE(m.suoni().last(), QStringLiteral("vince.wav"));

        // The verdict stands: keys move nothing and sound nothing.
        m.fakes.audio.clear();
        m.tasti("dDlLwi");
        QCOMPARE(m.dove(m.p->cane), kVia);
        QCOMPARE(m.dove(m.p->coniglio), kVia);
        QVERIFY(m.suoni().isEmpty());
        QCOMPARE(m.p->cmdEsegui.caption(), didascalia);
    }

    void soundsFollowTheirSwitches()
    {
        Labirinto w;
        w.M().strEffetti.clear();
        w.M().strParlato.clear();
        w.inizia();
        QCOMPARE(w.p->mmcSonoro.fileName(), w.path("sounds1/volo.wav"));
        w.vinceSopra(1);
        QCOMPARE(w.p->mmcSonoro.fileName(), w.path("sounds1/si.wav"));
        QVERIFY(w.suoni().isEmpty());
    }

    void abandoning_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::newRow("No") << int(mb::No);
        QTest::newRow("Yes") << int(mb::Yes);
    }
    void abandoning()
    {
        QFETCH(int, risposta);
        Labirinto w;
        w.click(w.p->cmdEsegui);
        w.advance(1.0);
        apparecchia(w, 1, 2, {3, 3, 3, 3, 3});
        w.fakes.messages.setNextAnswer(risposta);
        w.p->window()->close();
        w.settle();
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        if (risposta == mb::No) {
            // The countdown runs on and the race is played.
            QVERIFY(w.p->visible());
            QVERIFY(!w.R->enabled());
            w.advance(2.0);
            QCOMPARE(w.p->varTopPiatto, 3840);
            w.tasti("d");
            QCOMPARE(w.dove(w.p->cane), QPoint(420, 2040));
            return;
        }
        QVERIFY(!w.ctx->screens.find<frmProva8>());
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        // The dish never comes: its countdown ended with the window.
        w.fakes.audio.clear();
        w.advance(10.0);
        QVERIFY(w.suoni().isEmpty());
        QVERIFY(w.fakes.random.pending() > 0);
    }

    void threeRacesFromTheBoardHandTheSpinBack()
    {
        BoardWorld w;
        fileDelLabirinto(w);
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(8, 20);   // LABIRINTO DEI GOLOSI
        w.passo();
        auto* p = w.ctx->screens.find<frmProva8>();
        QVERIFY(p && p->visible());
        QVERIFY(!R.enabled());
        w.click(p->cmdEsegui);
        const struct {
            int pietanza, piatto;
            Tessere aperte;
        } corse[] = {{1, 1, {0, 6, 3, 2, 5}}, {3, 2, {6, 5, 6, 0, 1}}, {2, 1, {3, 3, 3, 3, 3}}};
        for (const auto& c : corse) {
            apparecchia(w, c.pietanza, c.piatto, c.aperte);
            w.advance(3.0);
            w.typeKeys(*p, strada(c.aperte, c.piatto == 1 ? 240 : 3840));
        }
        QCOMPARE(p->lblPunti[0].caption(), QStringLiteral("3"));
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        w.keyClick(*p, Qt::Key_Return, "\r");   // Enter presses the button
        QVERIFY(!w.ctx->screens.find<frmProva8>());
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira1.enabled());
        QCOMPARE(R.cmdGira1.backColor(), frmRuota::kGiallo);
    }
};

ZOLMERA_TEST_MAIN(TestLabirinto)
#include "tst_frmProva8.moc"
