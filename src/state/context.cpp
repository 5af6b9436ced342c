#include "state/context.h"

#include <QDir>

namespace zolmera {

AppContext::AppContext(const Platform& platform, const QString& programDir)
    : sys(platform), screens(platform.loop, *this), programDir_(QDir::cleanPath(programDir))
{
}

AppContext::~AppContext() = default;

QString AppContext::programFile(const QString& name) const { return programDir_ + QLatin1Char('/') + name; }

QString AppContext::editionFolder(const QString& stem) const
{
    return programDir_ + QLatin1Char('/') + stem + M.strNumModGioco.str();
}

QString AppContext::editionFile(const QString& stem, const QString& name) const
{
    return editionFolder(stem) + QLatin1Char('/') + name;
}

}  // namespace zolmera
