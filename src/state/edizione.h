#pragma once
// The editions come in two looks: each group shares its layout, its type
// faces and the order of the courses in its picture strip. An unknown key
// (a damaged settings file) belongs to neither and keeps the design's looks.
#include <QString>

namespace zolmera {

enum class GruppoEdizione { Primo, Secondo, Nessuno };

inline GruppoEdizione gruppoEdizione(const QString& key)
{
    if (key == QLatin1String("ZOLMER90") || key == QLatin1String("ZOLMER91"))
        return GruppoEdizione::Primo;
    if (key == QLatin1String("SERO92") || key == QLatin1String("ZOLMER93"))
        return GruppoEdizione::Secondo;
    return GruppoEdizione::Nessuno;
}

}  // namespace zolmera
