#include "platform/symbolfont.h"

#include <QHash>

namespace zolmera {

namespace {
// Only the characters the screens use are here.
const QHash<QChar, QChar>& wingdings3()
{
    static const QHash<QChar, QChar> table = {
        {QLatin1Char('Z'), QChar(0x25C0)},   // black left-pointing triangle
        {QLatin1Char('['), QChar(0x25B6)},   // black right-pointing triangle
    };
    return table;
}
}  // namespace

bool isSymbolFont(const QString& family)
{
    return family.compare(QLatin1String("Wingdings 3"), Qt::CaseInsensitive) == 0;
}

QString symbolText(const QString& family, const QString& text)
{
    if (!isSymbolFont(family))
        return text;
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        out += wingdings3().value(c, c);
    return out;
}

}  // namespace zolmera
