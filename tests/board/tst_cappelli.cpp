// The hats of earlier results on the board.
#include "records/archivi.h"
#include "platform/recordfile.h"
#include "testkit/board.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
// Which hat picture each of a contestant's ten hats shows: 'C', 'S' or '.'.
QString cappelli(frmRuota& R, int w)
{
    const QRgb c = FakePictureLoader::colourOf("cappellino1.gif").rgb();
    const QRgb s = FakePictureLoader::colourOf("cappellino2.gif").rgb();
    QString out;
    ControlArray<Image>& hats = w == 1 ? R.cappello1 : R.cappello2;
    for (int i = 0; i <= 9; ++i) {
        const QPixmap p = hats[i].picture();
        const QRgb px = p.isNull() ? 0 : p.toImage().pixel(0, 0);
        out += p.isNull() ? QLatin1Char('.') : px == c ? QLatin1Char('C') : px == s ? QLatin1Char('S') : QLatin1Char('?');
    }
    return out;
}
}  // namespace

class TestCappelli : public QObject {
    Q_OBJECT
private slots:
    void aTournamentShowsEachPlayersPointsSoFar()
    {
        BoardWorld w;
        w.M().bytTipoGioco = 2;
        w.M().strFileCampionato = w.path("saved1/Coppa.002");
        w.M().strFileMontepremi = w.path("saved1/Coppa.m02");
        w.M().strNomeConcorrente[1] = QStringLiteral("ROSSI");
        w.M().strNomeConcorrente[2] = QStringLiteral("ESTRANEO");
        QList<QByteArray> giocatori;
        for (const char* nome : {"VERDI", "ROSSI", "NERI", "BIANCHI"}) {
            auto g = RecGiocatoreCampionato::nuovo(QString::fromLatin1(nome));
            if (g.Nome == QStringLiteral("ROSSI      ")) {
                g.Esiti[1] = QLatin1Char('C');
                g.Esiti[2] = QLatin1Char('-');
                g.Esiti[3] = QLatin1Char('S');
            }
            giocatori << g.codifica();
        }
        QVERIFY(RecordFile(w.M().strFileCampionato).replaceAll(giocatori));
        frmRuota& R = w.apri();
        QCOMPARE(cappelli(R, 1), QStringLiteral("CS........"));
        QCOMPARE(int(R.bytCappelli[1]), 2);
        QCOMPARE(cappelli(R, 2), QStringLiteral(".........."));   // no record bears his name
        QCOMPARE(int(R.bytCappelli[2]), 0);
    }

    void aSeasonShowsTheLastTenResultsOfEachRun_data()
    {
        QTest::addColumn<int>("partite");
        QTest::addColumn<QString>("atteso");
        // Results alternate C and S from the first match, so each window shows
        // where it starts.
        QTest::newRow("14 matches: 5 to 14") << 14 << "CSCSCSCSCS";
        QTest::newRow("10 matches: 1 to 10") << 10 << "CSCSCSCSCS";
        QTest::newRow("11 matches: 2 to 11") << 11 << "SCSCSCSCSC";
        QTest::newRow("3 matches") << 3 << "CSC.......";
        QTest::newRow("a challenger") << 0 << "..........";
        QTest::newRow("a damaged count: the last ten of thirty") << 999 << "CSCSCSCSCS";
    }
    void aSeasonShowsTheLastTenResultsOfEachRun()
    {
        QFETCH(int, partite);
        QFETCH(QString, atteso);
        BoardWorld w;
        w.M().bytTipoGioco = 3;
        w.M().strFileStagione = w.path("saved1/Estate.003");
        w.M().strFileMontepremi = w.path("saved1/Estate.m03");
        auto seggio = RecPostazioneStagione::vuota();
        seggio.Nome = QStringLiteral("ANNA");
        seggio.Partite = qint16(partite);
        for (int i = 1; i <= qMin(partite, 30); ++i)
            seggio.Esiti[i] = i % 2 ? QLatin1Char('C') : QLatin1Char('S');
        QVERIFY(RecordFile(w.M().strFileStagione).replaceAll({seggio.codifica(), RecPostazioneStagione::vuota().codifica()}));
        frmRuota& R = w.apri();
        QCOMPARE(cappelli(R, 1), atteso);
        QCOMPARE(int(R.bytCappelli[1]), int(atteso.count(QLatin1Char('C')) + atteso.count(QLatin1Char('S'))));
        QCOMPARE(cappelli(R, 2), QStringLiteral(".........."));
    }
};

ZOLMERA_TEST_MAIN(TestCappelli)
#include "tst_cappelli.moc"
