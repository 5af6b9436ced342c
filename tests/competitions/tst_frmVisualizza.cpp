// The tournament's screen: the matchday and the next fixture its activation
// takes from the files, the winnings each player carries, browsing, the
// proclamation, the print and the way out.
#include "competitions/frmVisualizza.h"
#include "platform/recordfile.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QFile>

using namespace zolmera;
using namespace zolmera::testing;

namespace {

struct TorneoWorld : BoardWorld {
    TorneoWorld()
    {
        loop().setToday(QDate(2026, 12, 10));
        M().bytTipoGioco = 2;
        M().strFileCampionato = path("saved1/Coppa.002");
        M().strFileGiornate = path("saved1/Coppa.d02");
        M().strFileMontepremi = path("saved1/Coppa.m02");
        M().strFilePunteggi = path("scores1/score002.dat");
        VbArray<FixedText<11>, 1, 4> p;
        for (int k = 1; k <= 4; ++k) {
            p[k] = QStringLiteral("P%1").arg(k);
            giocatori << RecGiocatoreCampionato::nuovo(p[k]);
        }
        giornate = calendarioCampionato(p);
        scrivi();
        for (int k = 1; k <= 3; ++k)
            touch(QStringLiteral("images1/risultato%1.gif").arg(k), "x");
        montepremi(0);
    }
    void montepremi(qint16 giocate) { touch("saved1/Coppa.m02", slot(le16(giocate) + le16(12) + le32(1000))); }
    void scrivi()
    {
        QList<QByteArray> g, d;
        for (const auto& r : giocatori)
            g << r.codifica();
        for (const auto& r : giornate)
            d << r.codifica();
        RecordFile(M().strFileCampionato).replaceAll(g);
        RecordFile(M().strFileGiornate).replaceAll(d);
    }
    frmVisualizza& apriTorneo()
    {
        run([&] { ctx->rotte.mostra(Schermo::Campionato); });
        settle();
        return *ctx->screens.find<frmVisualizza>();
    }
    QStringList incontri(frmVisualizza& v) const
    {
        return {v.lblGiocaCasa1.caption() + "-" + v.lblGiocaFuori1.caption() + ":" + v.lblRisultato1.caption(),
                v.lblGiocaCasa2.caption() + "-" + v.lblGiocaFuori2.caption() + ":" + v.lblRisultato2.caption()};
    }
    QStringList contendenti() { return {M().strNomeConcorrente[1], M().strNomeConcorrente[2]}; }
    QByteArray file(const char* n) const
    {
        QFile f(path(QLatin1String(n)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
    }
    QString ultimoMessaggio() const { return fakes.messages.asked.isEmpty() ? QString() : fakes.messages.asked.last().prompt; }
    QList<RecGiocatoreCampionato> giocatori;
    QList<RecGiornataCampionato> giornate;
};

QString n11(const char* n) { return QString::fromLatin1(n).leftJustified(11); }

// The icons of a row, one character a matchday: 'C', 'S', '-' or '.'.
QString icone(ControlArray<Image>& riga)
{
    QString out;
    for (int d = 0; d < 6; ++d) {
        const QPixmap p = riga[d].picture();
        const QRgb px = p.isNull() ? 0 : p.toImage().pixel(0, 0);
        out += p.isNull()                                                        ? QLatin1Char('.')
               : px == FakePictureLoader::colourOf("risultato1.gif").rgb() ? QLatin1Char('C')
               : px == FakePictureLoader::colourOf("risultato2.gif").rgb() ? QLatin1Char('S')
               : px == FakePictureLoader::colourOf("risultato3.gif").rgb() ? QLatin1Char('-')
                                                                             : QLatin1Char('?');
    }
    return out;
}

}  // namespace

class TestVisualizza : public QObject {
    Q_OBJECT
private slots:
    // Two matches a matchday; the sixth, over, once twelve are played.
    void theMatchdayFollowsTheMatchesPlayed_data()
    {
        QTest::addColumn<int>("giocate");
        QTest::addColumn<int>("giornata");
        QTest::addColumn<bool>("finito");
        const int tabella[][3] = {{0, 1, 0}, {1, 1, 0}, {2, 2, 0}, {3, 2, 0},  {4, 3, 0},  {5, 3, 0},  {6, 4, 0},
                                  {7, 4, 0}, {8, 5, 0}, {9, 5, 0}, {10, 6, 0}, {11, 6, 0}, {12, 6, 1}, {-4, 1, 0}};
        for (const auto& r : tabella)
            QTest::addRow("%d played", r[0]) << r[0] << r[1] << bool(r[2]);
    }
    void theMatchdayFollowsTheMatchesPlayed()
    {
        QFETCH(int, giocate);
        QFETCH(int, giornata);
        QFETCH(bool, finito);
        TorneoWorld w;
        w.montepremi(qint16(giocate));
        frmVisualizza& v = w.apriTorneo();
        QCOMPARE(int(w.M().intGiornata), giornata);
        QCOMPARE(v.intTorneoFinito, finito);
        QCOMPARE(v.lblGiornata.caption(), QStringLiteral("Giornata N° %1").arg(giornata));
        QCOMPARE(v.lblData.caption(), QStringLiteral("Oggi è giovedì 10 dicembre 2026"));
    }

    // A new tournament of P1..P4: fixture 2 first, the home player as
    // contestant 1, each with the winnings stored for him.
    void theNextFixtureAndItsPlayersWinnings()
    {
        TorneoWorld w;
        w.giocatori[1].Vincita = 2500;   // P2
        w.giocatori[3].Vincita = 700;    // P4
        w.scrivi();
        frmVisualizza& v = w.apriTorneo();
        QCOMPARE(w.incontri(v), (QStringList{n11("P3") + "-" + n11("P1") + ":" + kDaDisputare,
                                             n11("P4") + "-" + n11("P2") + ":" + kDaDisputare}));
        QCOMPARE(w.contendenti(), (QStringList{n11("P4"), n11("P2")}));
        QCOMPARE((QList<int>{w.M().lngVincita[1], w.M().lngVincita[2]}), (QList<int>{700, 2500}));
        w.click(v.cmdGioca);
        QVERIFY(!v.visible());
        QVERIFY(w.ctx->screens.find<frmRuota>());
        QCOMPARE(w.M().strVoceConcorrente[2], w.path("sounds1/concorrente2.wav"));

        // With fixture 2 played, fixture 1 is next.
        TorneoWorld x;
        x.giornate[0].Risultato2 = QStringLiteral("vince P4");
        x.scrivi();
        x.apriTorneo();
        QCOMPARE(x.contendenti(), (QStringList{n11("P3"), n11("P1")}));
        QCOMPARE((QList<int>{x.M().lngVincita[1], x.M().lngVincita[2]}), (QList<int>{0, 0}));
    }

    // After the third match: the other fixture of matchday 2, whatever
    // matchday is on display when "Gioca" is pressed.
    void browsingChangesNoFixture()
    {
        TorneoWorld w;
        w.giornate[0].Risultato1 = QStringLiteral("vince P3");
        w.giornate[0].Risultato2 = QStringLiteral("gara in PARITA'");
        w.giornate[1].Risultato2 = QStringLiteral("vince P2");
        w.scrivi();
        w.montepremi(3);
        frmVisualizza& v = w.apriTorneo();
        const QStringList prossimo{w.giornate[1].Casa1, w.giornate[1].Fuori1};
        QCOMPARE(w.contendenti(), prossimo);
        w.click(v.cmdPrecedente);
        QCOMPARE(v.lblGiornata.caption(), QStringLiteral("Giornata N°  1"));
        QCOMPARE(w.incontri(v)[0], QString(w.giornate[0].Casa1) + "-" + w.giornate[0].Fuori1 + ":" + n11("vince P3").leftJustified(17));
        w.click(v.cmdPrecedente);   // nothing before the first
        QCOMPARE(v.giornataMostrata(), 1);
        QCOMPARE(v.lblGiornata.caption(), QStringLiteral("Giornata N°  1"));
        for (int k = 0; k < 7; ++k)
            w.click(v.cmdSuccessivo);
        QCOMPARE(v.giornataMostrata(), 6);
        QCOMPARE(v.lblGiornata.caption(), QStringLiteral("Giornata N°  6"));
        QCOMPARE(w.contendenti(), prossimo);
        QCOMPARE(int(w.M().intGiornata), 2);
        const QByteArray giornate = w.file("saved1/Coppa.d02");
        w.click(v.cmdGioca);
        QVERIFY(w.ctx->screens.find<frmRuota>());
        QCOMPARE(w.contendenti(), prossimo);
        QCOMPARE(int(w.M().intGiornata), 2);
        QCOMPARE(w.file("saved1/Coppa.d02"), giornate);
    }

    // Points first, then winnings, row 1 against rows 2, 3 and 4 in turn.
    void theProclamation_data()
    {
        QTest::addColumn<QList<int>>("punti");
        QTest::addColumn<QList<int>>("vincite");
        QTest::addColumn<QString>("testo");
        QTest::newRow("9 points beat 8") << QList<int>{9, 8, 4, 2} << QList<int>{100, 5000, 0, 0}
                                        << "Il vincitore è " + n11("P1");
        QTest::newRow("level on points, more winnings") << QList<int>{8, 8, 4, 2} << QList<int>{1500, 1000, 0, 0}
                                                        << "Il vincitore è " + n11("P1");
        QTest::newRow("level on both: rows 1 and 2") << QList<int>{8, 8, 4, 2} << QList<int>{1000, 1000, 0, 0}
                                                     << n11("P1") + " e " + n11("P2") + " sono campioni pari merito";
        QTest::newRow("level on both: rows 1 to 3")
            << QList<int>{6, 6, 6, 2} << QList<int>{1000, 1000, 1000, 0}
            << n11("P1") + ", " + n11("P2") + " e " + n11("P3") + " sono campioni pari merito";
        QTest::newRow("all four level")
            << QList<int>{6, 6, 6, 6} << QList<int>{0, 0, 0, 0}
            << n11("P1") + ", " + n11("P2") + ", " + n11("P3") + " e " + n11("P4") + " sono campioni pari merito";
    }
    void theProclamation()
    {
        QFETCH(QList<int>, punti);
        QFETCH(QList<int>, vincite);
        QFETCH(QString, testo);
        TorneoWorld w;
        for (int r = 0; r < 4; ++r) {
            w.giocatori[r].Punti = qint16(punti[r]);
            w.giocatori[r].Vincita = vincite[r];
        }
        for (auto& g : w.giornate)
            g.Risultato1 = g.Risultato2 = QStringLiteral("gara in PARITA'");
        w.scrivi();
        w.montepremi(12);
        frmVisualizza& v = w.apriTorneo();
        QVERIFY(v.intTorneoFinito);
        const QByteArray prima = w.file("saved1/Coppa.002") + w.file("saved1/Coppa.d02") + w.file("saved1/Coppa.m02");
        // Again and again, with browsing and printing still at work.
        w.click(v.cmdGioca);
        w.click(v.cmdPrecedente);
        QCOMPARE(v.giornataMostrata(), 5);
        w.click(v.cmdStampa);
        QCOMPARE(w.fakes.printer.documents.size(), 1);
        w.click(v.cmdGioca);
        QCOMPARE(w.fakes.messages.asked.size(), 2);
        for (const auto& m : w.fakes.messages.asked) {
            QCOMPARE(m.prompt, testo);
            QCOMPARE(m.title, QStringLiteral("PROCLAMAZIONE VINCITORE"));
            QCOMPARE(m.flags, mb::OKOnly | mb::Information);
        }
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QCOMPARE(w.file("saved1/Coppa.002") + w.file("saved1/Coppa.d02") + w.file("saved1/Coppa.m02"), prima);
    }

    // Each matchday's result as an icon: "C", "S" and "-" have theirs, "n" none.
    void theStandingsRows()
    {
        TorneoWorld w;
        RecGiocatoreCampionato& p3 = w.giocatori[2];
        p3.Esiti[1] = QLatin1Char('-');
        p3.Esiti[2] = QLatin1Char('S');
        p3.Punti = 2;
        p3.Vincita = 1234567;
        w.giocatori[0].Esiti[1] = QLatin1Char('C');
        w.giocatori[0].Punti = 1;
        w.scrivi();
        w.montepremi(4);
        frmVisualizza& v = w.apriTorneo();
        QCOMPARE(v.lblNome3.caption(), n11("P3"));
        QCOMPARE(v.lblPunti3.caption(), QStringLiteral("2"));
        QCOMPARE(v.lblVincita3.caption(), QStringLiteral("€. 1.234.567"));
        QCOMPARE(v.lblVincita2.caption(), QStringLiteral("€. 0"));
        QCOMPARE(icone(v.Image3), QStringLiteral("-S...."));
        QCOMPARE(icone(v.Image1), QStringLiteral("C....."));
        QCOMPARE(icone(v.Image2), QStringLiteral("......"));
    }

    // Every matchday and the standings, read from the files, in equal-width
    // characters.
    void thePrint()
    {
        TorneoWorld w;
        w.giornate[0].Risultato2 = QStringLiteral("vince P4");
        w.giocatori[3].Punti = 2;
        w.giocatori[3].Vincita = 1250;
        w.scrivi();
        frmVisualizza& v = w.apriTorneo();
        w.click(v.cmdStampa);
        QCOMPARE(w.fakes.printer.documents.size(), 1);
        const FakePrinter::Document& d = w.fakes.printer.documents.first();
        QVERIFY(d.ended);
        QStringList righe;
        for (const FakePrinter::Line& l : d.lines) {
            QVERIFY(l.fixedPitch);
            righe << l.text;
        }
        QStringList attese{QStringLiteral("CAMPIONATO: ") + w.M().strFileCampionato};
        for (int g = 0; g < 6; ++g) {
            const RecGiornataCampionato& r = w.giornate[g];
            attese << QStringLiteral("Giornata %1").arg(g + 1)
                   << QString(r.Casa1) + " - " + QString(r.Fuori1) + "   " + QString(r.Risultato1)
                   << QString(r.Casa2) + " - " + QString(r.Fuori2) + "   " + QString(r.Risultato2);
        }
        attese << "Classifica" << "N. Nome        Pt Vincita" << "01 P1          00 €. 0,00" << "02 P2          00 €. 0,00"
               << "03 P3          00 €. 0,00" << "04 P4          02 €. 1.250,00";
        QCOMPARE(righe, attese);
        QCOMPARE(righe[3], n11("P4") + " - " + n11("P2") + "   " + QStringLiteral("vince P4").leftJustified(17));
    }

    // No keeps everything; Yes forgets the tournament and goes back to the start.
    void leavingTheTournament_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::newRow("No") << int(mb::No);
        QTest::newRow("Yes") << int(mb::Yes);
    }
    void leavingTheTournament()
    {
        QFETCH(int, risposta);
        TorneoWorld w;
        frmVisualizza& v = w.apriTorneo();
        w.fakes.messages.setNextAnswer(risposta);
        w.run([&] { v.window()->close(); });
        w.settle();
        QCOMPARE(w.ultimoMessaggio(), QStringLiteral("Vuoi veramente uscire dal torneo %1?").arg(w.path("saved1/Coppa.002")));
        QCOMPARE(w.fakes.messages.asked.last().flags, mb::YesNo | mb::Exclamation | mb::DefaultButton2);
        const bool esce = risposta == mb::Yes;
        QCOMPARE(w.ctx->screens.find<frmVisualizza>() == nullptr, esce);
        for (const QString* p : {&w.M().strFileCampionato, &w.M().strFileGiornate, &w.M().strFileMontepremi,
                                 &w.M().strFilePunteggi})
            QCOMPARE(p->isEmpty(), esce);
        frmMenu* menu = w.ctx->screens.find<frmMenu>();
        QCOMPARE(menu && menu->visible(), esce);
    }

    // Damaged files set up no match: a box names the file, and nothing is
    // written.
    void aDamagedFileStartsNoMatch_data()
    {
        QTest::addColumn<int>("guasto");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("a matchday with no open fixture")
            << 1 << QStringLiteral("Il file %1 non ha un incontro da disputare nella giornata 1: la partita non può cominciare.");
        QTest::newRow("a matchday the file does not hold")
            << 2 << QStringLiteral("Il file %1 non ha un incontro da disputare nella giornata 4: la partita non può cominciare.");
        QTest::newRow("a player missing from the standings")
            << 3 << QStringLiteral("Il giocatore P2 non è nel file %1: la partita non può cominciare.");
    }
    void aDamagedFileStartsNoMatch()
    {
        QFETCH(int, guasto);
        QFETCH(QString, messaggio);
        TorneoWorld w;
        if (guasto == 1) {
            w.giornate[0].Risultato1 = QStringLiteral("vince P3");
            w.giornate[0].Risultato2 = QStringLiteral("vince P4");
        } else if (guasto == 2) {
            w.giornate = w.giornate.mid(0, 3);
            w.montepremi(6);
        } else {
            w.giocatori[1].Nome = QStringLiteral("ALTRO");
        }
        w.scrivi();
        frmVisualizza& v = w.apriTorneo();
        const QByteArray prima = w.file("saved1/Coppa.002") + w.file("saved1/Coppa.d02") + w.file("saved1/Coppa.m02");
        w.click(v.cmdGioca);
        QCOMPARE(w.ultimoMessaggio(), messaggio.arg(guasto == 3 ? w.M().strFileCampionato : w.M().strFileGiornate));
        QCOMPARE(w.fakes.messages.asked.last().title, QStringLiteral("ATTENZIONE!"));
        QVERIFY(v.visible());
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QCOMPARE(w.file("saved1/Coppa.002") + w.file("saved1/Coppa.d02") + w.file("saved1/Coppa.m02"), prima);
    }

    void helpOpensTheTournamentsPage()
    {
        TorneoWorld w;
        frmVisualizza& v = w.apriTorneo();
        w.keyClick(v, Qt::Key_F1);
        w.run([&] { v.Guida.click(); });
        QCOMPARE(w.fakes.help.topics, (QList<int>{14, 14}));
    }
};

ZOLMERA_TEST_MAIN(TestVisualizza)
#include "tst_frmVisualizza.moc"
