// The competitions' record layouts, their companion files and the files a
// fresh installation supplies.
#include "records/archivi.h"
#include "platform/recordfile.h"
#include "testkit/bytes.h"
#include "testkit/world.h"

#include <QFile>

#include <cstring>

using namespace zolmera;
using namespace zolmera::testing;

class TestArchivi : public QObject {
    Q_OBJECT
private slots:
    void companionPaths_data()
    {
        QTest::addColumn<QString>("scelto");
        QTest::addColumn<QString>("estensione");
        QTest::addColumn<QString>("compagno");
        QTest::newRow("season") << "/gare/Estate.003" << ".d03" << "/gare/Estate.d03";
        QTest::newRow("season jackpot") << "/gare/Estate.003" << ".m03" << "/gare/Estate.m03";
        QTest::newRow("no extension typed") << "/gare/Inverno" << ".d03" << "/gare/Inv.d03";
        QTest::newRow("tournament") << "/home/luca/Coppa.002" << ".m02" << "/home/luca/Coppa.m02";
        QTest::newRow("a path shorter than the cut") << "abc" << ".m02" << ".m02";
    }
    void companionPaths()
    {
        QFETCH(QString, scelto);
        QFETCH(QString, estensione);
        QFETCH(QString, compagno);
        QCOMPARE(percorsoCompagno(scelto, estensione), compagno);
    }

    void recordLayoutsArePinned()
    {
        QCOMPARE(RecPunteggio::segnaposto().codifica(),
                 QByteArray("  unknown  ") + doppio(38078.0) + QByteArray(10, '\0'));
        QCOMPARE((RecMontepremi{3, 300, 1250}.codifica()), le16(3) + le16(300) + le32(1250));

        RecPostazioneStagione campione = RecPostazioneStagione::vuota();
        campione.Nome = QStringLiteral("ROSSI");
        campione.Partite = 3;
        campione.Esiti[1] = campione.Esiti[2] = QLatin1Char('C');
        campione.Esiti[3] = QLatin1Char('S');
        campione.Vincita = 4200;
        const QByteArray seggio = campione.codifica();
        QCOMPARE(seggio.size(), 47);
        QCOMPARE(seggio, QByteArray("ROSSI      ") + le16(3) + "CCS" + QByteArray(27, 'n') + le32(4200));
        const auto letto = RecPostazioneStagione::decodifica(seggio);
        QCOMPARE(letto.Partite, qint16(3));
        QCOMPARE(letto.Esiti[3], QChar('S'));
        QCOMPARE(letto.Esiti[4], QChar('n'));

        RecGiocatoreCampionato g = RecGiocatoreCampionato::nuovo(QStringLiteral("VERDI"));
        QCOMPARE(g.codifica(), QByteArray("VERDI      ") + le16(0) + "nnnnnn" + le32(0));

        RecGiornataCampionato giornata;
        giornata.Casa1 = QStringLiteral("ROSSI");
        giornata.Fuori1 = QStringLiteral("BIANCHI");
        giornata.Risultato1 = QStringLiteral("vince ") + FixedText<11>(QStringLiteral("ROSSI")).str();
        giornata.Casa2 = QStringLiteral("NERI");
        giornata.Fuori2 = QStringLiteral("VERDI");
        giornata.Risultato2 = QStringLiteral("gara in PARITA'");
        const QByteArray bytes = giornata.codifica();
        QCOMPARE(bytes.size(), 78);
        QCOMPARE(bytes.mid(22, 17), QByteArray("vince ROSSI      "));
        QCOMPARE(bytes.mid(61, 17), QByteArray("gara in PARITA'  "));
        QCOMPARE(RecGiornataCampionato::decodifica(bytes).Risultato1.str(), QStringLiteral("vince ROSSI      "));
    }

    void aRecordInSlotFiveStartsAtByte512()
    {
        TestWorld w;
        RecordFile f(w.path("Coppa.002"));
        QList<QByteArray> quattro;
        for (int k = 1; k <= 4; ++k)
            quattro << RecGiocatoreCampionato::nuovo(QStringLiteral("G%1").arg(k)).codifica();
        QVERIFY(f.replaceAll(quattro));
        QVERIFY(f.writeSlot(5, RecPunteggio::segnaposto().codifica()));
        QFile raw(w.path("Coppa.002"));
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray tutto = raw.readAll();
        QCOMPARE(tutto.mid(512, 11), QByteArray("  unknown  "));
        QCOMPARE(RecGiocatoreCampionato::decodifica(f.readSlot(4)).Nome.str(), QStringLiteral("G4         "));
    }

    void damagedRecordsReadSafely_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut in a name") << QByteArray("ROSS");
        QTest::newRow("cut in the results") << QByteArray("ROSSI      ") + le16(20) + QByteArray("CCCS");
        QTest::newRow("foreign bytes") << QByteArray(128, char(0xFF));
    }
    void damagedRecordsReadSafely()
    {
        QFETCH(QByteArray, bytes);
        const auto seggio = RecPostazioneStagione::decodifica(bytes);
        QCOMPARE(seggio.Nome.str().size(), 11);
        const auto punteggio = RecPunteggio::decodifica(bytes);
        QCOMPARE(punteggio.Nome.str().size(), 11);
        const auto giornata = RecGiornataCampionato::decodifica(bytes);
        QCOMPARE(giornata.Risultato2.str().size(), 17);
        RecMontepremi::decodifica(bytes);
        RecGiocatoreCampionato::decodifica(bytes);
    }

    void theTournamentCalendarIsTheFixedDoubleRoundRobin()
    {
        VbArray<FixedText<11>, 1, 4> P;
        for (int k = 1; k <= 4; ++k)
            P[k] = QStringLiteral("P%1").arg(k);
        const auto cal = calendarioCampionato(P);
        QCOMPARE(cal.size(), 6);
        const char* atteso[6][4] = {{"P3", "P1", "P4", "P2"}, {"P1", "P4", "P2", "P3"}, {"P4", "P3", "P2", "P1"},
                                    {"P1", "P3", "P2", "P4"}, {"P4", "P1", "P3", "P2"}, {"P3", "P4", "P1", "P2"}};
        for (int d = 0; d < 6; ++d) {
            QCOMPARE(vbTrim(cal[d].Casa1), QString::fromLatin1(atteso[d][0]));
            QCOMPARE(vbTrim(cal[d].Fuori1), QString::fromLatin1(atteso[d][1]));
            QCOMPARE(vbTrim(cal[d].Casa2), QString::fromLatin1(atteso[d][2]));
            QCOMPARE(vbTrim(cal[d].Fuori2), QString::fromLatin1(atteso[d][3]));
            QCOMPARE(cal[d].Risultato1.str(), QStringLiteral("da disputare     "));
        }
    }

    void aFreshInstallationHasItsScoreAndJackpotFiles()
    {
        for (int d = 1; d <= 4; ++d) {
            const QString scores = QStringLiteral(ZOLMERA_PROGRAM_DIR "/scores%1/").arg(d);
            const auto montepremi = RecMontepremi::decodifica(RecordFile(scores + "mtpremi.dat").readSlot(1));
            QCOMPARE(montepremi.Montepremi, 1000);
            for (const char* nome : {"score001.dat", "score002.dat", "score003.dat"}) {
                const RecordFile tabella(scores + QString::fromLatin1(nome));
                QVERIFY2(tabella.slotCount() >= 19, nome);
                for (int i = 1; i <= 19; ++i) {
                    const auto voce = RecPunteggio::decodifica(tabella.readSlot(i));
                    QCOMPARE(voce.Nome.str(), kSconosciuto);
                    QCOMPARE(voce.Data, QDate(2004, 4, 1));
                }
            }
        }
    }
};

ZOLMERA_TEST_MAIN(TestArchivi)
#include "tst_archivi.moc"
