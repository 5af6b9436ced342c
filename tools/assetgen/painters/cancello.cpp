// The gate at the top of I PREDATORI DELLA CHIAVE PERDUTA's green field, where the
// right key wins: two stone pillars capped with gold balls, and between them an
// arched iron gate with a big gold lock and its keyhole in the middle, so it reads
// as "bring the key here" at 41 x 41. The field shows through the bars. The lock
// and the balls take the edition's gold, the pillars' bands its accent.
//
// No parameters.

#include "painters/boardkit.h"
#include "painters/painter.h"
#include "painters/spritekit.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace assetgen {

namespace {

using namespace sprite;

constexpr qreal kGrid = 100;
const QColor kInk(0x1e, 0x1c, 0x22);
const QColor kIron(0x3a, 0x40, 0x4c);

// The gate between the pillars: its sides, the springing of its arch and its foot.
constexpr qreal kLeft = 21, kRight = 79, kSpring = 42, kRise = 14, kFoot = 95;
constexpr qreal kBar = (kRight - kLeft) / 8;  // between two bars, one where the leaves meet

// The top of the arch above x: a parabola from one side to the other.
qreal archTop(qreal x)
{
    const qreal t = (x - 50) / ((kRight - kLeft) / 2);
    return kSpring - kRise * (1 - t * t);
}

void paintPillar(QPainter& p, qreal left, const kit::EditionLook& look)
{
    const QRectF shaft(left, 24, 17, 72);
    QLinearGradient stone(shaft.topLeft(), shaft.topRight());
    stone.setColorAt(0, QColor(0xf2, 0xec, 0xdc));
    stone.setColorAt(0.6, QColor(0xc8, 0xbe, 0xa8));
    stone.setColorAt(1, QColor(0x94, 0x8a, 0x76));
    p.setPen(pen(kInk, 2.6));
    p.setBrush(stone);
    p.drawRect(shaft);
    // The joints of the blocks, and a band of the edition's colour.
    p.setPen(pen(QColor(0x84, 0x7a, 0x66), 1.2));
    for (const qreal y : {44.0, 64.0, 84.0})
        p.drawLine(QPointF(left + 2, y), QPointF(left + 15, y));
    p.setPen(pen(kInk, 1.6));
    p.setBrush(look.accent);
    p.drawRect(QRectF(left - 1, 30, 19, 6));
    // The cap and its gold ball.
    p.setBrush(QColor(0xd8, 0xd0, 0xbc));
    p.drawRect(QRectF(left - 2.5, 20, 22, 5));
    const QPointF ball(left + 8.5, 13);
    QRadialGradient gold(ball - QPointF(2, 2.5), 8);
    gold.setColorAt(0, look.gold.lighter(150));
    gold.setColorAt(1, look.gold.darker(140));
    p.setBrush(gold);
    p.drawEllipse(ball, 6.5, 6.5);
}

QImage paintCancello(const PaintRequest& request)
{
    const kit::EditionLook look = kit::editionLook(request.edition);
    QImage image = clearCanvas(request.size);
    QPainter p(&image);
    enterGrid(p, request.size, kGrid);

    // The gate's two leaves under one arch, bars and rails in iron.
    QPainterPath arch(QPointF(kLeft, kFoot));
    arch.lineTo(kLeft, kSpring);
    arch.quadTo(50, kSpring - 2 * kRise, kRight, kSpring);
    arch.lineTo(kRight, kFoot);
    QPainterPath iron = arch;
    for (qreal x = kLeft + kBar; x < kRight - 1; x += kBar) {
        iron.moveTo(x, kFoot);
        iron.lineTo(x, archTop(x));
    }
    for (const qreal y : {kFoot - 4, 62.0}) {
        iron.moveTo(kLeft, y);
        iron.lineTo(kRight, y);
    }
    p.strokePath(iron, pen(kInk, 5.5));
    p.strokePath(iron, pen(kIron, 2.8));
    p.strokePath(iron, QPen(QColor(0x8a, 0x94, 0xa6), 0.9));
    // Spear points along the top of the arch.
    p.setPen(pen(kInk, 1.2));
    p.setBrush(look.gold);
    for (qreal x = kLeft + kBar; x < kRight - 1; x += kBar) {
        const qreal y = archTop(x);
        QPainterPath spear(QPointF(x, y - 6));
        spear.lineTo(x + 2.4, y);
        spear.lineTo(x - 2.4, y);
        spear.closeSubpath();
        p.drawPath(spear);
    }

    paintPillar(p, 4.5, look);
    paintPillar(p, 78.5, look);

    // The lock on the meeting of the leaves, and its keyhole.
    const QRectF plate(39, 50, 22, 26);
    QLinearGradient brass(plate.topLeft(), plate.bottomRight());
    brass.setColorAt(0, look.gold.lighter(145));
    brass.setColorAt(0.5, look.gold);
    brass.setColorAt(1, look.gold.darker(150));
    p.setPen(pen(kInk, 2.4));
    p.setBrush(brass);
    p.drawRoundedRect(plate, 4, 4);
    QPainterPath keyhole = ellipse(QPointF(50, 59), 4, 4);
    QPainterPath slot(QPointF(47.5, 60));
    slot.lineTo(52.5, 60);
    slot.lineTo(54, 71);
    slot.lineTo(46, 71);
    slot.closeSubpath();
    keyhole = keyhole.united(slot);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPath(keyhole);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QPointF(43.5, 54), 2.2, 1.4);
    p.end();
    board::settleEdges(image, kInk);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("cancello", assetgen::paintCancello)
