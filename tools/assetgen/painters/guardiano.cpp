// The guards who patrol I PREDATORI DELLA CHIAVE PERDUTA's green field and send a
// figure they meet back to the start. A guard is a stout watchman seen from the
// front, big-headed so he reads at 39 x 39: a peaked cap with a gold badge, a
// stern brow and a thick moustache, a navy uniform with gold buttons, a whistle on
// its cord and a truncheon in his hand. Navy sets him apart from the brown dog,
// the white rabbit and the bright keys; the band of his cap and his armband take
// the edition's accent.
//
// No parameters.

#include "painters/boardkit.h"
#include "painters/coursekit.h"
#include "painters/painter.h"
#include "painters/spritekit.h"
#include "painters/studiokit.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace assetgen {

namespace {

using namespace sprite;

constexpr qreal kGrid = 100;
const QColor kInk(0x14, 0x16, 0x24);
const QColor kNavy(0x24, 0x36, 0x78), kSkin(0xf6, 0xc6, 0x9a), kHair(0x4a, 0x2c, 0x18);

QImage paintGuardiano(const PaintRequest& request)
{
    const kit::EditionLook look = kit::editionLook(request.edition);
    QImage image = clearCanvas(request.size);
    QPainter p(&image);
    enterGrid(p, request.size, kGrid);

    QPainterPath body(QPointF(30, 55));
    body.quadTo(50, 50, 70, 55);
    body.lineTo(67, 84);
    body.lineTo(33, 84);
    body.closeSubpath();
    QPainterPath legs;
    legs.addRoundedRect(QRectF(35, 80, 13, 15), 3, 3);
    legs.addRoundedRect(QRectF(52, 80, 13, 15), 3, 3);
    QPainterPath sleeves;
    sleeves.addRoundedRect(QRectF(21, 55, 11, 26), 5, 5);
    sleeves.addRoundedRect(QRectF(68, 55, 11, 26), 5, 5);
    const QPainterPath shoes = ellipse(QPointF(40, 95), 8, 3.8).united(ellipse(QPointF(60, 95), 8, 3.8));
    const QPainterPath hands = ellipse(QPointF(26.5, 83), 5, 5).united(ellipse(QPointF(73.5, 83), 5, 5));
    const QPainterPath head = ellipse(QPointF(50, 38), 16.5, 16).united(ellipse(QPointF(33.5, 39), 3.5, 4.5))
                                  .united(ellipse(QPointF(66.5, 39), 3.5, 4.5));
    // The cap: a round crown over a band, and the peak over the brow.
    QPainterPath crown(QPointF(30, 27));
    crown.cubicTo(22, 12, 78, 12, 70, 27);
    crown.closeSubpath();
    QPainterPath band;
    band.addRect(QRectF(33, 24, 34, 7));
    QPainterPath peak(QPointF(32, 30));
    peak.quadTo(50, 37, 68, 30);
    peak.quadTo(50, 32, 32, 30);
    // A truncheon in his right hand, hanging along the leg.
    QPainterPath truncheon;
    truncheon.addRoundedRect(QRectF(-2.8, 0, 5.6, 22), 2.5, 2.5);
    truncheon = QTransform().translate(76, 78).rotate(-18).map(truncheon);

    paintFigure(p,
                {{truncheon, QColor(0x5a, 0x3a, 0x22)},
                 {legs, kNavy.darker(125)},
                 {shoes, QColor(0x22, 0x22, 0x28)},
                 {body, kNavy},
                 {sleeves, kNavy},
                 {hands, kSkin},
                 {head, kSkin},
                 {crown, kNavy},
                 {band, look.accent},
                 {peak, QColor(0x18, 0x1a, 0x22)}},
                kInk, 5, 1.4);

    // The cap's badge, the armband, the belt and the buttons.
    p.setPen(pen(kInk, 0.9));
    p.setBrush(look.gold);
    p.drawPath(kit::starOutline(QPointF(50, 21), 4.5, 2));
    p.setBrush(look.accent);
    p.drawRect(QRectF(21.5, 62, 10, 5));
    p.setBrush(QColor(0x20, 0x18, 0x14));
    p.drawRect(QRectF(32.5, 76, 35, 4.5));
    p.setBrush(look.gold);
    p.drawRect(QRectF(46.5, 75.5, 7, 5.5));
    for (const qreal y : {61.0, 69.0})
        p.drawEllipse(QPointF(50, y), 1.8, 1.8);
    p.drawPath(kit::starOutline(QPointF(60, 63), 3.6, 1.6));
    // The whistle on its cord.
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(look.gold.lighter(120), 1.2));
    p.drawLine(QPointF(44, 55), QPointF(40, 64));
    p.setPen(pen(kInk, 0.9));
    p.setBrush(QColor(0xd8, 0xdc, 0xe4));
    p.drawRoundedRect(QRectF(36.5, 63.5, 6, 3.6), 1.4, 1.4);

    // The face: a stern brow, a round nose and a thick moustache.
    p.setPen(pen(kHair, 2.4));
    p.drawLine(QPointF(39, 34), QPointF(46, 36));
    p.drawLine(QPointF(61, 34), QPointF(54, 36));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(43.5, 39.5), 1.9, 2.3);
    p.drawEllipse(QPointF(56.5, 39.5), 1.9, 2.3);
    p.setBrush(QColor(0xe8, 0x92, 0x72));
    p.drawEllipse(QPointF(50, 44), 3.4, 3);
    QPainterPath moustache(QPointF(50, 46.5));
    moustache.cubicTo(44, 44.5, 38, 46, 37, 51);
    moustache.cubicTo(41, 49, 45, 50.5, 50, 49.5);
    moustache.cubicTo(55, 50.5, 59, 49, 63, 51);
    moustache.cubicTo(62, 46, 56, 44.5, 50, 46.5);
    p.setPen(pen(kInk, 0.9));
    p.setBrush(kHair);
    p.drawPath(moustache);
    p.end();
    board::settleEdges(image, kInk);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("guardiano", assetgen::paintGuardiano)
