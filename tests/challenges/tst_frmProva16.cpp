// "CASCATA DI PALLONCINI": balloons and bombs on a ring of cells around a
// hedge whose two gaps move every two seconds; thirty balloons win.
#include "challenges/action/frmProva16.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QSet>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
using Celle = QList<int>;

void fileDellaCascata(TestWorld& w, bool conPalloni = true)
{
    for (const char* f : {"sounds1/volo.wav", "sounds1/scontro.wav", "sounds1/vince.wav"})
        w.touch(QString::fromLatin1(f), onda(0.5));
    for (const char* f : {"images1/siepe.bmp", "images1/bomba.gif", "images1/cane.gif", "images1/coniglio.gif"})
        w.touch(QString::fromLatin1(f), "GIF89a");
    if (conPalloni)
        w.touch(QStringLiteral("images1/palloni.bmp"), "BM");
}

// The colour of the balloon each cell is given: its index, modulo 8.
int coloreDi(int cella) { return cella % frmProva16::kColoriPalloni; }

// Queues the draws of the placing: the cells drawn in order (0 to 35 first,
// then 37 to 73), and a colour after each cell that is still empty.
void posaPalloni(TestWorld& w, const Celle& estratte)
{
    QSet<int> piene;
    for (int c : estratte) {
        w.fakes.random.push(c < 37 ? (c + 0.5) / 36 : (c - 37 + 0.5) / 37);
        if (!piene.contains(c))
            w.fakes.random.pushDraw(coloreDi(c) + 1, frmProva16::kColoriPalloni);
        piene.insert(c);
    }
}

// Balloons in 0 to 29 and 37 to 65: bombs in 30 to 36 and 66 to 73.
Celle celleSolite()
{
    Celle c;
    for (int i = 0; i < 30; ++i)
        c << i;
    for (int i = 37; i <= 65; ++i)
        c << i;
    return c;
}

// Queues the pieces drawn by a tick of the hedge.
void varchi(TestWorld& w, const Celle& pezzi)
{
    for (int g : pezzi)
        w.fakes.random.push((g + 0.5) / frmProva16::kPezziSiepe);
}

QPoint dove(const Image& figura) { return {figura.left(), figura.top()}; }

void posa(Image& figura, QPoint p)
{
    figura.setTop(p.y());
    figura.setLeft(p.x());
}

constexpr int kVuota = -1, kBomba = -2, kIgnota = -3;

// What a cell holds, told by its picture: a balloon's colour, or one of the above.
int contenuto(const frmProva16& p, int i)
{
    const QPixmap& quadro = p.piatto[i].picture();
    if (quadro.isNull())
        return kVuota;
    if (quadro.cacheKey() == p.bomba.picture().cacheKey())
        return kBomba;
    for (int b = 0; b < frmProva16::kColoriPalloni; ++b)
        if (quadro.cacheKey() == p.pccPalloni.graphicCell(b).cacheKey())
            return b;
    return kIgnota;
}

const QPoint kCasa(frmProva16::kLeftVia, frmProva16::kTopVia);

struct Cascata : BoardWorld {
    explicit Cascata(bool conPalloni = true)
    {
        M().strEffetti = "Play";
        M().strParlato = "Play";
        fileDellaCascata(*this, conPalloni);
        R = &apri();
        p = &apriProva<frmProva16>();
    }
    void tasti(const QString& caratteri) { typeKeys(*p, caratteri); }
    // The start, then the placing 3 seconds later.
    void inizia(const Celle& estratte = celleSolite())
    {
        click(p->cmdEsegui);
        posaPalloni(*this, estratte);
        advance(3.0);
    }
    // The next tick of the hedge, with the pieces it draws.
    void siepe(const Celle& pezzi)
    {
        varchi(*this, pezzi);
        advance(2.0);
    }
    Celle aperti() const
    {
        Celle out;
        for (int i = 0; i < frmProva16::kPezziSiepe; ++i)
            if (!p->imgSiepe[i].visible())
                out << i;
        return out;
    }
    QString punti() const { return p->lblPunti[0].caption() + "-" + p->lblPunti[1].caption(); }
    QStringList suoni() const { return fakes.audio.played(QStringLiteral("frmProva16.mmcSonoro")); }
    frmRuota* R = nullptr;
    frmProva16* p = nullptr;
};
}  // namespace

class TestCascata : public QObject {
    Q_OBJECT
private slots:
    void cellsAndHedgeLieOnTheirGrid_data()
    {
        QTest::addColumn<bool>("siepe");
        QTest::addColumn<int>("i");
        QTest::addColumn<QPoint>("posto");
        QTest::newRow("cell 0") << false << 0 << QPoint(120, 240);
        QTest::newRow("cell 5") << false << 5 << QPoint(1320, 840);
        QTest::newRow("cell 26") << false << 26 << QPoint(1320, 5040);
        QTest::newRow("cell 27") << false << 27 << QPoint(1920, 240);
        QTest::newRow("cell 32") << false << 32 << QPoint(3120, 840);
        QTest::newRow("cell 33") << false << 33 << QPoint(3720, 240);
        QTest::newRow("cell 36") << false << 36 << QPoint(4320, 840);
        QTest::newRow("cell 37") << false << 37 << QPoint(4920, 240);
        QTest::newRow("cell 41") << false << 41 << QPoint(5520, 840);
        QTest::newRow("cell 63") << false << 63 << QPoint(6120, 5040);
        QTest::newRow("cell 64") << false << 64 << QPoint(1920, 4440);
        QTest::newRow("cell 68") << false << 68 << QPoint(4320, 4440);
        QTest::newRow("cell 73") << false << 73 << QPoint(4320, 5040);
        QTest::newRow("piece 0") << true << 0 << QPoint(1920, 1440);
        QTest::newRow("piece 4") << true << 4 << QPoint(4320, 1440);
        QTest::newRow("piece 5") << true << 5 << QPoint(4320, 2040);
        QTest::newRow("piece 8") << true << 8 << QPoint(4320, 3840);
        QTest::newRow("piece 9") << true << 9 << QPoint(3720, 3840);
        QTest::newRow("piece 12") << true << 12 << QPoint(1920, 3840);
        QTest::newRow("piece 13") << true << 13 << QPoint(1920, 3240);
        QTest::newRow("piece 15") << true << 15 << QPoint(1920, 2040);
    }
    void cellsAndHedgeLieOnTheirGrid()
    {
        QFETCH(bool, siepe);
        QFETCH(int, i);
        QFETCH(QPoint, posto);
        Cascata w;
        const Image& img = siepe ? w.p->imgSiepe[i] : w.p->piatto[i];
        QCOMPARE(dove(img), posto);
        QCOMPARE(img.width(), 612);
        QCOMPARE(img.visible(), true);
        QCOMPARE(img.picture().isNull(), !siepe);
    }

    void nothingMovesBeforeTheBalloonsFall()
    {
        Cascata w;
        frmProva16& p = *w.p;
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Inizia la prova"));
        QCOMPARE((QStringList{p.Label1.caption(), p.Label2.caption(), p.Label3.caption(), p.Label4.caption(),
                              p.Label5.caption(), p.Label6.caption(), p.Label7.caption(), p.Label8.caption()}),
                 (QStringList{"W", "A", "S", "D", "I", "J", "K", "L"}));
        QCOMPARE(p.lblGiocatore[0].caption(), QStringLiteral("ANNA       "));
        QCOMPARE(w.punti(), QStringLiteral("0-0"));
        QVERIFY(!p.Frame1.enabled());
        QVERIFY(!p.bomba.visible());
        QVERIFY(w.aperti().isEmpty());
        QCOMPARE(dove(p.cane), kCasa);
        QCOMPARE(dove(p.coniglio), kCasa);
        w.tasti("dDjwi");
        QCOMPARE(dove(p.cane), kCasa);
        QCOMPARE(dove(p.coniglio), kCasa);
        QVERIFY(w.suoni().isEmpty());

        w.click(p.cmdEsegui);
        QVERIFY(!p.cmdEsegui.enabled() && p.Frame1.enabled());
        w.advance(2.9);
        w.tasti("dj");
        QCOMPARE(dove(p.cane), kCasa);
        QCOMPARE(dove(p.coniglio), kCasa);
        QVERIFY(w.suoni().isEmpty());
        QCOMPARE(contenuto(p, 0), kVuota);
        posaPalloni(w, celleSolite());
        w.advance(0.1);
        QCOMPARE(w.suoni(), QStringList{"volo.wav"});
        w.tasti("dj");
        QCOMPARE(dove(p.cane), QPoint(3420, 2640));
        QCOMPARE(dove(p.coniglio), QPoint(2820, 2640));
    }

    void balloonsFillTheirBlocksAndBombsTheRest_data()
    {
        QTest::addColumn<Celle>("estratte");
        QTest::newRow("each cell drawn once") << celleSolite();
        // Each block's last balloon comes after a cell drawn again.
        Celle ripetute{35, 35, 0, 35, 0};
        for (int i = 34; i >= 8; --i)
            ripetute << i;
        ripetute << 20 << 7 << 73 << 73 << 40 << 73;
        for (int i = 72; i >= 47; --i)
            ripetute << i;
        ripetute << 50 << 46;
        QTest::newRow("full cells drawn again") << ripetute;
    }
    void balloonsFillTheirBlocksAndBombsTheRest()
    {
        QFETCH(Celle, estratte);
        Cascata w;
        w.click(w.p->cmdEsegui);
        const int semi = w.fakes.random.randomizes();
        posaPalloni(w, estratte);
        const int estrazioni = w.fakes.random.pending();
        w.advance(3.0);
        QCOMPARE(w.fakes.random.pending(), 0);
        // A fresh seed before every draw.
        QCOMPARE(w.fakes.random.randomizes() - semi, estrazioni);
        const QSet<int> palloni(estratte.cbegin(), estratte.cend());
        for (int i = 0; i < frmProva16::kCelle; ++i)
            QCOMPARE(contenuto(*w.p, i), palloni.contains(i) ? coloreDi(i) : kBomba);
        QCOMPARE(contenuto(*w.p, 36), kBomba);
        QVERIFY(!w.p->bomba.visible());
        QVERIFY(!w.p->tmrSecondi.enabled());
        QVERIFY(w.p->tmrSiepe.running());
        // Enabled, and with no interval it never ticks.
        QVERIFY(w.p->tmrBombe.enabled());
        QVERIFY(!w.p->tmrBombe.running());
    }

    void aMissingBalloonStripStillFillsTheRing()
    {
        Cascata w(false);
        w.inizia();
        for (int i : {0, 29, 37, 65})
            QCOMPARE(contenuto(*w.p, i), coloreDi(i));
        QCOMPARE(contenuto(*w.p, 30), kBomba);
        QVERIFY(w.p->pccPalloni.graphicCell(0).cacheKey() != w.p->pccPalloni.graphicCell(1).cacheKey());
    }

    void eachTickOfTheHedgeOpensTwoOtherGaps_data()
    {
        QTest::addColumn<Celle>("estratti");
        QTest::addColumn<Celle>("aperti");
        QTest::newRow("two pieces") << Celle{11, 3} << Celle{3, 11};
        QTest::newRow("the first piece drawn again") << Celle{5, 5, 5, 0} << Celle{0, 5};
        QTest::newRow("the last tick's gaps") << Celle{1, 14} << Celle{1, 14};
    }
    void eachTickOfTheHedgeOpensTwoOtherGaps()
    {
        QFETCH(Celle, estratti);
        QFETCH(Celle, aperti);
        Cascata w;
        w.inizia();
        // Closed all round until the first tick.
        w.advance(1.9);
        QVERIFY(w.aperti().isEmpty());
        varchi(w, {14, 1});
        w.advance(0.1);
        QCOMPARE(w.aperti(), (Celle{1, 14}));
        const int semi = w.fakes.random.randomizes();
        w.siepe(estratti);
        QCOMPARE(w.fakes.random.pending(), 0);
        QCOMPARE(w.fakes.random.randomizes() - semi, estratti.size());
        QCOMPARE(w.aperti(), aperti);
        QVERIFY(w.suoni().endsWith("volo.wav"));
    }

    void aGapClosingOnAFigureSendsItHome_data()
    {
        QTest::addColumn<QPoint>("cane");
        QTest::addColumn<QPoint>("coniglio");
        QTest::addColumn<Celle>("estratti");
        QTest::addColumn<QPoint>("caneDopo");
        QTest::addColumn<QPoint>("coniglioDopo");
        QTest::addColumn<QStringList>("suoni");
        const QStringList scontro{"scontro.wav"};
        QTest::newRow("the dog on a closing piece") << QPoint(3120, 1440) << kCasa << Celle{0, 1} << kCasa << kCasa
                                                    << scontro;
        QTest::newRow("the rabbit on a closing piece") << QPoint(3120, 2040) << QPoint(4320, 2640) << Celle{0, 1}
                                                       << QPoint(3120, 2040) << kCasa << scontro;
        QTest::newRow("both on closing pieces") << QPoint(1920, 1440) << QPoint(1920, 3840) << Celle{5, 6} << kCasa
                                                << kCasa << scontro + scontro;
        QTest::newRow("on a piece that opens again") << QPoint(3120, 1440) << kCasa << Celle{9, 2}
                                                     << QPoint(3120, 1440) << kCasa << QStringList{};
        QTest::newRow("halfway in, 300 off") << QPoint(3120, 1740) << QPoint(4020, 2640) << Celle{0, 1}
                                             << QPoint(3120, 1740) << QPoint(4020, 2640) << QStringList{};
        QTest::newRow("between two pieces") << QPoint(2820, 1440) << QPoint(4320, 2340) << Celle{0, 15}
                                            << QPoint(2820, 1440) << QPoint(4320, 2340) << QStringList{};
    }
    void aGapClosingOnAFigureSendsItHome()
    {
        QFETCH(QPoint, cane);
        QFETCH(QPoint, coniglio);
        QFETCH(Celle, estratti);
        QFETCH(QPoint, caneDopo);
        QFETCH(QPoint, coniglioDopo);
        QFETCH(QStringList, suoni);
        Cascata w;
        w.inizia();
        posa(w.p->cane, cane);
        posa(w.p->coniglio, coniglio);
        w.fakes.audio.clear();
        w.siepe(estratti);
        QCOMPARE(dove(w.p->cane), caneDopo);
        QCOMPARE(dove(w.p->coniglio), coniglioDopo);
        QCOMPARE(w.suoni(), suoni);
    }

    void aVisiblePieceStopsAStepTowardsIt_data()
    {
        QTest::addColumn<bool>("coniglio");
        QTest::addColumn<QPoint>("da");
        QTest::addColumn<Celle>("estratti");   // the gaps of the tick before
        QTest::addColumn<QString>("tasto");
        QTest::addColumn<QPoint>("a");
        QTest::newRow("up, a piece ahead") << false << QPoint(3120, 2040) << Celle{8, 12} << "w" << QPoint(3120, 2040);
        QTest::newRow("up through the gap") << false << QPoint(3120, 2040) << Celle{2, 12} << "W" << QPoint(3120, 1740);
        QTest::newRow("up between two pieces, one open") << false << QPoint(2820, 2040) << Celle{2, 12} << "w"
                                                         << QPoint(2820, 2040);
        QTest::newRow("up between two pieces, both open") << false << QPoint(2820, 2040) << Celle{1, 2} << "w"
                                                          << QPoint(2820, 1740);
        QTest::newRow("up, the piece only 300 ahead") << false << QPoint(3120, 1740) << Celle{0, 1} << "w"
                                                      << QPoint(3120, 1440);
        QTest::newRow("sideways along the hedge") << false << QPoint(3120, 2040) << Celle{0, 1} << "a"
                                                  << QPoint(2820, 2040);
        QTest::newRow("right, a piece ahead") << false << QPoint(3720, 2640) << Celle{0, 1} << "d"
                                              << QPoint(3720, 2640);
        QTest::newRow("right between pieces, both open") << false << QPoint(3720, 2940) << Celle{6, 7} << "d"
                                                         << QPoint(4020, 2940);
        QTest::newRow("right between pieces, one open") << false << QPoint(3720, 2940) << Celle{6, 0} << "d"
                                                        << QPoint(3720, 2940);
        QTest::newRow("down, a piece ahead") << true << QPoint(3120, 3240) << Celle{0, 1} << "k" << QPoint(3120, 3240);
        QTest::newRow("down through the gap") << true << QPoint(3120, 3240) << Celle{10, 0} << "k"
                                              << QPoint(3120, 3540);
        QTest::newRow("left, a piece ahead") << true << QPoint(2520, 2640) << Celle{0, 1} << "j" << QPoint(2520, 2640);
        QTest::newRow("back in, a piece ahead") << true << QPoint(4920, 2640) << Celle{0, 1} << "j"
                                                << QPoint(4920, 2640);
        QTest::newRow("back in through the gap") << true << QPoint(4920, 2640) << Celle{6, 1} << "J"
                                                 << QPoint(4620, 2640);
    }
    void aVisiblePieceStopsAStepTowardsIt()
    {
        QFETCH(bool, coniglio);
        QFETCH(QPoint, da);
        QFETCH(Celle, estratti);
        QFETCH(QString, tasto);
        QFETCH(QPoint, a);
        Cascata w;
        w.inizia();
        w.siepe(estratti);
        Image& figura = coniglio ? w.p->coniglio : w.p->cane;
        posa(figura, da);
        w.tasti(tasto);
        QCOMPARE(dove(figura), a);
        QCOMPARE(dove(coniglio ? w.p->cane : w.p->coniglio), kCasa);
    }

    void everyKeyButOneTheHedgeRefusesLooksAtTheCells_data()
    {
        QTest::addColumn<int>("cella");
        QTest::addColumn<QString>("tasto");
        QTest::addColumn<bool>("preso");
        QTest::newRow("refused by the hedge") << 8 << "d" << false;
        QTest::newRow("a key of nobody") << 8 << "q" << true;
        QTest::newRow("the rabbit's step") << 8 << "i" << true;
        QTest::newRow("refused by the left edge") << 0 << "a" << true;
        QTest::newRow("refused by the top edge") << 27 << "w" << true;
    }
    void everyKeyButOneTheHedgeRefusesLooksAtTheCells()
    {
        QFETCH(int, cella);
        QFETCH(QString, tasto);
        QFETCH(bool, preso);
        Cascata w;
        w.inizia();
        // Only the cells' test can see a dog set down on a balloon.
        posa(w.p->cane, frmProva16::postoCella(cella));
        w.fakes.audio.clear();
        w.tasti(tasto);
        QCOMPARE(dove(w.p->cane), frmProva16::postoCella(cella));
        QCOMPARE(contenuto(*w.p, cella), preso ? kVuota : coloreDi(cella));
        QCOMPARE(w.punti(), preso ? QStringLiteral("1-0") : QStringLiteral("0-0"));
        QCOMPARE(w.p->intPalloncini[0], qint16(preso));
        // Taking a balloon makes no sound.
        QVERIFY(w.suoni().isEmpty());
    }

    void aBombSendsTheFigureHomeAndStays_data()
    {
        QTest::addColumn<bool>("coniglio");
        QTest::addColumn<QPoint>("da");
        QTest::addColumn<QString>("tasto");
        QTest::addColumn<int>("cella");
        QTest::newRow("the dog onto cell 36") << false << QPoint(4020, 840) << "d" << 36;
        QTest::newRow("the rabbit onto cell 36") << true << QPoint(4320, 540) << "k" << 36;
        QTest::newRow("the rabbit onto cell 73") << true << QPoint(4320, 4740) << "k" << 73;
    }
    void aBombSendsTheFigureHomeAndStays()
    {
        QFETCH(bool, coniglio);
        QFETCH(QPoint, da);
        QFETCH(QString, tasto);
        QFETCH(int, cella);
        Cascata w;
        w.inizia();
        Image& figura = coniglio ? w.p->coniglio : w.p->cane;
        for (int volta = 0; volta < 2; ++volta) {
            posa(figura, da);
            w.fakes.audio.clear();
            w.tasti(tasto);
            QCOMPARE(dove(figura), kCasa);
            QCOMPARE(w.suoni(), QStringList{"scontro.wav"});
            QCOMPARE(contenuto(*w.p, cella), kBomba);
            QCOMPARE(w.punti(), QStringLiteral("0-0"));
        }
    }

    void anEmptiedCellGivesNothing()
    {
        Cascata w;
        w.inizia();
        posa(w.p->cane, {1020, 1440});
        w.tasti("d");
        QCOMPARE(contenuto(*w.p, 8), kVuota);
        QCOMPARE(w.punti(), QStringLiteral("1-0"));
        w.tasti("ad");
        QCOMPARE(dove(w.p->cane), frmProva16::postoCella(8));
        posa(w.p->coniglio, {1320, 1140});
        w.tasti("k");
        QCOMPARE(dove(w.p->coniglio), frmProva16::postoCella(8));
        QCOMPARE(w.punti(), QStringLiteral("1-0"));
        QVERIFY(w.suoni().endsWith("volo.wav"));
    }

    void theThirtiethBalloonEndsTheRaceAtOnce_data()
    {
        QTest::addColumn<int>("vincitore");
        QTest::addColumn<int>("presi1");
        QTest::addColumn<int>("presi2");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<QString>("punti");
        QTest::newRow("the dog, 30 to 12") << 1 << 29 << 12 << "Vince ANNA       " << "30-12";
        QTest::newRow("the rabbit, from 29 all") << 2 << 29 << 29 << "Vince BRUNO      " << "29-30";
    }
    void theThirtiethBalloonEndsTheRaceAtOnce()
    {
        QFETCH(int, vincitore);
        QFETCH(int, presi1);
        QFETCH(int, presi2);
        QFETCH(QString, didascalia);
        QFETCH(QString, punti);
        Cascata w;
        frmProva16& p = *w.p;
        w.inizia();
        w.siepe({3, 11});
        p.intPalloncini[0] = qint16(presi1);
        p.intPalloncini[1] = qint16(presi2);
        p.lblPunti[0].setCaption(QString::number(presi1));
        p.lblPunti[1].setCaption(QString::number(presi2));
        // Each figure a step from a balloon: the dog left of cell 8, the
        // rabbit left of cell 37.
        posa(p.cane, {1020, 1440});
        posa(p.coniglio, {4620, 240});
        w.tasti(vincitore == 1 ? "d" : "l");
        QCOMPARE(p.cmdEsegui.caption(), didascalia);
        QCOMPARE(w.punti(), punti);
        QVERIFY(p.cmdEsegui.enabled());
        QVERIFY(!p.Frame1.enabled());
        QVERIFY(!p.tmrSiepe.enabled() && !p.tmrBombe.enabled());
        QVERIFY(p.Timer1.running());
        QCOMPARE(int(w.M().bytConcorrente), vincitore);
        QCOMPARE(int(w.M().bytGiri[vincitore]), 1);
        QCOMPARE(int(w.M().bytGiri[3 - vincitore]), 0);
        QCOMPARE(w.suoni().last(), QStringLiteral("vince.wav"));

        // The verdict stands: the other figure's balloon, a bomb, the hedge
        // all change nothing and sound nothing.
        const Celle aperti = w.aperti();
        const QPoint coniglio = dove(p.coniglio);
        w.fakes.audio.clear();
        w.tasti(vincitore == 1 ? "lL" : "dD");
        posa(p.cane, {4020, 840});
        w.tasti("dq");
        QCOMPARE(w.punti(), punti);
        QCOMPARE(p.cmdEsegui.caption(), didascalia);
        QCOMPARE(int(w.M().bytConcorrente), vincitore);
        QCOMPARE(dove(p.coniglio), coniglio);
        QCOMPARE(dove(p.cane), QPoint(4020, 840));
        QCOMPARE(contenuto(p, 8), vincitore == 1 ? kVuota : coloreDi(8));
        QCOMPARE(contenuto(p, 37), vincitore == 1 ? coloreDi(37) : kVuota);
        QCOMPARE(contenuto(p, 36), kBomba);
        w.advance(2.0);
        QCOMPARE(w.aperti(), aperti);
        QVERIFY(w.suoni().isEmpty());
    }

    void effectsFollowTheirSwitch()
    {
        Cascata w;
        w.M().strEffetti.clear();
        w.inizia();
        QCOMPARE(w.p->mmcSonoro.fileName(), w.path("sounds1/volo.wav"));
        posa(w.p->cane, {4020, 840});
        w.tasti("d");
        QCOMPARE(dove(w.p->cane), kCasa);
        QCOMPARE(w.p->mmcSonoro.fileName(), w.path("sounds1/scontro.wav"));
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
        Cascata w;
        w.click(w.p->cmdEsegui);
        w.advance(1.0);
        posaPalloni(w, celleSolite());
        w.fakes.messages.setNextAnswer(risposta);
        w.p->window()->close();
        w.settle();
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        if (risposta == mb::No) {
            // The balloons still fall and the race is run.
            QVERIFY(w.p->visible());
            QVERIFY(!w.R->enabled());
            w.advance(2.0);
            QCOMPARE(contenuto(*w.p, 29), coloreDi(29));
            w.tasti("d");
            QCOMPARE(dove(w.p->cane), QPoint(3420, 2640));
            return;
        }
        QVERIFY(!w.ctx->screens.find<frmProva16>());
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        // No balloon falls and no hedge moves: the timers ended with the window.
        w.fakes.audio.clear();
        w.advance(10.0);
        QVERIFY(w.suoni().isEmpty());
        QVERIFY(w.fakes.random.pending() > 0);
    }

    void thirtyBalloonsFromTheBoardHandTheSpinBack()
    {
        BoardWorld w;
        fileDellaCascata(w);
        w.M().strEffetti = "Play";
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(16, 20);   // CASCATA DI PALLONCINI
        w.passo();
        auto* p = w.ctx->screens.find<frmProva16>();
        QVERIFY(p && p->visible());
        QVERIFY(!R.enabled());
        w.click(p->cmdEsegui);
        posaPalloni(w, celleSolite());
        w.advance(3.0);
        varchi(w, {14, 2});
        w.advance(2.0);
        // The rabbit leaves at the top, onto the bomb of cell 32.
        w.typeKeys(*p, QStringLiteral("i").repeated(6));
        QCOMPARE(dove(p->coniglio), kCasa);
        // The dog leaves on the left onto cell 14, runs down and up column 2,
        // down column 1, up column 0 and right along the top.
        const QString strada = QStringLiteral("a").repeated(6) + QStringLiteral("s").repeated(8)
                               + QStringLiteral("w").repeated(16) + "aa" + QStringLiteral("s").repeated(16) + "aa"
                               + QStringLiteral("w").repeated(16) + QStringLiteral("d").repeated(9);
        w.typeKeys(*p, strada);
        QCOMPARE(p->lblPunti[0].caption(), QStringLiteral("29"));
        QVERIFY(!p->decisa());
        w.typeKeys(*p, QStringLiteral("d"));
        QCOMPARE(dove(p->cane), frmProva16::postoCella(29));
        QCOMPARE(p->lblPunti[0].caption(), QStringLiteral("30"));
        QCOMPARE(p->lblPunti[1].caption(), QStringLiteral("0"));
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        w.keyClick(*p, Qt::Key_Return, "\r");   // Enter presses the button
        QVERIFY(!w.ctx->screens.find<frmProva16>());
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira1.enabled());
        QCOMPARE(R.cmdGira1.backColor(), frmRuota::kGiallo);
        QCOMPARE(int(w.M().bytGiri[1]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestCascata)
#include "tst_frmProva16.moc"
