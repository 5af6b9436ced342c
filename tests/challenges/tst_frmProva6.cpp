// "SEQUENZA DI CARTE": six cards seen for fifteen seconds, laid again in
// thirty by dragging them from the table onto the slots; points by place,
// then time left.
#include "challenges/mind/frmProva6.h"
#include "platform/drag.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QFontMetrics>
#include <QRegularExpression>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
// The sequences of the two turns, and cards that are in neither.
const QList<int> kSequenza{3, 12, 20, 7, 27, 0};
const QList<int> kAltra{30, 1, 9, 18, 25, 14};
const QList<int> kEstranee{31, 2, 4, 5, 6, 8};

struct Carte : BoardWorld {
    explicit Carte(int primo = 1)
    {
        M().strEffetti = "Play";
        M().strParlato = "Play";
        M().strVoceConcorrente[1] = path("sounds1/ANNA.wav");
        M().strVoceConcorrente[2] = path("sounds1/BRUNO.wav");
        fileDelleCarte(*this);
        R = &apri();
        fakes.random.pushDraw(primo, 2);
        p = &apriProva<frmProva6>();
    }
    static void fileDelleCarte(TestWorld& w)
    {
        for (const char* f : {"fotoclick1", "fotoclick2", "no", "moltobene", "vince", "pari", "nullo1", "nullo2",
                              "nullo3", "sirena1", "sirena2", "sirena3", "ANNA", "BRUNO"})
            w.touch(QStringLiteral("sounds1/%1.wav").arg(QLatin1String(f)), onda(0.5));
        w.touch(QStringLiteral("images1/") + frmProva6::kMazzo, "BM");
        w.touch(QStringLiteral("images1/carte_ventaglio.gif"), "GIF89a");
    }
    // The draws of the next memorizing step: its six cards, then its click.
    static void preparaSequenza(TestWorld& w, const QList<int>& carte, int scatto = 1)
    {
        for (int c : carte)
            w.fakes.random.push((c + 0.5) / 31);
        w.fakes.random.pushDraw(scatto, 2);
    }
    // A memorizing step seen to its end.
    void osserva(const QList<int>& carte)
    {
        preparaSequenza(*this, carte);
        click(p->cmdEsegui);
        advance(15);
    }
    // "c5" is card 5 of the table, "s2" slot 2.
    Image& controllo(const QString& codice)
    {
        const int i = codice.mid(1).toInt();
        return codice.startsWith(u'c') ? p->imgFigura[i] : p->imgSequenza[i];
    }
    // The answering step, with its drags at their seconds into it ("2.5 c5
    // s0": at 2.5 s, card 5 onto slot 0); returns when the turn is over.
    void rispondi(const QStringList& mosse)
    {
        inizio = loop().now();
        for (const QString& m : mosse) {
            const QStringList parti = m.split(u' ');
            loop().at(inizio + parti[0].toDouble(),
                      [this, da = parti[1], a = parti[2]] { drag(controllo(da), controllo(a)); });
        }
        click(p->cmdEsegui);
    }
    // A turn of punti right cards, the last one alle seconds in, then every
    // other slot filled with a wrong card; alle < 0: the right cards only,
    // and the time runs out.
    void turno(const QList<int>& carte, int punti, double alle)
    {
        QStringList mosse;
        const double ultima = alle < 0 ? 5 : alle;
        for (int i = 0; i < punti; ++i)
            mosse << QStringLiteral("%1 c%2 s%3").arg(ultima - (punti - 1 - i) * 0.5).arg(carte[i]).arg(i);
        if (alle >= 0)
            for (int i = punti; i < frmProva6::kPosti; ++i)
                mosse << QStringLiteral("%1 c%2 s%3").arg(ultima + 1 + i * 0.1).arg(kEstranee[i]).arg(i);
        rispondi(mosse);
    }
    // Each slot's card, "-" for none.
    QString posti() const
    {
        QStringList out;
        for (int i = 0; i < frmProva6::kPosti; ++i) {
            const int c = p->carta(p->imgSequenza[i]);
            out << (c < 0 ? QStringLiteral("-") : QString::number(c));
        }
        return out.join(u' ');
    }
    QString errori() const
    {
        QString out;
        for (int i = 0; i < frmProva6::kPosti; ++i)
            out += p->lblErrori[i].visible() ? u'X' : u'.';
        return out;
    }
    // The table's places that hold no card, or hold another one.
    QList<int> buchi() const
    {
        QList<int> out;
        for (int i = 0; i < frmProva6::kCarte; ++i)
            if (p->carta(p->imgFigura[i]) != i)
                out << i;
        return out;
    }
    bool tavoloVisibile() const
    {
        for (int i = 0; i < frmProva6::kCarte; ++i)
            if (p->imgFigura[i].visible() != p->imgFigura[0].visible())
                return false;
        return p->imgFigura[0].visible();
    }
    // Sounds started on the window's player from an instant on; the siren
    // by its stem.
    QStringList suoniDopo(double t) const
    {
        QStringList out;
        for (const auto& e : fakes.audio.events)
            if (e.at >= t && e.channel == QLatin1String("frmProva6.mmcSonoro") && !e.file.isEmpty())
                out << QFileInfo(e.file).fileName().replace(QRegularExpression(QStringLiteral("^sirena\\d")),
                                                            QStringLiteral("sirena"));
        return out;
    }
    bool durato(double secondi) { return qAbs(loop().now() - inizio - secondi) < 0.01; }
    frmRuota* R = nullptr;
    frmProva6* p = nullptr;
    double inizio = 0;
};

QList<int> sequenza(const frmProva6& p)
{
    QList<int> s;
    for (int i = 1; i <= frmProva6::kPosti; ++i)
        s << p.intSequenza[i];
    return s;
}
}  // namespace

class TestSequenzaDiCarte : public QObject {
    Q_OBJECT
private slots:
    void theStarterLooksAtTheSequenceForFifteenSeconds_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<int>("scatto");
        QTest::addColumn<QString>("didascalia");
        QTest::newRow("ANNA, first click") << 1 << 1 << "Inizia ANNA       ";
        QTest::newRow("BRUNO, second click") << 2 << 2 << "Inizia BRUNO      ";
    }
    void theStarterLooksAtTheSequenceForFifteenSeconds()
    {
        QFETCH(int, primo);
        QFETCH(int, scatto);
        QFETCH(QString, didascalia);
        Carte w(primo);
        frmProva6& p = *w.p;
        QCOMPARE(p.cmdEsegui.caption(), didascalia);
        QCOMPARE(p.lblGiocatore[1].caption(), QStringLiteral("BRUNO      "));
        QCOMPARE(p.lblSecondi[0].caption(), QStringLiteral("30,00"));
        QCOMPARE(p.lblOrologio.caption(), QStringLiteral("30"));
        QVERIFY(!p.Frame1.enabled());
        QVERIFY(w.tavoloVisibile());
        QCOMPARE(w.buchi(), QList<int>{});
        QCOMPARE(w.posti(), QStringLiteral("- - - - - -"));
        QVERIFY(!p.Image1.figura().isNull());
        // Before the answering step no card can be taken up.
        w.drag(p.imgFigura[3], p.imgSequenza[0]);
        QCOMPARE(w.posti(), QStringLiteral("- - - - - -"));

        Carte::preparaSequenza(w, kSequenza, scatto);
        const double t0 = w.loop().now();
        w.click(p.cmdEsegui);
        QCOMPARE(w.posti(), QStringLiteral("3 12 20 7 27 0"));
        QVERIFY(!w.tavoloVisibile());
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Osserva le figure..."));
        QVERIFY(!p.cmdEsegui.enabled());
        QCOMPARE(w.suoniDopo(t0), QStringList{QStringLiteral("fotoclick%1.wav").arg(scatto)});
        w.drag(p.imgSequenza[0], p.imgSequenza[1]);
        w.advance(14.9);
        QCOMPARE(w.posti(), QStringLiteral("3 12 20 7 27 0"));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Osserva le figure..."));
        w.advance(0.1);
        QCOMPARE(w.posti(), QStringLiteral("- - - - - -"));
        QCOMPARE(p.varFase, 1);
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Avvia il cronometro"));
        QVERIFY(p.cmdEsegui.enabled());
        QVERIFY(!p.tmrSecondi.running());
        QVERIFY(!p.Frame1.enabled());
        QCOMPARE(w.suoniDopo(t0).size(), 1);
    }

    // Each cell of the score table holds its longest text whole, in the
    // font the app substitutes for its own, and the cells stand clear of
    // each other and of the clock.
    void theScoreTableHoldsItsLongestTexts_data()
    {
        QTest::addColumn<QString>("cella");
        QTest::addColumn<QString>("testo");
        QTest::newRow("the widest name") << "lblGiocatore" << "WWWWWWWWWWW";
        QTest::newRow("another wide name") << "lblGiocatore" << "MMMMMMMMMMM";
        QTest::newRow("the points") << "lblPunti" << "6";
        QTest::newRow("the seconds") << "lblSecondi" << "30,00";
    }
    void theScoreTableHoldsItsLongestTexts()
    {
        QFETCH(QString, cella);
        QFETCH(QString, testo);
        Carte w;
        frmProva6& p = *w.p;
        ControlArray<Label>& celle = cella == QLatin1String("lblGiocatore") ? p.lblGiocatore
                                     : cella == QLatin1String("lblPunti")   ? p.lblPunti
                                                                            : p.lblSecondi;
        for (int k = 0; k < 2; ++k) {
            const QWidget& l = *celle[k].widget();
            const int scritto = QFontMetrics(l.font()).horizontalAdvance(testo);
            QVERIFY2(scritto <= l.contentsRect().width(),
                     qPrintable(QStringLiteral("%1 px in %2").arg(scritto).arg(l.contentsRect().width())));
            QVERIFY(p.lblGiocatore[k].left() + p.lblGiocatore[k].width() <= p.lblPunti[k].left());
            QVERIFY(p.lblPunti[k].left() + p.lblPunti[k].width() <= p.lblSecondi[k].left());
            QVERIFY(p.lblSecondi[k].left() + p.lblSecondi[k].width() <= p.lblOrologio.left());
        }
    }

    void theSequenceIsSixDifferentCardsWithoutTheAceOfDiamonds_data()
    {
        QTest::addColumn<QList<double>>("estrazioni");
        QTest::addColumn<QList<int>>("attesa");   // empty: any six
        auto carte = [](const QList<int>& c) {
            QList<double> v;
            for (int x : c)
                v << (x + 0.5) / 31;
            return v;
        };
        QTest::newRow("six different") << carte(kSequenza) << kSequenza;
        // Drawn again without reseeding, among the 30 cards left: the 13th
        // of them, since the 3 is gone.
        QTest::newRow("a card drawn again") << carte({3, 3, 12, 20, 7, 27, 0}) << QList<int>{3, 13, 20, 7, 27, 0};
        // The highest number the generator gives is still the king.
        QTest::newRow("the top of the draw") << QList<double>{0.999999} + carte({0, 1, 2, 3, 4})
                                             << QList<int>{30, 0, 1, 2, 3, 4};
        // A clock that does not move between reseeds: the generator gives
        // the same number every time, and the deal still ends.
        QTest::newRow("always the first card") << QList<double>(40, 0.5 / 31) << QList<int>{0, 1, 2, 3, 4, 5};
        QTest::newRow("always the last card")
            << QList<double>(40, 30.5 / 31) << QList<int>{30, 29, 28, 27, 26, 25};
        QTest::newRow("the generator's own numbers") << QList<double>{} << QList<int>{};
    }
    void theSequenceIsSixDifferentCardsWithoutTheAceOfDiamonds()
    {
        QFETCH(QList<double>, estrazioni);
        QFETCH(QList<int>, attesa);
        Carte w;
        for (double v : estrazioni)
            w.fakes.random.push(v);
        w.run([&] { w.p->PreparaTurno(); });
        QList<int> s = sequenza(*w.p);
        if (!attesa.isEmpty())
            QCOMPARE(s, attesa);
        QCOMPARE(s.size(), 6);
        for (int c : s) {
            QVERIFY(c >= 0 && c <= 30);
            QCOMPARE(s.count(c), 1);
        }
    }

    void dropsOnTheSlots_data()
    {
        QTest::addColumn<QStringList>("mosse");
        QTest::addColumn<QString>("posti");
        QTest::addColumn<QList<int>>("buchi");
        QTest::addColumn<QStringList>("suoni");   // during the turn
        QTest::newRow("a card onto an empty slot") << QStringList{"1 c5 s0"} << "5 - - - - -" << QList<int>{5}
                                                   << QStringList{};
        QTest::newRow("a card onto a full slot")
            << QStringList{"1 c5 s0", "2 c6 s0"} << "5 - - - - -" << QList<int>{5} << QStringList{"no.wav"};
        QTest::newRow("a full slot onto itself")
            << QStringList{"1 c5 s0", "2 s0 s0"} << "5 - - - - -" << QList<int>{5} << QStringList{"no.wav"};
        QTest::newRow("a gap of the table onto a slot")
            << QStringList{"1 c5 s0", "2 c5 s1"} << "5 - - - - -" << QList<int>{5} << QStringList{};
        QTest::newRow("slot to slot") << QStringList{"1 c5 s0", "2 s0 s3"} << "- - - 5 - -" << QList<int>{5}
                                      << QStringList{};
        QTest::newRow("an empty slot onto another")
            << QStringList{"1 s2 s4"} << "- - - - - -" << QList<int>{} << QStringList{};
        QTest::newRow("a card back onto the table")
            << QStringList{"1 c5 s0", "2 s0 c5", "3 c7 c8"} << "5 - - - - -" << QList<int>{5} << QStringList{};
        QTest::newRow("the ace of diamonds") << QStringList{"1 c31 s5"} << "- - - - - 31" << QList<int>{31}
                                             << QStringList{};
    }
    void dropsOnTheSlots()
    {
        QFETCH(QStringList, mosse);
        QFETCH(QString, posti);
        QFETCH(QList<int>, buchi);
        QFETCH(QStringList, suoni);
        Carte w;
        w.osserva(kSequenza);
        w.fakes.random.pushDraw(1, 3);
        w.rispondi(mosse);
        QVERIFY(w.durato(30));
        QCOMPARE(w.posti(), posti);
        QCOMPARE(w.buchi(), buchi);
        QCOMPARE(w.suoniDopo(w.inizio), suoni + QStringList{"sirena.wav"});
        // The table goes away with the turn; the slots and the marks stay.
        QVERIFY(!w.tavoloVisibile() && !w.p->Frame1.enabled());
        QCOMPARE(w.p->lblSecondi[0].caption(), QStringLiteral("00,00"));
    }

    void theTimeLeftIsThatOfTheLastRightCard_data()
    {
        QTest::addColumn<QStringList>("mosse");
        QTest::addColumn<double>("durata");
        QTest::addColumn<QString>("secondi");
        QTest::addColumn<QString>("punti");
        QTest::addColumn<QString>("errori");
        QTest::addColumn<QStringList>("suoni");
        const QStringList giuste{"1 c3 s0", "2 c12 s1", "3 c20 s2", "4 c7 s3", "5 c27 s4"};
        QTest::newRow("six right: the sixth ends the turn")
            << giuste + QStringList{"6.25 c0 s5"} << 6.25 << "23,75"
            << "6"
            << "......" << QStringList{"moltobene.wav"};
        QTest::newRow("the last drop wrong") << giuste + QStringList{"9 c31 s5"} << 9.0 << "25,00"
                                             << "5"
                                             << ".....X" << QStringList{};
        QTest::newRow("a right card moved off its slot")
            << QStringList{"1 c3 s0", "2 s0 s5", "3 c12 s0", "4 c20 s1", "5 c7 s2", "6 c27 s3", "7 c0 s4"}
            << 7.0 << "29,00"
            << "0"
            << "XXXXXX" << QStringList{};
        QTest::newRow("six wrong: no siren, all the time")
            << QStringList{"1 c31 s0", "2 c30 s1", "3 c29 s2", "4 c28 s3", "5 c26 s4", "6 c25 s5"} << 6.0
            << "30,00"
            << "0"
            << "XXXXXX" << QStringList{};
        QTest::newRow("five slots: the time runs out")
            << giuste << 30.0 << "00,00"
            << "5"
            << ".....X" << QStringList{"sirena.wav"};
        QTest::newRow("nothing laid") << QStringList{} << 30.0 << "00,00"
                                      << "0"
                                      << "XXXXXX" << QStringList{"sirena.wav"};
    }
    void theTimeLeftIsThatOfTheLastRightCard()
    {
        QFETCH(QStringList, mosse);
        QFETCH(double, durata);
        QFETCH(QString, secondi);
        QFETCH(QString, punti);
        QFETCH(QString, errori);
        QFETCH(QStringList, suoni);
        Carte w(2);
        w.osserva(kSequenza);
        w.fakes.random.pushDraw(1, 3);
        w.rispondi(mosse);
        QVERIFY(w.durato(durata));
        QCOMPARE(w.p->lblSecondi[1].caption(), secondi);
        QCOMPARE(w.p->lblSecondi[0].caption(), QStringLiteral("30,00"));
        QCOMPARE(w.p->lblPunti[1].caption(), punti);
        QCOMPARE(w.p->lblPunti[0].caption(), QStringLiteral("0"));
        QCOMPARE(w.errori(), errori);
        QCOMPARE(w.suoniDopo(w.inizio), suoni);
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Ora tocca a ANNA       "));
        QVERIFY(w.p->cmdEsegui.enabled());
    }

    void theSecondTurnDealsAFreshTableAndSequence()
    {
        Carte w;
        frmProva6& p = *w.p;
        w.osserva(kSequenza);
        w.rispondi({"1 c3 s0", "2 c31 s1", "3 c12 s2"});
        QCOMPARE(w.errori(), QStringLiteral(".XXXXX"));
        QCOMPARE(w.buchi(), (QList<int>{3, 12, 31}));
        Carte::preparaSequenza(w, kAltra);
        w.click(p.cmdEsegui);
        // The marks go, the sequence shows; the table waits hidden, whole.
        QCOMPARE(w.errori(), QStringLiteral("......"));
        QCOMPARE(w.posti(), QStringLiteral("30 1 9 18 25 14"));
        QCOMPARE(w.buchi(), QList<int>{});
        QVERIFY(!w.tavoloVisibile());
        w.advance(15);
        QCOMPARE(p.varFase, 3);
        QCOMPARE(w.posti(), QStringLiteral("- - - - - -"));
        w.rispondi({"1 c30 s0"});
        QVERIFY(w.tavoloVisibile() == false);
        QCOMPARE(p.lblPunti[1].caption(), QStringLiteral("1"));
        QCOMPARE(p.varFase, 4);
        // One point each, both out of time: a tie.
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Gara in parità!"));
    }

    void theVerdict_data()
    {
        QTest::addColumn<int>("punti1");
        QTest::addColumn<double>("alle1");   // seconds into the turn of the last right card; < 0: out of time
        QTest::addColumn<int>("punti2");
        QTest::addColumn<double>("alle2");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<int>("concorrente");
        QTest::addColumn<QList<int>>("giri");
        QTest::addColumn<QString>("suono");
        const QList<int> primo{1, 0}, secondo{0, 1}, entrambi{1, 1}, nessuno{0, 0};
        QTest::newRow("more points win") << 4 << 10.0 << 2 << 3.0 << "Vince ANNA       " << 1 << primo
                                         << "vince.wav";
        QTest::newRow("more points win over more time") << 2 << 1.0 << 3 << 20.0 << "Vince BRUNO      " << 2
                                                        << secondo << "vince.wav";
        QTest::newRow("equal points: more time left") << 3 << 8.0 << 3 << 5.0 << "Vince BRUNO      " << 2
                                                      << secondo << "vince.wav";
        QTest::newRow("one point out of time is enough") << 1 << -1.0 << 0 << 4.0 << "Vince ANNA       " << 1
                                                         << primo << "vince.wav";
        QTest::newRow("equal points, both out of time") << 2 << -1.0 << 2 << -1.0 << "Gara in parità!" << 1
                                                        << entrambi << "pari.wav";
        QTest::newRow("six each at the same second") << 6 << 6.0 << 6 << 6.0 << "Gara in parità!" << 1 << entrambi
                                                     << "pari.wav";
        QTest::newRow("no points, time left") << 0 << 4.0 << 0 << 4.0 << "Gioco nullo!" << 0 << nessuno
                                              << "nullo2.wav";
        QTest::newRow("no points, out of time") << 0 << -1.0 << 0 << -1.0 << "Gioco nullo!" << 0 << nessuno
                                                << "nullo2.wav";
    }
    void theVerdict()
    {
        QFETCH(int, punti1);
        QFETCH(double, alle1);
        QFETCH(int, punti2);
        QFETCH(double, alle2);
        QFETCH(QString, didascalia);
        QFETCH(int, concorrente);
        QFETCH(QList<int>, giri);
        QFETCH(QString, suono);
        Carte w;
        frmProva6& p = *w.p;
        w.osserva(kSequenza);
        w.turno(kSequenza, punti1, alle1);
        w.osserva(kAltra);
        if (alle2 < 0)
            w.fakes.random.pushDraw(1, 3);   // the siren
        w.fakes.random.pushDraw(2, 3);       // a void game's sound
        const double t = w.loop().now();
        w.turno(kAltra, punti2, alle2);
        QCOMPARE(p.lblPunti[0].caption(), QString::number(punti1));
        QCOMPARE(p.lblPunti[1].caption(), QString::number(punti2));
        QCOMPARE(p.cmdEsegui.caption(), didascalia);
        QVERIFY(p.cmdEsegui.enabled() && !p.Frame1.enabled());
        QCOMPARE(int(w.M().bytConcorrente), concorrente);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), giri);
        QCOMPARE(w.suoniDopo(t).last(), suono);
        // Only a win brings the winner's voice.
        QCOMPARE(p.Timer1.running(), suono == QLatin1String("vince.wav"));
        if (punti2 < 6)
            QVERIFY(!w.suoniDopo(t).contains(QStringLiteral("moltobene.wav")));
    }

    void aCardLetGoAfterTheTurnCountsForNothing()
    {
        Carte w;
        frmProva6& p = *w.p;
        w.osserva(kSequenza);
        w.turno(kSequenza, 2, 3.0);
        w.osserva(kAltra);
        // Taken up in the last half second, still held when the time runs out.
        w.loop().at(w.loop().now() + 29.5, [&] { w.pressToDrag(p.imgFigura[30]); });
        w.rispondi({"1 c1 s1"});
        QVERIFY(w.durato(30));
        w.releaseOver(p.imgSequenza[0]);
        QCOMPARE(w.posti(), QStringLiteral("- 1 - - - -"));
        QVERIFY(!Trascinamento::corrente().sorgente());
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        // Nor does one that reaches a slot after the verdict (and the
        // winner's voice).
        w.advance(3);
        const double t = w.loop().now();
        w.run([&] { p.imgSequenza_DragDrop(0, p.imgFigura[30]); });
        w.run([&] { p.imgSequenza_DragDrop(1, p.imgFigura[31]); });
        QCOMPARE(w.posti(), QStringLiteral("- 1 - - - -"));
        QCOMPARE(w.suoniDopo(t), QStringList{});
        QCOMPARE(p.lblPunti[1].caption(), QStringLiteral("1"));
        QCOMPARE(int(w.M().bytConcorrente), 1);
    }

    void soundsFollowTheirSwitches_data()
    {
        QTest::addColumn<QString>("effetti");
        QTest::addColumn<QString>("parlato");
        QTest::addColumn<QStringList>("suoni");
        QTest::newRow("both") << "Play"
                              << "Play" << QStringList{"fotoclick1.wav", "no.wav", "sirena.wav"};
        QTest::newRow("no effects") << ""
                                    << "Play" << QStringList{"no.wav", "sirena.wav"};
        QTest::newRow("no spoken comments") << "Play"
                                            << "" << QStringList{"fotoclick1.wav"};
    }
    void soundsFollowTheirSwitches()
    {
        QFETCH(QString, effetti);
        QFETCH(QString, parlato);
        QFETCH(QStringList, suoni);
        Carte w;
        w.M().strEffetti = effetti;
        w.M().strParlato = parlato;
        const double t = w.loop().now();
        w.osserva(kSequenza);
        w.rispondi({"1 c3 s0", "2 c4 s0"});
        QCOMPARE(w.suoniDopo(t), suoni);
    }

    void closingDuringAStep_data()
    {
        QTest::addColumn<bool>("osservazione");   // else the answering step
        QTest::addColumn<int>("risposta");
        QTest::newRow("looking, No") << true << int(mb::No);
        QTest::newRow("looking, Yes") << true << int(mb::Yes);
        QTest::newRow("answering, No") << false << int(mb::No);
        QTest::newRow("answering, Yes") << false << int(mb::Yes);
    }
    void closingDuringAStep()
    {
        QFETCH(bool, osservazione);
        QFETCH(int, risposta);
        Carte w;
        if (osservazione) {
            Carte::preparaSequenza(w, kSequenza);
            w.click(w.p->cmdEsegui);
            w.advance(5);
            w.fakes.messages.setNextAnswer(risposta);
            w.p->window()->close();
            w.settle();
        } else {
            w.osserva(kSequenza);
            w.fakes.messages.setNextAnswer(risposta);
            const double t0 = w.loop().now();
            w.loop().at(t0 + 5, [&] { w.p->window()->close(); });
            w.loop().at(t0 + 8, [&] {
                if (w.ctx->screens.find<frmProva6>())
                    w.drag(w.p->imgFigura[20], w.p->imgSequenza[2]);
            });
            w.rispondi({"1 c3 s0", "2 c12 s1"});
        }
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        if (risposta == mb::No) {
            frmProva6& p = *w.p;
            if (osservazione) {
                // The fifteen seconds count from the click, question or not.
                w.advance(9.9);
                QCOMPARE(w.posti(), QStringLiteral("3 12 20 7 27 0"));
                w.advance(0.1);
                QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Avvia il cronometro"));
            } else {
                QVERIFY(w.durato(30));
                QCOMPARE(w.posti(), QStringLiteral("3 12 20 - - -"));
                QCOMPARE(p.lblPunti[0].caption(), QStringLiteral("3"));
            }
            QVERIFY(!w.R->enabled());
            return;
        }
        if (!osservazione)
            QVERIFY(w.loop().now() - w.inizio < 6);
        w.nullaDopoAbbandono(QStringLiteral("frmProva6"), 60);
    }

    void fromTheBoardStepToTheWinnersSpin_data()
    {
        QTest::addColumn<bool>("nulla");
        QTest::newRow("a win") << false;
        QTest::newRow("a void game") << true;
    }
    void fromTheBoardStepToTheWinnersSpin()
    {
        QFETCH(bool, nulla);
        BoardWorld w;
        w.M().strEffetti = "Play";
        w.M().strParlato = "Play";
        Carte::fileDelleCarte(w);
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(6, 20);   // SEQUENZA DI CARTE
        w.fakes.random.pushDraw(2, 2);    // BRUNO starts
        w.passo();
        auto* p = w.ctx->screens.find<frmProva6>();
        QVERIFY(p && p->visible());
        QVERIFY(!R.enabled());
        QCOMPARE(p->lblTitolo.caption(), QStringLiteral("SEQUENZA DI CARTE"));
        // Each turn as a player plays it: look, start the clock, drag.
        const auto turno = [&](const QList<int>& carte, int giuste) {
            Carte::preparaSequenza(w, carte);
            w.click(p->cmdEsegui);
            w.advance(15);
            const double t0 = w.loop().now();
            for (int i = 0; i < giuste; ++i)
                w.loop().at(t0 + 1 + i, [&, i] { w.drag(p->imgFigura[carte[i]], p->imgSequenza[i]); });
            for (int i = giuste; i < frmProva6::kPosti; ++i)
                w.loop().at(t0 + 1 + i, [&, i] { w.drag(p->imgFigura[kEstranee[i]], p->imgSequenza[i]); });
            w.click(p->cmdEsegui);
        };
        turno(kSequenza, nulla ? 0 : 4);
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Ora tocca a ANNA       "));
        turno(kAltra, 0);
        QCOMPARE(p->cmdEsegui.caption(), nulla ? QStringLiteral("Gioco nullo!") : QStringLiteral("Vince BRUNO      "));
        w.click(p->cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProva6>());
        QVERIFY(R.enabled());
        QCOMPARE(R.cmdGira2.enabled(), !nulla);
        QCOMPARE(int(w.M().bytGiri[2]), nulla ? 0 : 1);
        QCOMPARE(int(w.M().bytGiri[1]), 0);
    }
};

ZOLMERA_TEST_MAIN(TestSequenzaDiCarte)
#include "tst_frmProva6.moc"
