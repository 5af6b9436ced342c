#include "platform/text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

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

namespace {

// "&H" and "&O" numbers are whole numbers of the platform's integer types:
// up to four hex digits a 16-bit one (&HFFFF is -1), up to eight a 32-bit one.
double interoConBase(const std::string& cifre, int base)
{
    quint64 v = 0;
    std::size_t letti = 0;
    for (char c : cifre) {
        const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : 99;
        if (d >= base || v > 0xFFFFFFFFull / quint64(base))
            break;
        v = v * quint64(base) + quint64(d);
        ++letti;
    }
    if (letti == 0)
        return 0;
    // Digits past the eighth are left unread.
    return v <= 0xFFFF ? double(qint16(quint16(v))) : double(qint32(quint32(v)));
}

}  // namespace

double vbVal(const QString& s)
{
    std::string t;
    t.reserve(std::size_t(s.size()));
    for (QChar c : s) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        // Nothing past ASCII can be part of a number.
        t.push_back(c.unicode() < 0x80 ? char(c.unicode()) : '\x7f');
    }
    if (t.size() >= 2 && t[0] == '&') {
        if (t[1] == 'H' || t[1] == 'h')
            return interoConBase(t.substr(2), 16);
        if (t[1] == 'O' || t[1] == 'o')
            return interoConBase(t.substr(2), 8);
        return interoConBase(t.substr(1), 8);
    }
    // Copy the number's own characters, then read them: from_chars knows no
    // locale, so an Italian desktop reads "1.5" as one and a half too.
    std::string n;
    std::size_t i = 0;
    const auto cifra = [&](std::size_t k) { return k < t.size() && t[k] >= '0' && t[k] <= '9'; };
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-')
            n.push_back('-');
        ++i;
    }
    bool mantissa = false;
    while (cifra(i)) {
        n.push_back(t[i++]);
        mantissa = true;
    }
    // Written out plainly: ".5" as "0.5", and a point with no digit after it
    // left out.
    if (i < t.size() && t[i] == '.') {
        ++i;
        if (cifra(i)) {
            if (!mantissa)
                n.push_back('0');
            n.push_back('.');
        }
        while (cifra(i)) {
            n.push_back(t[i++]);
            mantissa = true;
        }
    }
    if (!mantissa)
        return 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        std::size_t j = i + 1;
        std::string esponente = "e";
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            esponente.push_back(t[j++]);
        if (cifra(j)) {
            while (cifra(j))
                esponente.push_back(t[j++]);
            n += esponente;
        }
    }
    double v = 0;
    const auto [fine, esito] = std::from_chars(n.data(), n.data() + n.size(), v);
    Q_UNUSED(fine);
    if (esito == std::errc::result_out_of_range) {
        // Too large for a double reads as infinite, too small as zero.
        const bool negativo = n.front() == '-';
        const std::size_t e = n.find('e');
        const bool piccolo = e != std::string::npos && e + 1 < n.size() && n[e + 1] == '-';
        return piccolo ? 0.0 : (negativo ? -HUGE_VAL : HUGE_VAL);
    }
    return v;
}

}  // namespace zolmera
