// The ten keys of I PREDATORI DELLA CHIAVE PERDUTA. They lie on the green field at
// 41 x 41 and ride beside the names at 25 x 25, and the players must tell them
// apart at a glance at either size: so each key has a colour of its own, none of
// them green, and a bow and a bit of its own shape. Each lies across its picture,
// the bow at the top left, with a bold dark outline that every ground meets. The
// keys are the same in every edition, since the players learn them by sight.
//
// Parameters: numero = 1 to 10.

#include "painters/boardkit.h"
#include "painters/coursekit.h"
#include "painters/painter.h"
#include "painters/spritekit.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace assetgen {

namespace {

using namespace sprite;

constexpr qreal kGrid = 100;
const QColor kInk(0x1c, 0x16, 0x20);

// The key is laid out lying flat, bow on the left round kBow, shaft along y = 0
// to the right, bit hanging below the shaft's end; then turned and fitted.
const QPointF kBow(-26, 0);

struct Key {
    QColor colour;
    enum Bow { Ring, Heart, Trefoil, Star, Square, Eight, Flower, Triangle, Crown, Spade } bow;
    enum Bit { TwoTeeth, Flag, Comb, Saw, Stairs, Fork, Hook, Anchor, Waves, Castle } bit;
};

const std::array<Key, 10> kKeys = {{
    {QColor(0xe8, 0x26, 0x2a), Key::Ring, Key::TwoTeeth},     // red
    {QColor(0xff, 0x8c, 0x1a), Key::Heart, Key::Flag},        // orange
    {QColor(0xff, 0xe0, 0x2a), Key::Trefoil, Key::Comb},      // yellow
    {QColor(0x6c, 0xd4, 0xff), Key::Star, Key::Saw},          // sky blue
    {QColor(0x2a, 0x4c, 0xe0), Key::Square, Key::Stairs},     // royal blue
    {QColor(0x9a, 0x3c, 0xd8), Key::Eight, Key::Fork},        // purple
    {QColor(0xff, 0x6c, 0xc4), Key::Flower, Key::Hook},       // pink
    {QColor(0xf6, 0xf6, 0xfa), Key::Triangle, Key::Anchor},     // white
    {QColor(0x9a, 0x5a, 0x26), Key::Crown, Key::Waves},       // bronze
    {QColor(0x3a, 0x3a, 0x46), Key::Spade, Key::Castle},      // black iron
}};

QPainterPath rect(qreal x, qreal y, qreal w, qreal h)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), 1.5, 1.5);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    for (const QPointF& point : points) {
        if (path.elementCount() == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

// The bow, holed where a ring would be threaded.
QPainterPath bowPath(Key::Bow bow)
{
    const qreal x = kBow.x(), y = kBow.y();
    QPainterPath outer, hole = ellipse(kBow, 6.5, 6.5);
    switch (bow) {
    case Key::Ring:
        outer = ellipse(kBow, 19, 19);
        hole = ellipse(kBow, 9, 9);
        break;
    case Key::Heart: {
        // Its point towards the shaft.
        outer.moveTo(x + 20, y);
        outer.cubicTo(x + 4, y - 6, x - 6, y - 22, x - 15, y - 16);
        outer.cubicTo(x - 24, y - 10, x - 20, y - 1, x - 14, y);
        outer.cubicTo(x - 20, y + 1, x - 24, y + 10, x - 15, y + 16);
        outer.cubicTo(x - 6, y + 22, x + 4, y + 6, x + 20, y);
        outer.closeSubpath();
        hole = ellipse(kBow + QPointF(-4, 0), 5, 5);
        break;
    }
    case Key::Trefoil:
        for (const qreal a : {180.0, 60.0, 300.0}) {
            const qreal r = a * std::numbers::pi / 180;
            outer = outer.united(ellipse(kBow + QPointF(std::cos(r) * 10, std::sin(r) * 10), 10.5, 10.5));
        }
        outer = outer.united(ellipse(kBow, 9, 9));
        hole = ellipse(kBow, 4.5, 4.5);
        break;
    case Key::Star:
        outer = kit::starOutline(kBow, 24, 11);
        hole = ellipse(kBow, 5, 5);
        break;
    case Key::Square:
        outer.addRoundedRect(QRectF(x - 17, y - 17, 34, 34), 4, 4);
        hole.clear();
        hole.addRect(QRectF(x - 6.5, y - 6.5, 13, 13));
        break;
    case Key::Eight:
        // Two rings side by side across the shaft.
        outer = ellipse(kBow + QPointF(0, -11), 11.5, 11.5).united(ellipse(kBow + QPointF(0, 11), 11.5, 11.5));
        hole = ellipse(kBow + QPointF(0, -11), 5, 5).united(ellipse(kBow + QPointF(0, 11), 5, 5));
        break;
    case Key::Flower:
        for (const QPointF petal : {QPointF(-11, 0), QPointF(11, 0), QPointF(0, -11), QPointF(0, 11)})
            outer = outer.united(ellipse(kBow + petal, 9.5, 9.5));
        hole = ellipse(kBow, 5, 5);
        break;
    case Key::Triangle:
        // Its base on the shaft, its point away from it.
        outer = polygon({QPointF(x + 14, y - 20), QPointF(x - 24, y), QPointF(x + 14, y + 20)});
        outer = QPainterPathStroker(pen(Qt::black, 6)).createStroke(outer).united(outer).simplified();
        hole = ellipse(kBow + QPointF(4, 0), 5.5, 5.5);
        break;
    case Key::Crown:
        // Three points away from the shaft.
        outer = polygon({QPointF(x + 12, y - 16), QPointF(x - 8, y - 18), QPointF(x - 22, y - 22), QPointF(x - 16, y - 8),
                         QPointF(x - 24, y), QPointF(x - 16, y + 8), QPointF(x - 22, y + 22), QPointF(x - 8, y + 18),
                         QPointF(x + 12, y + 16)});
        hole = ellipse(kBow + QPointF(2, 0), 5, 5);
        break;
    case Key::Spade: {
        // Its point away from the shaft, its stalk on it.
        outer.moveTo(x - 22, y);
        outer.cubicTo(x - 10, y - 6, x + 2, y - 24, x + 10, y - 14);
        outer.cubicTo(x + 16, y - 6, x + 12, y, x + 8, y);
        outer.cubicTo(x + 12, y, x + 16, y + 6, x + 10, y + 14);
        outer.cubicTo(x + 2, y + 24, x - 10, y + 6, x - 22, y);
        outer.closeSubpath();
        outer = outer.united(polygon({QPointF(x + 4, y), QPointF(x + 18, y - 8), QPointF(x + 18, y + 8)}));
        hole = ellipse(kBow + QPointF(1, 0), 4.5, 4.5);
        break;
    }
    }
    return outer.subtracted(hole);
}

// The bit, hanging below the shaft between x = 22 and 42.
QPainterPath bitPath(Key::Bit bit)
{
    QPainterPath path;
    switch (bit) {
    case Key::TwoTeeth:
        path = rect(23, 0, 7, 19).united(rect(35, 0, 7, 19));
        break;
    case Key::Flag:
        path = rect(23, 0, 19, 17);
        break;
    case Key::Comb:
        path = rect(22, 0, 4.5, 20).united(rect(29.5, 0, 4.5, 20)).united(rect(37, 0, 4.5, 20));
        break;
    case Key::Saw:
        path = polygon({QPointF(21, 0), QPointF(21, 19), QPointF(27, 10), QPointF(32, 19), QPointF(37, 10),
                        QPointF(42, 19), QPointF(42, 0)});
        break;
    case Key::Stairs:
        path = polygon({QPointF(22, 0), QPointF(22, 8), QPointF(29, 8), QPointF(29, 14), QPointF(35, 14),
                        QPointF(35, 20), QPointF(42, 20), QPointF(42, 0)});
        break;
    case Key::Fork:
        path = polygon({QPointF(22, 0), QPointF(22, 20), QPointF(28, 20), QPointF(28, 9), QPointF(36, 9),
                        QPointF(36, 20), QPointF(42, 20), QPointF(42, 0)});
        break;
    case Key::Hook:
        path = rect(34, 0, 7, 20).united(rect(22, 13, 19, 7));
        break;
    case Key::Anchor:
        path = rect(28.5, 0, 7, 20).united(rect(21, 14, 22, 6.5));
        break;
    case Key::Waves:
        path = ellipse(QPointF(27, 9), 6, 8).united(ellipse(QPointF(37, 9), 6, 8)).united(rect(21, 0, 22, 8));
        break;
    case Key::Castle:
        path = polygon({QPointF(22, 0), QPointF(22, 20), QPointF(28, 20), QPointF(28, 12), QPointF(32, 12),
                        QPointF(32, 20), QPointF(38, 20), QPointF(38, 12), QPointF(42, 12), QPointF(42, 0)});
        break;
    }
    return path;
}

QPainterPath keyShape(const Key& key, QPainterPath* collar)
{
    QPainterPath shaft;
    shaft.addRoundedRect(QRectF(-12, -5, 56, 10), 4, 4);
    collar->addRoundedRect(QRectF(-2, -7.5, 7, 15), 2, 2);
    return bowPath(key.bow).united(shaft).united(bitPath(key.bit)).united(*collar).simplified();
}

// Lying from the top left to the bottom right, the bit towards the bottom left,
// every key at the same scale, the biggest filling the picture; each centred.
QTransform placing(const Key& key)
{
    static const QTransform turn = QTransform().rotate(45);
    static const QSizeF biggest = [] {
        QSizeF size;
        for (const Key& each : kKeys) {
            QPainterPath collar;
            size = size.expandedTo(turn.map(keyShape(each, &collar)).boundingRect().size());
        }
        return size;
    }();
    QPainterPath collar;
    const QRectF box = turn.map(keyShape(key, &collar)).boundingRect();
    const qreal scale = (kGrid - 10) / std::max(biggest.width(), biggest.height());
    return turn * QTransform::fromTranslate(-box.center().x(), -box.center().y()) * QTransform::fromScale(scale, scale)
        * QTransform::fromTranslate(kGrid / 2, kGrid / 2);
}

QImage paintChiave(const PaintRequest& request)
{
    const int number = std::clamp(int(request.number(QStringLiteral("numero"), 1)), 1, int(kKeys.size()));
    const Key& key = kKeys[number - 1];
    QImage image = clearCanvas(request.size);
    QPainter p(&image);
    enterGrid(p, request.size, kGrid);
    p.setTransform(placing(key), true);

    QPainterPath collar;
    const QPainterPath whole = keyShape(key, &collar);
    p.strokePath(whole, pen(kInk, 6.5));
    p.setPen(pen(kInk, 1.2));
    p.setBrush(rounded(whole, key.colour));
    p.drawPath(whole);
    // The collar and a shine along the shaft and round the bow.
    p.setBrush(key.colour.darker(125));
    p.drawPath(collar);
    p.setClipPath(whole);
    p.setPen(pen(QColor(255, 255, 255, 150), 2));
    p.drawLine(QPointF(9, -2.2), QPointF(38, -2.2));
    p.setBrush(QColor(255, 255, 255, 120));
    p.setPen(Qt::NoPen);
    p.drawEllipse(kBow + QPointF(-8, -10), 4.5, 2.5);
    p.end();
    board::settleEdges(image, kInk);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("chiave", assetgen::paintChiave)
