#include "platform/symbolfont.h"

#include <QHash>

namespace zolmera {

namespace {
// Only the characters the screens use are here: each stands for the picture
// the symbol font draws for it.
const QHash<QChar, QString>& tabella(const QString& family)
{
    static const QHash<QChar, QString> wingdings3 = {
        {QLatin1Char('Z'), QStringLiteral("\u25C0")},   // black left-pointing triangle
        {QLatin1Char('['), QStringLiteral("\u25B6")},   // black right-pointing triangle
        {QChar(0xCE), QStringLiteral("\u25B2")},        // an arrow up: more
        {QChar(0xCF), QStringLiteral("\u25BC")},        // an arrow down: less
    };
    static const QHash<QChar, QString> webdings = {
        {QLatin1Char('b'), QString::fromUcs4(U"\U0001F6B2")},   // bicycle
        {QLatin1Char('f'), QString::fromUcs4(U"\U0001F690")},   // van
        {QLatin1Char('j'), QString::fromUcs4(U"\u2708\uFE0F")},  // aeroplane
        {QLatin1Char('o'), QString::fromUcs4(U"\U0001F6A2")},   // ship
        {QLatin1Char('t'), QString::fromUcs4(U"\U0001F686")},   // train
    };
    static const QHash<QChar, QString> nessuna;
    if (family.compare(QLatin1String("Wingdings 3"), Qt::CaseInsensitive) == 0)
        return wingdings3;
    if (family.compare(QLatin1String("Webdings"), Qt::CaseInsensitive) == 0)
        return webdings;
    return nessuna;
}
}  // namespace

bool isSymbolFont(const QString& family) { return !tabella(family).isEmpty(); }

QString symbolText(const QString& family, const QString& text)
{
    const auto& t = tabella(family);
    if (t.isEmpty())
        return text;
    QString out;
    out.reserve(text.size() * 2);
    for (QChar c : text)
        out += t.value(c, QString(c));
    return out;
}

}  // namespace zolmera
