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

// A wave file of silence, 22050 Hz mono 16-bit, of the given length.
inline QByteArray onda(double secondi)
{
    const qint32 dati = qint32(secondi * 44100) & ~1;
    return "RIFF" + le32(36 + dati) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(22050) + le32(44100) + le16(2)
           + le16(16) + "data" + le32(dati) + QByteArray(dati, '\0');
}

// A record in its 128-byte slot, the rest zeros.
inline QByteArray slot(const QByteArray& record) { return record + QByteArray(128 - record.size(), '\0'); }

}  // namespace zolmera::testing
