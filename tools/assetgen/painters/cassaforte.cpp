// The door of LA CASSAFORTE, 320 x 240 behind the safe's three digit dials, its
// "Ok" button, its two lamps and its two message lines. Everything the window lays
// over it goes in the middle, so the middle is one plain panel of brushed steel,
// light enough for dark digits and calm enough for the lamps' colours; the heavy
// look stays at the edges: the frame with its rivets, the hinges on the left, the
// bolts' housings on the right, and the edition's gold on the rivet heads.
//
// No parameters.

#include "painters/painter.h"
#include "painters/spritekit.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>

namespace assetgen {

namespace {

using namespace kit;
using sprite::pen;

constexpr qreal kWidth = 320, kHeight = 240;
constexpr qreal kFrame = 16;  // the frame round the door
const QColor kShadow(0x1c, 0x20, 0x28);

void paintRivet(QPainter& p, QPointF at, qreal radius, const QColor& metal)
{
    QRadialGradient head(at - QPointF(radius * 0.4, radius * 0.45), radius * 1.6);
    head.setColorAt(0, metal.lighter(160));
    head.setColorAt(0.5, metal);
    head.setColorAt(1, metal.darker(180));
    p.setPen(pen(kShadow, 0.6));
    p.setBrush(head);
    p.drawEllipse(at, radius, radius);
}

void paintFrame(QPainter& p, const EditionLook& look)
{
    QLinearGradient steel(QPointF(0, 0), QPointF(kWidth, kHeight));
    steel.setColorAt(0, QColor(0x6a, 0x72, 0x80));
    steel.setColorAt(0.5, QColor(0x4a, 0x52, 0x60));
    steel.setColorAt(1, QColor(0x34, 0x3a, 0x46));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), steel);
    // A bevel: light on the outer top and left edges, dark on the others.
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    p.drawLine(QPointF(1, kHeight - 1), QPointF(1, 1));
    p.drawLine(QPointF(1, 1), QPointF(kWidth - 1, 1));
    p.setPen(QPen(QColor(0, 0, 0, 120), 2));
    p.drawLine(QPointF(kWidth - 1, 1), QPointF(kWidth - 1, kHeight - 1));
    p.drawLine(QPointF(kWidth - 1, kHeight - 1), QPointF(1, kHeight - 1));
    // Rivets along the frame, in the edition's gold.
    const qreal middle = kFrame / 2;
    for (qreal x = 24; x <= kWidth - 24; x += 34.5) {
        paintRivet(p, QPointF(x, middle), 2.6, look.gold);
        paintRivet(p, QPointF(x, kHeight - middle), 2.6, look.gold);
    }
    for (qreal y = 40; y <= kHeight - 40; y += 40) {
        paintRivet(p, QPointF(middle, y), 2.6, look.gold);
        paintRivet(p, QPointF(kWidth - middle, y), 2.6, look.gold);
    }
    for (const QPointF corner : {QPointF(middle, middle), QPointF(kWidth - middle, middle),
                                 QPointF(middle, kHeight - middle), QPointF(kWidth - middle, kHeight - middle)})
        paintRivet(p, corner, 4, look.gold);
}

void paintDoor(QPainter& p)
{
    const QRectF door(kFrame, kFrame, kWidth - 2 * kFrame, kHeight - 2 * kFrame);
    // The gap round the door, then the door's face: brushed steel, its grain running
    // across, a soft light from the upper left.
    p.fillRect(door.adjusted(-2, -2, 2, 2), kShadow);
    QLinearGradient face(door.topLeft(), door.bottomRight());
    face.setColorAt(0, QColor(0xd8, 0xdc, 0xe2));
    face.setColorAt(0.55, QColor(0xbc, 0xc2, 0xca));
    face.setColorAt(1, QColor(0x9c, 0xa4, 0xae));
    p.fillRect(door, face);
    QRandomGenerator grain(0xCA55A);
    for (int i = 0; i < 140; ++i) {
        const qreal y = door.top() + door.height() * grain.generateDouble();
        const qreal x = door.left() + door.width() * grain.generateDouble() * 0.8;
        const qreal length = 30 + 90 * grain.generateDouble();
        const bool light = grain.generate() % 2 == 0;
        p.setPen(QPen(light ? QColor(255, 255, 255, 40) : QColor(0x40, 0x48, 0x54, 28), 0.6));
        p.drawLine(QPointF(x, y), QPointF(std::min(x + length, door.right()), y));
    }
    // The door's thickness shows as a bevel inside the gap.
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.6));
    p.drawLine(door.bottomLeft() + QPointF(0.8, -0.8), door.topLeft() + QPointF(0.8, 0.8));
    p.drawLine(door.topLeft() + QPointF(0.8, 0.8), door.topRight() + QPointF(-0.8, 0.8));
    p.setPen(QPen(QColor(0x40, 0x46, 0x52, 170), 1.6));
    p.drawLine(door.topRight() + QPointF(-0.8, 0.8), door.bottomRight() + QPointF(-0.8, -0.8));
    p.drawLine(door.bottomRight() + QPointF(-0.8, -0.8), door.bottomLeft() + QPointF(0.8, -0.8));
    // A panel pressed into the face, a few pixels in from its edge.
    const QRectF panel = door.adjusted(14, 12, -14, -12);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(QColor(0x6c, 0x74, 0x80, 150), 1.4));
    p.drawRoundedRect(panel, 5, 5);
    p.setPen(pen(QColor(255, 255, 255, 130), 1));
    p.drawRoundedRect(panel.translated(1, 1), 5, 5);
}

void paintHinges(QPainter& p)
{
    // Two barrels on the left, where the door swings.
    for (const qreal top : {40.0, kHeight - 40.0 - 36}) {
        const QRectF barrel(kFrame - 6, top, 11, 36);
        QLinearGradient round(barrel.topLeft(), barrel.topRight());
        round.setColorAt(0, QColor(0x3c, 0x42, 0x4e));
        round.setColorAt(0.4, QColor(0xd8, 0xdc, 0xe4));
        round.setColorAt(1, QColor(0x4a, 0x50, 0x5c));
        p.setPen(pen(kShadow, 1));
        p.setBrush(round);
        p.drawRoundedRect(barrel, 3, 3);
        p.setPen(pen(kShadow, 0.8));
        p.drawLine(QPointF(barrel.left(), barrel.center().y()), QPointF(barrel.right(), barrel.center().y()));
    }
}

void paintBolts(QPainter& p)
{
    // The locking bolts' housings on the right edge of the door, three of them.
    for (const qreal y : {48.0, kHeight / 2, kHeight - 48.0}) {
        const QRectF housing(kWidth - kFrame - 12, y - 9, 10, 18);
        QLinearGradient metal(housing.topLeft(), housing.bottomLeft());
        metal.setColorAt(0, QColor(0xe6, 0xea, 0xf0));
        metal.setColorAt(1, QColor(0x7a, 0x82, 0x8e));
        p.setPen(pen(QColor(0x50, 0x58, 0x64), 1));
        p.setBrush(metal);
        p.drawRoundedRect(housing, 2.5, 2.5);
        paintRivet(p, housing.center(), 2.6, QColor(0x9a, 0xa2, 0xae));
    }
}

QImage paintCassaforte(const PaintRequest& request)
{
    const EditionLook look = editionLook(request.edition);
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kWidth, request.size.height() / kHeight);
    paintFrame(p, look);
    paintDoor(p);
    paintHinges(p);
    paintBolts(p);
    p.end();
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("cassaforte", assetgen::paintCassaforte)
