// The balloons and the bomb of CASCATA DI PALLONCINI, shown at 41 x 41 in the
// cells round the hedge on the green field. The balloons come as one strip of
// eight square cells that the window cuts apart, each a shiny balloon of its own
// bright colour, tied and trailing its string, on the field's own green, since a
// BMP has no see-through ground. None is green, and none is dark: the bomb is the
// only dark round thing in the cells, black with a lit fuse and its spark.
//
// Painters: palloni (no parameters: as many cells as the picture is wide for its
// height), bomba (no parameters).

#include "painters/boardkit.h"
#include "painters/coursekit.h"
#include "painters/painter.h"
#include "painters/spritekit.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <array>

namespace assetgen {

namespace {

using namespace sprite;

constexpr qreal kGrid = 100;
// The play field, under the cells.
const QColor kField(0x00, 0xc0, 0x00);
const QColor kInk(0x1a, 0x18, 0x22);

const std::array<QColor, 8> kBalloons = {
    QColor(0xee, 0x22, 0x2c),  // red
    QColor(0xff, 0xdc, 0x24),  // yellow
    QColor(0x2e, 0x6e, 0xf4),  // blue
    QColor(0xff, 0x6a, 0xc0),  // pink
    QColor(0xff, 0x8a, 0x18),  // orange
    QColor(0xa8, 0x52, 0xf2),  // violet
    QColor(0xfa, 0xfa, 0xfe),  // white
    QColor(0x34, 0xdc, 0xe6),  // turquoise
};

// One balloon in a 100-unit cell.
void paintBalloon(QPainter& p, const QColor& colour)
{
    QPainterPath string(QPointF(50, 77));
    string.cubicTo(42, 83, 58, 89, 49, 98);
    p.strokePath(string, pen(kInk, 2));

    QPainterPath body(QPointF(50, 72));
    body.cubicTo(34, 66, 21, 52, 22, 33);
    body.cubicTo(23, 14, 36, 4, 50, 4);
    body.cubicTo(64, 4, 77, 14, 78, 33);
    body.cubicTo(79, 52, 66, 66, 50, 72);
    body.closeSubpath();
    QPainterPath knot(QPointF(50, 70));
    knot.lineTo(55, 78);
    knot.lineTo(45, 78);
    knot.closeSubpath();
    paintFigure(p, {{knot, colour.darker(115)}, {body, colour}}, kInk, 5, 1.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    p.save();
    p.translate(36, 22);
    p.rotate(-35);
    p.drawEllipse(QPointF(0, 0), 9, 4.5);
    p.restore();
    p.drawEllipse(QPointF(31, 36), 2.4, 2.4);
}

QImage paintPalloni(const PaintRequest& request)
{
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(kField);
    const int cell = request.size.height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i * cell < request.size.width(); ++i) {
        p.save();
        p.setClipRect(QRect(i * cell, 0, cell, cell));
        p.translate(i * cell, 0);
        p.scale(cell / kGrid, cell / kGrid);
        paintBalloon(p, kBalloons[size_t(i) % kBalloons.size()]);
        p.restore();
    }
    return image;
}

QImage paintBomba(const PaintRequest& request)
{
    QImage image = clearCanvas(request.size);
    QPainter p(&image);
    enterGrid(p, request.size, kGrid);

    const QPointF centre(45, 59);
    QPainterPath neck;
    neck.addRoundedRect(QRectF(-8, -5, 16, 12), 2, 2);
    neck = QTransform().translate(64, 34).rotate(40).map(neck);
    const QPainterPath ball = ellipse(centre, 33, 33);
    p.strokePath(ball.united(neck), pen(kInk, 4));
    QRadialGradient iron(centre - QPointF(13, 15), 44);
    iron.setColorAt(0, QColor(0x7a, 0x80, 0x90));
    iron.setColorAt(0.35, QColor(0x34, 0x38, 0x42));
    iron.setColorAt(1, QColor(0x0c, 0x0c, 0x10));
    p.setPen(pen(kInk, 1.4));
    p.setBrush(QColor(0x4a, 0x4e, 0x5a));
    p.drawPath(neck);
    p.setBrush(iron);
    p.drawPath(ball);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(centre + QPointF(-14, -16), 8, 5);

    // The fuse curling up out of the neck, and its spark.
    QPainterPath fuse(QPointF(68, 30));
    fuse.cubicTo(71, 21, 78, 24, 79, 15);
    p.strokePath(fuse, pen(kInk, 5));
    p.strokePath(fuse, pen(QColor(0xd8, 0xb8, 0x80), 2.6));
    const QPointF spark(80, 13.5);
    p.setPen(pen(QColor(0xd0, 0x30, 0x08), 1.4));
    p.setBrush(QColor(0xff, 0x9c, 0x10));
    p.drawPath(kit::starOutline(spark, 12, 5, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf4, 0x90));
    p.drawPath(kit::starOutline(spark, 7, 3.2, 8));
    p.end();
    board::settleEdges(image, kField);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("palloni", assetgen::paintPalloni)
ZOLMERA_PAINTER("bomba", assetgen::paintBomba)
