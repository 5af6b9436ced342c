#include "painters/christmaskit.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace assetgen::kit {

namespace {

const QColor kSnow(0xfb, 0xfd, 0xff);
const QColor kSnowShade(0xc9, 0xd8, 0xec);

// A smooth line through the points, bending at the midpoints between them.
QPainterPath smoothThrough(const QList<QPointF>& points)
{
    QPainterPath path(points.first());
    for (qsizetype i = 1; i + 1 < points.size(); ++i)
        path.quadTo(points[i], (points[i] + points[i + 1]) / 2);
    path.lineTo(points.last());
    return path;
}

QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points)
{
    QPainterPath star;
    for (int i = 0; i < points * 2; ++i) {
        const qreal angle = std::numbers::pi * i / points - std::numbers::pi / 2;
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

}  // namespace

void drawSnowfall(QPainter& p, const QRectF& rect, int flakes, quint32 seed)
{
    QRandomGenerator random(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < flakes; ++i) {
        const QPointF at(rect.left() + rect.width() * random.generateDouble(),
                         rect.top() + rect.height() * random.generateDouble());
        const qreal depth = (at.y() - rect.top()) / rect.height();
        const qreal radius = 0.7 + random.generateDouble() * 1.1 + depth * random.generateDouble() * 1.6;
        const int opacity = 130 + int(random.bounded(110));
        if (radius > 2.2)
            drawGlow(p, at, radius * 2.2, alpha(kSnow, 60));
        p.setBrush(alpha(kSnow, opacity));
        p.drawEllipse(at, radius, radius);
    }
    p.restore();
}

void drawSnowDrift(QPainter& p, const QRectF& band, quint32 seed)
{
    QRandomGenerator random(seed);
    QList<QPointF> top;
    const int bumps = std::max(3, int(band.width() / 70));
    for (int i = 0; i <= bumps; ++i) {
        const qreal x = band.left() + band.width() * i / bumps;
        top << QPointF(x, band.top() + band.height() * (0.05 + 0.5 * random.generateDouble()));
    }
    QPainterPath drift = smoothThrough(top);
    drift.lineTo(band.bottomRight() + QPointF(0, 1));
    drift.lineTo(band.bottomLeft() + QPointF(0, 1));
    drift.closeSubpath();
    p.save();
    QLinearGradient fill(band.topLeft(), band.bottomLeft());
    fill.setColorAt(0, kSnow);
    fill.setColorAt(1, kSnowShade);
    p.setPen(QPen(alpha(kSnowShade.darker(115), 160), std::max(1.0, band.height() * 0.04)));
    p.setBrush(fill);
    p.drawPath(drift);
    p.restore();
}

void drawSnowCap(QPainter& p, qreal left, qreal right, qreal y, qreal thickness, quint32 seed)
{
    QRandomGenerator random(seed);
    QList<QPointF> top;
    const int lumps = std::max(2, int((right - left) / (thickness * 3)));
    top << QPointF(left - thickness * 0.2, y + thickness * 0.2);
    for (int i = 0; i <= lumps; ++i)
        top << QPointF(left + (right - left) * i / lumps, y - thickness * (0.45 + 0.5 * random.generateDouble()));
    top << QPointF(right + thickness * 0.2, y + thickness * 0.2);
    QPainterPath cap = smoothThrough(top);
    // The underside hangs a little over the ledge in soft scallops.
    const int scallops = std::max(2, int((right - left) / (thickness * 2.2)));
    for (int i = scallops; i > 0; --i) {
        const qreal x0 = left + (right - left) * i / scallops;
        const qreal x1 = left + (right - left) * (i - 1) / scallops;
        const qreal hang = thickness * (0.2 + 0.35 * random.generateDouble());
        cap.quadTo(QPointF((x0 + x1) / 2, y + hang * 2), QPointF(x1, y + thickness * 0.1));
    }
    cap.closeSubpath();
    QLinearGradient fill(QPointF(0, y - thickness), QPointF(0, y + thickness * 0.6));
    fill.setColorAt(0, kSnow);
    fill.setColorAt(1, kSnowShade);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(cap);
    p.restore();
}

QPainterPath drawGarland(QPainter& p, QPointF from, QPointF to, qreal sag, qreal thickness, quint32 seed)
{
    const QPointF middle = (from + to) / 2 + QPointF(0, 2 * sag);
    QPainterPath line(from);
    line.quadTo(middle, to);

    QRandomGenerator random(seed);
    const QColor greens[] = {QColor(0x17, 0x4a, 0x29), QColor(0x23, 0x66, 0x36), QColor(0x2f, 0x7f, 0x42),
                             QColor(0x45, 0x9c, 0x52)};
    p.save();
    p.setPen(QPen(greens[0], thickness * 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
    const int tufts = int(line.length() / (thickness * 0.18));
    for (int i = 0; i <= tufts; ++i) {
        const QPointF at = line.pointAtPercent(qreal(i) / tufts);
        for (int n = 0; n < 3; ++n) {
            const qreal angle = 2 * std::numbers::pi * random.generateDouble();
            const qreal reach = thickness * (0.35 + 0.35 * random.generateDouble());
            const QColor colour = greens[1 + random.bounded(3)];
            p.setPen(QPen(colour, std::max(1.0, thickness * 0.09), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(at, at + QPointF(std::cos(angle) * reach, std::sin(angle) * reach * 0.8));
        }
    }
    p.restore();
    return line;
}

void drawFairyLights(QPainter& p, const QPainterPath& path, qreal spacing, qreal radius)
{
    const QColor colours[] = {QColor(0xff, 0xf1, 0xc0), QColor(0xff, 0x4b, 0x3e), QColor(0xff, 0xc9, 0x3c),
                              QColor(0x9f, 0xd8, 0xff)};
    const qreal length = path.length();
    int i = 0;
    for (qreal s = spacing / 2; s < length; s += spacing, ++i) {
        const QPointF at = path.pointAtPercent(path.percentAtLength(s)) + QPointF(0, i % 2 == 0 ? radius : -radius * 0.4);
        drawBulb(p, at, radius, colours[i % 4]);
    }
}

void drawBauble(QPainter& p, QPointF centre, qreal radius, const QColor& colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9, 0xb0, 0x4a));
    p.drawRoundedRect(QRectF(centre.x() - radius * 0.28, centre.y() - radius * 1.18, radius * 0.56, radius * 0.32),
                      radius * 0.08, radius * 0.08);
    QRadialGradient ball(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.5);
    ball.setColorAt(0, colour.lighter(170));
    ball.setColorAt(0.4, colour);
    ball.setColorAt(1, colour.darker(190));
    p.setBrush(ball);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(centre - QPointF(radius * 0.38, radius * 0.4), radius * 0.18, radius * 0.12);
    p.restore();
}

void drawHolly(QPainter& p, QPointF centre, qreal size, qreal angle)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.scale(size / 20, size / 20);
    // Each leaf runs out along x with three points a side, then is turned into place.
    QPainterPath leaf(QPointF(0, 0));
    const qreal length = 18, half = 5.2;
    for (int i = 1; i <= 3; ++i)
        leaf.quadTo(QPointF(length * (i - 0.5) / 3, -half * 0.45), QPointF(length * i / 3, i == 3 ? 0 : -half));
    for (int i = 2; i >= 0; --i)
        leaf.quadTo(QPointF(length * (i + 0.5) / 3, half * 0.45), QPointF(length * i / 3, i == 0 ? 0 : half));
    leaf.closeSubpath();
    const qreal spread[] = {-150, -30, 90};
    for (const qreal turn : spread) {
        QTransform place;
        place.rotate(turn);
        const QPainterPath turned = place.map(leaf);
        QLinearGradient green(place.map(QPointF(0, -half)), place.map(QPointF(0, half)));
        green.setColorAt(0, QColor(0x4c, 0xa8, 0x4e));
        green.setColorAt(1, QColor(0x1c, 0x5e, 0x2c));
        p.setPen(QPen(QColor(0x12, 0x40, 0x1c), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(green);
        p.drawPath(turned);
        p.setPen(QPen(QColor(0x9c, 0xd8, 0x8c), 0.7));
        p.drawLine(place.map(QPointF(1.5, 0)), place.map(QPointF(length - 3, 0)));
    }
    for (const QPointF berry : {QPointF(-2.6, -1.5), QPointF(2.6, -1.8), QPointF(0, 2.4)}) {
        QRadialGradient red(berry - QPointF(0.8, 0.8), 3.6);
        red.setColorAt(0, QColor(0xff, 0x8a, 0x80));
        red.setColorAt(0.5, QColor(0xd8, 0x1c, 0x24));
        red.setColorAt(1, QColor(0x8a, 0x08, 0x10));
        p.setPen(QPen(QColor(0x60, 0x06, 0x0a), 0.6));
        p.setBrush(red);
        p.drawEllipse(berry, 2.9, 2.9);
    }
    p.restore();
}

void drawChristmasTree(QPainter& p, const QRectF& bounds, const EditionLook& look, quint32 seed)
{
    QRandomGenerator random(seed);
    const qreal w = bounds.width(), h = bounds.height();
    const qreal cx = bounds.center().x();
    const qreal trunkHeight = h * 0.09;
    const qreal crownBottom = bounds.bottom() - trunkHeight;
    const qreal crownTop = bounds.top() + h * 0.08;
    p.save();
    p.setPen(Qt::NoPen);
    drawGlow(p, QRectF(cx - w * 0.7, bounds.bottom() - h * 0.06, w * 1.4, h * 0.12), QColor(0, 0, 0, 110));
    p.setBrush(QColor(0x6b, 0x3e, 0x22));
    p.drawRect(QRectF(cx - w * 0.07, crownBottom - 2, w * 0.14, trunkHeight + 2));

    // Four tiers, each wider than the one above, with a light snow rim.
    const int tiers = 4;
    QList<QPointF> ornamentSpots;
    for (int t = 0; t < tiers; ++t) {
        const qreal top = crownTop + (crownBottom - crownTop) * t * 0.22;
        const qreal bottom = crownTop + (crownBottom - crownTop) * (0.34 + t * 0.22);
        const qreal half = w * (0.24 + 0.09 * t) * (t == tiers - 1 ? 1.1 : 1.0);
        QPainterPath tier;
        tier.moveTo(cx, top);
        tier.quadTo(QPointF(cx + half * 0.55, (top + bottom) / 2), QPointF(cx + half, bottom));
        tier.quadTo(QPointF(cx + half * 0.5, bottom + h * 0.03), QPointF(cx, bottom - h * 0.005));
        tier.quadTo(QPointF(cx - half * 0.5, bottom + h * 0.03), QPointF(cx - half, bottom));
        tier.quadTo(QPointF(cx - half * 0.55, (top + bottom) / 2), QPointF(cx, top));
        QLinearGradient needles(QPointF(cx - half, 0), QPointF(cx + half, 0));
        needles.setColorAt(0, QColor(0x14, 0x4a, 0x2a));
        needles.setColorAt(0.6, QColor(0x24, 0x74, 0x3d));
        needles.setColorAt(1, QColor(0x3b, 0x93, 0x4f));
        p.setBrush(needles);
        p.drawPath(tier);
        p.setPen(QPen(alpha(QColor(0xf4, 0xf8, 0xff), 230), std::max(1.5, h * 0.018), Qt::SolidLine, Qt::RoundCap));
        QPainterPath rim(QPointF(cx - half * 0.92, bottom - h * 0.004));
        rim.quadTo(QPointF(cx - half * 0.45, bottom + h * 0.022), QPointF(cx, bottom - h * 0.008));
        rim.quadTo(QPointF(cx + half * 0.45, bottom + h * 0.022), QPointF(cx + half * 0.92, bottom - h * 0.004));
        p.setBrush(Qt::NoBrush);
        p.drawPath(rim);
        p.setPen(Qt::NoPen);
        for (int k = 0; k < 2 + t; ++k) {
            const qreal across = (random.generateDouble() - 0.5) * 1.3 * half;
            ornamentSpots << QPointF(cx + across, bottom - (bottom - top) * (0.18 + 0.25 * random.generateDouble()));
        }
    }
    const QColor baubles[] = {QColor(0xd8, 0x24, 0x2c), look.gold, look.accent2, QColor(0xd8, 0x24, 0x2c)};
    for (qsizetype i = 0; i < ornamentSpots.size(); ++i)
        drawBauble(p, ornamentSpots[i], w * 0.05, baubles[i % 4]);

    // Lights in two swags across the crown.
    for (int s = 0; s < 2; ++s) {
        const qreal y0 = crownTop + (crownBottom - crownTop) * (0.3 + 0.32 * s);
        const qreal reach = w * (0.16 + 0.12 * s);
        QPainterPath swag(QPointF(cx - reach, y0));
        swag.quadTo(QPointF(cx, y0 + h * 0.12), QPointF(cx + reach * 1.3, y0 - h * 0.03));
        drawFairyLights(p, swag, w * 0.09, w * 0.018);
    }

    // The star on top.
    const QPointF tip(cx, crownTop);
    drawGlow(p, tip, w * 0.25, alpha(QColor(0xff, 0xe7, 0x8a), 150));
    QRadialGradient starFill(tip, w * 0.1);
    starFill.setColorAt(0, QColor(0xff, 0xfb, 0xe0));
    starFill.setColorAt(1, QColor(0xf2, 0xb0, 0x2a));
    p.setBrush(starFill);
    p.setPen(QPen(QColor(0xb0, 0x78, 0x10), std::max(1.0, w * 0.008)));
    p.drawPath(starPath(tip, w * 0.1, w * 0.042, 5));
    p.restore();
}

}  // namespace assetgen::kit
