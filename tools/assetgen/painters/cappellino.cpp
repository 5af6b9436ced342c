// The small chef's hats the board lines up on a desk, one for each match won: white,
// or gold with a star for a match won with the whole menu. They stand on the desk's
// dark glass strip, so their edges are blended with it.
//
// Parameters: stella (flag) makes the golden hat.

#include "painters/boardkit.h"
#include "painters/coursekit.h"
#include "painters/painter.h"

#include <QPainter>

namespace assetgen {

namespace {

QImage paintCappellino(const PaintRequest& request)
{
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    kit::drawChefHat(p, QRectF(QPointF(0, 0), QSizeF(request.size)), request.flag(QStringLiteral("stella")));
    p.end();
    board::settleEdges(image, board::hatStripColour());
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("cappellino", assetgen::paintCappellino)
