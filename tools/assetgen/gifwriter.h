#pragma once

// Qt reads GIF but cannot write it, and the game's sprites (host, stations, hats) are
// GIFs with a transparent colour. This is a small GIF89a encoder for one still frame.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

namespace assetgen {

// Pixels with alpha below this become the transparent colour; the rest are opaque.
inline constexpr int kGifAlphaThreshold = 128;

struct IndexedPicture {
    QImage indices;          // Format_Indexed8, one palette index per pixel
    QList<QRgb> palette;     // at most 256 entries
    int transparentIndex = -1;  // -1 when no pixel is transparent
};

// Reduces an image to a palette of at most 256 colours (255 plus the transparent
// one when the picture has transparent pixels). Pictures with few colours keep them
// exactly; others get a median-cut palette and Floyd-Steinberg dithering.
IndexedPicture reduceColours(const QImage& image);

// LZW-compresses palette indices the way GIF wants them: variable-width codes from
// minCodeSize + 1 bits up to 12, least significant bit first, with clear codes.
QByteArray lzwEncode(const uchar* indices, qsizetype count, int minCodeSize);

// The whole GIF89a file for one picture.
QByteArray encodeGif(const QImage& image);

}  // namespace assetgen
