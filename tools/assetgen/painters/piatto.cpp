// A plate on its own, on a transparent ground: a sprite for the boards and menus.
// GIF keeps the ground transparent; JPEG and BMP put it on the line's "fondo" colour.
//
// Parameters: pieno (flag) puts a serving of pasta on it.

#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QPainter>

#include <algorithm>

namespace assetgen {

namespace {

QImage paintPiatto(const PaintRequest& request)
{
    const kit::EditionLook look = kit::editionLook(request.edition);
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(request.size));
    // The plate is seen at a low angle: a wide ellipse, with room for its shadow.
    const qreal width = std::min(area.width() * 0.9, area.height() * 0.85 / 0.42);
    const QRectF plate(area.center().x() - width / 2, area.center().y() - width * 0.21 - area.height() * 0.04, width,
                       width * 0.42);
    kit::drawPlate(p, plate, look, request.flag(QStringLiteral("pieno")));
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("piatto", assetgen::paintPiatto)
