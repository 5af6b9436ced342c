// The start screen's picture: the title over the studio, the wheel behind it and
// lunch served on the table in front. The screen shows it at half size in a narrow
// window, so everything is big and bold, and the middle stays uncluttered.
//
// Parameters: title (default "Zolmera"), subtitle (the ribbon's caption; no ribbon
// when empty).

#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QPainter>

namespace assetgen {

namespace {

QImage paintStartMenu(const PaintRequest& request)
{
    using namespace kit;
    const EditionLook look = editionLook(request.edition);
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Everything is laid out on the 468 x 392 design grid and scaled to the asked size.
    p.scale(request.size.width() / 468.0, request.size.height() / 392.0);

    const QPointF centre(234, 132);
    const qreal tableTop = 292;

    // Back wall: deep at the top, warmer towards the stage, a light behind the wheel.
    fillVertical(p, QRectF(0, 0, 468, tableTop + 1), look.deep, look.wall);
    drawRays(p, centre, 520, 10, alpha(look.glow, 20));
    drawGlow(p, centre, 230, alpha(look.glow, 120));

    // Two lamps in the top corners aim at the stage.
    drawBeam(p, QPointF(18, -6), QPointF(170, tableTop - 8), 14, 150, alpha(look.glow, 55));
    drawBeam(p, QPointF(450, -6), QPointF(298, tableTop - 8), 14, 150, alpha(look.glow, 55));

    // The wheel of fortune, big and half hidden: a promise, not the game board.
    p.save();
    p.setOpacity(0.9);
    drawWheel(p, centre, 124, look, 10);
    p.restore();
    // Darken its centre so the title reads clearly.
    drawGlow(p, QRectF(centre.x() - 210, centre.y() - 60, 420, 120), alpha(look.deep, 150));

    // Marquee bulbs along the top edge.
    drawBulbRow(p, QPointF(14, 10), QPointF(454, 10), 19, 3.4, {look.gold, QColor(0xff, 0xf4, 0xd6)});

    // Title.
    const QString title = request.text(QStringLiteral("title"), QStringLiteral("Zolmera"));
    const QPainterPath titlePath = bouncyText(title, playfulFont(96), QPointF(234, 166), 6, 5);
    drawTitle(p, titlePath, look, 6.5);
    drawSparkle(p, QPointF(72, 74), 11, QColor(0xff, 0xfb, 0xe6));
    drawSparkle(p, QPointF(408, 196), 9, QColor(0xff, 0xfb, 0xe6));
    drawSparkle(p, QPointF(392, 62), 6, look.gold.lighter(130));

    // The table in front, laid for lunch.
    fillVertical(p, QRectF(0, tableTop - 4, 468, 8), QColor(0, 0, 0, 0), QColor(0, 0, 0, 90));
    drawTablecloth(p, {QPointF(-30, tableTop), QPointF(498, tableTop), QPointF(600, 392), QPointF(-132, 392)},
                   look.accent, 22, 6);
    fillVertical(p, QRectF(0, tableTop, 468, 40), QColor(0, 0, 0, 70), QColor(0, 0, 0, 0));
    drawPlate(p, QRectF(152, 306, 164, 66), look, true);
    drawFork(p, QPointF(112, 384), QPointF(132, 308), 15);
    drawKnife(p, QPointF(356, 384), QPointF(336, 306), 14);

    // Subtitle on a ribbon between the title and the table.
    const QString subtitle = request.text(QStringLiteral("subtitle"));
    if (!subtitle.isEmpty())
        drawRibbon(p, QRectF(92, 212, 284, 34), look.accent, subtitle, playfulFont(21));

    // A soft vignette pulls the eye to the middle.
    drawVignette(p, QRectF(0, 0, 468, 392), QPointF(234, 196), 330, 0.6, 110);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("startmenu", assetgen::paintStartMenu)
