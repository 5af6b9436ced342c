#include "painters/coursekit.h"

#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen::kit {

QPainterPath leafPath(QPointF base, QPointF tip, qreal width)
{
    const QPointF along = tip - base;
    const QPointF across = QPointF(-along.y(), along.x()) * (width / std::hypot(along.x(), along.y()));
    QPainterPath leaf(base);
    leaf.quadTo(base + along * 0.5 + across, tip);
    leaf.quadTo(base + along * 0.5 - across, base);
    return leaf;
}

namespace {

constexpr qreal kGridWidth = 96, kGridHeight = 64;
constexpr qreal kPi = std::numbers::pi;

// Lays the 96 x 64 grid into box: the caller draws in grid units between save and restore.
void enterGrid(QPainter& p, const QRectF& box)
{
    const qreal scale = std::min(box.width() / kGridWidth, box.height() / kGridHeight);
    p.save();
    p.translate(box.center().x() - kGridWidth * scale / 2, box.center().y() - kGridHeight * scale / 2);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
}

QPen outline(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QRadialGradient roundShade(QPointF light, qreal radius, const QColor& bright, const QColor& mid, const QColor& dark)
{
    QRadialGradient shade(light, radius);
    shade.setColorAt(0, bright);
    shade.setColorAt(0.45, mid);
    shade.setColorAt(1, dark);
    return shade;
}

void shine(QPainter& p, QPointF centre, qreal rx, qreal ry, int opacity = 170)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, opacity));
    p.drawEllipse(centre, rx, ry);
}

void drawLeaf(QPainter& p, QPointF base, QPointF tip, qreal width, const QColor& colour)
{
    p.setBrush(colour);
    p.setPen(outline(colour.darker(150), 0.7));
    p.drawPath(leafPath(base, tip, width));
    p.setPen(outline(colour.lighter(150), 0.5));
    p.drawLine(base, base + (tip - base) * 0.8);
}

// The plate: a rim with a gold line and a shallow well, its shadow under it.
void plate(QPainter& p)
{
    drawGlow(p, QRectF(2, 38, 92, 24), QColor(0, 0, 0, 110));
    QLinearGradient china(QPointF(0, 32), QPointF(0, 60));
    china.setColorAt(0, QColor(0xff, 0xff, 0xff));
    china.setColorAt(1, QColor(0xcf, 0xd4, 0xde));
    p.setBrush(china);
    p.setPen(outline(QColor(0x86, 0x8e, 0x9e), 1.1));
    p.drawEllipse(QPointF(48, 46), 42, 14);
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(QColor(0xd6, 0x9e, 0x34), 1.0));
    p.drawEllipse(QPointF(48, 46), 37.5, 12.3);
    QLinearGradient well(QPointF(0, 37), QPointF(0, 56));
    well.setColorAt(0, QColor(0xd4, 0xd8, 0xe2));
    well.setColorAt(1, QColor(0xfb, 0xfb, 0xfd));
    p.setBrush(well);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(48, 46.5), 28, 9);
}

void primo(QPainter& p)
{
    QPainterPath mound(QPointF(21, 46));
    mound.cubicTo(19, 30, 34, 21, 48, 21);
    mound.cubicTo(62, 21, 77, 30, 75, 46);
    mound.quadTo(48, 54, 21, 46);
    QLinearGradient pasta(QPointF(0, 21), QPointF(0, 52));
    pasta.setColorAt(0, QColor(0xff, 0xe8, 0x9a));
    pasta.setColorAt(1, QColor(0xe6, 0xa2, 0x30));
    p.setBrush(pasta);
    p.setPen(outline(QColor(0xb0, 0x70, 0x18), 1.2));
    p.drawPath(mound);

    // Strands: loops of two tones, clipped to the mound.
    p.save();
    p.setClipPath(mound);
    p.setBrush(Qt::NoBrush);
    for (int pass = 0; pass < 2; ++pass) {
        QRandomGenerator loops(0x9A57A);
        for (int i = 0; i < 34; ++i) {
            const qreal w = 10 + 18 * loops.generateDouble();
            const qreal h = 5 + 8 * loops.generateDouble();
            const QPointF at(16 + 56 * loops.generateDouble(), 18 + 28 * loops.generateDouble());
            const int start = int(360 * loops.generateDouble()) * 16;
            const int span = int(150 + 160 * loops.generateDouble()) * 16;
            p.setPen(outline(pass == 0 ? QColor(0xc0, 0x82, 0x22) : QColor(0xff, 0xf2, 0xc0), pass == 0 ? 1.5 : 0.9));
            p.drawArc(QRectF(at - QPointF(w / 2, h / 2), QSizeF(w, h)), start, span);
        }
    }
    p.restore();

    // Tomato sauce on top, lumpy at the edge, and basil.
    QPolygonF edge;
    for (int i = 0; i < 14; ++i) {
        const qreal angle = 2 * kPi * i / 14;
        const qreal bump = i % 2 == 0 ? 1.0 : 0.84;
        edge << QPointF(48 + std::cos(angle) * 16 * bump, 30 + std::sin(angle) * 6.8 * bump);
    }
    QPainterPath sauce((edge[0] + edge[1]) / 2);
    for (qsizetype i = 1; i <= edge.size(); ++i)
        sauce.quadTo(edge[i % edge.size()], (edge[i % edge.size()] + edge[(i + 1) % edge.size()]) / 2);
    p.setBrush(roundShade(QPointF(44, 27), 18, QColor(0xf8, 0x6a, 0x48), QColor(0xcc, 0x28, 0x18),
                          QColor(0x8c, 0x14, 0x0c)));
    p.setPen(outline(QColor(0x80, 0x12, 0x0c), 0.9));
    p.drawPath(sauce);
    shine(p, QPointF(43, 28), 3.6, 1.2, 140);
    p.setBrush(QColor(0xff, 0xfb, 0xee));
    for (const QPointF at : {QPointF(50, 28), QPointF(46, 31), QPointF(53, 31.5), QPointF(40, 30.5)})
        p.drawEllipse(at, 0.9, 0.7);
    drawLeaf(p, QPointF(52, 26), QPointF(61, 20), 3.4, QColor(0x3a, 0x9a, 0x3a));
    drawLeaf(p, QPointF(52, 26), QPointF(59, 27.5), 2.6, QColor(0x4b, 0xae, 0x45));
}

void secondo(QPainter& p)
{
    // Cherry tomatoes and rosemary beside the roast.
    for (const QPointF at : {QPointF(19.5, 45), QPointF(76.5, 45)}) {
        drawLeaf(p, at + QPointF(-1, 2), at + QPointF(at.x() < 48 ? -6 : 6, 4), 1.6, QColor(0x3d, 0x8a, 0x3a));
        p.setBrush(roundShade(at - QPointF(1.5, 1.5), 6, QColor(0xff, 0x7a, 0x6a), QColor(0xe0, 0x2c, 0x22),
                              QColor(0xa0, 0x14, 0x12)));
        p.setPen(outline(QColor(0x7a, 0x10, 0x10), 0.8));
        p.drawEllipse(at, 4.6, 4.3);
        shine(p, at - QPointF(1.5, 1.6), 1.3, 0.9);
    }

    const auto meat = [](QPointF light, qreal radius) {
        return roundShade(light, radius, QColor(0xfc, 0xd6, 0x84), QColor(0xe2, 0x94, 0x3c), QColor(0xa8, 0x56, 0x1a));
    };
    const QPen crust = outline(QColor(0x74, 0x38, 0x10), 1.2);
    p.setBrush(meat(QPointF(42, 28), 32));
    p.setPen(crust);
    p.drawEllipse(QPointF(48, 36.5), 25.5, 14);
    // Roasting marks along the back.
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(QColor(0x9e, 0x4c, 0x16, 130), 1.0));
    p.drawArc(QRectF(32, 30, 32, 14), 200 * 16, 140 * 16);
    p.drawArc(QRectF(36, 36, 24, 10), 200 * 16, 140 * 16);

    // The two drumsticks, bone ends up.
    for (const int side : {-1, 1}) {
        p.save();
        p.translate(48 + side * 16, 30);
        p.rotate(side * 35);
        p.setPen(crust);
        p.setBrush(meat(QPointF(-3, -3), 14));
        QPainterPath leg(QPointF(0, 9));
        leg.cubicTo(-11, 9, -9, -6, -2.5, -9);
        leg.lineTo(2.5, -9);
        leg.cubicTo(9, -6, 11, 9, 0, 9);
        p.drawPath(leg);
        // The bone end: a short shaft and its two round knobs.
        const QColor boneLine(0x8a, 0x7e, 0x6a), bone(0xfb, 0xf6, 0xea);
        p.setPen(outline(boneLine, 5.0));
        p.drawLine(QPointF(0, -7), QPointF(0, -14));
        p.setPen(outline(boneLine, 1.0));
        p.setBrush(bone);
        p.drawEllipse(QPointF(-2.2, -15.5), 2.7, 2.7);
        p.drawEllipse(QPointF(2.2, -15.5), 2.7, 2.7);
        p.setPen(outline(bone, 3.2));
        p.drawLine(QPointF(0, -7.5), QPointF(0, -14.5));
        shine(p, QPointF(-3.5, -1), 2.2, 4, 110);
        p.restore();
    }
    shine(p, QPointF(46, 28.5), 9, 3, 120);
}

void formaggio(QPainter& p)
{
    const QPointF tip(15, 47), baseRight(69, 47), topRight(69, 22);
    const QPointF back(10, -5);
    QPolygonF front, rind, top;
    front << tip << baseRight << topRight;
    rind << baseRight << topRight << topRight + back << baseRight + back;
    top << tip << topRight << topRight + back << tip + back;
    const QPen edge = outline(QColor(0xa8, 0x66, 0x12), 1.2);

    QLinearGradient rindShade(baseRight, baseRight + back);
    rindShade.setColorAt(0, QColor(0xf0, 0x98, 0x2c));
    rindShade.setColorAt(1, QColor(0xc8, 0x70, 0x18));
    p.setPen(edge);
    p.setBrush(rindShade);
    p.drawPolygon(rind);
    QLinearGradient topShade(tip, topRight);
    topShade.setColorAt(0, QColor(0xff, 0xf0, 0xae));
    topShade.setColorAt(1, QColor(0xff, 0xe2, 0x7a));
    p.setBrush(topShade);
    p.drawPolygon(top);
    QLinearGradient frontShade(QPointF(0, 22), QPointF(0, 47));
    frontShade.setColorAt(0, QColor(0xff, 0xdb, 0x58));
    frontShade.setColorAt(1, QColor(0xf4, 0xb0, 0x32));
    p.setBrush(frontShade);
    p.drawPolygon(front);

    // Holes: dark inside, lit on their lower lip.
    QPainterPath face;
    face.addPolygon(front);
    p.save();
    p.setClipPath(face);
    const struct {
        QPointF at;
        qreal rx, ry;
    } holes[] = {{{35, 42.5}, 3.2, 2.5}, {{50, 37}, 4.3, 3.4}, {{60, 43}, 2.8, 2.2},
                 {{62, 30.5}, 3.0, 2.6}, {{44, 45.6}, 2.3, 1.6}, {{27, 45}, 1.8, 1.3}};
    for (const auto& hole : holes) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xf0, 0xb0));
        p.drawEllipse(hole.at + QPointF(0.4, 0.6), hole.rx, hole.ry);
        p.setBrush(QColor(0xc8, 0x82, 0x1a));
        p.drawEllipse(hole.at, hole.rx, hole.ry);
    }
    p.restore();
    // A bite of rind showing on the top edge.
    p.setPen(outline(QColor(0xff, 0xff, 0xff, 150), 1.0));
    p.drawLine(tip + QPointF(6, -3), topRight + QPointF(-6, 3.5));
}

void dolce(QPainter& p)
{
    constexpr qreal cx = 48, rx = 25, ry = 8, topY = 25, bottomY = 44;
    const QRectF topEllipse(cx - rx, topY - ry, 2 * rx, 2 * ry);
    const QRectF bottomEllipse(cx - rx, bottomY - ry, 2 * rx, 2 * ry);
    QPainterPath side(QPointF(cx - rx, topY));
    side.lineTo(cx - rx, bottomY);
    side.arcTo(bottomEllipse, 180, 180);
    side.lineTo(cx + rx, topY);
    side.closeSubpath();
    QLinearGradient sponge(QPointF(cx - rx, 0), QPointF(cx + rx, 0));
    sponge.setColorAt(0, QColor(0xd2, 0x92, 0x56));
    sponge.setColorAt(0.35, QColor(0xf8, 0xd8, 0xa0));
    sponge.setColorAt(0.7, QColor(0xf0, 0xc2, 0x80));
    sponge.setColorAt(1, QColor(0xc0, 0x82, 0x48));
    p.setBrush(sponge);
    p.setPen(outline(QColor(0x8e, 0x56, 0x22), 1.2));
    p.drawPath(side);
    // Jam and cream layers follow the round of the cake.
    p.save();
    p.setClipPath(side);
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(QColor(0xd8, 0x3a, 0x70), 2.6));
    p.drawArc(topEllipse.translated(0, 9.5), 180 * 16, 180 * 16);
    p.setPen(outline(QColor(0xff, 0xf6, 0xe8), 2.0));
    p.drawArc(topEllipse.translated(0, 14.5), 180 * 16, 180 * 16);
    p.restore();

    // Pink icing over the top, dripping down the side.
    QPainterPath icing;
    icing.addEllipse(topEllipse);
    QPolygonF drips;
    constexpr int samples = 60;
    for (int i = 0; i <= samples; ++i) {
        const qreal t = qreal(i) / samples;
        const qreal x = cx - rx + 2 * rx * t;
        const qreal u = (x - cx) / rx;
        const qreal edgeY = topY + ry * std::sqrt(std::max(0.0, 1 - u * u));
        const qreal wave = std::pow(std::max(0.0, std::cos(2 * kPi * (t * 5.5 + 0.1))), 3);
        drips << QPointF(x, edgeY + 1 + 4.2 * wave * (1 - u * u * 0.6));
    }
    drips << QPointF(cx + rx, topY) << QPointF(cx - rx, topY);
    QPainterPath dripPath;
    dripPath.addPolygon(drips);
    icing = icing.united(dripPath).simplified();
    QLinearGradient pink(QPointF(0, topY - ry), QPointF(0, bottomY));
    pink.setColorAt(0, QColor(0xff, 0xc4, 0xdc));
    pink.setColorAt(1, QColor(0xf0, 0x6a, 0xa4));
    p.setBrush(pink);
    p.setPen(outline(QColor(0xb8, 0x3e, 0x74), 1.1));
    p.drawPath(icing);
    shine(p, QPointF(cx - 9, topY - 2), 7, 2, 120);

    // Cream dollops round the edge, the far ones before the cherry, the near ones after.
    const auto dollop = [&](qreal angleDegrees) {
        const qreal a = angleDegrees * kPi / 180;
        const QPointF at(cx + std::cos(a) * (rx - 5), topY + std::sin(a) * (ry - 2) - 1.5);
        p.setBrush(roundShade(at - QPointF(1, 1.2), 4.2, QColor(0xff, 0xff, 0xff), QColor(0xfb, 0xf4, 0xea),
                              QColor(0xd8, 0xc8, 0xb6)));
        p.setPen(outline(QColor(0xb8, 0xa4, 0x90), 0.6));
        QPainterPath swirl(at + QPointF(-3.4, 1.6));
        swirl.cubicTo(at + QPointF(-3.6, -2.4), at + QPointF(-0.4, -3), at + QPointF(0.2, -4.6));
        swirl.cubicTo(at + QPointF(1, -3), at + QPointF(3.8, -2.2), at + QPointF(3.4, 1.6));
        swirl.quadTo(at + QPointF(0, 3), at + QPointF(-3.4, 1.6));
        p.drawPath(swirl);
    };
    for (const qreal angle : {200.0, 240.0, 270.0, 300.0, 340.0})
        dollop(angle);
    const QPointF cherry(cx, 19);
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(QColor(0x4e, 0x7a, 0x22), 1.1));
    QPainterPath stem(cherry + QPointF(0, -3.5));
    stem.quadTo(cherry + QPointF(1, -8), cherry + QPointF(5, -10));
    p.drawPath(stem);
    p.setBrush(roundShade(cherry - QPointF(1.6, 1.6), 6, QColor(0xff, 0x7a, 0x7a), QColor(0xe0, 0x1e, 0x2c),
                          QColor(0x9a, 0x0c, 0x16)));
    p.setPen(outline(QColor(0x70, 0x08, 0x10), 0.8));
    p.drawEllipse(cherry, 4.8, 4.6);
    shine(p, cherry - QPointF(1.6, 1.8), 1.4, 1.0, 220);
    for (const qreal angle : {20.0, 60.0, 90.0, 120.0, 160.0})
        dollop(angle);
}

void frutta(QPainter& p)
{
    // A banana behind, an apple and an orange, grapes in front.
    QPainterPath banana(QPointF(22, 30));
    banana.cubicTo(32, 38, 58, 36, 74, 20);
    banana.cubicTo(72, 28, 62, 40, 46, 41);
    banana.cubicTo(34, 42, 25, 37, 22, 30);
    QLinearGradient yellow(QPointF(0, 20), QPointF(0, 42));
    yellow.setColorAt(0, QColor(0xff, 0xf0, 0x7a));
    yellow.setColorAt(1, QColor(0xf2, 0xbe, 0x1c));
    p.setBrush(yellow);
    p.setPen(outline(QColor(0xa8, 0x7c, 0x10), 1.1));
    p.drawPath(banana);
    p.setBrush(QColor(0x6a, 0x4a, 0x1a));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(73.5, 20.5), 1.6, 1.6);

    QPainterPath apple(QPointF(33, 26.5));
    apple.cubicTo(27, 21.5, 18, 27, 20.5, 37);
    apple.cubicTo(22, 46, 29, 49.5, 33, 47);
    apple.cubicTo(37, 49.5, 45, 46, 46, 37);
    apple.cubicTo(47.5, 27, 39, 21.5, 33, 26.5);
    p.setBrush(roundShade(QPointF(28, 31), 19, QColor(0xff, 0x86, 0x70), QColor(0xe0, 0x2a, 0x2a),
                          QColor(0x96, 0x12, 0x1a)));
    p.setPen(outline(QColor(0x70, 0x0c, 0x12), 1.1));
    p.drawPath(apple);
    shine(p, QPointF(26.5, 32), 2.4, 3.6, 150);
    p.setPen(outline(QColor(0x5a, 0x36, 0x16), 1.4));
    p.drawLine(QPointF(33, 27), QPointF(34.5, 21.5));
    drawLeaf(p, QPointF(34.5, 23), QPointF(41, 19.5), 2.4, QColor(0x4a, 0xa8, 0x3c));

    const QPointF orange(62, 37);
    p.setBrush(roundShade(orange - QPointF(3.5, 4), 15, QColor(0xff, 0xd0, 0x70), QColor(0xf5, 0x8c, 0x18),
                          QColor(0xc0, 0x5c, 0x08)));
    p.setPen(outline(QColor(0x94, 0x46, 0x06), 1.1));
    p.drawEllipse(orange, 11.5, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc8, 0x64, 0x08, 110));
    QRandomGenerator dimples(0x0A4A);
    for (int i = 0; i < 14; ++i) {
        const qreal a = 2 * kPi * dimples.generateDouble();
        const qreal r = 9 * std::sqrt(dimples.generateDouble());
        p.drawEllipse(orange + QPointF(std::cos(a) * r, std::sin(a) * r * 0.95), 0.5, 0.5);
    }
    shine(p, orange - QPointF(4, 4.5), 2.6, 1.8, 150);
    drawLeaf(p, orange + QPointF(1, -10.5), orange + QPointF(8, -14), 2.2, QColor(0x3a, 0x96, 0x34));

    const QPointF grapes[] = {{42, 41}, {48.5, 40}, {55, 41}, {45, 46}, {52, 46}, {48.5, 51}};
    for (const QPointF at : grapes) {
        p.setBrush(roundShade(at - QPointF(1.2, 1.4), 5, QColor(0xc8, 0x90, 0xf0), QColor(0x84, 0x3c, 0xc0),
                              QColor(0x4a, 0x1a, 0x78)));
        p.setPen(outline(QColor(0x3a, 0x10, 0x60), 0.8));
        p.drawEllipse(at, 3.8, 3.6);
        shine(p, at - QPointF(1.2, 1.3), 1.0, 0.8, 200);
    }
}

}  // namespace

std::optional<Course> courseFromName(const QString& name)
{
    const QString key = name.trimmed().toLower();
    if (key == u"primo")
        return Course::Primo;
    if (key == u"secondo")
        return Course::Secondo;
    if (key == u"formaggio")
        return Course::Formaggio;
    if (key == u"dolce")
        return Course::Dolce;
    if (key == u"frutta")
        return Course::Frutta;
    return std::nullopt;
}

QString courseTitle(Course course)
{
    switch (course) {
    case Course::Primo:
        return QStringLiteral("Primo");
    case Course::Secondo:
        return QStringLiteral("Secondo");
    case Course::Formaggio:
        return QStringLiteral("Formaggio");
    case Course::Dolce:
        return QStringLiteral("Dolce");
    case Course::Frutta:
        return QStringLiteral("Frutta");
    }
    return {};
}

void drawCourse(QPainter& p, Course course, const QRectF& box)
{
    enterGrid(p, box);
    plate(p);
    // The food a size larger than the plate would hold: it has to read on the trays,
    // where a course is 28 pixels wide.
    p.translate(48, 46);
    p.scale(1.12, 1.12);
    p.translate(-48, -44);
    switch (course) {
    case Course::Primo:
        primo(p);
        break;
    case Course::Secondo:
        secondo(p);
        break;
    case Course::Formaggio:
        formaggio(p);
        break;
    case Course::Dolce:
        dolce(p);
        break;
    case Course::Frutta:
        frutta(p);
        break;
    }
    p.restore();
}

void drawEmptyPlate(QPainter& p, const QRectF& box)
{
    enterGrid(p, box);
    plate(p);
    p.restore();
}

QPainterPath starOutline(QPointF centre, qreal outer, qreal inner, int points)
{
    QPainterPath star;
    for (int i = 0; i < points * 2; ++i) {
        const qreal angle = kPi * i / points - kPi / 2;
        const qreal r = i % 2 == 0 ? outer : inner;
        const QPointF at = centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
        if (i == 0)
            star.moveTo(at);
        else
            star.lineTo(at);
    }
    star.closeSubpath();
    return star;
}

void drawJollyStar(QPainter& p, const QRectF& box)
{
    enterGrid(p, box);
    const QPointF centre(48, 34);
    drawGlow(p, centre, 34, QColor(0xff, 0xf0, 0x9a, 150));
    const QPainterPath star = starOutline(centre, 30, 13.5);
    p.setPen(outline(QColor(0x8a, 0x52, 0x04), 2.0));
    p.setBrush(roundShade(centre - QPointF(6, 8), 34, QColor(0xff, 0xfa, 0xd0), QColor(0xff, 0xce, 0x3a),
                          QColor(0xd8, 0x88, 0x0a)));
    p.drawPath(star);
    // Bevel: the upper-left arms catch the light.
    p.save();
    p.setClipPath(star);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawPath(starOutline(centre - QPointF(1.5, 2), 22, 9));
    p.restore();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(25);
    font.setHintingPreference(QFont::PreferNoHinting);
    const QPainterPath letter = centredText(QStringLiteral("J"), font, QRectF(centre.x() - 15, centre.y() - 13, 30, 28));
    p.strokePath(letter, outline(QColor(0xff, 0xff, 0xff), 3.4));
    p.fillPath(letter, QColor(0x6a, 0x1e, 0x8c));
    p.restore();
}

QColor courseGround()
{
    return QColor(0xe6, 0xe0, 0xd6);
}

void drawCourseGround(QPainter& p, const QRectF& rect)
{
    // Lighter in the middle, so the plate sits in a soft pool of light.
    p.save();
    p.setPen(Qt::NoPen);
    p.fillRect(rect, courseGround());
    p.translate(rect.center());
    p.scale(rect.width() / 2, rect.height() / 2);
    QRadialGradient pool(QPointF(0, 0), 1);
    pool.setColorAt(0, QColor(0xf6, 0xf2, 0xea));
    pool.setColorAt(1, alpha(courseGround(), 0));
    p.setBrush(pool);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.restore();
}

void drawChefHat(QPainter& p, const QRectF& box, bool golden)
{
    // Laid out on a 24 x 24 grid; bold outline so it reads at half size.
    const qreal scale = std::min(box.width(), box.height()) / 24;
    p.save();
    p.translate(box.center() - QPointF(12 * scale, 12 * scale));
    p.scale(scale, scale);
    const auto round = [](QPointF centre, qreal rx, qreal ry) {
        QPainterPath path;
        path.addEllipse(centre, rx, ry);
        return path;
    };
    QPainterPath body;
    body.addRect(QRectF(6.6, 10, 10.8, 7));
    const QPainterPath puff = round(QPointF(7.4, 10.4), 4.4, 4.4)
                                  .united(round(QPointF(12, 7.2), 5.4, 5.0))
                                  .united(round(QPointF(16.6, 10.4), 4.4, 4.4))
                                  .united(body);
    QPainterPath band;
    band.addRoundedRect(QRectF(5.6, 15.4, 12.8, 6.2), 1.4, 1.4);

    const QColor line = golden ? QColor(0x8a, 0x56, 0x06) : QColor(0x6a, 0x70, 0x80);
    QLinearGradient cloth(QPointF(0, 2), QPointF(0, 22));
    if (golden) {
        cloth.setColorAt(0, QColor(0xff, 0xf2, 0xa8));
        cloth.setColorAt(0.5, QColor(0xff, 0xd0, 0x40));
        cloth.setColorAt(1, QColor(0xd8, 0x94, 0x10));
    } else {
        cloth.setColorAt(0, QColor(0xff, 0xff, 0xff));
        cloth.setColorAt(1, QColor(0xd6, 0xda, 0xe4));
    }
    p.setPen(outline(line, 1.1));
    p.setBrush(cloth);
    p.drawPath(puff);
    // Pleats rising from the band.
    p.setPen(outline(golden ? QColor(0xb0, 0x74, 0x08) : QColor(0xa8, 0xae, 0xbc), 0.7));
    for (const qreal x : {9.5, 12.0, 14.5})
        p.drawLine(QPointF(x, 15.2), QPointF(x + (x - 12) * 0.3, 10.5));
    p.setPen(outline(line, 1.1));
    p.setBrush(golden ? QColor(0xe0, 0x9c, 0x14) : QColor(0xf0, 0xf2, 0xf6));
    p.drawPath(band);
    if (golden) {
        p.setPen(outline(QColor(0x9a, 0x10, 0x16), 0.8));
        p.setBrush(QColor(0xff, 0x3a, 0x3a));
        p.drawPath(starOutline(QPointF(12, 18.6), 3.6, 1.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QPointF(9, 6.5), 1.6, 1.0);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 230));
        p.drawEllipse(QPointF(9.5, 6.2), 1.6, 1.0);
    }
    p.restore();
}

void drawClochePlate(QPainter& p, const QRectF& box)
{
    const qreal scale = std::min(box.width(), box.height()) / 72;
    p.save();
    p.translate(box.center() - QPointF(36 * scale, 36 * scale));
    p.scale(scale, scale);
    drawGlow(p, QRectF(0, 56, 72, 16), QColor(0, 0, 0, 120));
    QLinearGradient silver(QPointF(0, 54), QPointF(0, 68));
    silver.setColorAt(0, QColor(0xfa, 0xfb, 0xfd));
    silver.setColorAt(1, QColor(0x9a, 0xa2, 0xb0));
    p.setBrush(silver);
    p.setPen(outline(QColor(0x60, 0x68, 0x78), 1.0));
    p.drawEllipse(QPointF(36, 60.5), 33, 7.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(QColor(0xff, 0xff, 0xff, 170), 0.8));
    p.drawEllipse(QPointF(36, 60), 27, 5.2);
    p.restore();
}

void drawCloche(QPainter& p, const QRectF& box, const QColor& band, int number)
{
    drawClochePlate(p, box);
    const qreal scale = std::min(box.width(), box.height()) / 72;
    p.save();
    p.translate(box.center() - QPointF(36 * scale, 36 * scale));
    p.scale(scale, scale);

    const QRectF foot(8, 53, 56, 10);  // the dome's rim, resting on the plate
    QPainterPath dome(QPointF(foot.left(), foot.center().y()));
    dome.cubicTo(7, 30, 20, 15.5, 36, 15.5);
    dome.cubicTo(52, 15.5, 65, 30, foot.right(), foot.center().y());
    dome.arcTo(foot, 0, -180);
    dome.closeSubpath();
    QLinearGradient metal(QPointF(8, 0), QPointF(64, 0));
    metal.setColorAt(0, QColor(0x84, 0x8c, 0x9c));
    metal.setColorAt(0.22, QColor(0xe4, 0xe8, 0xee));
    metal.setColorAt(0.32, QColor(0xff, 0xff, 0xff));
    metal.setColorAt(0.55, QColor(0xcc, 0xd2, 0xdc));
    metal.setColorAt(0.85, QColor(0x98, 0xa0, 0xae));
    metal.setColorAt(1, QColor(0x70, 0x78, 0x88));
    p.setBrush(metal);
    p.setPen(outline(QColor(0x4e, 0x56, 0x66), 1.2));
    p.drawPath(dome);

    if (band.isValid()) {
        p.save();
        p.setClipPath(dome);
        QPainterPath stripe;
        stripe.addRect(QRectF(0, 40, 72, 30));
        QPainterPath above(QPointF(0, 40));
        above.lineTo(foot.left(), 47);
        above.arcTo(foot.translated(0, -8), 180, 180);
        above.lineTo(72, 40);
        above.closeSubpath();
        QLinearGradient colour(QPointF(0, 44), QPointF(0, 62));
        colour.setColorAt(0, band.lighter(130));
        colour.setColorAt(1, band.darker(125));
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(stripe.subtracted(above));
        p.setPen(outline(alpha(Qt::white, 150), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawArc(foot.translated(0, -8), 180 * 16, 180 * 16);
        p.restore();
    }
    // The light falls from the upper left.
    p.setPen(outline(QColor(255, 255, 255, 210), 2.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath glint(QPointF(15, 40));
    glint.cubicTo(15, 30, 20, 24, 27, 21);
    p.drawPath(glint);

    // The knob on top.
    p.setPen(outline(QColor(0x4e, 0x56, 0x66), 1.0));
    p.setBrush(QColor(0xb8, 0xbe, 0xca));
    p.drawRect(QRectF(34, 12, 4, 5));
    p.setBrush(roundShade(QPointF(34.5, 9), 7, QColor(0xff, 0xff, 0xff), QColor(0xcc, 0xd2, 0xdc),
                          QColor(0x80, 0x88, 0x98)));
    p.drawEllipse(QPointF(36, 10.5), 6, 3.8);

    if (band.isValid() && number > 0) {
        // The number on a badge in the band's colour, white figures ringed in dark.
        const QPointF badge(36, 33);
        p.setPen(outline(band.darker(170), 1.4));
        p.setBrush(roundShade(badge - QPointF(3, 4), 15, band.lighter(140), band, band.darker(130)));
        p.drawEllipse(badge, 12, 11);
        p.setPen(outline(QColor(255, 255, 255, 200), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(badge, 9.8, 8.8);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(number >= 10 ? 14 : 16);
        font.setHintingPreference(QFont::PreferNoHinting);
        QPainterPath digits = centredText(QString::number(number), font, QRectF(badge.x() - 12, badge.y() - 11, 24, 22));
        if (number >= 10) {
            // Two digits squeezed a little to stay inside the badge.
            QTransform narrow;
            narrow.translate(badge.x(), 0);
            narrow.scale(0.84, 1);
            narrow.translate(-badge.x(), 0);
            digits = narrow.map(digits);
        }
        p.strokePath(digits, outline(band.darker(220), 2.4));
        p.fillPath(digits, QColor(0xff, 0xff, 0xff));
    }
    p.restore();
}

}  // namespace assetgen::kit
