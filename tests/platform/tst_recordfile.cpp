#include "platform/filefaults.h"
#include "platform/recordfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>
#include <unistd.h>

using namespace zolmera;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray filled(char c, int n)
{
    return QByteArray(n, c);
}

}  // namespace

class TstRecordFile : public QObject {
    Q_OBJECT

private slots:
    void vbDates_data();
    void vbDates();
    void vbDateRejectsNoDates_data();
    void vbDateRejectsNoDates();

    void fieldsRoundTripLittleEndian();
    void textsAreWindows1252();
    void fixedTextPadsAndCuts();
    void shortRecordReadsZeros();
    void lengthPrefixBeyondRecord();

    void slotsAreAt128ByteSteps();
    void shortLastSlotIsPadded();
    void readingMissingFileCreatesNothing();
    void anUnreadableFileSaysSo();
    void writingPastEndFillsZeroSlots();
    void writingKeepsOtherSlots();
    void oversizedRecordIsRefused();
    void writeIntoMissingFolderFails();
    void aRefusedWriteIsReportedAndChangesNothing_data();
    void aRefusedWriteIsReportedAndChangesNothing();
    void writeInReadOnlyFolderGoesInPlace();
    void replaceAllShrinks();
    void createMakesEmptyFileOnce();
};

void TstRecordFile::vbDates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<double>("days");

    QTest::newRow("epoch") << QDate(1899, 12, 30) << 0.0;
    QTest::newRow("april 2004") << QDate(2004, 4, 1) << 38078.0;
    QTest::newRow("before epoch") << QDate(1899, 12, 29) << -1.0;
    QTest::newRow("first day") << QDate(100, 1, 1) << -657434.0;
    QTest::newRow("last day") << QDate(9999, 12, 31) << 2958465.0;
}

void TstRecordFile::vbDates()
{
    QFETCH(QDate, date);
    QFETCH(double, days);
    QCOMPARE(toVbDate(date), days);
    QCOMPARE(fromVbDate(days), date);
    // A time of day does not move the day, on either side of the epoch.
    QCOMPARE(fromVbDate(days + (days < 0 ? -0.75 : 0.75)), date);
}

void TstRecordFile::vbDateRejectsNoDates_data()
{
    QTest::addColumn<double>("days");

    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("+inf") << std::numeric_limits<double>::infinity();
    QTest::newRow("-inf") << -std::numeric_limits<double>::infinity();
    QTest::newRow("after 9999") << 2958466.0;
    QTest::newRow("before year 100") << -657435.0;
    QTest::newRow("absurd") << 1e300;
}

void TstRecordFile::vbDateRejectsNoDates()
{
    QFETCH(double, days);
    QVERIFY(!fromVbDate(days).isValid());
}

void TstRecordFile::fieldsRoundTripLittleEndian()
{
    RecordWriter w;
    w.int16(0x1234);
    w.int16(-2);
    w.int32(0x01020304);
    w.int32(std::numeric_limits<qint32>::min());
    w.date(QDate(2004, 4, 1));
    QCOMPARE(w.size(), 2 + 2 + 4 + 4 + 8);

    // The byte layout, independent of the host.
    const QByteArray b = w.bytes();
    QCOMPARE(b.left(4), QByteArray("\x34\x12\xFE\xFF", 4));
    QCOMPARE(b.mid(4, 4), QByteArray("\x04\x03\x02\x01", 4));
    QCOMPARE(b.mid(8, 4), QByteArray("\x00\x00\x00\x80", 4));
    // 38078.0 as an IEEE double: 0x40E2 97C0 0000 0000.
    QCOMPARE(b.mid(12, 8), QByteArray("\x00\x00\x00\x00\xC0\x97\xE2\x40", 8));

    RecordReader r(b);
    QCOMPARE(r.int16(), qint16(0x1234));
    QCOMPARE(r.int16(), qint16(-2));
    QCOMPARE(r.int32(), qint32(0x01020304));
    QCOMPARE(r.int32(), std::numeric_limits<qint32>::min());
    QCOMPARE(r.date(), QDate(2004, 4, 1));
    QCOMPARE(r.position(), w.size());
    QVERIFY(!r.overrun());
}

void TstRecordFile::textsAreWindows1252()
{
    RecordWriter w;
    w.text(QStringLiteral("Perché più così"));
    w.fixedText(QStringLiteral("€5"), 4);
    w.text(QString());

    QByteArray expected("\x0F\x00", 2);
    expected += "Perch\xE9 pi\xF9 cos\xEC";
    expected += "\x80" "5  ";
    expected += QByteArray("\x00\x00", 2);
    QCOMPARE(w.bytes(), expected);

    RecordReader r(w.bytes());
    QCOMPARE(r.text(), QStringLiteral("Perché più così"));
    QCOMPARE(r.fixedText(4), QStringLiteral("€5  "));
    QCOMPARE(r.text(), QString());
    QVERIFY(!r.overrun());
}

void TstRecordFile::fixedTextPadsAndCuts()
{
    RecordWriter w;
    w.fixedText(QStringLiteral("ab"), 5);
    w.fixedText(QStringLiteral("abcdefgh"), 3);
    w.int16(7);
    QCOMPARE(w.bytes(), QByteArray("ab   abc\x07\x00", 10));

    RecordReader r(w.bytes());
    QCOMPARE(r.fixedText(5), QStringLiteral("ab   "));
    QCOMPARE(r.fixedText(3), QStringLiteral("abc"));
    QCOMPARE(r.int16(), qint16(7));
}

void TstRecordFile::shortRecordReadsZeros()
{
    // One int16 and one byte of the int32 that should follow.
    RecordReader r(QByteArray("\x05\x00\xFF", 3));
    QCOMPARE(r.int16(), qint16(5));
    QVERIFY(!r.overrun());
    QCOMPARE(r.int32(), 0);   // a partial field is no value
    QVERIFY(r.overrun());
    QCOMPARE(r.int16(), qint16(0));
    QCOMPARE(r.dateValue(), 0.0);
    QCOMPARE(r.text(), QString());
    QCOMPARE(r.fixedText(4), QString());

    RecordReader empty{QByteArray()};
    QCOMPARE(empty.date(), QDate(1899, 12, 30));
    QVERIFY(empty.overrun());
}

void TstRecordFile::lengthPrefixBeyondRecord()
{
    // The prefix claims 60000 bytes; only three follow.
    RecordReader r(QByteArray("\x60\xEA" "abc", 5));
    const QString t = r.text();
    QVERIFY(r.overrun());
    QVERIFY(t.size() <= 3);
    QVERIFY(QStringLiteral("abc").startsWith(t));
    QCOMPARE(r.int32(), 0);

    // A prefix cut in half.
    RecordReader half(QByteArray("\x03", 1));
    QCOMPARE(half.text(), QString());
    QVERIFY(half.overrun());
}

void TstRecordFile::slotsAreAt128ByteSteps()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("dati.dat"));
    QByteArray raw;
    for (int slot = 1; slot <= 6; ++slot)
        raw += filled(char('0' + slot), kRecordSlot);
    writeRaw(path, raw);

    RecordFile f(path);
    QCOMPARE(f.slotCount(), 6);
    bool ok = false;
    const QByteArray five = f.readSlot(5, &ok);
    QVERIFY(ok);
    QCOMPARE(five, filled('5', kRecordSlot));
    QCOMPARE(raw.indexOf('5'), 512);
    QCOMPARE(f.readSlot(1), filled('1', kRecordSlot));
    QCOMPARE(f.readSlot(7, &ok), filled('\0', kRecordSlot));
    QVERIFY(ok);
}

void TstRecordFile::shortLastSlotIsPadded()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("corto.dat"));
    writeRaw(path, filled('a', kRecordSlot) + QByteArray("xyz"));

    RecordFile f(path);
    QCOMPARE(f.size(), qint64(kRecordSlot + 3));
    QCOMPARE(f.slotCount(), 2);
    QCOMPARE(f.readSlot(2), QByteArray("xyz") + filled('\0', kRecordSlot - 3));

    // Rewriting that slot makes it whole.
    QVERIFY2(f.writeSlot(2, QByteArray("pq")), qPrintable(f.errorString()));
    QCOMPARE(readAll(path), filled('a', kRecordSlot) + QByteArray("pq") + filled('\0', kRecordSlot - 2));
}

void TstRecordFile::readingMissingFileCreatesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("manca.dat"));
    RecordFile f(path);
    QVERIFY(!f.exists());
    QCOMPARE(f.size(), qint64(0));
    QCOMPARE(f.slotCount(), 0);
    bool ok = false;
    QCOMPARE(f.readSlot(1, &ok), filled('\0', kRecordSlot));
    QVERIFY(ok);
    QVERIFY(!QFile::exists(path));
}

void TstRecordFile::anUnreadableFileSaysSo()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cartella.dat"));
    QVERIFY(QDir().mkdir(path));
    RecordFile f(path);
    bool ok = true;
    QCOMPARE(f.readSlot(1, &ok), filled('\0', kRecordSlot));
    QVERIFY(!ok);
}

void TstRecordFile::writingPastEndFillsZeroSlots()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nuovo.dat"));
    RecordWriter w;
    w.text(QStringLiteral("€"));

    RecordFile f(path);
    QVERIFY2(f.writeSlot(3, w.bytes()), qPrintable(f.errorString()));
    QCOMPARE(f.size(), qint64(384));
    const QByteArray content = readAll(path);
    QCOMPARE(content.left(256), filled('\0', 256));
    QCOMPARE(content.mid(256, 3), QByteArray("\x01\x00\x80", 3));
    QCOMPARE(content.mid(259), filled('\0', kRecordSlot - 3));

    // Another handle on the same path sees it at once.
    RecordReader r(RecordFile(path).readSlot(3));
    QCOMPARE(r.text(), QStringLiteral("€"));
}

void TstRecordFile::writingKeepsOtherSlots()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("misto.dat"));
    RecordFile f(path);
    QVERIFY(f.replaceAll({filled('a', 10), filled('b', kRecordSlot), filled('c', 1)}));
    QVERIFY2(f.writeSlots(2, {filled('x', 3), filled('y', 4), filled('z', 5)}),
             qPrintable(f.errorString()));

    QCOMPARE(f.slotCount(), 4);
    QCOMPARE(f.readSlot(1), filled('a', 10) + filled('\0', kRecordSlot - 10));
    QCOMPARE(f.readSlot(2), filled('x', 3) + filled('\0', kRecordSlot - 3));
    QCOMPARE(f.readSlot(3), filled('y', 4) + filled('\0', kRecordSlot - 4));
    QCOMPARE(f.readSlot(4), filled('z', 5) + filled('\0', kRecordSlot - 5));
}

void TstRecordFile::oversizedRecordIsRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pieno.dat"));
    const QByteArray before = filled('k', 2 * kRecordSlot);
    writeRaw(path, before);

    RecordWriter w;
    w.fixedText(QString(), kRecordSlot + 1);
    QVERIFY(!w.fitsSlot());

    RecordFile f(path);
    // The good record alongside it is not written either.
    QVERIFY(!f.writeSlots(1, {QByteArray("ok"), w.bytes()}));
    QVERIFY(!f.errorString().isEmpty());
    QCOMPARE(readAll(path), before);
    QVERIFY(!f.replaceAll({w.bytes()}));
    QCOMPARE(readAll(path), before);

    // Nor is a missing file created for it.
    RecordFile missing(dir.filePath(QStringLiteral("nonce.dat")));
    QVERIFY(!missing.writeSlot(1, w.bytes()));
    QVERIFY(!missing.exists());
}

void TstRecordFile::writeIntoMissingFolderFails()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("assente"));
    RecordFile f(folder + QStringLiteral("/dati.dat"));
    QVERIFY(!f.writeSlot(1, QByteArray("x")));
    QVERIFY(!f.errorString().isEmpty());
    QVERIFY(!f.replaceAll({QByteArray("x")}));
    QVERIFY(!f.errorString().isEmpty());
    QVERIFY(!f.create());
    QVERIFY(!f.errorString().isEmpty());
    QVERIFY(!QFile::exists(folder));
}

void TstRecordFile::aRefusedWriteIsReportedAndChangesNothing_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("call");
    QTest::addColumn<bool>("existed");

    QTest::newRow("slot, open refused") << int(FileStep::Open) << "writeSlot" << true;
    QTest::newRow("slot, write refused") << int(FileStep::Write) << "writeSlot" << true;
    QTest::newRow("slot, rename refused") << int(FileStep::Rename) << "writeSlot" << true;
    QTest::newRow("whole file, open refused") << int(FileStep::Open) << "replaceAll" << true;
    QTest::newRow("whole file, write refused") << int(FileStep::Write) << "replaceAll" << true;
    QTest::newRow("whole file, rename refused") << int(FileStep::Rename) << "replaceAll" << true;
    QTest::newRow("new file, write refused") << int(FileStep::Write) << "writeSlot" << false;
    QTest::newRow("new file, rename refused") << int(FileStep::Rename) << "replaceAll" << false;
    QTest::newRow("create refused") << int(FileStep::Open) << "create" << false;
}

void TstRecordFile::aRefusedWriteIsReportedAndChangesNothing()
{
    QFETCH(int, step);
    QFETCH(QString, call);
    QFETCH(bool, existed);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sola.dat"));
    const QByteArray before = filled('r', kRecordSlot);
    if (existed)
        writeRaw(path, before);
    FakeFileFaults faults;
    faults.refuseNext(FileStep(step), path, QStringLiteral("disco pieno"));

    RecordFile f(path, &faults);
    auto attempt = [&] {
        if (call == QLatin1String("create"))
            return f.create();
        if (call == QLatin1String("replaceAll"))
            return f.replaceAll({QByteArray("nuovo")});
        return f.writeSlot(1, QByteArray("nuovo"));
    };
    QVERIFY(!attempt());
    QCOMPARE(faults.refused.size(), 1);
    QVERIFY2(f.errorString().contains(path) && f.errorString().contains(QLatin1String("disco pieno")),
             qPrintable(f.errorString()));
    // Nothing half-written, no temporary file left beside it.
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, existed ? QStringList{QStringLiteral("sola.dat")} : QStringList{});
    if (existed)
        QCOMPARE(readAll(path), before);

    // The refusal was the file system's of the moment: the same write goes through now.
    QVERIFY2(attempt(), qPrintable(f.errorString()));
    QCOMPARE(readAll(path), call == QLatin1String("create") ? QByteArray() : QByteArray("nuovo") + filled('\0', kRecordSlot - 5));
}

void TstRecordFile::writeInReadOnlyFolderGoesInPlace()
{
    if (geteuid() == 0)
        QSKIP("root ignores file permissions");
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("chiusa"));
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/dati.dat");
    writeRaw(path, filled('r', kRecordSlot));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

    RecordFile f(path);
    const bool written = f.writeSlot(2, QByteArray("due"));
    const QString error = f.errorString();
    // Another file cannot be made there.
    RecordFile other(folder + QStringLiteral("/altro.dat"));
    const bool created = other.create();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY2(written, qPrintable(error));
    QCOMPARE(readAll(path), filled('r', kRecordSlot) + QByteArray("due") + filled('\0', kRecordSlot - 3));
    QVERIFY(!created);
    QVERIFY(!other.errorString().isEmpty());
}

void TstRecordFile::replaceAllShrinks()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tutto.dat"));
    writeRaw(path, filled('o', 5 * kRecordSlot));

    RecordFile f(path);
    QVERIFY2(f.replaceAll({QByteArray("uno")}), qPrintable(f.errorString()));
    QCOMPARE(readAll(path), QByteArray("uno") + filled('\0', kRecordSlot - 3));
    QVERIFY(f.replaceAll({}));
    QVERIFY(f.exists());
    QCOMPARE(f.size(), qint64(0));
}

void TstRecordFile::createMakesEmptyFileOnce()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vuoto.dat"));
    RecordFile f(path);
    QVERIFY2(f.create(), qPrintable(f.errorString()));
    QVERIFY(f.exists());
    QCOMPARE(f.size(), qint64(0));

    // An existing file is left as it is.
    writeRaw(path, QByteArray("dati"));
    QVERIFY(f.create());
    QCOMPARE(readAll(path), QByteArray("dati"));
}

QTEST_GUILESS_MAIN(TstRecordFile)
#include "tst_recordfile.moc"
