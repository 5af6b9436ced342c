#include "regole.h"

#include "platform/text.h"

namespace zolmera::contenuti {

QString difettoTesto(const QString& campo)
{
    if (campo.isEmpty())
        return QStringLiteral("is empty");
    if (campo != campo.trimmed())
        return QStringLiteral("has blanks around it");
    for (QChar c : campo)
        if (!isCp1252(c))
            return QStringLiteral("has \"%1\", not in Windows-1252").arg(c);
    return {};
}

}  // namespace zolmera::contenuti
