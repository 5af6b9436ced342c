#include "painters/spritekit.h"

#include <algorithm>

namespace assetgen::sprite {

QPen pen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QRadialGradient rounded(const QPainterPath& path, const QColor& colour)
{
    const QRectF box = path.boundingRect();
    QRadialGradient shade(box.center() - QPointF(box.width() * 0.25, box.height() * 0.3),
                          std::max(box.width(), box.height()) * 0.95);
    shade.setColorAt(0, colour.lighter(122));
    shade.setColorAt(0.5, colour);
    shade.setColorAt(1, colour.darker(128));
    return shade;
}

void paintFigure(QPainter& p, const std::vector<Part>& parts, const QColor& ink, qreal outline, qreal line)
{
    QPainterPath whole;
    for (const Part& part : parts)
        whole = whole.united(part.path);
    p.strokePath(whole, pen(ink, outline));
    for (const Part& part : parts) {
        p.setPen(pen(ink, line));
        p.setBrush(rounded(part.path, part.colour));
        p.drawPath(part.path);
    }
}

QImage clearCanvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void enterGrid(QPainter& p, QSize size, qreal grid)
{
    p.setRenderHint(QPainter::Antialiasing);
    const qreal k = size.width() / grid;
    p.scale(k, k);
}

}  // namespace assetgen::sprite
