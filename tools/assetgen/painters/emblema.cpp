// The about box's picture: the wheel of courses wearing a chef's hat, on a
// see-through ground. GIF keeps a pixel or drops it, so the soft edges are laid
// over the colour of the box the picture is shown in.
//
// Parameters: fondo (#rrggbb) is that colour; the plain window grey by default.

#include "painters/boardkit.h"
#include "painters/coursekit.h"
#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QPainter>

namespace assetgen {

namespace {

QImage paintEmblema(const PaintRequest& request)
{
    const kit::EditionLook look = kit::editionLook(request.edition);
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Laid out on a 96 x 96 grid.
    p.scale(request.size.width() / 96.0, request.size.height() / 96.0);
    kit::drawWheel(p, QPointF(48, 58), 37, look, 10);
    // The hat sits on the wheel's rim, jauntily to one side.
    p.save();
    p.translate(52, 22);
    p.rotate(14);
    kit::drawChefHat(p, QRectF(-22, -22, 44, 44), false);
    p.restore();
    kit::drawSparkle(p, QPointF(14, 16), 6, look.gold.lighter(120));
    p.end();

    QColor ground = QColor::fromString(request.text(QStringLiteral("fondo"), QStringLiteral("#f0f0f0")));
    if (!ground.isValid())
        ground = QColor(0xf0, 0xf0, 0xf0);
    board::settleEdges(image, ground);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("emblema", assetgen::paintEmblema)
