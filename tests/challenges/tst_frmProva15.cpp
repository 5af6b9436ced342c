// "IL PUZZLE": a picture in 20 pieces, seen whole for ten seconds, then
// rebuilt by dragging within ninety; the verdict on who restored it with
// more time left.
#include "challenges/mind/frmProva15.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QRegularExpression>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
using Mosse = QList<std::pair<double, QStringList>>;

// A shuffle as the pieces it lays on positions 0 to 19.
using Disposizione = QList<int>;
Disposizione inOrdine()
{
    Disposizione d;
    for (int i = 0; i < 20; ++i)
        d << i;
    return d;
}
// Pieces a and b swapped, the rest in place.
Disposizione scambio(int a, int b)
{
    Disposizione d = inOrdine();
    std::swap(d[a], d[b]);
    return d;
}

struct Puzzle : BoardWorld {
    // primo: the contestant the load draws to start.
    // aperta: the window opened over the board, else only the board.
    explicit Puzzle(int primo = 1, bool aperta = true)
    {
        M().strEffetti = "Play";
        M().strParlato = "Play";
        M().strVoceConcorrente[1] = path("sounds1/ANNA.wav");
        M().strVoceConcorrente[2] = path("sounds1/BRUNO.wav");
        for (const char* f : {"fotoclick1", "fotoclick2", "moltobene", "vince", "pari", "nullo1", "nullo2", "nullo3",
                              "sirena1", "sirena2", "sirena3", "ANNA", "BRUNO"})
            touch(QStringLiteral("sounds1/%1.wav").arg(QLatin1String(f)), onda(0.5));
        touch("images1/puzzle.bmp", "BM");
        touch("images1/orologio.bmp", "BM");
        fakes.pictures.size = QSize(1460, 600);
        R = &apri();
        if (!aperta)
            return;
        fakes.random.pushDraw(primo, 2);
        p = &apriProva<frmProva15>();
    }

    // The draws of an observation: the picture of the sheet, then the click.
    void foto(int k)
    {
        fakes.random.pushDraw(k + 1, 7);
        fakes.random.pushDraw(1, 2);
    }
    void mescolamento(const Disposizione& d)
    {
        for (int t : d)
            fakes.random.pushDraw(t + 1, 20);
    }
    // The picture shown and ten seconds of looking at it, with the shuffle
    // that follows.
    void osserva(int k, const Disposizione& d)
    {
        foto(k);
        mescolamento(d);
        click(p->cmdEsegui);
        advance(10);
    }
    // A press on "Avvia il cronometro", with the moves at their seconds into
    // the phase; returns when the phase is over.
    void fase(const Mosse& mosse = {})
    {
        inizio = loop().now();
        for (const auto& [t, m] : mosse)
            loop().at(inizio + t, [this, m] {
                // A hand that comes after the window has gone finds nothing.
                if (ctx->screens.find<frmProva15>())
                    muovi(m);
            });
        click(p->cmdEsegui);
    }
    void turno(int k, const Disposizione& d, const Mosse& mosse = {})
    {
        osserva(k, d);
        fase(mosse);
    }

    // A cell by its name: "g3" grid position 3, "h0" holding cell 0, "c" the
    // stopwatch.
    Image& cella(const QString& nome)
    {
        if (nome == u"c")
            return p->Image1[frmProva15::kCronometro];
        const int i = nome.mid(1).toInt();
        return nome.startsWith(u'g') ? p->Image1[i] : p->Image2[i];
    }
    // Drags as "g3>h0"; "g3>x" lets go over empty space of the window;
    // "risolvi" restores the picture from what the grid shows.
    void muovi(const QStringList& mosse)
    {
        for (const QString& m : mosse) {
            if (m == u"risolvi") {
                muovi(soluzione());
                continue;
            }
            const QStringList da = m.split(u'>');
            if (da[1] == u"x") {
                pressToDrag(cella(da[0]));
                releaseOver(*p, 200, 8200);
            } else {
                drag(cella(da[0]), cella(da[1]));
            }
        }
    }
    // Restores a layout from the one shown, piece by piece, with holding cell
    // 0 as spare room.
    QStringList soluzione()
    {
        QStringList out;
        QList<int> griglia;
        for (int i = 0; i < 20; ++i)
            griglia << pezzo(p->Image1[i]);
        for (int i = 0; i < 20; ++i) {
            if (griglia[i] == i)
                continue;
            out << QStringLiteral("g%1>h0").arg(i);
            const int inMano = griglia[i];
            griglia[i] = -1;
            int vuota = i;
            for (;;) {
                if (inMano == vuota) {
                    out << QStringLiteral("h0>g%1").arg(vuota);
                    griglia[vuota] = vuota;
                    break;
                }
                const int da = int(griglia.indexOf(vuota));
                out << QStringLiteral("g%1>g%2").arg(da).arg(vuota);
                griglia[vuota] = vuota;
                griglia[da] = -1;
                vuota = da;
            }
        }
        return out;
    }

    // The piece a cell shows, -1 for none, -2 for a picture that is no piece
    // of the turn's picture.
    int pezzo(const Image& c) const
    {
        if (c.picture().isNull())
            return -1;
        for (int i = 0; i < 20; ++i)
            if (c.figura() == figuraDi(p->pccPuzzle.graphicCell(i)))
                return i;
        return -2;
    }
    // "grid | holding", one number a cell, "." for an empty one.
    QString tavolo() const
    {
        QStringList g, h;
        for (int i = 0; i < 20; ++i)
            g << (p->Image1[i].picture().isNull() ? QStringLiteral(".") : QString::number(pezzo(p->Image1[i])));
        for (int i = 0; i < 5; ++i)
            h << (p->Image2[i].picture().isNull() ? QStringLiteral(".") : QString::number(pezzo(p->Image2[i])));
        return g.join(u' ') + QStringLiteral(" | ") + h.join(u' ');
    }
    static QString tavolo(const Disposizione& d, const QString& appoggi = QStringLiteral(". . . . ."))
    {
        QStringList g;
        for (int t : d)
            g << (t < 0 ? QStringLiteral(".") : QString::number(t));
        return g.join(u' ') + QStringLiteral(" | ") + appoggi;
    }
    // The sheet's cell the turn's picture was cut from.
    int fotoMostrata() const { return figuraDi(p->pccPuzzle.picture()).cella; }

    QStringList suoniDopo(double t) const { return BoardWorld::suoniDopo(QStringLiteral("frmProva15"), t); }
    bool durata(double secondi) { return qAbs(loop().now() - inizio - secondi) < 0.001; }

    frmRuota* R = nullptr;
    frmProva15* p = nullptr;
    double inizio = 0;
};

// The first two pieces swapped: two drags from whole.
const Disposizione kScambio = scambio(0, 1);
}  // namespace

class TestPuzzle : public QObject {
    Q_OBJECT
private slots:
    void theWindowOpensReady_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("didascalia");
        QTest::newRow("ANNA") << 1 << "Inizia ANNA       ";
        QTest::newRow("BRUNO") << 2 << "Inizia BRUNO      ";
    }
    void theWindowOpensReady()
    {
        QFETCH(int, primo);
        QFETCH(QString, didascalia);
        Puzzle w(primo);
        QCOMPARE(w.p->cmdEsegui.caption(), didascalia);
        QCOMPARE(w.p->caption(), QStringLiteral("Zolmera"));
        QCOMPARE(w.p->lblTitolo.caption(), QStringLiteral("IL PUZZLE"));
        QCOMPARE(w.p->lblGiocatore[0].caption(), QStringLiteral("ANNA       "));
        QCOMPARE(w.p->lblGiocatore[1].caption(), QStringLiteral("BRUNO      "));
        QCOMPARE((QStringList{w.p->lblSecondi[0].caption(), w.p->lblSecondi[1].caption(), w.p->lblOrologio.caption()}),
                 (QStringList{"90,00", "90,00", "90"}));
        QVERIFY(!w.p->Frame1.enabled() && !w.p->Frame2.enabled());
        QCOMPARE(w.p->Image1[frmProva15::kCronometro].figura().file, w.path("images1/orologio.bmp"));
        QVERIFY(w.p->Image1[frmProva15::kCronometro].dragMode() == 0);
        // F1 and Guida both open this game's own page.
        w.keyClick(*w.p, Qt::Key_F1);
        w.run([&] { w.p->Guida.click(); });
        QCOMPARE(w.fakes.help.topics, (QList<int>{42, 42}));
    }

    // Ten seconds of the whole picture, then an empty grid until the clock is
    // started, then the shuffle.
    void aTurnShowsThePictureThenItsShuffle_data()
    {
        QTest::addColumn<QString>("effetti");
        QTest::newRow("effects on") << "Play";
        QTest::newRow("effects off") << "";
    }
    void aTurnShowsThePictureThenItsShuffle()
    {
        QFETCH(QString, effetti);
        Puzzle w;
        w.M().strEffetti = effetti;
        const Disposizione d = {19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
        w.foto(4);
        w.mescolamento(d);
        w.click(w.p->cmdEsegui);
        QCOMPARE(w.fotoMostrata(), 4);
        QCOMPARE(w.tavolo(), Puzzle::tavolo(inOrdine()));
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Osserva il puzzle..."));
        QVERIFY(!w.p->cmdEsegui.enabled());
        QVERIFY(!w.p->Frame2.enabled());
        QCOMPARE(w.fakes.audio.played("frmProva15.mmcSonoro"),
                 effetti.isEmpty() ? QStringList{} : QStringList{"fotoclick1.wav"});
        w.advance(9.9);
        QCOMPARE(w.tavolo(), Puzzle::tavolo(inOrdine()));
        w.advance(0.2);
        QCOMPARE(w.tavolo(), QStringLiteral(". . . . . . . . . . . . . . . . . . . . | . . . . ."));
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Avvia il cronometro"));
        QVERIFY(w.p->cmdEsegui.enabled());
        QVERIFY(!w.p->Frame2.enabled());
        // Any time later, the clock starts on the shuffled pieces.
        w.advance(30);
        QString inFase;
        bool giocabile = false, bottone = true;
        w.loop().at(w.loop().now() + 1, [&] {
            inFase = w.tavolo();
            giocabile = w.p->Frame1.enabled() && w.p->Frame2.enabled();
            bottone = w.p->cmdEsegui.enabled();
        });
        w.fase();
        QCOMPARE(inFase, Puzzle::tavolo(d));
        QVERIFY(giocabile);
        QVERIFY(!bottone);
        QVERIFY(w.durata(90));
    }

    // The second contestant never gets the first one's picture, and the
    // eighth of the sheet never comes, even from a generator that keeps
    // giving the same number; the shuffle still deals each piece once.
    void theSecondPictureDiffersAndTheDealEnds_data()
    {
        QTest::addColumn<QList<double>>("estrazioni");   // the draws of the second picture and its shuffle
        QTest::addColumn<int>("seconda");
        QTest::newRow("the same picture again, then another") << QList<double>{3.5 / 7, 5.5 / 7} << 5;
        QTest::newRow("the top of the range") << QList<double>{0.99999} << 6;
        QTest::newRow("a generator stuck on the first picture") << QList<double>(3000, 3.5 / 7) << 4;
    }
    void theSecondPictureDiffersAndTheDealEnds()
    {
        QFETCH(QList<double>, estrazioni);
        QFETCH(int, seconda);
        Puzzle w;
        w.turno(3, kScambio);
        QCOMPARE(w.fotoMostrata(), 3);
        for (double v : estrazioni)
            w.fakes.random.push(v);
        w.click(w.p->cmdEsegui);
        QCOMPARE(w.fotoMostrata(), seconda);
        w.advance(10);
        QList<int> pezzi;
        for (int i = 0; i < 20; ++i)
            pezzi << w.p->intTessere[i];
        std::sort(pezzi.begin(), pezzi.end());
        QCOMPARE(pezzi, inOrdine());
    }

    // One rule for every drop: a piece moves only into an empty cell.
    void aPieceMovesOnlyIntoAnEmptyCell_data()
    {
        QTest::addColumn<QStringList>("mosse");
        QTest::addColumn<QString>("atteso");
        const QString dal2 = QStringLiteral(" 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19");
        QTest::newRow("grid to a holding cell") << QStringList{"g0>h2"} << ". 0" + dal2 + " | . . 1 . .";
        QTest::newRow("onto a full grid cell") << QStringList{"g0>g5"} << "1 0" + dal2 + " | . . . . .";
        QTest::newRow("onto the stopwatch") << QStringList{"g0>c"} << "1 0" + dal2 + " | . . . . .";
        QTest::newRow("onto itself") << QStringList{"g0>g0"} << "1 0" + dal2 + " | . . . . .";
        QTest::newRow("over empty space") << QStringList{"g0>x"} << "1 0" + dal2 + " | . . . . .";
        QTest::newRow("grid to grid") << QStringList{"g0>h4", "g1>g0"} << "0 ." + dal2 + " | . . . . 1";
        QTest::newRow("holding cell to holding cell") << QStringList{"g0>h4", "h4>h1"} << ". 0" + dal2 + " | . 1 . . .";
        QTest::newRow("onto a full holding cell")
            << QStringList{"g0>h4", "g2>h3", "g1>h4"} << ". 0 . 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 | . . . 2 1";
        QTest::newRow("the stopwatch itself does not move") << QStringList{"c>h0"} << "1 0" + dal2 + " | . . . . .";
    }
    void aPieceMovesOnlyIntoAnEmptyCell()
    {
        QFETCH(QStringList, mosse);
        QFETCH(QString, atteso);
        Puzzle w;
        w.osserva(0, kScambio);
        // Read while the phase still runs: its end empties the holding cells.
        QString letto;
        w.loop().at(w.loop().now() + 1.0, [&] {
            w.muovi(mosse);
            letto = w.tavolo();
        });
        w.fase();
        QCOMPARE(letto, atteso);
        QVERIFY(w.durata(90));
        QCOMPARE(w.p->lblSecondi[0].caption(), QStringLiteral("N.C."));
        QCOMPARE(w.p->Image1[frmProva15::kCronometro].figura().file, w.path("images1/orologio.bmp"));
    }
    // The phase ends when the picture is whole or the time is up; only a
    // drop puts the picture to the test.
    void aPhaseEndsRestoredOrOutOfTime_data()
    {
        QTest::addColumn<QList<int>>("disposizione");
        QTest::addColumn<double>("alle");   // seconds into the phase of the moves; < 0 none
        QTest::addColumn<QStringList>("mosse");
        QTest::addColumn<double>("durata");
        QTest::addColumn<QString>("tempo");
        QTest::addColumn<QString>("suono");
        QTest::addColumn<QString>("orologio");
        const QStringList rimette = {"g0>h0", "g1>g0", "h0>g1"};
        QTest::newRow("restored at 3.25 s") << kScambio << 3.25 << rimette << 3.25 << "86,75" << "moltobene" << "87";
        QTest::newRow("restored a hair before the end")
            << kScambio << 89.99 << rimette << 89.99 << "00,01" << "moltobene" << "00";
        QTest::newRow("not restored") << kScambio << 2.0 << QStringList{"g0>h0", "g1>g0"} << 90.0 << "N.C."
                                      << "sirena[123]" << "00";
        QTest::newRow("dealt whole, no drop") << inOrdine() << -1.0 << QStringList{} << 90.0 << "N.C."
                                              << "sirena[123]" << "00";
        QTest::newRow("dealt whole, a drop that moves nothing")
            << inOrdine() << 2.5 << QStringList{"g7>g8"} << 2.5 << "87,50" << "moltobene" << "88";
    }
    void aPhaseEndsRestoredOrOutOfTime()
    {
        QFETCH(QList<int>, disposizione);
        QFETCH(double, alle);
        QFETCH(QStringList, mosse);
        QFETCH(double, durata);
        QFETCH(QString, tempo);
        QFETCH(QString, suono);
        QFETCH(QString, orologio);
        Puzzle w(2);
        w.osserva(1, disposizione);
        const double t0 = w.loop().now();
        QStringList primaDellaFine;
        w.loop().at(t0 + durata - 0.005, [&] { primaDellaFine = w.suoniDopo(t0); });
        w.fase(alle < 0 ? Mosse{} : Mosse{{alle, mosse}});
        QVERIFY(w.durata(durata));
        QCOMPARE(w.p->lblSecondi[1].caption(), tempo);
        QCOMPARE(w.p->lblSecondi[0].caption(), QStringLiteral("90,00"));
        QCOMPARE(w.p->lblOrologio.caption(), orologio);
        const QStringList suoni = w.suoniDopo(t0);
        QCOMPARE(suoni.size(), 1);
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(suono + "\\.wav")).match(suoni[0]).hasMatch(),
                 qPrintable(suoni[0]));
        QCOMPARE(primaDellaFine, QStringList{});
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Ora tocca a ANNA       "));
        QVERIFY(w.p->cmdEsegui.enabled());
        QVERIFY(!w.p->Frame1.enabled() && !w.p->Frame2.enabled());
        QCOMPARE(int(w.M().bytConcorrente), 0);
    }

    // The time runs out with pieces in the holding cells: they are gone, and
    // the grid stays as the contestant left it until the next picture.
    void piecesLeftInTheHoldingCellsVanish()
    {
        Puzzle w;
        w.turno(2, kScambio, {{1.0, {"g0>h1", "g5>h3", "g1>g5"}}});
        QCOMPARE(w.tavolo(), QStringLiteral(". . 2 3 4 0 6 7 8 9 10 11 12 13 14 15 16 17 18 19 | . . . . ."));
        QCOMPARE(w.p->lblSecondi[0].caption(), QStringLiteral("N.C."));
        w.advance(5);
        QCOMPARE(w.tavolo(), QStringLiteral(". . 2 3 4 0 6 7 8 9 10 11 12 13 14 15 16 17 18 19 | . . . . ."));
        w.foto(6);
        w.click(w.p->cmdEsegui);
        QCOMPARE(w.fotoMostrata(), 6);
        QCOMPARE(w.tavolo(), Puzzle::tavolo(inOrdine()));
    }

    void theVerdict_data()
    {
        QTest::addColumn<double>("alle1");   // when the first restores his picture; < 0 never
        QTest::addColumn<double>("alle2");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<int>("concorrente");
        QTest::addColumn<QList<int>>("giri");
        QTest::addColumn<QString>("suono");
        QTest::addColumn<QStringList>("tempi");
        QTest::newRow("neither: void") << -1.0 << -1.0 << "Gioco nullo!" << 0 << QList<int>{0, 0} << "nullo[123]"
                                       << QStringList{"N.C.", "N.C."};
        QTest::newRow("a restorer with a second left beats a non-restorer")
            << 89.0 << -1.0 << "Vince ANNA       " << 1 << QList<int>{1, 0} << "vince" << QStringList{"01,00", "N.C."};
        QTest::newRow("only the second restores") << -1.0 << 60.5 << "Vince BRUNO      " << 2 << QList<int>{0, 1}
                                                  << "vince" << QStringList{"N.C.", "29,50"};
        QTest::newRow("both: more time left wins") << 20.0 << 12.25 << "Vince BRUNO      " << 2 << QList<int>{0, 1}
                                                   << "vince" << QStringList{"70,00", "77,75"};
        QTest::newRow("both in the same time: a tie") << 7.5 << 7.5 << "Gara in parità!" << 1 << QList<int>{1, 1}
                                                      << "pari" << QStringList{"82,50", "82,50"};
        // Restored at the very start of the clock, with all ninety seconds.
        QTest::newRow("restored at once, then nothing") << 0.0 << -1.0 << "Vince ANNA       " << 1 << QList<int>{1, 0}
                                                        << "vince" << QStringList{"90,00", "N.C."};
        QTest::newRow("both restored at once: a tie") << 0.0 << 0.0 << "Gara in parità!" << 1 << QList<int>{1, 1}
                                                      << "pari" << QStringList{"90,00", "90,00"};
    }
    void theVerdict()
    {
        QFETCH(double, alle1);
        QFETCH(double, alle2);
        QFETCH(QString, didascalia);
        QFETCH(int, concorrente);
        QFETCH(QList<int>, giri);
        QFETCH(QString, suono);
        QFETCH(QStringList, tempi);
        Puzzle w;
        // A piece dropped back where it came from: the picture was dealt whole.
        const auto gioca = [&](int foto, double alle) {
            if (alle < 0)
                w.turno(foto, kScambio);
            else
                w.turno(foto, inOrdine(), {{alle, {"g4>g4"}}});
        };
        gioca(0, alle1);
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Ora tocca a BRUNO      "));
        w.advance(4);
        gioca(5, alle2);
        const double verdetto = w.loop().now();
        QCOMPARE(w.p->cmdEsegui.caption(), didascalia);
        QVERIFY(w.p->cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), concorrente);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), giri);
        QCOMPARE((QStringList{w.p->lblSecondi[0].caption(), w.p->lblSecondi[1].caption()}), tempi);
        const QString verdettoSuono = QFileInfo(w.p->mmcSonoro.fileName()).fileName();
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(suono + "\\.wav")).match(verdettoSuono).hasMatch(),
                 qPrintable(verdettoSuono));
        // Only a win calls the winner's voice.
        w.advance(3);
        const QStringList dopo = w.suoniDopo(verdetto);
        QVERIFY(dopo.contains(verdettoSuono));
        QCOMPARE(dopo.contains("ANNA.wav") || dopo.contains("BRUNO.wav"), suono == "vince");
    }

    // After the clock has stopped nothing moves: not a piece held across the
    // end, not a drag between the turns or after the verdict.
    void aDragOutsideTheTimedPhaseMovesNothing_data()
    {
        QTest::addColumn<int>("quando");
        QTest::newRow("held across the time-out") << 0;
        QTest::newRow("held across the restoring drop") << 1;
        QTest::newRow("while the picture is observed") << 2;
        QTest::newRow("between the turns") << 3;
        QTest::newRow("after the verdict") << 4;
    }
    void aDragOutsideTheTimedPhaseMovesNothing()
    {
        QFETCH(int, quando);
        Puzzle w;
        QString prima, dopo;
        QStringList suoni;
        QString didascalia;
        const auto trascina = [&] {
            prima = w.tavolo();
            didascalia = w.p->cmdEsegui.caption();
            w.fakes.audio.clear();
            for (const char* m : {"g2>h0", "g3>g0", "h0>g1", "g4>c"})
                w.muovi({QString::fromLatin1(m)});
            dopo = w.tavolo();
            suoni = w.fakes.audio.played();
        };
        if (quando <= 1) {
            w.osserva(0, quando == 0 ? kScambio : inOrdine());
            w.loop().at(w.loop().now() + (quando == 0 ? 89.5 : 1.0), [&] { w.pressToDrag(w.p->Image1[7]); });
            if (quando == 1)
                w.loop().at(w.loop().now() + 2.0, [&] {
                    // Another hand restores the picture while the piece is held.
                    w.p->Image1_DragDrop(3, w.p->Image1[3]);
                });
            w.fase();
            prima = w.tavolo();
            w.releaseOver(w.p->Image2[0]);
            QCOMPARE(w.tavolo(), prima);
            QCOMPARE(w.p->lblSecondi[0].caption(), quando == 0 ? QStringLiteral("N.C.") : QStringLiteral("88,00"));
            return;
        }
        if (quando == 2) {
            w.foto(0);
            w.click(w.p->cmdEsegui);
            trascina();
        } else {
            w.turno(0, kScambio);
            if (quando == 4)
                w.turno(1, kScambio);
            trascina();
        }
        QCOMPARE(dopo, prima);
        QCOMPARE(w.p->cmdEsegui.caption(), didascalia);
        QCOMPARE(suoni, QStringList{});
    }

    void abandoning_data()
    {
        QTest::addColumn<bool>("inFase");   // else during the observation
        QTest::addColumn<bool>("conEsci");
        QTest::addColumn<int>("risposta");
        QTest::newRow("observing, close box, Yes") << false << false << int(mb::Yes);
        QTest::newRow("observing, Esci, No") << false << true << int(mb::No);
        QTest::newRow("clock running, close box, No") << true << false << int(mb::No);
        QTest::newRow("clock running, close box, Yes") << true << false << int(mb::Yes);
        QTest::newRow("clock running, Esci, Yes") << true << true << int(mb::Yes);
    }
    // The close comes in the second turn, when the end of the turn would
    // also bring the verdict.
    void abandoning()
    {
        QFETCH(bool, inFase);
        QFETCH(bool, conEsci);
        QFETCH(int, risposta);
        Puzzle w;
        w.turno(0, kScambio, {{5.0, {"g0>h0", "g1>g0", "h0>g1"}}});
        w.fakes.messages.setNextAnswer(risposta);
        const auto chiudi = [&] {
            if (conEsci)
                w.p->Esci.click();
            else
                w.p->window()->close();
        };
        const double t0 = w.loop().now();
        if (inFase) {
            w.osserva(1, kScambio);
            w.loop().at(w.loop().now() + 5.0, chiudi);
            w.fase({{4.0, {"g0>h0"}}, {8.0, {"g1>g0", "h0>g1"}}});
        } else {
            w.foto(1);
            w.mescolamento(kScambio);
            w.loop().at(t0 + 4.0, chiudi);
            w.click(w.p->cmdEsegui);
            w.advance(12);
        }
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        if (risposta == mb::No) {
            if (inFase) {
                QVERIFY(w.durata(8.0));
                QCOMPARE(w.p->lblSecondi[1].caption(), QStringLiteral("82,00"));
                QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
            } else {
                QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Avvia il cronometro"));
            }
            QVERIFY(!w.R->enabled());
            return;
        }
        const double chiusa = inFase ? w.inizio + 5.0 : t0 + 4.0;
        if (inFase)
            QVERIFY(w.loop().now() - w.inizio < 8);
        w.nullaDopoAbbandono(QStringLiteral("frmProva15"), 120, chiusa);
    }

    void aDuelLaunchedFromTheBoardHandsItsVerdictBack()
    {
        Puzzle w(1, false);
        w.fakes.random.pushDraw(15, 20);   // IL PUZZLE
        w.fakes.random.pushDraw(2, 2);     // BRUNO starts
        w.passo();
        auto* p = w.ctx->screens.find<frmProva15>();
        QVERIFY(p && p->visible());
        QVERIFY(!w.R->enabled());
        w.p = p;
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Inizia BRUNO      "));
        // BRUNO takes 40 seconds, ANNA 30: both by the same drags.
        w.osserva(3, scambio(7, 12));
        w.fase({{40.0, {"risolvi"}}});
        QCOMPARE(p->lblSecondi[1].caption(), QStringLiteral("50,00"));
        w.osserva(6, scambio(0, 19));
        QVERIFY(w.fotoMostrata() == 6);
        w.fase({{30.0, {"risolvi"}}});
        QCOMPARE(p->lblSecondi[0].caption(), QStringLiteral("60,00"));
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        w.keyClick(*p, Qt::Key_Return, "\r");
        QVERIFY(!w.ctx->screens.find<frmProva15>());
        QVERIFY(w.R->enabled());
        QVERIFY(w.R->cmdGira1.enabled() && !w.R->cmdGira2.enabled());
        QCOMPARE(w.R->cmdGira1.backColor(), frmRuota::kGiallo);
        QCOMPARE(int(w.M().bytGiri[1]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestPuzzle)
#include "tst_frmProva15.moc"
