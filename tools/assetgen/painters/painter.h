#pragma once

// A painter draws one family of pictures. The manifest names it, gives the size and
// its own key=value parameters; the edition digit picks the palette and the look.
// A painter registers itself with ZOLMERA_PAINTER in its own file, so a new family
// of pictures is one new file here plus its lines in the manifest.

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace assetgen {

struct PaintRequest {
    int edition = 1;  // the edition digit, 1..4
    QSize size;
    QHash<QString, QString> params;

    QString text(const QString& key, const QString& fallback = {}) const;
    // "1", "si", "yes", "true" and a bare key are true; absent or anything else is false.
    bool flag(const QString& key) const;
    double number(const QString& key, double fallback) const;
};

// Returns an ARGB32_Premultiplied image of exactly request.size, the same on every
// run: random choices come from fixed seeds, and text is drawn as outlines (see
// kit::centredText) because raster text is not repeatable.
using PainterFunction = QImage (*)(const PaintRequest& request);

bool registerPainter(const char* name, PainterFunction function);
PainterFunction findPainter(const QString& name);
QStringList painterNames();

}  // namespace assetgen

#define ZOLMERA_PAINTER_CONCAT2(a, b) a##b
#define ZOLMERA_PAINTER_CONCAT(a, b) ZOLMERA_PAINTER_CONCAT2(a, b)
#define ZOLMERA_PAINTER(name, function)                                                 \
    namespace {                                                                         \
    [[maybe_unused]] const bool ZOLMERA_PAINTER_CONCAT(registered_, __LINE__) =         \
        ::assetgen::registerPainter(name, function);                                    \
    }
