#include "painters/boardkit.h"

#include "painters/painter.h"

#include <QLinearGradient>
#include <QList>
#include <QMutex>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <map>
#include <utility>

namespace assetgen::board {

using namespace kit;

QRectF trayPlace(int tray, int column, int row)
{
    return QRectF(kTrays[tray == 0 ? 0 : 1].left() + 31.2 * column, 308 + 26.4 * row, 28, 20);
}

QColor contestantColour(int edition, int contestant)
{
    const bool first = contestant <= 1;
    switch (edition) {
    case 2:  // violet walls
        return first ? QColor(0xff, 0x78, 0x3c) : QColor(0x22, 0xc4, 0xd0);
    case 3:  // midnight blue walls
        return first ? QColor(0xf8, 0x6a, 0x1c) : QColor(0x1c, 0xc8, 0xb4);
    case 4:  // emerald walls
        return first ? QColor(0xf0, 0x50, 0x38) : QColor(0x3a, 0x8c, 0xf0);
    default:  // wine red walls: orange, never red, beside them
        return first ? QColor(0xff, 0x8a, 0x22) : QColor(0x20, 0xb6, 0xd6);
    }
}

QColor wheelBezel(const EditionLook& look)
{
    return look.deep.darker(135);
}

void drawWheelCabinet(QPainter& p, const QRectF& box, const EditionLook& look, bool plinth)
{
    const qreal k = box.width() / kWheelBox.width();
    const QRectF cabinet = box.adjusted(-8 * k, -8 * k, 8 * k, 8 * k);
    const QPointF foot(box.center().x(), box.bottom() + 16 * k);
    QPolygonF stand;
    stand << QPointF(foot.x() - 52 * k, cabinet.bottom() - 2) << QPointF(foot.x() + 52 * k, cabinet.bottom() - 2)
          << QPointF(foot.x() + 74 * k, foot.y() + 3 * k) << QPointF(foot.x() - 74 * k, foot.y() + 3 * k);
    QLinearGradient standShade(QPointF(foot.x() - 74 * k, 0), QPointF(foot.x() + 74 * k, 0));
    standShade.setColorAt(0, look.gold.darker(190));
    standShade.setColorAt(0.4, look.gold.lighter(120));
    standShade.setColorAt(1, look.gold.darker(200));
    p.setPen(QPen(look.gold.darker(240), 1));
    p.setBrush(standShade);
    p.drawPolygon(stand);
    if (plinth) {
        p.setPen(Qt::NoPen);
        p.setBrush(wheelBezel(look));
        p.drawRoundedRect(QRectF(foot.x() - 78 * k, foot.y() + 1 * k, 156 * k, 5 * k), 2 * k, 2 * k);
    }

    drawGlow(p, cabinet.adjusted(-18 * k, -10 * k, 18 * k, 22 * k), QColor(0, 0, 0, 110));
    QLinearGradient frame(cabinet.topLeft(), cabinet.bottomLeft());
    frame.setColorAt(0, look.gold.lighter(140));
    frame.setColorAt(1, look.gold.darker(150));
    p.setBrush(frame);
    p.setPen(QPen(look.gold.darker(240), 1.2));
    p.drawRoundedRect(cabinet, 12 * k, 12 * k);
    p.setPen(Qt::NoPen);
    p.setBrush(wheelBezel(look));
    p.drawRoundedRect(box.adjusted(-3 * k, -3 * k, 3 * k, 3 * k), 4 * k, 4 * k);
    const QList<QColor> bulbs{QColor(0xff, 0xf4, 0xd6), look.glow};
    for (const qreal x : {cabinet.left() + 3.8 * k, cabinet.right() - 3.8 * k})
        drawBulbRow(p, QPointF(x, cabinet.top() + 16 * k), QPointF(x, cabinet.bottom() - 16 * k), 13, 1.9 * k, bulbs);
}

QColor hatStripColour()
{
    return QColor(0x22, 0x26, 0x32);
}

const Scoreboard& scoreboard(int group)
{
    static const Scoreboard first{QRectF(600, 23, 270, 97),
                                  {QRectF(610, 32, 156, 22), QRectF(610, 80, 156, 22)},
                                  {QRectF(774, 36, 88, 22), QRectF(774, 84, 88, 22)}};
    // The large names take the row's height and reach the money's counter.
    static const Scoreboard second{QRectF(600, 28, 270, 114),
                                   {QRectF(610, 36, 180, 42), QRectF(610, 84, 180, 42)},
                                   {QRectF(792, 36, 70, 22), QRectF(792, 84, 70, 22)}};
    return group >= 2 ? second : first;
}

int lookGroup(const PaintRequest& request)
{
    return request.number(QStringLiteral("gruppo"), 1) >= 2 ? 2 : 1;
}

namespace {

// Local coordinates of the desk in its 136 x 104 box. The buttons the board puts in
// the recess (x 16..68 and 72..124) sit right of the box's middle, so the body does
// too; a few pixels all round are left for the lit desk's glow where the counter
// allows.
const QRectF kButtonRecess(14, 62, 112, 31.5);
const QRectF kPlinth(13, 94, 114, 7);
constexpr qreal kBodyTop = 23, kBodyBottom = 95;

// What the two groups' desks do not share: where the board writes the name and
// lines up the hats.
struct DeskTop {
    QRectF counter;
    QRectF hatStrip;
    QRectF namePlate;
    QList<qreal> lamps;  // along the counter, level with the strip
};

const DeskTop& deskTop(int group)
{
    // First group: the hats at x 24..108, the strip centred on the counter with a
    // lamp at each end.
    static const DeskTop first{QRectF(10, 5, 120, 19), QRectF(22, 7, 96, 15), QRectF(16, 38, 108, 22), {16, 124}};
    // Second group: the hats start at x 5 (6 on the right desk) and the names come
    // larger, so the counter overhangs the body on both sides, the strip runs from
    // its left end and the lamps fill the rest; the plate is taller, centred between
    // the two desks' names.
    static const DeskTop second{QRectF(1, 5, 134, 19), QRectF(3, 7, 90, 15), QRectF(13, 32, 108, 28), {103, 114, 125}};
    return group == 2 ? second : first;
}

QPainterPath bodyPath()
{
    QPainterPath body(QPointF(11, kBodyTop));
    body.lineTo(129, kBodyTop);
    body.lineTo(128, kBodyBottom);
    body.lineTo(12, kBodyBottom);
    body.closeSubpath();
    return body;
}

QPainterPath counterPath(int group)
{
    QPainterPath counter;
    counter.addRoundedRect(deskTop(group).counter, 6, 6);
    return counter;
}

}  // namespace

QPainterPath deskOutline(int group)
{
    QPainterPath plinth;
    plinth.addRect(kPlinth);
    return bodyPath().united(counterPath(group)).united(plinth);
}

void drawDesk(QPainter& p, QPointF topLeft, int edition, int group, int contestant, bool lit)
{
    const DeskTop& top = deskTop(group);
    const EditionLook look = editionLook(edition);
    const QColor bright = contestantColour(edition, contestant);
    // Unlit, the colour is there but dimmed, as under the studio's general light.
    const QColor colour = lit ? bright : mix(bright, look.deep, 0.45);
    const QColor bulbOn(0xff, 0xf6, 0xd8);
    p.save();
    p.translate(topLeft);
    p.setPen(Qt::NoPen);

    if (lit) {
        // The halo: soft strokes round the outline, widest and faintest first, and
        // the light it throws on the floor.
        drawGlow(p, QRectF(0, 84, 136, 30), alpha(bright.lighter(150), 230));
        const QPainterPath shape = deskOutline(group);
        for (int i = 0; i < 5; ++i) {
            const qreal width = 14 - i * 2.6;
            p.strokePath(shape, QPen(alpha(bright.lighter(160), 36 + i * 14), width, Qt::SolidLine, Qt::RoundCap,
                                     Qt::RoundJoin));
        }
    }
    drawGlow(p, QRectF(8, 94, 124, 12), QColor(0, 0, 0, lit ? 70 : 140));

    // Plinth with a row of little lamps along it.
    QLinearGradient plinth(kPlinth.topLeft(), kPlinth.bottomLeft());
    plinth.setColorAt(0, QColor(0x3a, 0x3e, 0x4a));
    plinth.setColorAt(1, QColor(0x16, 0x18, 0x1e));
    p.setBrush(plinth);
    p.drawRoundedRect(kPlinth, 2, 2);
    for (int i = 0; i < 10; ++i) {
        const QPointF at(kPlinth.left() + 7 + i * 11.1, kPlinth.center().y());
        if (lit) {
            drawBulb(p, at, 1.5, i % 2 == 0 ? bulbOn : bright.lighter(150));
        } else {
            p.setBrush(QColor(0x4a, 0x4e, 0x5a));
            p.drawEllipse(at, 1.4, 1.4);
        }
    }

    // Body: the contestant's colour, rounder-looking with light down the middle.
    const QPainterPath body = bodyPath();
    QLinearGradient across(QPointF(11, 0), QPointF(129, 0));
    across.setColorAt(0, colour.darker(150));
    across.setColorAt(0.1, colour.darker(105));
    across.setColorAt(0.45, colour.lighter(lit ? 130 : 112));
    across.setColorAt(0.9, colour.darker(110));
    across.setColorAt(1, colour.darker(160));
    p.setBrush(across);
    p.setPen(QPen(colour.darker(220), 1.2));
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    QLinearGradient down(QPointF(0, kBodyTop), QPointF(0, kBodyBottom));
    down.setColorAt(0, QColor(255, 255, 255, lit ? 60 : 16));
    down.setColorAt(1, QColor(0, 0, 0, lit ? 20 : 80));
    p.setBrush(down);
    p.drawPath(body);
    // Light strips down both edges.
    for (const int side : {-1, 1}) {
        const QPointF from(side < 0 ? 12.6 : 127.4, kBodyTop + 3), to(side < 0 ? 13.4 : 126.6, kBodyBottom - 3);
        if (lit)
            drawGlow(p, QRectF(from.x() - 5, kBodyTop, 10, kBodyBottom - kBodyTop), alpha(bulbOn, 170));
        p.setPen(QPen(lit ? bulbOn : colour.lighter(115), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
    }
    p.setPen(Qt::NoPen);

    // The name plate: light and plain for dark letters, in a thin gold frame.
    drawGlow(p, top.namePlate.adjusted(-3, -1, 3, 4), QColor(0, 0, 0, 80));
    p.setBrush(look.gold.darker(lit ? 100 : 125));
    p.drawRoundedRect(top.namePlate.adjusted(-1.6, -1.6, 1.6, 1.6), 5, 5);
    QLinearGradient card(top.namePlate.topLeft(), top.namePlate.bottomLeft());
    card.setColorAt(0, QColor(0xff, 0xfe, 0xfa));
    card.setColorAt(1, lit ? QColor(0xfb, 0xf6, 0xe8) : QColor(0xe6, 0xde, 0xca));
    p.setBrush(card);
    p.drawRoundedRect(top.namePlate, 4, 4);

    // The recess the two buttons sit in.
    QLinearGradient recess(kButtonRecess.topLeft(), kButtonRecess.bottomLeft());
    recess.setColorAt(0, colour.darker(lit ? 220 : 280));
    recess.setColorAt(1, colour.darker(lit ? 140 : 180));
    p.setBrush(recess);
    p.setPen(QPen(alpha(colour.lighter(150), 160), 1));
    p.drawRoundedRect(kButtonRecess, 6, 6);
    p.setPen(Qt::NoPen);

    // Counter on top: a rounded slab, the glass strip for the hats set into it.
    QLinearGradient slab(top.counter.topLeft(), top.counter.bottomLeft());
    slab.setColorAt(0, colour.lighter(lit ? 175 : 135));
    slab.setColorAt(0.25, colour.lighter(lit ? 125 : 100));
    slab.setColorAt(1, colour.darker(lit ? 115 : 140));
    p.setBrush(slab);
    p.setPen(QPen(colour.darker(220), 1.2));
    p.drawPath(counterPath(group));
    p.setPen(QPen(QColor(255, 255, 255, lit ? 230 : 100), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(top.counter.left() + 5, top.counter.top() + 1.4),
               QPointF(top.counter.right() - 5, top.counter.top() + 1.4));
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.setBrush(hatStripColour());
    p.drawRoundedRect(top.hatStrip, 4, 4);
    p.setPen(Qt::NoPen);
    // A lamp at each end of the strip.
    for (const qreal x : top.lamps) {
        if (lit) {
            drawBulb(p, QPointF(x, top.hatStrip.center().y()), 3.2, bulbOn);
        } else {
            p.setBrush(QColor(0x5a, 0x5e, 0x6a));
            p.drawEllipse(QPointF(x, top.hatStrip.center().y()), 3.0, 3.0);
            p.setBrush(QColor(255, 255, 255, 90));
            p.drawEllipse(QPointF(x - 1, top.hatStrip.center().y() - 1.1), 1.2, 0.9);
        }
    }
    p.restore();
}

const QImage& studioBackdrop(int edition, int group)
{
    static QMutex mutex;
    static std::map<std::pair<int, int>, QImage> made;
    const QMutexLocker lock(&mutex);
    auto found = made.find({edition, group});
    if (found == made.end()) {
        const PainterFunction studio = findPainter(QStringLiteral("studio"));
        const PaintRequest request{edition, QSize(int(kWidth), int(kHeight)),
                                   {{QStringLiteral("gruppo"), QString::number(group)}}};
        const QImage image = studio ? studio(request) : QImage(request.size, QImage::Format_ARGB32_Premultiplied);
        found = made.emplace(std::pair(edition, group), image.convertToFormat(QImage::Format_ARGB32_Premultiplied))
                    .first;
    }
    return found->second;
}

void settleEdges(QImage& sprite, const QImage& ground, QPoint offset)
{
    sprite = sprite.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage base = ground.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < sprite.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(sprite.scanLine(y));
        const int gy = std::clamp(y + offset.y(), 0, base.height() - 1);
        const auto* under = reinterpret_cast<const QRgb*>(base.constScanLine(gy));
        for (int x = 0; x < sprite.width(); ++x) {
            const int a = qAlpha(row[x]);
            if (a == 255)
                continue;
            if (a < 128) {
                row[x] = 0;
                continue;
            }
            const QRgb g = under[std::clamp(x + offset.x(), 0, base.width() - 1)];
            const auto over = [&](int s, int d) { return std::min(255, s + d * (255 - a) / 255); };
            row[x] = qRgba(over(qRed(row[x]), qRed(g)), over(qGreen(row[x]), qGreen(g)), over(qBlue(row[x]), qBlue(g)), 255);
        }
    }
}

void settleEdges(QImage& sprite, const QColor& ground)
{
    QImage plain(1, 1, QImage::Format_ARGB32_Premultiplied);
    plain.fill(ground);
    settleEdges(sprite, plain, QPoint(0, 0));
}

}  // namespace assetgen::board
