// "IL GEO-ANAGRAMMA": two timed turns of letters dragged into answer rows,
// the count of names spelled, the time kept, and the verdict.
#include "challenges/mind/frmProva5.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QRegularExpression>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
// Entries of the place names' table.
constexpr int ANCONA = 1, AMALFI = 2, ANDRIA = 3, ASCOLI = 4, MILANO = 59, MONACO = 70, ZURIGO = 115;

struct Anagramma : BoardWorld {
    // primo: the contestant the load draws to start.
    explicit Anagramma(int primo = 1)
    {
        M().strEffetti = "Play";
        M().strParlato = "Play";
        M().strVoceConcorrente[1] = path("sounds1/ANNA.wav");
        M().strVoceConcorrente[2] = path("sounds1/BRUNO.wav");
        for (const char* f : {"moltobene", "vince", "pari", "nullo1", "nullo2", "nullo3", "sirena1", "sirena2",
                              "sirena3", "ANNA", "BRUNO"})
            touch(QStringLiteral("sounds1/%1.wav").arg(QLatin1String(f)), onda(0.5));
        R = &apri();
        fakes.random.pushDraw(primo, 2);
        p = &apriProva<frmProva5>();
    }
    // The draws of the next turn: three names by their entries, each laid
    // out back to front.
    void estrai(std::initializer_list<int> voci)
    {
        for (int n : voci)
            fakes.random.pushDraw(n, frmProva5::kLocalita);
        rovescia();
    }
    void rovescia()
    {
        for (int k = 0; k < 3; ++k)
            for (int pos = 6; pos >= 1; --pos)
                fakes.random.pushDraw(pos, 6);
    }
    Label& tessera(int n, int i) { return p->riga(n)[i]; }
    // Spells a word in an answer row, each letter dragged from the first
    // anagram tile that holds it; a letter not to be found leaves its tile empty.
    void scrivi(const QString& parola, int riga)
    {
        for (int i = 0; i < parola.size(); ++i)
            for (int n = 1; n <= 3; ++n)
                if (Label* da = trova(n, parola.mid(i, 1))) {
                    drag(*da, tessera(riga, i));
                    break;
                }
    }
    Label* trova(int n, const QString& lettera)
    {
        for (int i = 0; i < 6; ++i)
            if (tessera(n, i).caption() == lettera)
                return &tessera(n, i);
        return nullptr;
    }
    // A press of the start button, with the moves at their seconds into the
    // turn; returns when the turn is over. "Conferma" pressed at conferma
    // seconds, never when negative.
    void turno(double conferma, const QList<std::pair<double, std::function<void()>>>& mosse = {})
    {
        inizio = loop().now();
        for (const auto& [t, mossa] : mosse)
            loop().at(inizio + t, mossa);
        if (conferma >= 0)
            loop().at(inizio + conferma, [this] { click(p->cmdEsegui); });
        click(p->cmdEsegui);
    }
    // Rows 1 to 6: the letters ("." for an empty tile), then the colours:
    // y, p, g the anagram rows' own, w white, V green, R red.
    QString stato()
    {
        QStringList righe;
        for (int n = 1; n <= 6; ++n) {
            QString lettere, colori;
            for (int i = 0; i < 6; ++i) {
                const QString c = tessera(n, i).caption();
                lettere += c.isEmpty() ? QStringLiteral(".") : c;
                switch (tessera(n, i).backColor()) {
                case 0xC0FFFF: colori += u'y'; break;
                case 0xC0C0FF: colori += u'p'; break;
                case 0xC0FFC0: colori += u'g'; break;
                case frmProva5::kBianco: colori += u'w'; break;
                case frmProva5::kVerde: colori += u'V'; break;
                case frmProva5::kRosso: colori += u'R'; break;
                default: colori += u'?'; break;
                }
            }
            righe << lettere + u':' + colori;
        }
        return righe.join(u' ');
    }
    QStringList suoniDopo(double t) const { return BoardWorld::suoniDopo(QStringLiteral("frmProva5"), t); }
    bool durato(double secondi) { return qAbs(loop().now() - inizio - secondi) < 0.001; }
    frmRuota* R = nullptr;
    frmProva5* p = nullptr;
    double inizio = 0;
};

const QString kInizio = QStringLiteral("ANOCNA:yyyyyy AIRDNA:pppppp OCANOM:gggggg ......:wwwwww ......:wwwwww ......:wwwwww");
}  // namespace

class TestGeoAnagramma : public QObject {
    Q_OBJECT
private slots:
    void theDrawnContestantStartsAndTheTurnLaysOutThreeNames_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<QString>("poi");
        QTest::newRow("ANNA") << 1 << "Inizia ANNA       " << "Ora tocca a BRUNO      ";
        QTest::newRow("BRUNO") << 2 << "Inizia BRUNO      " << "Ora tocca a ANNA       ";
    }
    void theDrawnContestantStartsAndTheTurnLaysOutThreeNames()
    {
        QFETCH(int, primo);
        QFETCH(QString, didascalia);
        QFETCH(QString, poi);
        Anagramma w(primo);
        frmProva5& p = *w.p;
        QCOMPARE(p.cmdEsegui.caption(), didascalia);
        QCOMPARE(p.cmdEsegui.toolTipText(), QStringLiteral("Premi QUI per continuare"));
        QCOMPARE(p.lblGiocatore[0].caption(), QStringLiteral("ANNA       "));
        QCOMPARE(p.lblGiocatore[1].caption(), QStringLiteral("BRUNO      "));
        QCOMPARE((QStringList{p.lblPunti[0].caption(), p.lblPunti[1].caption(), p.lblSecondi[0].caption(),
                              p.lblSecondi[1].caption(), p.lblOrologio.caption()}),
                 (QStringList{"0", "0", "60,00", "60,00", "60"}));
        QVERIFY(!p.Frame1.enabled());
        QCOMPARE(p.strLocalita[ANCONA], QStringLiteral("ANCONA"));
        QCOMPARE(p.strLocalita[ZURIGO], QStringLiteral("ZURIGO"));
        QCOMPARE(w.tessera(1, 0).fontName(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(w.tessera(6, 5).fontSize(), 24.0);
        w.keyClick(p, Qt::Key_F1);
        QCOMPARE(w.fakes.help.topics, QList<int>{22});

        w.estrai({ANCONA, ANDRIA, MONACO});
        QString durante, tip, titolo;
        bool area = false;
        w.turno(5.0, {{1.0, [&] {
                           durante = w.stato();
                           tip = p.cmdEsegui.toolTipText();
                           titolo = p.cmdEsegui.caption();
                           area = p.Frame1.enabled();
                       }}});
        QCOMPARE(durante, kInizio);
        QCOMPARE(titolo, QStringLiteral("Conferma"));
        QCOMPARE(tip, QStringLiteral("Premi QUI per fermarti"));
        QVERIFY(area);
        QVERIFY(!p.Frame1.enabled());
        QCOMPARE(p.cmdEsegui.caption(), poi);
        QCOMPARE(p.cmdEsegui.toolTipText(), QStringLiteral("Premi QUI per fermarti"));
        QCOMPARE(p.lblSecondi[primo - 1].caption(), QStringLiteral("55,00"));
        QCOMPARE(p.lblSecondi[2 - primo].caption(), QStringLiteral("60,00"));
    }

    // One rule for every tile: a letter moves onto an empty tile, taking its
    // colour along and leaving white behind; onto a full tile nothing moves.
    void aLetterMovesOnlyOntoAnEmptyTile_data()
    {
        QTest::addColumn<QString>("mosse");   // "n.i>m.j" drags, blank apart
        QTest::addColumn<QString>("atteso");
        QTest::newRow("onto an empty answer tile")
            << "1.0>4.3" << ".NOCNA:wyyyyy AIRDNA:pppppp OCANOM:gggggg ...A..:wwwyww ......:wwwwww ......:wwwwww";
        QTest::newRow("onto a full anagram tile") << "1.0>2.0" << kInizio;
        QTest::newRow("onto itself") << "1.0>1.0" << kInizio;
        QTest::newRow("onto a full answer tile")
            << "1.0>4.0 2.0>4.0" << ".NOCNA:wyyyyy AIRDNA:pppppp OCANOM:gggggg A.....:ywwwww ......:wwwwww ......:wwwwww";
        QTest::newRow("answer to answer, then back into another anagram row")
            << "3.5>5.2 5.2>6.5 2.3>4.0 6.5>2.3"
            << "ANOCNA:yyyyyy AIRMNA:pppgpp OCANO.:gggggw D.....:pwwwww ......:wwwwww ......:wwwwww";
        QTest::newRow("an empty tile dragged moves nothing")
            << "1.0>4.0 1.0>5.0" << ".NOCNA:wyyyyy AIRDNA:pppppp OCANOM:gggggg A.....:ywwwww ......:wwwwww ......:wwwwww";
    }
    void aLetterMovesOnlyOntoAnEmptyTile()
    {
        QFETCH(QString, mosse);
        QFETCH(QString, atteso);
        Anagramma w;
        w.estrai({ANCONA, ANDRIA, MONACO});
        QString stato;
        w.turno(2.0, {{1.0, [&] {
                           for (const QString& m : mosse.split(u' ')) {
                               const auto a = m.split(u'>');
                               const auto da = a[0].split(u'.'), su = a[1].split(u'.');
                               w.drag(w.tessera(da[0].toInt(), da[1].toInt()), w.tessera(su[0].toInt(), su[1].toInt()));
                           }
                           stato = w.stato();
                       }}});
        QCOMPARE(stato, atteso);
    }

    // What a turn counts: every answer row is red but the first that spells
    // each drawn name, which turns green; a name counts once.
    void countingTheNamesSpelled_data()
    {
        QTest::addColumn<QStringList>("parole");   // rows 4, 5, 6
        QTest::addColumn<int>("contati");
        QTest::addColumn<QString>("colori");       // rows 4, 5, 6
        QTest::newRow("all three in order") << QStringList{"ANCONA", "ANDRIA", "MONACO"} << 3 << "VVVVVV VVVVVV VVVVVV";
        QTest::newRow("any row spells any name") << QStringList{"MONACO", "", "ANCONA"} << 2 << "VVVVVV RRRRRR VVVVVV";
        QTest::newRow("a name spelled twice counts once")
            << QStringList{"ANCONA", "ANCONA", ""} << 1 << "VVVVVV RRRRRR RRRRRR";
        QTest::newRow("an empty tile") << QStringList{"ANCON", "ANDRIA", ""} << 1 << "RRRRRR VVVVVV RRRRRR";
        QTest::newRow("letters out of order") << QStringList{"NACONA", "", "MONACO"} << 1 << "RRRRRR RRRRRR VVVVVV";
        QTest::newRow("nothing") << QStringList{"", "", ""} << 0 << "RRRRRR RRRRRR RRRRRR";
    }
    void countingTheNamesSpelled()
    {
        QFETCH(QStringList, parole);
        QFETCH(int, contati);
        QFETCH(QString, colori);
        Anagramma w;
        w.estrai({ANCONA, ANDRIA, MONACO});
        w.turno(20.0, {{1.0, [&] {
                            for (int r = 0; r < 3; ++r)
                                w.scrivi(parole[r], 4 + r);
                        }}});
        QCOMPARE(int(w.p->intLocalitaEsatte[1]), contati);
        QCOMPARE(w.p->lblPunti[0].caption(), QString::number(contati));
        QCOMPARE(w.stato().split(u' ').mid(3).replaceInStrings(QRegularExpression("^.*:"), QString()).join(u' '), colori);
        QCOMPARE(w.fakes.audio.played("frmProva5.mmcSonoro").contains("moltobene.wav"), contati == 3);
    }

    // The time kept: what was left at "Conferma", none at a time-out, when
    // the siren sounds, after the three names' cheer if it came.
    void theTimeKeptAndTheSiren_data()
    {
        QTest::addColumn<double>("conferma");
        QTest::addColumn<bool>("tutti");
        QTest::addColumn<double>("durata");
        QTest::addColumn<QString>("tempo");
        QTest::addColumn<QString>("orologio");
        QTest::addColumn<QStringList>("suoni");
        QTest::newRow("Conferma with 35.4 s left") << 24.6 << false << 24.6 << "35,40" << "35" << QStringList{};
        QTest::newRow("Conferma one second in, all three") << 1.0 << true << 1.0 << "59,00" << "59"
                                                          << QStringList{"moltobene.wav"};
        QTest::newRow("time out") << -1.0 << false << 60.0 << "00,00" << "00" << QStringList{"sirena2.wav"};
        QTest::newRow("time out, all three") << -1.0 << true << 60.0 << "00,00" << "00"
                                             << QStringList{"moltobene.wav", "sirena2.wav"};
    }
    void theTimeKeptAndTheSiren()
    {
        QFETCH(double, conferma);
        QFETCH(bool, tutti);
        QFETCH(double, durata);
        QFETCH(QString, tempo);
        QFETCH(QString, orologio);
        QFETCH(QStringList, suoni);
        Anagramma w;
        w.estrai({ANCONA, ANDRIA, MONACO});
        w.fakes.random.pushDraw(2, 3);   // the siren, if it sounds
        const double t0 = w.loop().now();
        w.turno(conferma, {{0.5, [&] {
                                if (!tutti)
                                    return;
                                w.scrivi("ANCONA", 4);
                                w.scrivi("ANDRIA", 5);
                                w.scrivi("MONACO", 6);
                            }}});
        QVERIFY(w.durato(durata));
        QCOMPARE(w.p->lblSecondi[0].caption(), tempo);
        QCOMPARE(w.p->lblOrologio.caption(), orologio);
        if (conferma < 0)
            QCOMPARE(w.p->dblTempoResiduo[1], 0.0);
        QCOMPARE(w.suoniDopo(t0), suoni);
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Ora tocca a BRUNO      "));
    }

    void theVerdict_data()
    {
        QTest::addColumn<int>("nomi1");
        QTest::addColumn<double>("conferma1");   // negative: the time runs out
        QTest::addColumn<int>("nomi2");
        QTest::addColumn<double>("conferma2");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<int>("concorrente");
        QTest::addColumn<QList<int>>("giri");
        QTest::addColumn<QString>("suono");
        QTest::newRow("0 and 0: void, even after an early Conferma")
            << 0 << 3.0 << 0 << -1.0 << "Gioco nullo!" << 0 << QList<int>{0, 0} << "nullo[123]";
        QTest::newRow("1 beats 0") << 0 << 2.0 << 1 << -1.0 << "Vince BRUNO      " << 2 << QList<int>{0, 1} << "vince";
        QTest::newRow("3 beats 2 whatever the time") << 3 << 50.0 << 2 << 10.0 << "Vince ANNA       " << 1
                                                     << QList<int>{1, 0} << "vince";
        QTest::newRow("2 and 2: more time left wins") << 2 << 20.0 << 2 << 15.5 << "Vince BRUNO      " << 2
                                                      << QList<int>{0, 1} << "vince";
        QTest::newRow("1 and 1, both timed out: a tie") << 1 << -1.0 << 1 << -1.0 << "Gara in parità!" << 1
                                                        << QList<int>{1, 1} << "pari";
        QTest::newRow("1 and 1, the same time left: a tie") << 1 << 12.0 << 1 << 12.0 << "Gara in parità!" << 1
                                                            << QList<int>{1, 1} << "pari";
    }
    void theVerdict()
    {
        QFETCH(int, nomi1);
        QFETCH(double, conferma1);
        QFETCH(int, nomi2);
        QFETCH(double, conferma2);
        QFETCH(QString, didascalia);
        QFETCH(int, concorrente);
        QFETCH(QList<int>, giri);
        QFETCH(QString, suono);
        Anagramma w;
        const QStringList nomi1Turno{"ANCONA", "ANDRIA", "MONACO"}, nomi2Turno{"AMALFI", "ASCOLI", "MILANO"};
        w.estrai({ANCONA, ANDRIA, MONACO});
        w.turno(conferma1, {{0.5, [&] {
                                 for (int k = 0; k < nomi1; ++k)
                                     w.scrivi(nomi1Turno[k], 4 + k);
                             }}});
        w.advance(4);
        w.estrai({AMALFI, ASCOLI, MILANO});
        w.turno(conferma2, {{0.5, [&] {
                                 for (int k = 0; k < nomi2; ++k)
                                     w.scrivi(nomi2Turno[k], 4 + k);
                             }}});
        const double verdetto = w.loop().now();
        QCOMPARE(w.p->cmdEsegui.caption(), didascalia);
        QVERIFY(w.p->cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), concorrente);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), giri);
        QCOMPARE((QStringList{w.p->lblPunti[0].caption(), w.p->lblPunti[1].caption()}),
                 (QStringList{QString::number(nomi1), QString::number(nomi2)}));
        const QString verdettoSuono = QFileInfo(w.p->mmcSonoro.fileName()).fileName();
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(suono + "\\.wav")).match(verdettoSuono).hasMatch(),
                 qPrintable(verdettoSuono));
        // Only a win calls the winner's voice.
        w.advance(3);
        const QStringList dopo = w.suoniDopo(verdetto);
        QCOMPARE(dopo.contains("ANNA.wav") || dopo.contains("BRUNO.wav"), suono == "vince");
        QVERIFY(!dopo.contains(concorrente == 1 ? "BRUNO.wav" : "ANNA.wav"));

        // A drag and a press after the verdict: the verdict stands.
        const QString stato = w.stato();
        w.drag(w.tessera(1, 0), w.tessera(4, 0));
        QCOMPARE(w.stato(), stato);
        QCOMPARE(w.p->cmdEsegui.caption(), didascalia);
    }

    // The generator may give the same number draw after draw: each turn still
    // deals three names not dealt before, each letter once.
    void aStuckGeneratorStillDealsNewNames_data()
    {
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("primo");
        QTest::addColumn<QString>("secondo");
        QTest::newRow("always 0") << 0.0 << "ANCONA AMALFI ANDRIA" << "ASCOLI ASIAGO ASSISI";
        // From the end of the table, each name back to front.
        QTest::newRow("always just under 1") << 0.9999 << "OGIRUZ OPOCIV IRTLOV" << "ANNEIV ETSEIV ASONEV";
    }
    void aStuckGeneratorStillDealsNewNames()
    {
        QFETCH(double, valore);
        QFETCH(QString, primo);
        QFETCH(QString, secondo);
        Anagramma w;
        for (int i = 0; i < 200; ++i)
            w.fakes.random.push(valore);
        const auto anagrammi = [&] {
            return QStringList{w.p->strAnagrammi[1], w.p->strAnagrammi[2], w.p->strAnagrammi[3]}.join(u' ');
        };
        QString a1, a2;
        w.turno(1.0, {{0.5, [&] { a1 = anagrammi(); }}});
        w.turno(1.0, {{0.5, [&] { a2 = anagrammi(); }}});
        QCOMPARE(a1, primo);
        QCOMPARE(a2, secondo);
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Gioco nullo!"));
    }

    // The second contestant's names are drawn anew, and a draw that falls on
    // a name of the first turn is refused.
    void theSecondTurnRepeatsNoName()
    {
        Anagramma w;
        w.estrai({ANCONA, ANDRIA, MONACO});
        w.turno(1.0);
        QCOMPARE(w.p->strLocalita[ANCONA], QStringLiteral("      "));
        // Each refused draw is followed by one among the names still free:
        // here the first of them, then the last.
        w.fakes.random.pushDraw(MONACO, frmProva5::kLocalita);
        w.fakes.random.push(0.0);
        w.fakes.random.pushDraw(ASCOLI, frmProva5::kLocalita);
        w.fakes.random.pushDraw(ANCONA, frmProva5::kLocalita);
        w.fakes.random.push(0.9999);
        w.rovescia();
        QString righe;
        w.turno(1.0, {{0.5, [&] { righe = w.stato().left(41); }}});
        QCOMPARE(righe, QStringLiteral("IFLAMA:yyyyyy ILOCSA:pppppp OGIRUZ:gggggg"));
    }

    // A drag still held when the turn ends drops nothing.
    void aDragHeldAcrossTheEndOfTheTurnDropsNothing_data()
    {
        QTest::addColumn<double>("conferma");
        QTest::newRow("time out") << -1.0;
        QTest::newRow("Conferma") << 30.0;
    }
    void aDragHeldAcrossTheEndOfTheTurnDropsNothing()
    {
        QFETCH(double, conferma);
        Anagramma w;
        w.estrai({ANCONA, ANDRIA, MONACO});
        w.turno(conferma, {{(conferma < 0 ? 60 : conferma) - 0.5, [&] { w.pressToDrag(w.tessera(1, 0)); }}});
        const QString fine = w.stato();
        QCOMPARE(fine, QStringLiteral("ANOCNA:yyyyyy AIRDNA:pppppp OCANOM:gggggg ......:RRRRRR ......:RRRRRR ......:RRRRRR"));
        w.releaseOver(w.tessera(4, 0));
        QCOMPARE(w.stato(), fine);
        QCOMPARE(int(w.p->intLocalitaEsatte[1]), 0);
    }

    void abandoningDuringATurn_data()
    {
        QTest::addColumn<bool>("conEsci");
        QTest::addColumn<int>("risposta");
        QTest::newRow("close box, No: the turn goes on") << false << mb::No;
        QTest::newRow("close box, Yes") << false << mb::Yes;
        QTest::newRow("Esci, Yes") << true << mb::Yes;
    }
    // The close comes in the second turn, when the end of the turn would also
    // bring the verdict; the question stays up for ten seconds of the turn.
    void abandoningDuringATurn()
    {
        QFETCH(bool, conEsci);
        QFETCH(int, risposta);
        Anagramma w;
        w.estrai({ANCONA, ANDRIA, MONACO});
        w.turno(3.0, {{1.0, [&] { w.scrivi("ANCONA", 4); }}});
        w.estrai({AMALFI, ASCOLI, MILANO});
        w.fakes.messages.setNextAnswer(risposta, 10.0);
        w.turno(-1, {{5.0, [&] {
                          if (conEsci)
                              w.p->Esci.click();
                          else
                              w.p->window()->close();
                      }},
                     {20.0, [&] {
                          if (w.ctx->screens.find<frmProva5>())
                              w.scrivi("AMALFI", 5);
                      }}});
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        if (risposta == mb::No) {
            QVERIFY(w.durato(60));
            QCOMPARE(w.p->lblPunti[1].caption(), QStringLiteral("1"));
            QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
            QVERIFY(!w.R->enabled());
            return;
        }
        // The press returned with the close, not at the turn's end.
        QVERIFY(w.loop().now() - w.inizio < 20);
        w.nullaDopoAbbandono(QStringLiteral("frmProva5"), 120);
    }

    // Closed by the player just after a win, the window takes its winner's
    // voice with it.
    void abandoningAfterAWinLeavesNoJingle()
    {
        Anagramma w;
        w.estrai({ANCONA, ANDRIA, MONACO});
        w.turno(3.0, {{1.0, [&] { w.scrivi("ANCONA", 4); }}});
        w.estrai({AMALFI, ASCOLI, MILANO});
        w.turno(3.0);
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        const double verdetto = w.loop().now();
        w.fakes.messages.setNextAnswer(mb::Yes);
        w.run([&] { w.p->window()->close(); });
        QVERIFY(!w.ctx->screens.find<frmProva5>());
        w.advance(10);
        QVERIFY(!w.suoniDopo(verdetto).contains("ANNA.wav"));
        QCOMPARE(int(w.M().bytGiri[1]), 1);
    }

    void aDuelLaunchedFromTheBoardHandsItsVerdictBack()
    {
        BoardWorld w;
        w.M().strParlato = "Play";
        w.M().strEffetti = "Play";
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(5, 20);   // IL GEO-ANAGRAMMA
        w.fakes.random.pushDraw(2, 2);    // BRUNO starts
        w.passo();
        auto* p = w.ctx->screens.find<frmProva5>();
        QVERIFY(p && p->visible());
        QVERIFY(!R.enabled());
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Inizia BRUNO      "));
        // Whatever names come up: the first row's letters, put back in order
        // with the drawn name at hand, go to the first answer row.
        const auto scriviPrimo = [&] {
            const QString nome = p->varLocalitaTurno[1];
            for (int i = 0; i < 6; ++i)
                for (int j = 0; j < 6; ++j)
                    if (p->riga(1)[j].caption() == nome.mid(i, 1)) {
                        w.drag(p->riga(1)[j], p->riga(4)[i]);
                        break;
                    }
        };
        const double t0 = w.loop().now();
        w.loop().at(t0 + 2.0, scriviPrimo);
        w.loop().at(t0 + 10.0, [&] { w.click(p->cmdEsegui); });
        w.click(p->cmdEsegui);
        QCOMPARE(p->lblPunti[1].caption(), QStringLiteral("1"));
        QCOMPARE(p->lblSecondi[1].caption(), QStringLiteral("50,00"));
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Ora tocca a ANNA       "));
        const double t1 = w.loop().now();
        w.loop().at(t1 + 2.0, scriviPrimo);
        w.loop().at(t1 + 8.0, [&] { w.click(p->cmdEsegui); });
        w.click(p->cmdEsegui);
        QCOMPARE(p->lblSecondi[0].caption(), QStringLiteral("52,00"));
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        w.keyClick(*p, Qt::Key_Return, "\r");
        QVERIFY(!w.ctx->screens.find<frmProva5>());
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira1.enabled() && !R.cmdGira2.enabled());
        QCOMPARE(int(w.M().bytGiri[1]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestGeoAnagramma)
#include "tst_frmProva5.moc"
