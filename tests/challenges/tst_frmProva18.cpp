// "CANTANTI E CANZONI": two timed turns of dragging performers and songs
// into a table of six rows, and the verdict on right rows and time left.
#include "challenges/mind/frmProva18.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <algorithm>
#include <cmath>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
// What goes into an answer row: "P3" the performer of pair 3, "S3" its
// song, "" nothing. A row is {performer column, song column}.
using Riga = QPair<QString, QString>;
using Risposte = QList<Riga>;
// Seconds into the turn for "Conferma"; below 0: never pressed.
constexpr double kMai = -1;

Risposte inOrdine()
{
    Risposte r;
    for (int k = 0; k < 6; ++k)
        r << Riga{QStringLiteral("P%1").arg(k), QStringLiteral("S%1").arg(k)};
    return r;
}

// Right rows for the first n pairs, nothing in the others.
Risposte giuste(int n)
{
    Risposte r = inOrdine().mid(0, n);
    while (r.size() < 6)
        r << Riga{};
    return r;
}

void fileDellaProva(TestWorld& w)
{
    for (const char* f : {"moltobene", "vince", "pari", "nullo1", "nullo2", "nullo3", "sirena1", "sirena2",
                          "sirena3", "ANNA", "BRUNO"})
        w.touch(QStringLiteral("sounds1/%1.wav").arg(QLatin1String(f)), onda(0.5));
    for (const char* f : {"jukebox.bmp", "nota.gif", "disco.gif"})
        w.touch(QStringLiteral("images1/") + QLatin1String(f), "GIF89a");
}

// The draws of a turn: the table's rows (1 to 114) in draw order, then for
// each pair the song cell (0 to 5) its title goes to.
void preparaTurno(TestWorld& w, const QList<int>& righe, const QList<int>& celle)
{
    for (int r : righe)
        w.fakes.random.pushDraw(r, 114);
    for (int j : celle)
        w.fakes.random.pushDraw(j + 1, 6);
}

struct Canzoni : BoardWorld {
    explicit Canzoni(int primo = 1)
    {
        M().strEffetti = "Play";
        M().strParlato = "Play";
        M().strVoceConcorrente[1] = path("sounds1/ANNA.wav");
        M().strVoceConcorrente[2] = path("sounds1/BRUNO.wav");
        fileDellaProva(*this);
        R = &apri();
        fakes.random.pushDraw(primo, 2);
        p = &apriProva<frmProva18>();
    }
    Label* cellaCon(const QString& testo)
    {
        for (auto* array : {&p->Label1, &p->Label2, &p->Label4, &p->Label5})
            for (int i = 0; i < 6; ++i)
                if ((*array)[i].caption() == testo)
                    return &(*array)[i];
        return nullptr;
    }
    QString testo(const QString& codice) const
    {
        const auto& coppia = p->strCoppieTurno[codice.mid(1).toInt()];
        return codice.startsWith(u'P') ? coppia.cantante : coppia.canzone;
    }
    // The contestant's drags, row by row.
    void rispondi(const Risposte& risposte)
    {
        for (int j = 0; j < risposte.size(); ++j) {
            if (!risposte[j].first.isEmpty())
                drag(*cellaCon(testo(risposte[j].first)), p->Label4[j]);
            if (!risposte[j].second.isEmpty())
                drag(*cellaCon(testo(risposte[j].second)), p->Label5[j]);
        }
    }
    // A press of the start button: the answers half a second in, "Conferma"
    // at its time; returns when the turn is over.
    void turno(const Risposte& risposte, double conferma = kMai)
    {
        const double inizio = loop().now();
        loop().at(inizio + 0.5, [this, risposte] { rispondi(risposte); });
        if (conferma >= 0)
            loop().at(inizio + conferma, [this] { click(p->cmdEsegui); });
        click(p->cmdEsegui);
    }
    // The answer rows' colours: "V" green, "X" red, "." white, "?" mixed.
    QString colori() const
    {
        QString out;
        for (int j = 0; j < 6; ++j) {
            const quint32 a = p->Label4[j].backColor(), b = p->Label5[j].backColor();
            out += a != b                        ? u'?'
                   : a == frmProva18::kGiusta    ? u'V'
                   : a == frmProva18::kSbagliata ? u'X'
                   : a == frmProva18::kBianco    ? u'.'
                                                 : u'?';
        }
        return out;
    }
    QStringList suoni() const { return fakes.audio.played(QStringLiteral("frmProva18.mmcSonoro")); }
    frmRuota* R = nullptr;
    frmProva18* p = nullptr;
};

// A span of virtual time to the millisecond: the turn's last wait overshoots
// its deadline by a hair.
double millesimi(double secondi) { return std::round(secondi * 1000) / 1000; }

QStringList cantantiDelTurno(const frmProva18& p)
{
    QStringList out;
    for (int k = 0; k < 6; ++k)
        out << p.strCoppieTurno[k].cantante;
    return out;
}
}  // namespace

class TestCanzoni : public QObject {
    Q_OBJECT
private slots:
    void theDrawnStarterIsNamedAndTheTurnRunsOnTheSameButton_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("inizia");
        QTest::addColumn<QString>("poi");
        QTest::newRow("contestant 1 starts") << 1 << "Inizia ANNA       "
                                             << "Ora tocca a BRUNO      ";
        QTest::newRow("contestant 2 starts") << 2 << "Inizia BRUNO      "
                                             << "Ora tocca a ANNA       ";
    }
    void theDrawnStarterIsNamedAndTheTurnRunsOnTheSameButton()
    {
        QFETCH(int, primo);
        QFETCH(QString, inizia);
        QFETCH(QString, poi);
        Canzoni w(primo);
        frmProva18& p = *w.p;
        QCOMPARE(p.cmdEsegui.caption(), inizia);
        QCOMPARE(p.cmdEsegui.toolTipText(), QStringLiteral("PREMI QUI per continuare"));
        QCOMPARE(p.lblGiocatore[1].caption(), QStringLiteral("BRUNO      "));
        QCOMPARE(p.lblSecondi[0].caption(), QStringLiteral("30,00"));
        QCOMPARE(p.lblOrologio.caption(), QStringLiteral("30"));
        QVERIFY(!p.Frame1.enabled());
        // The table is the game's own: every row a performer and a song.
        QCOMPARE(p.strCantantiCanzoni[114].cantante.isEmpty(), false);
        w.keyClick(p, Qt::Key_F1);
        QCOMPARE(w.fakes.help.topics, QList<int>{45});

        QString durante, suggerimento;
        bool giocabile = false;
        w.loop().at(w.loop().now() + 1, [&] {
            durante = p.cmdEsegui.caption();
            suggerimento = p.cmdEsegui.toolTipText();
            giocabile = p.Frame1.enabled();
        });
        w.turno(giuste(2), 5);
        QCOMPARE(durante, QStringLiteral("Conferma"));
        QCOMPARE(suggerimento, QStringLiteral("Premi QUI per fermarti"));
        QVERIFY(giocabile);
        QVERIFY(!p.Frame1.enabled());
        QCOMPARE(p.cmdEsegui.caption(), poi);
        QCOMPARE(p.lblPunti[primo - 1].caption(), QStringLiteral("2"));
        QCOMPARE(p.lblSecondi[primo - 1].caption(), QStringLiteral("25,00"));
        QCOMPARE(p.lblSecondi[2 - primo].caption(), QStringLiteral("30,00"));
        QCOMPARE(p.varTurnoDi, 3 - primo);
    }

    void performersStandInDrawOrderAndSongsInDrawnCells_data()
    {
        QTest::addColumn<QList<double>>("estrazioni");   // raw draws after the starter's
        QTest::addColumn<QList<int>>("righe");           // the rows expected; empty: any six
        QTest::addColumn<QList<int>>("celle");           // pair k's song in cell celle[k]
        auto v = [](const QList<int>& righe, const QList<int>& celle) {
            QList<double> out;
            for (int r : righe)
                out << (r - 0.5) / 114;
            for (int j : celle)
                out << (j + 0.5) / 6;
            return out;
        };
        QTest::newRow("drawn as they come") << v({5, 77, 1, 114, 40, 63}, {3, 0, 5, 1, 4, 2})
                                            << QList<int>{5, 77, 1, 114, 40, 63} << QList<int>{3, 0, 5, 1, 4, 2};
        // A row drawn twice is drawn again among those left: the one more
        // draw (0.5 / 113) takes the first row still there.
        QTest::newRow("a row drawn twice") << QList<double>{9.5 / 114, 9.5 / 114, 0.5 / 113} + v({20, 30, 40, 50}, {})
                                                                 + v({}, {0, 1, 2, 3, 4, 5})
                                           << QList<int>{10, 1, 20, 30, 40, 50} << QList<int>{0, 1, 2, 3, 4, 5};
        // A clock that does not move between reseeds: the generator gives
        // the same number every time, and the deal still ends.
        QTest::newRow("always the same number") << QList<double>(100, 0.0001) << QList<int>{1, 2, 3, 4, 5, 6}
                                                << QList<int>{0, 1, 2, 3, 4, 5};
        QTest::newRow("always the last number") << QList<double>(100, 0.9999)
                                                << QList<int>{114, 113, 112, 111, 110, 109}
                                                << QList<int>{5, 4, 3, 2, 1, 0};
        QTest::newRow("the generator's own numbers") << QList<double>{} << QList<int>{} << QList<int>{};
    }
    void performersStandInDrawOrderAndSongsInDrawnCells()
    {
        QFETCH(QList<double>, estrazioni);
        QFETCH(QList<int>, righe);
        QFETCH(QList<int>, celle);
        Canzoni w;
        frmProva18& p = *w.p;
        QList<frmProva18::Coppia> tabella;
        for (int r = 1; r <= 114; ++r)
            tabella << p.strCantantiCanzoni[r];
        for (double x : estrazioni)
            w.fakes.random.push(x);
        w.loop().at(w.loop().now() + 1, [&] {
            QStringList titoli, nelleCelle;
            for (int k = 0; k < 6; ++k) {
                QCOMPARE(p.Label1[k].caption(), p.strCoppieTurno[k].cantante);
                QVERIFY(!p.strCoppieTurno[k].cantante.isEmpty());
                titoli << p.strCoppieTurno[k].canzone;
                nelleCelle << p.Label2[k].caption();
                if (!righe.isEmpty()) {
                    QCOMPARE(p.strCoppieTurno[k].cantante, tabella[righe[k] - 1].cantante);
                    QCOMPARE(p.Label2[celle[k]].caption(), tabella[righe[k] - 1].canzone);
                }
            }
            // The songs are the pairs' own, each in a cell of its own.
            titoli.sort();
            nelleCelle.sort();
            QCOMPARE(nelleCelle, titoli);
            w.click(p.cmdEsegui);
        });
        w.click(p.cmdEsegui);
        // What was drawn is blanked for the rest of the challenge.
        int vuote = 0;
        for (int r = 1; r <= 114; ++r) {
            const bool estratta = cantantiDelTurno(p).contains(tabella[r - 1].cantante);
            QCOMPARE(p.strCantantiCanzoni[r].cantante.isEmpty(), estratta);
            vuote += estratta ? 1 : 0;
        }
        QCOMPARE(vuote, 6);
    }

    void theSecondTurnNeverShowsAPairOfTheFirst()
    {
        Canzoni w;
        frmProva18& p = *w.p;
        QStringList tabella;
        for (int r = 1; r <= 114; ++r)
            tabella << p.strCantantiCanzoni[r].cantante;
        preparaTurno(w, {1, 2, 3, 4, 5, 6}, {0, 1, 2, 3, 4, 5});
        w.turno({}, 3);
        QCOMPARE(cantantiDelTurno(p), tabella.mid(0, 6));
        // The same rows come up again: each is drawn anew among those left,
        // here the first still there.
        for (int r = 1; r <= 6; ++r) {
            w.fakes.random.pushDraw(r, 114);
            w.fakes.random.push(0.0);
        }
        w.turno({}, 3);
        QCOMPARE(cantantiDelTurno(p), tabella.mid(6, 6));
    }

    void aRowCountsWhenItsPerformerAndSongAreTogether_data()
    {
        QTest::addColumn<Risposte>("risposte");
        QTest::addColumn<QString>("colori");
        QTest::addColumn<int>("punti");
        Risposte rovescio = inOrdine();
        std::reverse(rovescio.begin(), rovescio.end());
        Risposte scambiate;
        for (const Riga& r : inOrdine())
            scambiate << Riga{r.second, r.first};
        Risposte incrociate = inOrdine();
        incrociate[1].second = QStringLiteral("S2");
        incrociate[2].second = QStringLiteral("S1");
        Risposte sparse = {{}, {"P4", "S4"}, {"P0", ""}, {"", "S0"}, {}, {"P2", "S2"}};
        QTest::newRow("all six in order") << inOrdine() << "VVVVVV" << 6;
        QTest::newRow("all six, rows in reverse") << rovescio << "VVVVVV" << 6;
        QTest::newRow("columns swapped never count") << scambiate << "XXXXXX" << 0;
        QTest::newRow("two songs crossed") << incrociate << "VXXVVV" << 4;
        QTest::newRow("a performer and his song in two rows") << sparse << "XVXXXV" << 2;
        QTest::newRow("nothing moved") << Risposte{} << "XXXXXX" << 0;
    }
    void aRowCountsWhenItsPerformerAndSongAreTogether()
    {
        QFETCH(Risposte, risposte);
        QFETCH(QString, colori);
        QFETCH(int, punti);
        Canzoni w;
        frmProva18& p = *w.p;
        w.turno(risposte, 10);
        QCOMPARE(w.colori(), colori);
        QCOMPARE(p.lblPunti[0].caption(), QString::number(punti));
        QCOMPARE(int(p.intCoppieEsatte[1]), punti);
        QCOMPARE(w.suoni(), punti == 6 ? QStringList{"moltobene.wav"} : QStringList{});
        // The colours stay until the next turn clears the cells.
        w.advance(5);
        QCOMPARE(w.colori(), colori);
        w.loop().at(w.loop().now() + 1, [&] {
            QCOMPARE(w.colori(), QStringLiteral("......"));
            for (int j = 0; j < 6; ++j)
                QVERIFY(p.Label4[j].caption().isEmpty() && p.Label5[j].caption().isEmpty());
            QCOMPARE(p.Label1[0].backColor(), frmProva18::kCantanti);
            QCOMPARE(p.Label2[0].backColor(), frmProva18::kCanzoni);
        });
        w.turno({}, 2);
    }

    void aTextMovesOnlyOntoAnEmptyCell_data()
    {
        QTest::addColumn<QString>("sorgente");   // array letter and index: "1.0" is Label1(0)
        QTest::addColumn<QString>("bersaglio");
        QTest::addColumn<bool>("sposta");
        QTest::newRow("performer onto an empty answer cell") << "1.0" << "4.3" << true;
        QTest::newRow("song onto the performer column") << "2.1" << "4.0" << true;
        QTest::newRow("performer onto a full song cell") << "1.0" << "2.4" << false;
        QTest::newRow("a cell onto itself") << "2.2" << "2.2" << false;
        QTest::newRow("an answer back to a source cell made empty") << "4.5" << "1.5" << true;
        QTest::newRow("an empty cell") << "5.0" << "4.1" << false;
    }
    void aTextMovesOnlyOntoAnEmptyCell()
    {
        QFETCH(QString, sorgente);
        QFETCH(QString, bersaglio);
        QFETCH(bool, sposta);
        Canzoni w;
        frmProva18& p = *w.p;
        auto cella = [&](const QString& s) -> Label& {
            ControlArray<Label>* a[] = {&p.Label1, &p.Label2, nullptr, &p.Label4, &p.Label5};
            return (*a[s.left(1).toInt() - 1])[s.mid(2).toInt()];
        };
        w.loop().at(w.loop().now() + 1, [&] {
            // Answer cell 5 holds performer 5, leaving its source cell empty.
            w.drag(p.Label1[5], p.Label4[5]);
            Label& da = cella(sorgente);
            Label& a = cella(bersaglio);
            const QString testo = da.caption(), prima = a.caption();
            const quint32 colore = da.backColor(), colorePrima = a.backColor(), inchiostro = a.foreColor();
            w.drag(da, a);
            if (sposta) {
                QCOMPARE(a.caption(), testo);
                QCOMPARE(a.backColor(), colore);
                QCOMPARE(a.foreColor(), inchiostro);
                QCOMPARE(da.caption(), QString());
                QCOMPARE(da.backColor(), frmProva18::kBianco);
            } else {
                QCOMPARE(a.caption(), prima);
                QCOMPARE(a.backColor(), colorePrima);
                QCOMPARE(da.caption(), testo);
                QCOMPARE(da.backColor(), colore);
            }
            // Only a label carries a text: a picture dropped moves nothing.
            const QString ancora = p.Label4[2].caption();
            p.Label4_DragDrop(2, p.Image2[0]);
            QCOMPARE(p.Label4[2].caption(), ancora);
            w.click(p.cmdEsegui);
        });
        w.click(p.cmdEsegui);
    }

    void theTimeLeftWhenTheTurnEnds_data()
    {
        QTest::addColumn<double>("conferma");
        QTest::addColumn<QString>("secondi");
        QTest::addColumn<QString>("orologio");
        QTest::addColumn<QStringList>("suoni");
        QTest::newRow("Conferma one second in") << 1.0 << "29,00" << "29" << QStringList{};
        QTest::newRow("Conferma with 12.6 s left") << 17.4 << "12,60" << "13" << QStringList{};
        QTest::newRow("time out: nothing left, the siren") << kMai << "00,00" << "00" << QStringList{"sirena2.wav"};
    }
    void theTimeLeftWhenTheTurnEnds()
    {
        QFETCH(double, conferma);
        QFETCH(QString, secondi);
        QFETCH(QString, orologio);
        QFETCH(QStringList, suoni);
        Canzoni w(2);
        frmProva18& p = *w.p;
        const double inizio = w.loop().now();
        preparaTurno(w, {1, 2, 3, 4, 5, 6}, {0, 1, 2, 3, 4, 5});
        w.fakes.random.pushDraw(2, 3);   // the siren
        w.turno(giuste(1), conferma);
        QCOMPARE(millesimi(w.loop().now() - inizio), conferma >= 0 ? conferma : 30.0);
        QCOMPARE(p.lblSecondi[1].caption(), secondi);
        QCOMPARE(p.lblSecondi[0].caption(), QStringLiteral("30,00"));
        QCOMPARE(p.lblOrologio.caption(), orologio);
        QCOMPARE(w.suoni(), suoni);
        QCOMPARE(p.lblPunti[1].caption(), QStringLiteral("1"));
    }

    void theVerdict_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<int>("giuste1");   // contestant 1's right rows
        QTest::addColumn<double>("conferma1");
        QTest::addColumn<int>("giuste2");
        QTest::addColumn<double>("conferma2");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<QString>("suono");
        QTest::newRow("none right: void, even after an early Conferma")
            << 1 << 0 << 3.0 << 0 << kMai << "Gioco nullo!"
            << "nullo";
        QTest::newRow("more rows win, whatever the time") << 1 << 2 << kMai << 1 << 3.0 << "Vince ANNA       "
                                                          << "vince.wav";
        QTest::newRow("contestant 2 ahead, playing first") << 2 << 3 << 4.0 << 5 << 25.0 << "Vince BRUNO      "
                                                           << "vince.wav";
        QTest::newRow("equal rows: more time left wins") << 2 << 4 << 20.0 << 4 << 6.0 << "Vince BRUNO      "
                                                         << "vince.wav";
        QTest::newRow("equal rows, both timed out: a tie") << 1 << 3 << kMai << 3 << kMai << "Gara in parità!"
                                                           << "pari.wav";
        QTest::newRow("six each, at the same second: a tie") << 1 << 6 << 8.0 << 6 << 8.0 << "Gara in parità!"
                                                             << "pari.wav";
    }
    void theVerdict()
    {
        QFETCH(int, primo);
        QFETCH(int, giuste1);
        QFETCH(double, conferma1);
        QFETCH(int, giuste2);
        QFETCH(double, conferma2);
        QFETCH(QString, didascalia);
        QFETCH(QString, suono);
        Canzoni w(primo);
        frmProva18& p = *w.p;
        const int n[] = {0, giuste1, giuste2};
        const double c[] = {0, conferma1, conferma2};
        w.turno(giuste(n[primo]), c[primo]);
        w.turno(giuste(n[3 - primo]), c[3 - primo]);
        QCOMPARE(p.cmdEsegui.caption(), didascalia);
        QVERIFY(p.cmdEsegui.enabled() && !p.Frame1.enabled());
        QVERIFY(w.suoni().last().startsWith(suono));
        const bool vittoria = didascalia.startsWith(QLatin1String("Vince"));
        const int vincitore = didascalia.contains(QLatin1String("ANNA")) ? 1 : 2;
        QCOMPARE(p.Timer1.running(), vittoria);
        if (vittoria) {
            QCOMPARE(int(w.M().bytConcorrente), vincitore);
            QCOMPARE(int(w.M().bytGiri[vincitore]), 1);
            QCOMPARE(int(w.M().bytGiri[3 - vincitore]), 0);
            // The winner hears his own voice 2.5 seconds later.
            w.advance(2.5);
            QCOMPARE(w.suoni().last(), vincitore == 1 ? QStringLiteral("ANNA.wav") : QStringLiteral("BRUNO.wav"));
        } else if (suono == QLatin1String("pari.wav")) {
            QCOMPARE(int(w.M().bytConcorrente), 1);
            QCOMPARE(int(w.M().bytGiri[1]) + int(w.M().bytGiri[2]), 2);
        } else {
            QCOMPARE(int(w.M().bytConcorrente), 0);
            QCOMPARE(int(w.M().bytGiri[1]) + int(w.M().bytGiri[2]), 0);
        }
    }

    void nothingChangesTheVerdictOrATurnThatIsOver()
    {
        Canzoni w;
        frmProva18& p = *w.p;
        w.turno(giuste(2), 4);
        // A drag held across the end of the second turn drops nothing.
        const double inizio = w.loop().now();
        w.loop().at(inizio + 29, [&] { w.pressToDrag(p.Label1[0]); });
        w.loop().at(inizio + 29.5, [&] { w.moveOver(p.Label4[0]); });
        w.turno({});
        w.releaseOver(p.Label4[0]);
        QCOMPARE(p.Label4[0].caption(), QString());
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        // Nor do later drags, or the drop handlers themselves.
        const QString cantante = p.Label1[1].caption();
        w.drag(p.Label1[1], p.Label4[1]);
        w.run([&] { p.Label4_DragDrop(1, p.Label1[1]); });
        QCOMPARE(p.Label1[1].caption(), cantante);
        QCOMPARE(p.Label4[1].caption(), QString());
        QCOMPARE(w.colori(), QStringLiteral("XXXXXX"));
        QCOMPARE(p.lblPunti[1].caption(), QStringLiteral("0"));
        QCOMPARE(int(w.M().bytConcorrente), 1);
    }

    void anEmptyVoiceSwitchSilencesTheWindow()
    {
        Canzoni w;
        w.M().strParlato.clear();
        w.turno(inOrdine(), 5);
        w.turno({});
        w.advance(5);
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        QCOMPARE(w.fakes.audio.played(), QStringList{});
    }

    void abandoningDuringATurn_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::newRow("No: the turn goes on to its deadline") << int(mb::No);
        QTest::newRow("Yes: nothing more of the challenge") << int(mb::Yes);
    }
    void abandoningDuringATurn()
    {
        QFETCH(int, risposta);
        Canzoni w;
        frmProva18& p = *w.p;
        const double inizio = w.loop().now();
        w.fakes.messages.setNextAnswer(risposta);
        w.loop().at(inizio + 10, [&] {
            p.window()->close();
            w.settle();
        });
        w.turno(giuste(3));
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        if (risposta == mb::No) {
            // The question took no time of its own: the turn ends on time.
            QCOMPARE(millesimi(w.loop().now() - inizio), 30.0);
            QCOMPARE(p.lblPunti[0].caption(), QStringLiteral("3"));
            QCOMPARE(p.lblSecondi[0].caption(), QStringLiteral("00,00"));
            QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Ora tocca a BRUNO      "));
            return;
        }
        QCOMPARE(millesimi(w.loop().now() - inizio), 10.0);
        w.advance(60);
        QVERIFY(!w.ctx->screens.find<frmProva18>());
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QVERIFY(w.ctx->screens.find<frmMenu>()->visible());
        QVERIFY(w.fakes.audio.played(QStringLiteral("frmProva18.mmcSonoro")).isEmpty());
        QCOMPARE(int(w.M().bytConcorrente), 0);
        QCOMPARE(int(w.M().bytGiri[1]) + int(w.M().bytGiri[2]), 0);
    }

    void closingAfterAWinLeavesNoJingle()
    {
        Canzoni w;
        frmProva18& p = *w.p;
        w.turno(giuste(1), 4);
        w.turno({}, 4);
        QVERIFY(p.Timer1.running());
        w.fakes.audio.clear();
        w.fakes.messages.setNextAnswer(mb::Yes);
        w.run([&] { p.Esci_Click(); });
        w.advance(10);
        QVERIFY(!w.ctx->screens.find<frmProva18>());
        QCOMPARE(w.fakes.audio.played(QStringLiteral("frmProva18.mmcSonoro")), QStringList{});
    }

    void fromTheBoardStepToTheWinnersSpin()
    {
        BoardWorld w;
        w.M().strParlato = "Play";
        fileDellaProva(w);
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(18, 20);   // CANTANTI E CANZONI
        w.fakes.random.pushDraw(2, 2);     // BRUNO starts
        w.passo();
        auto* p = w.ctx->screens.find<frmProva18>();
        QVERIFY(p && p->visible());
        QVERIFY(!R.enabled());
        QCOMPARE(p->lblTitolo.caption(), QStringLiteral("CANTANTI E CANZONI"));
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Inizia BRUNO      "));
        // BRUNO pairs all six in 20 seconds, ANNA pairs two and runs out.
        for (int n : {6, 2}) {
            const double inizio = w.loop().now();
            w.loop().at(inizio + 20, [&, n] {
                for (int k = 0; k < n; ++k) {
                    Label* canzone = nullptr;
                    for (int j = 0; j < 6; ++j)
                        if (p->Label2[j].caption() == p->strCoppieTurno[k].canzone)
                            canzone = &p->Label2[j];
                    w.drag(p->Label1[k], p->Label4[k]);
                    w.drag(*canzone, p->Label5[k]);
                }
                if (n == 6)
                    w.click(p->cmdEsegui);
            });
            w.click(p->cmdEsegui);
        }
        QCOMPARE(p->lblSecondi[1].caption(), QStringLiteral("10,00"));
        QCOMPARE(p->lblSecondi[0].caption(), QStringLiteral("00,00"));
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Vince BRUNO      "));
        w.click(p->cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProva18>());
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira2.enabled());
        QCOMPARE(R.cmdGira2.backColor(), frmRuota::kGiallo);
        QCOMPARE(int(w.M().bytGiri[2]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestCanzoni)
#include "tst_frmProva18.moc"
