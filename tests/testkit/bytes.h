#pragma once
// Bytes of records written out by hand in tests, to compare files against.
#include <QByteArray>

#include <cstring>

namespace zolmera::testing {

inline QByteArray le16(qint16 v) { return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char((v >> 8) & 0xFF)); }

inline QByteArray le32(qint32 v)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b += char((quint32(v) >> (8 * i)) & 0xFF);
    return b;
}

inline QByteArray doppio(double d)
{
    QByteArray b(8, '\0');
    std::memcpy(b.data(), &d, 8);
    return b;
}

// A record in its 128-byte slot, the rest zeros.
inline QByteArray slot(const QByteArray& record) { return record + QByteArray(128 - record.size(), '\0'); }

}  // namespace zolmera::testing
