#include "platform/recordfile.h"

#include "platform/filefaults.h"
#include "platform/text.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <cmath>
#include <cstring>
#include <limits>

namespace zolmera {

namespace {

const QDate kVbEpoch(1899, 12, 30);

// The range the original platform's dates cover: 1 January 100 to 31 December 9999.
constexpr double kVbFirstDay = -657434.0;
constexpr double kVbLastDay = 2958465.0;

// A slot number this far out is a bad number, not data: no file of the game
// comes near it, and building the content in memory must stay possible.
constexpr qint64 kMaxFileBytes = qint64(1) << 30;

QByteArray padded(const QByteArray& record)
{
    QByteArray slot = record;
    slot.append(QByteArray(kRecordSlot - record.size(), '\0'));
    return slot;
}

}  // namespace

double toVbDate(const QDate& d)
{
    if (!d.isValid())
        return 0.0;
    return double(kVbEpoch.daysTo(d));
}

QDate fromVbDate(double days)
{
    if (!std::isfinite(days))
        return {};
    // The whole part is the day, the fraction a time of day, on either side
    // of the epoch: -1.5 is noon of 29 December 1899.
    const double day = std::trunc(days);
    if (day < kVbFirstDay || day > kVbLastDay)
        return {};
    return kVbEpoch.addDays(qint64(day));
}

// ---------------------------------------------------------------------------

void RecordWriter::int16(qint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    bytes_.append(b, sizeof b);
}

void RecordWriter::int32(qint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    bytes_.append(b, sizeof b);
}

void RecordWriter::date(const QDate& d)
{
    const double days = toVbDate(d);
    quint64 bits = 0;
    static_assert(sizeof bits == sizeof days);
    std::memcpy(&bits, &days, sizeof bits);
    char b[8];
    qToLittleEndian(bits, b);
    bytes_.append(b, sizeof b);
}

void RecordWriter::fixedText(const QString& s, int n)
{
    if (n <= 0)
        return;
    QByteArray b = toCp1252(s).left(n);
    b.append(QByteArray(n - b.size(), ' '));
    bytes_.append(b);
}

void RecordWriter::text(const QString& s)
{
    // The prefix has 16 bits; a longer text cannot fit a slot anyway.
    const QByteArray b = toCp1252(s).left(0xFFFF);
    char len[2];
    qToLittleEndian(quint16(b.size()), len);
    bytes_.append(len, sizeof len);
    bytes_.append(b);
}

// ---------------------------------------------------------------------------

QByteArray RecordReader::take(int n)
{
    if (n <= 0)
        return {};
    const qsizetype start = qMin<qsizetype>(pos_, bytes_.size());
    const qsizetype available = bytes_.size() - start;
    if (available < n)
        overrun_ = true;
    // The position moves past the whole field even when the record is short,
    // so the fields after it keep their places (and read as missing too).
    pos_ = int(qMin<qint64>(qint64(pos_) + n, std::numeric_limits<int>::max()));
    return bytes_.mid(start, qMin<qsizetype>(available, n));
}

qint16 RecordReader::int16()
{
    const QByteArray b = take(2);
    return b.size() == 2 ? qFromLittleEndian<qint16>(b.constData()) : qint16(0);
}

qint32 RecordReader::int32()
{
    const QByteArray b = take(4);
    return b.size() == 4 ? qFromLittleEndian<qint32>(b.constData()) : 0;
}

double RecordReader::dateValue()
{
    const QByteArray b = take(8);
    if (b.size() != 8)
        return 0.0;
    const quint64 bits = qFromLittleEndian<quint64>(b.constData());
    double days = 0.0;
    std::memcpy(&days, &bits, sizeof days);
    return days;
}

QDate RecordReader::date()
{
    return fromVbDate(dateValue());
}

QString RecordReader::fixedText(int n)
{
    return fromCp1252(take(n));
}

QString RecordReader::text()
{
    const QByteArray len = take(2);
    if (len.size() != 2)
        return {};
    return fromCp1252(take(qFromLittleEndian<quint16>(len.constData())));
}

// ---------------------------------------------------------------------------

namespace {

QString refusal(FileFaults* faults, FileStep step, const QString& path)
{
    return faults ? faults->refusal(step, path) : QString();
}

// Replaces the file with `content` in one go. QSaveFile writes a temporary
// file beside it and renames it over the old one; in a folder where no new
// file can be made but the file itself is writable, it writes in place.
// A step refused by the faults fails as the file system's refusal would.
bool saveWhole(const QString& path, const QByteArray& content, FileFaults* faults, QString* error)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    QString why = refusal(faults, FileStep::Open, path);
    if (!why.isEmpty() || !file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("Impossibile scrivere %1: %2").arg(path, why.isEmpty() ? file.errorString() : why);
        return false;
    }
    why = refusal(faults, FileStep::Write, path);
    if (!why.isEmpty() || file.write(content) != content.size()) {
        *error = QStringLiteral("Impossibile scrivere %1: %2").arg(path, why.isEmpty() ? file.errorString() : why);
        file.cancelWriting();
        return false;
    }
    // Left uncommitted, the temporary file goes with `file`.
    why = refusal(faults, FileStep::Rename, path);
    if (!why.isEmpty() || !file.commit()) {
        *error = QStringLiteral("Impossibile salvare %1: %2").arg(path, why.isEmpty() ? file.errorString() : why);
        return false;
    }
    return true;
}

// The first record that does not fit a slot, or -1.
int firstOversized(const QList<QByteArray>& records)
{
    for (int i = 0; i < int(records.size()); ++i) {
        if (records.at(i).size() > kRecordSlot)
            return i;
    }
    return -1;
}

QString oversizedError(const QString& path, int slot, qsizetype bytes)
{
    return QStringLiteral("%1: il record per la posizione %2 è di %3 byte, più dei %4 di una posizione")
        .arg(path)
        .arg(slot)
        .arg(bytes)
        .arg(kRecordSlot);
}

}  // namespace

bool RecordFile::exists() const
{
    return QFileInfo(path_).isFile();
}

qint64 RecordFile::size() const
{
    const QFileInfo info(path_);
    return info.isFile() ? info.size() : 0;
}

int RecordFile::slotCount() const
{
    return int((size() + kRecordSlot - 1) / kRecordSlot);
}

QList<QByteArray> RecordFile::readSlots(bool* ok) const
{
    if (ok)
        *ok = true;
    QList<QByteArray> tutti;
    if (!QFileInfo::exists(path_))
        return tutti;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        if (ok)
            *ok = false;
        return tutti;
    }
    const QByteArray all = file.readAll();
    for (qsizetype at = 0; at < all.size(); at += kRecordSlot) {
        QByteArray slot = all.mid(at, kRecordSlot);
        slot.append(QByteArray(kRecordSlot - slot.size(), '\0'));
        tutti << slot;
    }
    return tutti;
}

QByteArray RecordFile::readSlot(int n, bool* ok) const
{
    if (ok)
        *ok = true;
    QByteArray slot(kRecordSlot, '\0');
    if (n < 1 || !QFileInfo::exists(path_))
        return slot;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        if (ok)
            *ok = false;
        return slot;
    }
    const qint64 offset = qint64(n - 1) * kRecordSlot;
    if (offset >= file.size())
        return slot;
    if (!file.seek(offset)) {
        if (ok)
            *ok = false;
        return slot;
    }
    const qint64 got = file.read(slot.data(), kRecordSlot);
    if (got < 0) {
        if (ok)
            *ok = false;
        slot.fill('\0');
    }
    return slot;
}

bool RecordFile::create()
{
    error_.clear();
    const QFileInfo info(path_);
    if (info.isFile())
        return true;
    if (info.exists()) {
        error_ = QStringLiteral("%1 non è un file").arg(path_);
        return false;
    }
    if (const QString why = refusal(faults_, FileStep::Open, path_); !why.isEmpty()) {
        error_ = QStringLiteral("Impossibile creare %1: %2").arg(path_, why);
        return false;
    }
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        // Someone else may have made it in the meantime, which is just as good.
        if (QFileInfo(path_).isFile())
            return true;
        error_ = QStringLiteral("Impossibile creare %1: %2").arg(path_, file.errorString());
        return false;
    }
    return true;
}

bool RecordFile::writeSlots(int first, const QList<QByteArray>& records)
{
    error_.clear();
    if (first < 1) {
        error_ = QStringLiteral("%1: posizione %2 non valida").arg(path_).arg(first);
        return false;
    }
    if (const int bad = firstOversized(records); bad >= 0) {
        error_ = oversizedError(path_, first + bad, records.at(bad).size());
        return false;
    }
    if (records.isEmpty())
        return true;

    const qint64 end = (qint64(first) - 1 + records.size()) * kRecordSlot;
    if (end > kMaxFileBytes) {
        error_ = QStringLiteral("%1: posizione %2 fuori misura").arg(path_).arg(first);
        return false;
    }

    QByteArray content;
    const QFileInfo info(path_);
    if (info.exists()) {
        QFile file(path_);
        if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
            error_ = QStringLiteral("Impossibile leggere %1: %2").arg(path_, file.errorString());
            return false;
        }
        content = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            error_ = QStringLiteral("Impossibile leggere %1: %2").arg(path_, file.errorString());
            return false;
        }
    }
    if (content.size() < end)
        content.append(QByteArray(end - content.size(), '\0'));
    for (int i = 0; i < int(records.size()); ++i) {
        const qsizetype offset = (qsizetype(first) - 1 + i) * kRecordSlot;
        content.replace(offset, kRecordSlot, padded(records.at(i)));
    }
    return saveWhole(path_, content, faults_, &error_);
}

bool RecordFile::replaceAll(const QList<QByteArray>& records)
{
    error_.clear();
    if (const int bad = firstOversized(records); bad >= 0) {
        error_ = oversizedError(path_, bad + 1, records.at(bad).size());
        return false;
    }
    QByteArray content;
    content.reserve(records.size() * kRecordSlot);
    for (const QByteArray& r : records)
        content.append(padded(r));
    return saveWhole(path_, content, faults_, &error_);
}

}  // namespace zolmera
