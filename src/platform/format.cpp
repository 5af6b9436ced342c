#include "platform/format.h"

#include <QByteArray>

#include <array>
#include <cmath>

namespace zolmera {

namespace {

// The magnitude of n as digits; unsigned so that the most negative value works too.
QString magnitudeDigits(qint64 n)
{
    const quint64 m = n < 0 ? quint64(0) - quint64(n) : quint64(n);
    return QString::number(m);
}

// "1234567" -> "1.234.567"
QString groupThousands(const QString& digits)
{
    QString out;
    out.reserve(digits.size() + digits.size() / 3);
    const qsizetype lead = digits.size() % 3;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (i - lead) % 3 == 0)
            out.append(u'.');
        out.append(digits.at(i));
    }
    return out;
}

// A double as the original platform saw it: 15 significant decimal digits
// (so 1.005 is 1.005, not 1.00499999...). Holds the digits without leading
// zeros, and the power of ten of the first one.
struct Decimal {
    bool negative = false;
    QByteArray digits;  // empty for zero
    int exponent = 0;   // value = 0.d1d2d3... * 10^(exponent + 1)
};

Decimal toDecimal(double v)
{
    Decimal d;
    if (!std::isfinite(v) || v == 0.0)
        return d;
    d.negative = v < 0;
    // Qt's conversion ignores the C locale, which a QCoreApplication sets from
    // the environment (an Italian desktop would give "1,5e+00" from printf).
    const QByteArray e = QByteArray::number(std::fabs(v), 'e', 14);  // "d.dddddddddddddde+XX"
    const qsizetype ePos = e.indexOf('e');
    d.digits = e.left(ePos).replace('.', QByteArray());
    d.exponent = e.mid(ePos + 1).toInt();
    while (d.digits.endsWith('0'))
        d.digits.chop(1);
    return d;
}

// The value rounded half away from zero to `decimals` places, as the digits
// of value * 10^decimals (at least decimals + 1 of them, zeros in front).
QByteArray roundedScaled(const Decimal& d, int decimals)
{
    QByteArray kept;
    const int keep = d.exponent + 1 + decimals;  // digits left of the cut
    if (!d.digits.isEmpty() && keep >= 0) {
        kept = d.digits.left(keep);
        while (kept.size() < keep)
            kept.append('0');
        const char next = keep < d.digits.size() ? d.digits.at(keep) : '0';
        if (next >= '5') {
            qsizetype i = kept.size() - 1;
            for (; i >= 0 && kept.at(i) == '9'; --i)
                kept[i] = '0';
            if (i >= 0)
                kept[i] = char(kept.at(i) + 1);
            else
                kept.prepend('1');
        }
    }
    while (kept.size() < decimals + 1)
        kept.prepend('0');
    return kept;
}

// "-", integer part padded to minDigits, optionally grouped, decimal comma.
QString fixedPoint(double v, int decimals, int minIntDigits, bool group)
{
    const Decimal d = toDecimal(v);
    const QByteArray scaled = roundedScaled(d, decimals);
    QString intPart = QString::fromLatin1(scaled.left(scaled.size() - decimals));
    while (intPart.size() > 1 && intPart.startsWith(u'0'))
        intPart.remove(0, 1);
    while (intPart.size() < minIntDigits)
        intPart.prepend(u'0');
    if (group)
        intPart = groupThousands(intPart);
    const QString fraction = QString::fromLatin1(scaled.right(decimals));
    // A value that rounds to zero shows no sign.
    const bool isZero = scaled.count('0') == scaled.size();
    QString out = (d.negative && !isZero) ? QStringLiteral("-") : QString();
    out += intPart;
    if (decimals > 0)
        out += u',' + fraction;
    return out;
}

constexpr std::array<const char*, 7> kGiorni = {
    "lunedì", "martedì", "mercoledì", "giovedì", "venerdì", "sabato", "domenica"};
constexpr std::array<const char*, 12> kMesi = {
    "gennaio", "febbraio", "marzo", "aprile", "maggio", "giugno",
    "luglio", "agosto", "settembre", "ottobre", "novembre", "dicembre"};

}  // namespace

QString formatImporto(qint64 n)
{
    return (n < 0 ? QStringLiteral("-") : QString()) + groupThousands(magnitudeDigits(n));
}

QString formatImportoDecimali(double n)
{
    return fixedPoint(n, 2, 1, true);
}

QString formatDecimali(double n)
{
    return fixedPoint(n, 2, 1, false);
}

QString formatDueCifre(qint64 n)
{
    return (n < 0 ? QStringLiteral("-") : QString()) +
           magnitudeDigits(n).rightJustified(2, u'0');
}

QString formatSecondi(double n)
{
    return fixedPoint(n, 2, 2, false);
}

QString vbStr(qint64 n)
{
    return (n < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + magnitudeDigits(n);
}

QString vbStr(double n)
{
    const Decimal d = toDecimal(n);
    if (d.digits.isEmpty())
        return QStringLiteral(" 0");
    QString out = d.negative ? QStringLiteral("-") : QStringLiteral(" ");
    const QString digits = QString::fromLatin1(d.digits);
    if (d.exponent >= 15 || d.exponent < -4) {
        // Too large or too small for plain digits: "1.5E+20", "1E-05".
        out += digits.left(1);
        if (digits.size() > 1)
            out += u'.' + digits.mid(1);
        out += (d.exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) +
               QString::number(std::abs(d.exponent)).rightJustified(2, u'0');
    } else if (d.exponent < 0) {
        // No zero before the point: Str(0.25) is " .25".
        out += u'.' + QString(-d.exponent - 1, u'0') + digits;
    } else {
        const int intDigits = d.exponent + 1;
        out += digits.left(intDigits).leftJustified(intDigits, u'0');
        if (digits.size() > intDigits)
            out += u'.' + digits.mid(intDigits);
    }
    return out;
}

QString formatDataBreve(const QDate& d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QString formatDataLunga(const QDate& d)
{
    if (!d.isValid())
        return {};
    return QStringLiteral("%1 %2 %3 %4")
        .arg(QString::fromUtf8(kGiorni[size_t(d.dayOfWeek() - 1)]))
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(QString::fromUtf8(kMesi[size_t(d.month() - 1)]))
        .arg(d.year(), 4, 10, QLatin1Char('0'));
}

}  // namespace zolmera
