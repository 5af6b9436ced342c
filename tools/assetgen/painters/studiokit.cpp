#include "painters/studiokit.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace assetgen::kit {

EditionLook editionLook(int edition)
{
    EditionLook look;
    switch (edition) {
    case 2:  // SERO92: an evening show in violet and pink
        look.deep = QColor(0x1b, 0x0a, 0x2c);
        look.wall = QColor(0x55, 0x27, 0x80);
        look.glow = QColor(0xff, 0xc9, 0xe4);
        look.accent = QColor(0xe8, 0x3f, 0x8c);
        look.accent2 = QColor(0x2f, 0xb8, 0xc0);
        look.gold = QColor(0xff, 0xcf, 0x5c);
        look.titleTop = QColor(0xff, 0xfb, 0xd0);
        look.titleBottom = QColor(0xff, 0xa8, 0x3a);
        look.titleOutline = QColor(0x2a, 0x08, 0x3c);
        look.floorFar = QColor(0x2a, 0x12, 0x40);
        look.floorNear = QColor(0x4a, 0x2a, 0x66);
        look.lightScoreboard = true;
        break;
    case 3:  // ZOLMER91: midnight blue with orange lights
        look.deep = QColor(0x0b, 0x12, 0x2e);
        look.wall = QColor(0x1d, 0x3c, 0x7c);
        look.glow = QColor(0xff, 0xe2, 0xa6);
        look.accent = QColor(0xf2, 0x6b, 0x1d);
        look.accent2 = QColor(0xff, 0xd2, 0x3f);
        look.gold = QColor(0xf6, 0xc2, 0x44);
        look.titleTop = QColor(0xff, 0xff, 0xff);
        look.titleBottom = QColor(0xff, 0xc8, 0x3a);
        look.titleOutline = QColor(0x0a, 0x10, 0x2a);
        look.floorFar = QColor(0x14, 0x22, 0x48);
        look.floorNear = QColor(0x2e, 0x46, 0x7a);
        break;
    case 4:  // ZOLMER93: emerald and gold
        look.deep = QColor(0x05, 0x22, 0x1e);
        look.wall = QColor(0x0e, 0x5c, 0x53);
        look.glow = QColor(0xff, 0xf0, 0xb8);
        look.accent = QColor(0xe8, 0x55, 0x35);
        look.accent2 = QColor(0xff, 0xcf, 0x4a);
        look.gold = QColor(0xe9, 0xb9, 0x49);
        look.titleTop = QColor(0xff, 0xfb, 0xe0);
        look.titleBottom = QColor(0xff, 0xbe, 0x2e);
        look.titleOutline = QColor(0x04, 0x24, 0x20);
        look.floorFar = QColor(0x0a, 0x30, 0x2b);
        look.floorNear = QColor(0x1b, 0x52, 0x4a);
        look.lightScoreboard = true;
        break;
    default:  // ZOLMER90: wine red and tomato, the first season's colours
        look.deep = QColor(0x26, 0x08, 0x10);
        look.wall = QColor(0x7a, 0x16, 0x2e);
        look.glow = QColor(0xff, 0xd6, 0x86);
        look.accent = QColor(0xe2, 0x3d, 0x28);
        look.accent2 = QColor(0x2f, 0x9e, 0x5a);
        look.gold = QColor(0xf2, 0xb6, 0x3d);
        look.titleTop = QColor(0xff, 0xf6, 0x8a);
        look.titleBottom = QColor(0xff, 0x93, 0x1a);
        look.titleOutline = QColor(0x42, 0x0a, 0x14);
        look.floorFar = QColor(0x3a, 0x0c, 0x18);
        look.floorNear = QColor(0x68, 0x22, 0x30);
        break;
    }
    return look;
}

EditionLook finalLook(const EditionLook& look)
{
    const QColor notte(0x06, 0x08, 0x22), oro(0xff, 0xc8, 0x4a);
    EditionLook f = look;
    f.deep = mix(look.deep, notte, 0.7);
    f.wall = mix(look.wall, notte, 0.55);
    f.glow = mix(look.glow, oro, 0.6);
    f.accent2 = mix(look.accent2, oro, 0.5);
    f.gold = mix(look.gold, oro, 0.4).lighter(110);
    f.floorFar = mix(look.floorFar, notte, 0.6);
    f.floorNear = mix(look.floorNear, notte, 0.45);
    return f;
}

bool secondLookGroup(int edition)
{
    return edition == 2 || edition == 4;
}

std::array<QColor, 5> courseColours()
{
    return {QColor(0xf4, 0xc1, 0x3e), QColor(0xc8, 0x4b, 0x36), QColor(0xf5, 0xe6, 0xae), QColor(0x6a, 0xb0, 0x4c),
            QColor(0xe8, 0x7f, 0xb4)};
}

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor alpha(const QColor& colour, int value)
{
    QColor c = colour;
    c.setAlpha(value);
    return c;
}

QFont outlineFont(const QString& family, qreal pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont playfulFont(qreal pixelSize, bool bold)
{
    const bool comic = QFontDatabase::families().contains(QStringLiteral("Comic Neue"));
    QFont font = outlineFont(comic ? QStringLiteral("Comic Neue") : QStringLiteral("DejaVu Sans"), pixelSize, bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void fillVertical(QPainter& p, const QRectF& rect, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.fillRect(rect, gradient);
}

void drawGlow(QPainter& p, QPointF centre, qreal radius, const QColor& colour)
{
    drawGlow(p, QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), colour);
}

void drawGlow(QPainter& p, const QRectF& ellipse, const QColor& colour)
{
    p.save();
    p.translate(ellipse.center());
    p.scale(ellipse.width() / 2, ellipse.height() / 2);
    QRadialGradient gradient(QPointF(0, 0), 1);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(0.45, alpha(colour, colour.alpha() / 2));
    gradient.setColorAt(1, alpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.restore();
}

void drawBeam(QPainter& p, QPointF apex, QPointF target, qreal apexWidth, qreal targetWidth, const QColor& colour)
{
    const QPointF axis = target - apex;
    const qreal length = std::hypot(axis.x(), axis.y());
    const QPointF across(-axis.y() / length, axis.x() / length);
    QPolygonF beam;
    beam << apex + across * apexWidth / 2 << target + across * targetWidth / 2 << target - across * targetWidth / 2
         << apex - across * apexWidth / 2;
    QLinearGradient gradient(apex, target);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(1, alpha(colour, colour.alpha() / 6));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawPolygon(beam);
    p.restore();
    drawGlow(p, QRectF(target.x() - targetWidth * 0.6, target.y() - targetWidth * 0.14, targetWidth * 1.2,
                       targetWidth * 0.28),
             alpha(colour, std::min(255, colour.alpha() * 2)));
}

void drawTruss(QPainter& p, qreal width, qreal height, qreal step, qreal penWidth, const QColor& band)
{
    QLinearGradient metal(QPointF(0, 0), QPointF(0, height));
    metal.setColorAt(0, QColor(0x3a, 0x3c, 0x44));
    metal.setColorAt(0.5, QColor(0x7a, 0x7f, 0x8c));
    metal.setColorAt(1, QColor(0x2a, 0x2c, 0x33));
    p.fillRect(QRectF(0, 0, width, height), band);
    p.setPen(QPen(QColor(0x5b, 0x60, 0x6b), penWidth));
    for (qreal x = 0; x < width; x += step) {
        p.drawLine(QPointF(x, 3), QPointF(x + step / 2, height - 3));
        p.drawLine(QPointF(x + step / 2, height - 3), QPointF(x + step, 3));
    }
    p.fillRect(QRectF(0, 1, width, 3), metal);
    p.fillRect(QRectF(0, height - 4, width, 3), metal);
}

void drawBulb(QPainter& p, QPointF centre, qreal radius, const QColor& colour)
{
    drawGlow(p, centre, radius * 2.8, alpha(colour, 110));
    QRadialGradient body(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    body.setColorAt(0, Qt::white);
    body.setColorAt(0.35, colour.lighter(130));
    body.setColorAt(1, colour.darker(140));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void drawBulbRow(QPainter& p, QPointF from, QPointF to, int count, qreal radius, const QList<QColor>& colours)
{
    for (int i = 0; i < count; ++i) {
        const qreal t = count == 1 ? 0.5 : qreal(i) / (count - 1);
        drawBulb(p, from + (to - from) * t, radius, colours[i % colours.size()]);
    }
}

void drawSparkle(QPainter& p, QPointF centre, qreal radius, const QColor& colour)
{
    drawGlow(p, centre, radius * 1.2, alpha(colour, 90));
    QPainterPath star;
    const qreal inner = radius * 0.2;
    for (int i = 0; i < 8; ++i) {
        const qreal angle = i * std::numbers::pi / 4 - std::numbers::pi / 2;
        const qreal r = i % 2 == 0 ? radius : inner;
        const QPointF point = centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(star);
    p.restore();
}

void drawRays(QPainter& p, QPointF centre, qreal reach, int count, const QColor& colour)
{
    const qreal period = 360.0 / count;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < count; ++i) {
        QPainterPath ray(centre);
        ray.arcTo(QRectF(centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach), i * period, period / 4);
        ray.closeSubpath();
        p.drawPath(ray);
    }
    p.restore();
}

void fillStageFloor(QPainter& p, const QRectF& rect, const EditionLook& look)
{
    const QColor far = mix(look.floorFar, look.wall, 0.55).lighter(115);
    const QColor near = mix(look.floorNear, look.wall, 0.4).lighter(105);
    fillVertical(p, rect, far, near);
}

void drawFloorRings(QPainter& p, QPointF centre, QSizeF outer, QSizeF step, qreal penWidth, qreal penStep,
                    const EditionLook& look)
{
    p.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < 3; ++ring) {
        p.setPen(QPen(alpha(ring == 1 ? look.gold : look.glow, 80 + ring * 30), penWidth - ring * penStep));
        p.drawEllipse(centre, outer.width() - ring * step.width(), outer.height() - ring * step.height());
    }
}

void drawVignette(QPainter& p, const QRectF& area, QPointF centre, qreal radius, qreal clear, int darkness)
{
    QRadialGradient vignette(centre, radius);
    vignette.setColorAt(clear, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, darkness));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(vignette);
    p.drawRect(area);
    p.restore();
}

void drawGoldFrame(QPainter& p, const QRectF& rect, const EditionLook& look, qreal corner)
{
    QLinearGradient gold(rect.topLeft(), rect.bottomLeft());
    gold.setColorAt(0, look.gold.lighter(130));
    gold.setColorAt(1, look.gold.darker(140));
    p.setPen(QPen(look.gold.darker(230), 1.2));
    p.setBrush(gold);
    p.drawRoundedRect(rect, corner, corner);
}

void drawPortal(QPainter& p, QPointF centre, qreal radius, const EditionLook& look, const Portal& portal)
{
    drawGlow(p, centre, radius + portal.glowReach, alpha(look.glow, 90));
    QRadialGradient inside(centre, radius);
    inside.setColorAt(0, portal.inner);
    inside.setColorAt(0.8, portal.outer);
    inside.setColorAt(1, look.wall);
    p.setPen(Qt::NoPen);
    p.setBrush(inside);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.gold.darker(130), portal.rimWidth));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(look.gold.lighter(130), portal.ringWidth));
    p.drawEllipse(centre, radius - portal.ringInset, radius - portal.ringInset);
    for (int i = 0; i <= portal.bulbs; ++i) {
        const qreal angle = std::numbers::pi * (portal.arcStart + portal.arcSpan * i / portal.bulbs);
        drawBulb(p, centre + QPointF(std::cos(angle), std::sin(angle)) * radius, portal.bulbRadius,
                 i % 2 == 0 ? portal.bulbLight : look.glow);
    }
}

void drawCoinStack(QPainter& p, QPointF base, int count, qreal radius, const QColor& gold)
{
    // Fractions that come out exact at the menu card's radius of 9: coins 4.2 apart,
    // 5 thick, faces 2.6 deep.
    const qreal step = radius * 7 / 15, lift = radius / 3, edge = radius * 5 / 9, corner = radius * 5 / 18,
                face = radius * 13 / 45;
    for (int i = 0; i < count; ++i) {
        const QPointF at = base - QPointF(0, i * step);
        p.setPen(QPen(gold.darker(200), 0.8));
        p.setBrush(gold.darker(125));
        p.drawRoundedRect(QRectF(at.x() - radius, at.y() - lift, 2 * radius, edge), corner, corner);
        QLinearGradient shine(QPointF(at.x() - radius, 0), QPointF(at.x() + radius, 0));
        shine.setColorAt(0, gold.lighter(150));
        shine.setColorAt(1, gold);
        p.setBrush(shine);
        p.drawEllipse(QPointF(at.x(), at.y() - lift), radius, face);
    }
}

void drawWheel(QPainter& p, QPointF centre, qreal radius, const EditionLook& look, int slices)
{
    const auto colours = courseColours();
    const qreal rim = radius * 0.085;
    const qreal inner = radius - rim;
    const QRectF face(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < slices; ++i) {
        const qreal start = 90.0 - 360.0 * (i + 1) / slices;
        QPainterPath slice;
        slice.moveTo(centre);
        slice.arcTo(face, start, 360.0 / slices);
        slice.closeSubpath();
        QRadialGradient shade(centre, inner);
        const QColor base = colours[std::size_t(i) % colours.size()];
        shade.setColorAt(0, base.lighter(125));
        shade.setColorAt(1, base.darker(112));
        p.setBrush(shade);
        p.drawPath(slice);
    }
    p.setPen(QPen(alpha(Qt::white, 200), std::max(1.0, radius * 0.012)));
    for (int i = 0; i < slices; ++i) {
        const qreal angle = 2 * std::numbers::pi * i / slices - std::numbers::pi / 2;
        p.drawLine(centre, centre + QPointF(std::cos(angle), std::sin(angle)) * inner);
    }
    // Gold rim with bulbs between the slices.
    QPainterPath ring;
    ring.addEllipse(centre, radius, radius);
    ring.addEllipse(centre, inner, inner);
    QRadialGradient gold(centre, radius);
    gold.setColorAt(inner / radius, look.gold.darker(130));
    gold.setColorAt((inner + rim * 0.5) / radius, look.gold.lighter(125));
    gold.setColorAt(1, look.gold.darker(150));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(ring);
    for (int i = 0; i < slices * 2; ++i) {
        const qreal angle = std::numbers::pi * i / slices - std::numbers::pi / 2;
        drawBulb(p, centre + QPointF(std::cos(angle), std::sin(angle)) * (inner + rim / 2), rim * 0.32,
                 i % 2 == 0 ? QColor(0xff, 0xf6, 0xd8) : look.glow);
    }
    // Hub.
    QRadialGradient hub(centre - QPointF(radius * 0.04, radius * 0.04), radius * 0.16);
    hub.setColorAt(0, look.gold.lighter(150));
    hub.setColorAt(1, look.gold.darker(140));
    p.setBrush(hub);
    p.setPen(QPen(look.gold.darker(180), std::max(1.0, radius * 0.01)));
    p.drawEllipse(centre, radius * 0.13, radius * 0.13);
    p.restore();
}

void drawPlate(QPainter& p, const QRectF& ellipse, const EditionLook& look, bool full)
{
    p.save();
    p.setPen(Qt::NoPen);
    // A soft contact shadow under the plate.
    drawGlow(p, ellipse.translated(0, ellipse.height() * 0.12).adjusted(-ellipse.width() * 0.04, 0,
                                                                          ellipse.width() * 0.04, 0),
             QColor(0, 0, 0, 120));

    QLinearGradient china(ellipse.topLeft(), ellipse.bottomLeft());
    china.setColorAt(0, QColor(0xff, 0xff, 0xff));
    china.setColorAt(1, QColor(0xd6, 0xd8, 0xe0));
    p.setBrush(china);
    p.setPen(QPen(QColor(0xa8, 0xac, 0xb8), std::max(1.0, ellipse.width() * 0.006)));
    p.drawEllipse(ellipse);

    const QPointF c = ellipse.center();
    const auto scaled = [&](qreal k) {
        return QRectF(c.x() - ellipse.width() * k / 2, c.y() - ellipse.height() * k / 2, ellipse.width() * k,
                      ellipse.height() * k);
    };
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.gold, std::max(1.0, ellipse.width() * 0.012)));
    p.drawEllipse(scaled(0.9));

    const QRectF well = scaled(0.62);
    QLinearGradient wellShade(well.topLeft(), well.bottomLeft());
    wellShade.setColorAt(0, QColor(0xdc, 0xde, 0xe6));
    wellShade.setColorAt(1, QColor(0xfb, 0xfb, 0xfd));
    p.setBrush(wellShade);
    p.setPen(Qt::NoPen);
    p.drawEllipse(well);

    if (full) {
        // A nest of spaghetti: loops of pasta, then the sauce and a basil leaf.
        const QColor pasta(0xf3, 0xc8, 0x5e), pastaShade(0xc9, 0x96, 0x2c);
        const QRectF nest = scaled(0.48).translated(0, -ellipse.height() * 0.05);
        for (int pass = 0; pass < 2; ++pass) {
            QRandomGenerator loops(0x5A0C);
            for (int i = 0; i < 26; ++i) {
                const qreal w = nest.width() * (0.25 + 0.55 * loops.generateDouble());
                const qreal h = nest.height() * (0.3 + 0.6 * loops.generateDouble());
                const QPointF at(nest.left() + (nest.width() - w) * loops.generateDouble(),
                                 nest.top() + (nest.height() - h) * loops.generateDouble());
                const qreal start = 360 * loops.generateDouble();
                const qreal span = 140 + 180 * loops.generateDouble();
                p.setPen(QPen(pass == 0 ? pastaShade : pasta, nest.width() * (pass == 0 ? 0.034 : 0.02), Qt::SolidLine,
                              Qt::RoundCap));
                p.drawArc(QRectF(at, QSizeF(w, h)), int(start * 16), int(span * 16));
            }
        }
        const QPointF top = nest.center() - QPointF(0, nest.height() * 0.2);
        const qreal blob = nest.width() * 0.17;
        QRadialGradient sauce(top - QPointF(blob * 0.3, blob * 0.3), blob * 1.2);
        sauce.setColorAt(0, QColor(0xf0, 0x6a, 0x4c));
        sauce.setColorAt(1, QColor(0xb0, 0x22, 0x18));
        p.setPen(Qt::NoPen);
        p.setBrush(sauce);
        p.drawEllipse(top, blob, blob * 0.62);
        QPainterPath leaf;
        const QPointF stem = top + QPointF(blob * 0.2, -blob * 0.2);
        leaf.moveTo(stem);
        leaf.quadTo(stem + QPointF(blob * 0.5, -blob * 0.7), stem + QPointF(blob * 1.2, -blob * 0.45));
        leaf.quadTo(stem + QPointF(blob * 0.7, blob * 0.15), stem);
        p.setBrush(QColor(0x3c, 0x9a, 0x3e));
        p.drawPath(leaf);
    }
    p.restore();
}

namespace {

// Cutlery is drawn along the x axis from 0 (end of the handle) to length, then
// turned into place.
void drawCutlery(QPainter& p, QPointF handleEnd, QPointF tip, const QPainterPath& local, qreal length)
{
    const QPointF axis = tip - handleEnd;
    const qreal actual = std::hypot(axis.x(), axis.y());
    p.save();
    p.translate(handleEnd);
    p.rotate(std::atan2(axis.y(), axis.x()) * 180 / std::numbers::pi);
    p.scale(actual / length, actual / length);
    // Shadow on the cloth first.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(local.translated(length * 0.015, length * 0.03));
    QLinearGradient steel(QPointF(0, -length * 0.05), QPointF(0, length * 0.05));
    steel.setColorAt(0, QColor(0xfa, 0xfb, 0xfd));
    steel.setColorAt(0.5, QColor(0xc8, 0xcd, 0xd8));
    steel.setColorAt(1, QColor(0x8e, 0x95, 0xa3));
    p.setBrush(steel);
    p.setPen(QPen(QColor(0x6e, 0x74, 0x82), length * 0.006));
    p.drawPath(local);
    p.restore();
}

}  // namespace

void drawFork(QPainter& p, QPointF handleEnd, QPointF tip, qreal width)
{
    const qreal L = 100, w = width * L / std::hypot(tip.x() - handleEnd.x(), tip.y() - handleEnd.y());
    QPainterPath handle;
    handle.addRoundedRect(QRectF(0, -w * 0.28, L * 0.62, w * 0.56), w * 0.28, w * 0.28);
    QPainterPath head;
    head.moveTo(L * 0.58, -w * 0.16);
    head.cubicTo(L * 0.66, -w * 0.18, L * 0.68, -w * 0.5, L * 0.74, -w * 0.5);
    head.lineTo(L, -w * 0.5);
    head.lineTo(L, w * 0.5);
    head.lineTo(L * 0.74, w * 0.5);
    head.cubicTo(L * 0.68, w * 0.5, L * 0.66, w * 0.18, L * 0.58, w * 0.16);
    head.closeSubpath();
    QPainterPath gaps;
    for (int i = 1; i <= 3; ++i) {
        const qreal y = -w * 0.5 + w * i / 4;
        gaps.addRoundedRect(QRectF(L * 0.8, y - w * 0.05, L * 0.25, w * 0.1), w * 0.05, w * 0.05);
    }
    drawCutlery(p, handleEnd, tip, handle.united(head.subtracted(gaps)), L);
}

void drawKnife(QPainter& p, QPointF handleEnd, QPointF tip, qreal width)
{
    const qreal L = 100, w = width * L / std::hypot(tip.x() - handleEnd.x(), tip.y() - handleEnd.y());
    QPainterPath handle;
    handle.addRoundedRect(QRectF(0, -w * 0.3, L * 0.46, w * 0.6), w * 0.3, w * 0.3);
    QPainterPath blade;
    blade.moveTo(L * 0.44, -w * 0.22);
    blade.lineTo(L * 0.9, -w * 0.26);
    blade.quadTo(L * 1.0, -w * 0.2, L, w * 0.1);
    blade.lineTo(L * 0.44, w * 0.26);
    blade.closeSubpath();
    drawCutlery(p, handleEnd, tip, handle.united(blade), L);
}

void drawTablecloth(QPainter& p, const std::array<QPointF, 4>& quad, const QColor& check, int columns, int rows)
{
    QTransform toCloth;
    QPolygonF unit(QRectF(0, 0, columns, rows));
    unit.removeLast();  // QPolygonF(QRectF) closes the polygon with a fifth point
    QPolygonF target;
    target << quad[0] << quad[1] << quad[2] << quad[3];
    if (!QTransform::quadToQuad(unit, target, toCloth))
        return;
    p.save();
    p.setTransform(toCloth, true);
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 0, columns, rows), QColor(0xfb, 0xf7, 0xee));
    const QColor stripe = alpha(check, 120);
    for (int x = 0; x < columns; x += 2)
        p.fillRect(QRectF(x, 0, 1, rows), stripe);
    for (int y = 0; y < rows; y += 2)
        p.fillRect(QRectF(0, y, columns, 1), stripe);
    p.restore();
}

QPainterPath bouncyText(const QString& text, const QFont& font, QPointF baselineCentre, qreal bounce, qreal tiltDegrees)
{
    const QFontMetricsF metrics(font);
    const qreal total = metrics.horizontalAdvance(text);
    const qreal middle = metrics.capHeight() / 2;
    QPainterPath result;
    qreal x = baselineCentre.x() - total / 2;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString letter = text.mid(i, 1);
        const qreal advance = metrics.horizontalAdvance(letter);
        QPainterPath glyph;
        glyph.addText(-advance / 2, middle, font, letter);
        const bool up = i % 2 == 1;
        QTransform place;
        place.translate(x + advance / 2, baselineCentre.y() - middle + (up ? -bounce : bounce * 0.4));
        place.rotate(up ? tiltDegrees : -tiltDegrees * 0.7);
        result.addPath(place.map(glyph));
        x += advance;
    }
    return result;
}

void drawTitle(QPainter& p, const QPainterPath& path, const EditionLook& look, qreal outline)
{
    p.save();
    const QPen round(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPen shadowPen = round;
    shadowPen.setColor(QColor(0, 0, 0, 110));
    shadowPen.setWidthF(outline * 2);
    p.setPen(shadowPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(path.translated(outline * 0.7, outline * 0.9));

    QPen outer = round;
    outer.setColor(look.titleOutline);
    outer.setWidthF(outline * 2);
    p.strokePath(path, outer);
    QPen inner = round;
    inner.setColor(look.gold.lighter(115));
    inner.setWidthF(outline * 0.8);
    p.strokePath(path, inner);

    const QRectF box = path.boundingRect();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, look.titleTop);
    fill.setColorAt(0.55, mix(look.titleTop, look.titleBottom, 0.6));
    fill.setColorAt(1, look.titleBottom);
    p.fillPath(path, fill);

    // A glassy highlight over the top of the letters.
    p.setClipPath(path);
    QLinearGradient shine(box.topLeft(), QPointF(box.left(), box.top() + box.height() * 0.5));
    shine.setColorAt(0, QColor(255, 255, 255, 120));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(box.left(), box.top(), box.width(), box.height() * 0.45), shine);
    p.restore();
}

void drawRibbon(QPainter& p, const QRectF& rect, const QColor& colour, const QString& caption, const QFont& font)
{
    const qreal h = rect.height();
    const qreal drop = h * 0.28;
    const qreal tail = h * 0.95;
    const QColor dark = colour.darker(150);
    p.save();
    p.setPen(Qt::NoPen);
    // The two tails behind the band, with a notch cut in each.
    for (int side = -1; side <= 1; side += 2) {
        const qreal edge = side < 0 ? rect.left() : rect.right();
        const qreal inner = edge - side * h * 0.35;
        const qreal outer = edge + side * tail;
        QPolygonF back;
        back << QPointF(inner, rect.top() + drop) << QPointF(outer, rect.top() + drop)
             << QPointF(outer - side * h * 0.3, rect.top() + drop + h / 2) << QPointF(outer, rect.bottom() + drop)
             << QPointF(inner, rect.bottom() + drop);
        p.setBrush(dark);
        p.drawPolygon(back);
        QPolygonF fold;
        fold << QPointF(edge, rect.bottom()) << QPointF(edge - side * h * 0.35, rect.bottom() + drop)
             << QPointF(edge - side * h * 0.35, rect.bottom());
        p.setBrush(dark.darker(140));
        p.drawPolygon(fold);
    }
    QLinearGradient band(rect.topLeft(), rect.bottomLeft());
    band.setColorAt(0, colour.lighter(120));
    band.setColorAt(1, colour.darker(110));
    p.setBrush(band);
    p.drawRect(rect);
    p.setPen(QPen(alpha(Qt::white, 90), std::max(1.0, h * 0.05)));
    p.drawLine(QPointF(rect.left(), rect.top() + h * 0.12), QPointF(rect.right(), rect.top() + h * 0.12));

    const QPainterPath text = centredText(caption, font, rect);
    p.fillPath(text.translated(h * 0.04, h * 0.06), QColor(0, 0, 0, 120));
    p.fillPath(text, Qt::white);
    p.restore();
}

QPainterPath centredText(const QString& text, const QFont& font, const QRectF& rect)
{
    const QFontMetricsF metrics(font);
    QPainterPath path;
    path.addText(rect.center().x() - metrics.horizontalAdvance(text) / 2,
                 rect.center().y() + (metrics.ascent() - metrics.descent()) / 2, font, text);
    return path;
}

QPainterPath textAt(const QString& text, const QFont& font, qreal x, qreal y)
{
    QPainterPath path;
    path.addText(x, y, font, text);
    return path;
}

}  // namespace assetgen::kit
