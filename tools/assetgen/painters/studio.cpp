// The match board's backdrop: the studio seen from the audience. The board lays its
// controls and sprites over it at the places boardkit.h names, so the picture is
// built around them: the wheel's cabinet on the left, the host's spotlight in the
// middle, the scoreboard at the top right, the two contestants' desks and their
// serving trays at the front. The strips the board's arrows slide into view at the
// two sides are plain wall and floor.
//
// Parameters: natale (flag) dresses the studio for Christmas; finale (flag) lights it
// for the final questions; gruppo = 1 (editions 1 and 3, the default) or 2 (editions
// 2 and 4) stands the desks where that look group puts the contestants' names and
// buttons.

#include "painters/boardkit.h"
#include "painters/christmaskit.h"
#include "painters/coursekit.h"
#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>

namespace assetgen {

namespace {

using namespace kit;
using namespace board;

constexpr qreal kTruss = 15;  // depth of the lighting rig along the top
const QPointF kHostSpot(508, 270);
const QRectF kCabinet = kWheelBox.adjusted(-8, -8, 8, 8);
const QRectF kPortal(418, 40, 180, 180);  // the round frame behind the host

QColor wallTop(const EditionLook& look)
{
    return mix(look.deep, look.wall, 0.55);
}

QColor wallBottom(const EditionLook& look)
{
    return mix(look.wall.lighter(150), look.glow, 0.18);
}

void paintWall(QPainter& p, const EditionLook& look)
{
    fillVertical(p, QRectF(0, 0, kWidth, kHorizon), wallTop(look), wallBottom(look));
    // Broad panels with a lit seam between them; the seams keep clear of the host.
    const qreal seams[] = {40, 372, 644, 892};
    for (std::size_t i = 0; i + 1 < std::size(seams); ++i) {
        QLinearGradient panel(QPointF(seams[i], 0), QPointF(seams[i + 1], 0));
        panel.setColorAt(0, QColor(255, 255, 255, 22));
        panel.setColorAt(0.5, QColor(255, 255, 255, 0));
        panel.setColorAt(1, QColor(0, 0, 0, 26));
        p.fillRect(QRectF(seams[i], kTruss, seams[i + 1] - seams[i], kHorizon - kTruss), panel);
    }
    // Each seam is a column of marquee bulbs.
    for (const qreal x : seams) {
        drawGlow(p, QRectF(x - 16, kTruss, 32, kHorizon - kTruss), alpha(look.glow, 80));
        p.fillRect(QRectF(x - 3, kTruss, 6, kHorizon - kTruss), alpha(look.deep, 120));
        drawBulbRow(p, QPointF(x, kTruss + 12), QPointF(x, kHorizon - 10), 16, 1.9,
                    {QColor(0xff, 0xf4, 0xd6), look.accent2.lighter(130), look.glow, look.accent.lighter(140)});
    }
    // Big soft lights: over the wheel, behind the host, under the scoreboard.
    drawGlow(p, QRectF(kWheelBox.center().x() - 230, -40, 460, 380), alpha(look.glow, 70));
    drawGlow(p, QRectF(kHostSpot.x() - 200, 0, 400, 300), alpha(look.glow, 90));
    drawGlow(p, QRectF(560, 80, 420, 220), alpha(look.glow, 60));
    // Warm light along the foot of the wall.
    drawGlow(p, QRectF(-100, kHorizon - 70, kWidth + 200, 120), alpha(look.glow, 70));
}

void paintPortal(QPainter& p, const EditionLook& look)
{
    // A round frame behind the host: calm inside, lit at the edge. Bulbs round the top
    // half only; the lower half is behind the host's shoulders.
    drawPortal(p, kPortal.center(), kPortal.width() / 2, look,
               {.glowReach = 26,
                .inner = mix(wallBottom(look), look.glow, 0.45),
                .outer = mix(wallBottom(look), look.glow, 0.15),
                .rimWidth = 5,
                .ringWidth = 1.6,
                .ringInset = 1,
                .bulbs = 16,
                .arcStart = 1,
                .arcSpan = 1,
                .bulbRadius = 2.3,
                .bulbLight = QColor(0xff, 0xf6, 0xd8)});
}

void paintLogo(QPainter& p, const EditionLook& look)
{
    // The show's name on the wall under the scoreboard, between the lit seams.
    const QPainterPath title = bouncyText(QStringLiteral("Zolmera"), playfulFont(48), QPointF(752, 200), 3, 4);
    drawGlow(p, title.boundingRect().adjusted(-40, -20, 40, 20), alpha(look.glow, 90));
    drawTitle(p, title, look, 3.4);
    drawSparkle(p, QPointF(668, 164), 7, QColor(0xff, 0xfb, 0xe6));
    drawSparkle(p, QPointF(846, 214), 6, QColor(0xff, 0xfb, 0xe6));
}

void paintStageEdge(QPainter& p, const EditionLook& look)
{
    // The riser where the wall meets the floor, with a row of lights.
    fillVertical(p, QRectF(0, kHorizon - 4, kWidth, 10), look.accent.darker(140), look.accent.darker(200));
    p.fillRect(QRectF(0, kHorizon - 4, kWidth, 1.6), alpha(look.accent.lighter(170), 230));
    drawBulbRow(p, QPointF(6, kHorizon + 1), QPointF(kWidth - 6, kHorizon + 1), 59, 1.6,
                {QColor(0xff, 0xf4, 0xd6), look.glow, look.accent2.lighter(130)});
}

void paintFloor(QPainter& p, const EditionLook& look)
{
    fillStageFloor(p, QRectF(0, kHorizon, kWidth, kHeight - kHorizon), look);
    p.save();
    p.setClipRect(QRectF(0, kHorizon + 6, kWidth, kHeight - kHorizon));
    // Boards running away to one vanishing point, fading into the distance.
    const QPointF vanishing(kWidth / 2, 80);
    for (int i = -16; i <= 16; ++i) {
        const QPointF bottom(kWidth / 2 + i * 80, kHeight);
        const qreal t = (kHorizon - vanishing.y()) / (bottom.y() - vanishing.y());
        QLinearGradient fade(QPointF(0, kHorizon), QPointF(0, kHeight));
        fade.setColorAt(0, QColor(255, 255, 255, 8));
        fade.setColorAt(1, QColor(255, 255, 255, 30));
        p.setPen(QPen(QBrush(fade), 1));
        p.drawLine(vanishing + (bottom - vanishing) * t, bottom);
    }
    // The round of the stage, rings of light on the glossy floor.
    const QPointF middle(464, 356);
    drawGlow(p, QRectF(middle.x() - 420, middle.y() - 110, 840, 220), alpha(look.glow, 60));
    drawFloorRings(p, middle, QSizeF(380, 92), QSizeF(120, 30), 2.2, 0.4, look);
    p.restore();
    // The glossy floor mirrors the wall's lights.
    for (const qreal x : {40.0, 372.0, 644.0, 892.0})
        drawGlow(p, QRectF(x - 16, kHorizon + 4, 32, 70), alpha(look.glow, 60));
}

void paintMedallion(QPainter& p, const EditionLook& look)
{
    // A star set in the floor between the desks, and the lit pad of the step button.
    const QPointF centre(466, 372);
    drawGlow(p, QRectF(centre.x() - 90, centre.y() - 30, 180, 60), alpha(look.glow, 120));
    p.save();
    p.translate(centre);
    p.scale(1, 0.3);
    p.setPen(QPen(alpha(look.gold.darker(130), 200), 2.4));
    p.setBrush(alpha(look.gold, 90));
    p.drawPath(starOutline(QPointF(0, 0), 60, 26));
    p.restore();
    const QRectF pad = kStepButton.adjusted(-6, -2, 6, 4);
    drawGlow(p, pad.adjusted(-20, -6, 20, 10), alpha(look.glow, 110));
    p.setPen(QPen(alpha(look.gold.lighter(130), 200), 1.6));
    p.setBrush(alpha(look.deep, 70));
    p.drawEllipse(pad);
}

void paintRig(QPainter& p, const EditionLook& look)
{
    // Beams first, so the lamps sit on top of them: two on the host, one on each desk.
    // The desks' beams aim where the first group has them and are wide enough for the
    // second group's too; aimed the same for both, they leave the host's box alike.
    struct Lamp {
        qreal x;
        QPointF target;
        qreal width;
        int strength;
    };
    const Lamp lamps[] = {
        {400, kHostSpot + QPointF(-18, 0), 110, 34}, {616, kHostSpot + QPointF(18, 0), 110, 34},
        {372, kDesks[0][0].center() + QPointF(0, 40), 150, 26}, {590, kDesks[0][1].center() + QPointF(0, 40), 150, 26},
        {20, QPointF(150, 430), 130, 22}, {900, QPointF(780, 430), 130, 22},
    };
    for (const Lamp& lamp : lamps)
        drawBeam(p, QPointF(lamp.x, kTruss + 8), lamp.target, 9, lamp.width, alpha(look.glow, lamp.strength));
    // Two coloured sweeps from the corners for the show's sparkle.
    drawBeam(p, QPointF(-10, 20), QPointF(300, kHorizon + 60), 10, 120, alpha(look.accent2.lighter(120), 30));
    drawBeam(p, QPointF(kWidth + 10, 20), QPointF(620, kHorizon + 60), 10, 120, alpha(look.accent.lighter(130), 30));

    drawTruss(p, kWidth, kTruss, 16, 1.2, QColor(0x1a, 0x1b, 0x22));
    for (const Lamp& lamp : lamps) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x20, 0x21, 0x28));
        p.drawRoundedRect(QRectF(lamp.x - 7, kTruss - 3, 14, 12), 3, 3);
        drawBulb(p, QPointF(lamp.x, kTruss + 8), 4, look.glow);
    }
}

void paintCabinet(QPainter& p, const EditionLook& look)
{
    // The wheel's cabinet: the board's wheel box fills its window exactly, in the
    // same bezel colour, so box and cabinet read as one.
    drawGlow(p, QRectF(kWheelBox.left() - 10, kWheelBox.bottom() - 4, kWheelBox.width() + 20, 32),
             alpha(look.glow, 190));
    drawWheelCabinet(p, kWheelBox, look, true);
}

void paintHostSpot(QPainter& p, const EditionLook& look)
{
    drawGlow(p, QRectF(kHostSpot.x() - 96, kHostSpot.y() - 26, 192, 52), alpha(look.glow, 170));
    QRadialGradient pool(QPointF(0, 0), 1);
    pool.setColorAt(0, QColor(0xff, 0xff, 0xff, 200));
    pool.setColorAt(0.7, alpha(look.glow.lighter(110), 160));
    pool.setColorAt(1, alpha(look.glow, 0));
    p.save();
    p.translate(kHostSpot);
    p.scale(64, 15);
    p.setPen(Qt::NoPen);
    p.setBrush(pool);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(alpha(look.gold.lighter(140), 160), 1.4));
    p.drawEllipse(kHostSpot, 66, 15.5);
}

void paintScoreboard(QPainter& p, const EditionLook& look, int edition, int group)
{
    const Scoreboard& board = scoreboard(group);
    const QRectF frame = board.frame;
    drawGlow(p, frame.adjusted(-30, -16, 30, 30), QColor(0, 0, 0, 100));
    drawGoldFrame(p, frame, look, 10);
    const QRectF face = frame.adjusted(5, 5, -5, -5);
    if (look.lightScoreboard)
        fillVertical(p, face, QColor(0xfd, 0xf8, 0xea), QColor(0xec, 0xe0, 0xc2));
    else
        fillVertical(p, face, look.deep.darker(150), look.deep.darker(110));
    p.setPen(QPen(look.gold.darker(160), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(face, 6, 6);

    // Each contestant's row: the name on a plate with the contestant's colour on a
    // short bar before it, the money on a dark counter, the board's orange digits
    // lit on it in either look.
    for (int row = 0; row < 2; ++row) {
        const QRectF plate = board.names[row];
        p.setPen(QPen(alpha(look.gold, 200), 1));
        if (look.lightScoreboard)
            p.setBrush(QColor(0xff, 0xfd, 0xf6));
        else
            p.setBrush(QColor(0x0c, 0x0c, 0x14));
        p.drawRoundedRect(plate, 4, 4);
        p.setPen(Qt::NoPen);
        const QColor colour = contestantColour(edition, row + 1);
        QLinearGradient bar(QPointF(0, plate.top()), QPointF(0, plate.bottom()));
        bar.setColorAt(0, colour.lighter(140));
        bar.setColorAt(1, colour.darker(120));
        p.setBrush(bar);
        p.drawRoundedRect(QRectF(plate.left() + 2.5, plate.top() + 4, 4.5, plate.height() - 8), 2, 2);

        const QRectF counter = board.money[row];
        p.setPen(QPen(alpha(look.gold, 200), 1));
        p.setBrush(QColor(0x0c, 0x0c, 0x14));
        p.drawRoundedRect(counter, 4, 4);
    }
    // A rule between the rows where they leave room for one.
    const qreal above = std::max(board.names[0].bottom(), board.money[0].bottom());
    const qreal below = std::min(board.names[1].top(), board.money[1].top());
    if (below - above >= 12) {
        p.setPen(QPen(alpha(look.gold.lighter(120), 160), 1));
        const qreal y = std::round((above + below) / 2) + 0.5;
        p.drawLine(QPointF(frame.left() + 18, y), QPointF(frame.right() - 18, y));
    }

    const QList<QColor> bulbs{QColor(0xff, 0xf4, 0xd6), look.glow};
    drawBulbRow(p, QPointF(frame.left() + 14, frame.top() + 2.6), QPointF(frame.right() - 14, frame.top() + 2.6), 22, 1.6,
                bulbs);
    drawBulbRow(p, QPointF(frame.left() + 14, frame.bottom() - 9), QPointF(frame.right() - 14, frame.bottom() - 9), 22,
                2.0, bulbs);
}

void paintTray(QPainter& p, const EditionLook& look, int edition, int tray)
{
    // A little serving cabinet: five shelves of five plates, the contestant's colour
    // on its crown. The won courses are laid over the plates, each on its own place.
    // Both trays are the same cabinet: tray 2's wider area ends under its frame.
    const QRectF area(kTrays[tray].topLeft(), QSizeF(kTrays[0].width(), kTrays[tray].height()));
    const QRectF body = area.adjusted(-6, -8, 6, 6);
    const QColor colour = contestantColour(edition, tray + 1);
    drawGlow(p, QRectF(body.left() - 14, body.bottom() - 8, body.width() + 28, 22), QColor(0, 0, 0, 130));
    // Frame and back.
    QLinearGradient wood(body.topLeft(), body.topRight());
    wood.setColorAt(0, look.gold.darker(170));
    wood.setColorAt(0.3, look.gold.lighter(115));
    wood.setColorAt(0.7, look.gold);
    wood.setColorAt(1, look.gold.darker(180));
    p.setPen(QPen(look.gold.darker(260), 1));
    p.setBrush(wood);
    p.drawRoundedRect(body, 5, 5);
    fillVertical(p, area.adjusted(0, 0, 0, 1), courseGround().darker(118), courseGround().darker(108));
    // The crown in the contestant's colour.
    QLinearGradient crown(QPointF(0, body.top() - 4), QPointF(0, area.top()));
    crown.setColorAt(0, colour.lighter(140));
    crown.setColorAt(1, colour.darker(130));
    p.setPen(QPen(colour.darker(220), 1));
    p.setBrush(crown);
    p.drawRoundedRect(QRectF(body.left() - 3, body.top() - 4, body.width() + 6, 10), 4, 4);
    for (int i = 0; i < 5; ++i)
        drawBulb(p, QPointF(area.left() + 14 + i * 31.2, body.top() + 1), 1.7, QColor(0xff, 0xf6, 0xd8));

    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            const QRectF place = trayPlace(tray, column, row);
            drawCourseGround(p, place);
            drawEmptyPlate(p, place);
        }
        // The shelf under the row: a lip catching the light.
        const qreal y = trayPlace(tray, 0, row).bottom();
        QLinearGradient lip(QPointF(0, y), QPointF(0, y + 5));
        lip.setColorAt(0, look.gold.lighter(150));
        lip.setColorAt(1, look.gold.darker(150));
        p.setPen(Qt::NoPen);
        p.setBrush(lip);
        p.drawRect(QRectF(area.left() - 2, y, area.width() + 4, row == 4 ? 3 : 5.2));
    }
    // Little wheels.
    for (const qreal x : {body.left() + 12, body.right() - 12}) {
        p.setBrush(QColor(0x22, 0x22, 0x28));
        p.drawEllipse(QPointF(x, body.bottom() + 3), 4, 4);
        p.setBrush(QColor(0x9a, 0x9e, 0xaa));
        p.drawEllipse(QPointF(x, body.bottom() + 3), 1.6, 1.6);
    }
}

void paintAudience(QPainter& p, const EditionLook& look)
{
    // The front row of the audience: the backs of their heads along the bottom edge,
    // rimmed by the stage light, never over the step button.
    QRandomGenerator random(0xA0D1E);
    const QColor dark = mix(look.deep, look.wall, 0.25);
    const QColor hair[] = {QColor(0x2a, 0x1a, 0x12), QColor(0x4a, 0x30, 0x1c), QColor(0x1a, 0x1a, 0x20),
                           QColor(0x6a, 0x4a, 0x2a)};
    int n = 0;
    for (qreal x = -10; x < kWidth + 20;) {
        const qreal w = 30 + 10 * random.generateDouble();
        const qreal h = 22 + 8 * random.generateDouble();
        const QPointF head(x + w / 2, kHeight - h + 6 * random.generateDouble() + 2);
        x += w * (0.82 + 0.2 * random.generateDouble());
        if (head.x() > kStepButton.left() - 10 && head.x() < kStepButton.right() + 10)
            continue;
        QPainterPath shoulders;
        shoulders.addRoundedRect(QRectF(head.x() - w / 2, head.y() + h * 0.3, w, h), w * 0.4, w * 0.4);
        p.setPen(QPen(alpha(look.glow, 110), 1.2));
        p.setBrush(dark);
        p.drawPath(shoulders);
        QLinearGradient lit(QPointF(0, head.y() - h * 0.46), QPointF(0, head.y() + h * 0.46));
        lit.setColorAt(0, mix(hair[n % 4], look.glow, 0.3));
        lit.setColorAt(0.5, hair[n % 4]);
        p.setBrush(lit);
        p.drawEllipse(head, w * 0.3, h * 0.46);
        ++n;
    }
}

// Snow stays off what the board lays over the backdrop: the scoreboard, the lit
// desks' places (the lit desks have none), the trays and the host.
QPainterPath snowArea(int group)
{
    QPainterPath open;
    open.addRect(QRectF(0, kTruss + 4, kWidth, kHeight - kTruss - 4));
    QPainterPath keep;
    keep.addRoundedRect(scoreboard(group).frame.adjusted(-2, -2, 2, 2), 10, 10);
    keep.addRect(kCabinet);
    keep.addRect(kLitDesks[0]);
    keep.addRect(kLitDesks[1]);
    keep.addRect(kTrays[0].adjusted(-8, -12, 8, 10));
    keep.addRect(kTrays[1].adjusted(-8, -12, 8, 10));
    keep.addRect(kHostBox.adjusted(20, 0, -20, 0));
    return open.subtracted(keep);
}

void paintPresent(QPainter& p, const QRectF& box, const QColor& paper, const QColor& ribbon)
{
    QLinearGradient shade(box.topLeft(), box.topRight());
    shade.setColorAt(0, paper.lighter(130));
    shade.setColorAt(1, paper.darker(130));
    p.setPen(QPen(paper.darker(200), 1));
    p.setBrush(shade);
    p.drawRect(box);
    p.setPen(Qt::NoPen);
    p.setBrush(ribbon);
    p.drawRect(QRectF(box.center().x() - 2, box.top(), 4, box.height()));
    p.drawEllipse(QPointF(box.center().x() - 4, box.top() - 2), 4, 2.6);
    p.drawEllipse(QPointF(box.center().x() + 4, box.top() - 2), 4, 2.6);
}

void paintChristmas(QPainter& p, const EditionLook& look, int group)
{
    const QRectF scores = scoreboard(group).frame;
    // Garlands swag from the truss, lights woven in; baubles hang only where they
    // cover nothing the board shows.
    const qreal knots[] = {0, 80, 352, 440, 576, scores.left(), scores.right(), kWidth};
    for (std::size_t i = 0; i + 1 < std::size(knots); ++i) {
        const QPointF from(knots[i], kTruss - 1), to(knots[i + 1], kTruss - 1);
        const qreal sag = std::min(10.0, (to.x() - from.x()) * 0.05);
        const QPainterPath garland = drawGarland(p, from, to, sag, 11, 0xC0FFEEu + quint32(i));
        drawFairyLights(p, garland, 18, 2.2);
    }
    const QColor red(0xd8, 0x24, 0x2c);
    const struct {
        QPointF at;
        QColor colour;
    } baubles[] = {{{22, 44}, red}, {{58, 60}, look.gold}, {{372, 52}, look.accent2}, {{412, 40}, red},
                   {{592, 46}, look.gold}, {{884, 52}, red}, {{914, 40}, look.accent2}};
    for (const auto& bauble : baubles) {
        p.setPen(QPen(QColor(0xe8, 0xd9, 0xa0), 1));
        p.drawLine(QPointF(bauble.at.x(), kTruss), bauble.at - QPointF(0, 7));
        drawBauble(p, bauble.at, 6, bauble.colour);
    }

    // Snow on the scoreboard and the stage riser (the cabinet gets its own later).
    drawSnowCap(p, scores.left() + 3, scores.right() - 3, scores.top() + 1, 7, 0x5C0Au);
    drawSnowCap(p, 0, kWidth, kHorizon - 3, 4, 0x57A1u);

    // A tree between the wheel and the host, presents at its foot; its shadow on the
    // floor ends above the lit desks' places.
    drawChristmasTree(p, QRectF(354, 96, 84, 188), look, 0x7EE5u);
    paintPresent(p, QRectF(400, 268, 18, 14), QColor(0xd8, 0x24, 0x2c), look.gold);
    paintPresent(p, QRectF(418, 273, 14, 10), look.accent2, QColor(0xff, 0xff, 0xff));

    // Snow drifts at the ends of the stage, where the board's arrows slide.
    drawSnowDrift(p, QRectF(-10, 444, 90, 44), 0xD1F7u);
    drawSnowDrift(p, QRectF(850, 440, 94, 48), 0xD2F7u);

    p.save();
    p.setClipPath(snowArea(group));
    drawSnowfall(p, QRectF(0, kTruss + 4, kWidth, kHeight - kTruss - 4), 260, 0xF1A4Eu);
    p.restore();
}

QImage paintStudio(const PaintRequest& request)
{
    const EditionLook look = request.flag(QStringLiteral("finale")) ? finalLook(editionLook(request.edition))
                                                                    : editionLook(request.edition);
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kWidth, request.size.height() / kHeight);
    const bool christmas = request.flag(QStringLiteral("natale"));
    const int group = lookGroup(request);

    paintWall(p, look);
    paintPortal(p, look);
    paintLogo(p, look);
    paintFloor(p, look);
    paintStageEdge(p, look);
    paintRig(p, look);
    paintMedallion(p, look);
    paintHostSpot(p, look);
    paintScoreboard(p, look, request.edition, group);
    if (christmas)
        paintChristmas(p, look, group);
    paintCabinet(p, look);
    if (christmas)
        drawSnowCap(p, kCabinet.left() + 3, kCabinet.right() - 3, kCabinet.top() + 1, 7, 0x5C0Bu);
    for (int i = 0; i < 2; ++i) {
        paintTray(p, look, request.edition, i);
        drawDesk(p, kDesks[group - 1][i].topLeft(), request.edition, group, i + 1, false);
    }
    paintAudience(p, look);

    // Slightly darker far corners keep the eye on the playing area.
    drawVignette(p, QRectF(0, 0, kWidth, kHeight), QPointF(kWidth / 2, kHeight * 0.5), kWidth * 0.62, 0.75, 60);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("studio", assetgen::paintStudio)
