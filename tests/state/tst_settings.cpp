// The settings file zolmer.dat: its bytes, its reading rules and the safe save.
#include "platform/filefaults.h"
#include "platform/recordfile.h"
#include "state/settings.h"
#include "testkit/world.h"

#include <QFile>
#include <QFileInfo>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
QByteArray texts(const QStringList& fields)
{
    QByteArray out;
    for (const QString& f : fields) {
        const QByteArray b = toCp1252(f);
        out += char(b.size() & 0xFF);
        out += char((b.size() >> 8) & 0xFF);
        out += b;
    }
    return out;
}
QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void recordBytesArePinned()
    {
        const QByteArray defaults = codificaImpostazioni(impostazioniPredefinite());
        QCOMPARE(defaults.size(), 66);
        QCOMPARE(defaults, texts({"Z", "N", "X", "M", "W", "I", "S", "K", "A", "J", "D", "L", "Si", "Si", "Si",
                                  "ZOLMER90", "Si", "Si"}));
        // The second text is contestant 2's booking key, not contestant 1's spin key.
        QCOMPARE(defaults.mid(3, 3), QByteArray("\x01\x00N", 3));

        RecImpostazioni mouse = impostazioniPredefinite();
        mouse.Prenota[2] = mouse.Gira[2] = QStringLiteral("Mouse");
        const QByteArray withMouse = codificaImpostazioni(mouse);
        QCOMPARE(withMouse.size(), 74);
        QCOMPARE(withMouse.mid(3, 7), QByteArray("\x05\x00Mouse", 7));

        const auto back = decodificaImpostazioni(withMouse);
        QVERIFY(back);
        QCOMPARE(back->Gira[2], QStringLiteral("Mouse"));
        QCOMPARE(back->Su[2], QStringLiteral("I"));
    }

    void storedValuesReadAsTheGameHoldsThem_data()
    {
        QTest::addColumn<QString>("switchText");
        QTest::addColumn<QString>("edition");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("siNo");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("digit");
        QTest::newRow("No is off") << "No" << "ZOLMER90" << "" << "No" << "ZOLMER90" << "1";
        QTest::newRow("Si is on") << "Si" << "ZOLMER91" << "Play" << "Si" << "ZOLMER91" << "3";
        QTest::newRow("lower-case no is on") << "no" << "SERO92" << "Play" << "Si" << "SERO92" << "2";
        QTest::newRow("empty is on") << "" << "ZOLMER93" << "Play" << "Si" << "ZOLMER93" << "4";
        QTest::newRow("unknown edition leaves none") << "Si" << "zolmer90" << "Play" << "Si" << "" << QString(QChar(0));
    }
    void storedValuesReadAsTheGameHoldsThem()
    {
        QFETCH(QString, switchText);
        QFETCH(QString, edition);
        QFETCH(QString, sound);
        QFETCH(QString, siNo);
        QFETCH(QString, key);
        QFETCH(QString, digit);
        RecImpostazioni rec = impostazioniPredefinite();
        rec.Musica = rec.Parlato = rec.Effetti = rec.Sigla = rec.Conduce = switchText;
        rec.ModGioco = edition;
        Modulo1 m;
        applicaImpostazioni(m, rec);
        QCOMPARE(m.strMusica, sound);
        QCOMPARE(m.strParlato, sound);
        QCOMPARE(m.strEffetti, sound);
        QCOMPARE(m.strSigla, siNo);
        QCOMPARE(m.strConduce, siNo);
        QCOMPARE(m.strModGioco, key);
        QCOMPARE(m.strNumModGioco.str(), digit);
    }

    void unusableFilesGiveTheDefaultsAndCreateNothing_data()
    {
        QTest::addColumn<QByteArray>("content");   // "<missing>" for no file
        QTest::addColumn<int>("esito");
        QTest::newRow("missing") << QByteArray("<missing>") << int(EsitoLettura::Mancante);
        QTest::newRow("empty") << QByteArray() << int(EsitoLettura::Vuoto);
        QTest::newRow("a slot of zeros") << QByteArray(128, '\0') << int(EsitoLettura::Vuoto);
        QTest::newRow("ends inside the record") << texts({"Z", "N", "X", "M", "W"}) << int(EsitoLettura::Illeggibile);
        QTest::newRow("a text running past its slot") << QByteArray("\xF0\x00", 2) + QByteArray(300, 'A')
                                                      << int(EsitoLettura::Illeggibile);
    }
    void unusableFilesGiveTheDefaultsAndCreateNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, esito);
        TestWorld w;
        if (content != "<missing>")
            w.touch("zolmer.dat", content);
        const auto lettura = leggiImpostazioni(w.path("zolmer.dat"));
        QCOMPARE(int(lettura.esito), esito);
        QCOMPARE(codificaImpostazioni(lettura.rec), codificaImpostazioni(impostazioniPredefinite()));
        QCOMPARE(QFileInfo::exists(w.path("zolmer.dat")), content != "<missing>");
        if (content != "<missing>")
            QCOMPARE(readFile(w.path("zolmer.dat")), content);
    }

    void aRecordWrittenByTheOriginalLayoutReadsBack()
    {
        // No padding after the record: the file is just the 66 bytes.
        TestWorld w;
        RecImpostazioni rec = impostazioniPredefinite();
        rec.Musica = QStringLiteral("No");
        rec.Dx[1] = QStringLiteral("É");
        w.touch("zolmer.dat", codificaImpostazioni(rec));
        const auto lettura = leggiImpostazioni(w.path("zolmer.dat"));
        QCOMPARE(int(lettura.esito), int(EsitoLettura::Letto));
        QCOMPARE(lettura.rec.Musica, QStringLiteral("No"));
        QCOMPARE(lettura.rec.Dx[1], QStringLiteral("É"));
    }

    void savingWritesSlotOneAndThenTheState()
    {
        TestWorld w;
        RecImpostazioni rec = impostazioniPredefinite();
        rec.ModGioco = QStringLiteral("SERO92");
        rec.Effetti = QStringLiteral("No");
        QVERIFY(salvaImpostazioni(*w.ctx, rec));
        const QByteArray onDisk = readFile(w.path("zolmer.dat"));
        const QByteArray record = codificaImpostazioni(rec);
        QCOMPARE(onDisk.size(), 128);
        QCOMPARE(onDisk.left(record.size()), record);
        QCOMPARE(onDisk.mid(record.size()), QByteArray(128 - record.size(), '\0'));
        QCOMPARE(w.M().strNumModGioco.str(), QStringLiteral("2"));
        QCOMPARE(w.M().strEffetti, QString());
        QVERIFY(w.fakes.messages.asked.isEmpty());
    }

    void aRecordTooLongForItsSlotIsRefusedAndChangesNothing()
    {
        TestWorld w;
        RecImpostazioni rec = impostazioniPredefinite();
        rec.Su[1] = QString(60, QLatin1Char('W'));   // direction boxes have no length limit
        rec.Musica = QStringLiteral("No");
        rec.Giu[1] = QStringLiteral("SSSS");
        QCOMPARE(codificaImpostazioni(rec).size(), 128);
        QVERIFY(salvaImpostazioni(*w.ctx, rec));   // exactly one slot still fits
        const QByteArray saved = readFile(w.path("zolmer.dat"));

        RecImpostazioni tooLong = rec;
        tooLong.Giu[1] = QStringLiteral("SSSSS");
        tooLong.Musica = QStringLiteral("Si");
        QVERIFY(!salvaImpostazioni(*w.ctx, tooLong));
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        QCOMPARE(w.fakes.messages.asked[0].title, QStringLiteral("ATTENZIONE!"));
        QCOMPARE(w.fakes.messages.asked[0].flags & mb::Exclamation, mb::Exclamation);
        QCOMPARE(readFile(w.path("zolmer.dat")), saved);
        QCOMPARE(w.M().strGiu1, QStringLiteral("SSSS"));
        QCOMPARE(w.M().strMusica, QString());
    }

    void aFailedWriteIsReportedAndKeepsTheOldSettings()
    {
        TestWorld w;
        auto ctx = std::make_unique<AppContext>(w.fakes.platform(), w.path("no/such/folder"));
        ctx->M.strMusica = QStringLiteral("Play");
        RecImpostazioni rec = impostazioniPredefinite();
        rec.Musica = QStringLiteral("No");
        QVERIFY(!salvaImpostazioni(*ctx, rec));
        QCOMPARE(ctx->M.strMusica, QStringLiteral("Play"));
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        QCOMPARE(w.fakes.messages.asked[0].title, QStringLiteral("ATTENZIONE!"));
    }

    void aRefusedWriteIsReportedAndKeepsTheOldSettings_data()
    {
        QTest::addColumn<int>("step");
        QTest::newRow("opening refused") << int(FileStep::Open);
        QTest::newRow("writing refused") << int(FileStep::Write);
        QTest::newRow("putting in place refused") << int(FileStep::Rename);
    }
    void aRefusedWriteIsReportedAndKeepsTheOldSettings()
    {
        QFETCH(int, step);
        TestWorld w;
        RecImpostazioni rec = impostazioniPredefinite();
        rec.Musica = QStringLiteral("No");
        QVERIFY(salvaImpostazioni(*w.ctx, rec));
        const QByteArray saved = readFile(w.path("zolmer.dat"));

        w.fakes.fileFaults.refuseNext(FileStep(step), w.path("zolmer.dat"), QStringLiteral("file di sola lettura"));
        RecImpostazioni changed = rec;
        changed.Musica = QStringLiteral("Si");
        changed.ModGioco = QStringLiteral("SERO92");
        QVERIFY(!salvaImpostazioni(*w.ctx, changed));
        QCOMPARE(w.fakes.fileFaults.refused.size(), 1);
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        const auto& box = w.fakes.messages.asked[0];
        QCOMPARE(box.title, QStringLiteral("ATTENZIONE!"));
        QCOMPARE(box.flags & mb::Exclamation, mb::Exclamation);
        QVERIFY2(box.prompt.contains(QLatin1String("zolmer.dat")) && box.prompt.contains(QLatin1String("file di sola lettura")),
                 qPrintable(box.prompt));
        QCOMPARE(readFile(w.path("zolmer.dat")), saved);
        QCOMPARE(w.M().strMusica, QString());
        QCOMPARE(w.M().strModGioco, QStringLiteral("ZOLMER90"));
    }
};

ZOLMERA_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
