#pragma once
// Random-access files of 128-byte record slots numbered from 1, the format of
// every data file of the game. Records are packed fields: little-endian 16- and
// 32-bit integers, 64-bit dates (days since 30 December 1899, as a double),
// fixed blank-padded texts and texts with a 16-bit length prefix, in Windows-1252.
#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

namespace zolmera {

class FileFaults;

inline constexpr int kRecordSlot = 128;

double toVbDate(const QDate& d);
// An invalid QDate for values that are no date (NaN, out of range).
QDate fromVbDate(double days);

// Builds one record field by field.
class RecordWriter {
public:
    void int16(qint16 v);
    void int32(qint32 v);
    void date(const QDate& d);
    void fixedText(const QString& s, int n);   // padded with blanks or cut to n bytes
    void text(const QString& s);               // 16-bit length, then the bytes
    const QByteArray& bytes() const { return bytes_; }
    int size() const { return int(bytes_.size()); }
    bool fitsSlot() const { return bytes_.size() <= kRecordSlot; }

private:
    QByteArray bytes_;
};

// Reads fields from one record. Reading past the end of the bytes gives zeros
// and empty texts (and sets overrun()), never garbage or a crash.
class RecordReader {
public:
    explicit RecordReader(QByteArray bytes) : bytes_(std::move(bytes)) {}
    qint16 int16();
    qint32 int32();
    QDate date();
    double dateValue();
    QString fixedText(int n);
    QString text();
    int position() const { return pos_; }
    // True once any field needed bytes the record does not have.
    bool overrun() const { return overrun_; }

private:
    QByteArray take(int n);
    QByteArray bytes_;
    int pos_ = 0;
    bool overrun_ = false;
};

// One file of record slots. Every call opens the file, does its work and closes
// it again, so two handles on one path never disagree. A writer given the
// platform's file faults asks them before each step of a write (see
// platform/filefaults.h), so tests can refuse it.
class RecordFile {
public:
    explicit RecordFile(QString path, FileFaults* faults = nullptr) : path_(std::move(path)), faults_(faults) {}

    const QString& path() const { return path_; }
    bool exists() const;
    qint64 size() const;            // bytes; 0 for a missing file
    int slotCount() const;          // slots begun, the last one may be short

    // Slot n (from 1) as 128 bytes. A missing file, or a slot past the end,
    // reads as zeros (a short last slot is padded with zeros). Never creates
    // the file. ok, when given, is false only when an existing file cannot be read.
    QByteArray readSlot(int n, bool* ok = nullptr) const;
    // Every slot the file begins, in order, in one read (a short last slot
    // padded with zeros); none for a missing file. Never creates the file.
    QList<QByteArray> readSlots(bool* ok = nullptr) const;

    // Creates the file empty when it is missing, as opening it for random
    // access does; false when it cannot be created (no such folder, no rights).
    bool create();

    // Writes the records into slots first, first+1, ...; each padded with
    // zeros to 128 bytes; slots between the old end and `first` are zeros.
    // The file is replaced as a whole (written, flushed, renamed), so it is
    // never left half-written. False, with errorString(), when a record does
    // not fit its slot or the write fails; then the file is unchanged.
    bool writeSlots(int first, const QList<QByteArray>& records);
    bool writeSlot(int n, const QByteArray& record) { return writeSlots(n, {record}); }

    // Replaces the whole file with these records (slot 1 upwards).
    bool replaceAll(const QList<QByteArray>& records);

    QString errorString() const { return error_; }

private:
    QString path_;
    FileFaults* faults_;
    QString error_;
};

}  // namespace zolmera
