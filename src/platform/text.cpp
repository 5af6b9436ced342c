#include "platform/text.h"

#include <array>

namespace zolmera {

namespace {

// 0x80–0x9F are the only bytes where Windows-1252 differs from Latin-1. The
// five it leaves undefined keep their Latin-1 control code so that any file,
// however odd, reads and writes back byte for byte.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80–87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88–8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90–97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98–9F
};

// The byte for a character, or -1 when the code page has none.
int byteFor(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < int(kHighControls.size()); ++i) {
        if (kHighControls[size_t(i)] == u)
            return 0x80 + i;
    }
    return -1;
}

// The case rules of the original platform: it converted through the code
// page, so a letter changes only when its other case is a single character
// the code page has as well ("ß" has no one-letter capital and stays).
QString changeCase(const QString& s, bool upper)
{
    QString out = s;
    for (QChar& c : out) {
        if (!isCp1252(c))
            continue;
        const QChar other = upper ? c.toUpper() : c.toLower();
        if (other != c && isCp1252(other))
            c = other;
    }
    return out;
}

}  // namespace

QString fromCp1252(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F)
            out.append(QChar(kHighControls[b - 0x80]));
        else
            out.append(QChar(char16_t(b)));
    }
    return out;
}

QByteArray toCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character outside the Basic Multilingual Plane is one '?', not two.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        const int b = byteFor(c.unicode());
        out.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

bool isCp1252(QChar c)
{
    return byteFor(c.unicode()) >= 0;
}

QString vbUCase(const QString& s)
{
    return changeCase(s, true);
}

QString vbLCase(const QString& s)
{
    return changeCase(s, false);
}

QString vbLTrim(const QString& s)
{
    qsizetype from = 0;
    while (from < s.size() && s.at(from) == u' ')
        ++from;
    return s.mid(from);
}

QString vbRTrim(const QString& s)
{
    qsizetype to = s.size();
    while (to > 0 && s.at(to - 1) == u' ')
        --to;
    return s.left(to);
}

QString vbTrim(const QString& s)
{
    return vbLTrim(vbRTrim(s));
}

QString fixedText(const QString& s, int n)
{
    if (n <= 0)
        return {};
    return s.left(n).leftJustified(n, u' ');
}

}  // namespace zolmera
