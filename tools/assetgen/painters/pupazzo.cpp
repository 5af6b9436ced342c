// The snowmen of TIRO AL PUPAZZO's gallery. Each place of the gallery lays the
// snowman at rest over the same snowman popped up and hides the one at rest to pop
// it up, so the two pictures share their size, their feet line and their body, and
// differ where the eye catches it at a glance: at rest the snowman dozes in the
// shade, arms down and hat on; popped up he is bright white, wide awake and
// grinning, waving one arm and raising his hat high with the other, into the room
// the one at rest leaves empty above his head. The scarf and the hat band take the
// edition's colours.
//
// Parameters: su (flag) draws the snowman popped up.

#include "painters/boardkit.h"
#include "painters/painter.h"
#include "painters/spritekit.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace assetgen {

namespace {

using namespace sprite;

constexpr qreal kGrid = 100;  // the picture is 100 units wide and stands on y = 134
const QColor kInk(0x22, 0x2a, 0x40);
const QColor kStick(0x7a, 0x4a, 0x22);
const QColor kCoal(0x1c, 0x1e, 0x24);

// A branch for an arm, from the shoulder to the hand, with two twigs for fingers.
void paintArm(QPainter& p, QPointF shoulder, QPointF hand)
{
    const QPointF along = (hand - shoulder) / 5;
    const QPointF across(-along.y(), along.x());
    QPainterPath arm(shoulder);
    arm.lineTo(hand);
    arm.moveTo(hand - along * 0.9);
    arm.lineTo(hand + along * 0.4 + across * 0.6);
    arm.moveTo(hand - along * 0.6);
    arm.lineTo(hand + along * 0.3 - across * 0.7);
    p.strokePath(arm, pen(kInk, 6));
    p.strokePath(arm, pen(kStick, 3));
}

// A top hat whose brim is centred on brim, turned by tilt degrees.
void paintHat(QPainter& p, QPointF brim, qreal tilt, const kit::EditionLook& look)
{
    p.save();
    p.translate(brim);
    p.rotate(tilt);
    QPainterPath crown(QPointF(-10.5, 0));
    crown.lineTo(-9.5, -22);
    crown.quadTo(0, -24.5, 9.5, -22);
    crown.lineTo(10.5, 0);
    crown.closeSubpath();
    const QPainterPath rim = ellipse(QPointF(0, 0), 17, 3.8);
    const QColor felt(0x30, 0x30, 0x3c);
    paintFigure(p, {{crown, felt}, {rim, felt}}, kInk, 4.5, 1.4);
    QPainterPath band;
    band.addRect(QRectF(-10.4, -6.5, 20.8, 5));
    p.setPen(pen(kInk, 1.2));
    p.setBrush(look.accent);
    p.drawPath(band.intersected(crown));
    p.setPen(Qt::NoPen);
    p.setBrush(look.gold);
    p.drawRect(QRectF(3, -6, 3.5, 4));
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawRect(QRectF(-7.5, -20, 3, 12));
    p.restore();
}

// The scarf round the neck and its end hanging down the left of the chest.
void paintScarf(QPainter& p, const kit::EditionLook& look)
{
    QPainterPath wrap(QPointF(36.5, 66));
    wrap.quadTo(50, 73, 63.5, 66);
    wrap.lineTo(63, 71.5);
    wrap.quadTo(50, 78.5, 37, 71.5);
    wrap.closeSubpath();
    QPainterPath tail(QPointF(40, 70));
    tail.lineTo(47, 72);
    tail.lineTo(45, 89);
    tail.lineTo(37.5, 87.5);
    tail.closeSubpath();
    paintFigure(p, {{tail, look.accent}, {wrap, look.accent}}, kInk, 3.2, 1.3);
    p.setPen(pen(look.accent2.lighter(120), 1.8));
    p.drawLine(QPointF(39.5, 79), QPointF(46, 80.5));
    p.drawLine(QPointF(38.8, 83.5), QPointF(45.5, 85));
    p.setPen(pen(kInk, 1.1));
    for (const qreal x : {39.0, 41.5, 44.0})
        p.drawLine(QPointF(x, 88), QPointF(x - 0.3, 91));
}

void paintFace(QPainter& p, bool awake)
{
    p.setBrush(Qt::NoBrush);
    if (awake) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0x8c, 0xa0, 150));
        p.drawEllipse(QPointF(40, 59), 3.6, 2.4);
        p.drawEllipse(QPointF(60, 59), 3.6, 2.4);
        for (const qreal x : {44.5, 55.5}) {
            p.setBrush(kCoal);
            p.drawEllipse(QPointF(x, 50.5), 2.5, 3.1);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(x - 0.8, 49.4), 0.9, 0.9);
        }
        p.setPen(pen(kInk, 1.4));
        p.drawLine(QPointF(41.5, 45), QPointF(46.5, 44));
        p.drawLine(QPointF(53.5, 44), QPointF(58.5, 45));
        // A wide open grin.
        QPainterPath grin(QPointF(42.5, 60.5));
        grin.quadTo(50, 62, 57.5, 60.5);
        grin.quadTo(56, 67.5, 50, 67.5);
        grin.quadTo(44, 67.5, 42.5, 60.5);
        p.setBrush(QColor(0x8a, 0x1e, 0x2a));
        p.drawPath(grin);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf2, 0x6a, 0x80));
        p.drawEllipse(QPointF(50, 66), 3.5, 1.6);
    } else {
        // Dozing: closed eyes and a quiet row of coal for a mouth.
        p.setPen(pen(kCoal, 1.6));
        p.drawArc(QRectF(41.5, 48.5, 6, 4), 180 * 16, 180 * 16);
        p.drawArc(QRectF(52.5, 48.5, 6, 4), 180 * 16, 180 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(kCoal);
        for (const QPointF at : {QPointF(45, 62), QPointF(48.3, 63), QPointF(51.7, 63), QPointF(55, 62)})
            p.drawEllipse(at, 1.1, 1.1);
    }
    // The carrot nose, pointing right.
    QPainterPath carrot(QPointF(49.5, 54));
    carrot.quadTo(56, 55.5, 62, 57.5);
    carrot.quadTo(56, 58.5, 49.5, 58.5);
    carrot.closeSubpath();
    QLinearGradient orange(QPointF(0, 54), QPointF(0, 58.5));
    orange.setColorAt(0, QColor(0xff, 0xa8, 0x40));
    orange.setColorAt(1, QColor(0xe0, 0x62, 0x10));
    p.setPen(pen(QColor(0x8a, 0x34, 0x08), 1));
    p.setBrush(orange);
    p.drawPath(carrot);
}

QImage paintPupazzo(const PaintRequest& request)
{
    const bool up = request.flag(QStringLiteral("su"));
    const kit::EditionLook look = kit::editionLook(request.edition);
    QImage image = clearCanvas(request.size);
    QPainter p(&image);
    enterGrid(p, request.size, kGrid);

    if (up) {
        paintArm(p, QPointF(36, 76), QPointF(14, 56));
        paintArm(p, QPointF(64, 76), QPointF(79, 41));
    } else {
        paintArm(p, QPointF(35, 82), QPointF(16, 100));
        paintArm(p, QPointF(65, 82), QPointF(84, 100));
    }

    // In the shade at rest; in the light, and whiter, when popped up.
    const QColor snow = up ? QColor(0xff, 0xff, 0xff) : QColor(0xd4, 0xde, 0xee);
    paintFigure(p,
                {{ellipse(QPointF(50, 113), 24, 21), snow},
                 {ellipse(QPointF(50, 82), 17.5, 16), snow},
                 {ellipse(QPointF(50, 55), 13.5, 13.5), snow}},
                kInk, 4.5, 1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(kCoal);
    for (const qreal y : {80.0, 87.5, 95.0})
        p.drawEllipse(QPointF(53, y), 1.9, 1.9);
    paintScarf(p, look);
    paintFace(p, up);

    if (up) {
        paintHat(p, QPointF(79, 34), 14, look);
        // A flourish round the raised hat.
        QPainterPath flourish(QPointF(60, 14));
        flourish.lineTo(55, 11);
        flourish.moveTo(61, 21);
        flourish.lineTo(55, 21.5);
        flourish.moveTo(64, 8);
        flourish.lineTo(61, 3.5);
        p.strokePath(flourish, pen(kInk, 3.6));
        p.strokePath(flourish, pen(look.gold, 1.8));
    } else {
        paintHat(p, QPointF(50, 43), -8, look);
    }
    p.end();
    // The gallery's ground is the window's: the outline is what every edge meets.
    board::settleEdges(image, kInk);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("pupazzo", assetgen::paintPupazzo)
