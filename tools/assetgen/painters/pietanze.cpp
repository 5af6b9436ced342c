// The dishes on plates seen from above. At 41 x 41 they fly onto the plates of
// LABIRINTO DEI GOLOSI: spaghetti al pomodoro, a roast chicken leg or a slice of
// strawberry cake. They sit on the maze's light grey area, so each dish is one bold
// shape in its own colour: red and yellow, golden brown, pink and white. The
// plate's rim takes the edition's gold and a ring of its accent colour.
//
// The same dishes, with four more (pizza margherita, a green salad, a baked sea
// bass and melon with ham), are the faces of the memory cards of COPPIA DI
// PIETANZE, 80 x 80 in a grid of five: each dish has a colour no other has, so a
// pair is found at a glance. The cards' backs are a silver dish cover on the
// edition's deep colour, and the single card, which pairs with nothing, is a gold
// chef's hat on red rays, unlike any plate.
//
// Parameters: pietanza: piatto = spaghetti, pollo or torta.
//             memo: carta = coperta, jolly or one of the dishes (spaghetti, pollo,
//             torta, pizza, insalata, pesce, melone).

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

// A round blob with bumps round its edge: sauce, melted cheese, a tomato's slice.
// The edge swings between outer and inner radius, bumps times round; squash
// flattens it from top to bottom.
QPainterPath lumpyDisc(QPointF centre, qreal outer, qreal inner, int bumps, qreal squash)
{
    QPainterPath blob;
    const qreal reach = outer - inner;  // how far the curve swells past its points
    for (int i = 0; i <= bumps * 2; ++i) {
        const qreal a = 2 * std::numbers::pi * i / (bumps * 2);
        const qreal r = i % 2 == 0 ? outer : inner;
        const QPointF point = centre + QPointF(std::cos(a) * r, std::sin(a) * r * squash);
        if (i == 0)
            blob.moveTo(point);
        else
            blob.quadTo(centre + QPointF(std::cos(a - 0.17) * (r + reach), std::sin(a - 0.17) * (r + reach) * squash),
                        point);
    }
    return blob;
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
    const QPainterPath sauce = lumpyDisc(kCentre + QPointF(1, 1), 15, 12.5, 9, 0.92);
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

void paintPizza(QPainter& p)
{
    // The crust puffed and browned at the edge, the tomato, the mozzarella melted in
    // patches, basil, and the cuts between the slices.
    QRadialGradient crust(kCentre - QPointF(8, 10), 46);
    crust.setColorAt(0, QColor(0xf8, 0xd0, 0x84));
    crust.setColorAt(0.7, QColor(0xe0, 0x9a, 0x44));
    crust.setColorAt(1, QColor(0xa4, 0x5c, 0x1e));
    p.setPen(pen(QColor(0x7a, 0x40, 0x14), 2));
    p.setBrush(crust);
    p.drawEllipse(kCentre, 33, 33);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6a, 0x34, 0x10, 150));
    for (int i = 0; i < 11; ++i) {
        const qreal a = 2 * std::numbers::pi * (i + 0.3 * (i % 3)) / 11;
        p.drawEllipse(kCentre + QPointF(std::cos(a), std::sin(a)) * 30, 1.7, 1.1);
    }
    p.setPen(pen(QColor(0x8a, 0x12, 0x0c), 1.6));
    p.setBrush(lit(kCentre, 27, QColor(0xdc, 0x2c, 0x1a)));
    p.drawPath(lumpyDisc(kCentre, 27, 25.5, 14, 1));

    const struct {
        QPointF at;
        qreal size;
    } cheese[] = {{{-12, -11}, 7}, {{9, -14}, 6}, {{14, 5}, 7.5}, {{-3, 14}, 6.5}, {{-15, 7}, 5}, {{1, -1}, 6}};
    for (const auto& patch : cheese) {
        p.setPen(pen(QColor(0xd8, 0xc8, 0x9c), 1));
        p.setBrush(lit(kCentre + patch.at, patch.size, QColor(0xff, 0xf8, 0xe4)));
        p.drawPath(lumpyDisc(kCentre + patch.at, patch.size, patch.size * 0.8, 4, 0.85));
    }
    paintLeaf(p, kCentre + QPointF(-6, -4), kCentre + QPointF(-16, -18), 4.5, QColor(0x2e, 0x9a, 0x32));
    paintLeaf(p, kCentre + QPointF(6, 10), kCentre + QPointF(18, 18), 4.5, QColor(0x34, 0xa4, 0x36));
    paintLeaf(p, kCentre + QPointF(8, -6), kCentre + QPointF(20, -8), 4, QColor(0x2e, 0x9a, 0x32));

    p.setPen(pen(QColor(0x6e, 0x1c, 0x0c, 150), 0.9));
    for (const qreal degrees : {15.0, 75.0, 135.0}) {
        const qreal a = degrees * std::numbers::pi / 180;
        const QPointF reach = QPointF(std::cos(a), std::sin(a)) * 31;
        p.drawLine(kCentre - reach, kCentre + reach);
    }
}

void paintSalad(QPainter& p)
{
    // A heap of lettuce leaves, light over dark, with cherry tomatoes, rings of
    // cucumber and grated carrot on top.
    QRandomGenerator toss(0x1A5A1A);
    const QColor greens[] = {QColor(0x3c, 0x9a, 0x2c), QColor(0x6c, 0xc0, 0x3a), QColor(0x9a, 0xd8, 0x4c),
                             QColor(0x2e, 0x80, 0x26)};
    for (int ring = 0; ring < 2; ++ring) {
        const int leaves = ring == 0 ? 9 : 6;
        for (int i = 0; i < leaves; ++i) {
            const qreal a = 2 * std::numbers::pi * (i + 0.4 * toss.generateDouble()) / leaves + ring * 0.5;
            const qreal length = (ring == 0 ? 31 : 21) + 3 * toss.generateDouble();
            const QPointF direction(std::cos(a), std::sin(a));
            paintLeaf(p, kCentre + direction * 3, kCentre + direction * length, ring == 0 ? 15 : 12,
                      greens[(i + ring) % 4]);
        }
    }
    for (int i = 0; i < 9; ++i) {
        const QPointF at = kCentre + QPointF(-12 + 24 * toss.generateDouble(), -12 + 24 * toss.generateDouble());
        const qreal a = std::numbers::pi * toss.generateDouble();
        const QPointF end = at + QPointF(std::cos(a), std::sin(a)) * 5;
        p.setPen(pen(QColor(0xc0, 0x58, 0x0a), 2));
        p.drawLine(at, end);
        p.setPen(pen(QColor(0xff, 0xa2, 0x32), 1));
        p.drawLine(at, end);
    }
    for (const QPointF at : {QPointF(-16, 10), QPointF(14, 14)}) {
        p.setPen(pen(QColor(0x1e, 0x5a, 0x1a), 1.6));
        p.setBrush(QColor(0xd8, 0xee, 0xb0));
        p.drawEllipse(kCentre + at, 6.5, 6.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf4, 0xfa, 0xe0));
        p.drawEllipse(kCentre + at, 2.6, 2.6);
    }
    for (const QPointF at : {QPointF(-10, -14), QPointF(12, -10), QPointF(2, 4), QPointF(-20, -2), QPointF(18, 2)}) {
        p.setPen(pen(QColor(0x7c, 0x0e, 0x0a), 1.5));
        p.setBrush(lit(kCentre + at, 5.5, QColor(0xe4, 0x22, 0x18)));
        p.drawEllipse(kCentre + at, 5.2, 5.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(kCentre + at + QPointF(-1.8, -1.8), 1.6, 1.1);
    }
}

void paintFish(QPainter& p)
{
    // A sea bass baked whole, silver and blue, with grill marks, between slices of
    // lemon and sprigs of parsley.
    for (const QPointF at : {QPointF(-20, 20), QPointF(-8, 26)}) {
        p.setPen(pen(QColor(0xb8, 0x8a, 0x08), 1.4));
        p.setBrush(QColor(0xff, 0xe2, 0x3a));
        p.drawEllipse(kCentre + at, 7, 7);
        p.setPen(pen(QColor(0xff, 0xf6, 0xc0), 0.8));
        for (int i = 0; i < 4; ++i) {
            const qreal a = std::numbers::pi * i / 4;
            const QPointF spoke = QPointF(std::cos(a), std::sin(a)) * 5.5;
            p.drawLine(kCentre + at - spoke, kCentre + at + spoke);
        }
    }
    for (const QPointF at : {QPointF(18, 20), QPointF(22, 14), QPointF(14, 25)}) {
        p.setPen(pen(QColor(0x1e, 0x6a, 0x1e), 0.8));
        p.setBrush(QColor(0x3c, 0xa8, 0x34));
        p.drawEllipse(kCentre + at, 3.4, 3.4);
    }

    p.save();
    p.translate(kCentre + QPointF(0, -4));
    p.rotate(-22);
    QPainterPath body(QPointF(-31, 1));
    body.cubicTo(-24, -12, 4, -14, 20, -3);
    body.lineTo(31, -11);
    body.cubicTo(29, -3, 29, 3, 31, 11);
    body.lineTo(20, 3);
    body.cubicTo(4, 13, -24, 12, -31, 1);
    QPainterPath fin(QPointF(-8, -10));
    fin.quadTo(0, -19, 12, -7);
    fin.closeSubpath();
    p.setPen(pen(QColor(0x26, 0x36, 0x50), 1.6));
    p.setBrush(QColor(0x6c, 0x82, 0x9c));
    p.drawPath(fin);
    QLinearGradient scales(QPointF(0, -11), QPointF(0, 10));
    scales.setColorAt(0, QColor(0x3e, 0x5a, 0x80));
    scales.setColorAt(0.45, QColor(0xa8, 0xba, 0xcc));
    scales.setColorAt(1, QColor(0xf0, 0xf4, 0xf8));
    p.setPen(pen(QColor(0x26, 0x36, 0x50), 2));
    p.setBrush(scales);
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    p.setPen(pen(QColor(0x5a, 0x34, 0x18, 170), 1.6));
    for (const qreal x : {-12.0, -3.0, 6.0})
        p.drawLine(QPointF(x - 4, -11), QPointF(x + 4, 11));
    p.restore();
    p.setPen(pen(QColor(0x26, 0x36, 0x50), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-24, -7, 8, 14), -60 * 16, 120 * 16);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-24.5, -1.5), 2.6, 2.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x14, 0x1c));
    p.drawEllipse(QPointF(-24.5, -1.5), 1.3, 1.3);
    p.restore();
}

void paintMelon(QPainter& p)
{
    // Three thick crescents of cantaloupe, orange with a green rind, fanned on the
    // plate, each with a slice of ham wrapped round its middle.
    for (const qreal degrees : {-58.0, 0.0, 58.0}) {
        p.save();
        p.translate(kCentre + QPointF(0, 4));
        p.rotate(degrees);
        p.translate(0, -14);
        QPainterPath outer;
        outer.addEllipse(QPointF(-2, 0), 15, 25);
        QPainterPath inner;
        inner.addEllipse(QPointF(10, 0), 12, 28);
        const QPainterPath crescent = outer.subtracted(inner);
        p.setPen(pen(QColor(0x3a, 0x6a, 0x1a), 3.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(crescent);
        QLinearGradient flesh(QPointF(-12, 0), QPointF(0, 0));
        flesh.setColorAt(0, QColor(0xf0, 0x7a, 0x16));
        flesh.setColorAt(1, QColor(0xff, 0xc0, 0x66));
        p.setPen(pen(QColor(0xb0, 0x5a, 0x10), 1.2));
        p.setBrush(flesh);
        p.drawPath(crescent);
        // The ham: a pink band round the slice, its white fat along one edge.
        QPainterPath ham(QPointF(-16, -6));
        ham.cubicTo(QPointF(-8, -9), QPointF(0, -3), QPointF(6, -7));
        ham.lineTo(QPointF(7, 5));
        ham.cubicTo(QPointF(0, 9), QPointF(-8, 3), QPointF(-16, 7));
        ham.closeSubpath();
        p.setPen(pen(QColor(0x9a, 0x30, 0x44), 1.4));
        p.setBrush(lit(QPointF(-5, 0), 10, QColor(0xee, 0x84, 0x98)));
        p.drawPath(ham);
        p.setPen(pen(QColor(0xff, 0xf2, 0xf2), 1.6));
        QPainterPath fat(QPointF(-15, 4.5));
        fat.cubicTo(QPointF(-8, 1), QPointF(0, 6.5), QPointF(5.5, 3));
        p.drawPath(fat);
        p.restore();
    }
}

void paintDish(QPainter& p, const QString& name)
{
    if (name == u"pollo")
        paintChicken(p);
    else if (name == u"torta")
        paintCake(p);
    else if (name == u"pizza")
        paintPizza(p);
    else if (name == u"insalata")
        paintSalad(p);
    else if (name == u"pesce")
        paintFish(p);
    else if (name == u"melone")
        paintMelon(p);
    else
        paintSpaghetti(p);
}

QImage paintPietanza(const PaintRequest& request)
{
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kGrid, request.size.height() / kGrid);
    paintPlate(p, editionLook(request.edition));
    paintDish(p, request.text(QStringLiteral("piatto")).trimmed().toLower());
    p.end();
    board::settleEdges(image, kGround);
    return image;
}

// A card's border: a line in the edition's accent inside its edge, then a gold one.
void paintCardBorder(QPainter& p, const EditionLook& look, const QColor& edge)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(edge, 3));
    p.drawRect(QRectF(1.5, 1.5, kGrid - 3, kGrid - 3));
    p.setPen(pen(look.accent, 2.4));
    p.drawRoundedRect(QRectF(5, 5, kGrid - 10, kGrid - 10), 6, 6);
    p.setPen(pen(look.gold, 1.2));
    p.drawRoundedRect(QRectF(7.6, 7.6, kGrid - 15.2, kGrid - 15.2), 4.5, 4.5);
}

void paintCover(QPainter& p, const EditionLook& look)
{
    // The edition's deep colour, a gold lattice like a fine tablecloth, and a silver
    // cover in a ring: what lies under it is the question.
    const QColor ground = mix(look.deep, look.accent, 0.25);
    QRadialGradient cloth(kCentre, 70);
    cloth.setColorAt(0, ground.lighter(150));
    cloth.setColorAt(1, ground.darker(120));
    p.fillRect(QRectF(0, 0, kGrid, kGrid), cloth);
    p.setPen(pen(alpha(look.gold, 90), 1));
    for (qreal x = -kGrid; x <= kGrid; x += 12.5) {
        p.drawLine(QPointF(x, 0), QPointF(x + kGrid, kGrid));
        p.drawLine(QPointF(x + kGrid, 0), QPointF(x, kGrid));
    }
    QRadialGradient medal(kCentre - QPointF(6, 8), 40);
    medal.setColorAt(0, ground.lighter(190));
    medal.setColorAt(1, ground.darker(110));
    p.setPen(pen(look.gold, 2.6));
    p.setBrush(medal);
    p.drawEllipse(kCentre, 31, 31);
    drawCloche(p, QRectF(23, 21, 54, 54), QColor(), 0);
    paintCardBorder(p, look, ground.darker(160));
}

void paintJolly(QPainter& p, const EditionLook& look)
{
    // Red with gold rays, the gold chef's hat in the middle: no plate, nothing to pair.
    QRadialGradient red(kCentre, 72);
    red.setColorAt(0, QColor(0xf4, 0x3c, 0x30));
    red.setColorAt(1, QColor(0x86, 0x08, 0x12));
    p.fillRect(QRectF(0, 0, kGrid, kGrid), red);
    drawRays(p, kCentre, 80, 12, alpha(QColor(0xff, 0xd8, 0x50), 90));
    drawGlow(p, kCentre, 34, alpha(QColor(0xff, 0xf0, 0xa0), 200));
    drawChefHat(p, QRectF(18, 16, 64, 64), true);
    for (const QPointF at : {QPointF(20, 22), QPointF(80, 26), QPointF(24, 80), QPointF(78, 76)})
        drawSparkle(p, at, 6, QColor(0xff, 0xf6, 0xc8));
    paintCardBorder(p, look, QColor(0x5a, 0x04, 0x0c));
}

QImage paintMemo(const PaintRequest& request)
{
    const EditionLook look = editionLook(request.edition);
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kGrid, request.size.height() / kGrid);
    const QString card = request.text(QStringLiteral("carta")).trimmed().toLower();
    if (card == u"coperta") {
        paintCover(p, look);
    } else if (card == u"jolly") {
        paintJolly(p, look);
    } else {
        QLinearGradient linen(QPointF(0, 0), QPointF(kGrid, kGrid));
        linen.setColorAt(0, QColor(0xff, 0xfb, 0xee));
        linen.setColorAt(1, QColor(0xf2, 0xe6, 0xc8));
        p.fillRect(QRectF(0, 0, kGrid, kGrid), linen);
        paintCardBorder(p, look, QColor(0xb8, 0xa8, 0x84));
        // The plate a little smaller than the card, inside its border.
        p.translate(kCentre);
        p.scale(0.86, 0.86);
        p.translate(-kCentre);
        paintPlate(p, look);
        paintDish(p, card);
    }
    p.end();
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("pietanza", assetgen::paintPietanza)
ZOLMERA_PAINTER("memo", assetgen::paintMemo)
