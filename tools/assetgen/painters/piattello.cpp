// TIRO AL PIATTO: the clay plate that glides across the top of the light blue
// range, and the arrow shot straight up at it. The plate is seen from the front,
// tilted a little towards us: an orange face ridged in rings round a bullseye,
// over the black rim of its body. The arrow flies up 738 twips from the plate's
// left edge when the plate is at its place of a full score, and stops with its
// point 600 twips below the plate's top, so the bullseye is put there, not in the
// picture's middle: a perfect shot sticks in the centre. The arrow's point is its
// picture's top; its fletching takes the edition's colours.
//
// Painters: piattello (no parameters), freccia (no parameters).

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

// The range, the window's light blue, where both pictures fly.
const QColor kRange(0xc0, 0xc0, 0xff);
const QColor kInk(0x22, 0x1a, 0x16);

// --- The plate, on a grid of 1560 x 1428 twips ---------------------------------------

constexpr qreal kPlateWidth = 1560;
const QPointF kBullseye(738, 600);
constexpr qreal kFaceRx = 700, kFaceRy = 580, kDepth = 75;

QImage paintPiattello(const PaintRequest& request)
{
    const kit::EditionLook look = kit::editionLook(request.edition);
    QImage image = clearCanvas(request.size);
    QPainter p(&image);
    enterGrid(p, request.size, kPlateWidth);

    // The body's black rim, showing under the face.
    QPainterPath body = ellipse(kBullseye + QPointF(0, kDepth), kFaceRx, kFaceRy);
    body.addRect(QRectF(kBullseye.x() - kFaceRx, kBullseye.y(), kFaceRx * 2, kDepth));
    body = body.united(ellipse(kBullseye, kFaceRx, kFaceRy)).simplified();
    p.setPen(pen(kInk, 34));
    QLinearGradient rim(QPointF(kBullseye.x() - kFaceRx, 0), QPointF(kBullseye.x() + kFaceRx, 0));
    rim.setColorAt(0, QColor(0x5a, 0x56, 0x54));
    rim.setColorAt(0.35, QColor(0x2c, 0x2a, 0x2a));
    rim.setColorAt(1, QColor(0x14, 0x12, 0x12));
    p.setBrush(rim);
    p.drawPath(body);

    // The face: rings of clay, each a step lighter towards the middle.
    const QColor clay(0xf0, 0x6a, 0x18);
    const qreal rings[] = {1.0, 0.8, 0.6, 0.4};
    for (int i = 0; i < 4; ++i) {
        const qreal k = rings[i];
        const QPainterPath ring = ellipse(kBullseye, kFaceRx * k, kFaceRy * k);
        QRadialGradient shade(kBullseye - QPointF(kFaceRx * k * 0.35, kFaceRy * k * 0.45), kFaceRx * k * 1.4);
        const QColor tone = clay.lighter(100 + i * 7);
        shade.setColorAt(0, tone.lighter(125));
        shade.setColorAt(0.55, tone);
        shade.setColorAt(1, tone.darker(135));
        p.setPen(pen(i == 0 ? kInk : clay.darker(175), i == 0 ? 26 : 14));
        p.setBrush(shade);
        p.drawPath(ring);
    }

    // The bullseye: a dark dot in a ring of the edition's gold.
    p.setPen(pen(kInk, 14));
    p.setBrush(look.gold);
    p.drawEllipse(kBullseye, 120, 104);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(kBullseye, 62, 54);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(kBullseye + QPointF(-340, -300), 150, 60);
    p.end();
    board::settleEdges(image, kRange);
    return image;
}

// --- The arrow, on a grid of 70 x 290 ---------------------------------------------------

constexpr qreal kArrowWidth = 70;
constexpr qreal kMiddle = 35;

// One vane of the fletching, on the side given (-1 left, 1 right).
QPainterPath vane(int side)
{
    QPainterPath path(QPointF(kMiddle + side * 2, 206));
    path.cubicTo(QPointF(kMiddle + side * 14, 222), QPointF(kMiddle + side * 27, 240),
                 QPointF(kMiddle + side * 28, 268));
    path.lineTo(kMiddle + side * 17, 262);
    path.lineTo(kMiddle + side * 2, 272);
    path.closeSubpath();
    return path;
}

QImage paintFreccia(const PaintRequest& request)
{
    const kit::EditionLook look = kit::editionLook(request.edition);
    QImage image = clearCanvas(request.size);
    QPainter p(&image);
    enterGrid(p, request.size, kArrowWidth);

    QPainterPath shaft;
    shaft.addRoundedRect(QRectF(kMiddle - 4, 30, 8, 252), 3, 3);
    QPainterPath head(QPointF(kMiddle, 1.5));
    head.lineTo(kMiddle + 14, 36);
    head.quadTo(kMiddle, 31, kMiddle - 14, 36);
    head.closeSubpath();
    QPainterPath nock;
    nock.addRoundedRect(QRectF(kMiddle - 6, 270, 12, 17), 3, 3);

    QLinearGradient wood(QPointF(kMiddle - 4, 0), QPointF(kMiddle + 4, 0));
    wood.setColorAt(0, QColor(0xf4, 0xcc, 0x86));
    wood.setColorAt(1, QColor(0xa8, 0x6c, 0x30));
    QLinearGradient steel(QPointF(kMiddle - 14, 0), QPointF(kMiddle + 14, 0));
    steel.setColorAt(0, QColor(0xf4, 0xf6, 0xfa));
    steel.setColorAt(0.5, QColor(0xb4, 0xba, 0xc6));
    steel.setColorAt(0.51, QColor(0x7c, 0x84, 0x94));
    steel.setColorAt(1, QColor(0x5c, 0x62, 0x70));

    const QPainterPath left = vane(-1), right = vane(1);
    p.strokePath(shaft.united(head).united(nock).united(left).united(right), pen(kInk, 5));
    p.setPen(pen(kInk, 1.4));
    p.setBrush(wood);
    p.drawPath(shaft);
    p.setBrush(steel);
    p.drawPath(head);
    for (const QPainterPath& feather : {left, right}) {
        p.setBrush(rounded(feather, look.accent));
        p.drawPath(feather);
    }
    // A stripe across the vanes and the gold nock.
    p.save();
    p.setClipPath(left.united(right));
    p.setPen(pen(look.accent2.lighter(115), 5));
    p.drawLine(QPointF(kMiddle - 30, 252), QPointF(kMiddle, 236));
    p.drawLine(QPointF(kMiddle + 30, 252), QPointF(kMiddle, 236));
    p.restore();
    p.setPen(pen(kInk, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(pen(kInk, 1.4));
    p.setBrush(look.gold);
    p.drawPath(nock);
    p.end();
    board::settleEdges(image, kRange);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("piattello", assetgen::paintPiattello)
ZOLMERA_PAINTER("freccia", assetgen::paintFreccia)
