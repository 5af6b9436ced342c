// The three symbols on the reels of the SLOT MACHINE, each shown 80 x 80 over its
// reel's colour: a wedge of cheese on a plate over yellow, a slice of jam tart on a
// plate over red, a slice of watermelon over green. The cheese is the menu's own
// cheese course, so the machine pays out in the lunch's courses; the tart and the
// watermelon are drawn here in the same style, on the same plate, low and from the
// front. Each symbol has a dark outline or a white plate between it and its reel,
// so it reads on a colour as loud as its own.
//
// Parameters: simbolo = formaggio, torta or anguria.

#include "painters/boardkit.h"
#include "painters/coursekit.h"
#include "painters/painter.h"
#include "painters/spritekit.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <numbers>

namespace assetgen {

namespace {

using sprite::pen;

constexpr qreal kGrid = 100;
// The plate picture's own grid, fitted into the square as the course kit fits it.
const QRectF kPlateBox(0, 4, kGrid, kGrid - 4);
constexpr qreal kPlateWidth = 96, kPlateHeight = 64;
const QColor kInk(0x4a, 0x1c, 0x10);

// Enters the plate's 96 x 64 grid inside kPlateBox, between save and restore.
void enterPlateGrid(QPainter& p)
{
    const qreal scale = std::min(kPlateBox.width() / kPlateWidth, kPlateBox.height() / kPlateHeight);
    p.save();
    p.translate(kPlateBox.center() - QPointF(kPlateWidth, kPlateHeight) * scale / 2);
    p.scale(scale, scale);
}

// The pastry strips across the tart's top, criss-cross; the caller clips them.
void paintLattice(QPainter& p)
{
    for (const qreal x : {22.0, 38.0, 54.0, 70.0, 86.0})
        p.drawLine(QPointF(x - 12, 44), QPointF(x + 6, 6));
    for (const qreal y : {14.0, 26.0})
        p.drawLine(QPointF(0, y + 2), QPointF(96, y + 18));
}

void paintTart(QPainter& p)
{
    kit::drawEmptyPlate(p, kPlateBox);
    enterPlateGrid(p);
    // The slice points to the left; its top is jam under a lattice of pastry, its cut
    // side shows the short pastry and the jam, its back the raised crust.
    const QPointF tip(8, 36), backTop(62, 12), backBottom(84, 34);
    const QPointF backRound(84, 16);
    constexpr qreal depth = 12;
    QPainterPath top(tip);
    top.lineTo(backTop);
    top.quadTo(backRound, backBottom);
    top.closeSubpath();
    QPainterPath side(tip);
    side.lineTo(backBottom);
    side.lineTo(backBottom + QPointF(0, depth));
    side.lineTo(tip + QPointF(0, depth * 0.7));
    side.closeSubpath();

    p.setPen(pen(kInk, 1.4));
    QLinearGradient pastry(QPointF(0, 36), QPointF(0, 48));
    pastry.setColorAt(0, QColor(0xf6, 0xc8, 0x6c));
    pastry.setColorAt(1, QColor(0xc8, 0x84, 0x2c));
    p.setBrush(pastry);
    p.drawPath(side);
    p.save();
    p.setClipPath(side);
    p.setPen(pen(QColor(0xb0, 0x10, 0x2a), 2.2));
    p.drawLine(tip + QPointF(0, 3), backBottom + QPointF(0, 3));
    p.restore();
    p.setPen(pen(kInk, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(side);

    QLinearGradient jam(backTop, tip);
    jam.setColorAt(0, QColor(0x9a, 0x06, 0x22));
    jam.setColorAt(1, QColor(0xe8, 0x2a, 0x48));
    p.setBrush(jam);
    p.drawPath(top);
    p.save();
    p.setClipPath(top);
    p.setPen(pen(QColor(0x9a, 0x5a, 0x1a), 4.2));
    paintLattice(p);
    p.setPen(pen(QColor(0xf8, 0xd0, 0x78), 2.8));
    paintLattice(p);
    p.restore();
    // The raised crust along the round back.
    QPainterPath rim(backTop);
    rim.quadTo(backRound, backBottom);
    p.setPen(pen(kInk, 6.4));
    p.drawPath(rim);
    p.setPen(pen(QColor(0xe8, 0xa8, 0x4a), 4.4));
    p.drawPath(rim);
    p.setPen(pen(QColor(0xff, 0xe6, 0xa8), 1.4));
    p.drawPath(rim.translated(-0.8, -0.8));
    p.setPen(pen(kInk, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(top);
    p.restore();
}

void paintWatermelon(QPainter& p)
{
    // A wedge cut from the round: the dark rind below, a pale band, red flesh with
    // black seeds, standing on its rind and leaning a little.
    p.save();
    p.translate(50, 30);
    p.rotate(-10);
    constexpr qreal radius = 46;
    const QRectF round(-radius, -radius, radius * 2, radius * 2);
    QPainterPath slice(QPointF(0, 0));
    slice.arcTo(round, 200, 140);
    slice.closeSubpath();
    p.setPen(pen(QColor(0x0c, 0x2e, 0x0e), 4));
    QRadialGradient rind(QPointF(0, 0), radius);
    rind.setColorAt(0.8, QColor(0x3a, 0x8a, 0x2a));
    rind.setColorAt(1, QColor(0x14, 0x4e, 0x16));
    p.setBrush(rind);
    p.drawPath(slice);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0xf6, 0xc8));
    QPainterPath pale(QPointF(0, 0));
    pale.arcTo(round.adjusted(7, 7, -7, -7), 200, 140);
    pale.closeSubpath();
    p.drawPath(pale);
    QPainterPath flesh(QPointF(0, 0));
    flesh.arcTo(round.adjusted(10, 10, -10, -10), 200, 140);
    flesh.closeSubpath();
    QRadialGradient red(QPointF(-6, 8), 40);
    red.setColorAt(0, QColor(0xff, 0x6a, 0x6e));
    red.setColorAt(1, QColor(0xe0, 0x14, 0x30));
    p.setBrush(red);
    p.drawPath(flesh);
    const QPointF seeds[] = {{-18, 14}, {-6, 20}, {6, 20}, {18, 14}, {-10, 8}, {0, 12}, {10, 8}, {-26, 8}, {26, 8}};
    for (const QPointF at : seeds) {
        const QPointF down = at / std::max(1.0, std::hypot(at.x(), at.y())) * 2.4;
        QPainterPath seed(at - down);
        seed.quadTo(at + QPointF(down.y(), -down.x()) * 0.8, at + down);
        seed.quadTo(at - QPointF(down.y(), -down.x()) * 0.8, at - down);
        p.setBrush(QColor(0x20, 0x12, 0x10));
        p.drawPath(seed);
    }
    p.setPen(pen(QColor(0x0c, 0x2e, 0x0e), 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(slice);
    p.restore();
}

QImage paintSimbolo(const PaintRequest& request)
{
    const QString symbol = request.text(QStringLiteral("simbolo")).trimmed().toLower();
    // The reel's colour behind each symbol.
    QColor reel(0xff, 0xff, 0x00);
    QImage image = sprite::clearCanvas(request.size);
    QPainter p(&image);
    sprite::enterGrid(p, request.size, kGrid);
    if (symbol == u"torta") {
        reel = QColor(0xff, 0x00, 0x00);
        paintTart(p);
    } else if (symbol == u"anguria") {
        reel = QColor(0x00, 0xff, 0x00);
        paintWatermelon(p);
    } else {
        kit::drawCourse(p, kit::Course::Formaggio, kPlateBox);
    }
    p.end();
    board::settleEdges(image, reel);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("simbolo", assetgen::paintSimbolo)
