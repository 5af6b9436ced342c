#include "gifwriter.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cstdint>
#include <tuple>
#include <vector>

namespace assetgen {

namespace {

constexpr int kMaxCodes = 4096;

struct ColourCount {
    int r, g, b;
    qint64 count;
};

// One box of the median cut: a run [begin, end) of the colour list.
struct Box {
    qsizetype begin, end;
    int channel = 0;
    int range = 0;
};

int channelOf(const ColourCount& c, int channel)
{
    return channel == 0 ? c.r : channel == 1 ? c.g : c.b;
}

void measure(const std::vector<ColourCount>& colours, Box& box)
{
    std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
    for (qsizetype i = box.begin; i < box.end; ++i) {
        for (int ch = 0; ch < 3; ++ch) {
            lo[ch] = std::min(lo[ch], channelOf(colours[i], ch));
            hi[ch] = std::max(hi[ch], channelOf(colours[i], ch));
        }
    }
    box.range = -1;
    for (int ch = 0; ch < 3; ++ch) {
        if (hi[ch] - lo[ch] > box.range) {
            box.range = hi[ch] - lo[ch];
            box.channel = ch;
        }
    }
}

QList<QRgb> medianCut(std::vector<ColourCount> colours, int capacity)
{
    std::vector<Box> boxes{{0, qsizetype(colours.size())}};
    measure(colours, boxes[0]);
    while (int(boxes.size()) < capacity) {
        auto widest = std::max_element(boxes.begin(), boxes.end(),
                                       [](const Box& a, const Box& b) { return a.range < b.range; });
        if (widest->range <= 0)
            break;
        Box box = *widest;
        const int ch = box.channel;
        std::sort(colours.begin() + box.begin, colours.begin() + box.end,
                  [ch](const ColourCount& a, const ColourCount& b) { return channelOf(a, ch) < channelOf(b, ch); });
        qint64 total = 0;
        for (qsizetype i = box.begin; i < box.end; ++i)
            total += colours[i].count;
        // Split where half of the pixels (not half of the colours) lie on each side.
        qint64 seen = 0;
        qsizetype split = box.begin + 1;
        for (qsizetype i = box.begin; i < box.end - 1; ++i) {
            seen += colours[i].count;
            split = i + 1;
            if (seen * 2 >= total)
                break;
        }
        Box low{box.begin, split}, high{split, box.end};
        measure(colours, low);
        measure(colours, high);
        *widest = low;
        boxes.push_back(high);
    }
    QList<QRgb> palette;
    for (const Box& box : boxes) {
        qint64 r = 0, g = 0, b = 0, n = 0;
        for (qsizetype i = box.begin; i < box.end; ++i) {
            r += colours[i].r * colours[i].count;
            g += colours[i].g * colours[i].count;
            b += colours[i].b * colours[i].count;
            n += colours[i].count;
        }
        palette << qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
    }
    return palette;
}

int nearest(const QList<QRgb>& palette, int r, int g, int b)
{
    int best = 0;
    int bestDistance = INT32_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - r, dg = qGreen(palette[i]) - g, db = qBlue(palette[i]) - b;
        // Weighted roughly by how much the eye minds each channel.
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

class BitWriter {
public:
    explicit BitWriter(QByteArray& out) : m_out(out) {}

    void write(int code, int width)
    {
        m_buffer |= std::uint32_t(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_out.append(char(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_bits -= 8;
        }
    }

    void flush()
    {
        if (m_bits > 0)
            m_out.append(char(m_buffer & 0xFF));
        m_buffer = 0;
        m_bits = 0;
    }

private:
    QByteArray& m_out;
    std::uint32_t m_buffer = 0;
    int m_bits = 0;
};

void appendWord(QByteArray& out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

}  // namespace

IndexedPicture reduceColours(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width(), height = image.height();

    bool hasTransparent = false;
    QHash<QRgb, qint64> histogram;
    for (int y = 0; y < height; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (qAlpha(row[x]) < kGifAlphaThreshold)
                hasTransparent = true;
            else
                ++histogram[row[x] | 0xFF000000u];
        }
    }

    // Sorted so that the palette does not depend on the hash's order.
    std::vector<ColourCount> colours;
    colours.reserve(histogram.size());
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        colours.push_back({qRed(it.key()), qGreen(it.key()), qBlue(it.key()), it.value()});
    std::sort(colours.begin(), colours.end(), [](const ColourCount& a, const ColourCount& b) {
        return std::tie(a.r, a.g, a.b) < std::tie(b.r, b.g, b.b);
    });

    IndexedPicture result;
    const int capacity = hasTransparent ? 255 : 256;
    const bool exact = int(colours.size()) <= capacity;
    if (exact) {
        for (const ColourCount& c : colours)
            result.palette << qRgb(c.r, c.g, c.b);
    } else {
        result.palette = medianCut(std::move(colours), capacity);
    }
    if (result.palette.isEmpty())
        result.palette << qRgb(0, 0, 0);
    if (hasTransparent) {
        result.transparentIndex = int(result.palette.size());
        result.palette << qRgba(0, 0, 0, 0);
    }
    const QList<QRgb> opaque = hasTransparent ? result.palette.first(result.palette.size() - 1) : result.palette;

    result.indices = QImage(width, height, QImage::Format_Indexed8);
    result.indices.setColorTable(result.palette);

    // Nearest-colour answers are remembered per 6-bit-per-channel cell.
    std::vector<std::int16_t> cache(1 << 18, -1);
    auto lookup = [&](int r, int g, int b) {
        const int key = ((r >> 2) << 12) | ((g >> 2) << 6) | (b >> 2);
        if (cache[key] < 0)
            cache[key] = std::int16_t(nearest(opaque, r, g, b));
        return int(cache[key]);
    };
    QHash<QRgb, int> exactIndex;
    if (exact) {
        for (int i = 0; i < opaque.size(); ++i)
            exactIndex.insert(opaque[i], i);
    }

    // Floyd-Steinberg errors for this row and the next, with a guard cell at each end.
    std::vector<std::array<int, 3>> errorHere(width + 2), errorNext(width + 2);
    for (int y = 0; y < height; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = result.indices.scanLine(y);
        std::fill(errorNext.begin(), errorNext.end(), std::array<int, 3>{0, 0, 0});
        for (int x = 0; x < width; ++x) {
            if (qAlpha(row[x]) < kGifAlphaThreshold) {
                out[x] = uchar(result.transparentIndex);
                continue;
            }
            if (exact) {
                out[x] = uchar(exactIndex.value(row[x] | 0xFF000000u));
                continue;
            }
            const std::array<int, 3> want{
                std::clamp(qRed(row[x]) + errorHere[x + 1][0] / 16, 0, 255),
                std::clamp(qGreen(row[x]) + errorHere[x + 1][1] / 16, 0, 255),
                std::clamp(qBlue(row[x]) + errorHere[x + 1][2] / 16, 0, 255),
            };
            const int index = lookup(want[0], want[1], want[2]);
            out[x] = uchar(index);
            const std::array<int, 3> got{qRed(opaque[index]), qGreen(opaque[index]), qBlue(opaque[index])};
            for (int ch = 0; ch < 3; ++ch) {
                const int e = want[ch] - got[ch];
                errorHere[x + 2][ch] += e * 7;
                errorNext[x][ch] += e * 3;
                errorNext[x + 1][ch] += e * 5;
                errorNext[x + 2][ch] += e;
            }
        }
        std::swap(errorHere, errorNext);
    }
    return result;
}

QByteArray lzwEncode(const uchar* indices, qsizetype count, int minCodeSize)
{
    QByteArray out;
    BitWriter bits(out);
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    int codeSize = minCodeSize + 1;
    int lastCode = endCode;
    // children[prefix * 256 + index] is the code for prefix followed by index, 0 if none.
    std::vector<std::uint16_t> children(std::size_t(kMaxCodes) * 256, 0);

    bits.write(clearCode, codeSize);
    int prefix = -1;
    for (qsizetype i = 0; i < count; ++i) {
        const int index = indices[i];
        if (prefix < 0) {
            prefix = index;
            continue;
        }
        std::uint16_t& child = children[std::size_t(prefix) * 256 + std::size_t(index)];
        if (child != 0) {
            prefix = child;
            continue;
        }
        bits.write(prefix, codeSize);
        child = std::uint16_t(++lastCode);
        // The reader adds its entries one code later than we do, hence ">=" on the new code.
        if (lastCode >= (1 << codeSize) && codeSize < 12)
            ++codeSize;
        if (lastCode == kMaxCodes - 1) {
            bits.write(clearCode, codeSize);
            std::fill(children.begin(), children.end(), std::uint16_t(0));
            codeSize = minCodeSize + 1;
            lastCode = endCode;
        }
        prefix = index;
    }
    if (prefix >= 0)
        bits.write(prefix, codeSize);
    bits.write(endCode, codeSize);
    bits.flush();
    return out;
}

QByteArray encodeGif(const QImage& image)
{
    const IndexedPicture picture = reduceColours(image);
    const int width = picture.indices.width(), height = picture.indices.height();

    int tableBits = 1;
    while ((1 << tableBits) < picture.palette.size())
        ++tableBits;
    const int minCodeSize = std::max(2, tableBits);

    QByteArray gif("GIF89a");
    appendWord(gif, width);
    appendWord(gif, height);
    gif.append(char(0x80 | (7 << 4) | (tableBits - 1)));  // global table, 8-bit source colours
    gif.append(char(picture.transparentIndex >= 0 ? picture.transparentIndex : 0));
    gif.append(char(0));  // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb c = i < picture.palette.size() ? picture.palette[i] : qRgb(0, 0, 0);
        gif.append(char(qRed(c)));
        gif.append(char(qGreen(c)));
        gif.append(char(qBlue(c)));
    }
    if (picture.transparentIndex >= 0) {
        // Graphic control extension: no delay, the transparent colour flag set.
        gif.append("\x21\xF9\x04\x01", 4);
        appendWord(gif, 0);
        gif.append(char(picture.transparentIndex));
        gif.append(char(0));
    }
    gif.append(char(0x2C));
    appendWord(gif, 0);
    appendWord(gif, 0);
    appendWord(gif, width);
    appendWord(gif, height);
    gif.append(char(0));  // no local table, not interlaced

    // Pixel rows are contiguous only when the width is a multiple of 4: pack them.
    QByteArray pixels;
    pixels.reserve(qsizetype(width) * height);
    for (int y = 0; y < height; ++y)
        pixels.append(reinterpret_cast<const char*>(picture.indices.constScanLine(y)), width);

    gif.append(char(minCodeSize));
    const QByteArray data = lzwEncode(reinterpret_cast<const uchar*>(pixels.constData()), pixels.size(), minCodeSize);
    for (qsizetype pos = 0; pos < data.size(); pos += 255) {
        const qsizetype length = std::min<qsizetype>(255, data.size() - pos);
        gif.append(char(length));
        gif.append(data.constData() + pos, length);
    }
    gif.append(char(0));
    gif.append(char(0x3B));
    return gif;
}

}  // namespace assetgen
