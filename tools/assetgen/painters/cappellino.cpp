// The small chef's hats the board lines up on a desk, one for each match won: white,
// or gold with a star for a match won with the whole menu. They stand on the desk's
// dark glass strip, so their edges are blended with it.
//
// Parameters: stella (flag) makes the golden hat; perso (flag) a grey hat struck
// through in red, for a match lost.

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
    const QRectF tutto(QPointF(0, 0), QSizeF(request.size));
    kit::drawChefHat(p, tutto, request.flag(QStringLiteral("stella")));
    if (request.flag(QStringLiteral("perso"))) {
        // Greyed, so the struck hat reads as a match that brought nothing.
        p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        p.fillRect(tutto, QColor(90, 90, 100, 150));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        const qreal m = tutto.width() * 0.18;
        p.setPen(QPen(QColor(200, 30, 30), tutto.width() * 0.12, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tutto.topLeft() + QPointF(m, m), tutto.bottomRight() - QPointF(m, m));
        p.drawLine(tutto.topRight() + QPointF(-m, m), tutto.bottomLeft() + QPointF(m, -m));
    }
    p.end();
    board::settleEdges(image, board::hatStripColour());
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("cappellino", assetgen::paintCappellino)
