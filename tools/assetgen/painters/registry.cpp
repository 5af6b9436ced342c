#include "painters/painter.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace assetgen {

namespace {

// A function-local map: the painters register from static initialisers of other
// files, whose order relative to this one is not defined.
std::map<std::string, PainterFunction>& registry()
{
    static std::map<std::string, PainterFunction> painters;
    return painters;
}

}  // namespace

QString PaintRequest::text(const QString& key, const QString& fallback) const
{
    return params.value(key, fallback);
}

bool PaintRequest::flag(const QString& key) const
{
    if (!params.contains(key))
        return false;
    const QString value = params.value(key).trimmed().toLower();
    return value.isEmpty() || value == u"1" || value == u"si" || value == u"sì" || value == u"yes"
        || value == u"true";
}

double PaintRequest::number(const QString& key, double fallback) const
{
    bool ok = false;
    const double value = params.value(key).toDouble(&ok);
    return ok ? value : fallback;
}

bool registerPainter(const char* name, PainterFunction function)
{
    if (!registry().emplace(name, function).second) {
        // Two painters under one name would make the manifest ambiguous: stop at once.
        std::fprintf(stderr, "zolmera-assetgen: two painters are called \"%s\"\n", name);
        std::abort();
    }
    return true;
}

PainterFunction findPainter(const QString& name)
{
    const auto it = registry().find(name.toStdString());
    return it == registry().end() ? nullptr : it->second;
}

QStringList painterNames()
{
    QStringList names;
    for (const auto& entry : registry())
        names << QString::fromStdString(entry.first);
    return names;
}

}  // namespace assetgen
