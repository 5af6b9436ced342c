// The match board's backdrop: the studio seen from the audience. The board lays its
// own controls over it, so the picture keeps calm places for them: the wheel on the
// left, the two contestants' stations at the bottom, the scoreboard at the top right.
// Lights and trims stay at the edges.
//
// Parameters: natale (flag) dresses the studio for Christmas.

#include "painters/christmaskit.h"
#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

namespace assetgen {

namespace {

using namespace kit;

// The design grid; the picture is scaled to the size the manifest asks for.
constexpr qreal kWidth = 934, kHeight = 487;
constexpr qreal kHorizon = 318;  // where the back wall meets the floor
constexpr qreal kTruss = 26;     // depth of the lighting rig along the top
const QRectF kScoreboard(650, 64, 262, 116);
const QPointF kWheelCentre(190, 196);
const qreal kStationX[] = {300, 620};

void paintWall(QPainter& p, const EditionLook& look)
{
    fillVertical(p, QRectF(0, 0, kWidth, kHorizon), look.deep, look.wall);
    // Tall panels, just visible, give the wall its scale.
    p.save();
    for (qreal x = 0; x < kWidth; x += 104) {
        QLinearGradient panel(QPointF(x, 0), QPointF(x + 104, 0));
        panel.setColorAt(0, QColor(255, 255, 255, 14));
        panel.setColorAt(0.5, QColor(255, 255, 255, 0));
        panel.setColorAt(1, QColor(0, 0, 0, 24));
        p.fillRect(QRectF(x, kTruss, 104, kHorizon - kTruss), panel);
        p.fillRect(QRectF(x, kTruss, 1.5, kHorizon - kTruss), QColor(0, 0, 0, 40));
    }
    p.restore();
    // A halo where the wheel stands, and warm light along the bottom of the wall.
    drawGlow(p, kWheelCentre, 215, alpha(look.glow, 70));
    drawGlow(p, QRectF(-100, kHorizon - 90, kWidth + 200, 170), alpha(look.glow, 45));
}

void paintFloor(QPainter& p, const EditionLook& look)
{
    fillVertical(p, QRectF(0, kHorizon, kWidth, kHeight - kHorizon), look.floorFar, look.floorNear);
    p.save();
    p.setClipRect(QRectF(0, kHorizon, kWidth, kHeight - kHorizon));
    // Boards running away from the viewer towards one vanishing point.
    const QPointF vanishing(kWidth / 2, 150);
    p.setPen(QPen(QColor(255, 255, 255, 22), 1));
    for (int i = -14; i <= 14; ++i) {
        const QPointF bottom(kWidth / 2 + i * 90, kHeight);
        const qreal t = (kHorizon - vanishing.y()) / (bottom.y() - vanishing.y());
        p.drawLine(vanishing + (bottom - vanishing) * t, bottom);
    }
    for (int k = 1; k < 7; ++k) {
        const qreal y = kHorizon + (kHeight - kHorizon) * (k * k) / 49.0;
        p.drawLine(QPointF(0, y), QPointF(kWidth, y));
    }
    p.restore();
    // The glossy floor mirrors the lights.
    drawGlow(p, QRectF(kWheelCentre.x() - 170, kHorizon + 6, 340, 60), alpha(look.glow, 60));
    for (const qreal x : kStationX)
        drawGlow(p, QRectF(x - 110, 372, 220, 64), alpha(look.glow, 95));
    // A lit strip where the wall meets the floor.
    p.fillRect(QRectF(0, kHorizon - 3, kWidth, 7), look.accent.darker(120));
    p.fillRect(QRectF(0, kHorizon - 3, kWidth, 2), alpha(look.accent.lighter(160), 220));
    drawGlow(p, QRectF(-40, kHorizon - 12, kWidth + 80, 24), alpha(look.accent.lighter(140), 90));
}

void paintRig(QPainter& p, const EditionLook& look)
{
    // Beams first, so the lamps sit on top of them.
    const qreal lampX[] = {60, 190, 300, 460, 620, 780};
    const QPointF targets[] = {QPointF(110, 360), kWheelCentre + QPointF(0, 150), QPointF(kStationX[0], 402),
                               QPointF(470, 380), QPointF(kStationX[1], 402), QPointF(800, 372)};
    for (int i = 0; i < 6; ++i)
        drawBeam(p, QPointF(lampX[i], kTruss + 10), targets[i], 10, i == 2 || i == 4 ? 170 : 120,
                 alpha(look.glow, i == 2 || i == 4 ? 46 : 30));

    p.save();
    QLinearGradient metal(QPointF(0, 0), QPointF(0, kTruss));
    metal.setColorAt(0, QColor(0x2a, 0x2c, 0x33));
    metal.setColorAt(0.5, QColor(0x5d, 0x62, 0x6e));
    metal.setColorAt(1, QColor(0x22, 0x24, 0x2a));
    p.fillRect(QRectF(0, 0, kWidth, kTruss), QColor(0x12, 0x13, 0x18));
    p.setPen(QPen(QColor(0x4b, 0x50, 0x5b), 1.5));
    for (qreal x = 0; x < kWidth; x += 22) {
        p.drawLine(QPointF(x, 4), QPointF(x + 11, kTruss - 4));
        p.drawLine(QPointF(x + 11, kTruss - 4), QPointF(x + 22, 4));
    }
    p.fillRect(QRectF(0, 2, kWidth, 4), metal);
    p.fillRect(QRectF(0, kTruss - 6, kWidth, 4), metal);
    for (const qreal x : lampX) {
        // A stage lamp: a short can hanging under the truss with a glowing lens.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x18, 0x19, 0x1e));
        p.drawRoundedRect(QRectF(x - 9, kTruss - 4, 18, 16), 3, 3);
        drawBulb(p, QPointF(x, kTruss + 12), 5, look.glow);
    }
    p.restore();
}

void paintScoreboard(QPainter& p, const EditionLook& look)
{
    const QRectF frame = kScoreboard;
    p.save();
    drawGlow(p, frame.adjusted(-30, -20, 30, 30), QColor(0, 0, 0, 90));
    QLinearGradient gold(frame.topLeft(), frame.bottomLeft());
    gold.setColorAt(0, look.gold.lighter(120));
    gold.setColorAt(1, look.gold.darker(140));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawRoundedRect(frame, 10, 10);
    const QRectF face = frame.adjusted(9, 9, -9, -9);
    if (look.lightScoreboard)
        fillVertical(p, face, QColor(0xfb, 0xf5, 0xe4), QColor(0xe9, 0xdc, 0xbc));
    else
        fillVertical(p, face, look.deep.darker(160), look.deep);
    p.setPen(QPen(look.gold.darker(170), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(face, 5, 5);
    p.restore();
    // Marquee bulbs on the frame, top and bottom.
    const QList<QColor> bulbs{QColor(0xff, 0xf4, 0xd6), look.glow};
    drawBulbRow(p, frame.topLeft() + QPointF(14, 4.5), frame.topRight() + QPointF(-14, 4.5), 14, 2.2, bulbs);
    drawBulbRow(p, frame.bottomLeft() + QPointF(14, -4.5), frame.bottomRight() + QPointF(-14, -4.5), 14, 2.2, bulbs);
}

void paintChristmas(QPainter& p, const EditionLook& look)
{
    // Garlands swag from the truss between the lamps, lights woven in, a bauble at
    // each knot that does not hang in front of the scoreboard.
    const qreal knots[] = {0, 125, 245, 380, 540, 700, 840, kWidth};
    QList<QPointF> hangs;
    for (std::size_t i = 0; i + 1 < std::size(knots); ++i) {
        const QPointF from(knots[i], kTruss - 2), to(knots[i + 1], kTruss - 2);
        const QPainterPath garland = drawGarland(p, from, to, 24, 15, 0xC0FFEEu + quint32(i));
        drawFairyLights(p, garland, 21, 2.6);
        if (i > 0 && (from.x() < kScoreboard.left() - 12 || from.x() > kScoreboard.right() + 12))
            hangs << from;
    }
    const QColor baubles[] = {QColor(0xd8, 0x24, 0x2c), look.gold, QColor(0xd8, 0x24, 0x2c), look.accent2};
    for (qsizetype i = 0; i < hangs.size(); ++i) {
        const QPointF ball = hangs[i] + QPointF(0, 30 + (i % 2) * 10);
        p.setPen(QPen(QColor(0xe8, 0xd9, 0xa0), 1));
        p.drawLine(hangs[i], ball - QPointF(0, 8));
        drawBauble(p, ball, 7, baubles[i % 4]);
    }

    // Snow on the scoreboard and a tree in the corner.
    drawSnowCap(p, kScoreboard.left() + 2, kScoreboard.right() - 2, kScoreboard.top() + 1, 9, 0x5C0Au);
    drawChristmasTree(p, QRectF(836, 196, 96, 266), look, 0x7EE5u);

    // Snow lying on the wall's lit strip and in drifts at the front of the stage.
    drawSnowCap(p, 0, kWidth, kHorizon - 3, 5, 0x57A1u);
    drawSnowDrift(p, QRectF(0, 458, 250, 30), 0xD1F7u);
    drawSnowDrift(p, QRectF(690, 452, 244, 36), 0xD2F7u);
    // No flakes on the scoreboard's face: the names and scores are read there.
    p.save();
    QPainterPath open;
    open.addRect(QRectF(0, 0, kWidth, kHeight));
    QPainterPath board;
    board.addRoundedRect(kScoreboard, 10, 10);
    p.setClipPath(open.subtracted(board));
    drawSnowfall(p, QRectF(0, kTruss + 4, kWidth, kHeight - kTruss - 4), 300, 0xF1A4Eu);
    p.restore();
}

QImage paintStudio(const PaintRequest& request)
{
    const EditionLook look = editionLook(request.edition);
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kWidth, request.size.height() / kHeight);

    paintWall(p, look);
    paintFloor(p, look);
    paintRig(p, look);
    paintScoreboard(p, look);
    if (request.flag(QStringLiteral("natale")))
        paintChristmas(p, look);

    // Darker corners keep the eye on the playing area.
    p.setPen(Qt::NoPen);
    QRadialGradient vignette(QPointF(kWidth / 2, kHeight * 0.55), kWidth * 0.62);
    vignette.setColorAt(0.7, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 90));
    p.setBrush(vignette);
    p.drawRect(QRectF(0, 0, kWidth, kHeight));
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("studio", assetgen::paintStudio)
