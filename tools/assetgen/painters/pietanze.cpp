// The dishes that fly onto the plates of LABIRINTO DEI GOLOSI: a round plate seen
// from above with spaghetti al pomodoro, a roast chicken leg or a slice of
// strawberry cake on it. They sit on the maze's light grey area at 41 x 41, so
// each dish is one bold shape in its own colour: red and yellow, golden brown,
// pink and white. The plate's rim takes the edition's gold and a ring of its
// accent colour.
//
// Parameters: piatto = spaghetti, pollo or torta.

#include "painters/boardkit.h"
#include "painters/coursekit.h"
#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>
#include <numbers>

namespace assetgen {

namespace {

using namespace kit;

constexpr qreal kGrid = 100;
const QPointF kCentre(50, 50);
const QColor kInk(0x4a, 0x2a, 0x1c);
// The maze's area, where the plates lie.
const QColor kGround(0xe0, 0xe0, 0xe0);

QPen pen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QRadialGradient lit(QPointF centre, qreal radius, const QColor& colour)
{
    QRadialGradient shade(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.3);
    shade.setColorAt(0, colour.lighter(135));
    shade.setColorAt(0.5, colour);
    shade.setColorAt(1, colour.darker(135));
    return shade;
}

void paintPlate(QPainter& p, const EditionLook& look)
{
    p.setPen(pen(QColor(0x6e, 0x76, 0x88), 3));
    QRadialGradient china(kCentre - QPointF(14, 16), 70);
    china.setColorAt(0, Qt::white);
    china.setColorAt(1, QColor(0xc8, 0xce, 0xda));
    p.setBrush(china);
    p.drawEllipse(kCentre, 47, 47);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(look.accent, 2.4));
    p.drawEllipse(kCentre, 42.5, 42.5);
    p.setPen(pen(look.gold.darker(115), 1.2));
    p.drawEllipse(kCentre, 39.5, 39.5);
    // The well, a little in shadow under the rim.
    QRadialGradient well(kCentre + QPointF(4, 5), 36);
    well.setColorAt(0, QColor(0xfc, 0xfc, 0xfe));
    well.setColorAt(0.8, QColor(0xf0, 0xf2, 0xf6));
    well.setColorAt(1, QColor(0xd6, 0xda, 0xe4));
    p.setPen(Qt::NoPen);
    p.setBrush(well);
    p.drawEllipse(kCentre, 34, 34);
}

void paintLeaf(QPainter& p, QPointF base, QPointF tip, qreal width, const QColor& colour)
{
    p.setPen(pen(colour.darker(170), 1.3));
    p.setBrush(lit((base + tip) / 2, width * 2, colour));
    p.drawPath(leafPath(base, tip, width));
    p.setPen(pen(colour.lighter(150), 0.9));
    p.drawLine(base, base + (tip - base) * 0.8);
}

void paintSpaghetti(QPainter& p)
{
    // A nest of strands: a golden disc, then loops of pasta over it, dark under
    // light so each strand shows.
    const QPainterPath nest = [] {
        QPainterPath path;
        path.addEllipse(kCentre, 29, 27);
        return path;
    }();
    p.setPen(pen(QColor(0xb0, 0x72, 0x16), 2.2));
    p.setBrush(lit(kCentre, 29, QColor(0xf2, 0xc4, 0x5a)));
    p.drawPath(nest);
    p.save();
    p.setClipPath(nest);
    p.setBrush(Qt::NoBrush);
    QRandomGenerator loops(0x5A6E77);
    for (int i = 0; i < 30; ++i) {
        const qreal radius = 6 + 16 * loops.generateDouble();
        const QPointF at = kCentre + QPointF(-14 + 28 * loops.generateDouble(), -13 + 26 * loops.generateDouble());
        const int start = int(360 * loops.generateDouble()) * 16;
        const int span = int(160 + 150 * loops.generateDouble()) * 16;
        const QRectF box(at - QPointF(radius, radius * 0.85), QSizeF(radius * 2, radius * 1.7));
        p.setPen(pen(QColor(0xc0, 0x82, 0x20), 2.6));
        p.drawArc(box, start, span);
        p.setPen(pen(QColor(0xff, 0xe6, 0x9a), 1.3));
        p.drawArc(box, start, span);
    }
    p.restore();

    // The tomato sauce in the middle, with a basil leaf and grated cheese.
    QPainterPath sauce;
    const int bumps = 9;
    for (int i = 0; i <= bumps * 2; ++i) {
        const qreal a = 2 * std::numbers::pi * i / (bumps * 2);
        const qreal r = i % 2 == 0 ? 15 : 12.5;
        const QPointF point = kCentre + QPointF(std::cos(a) * r, std::sin(a) * r * 0.92) + QPointF(1, 1);
        if (i == 0)
            sauce.moveTo(point);
        else
            sauce.quadTo(kCentre + QPointF(std::cos(a - 0.17) * (r + 2.5), std::sin(a - 0.17) * (r + 2.5) * 0.92)
                             + QPointF(1, 1),
                         point);
    }
    p.setPen(pen(QColor(0x8a, 0x12, 0x0c), 2));
    p.setBrush(lit(kCentre, 15, QColor(0xde, 0x2a, 0x1a)));
    p.drawPath(sauce);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(kCentre + QPointF(-5, -5), 4, 2.4);
    p.setBrush(QColor(0xff, 0xf8, 0xe0));
    for (const QPointF at : {QPointF(-8, 3), QPointF(-3, 8), QPointF(5, -8), QPointF(9, 4), QPointF(2, 1)})
        p.drawEllipse(kCentre + at, 1.3, 1.3);
    paintLeaf(p, kCentre + QPointF(2, -2), kCentre + QPointF(14, -12), 5, QColor(0x3c, 0xa8, 0x3a));
    paintLeaf(p, kCentre + QPointF(2, -2), kCentre + QPointF(-3, -15), 4, QColor(0x34, 0x96, 0x34));
}

void paintChicken(QPainter& p)
{
    // Lettuce under it all, and a wedge of lemon.
    paintLeaf(p, QPointF(30, 70), QPointF(16, 44), 10, QColor(0x7c, 0xc8, 0x44));
    paintLeaf(p, QPointF(34, 74), QPointF(56, 84), 9, QColor(0x68, 0xb8, 0x3c));
    QPainterPath lemon(QPointF(70, 74));
    lemon.arcTo(QRectF(58, 62, 26, 26), 110, 160);
    lemon.closeSubpath();
    p.setPen(pen(QColor(0xb0, 0x8a, 0x10), 1.6));
    p.setBrush(lit(QPointF(72, 74), 12, QColor(0xff, 0xe0, 0x3c)));
    p.drawPath(lemon);

    // The leg: the meaty part, golden brown, and the bone sticking out with its knob.
    p.save();
    p.translate(kCentre + QPointF(-2, -2));
    p.rotate(-38);
    QPainterPath bone;
    bone.addRoundedRect(QRectF(14, -4.5, 20, 9), 4, 4);
    bone.addEllipse(QPointF(34, -5), 5.5, 5.5);
    bone.addEllipse(QPointF(34, 5), 5.5, 5.5);
    bone = bone.simplified();
    p.setPen(pen(kInk, 2));
    QLinearGradient ivory(QPointF(0, -10), QPointF(0, 10));
    ivory.setColorAt(0, QColor(0xff, 0xfc, 0xf0));
    ivory.setColorAt(1, QColor(0xd6, 0xcc, 0xb4));
    p.setBrush(ivory);
    p.drawPath(bone);
    QPainterPath meat(QPointF(18, -6));
    meat.cubicTo(8, -14, -26, -22, -30, 0);
    meat.cubicTo(-26, 22, 8, 14, 18, 6);
    meat.closeSubpath();
    QRadialGradient roast(QPointF(-12, -7), 30);
    roast.setColorAt(0, QColor(0xff, 0xc8, 0x6a));
    roast.setColorAt(0.45, QColor(0xd6, 0x86, 0x2c));
    roast.setColorAt(1, QColor(0x8e, 0x44, 0x14));
    p.setPen(pen(kInk, 2.4));
    p.setBrush(roast);
    p.drawPath(meat);
    // Crisp marks of the oven and the shine of the glaze.
    p.setPen(pen(QColor(0x8a, 0x40, 0x12), 1.4));
    for (const qreal x : {-20.0, -12.0, -4.0})
        p.drawLine(QPointF(x, -6), QPointF(x + 4, -2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 140));
    p.drawEllipse(QPointF(-14, -8), 7, 2.6);
    p.restore();
}

void paintCake(QPainter& p)
{
    // The slice, seen from above and a little from the front: its pink top, then the
    // cut face below it showing sponge, cream and jam.
    const QPointF tip(22, 56);
    const QPointF backLeft(62, 22), backRight(78, 56);
    QPainterPath top(tip);
    top.lineTo(backLeft);
    top.quadTo(QPointF(78, 34), backRight);
    top.closeSubpath();
    QPainterPath face(tip);
    face.lineTo(backRight);
    face.lineTo(backRight + QPointF(0, 14));
    face.lineTo(tip + QPointF(0, 14));
    face.closeSubpath();

    p.setPen(pen(kInk, 2.4));
    QLinearGradient sponge(QPointF(0, 56), QPointF(0, 70));
    sponge.setColorAt(0, QColor(0xff, 0xe2, 0x96));
    sponge.setColorAt(1, QColor(0xe6, 0xb4, 0x5a));
    p.setBrush(sponge);
    p.drawPath(face);
    p.save();
    p.setClipPath(face);
    p.setPen(pen(QColor(0xff, 0xfa, 0xf0), 2.6));
    p.drawLine(tip + QPointF(0, 5.5), backRight + QPointF(0, 5.5));
    p.setPen(pen(QColor(0xd0, 0x22, 0x3a), 2));
    p.drawLine(tip + QPointF(0, 9.5), backRight + QPointF(0, 9.5));
    p.restore();
    p.setPen(pen(kInk, 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(face);

    p.setBrush(lit(QPointF(55, 42), 26, QColor(0xff, 0xb4, 0xcc)));
    p.drawPath(top);
    // Cream rosettes along the back and a strawberry on top.
    p.setPen(pen(QColor(0xd8, 0xc8, 0xc0), 1));
    p.setBrush(QColor(0xff, 0xfc, 0xf6));
    for (const qreal t : {0.15, 0.45, 0.75}) {
        const qreal a = 1 - t;
        const QPointF at = backLeft * a * a + QPointF(78, 34) * 2 * a * t + backRight * t * t + QPointF(-4.5, 1.5);
        p.drawEllipse(at, 4, 4);
    }
    QPainterPath berry(QPointF(52, 30));
    berry.cubicTo(60, 30, 62, 38, 56, 46);
    berry.cubicTo(50, 40, 45, 32, 52, 30);
    p.setPen(pen(QColor(0x86, 0x10, 0x18), 1.6));
    p.setBrush(lit(QPointF(54, 37), 8, QColor(0xe8, 0x22, 0x30)));
    p.drawPath(berry);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xee, 0x90));
    for (const QPointF at : {QPointF(54, 34), QPointF(57, 37), QPointF(54, 40), QPointF(51, 35)})
        p.drawEllipse(at, 0.8, 0.8);
    paintLeaf(p, QPointF(52, 31), QPointF(46, 24), 3, QColor(0x3c, 0xa0, 0x3a));
    paintLeaf(p, QPointF(53, 31), QPointF(59, 24), 3, QColor(0x3c, 0xa0, 0x3a));
    // A drizzle of red sauce on the plate beside it.
    p.setPen(pen(QColor(0xc8, 0x1e, 0x34), 2.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath drizzle(QPointF(30, 78));
    drizzle.cubicTo(40, 72, 46, 84, 56, 78);
    drizzle.cubicTo(62, 74, 66, 80, 70, 77);
    p.drawPath(drizzle);
}

QImage paintPietanza(const PaintRequest& request)
{
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kGrid, request.size.height() / kGrid);
    paintPlate(p, editionLook(request.edition));
    const QString dish = request.text(QStringLiteral("piatto")).trimmed().toLower();
    if (dish == u"pollo")
        paintChicken(p);
    else if (dish == u"torta")
        paintCake(p);
    else
        paintSpaghetti(p);
    p.end();
    board::settleEdges(image, kGround);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("pietanza", assetgen::paintPietanza)
