// The lunch menu card, "Menù del giorno", as an elegant trattoria would print it:
// the five courses with their pictures, and at the foot the prize money line, whose
// blank space (x 120..230, y 340..372 of the 322 x 434 card) the board fills with the
// jackpot in large figures. The card's ink is the edition's colour.
//
// Parameters: natale (flag) trims the card with holly and snow for Christmas.

#include "painters/christmaskit.h"
#include "painters/coursekit.h"
#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace assetgen {

namespace {

using namespace kit;

constexpr qreal kWidth = 322, kHeight = 434;
const QRectF kPrizeSpace(120, 340, 110, 32);
constexpr qreal kRowsTop = 86, kRowHeight = 48;

QFont serif(qreal pixelSize, bool bold, bool italic, bool narrow = false)
{
    QFont font = outlineFont(QStringLiteral("DejaVu Serif"), pixelSize, bold);
    if (narrow)
        font.setStretch(QFont::Condensed);
    font.setItalic(italic);
    return font;
}

void paintPaper(QPainter& p)
{
    fillVertical(p, QRectF(0, 0, kWidth, kHeight), QColor(0xfc, 0xf7, 0xea), QColor(0xf2, 0xe6, 0xcc));
    // Fibres in the paper, faint and fixed.
    QRandomGenerator fibres(0x9A9E5);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const QPointF at(kWidth * fibres.generateDouble(), kHeight * fibres.generateDouble());
        p.setBrush(QColor(0xb0, 0x90, 0x60, 14 + int(fibres.bounded(18))));
        p.drawEllipse(at, 0.5 + fibres.generateDouble() * 1.6, 0.5);
    }
    QRadialGradient edges(QPointF(kWidth / 2, kHeight / 2), kHeight * 0.62);
    edges.setColorAt(0.7, QColor(0x8a, 0x60, 0x20, 0));
    edges.setColorAt(1, QColor(0x8a, 0x60, 0x20, 60));
    p.setBrush(edges);
    p.drawRect(QRectF(0, 0, kWidth, kHeight));
}

void paintBorder(QPainter& p, const QColor& ink, const EditionLook& look)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 2.4));
    p.drawRect(QRectF(8, 8, kWidth - 16, kHeight - 16));
    p.setPen(QPen(look.gold.darker(115), 1));
    p.drawRect(QRectF(13, 13, kWidth - 26, kHeight - 26));
    // A small flourish in each corner: a quarter ring and a dot.
    const QPointF corners[] = {{13, 13}, {kWidth - 13, 13}, {13, kHeight - 13}, {kWidth - 13, kHeight - 13}};
    for (const QPointF corner : corners) {
        const qreal sx = corner.x() < kWidth / 2 ? 1 : -1, sy = corner.y() < kHeight / 2 ? 1 : -1;
        p.setPen(QPen(look.gold.darker(115), 1.2));
        p.setBrush(Qt::NoBrush);
        const QRectF arc(corner.x() - 10, corner.y() - 10, 20, 20);
        p.drawArc(arc, sx > 0 ? (sy > 0 ? 270 * 16 : 0) : (sy > 0 ? 180 * 16 : 90 * 16), 90 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(corner + QPointF(sx * 5, sy * 5), 1.8, 1.8);
    }
}

void paintDivider(QPainter& p, qreal y, qreal halfWidth, const QColor& ink, const EditionLook& look)
{
    const qreal cx = kWidth / 2;
    p.setPen(QPen(look.gold.darker(115), 1));
    p.drawLine(QPointF(cx - halfWidth, y), QPointF(cx - 9, y));
    p.drawLine(QPointF(cx + 9, y), QPointF(cx + halfWidth, y));
    QPolygonF diamond;
    diamond << QPointF(cx, y - 4.5) << QPointF(cx + 5, y) << QPointF(cx, y + 4.5) << QPointF(cx - 5, y);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(diamond);
    for (const int side : {-1, 1}) {
        p.setBrush(look.gold.darker(115));
        p.drawEllipse(QPointF(cx + side * halfWidth, y), 1.6, 1.6);
    }
}

void paintCoins(QPainter& p, const EditionLook& look)
{
    // A little pile of gold coins beside the prize money.
    const QPointF stacks[] = {{258, 372}, {282, 372}, {270, 374}};
    const int heights[] = {4, 3, 2};
    for (int s = 0; s < 3; ++s)
        drawCoinStack(p, stacks[s], heights[s], 9, look.gold);
    drawSparkle(p, QPointF(292, 352), 5, QColor(0xff, 0xfb, 0xe0));
}

void paintChristmas(QPainter& p, const EditionLook& look)
{
    drawSnowCap(p, 10, kWidth - 10, 9, 6, 0x3E1Au);
    drawHolly(p, QPointF(24, 26), 30, 10);
    drawHolly(p, QPointF(kWidth - 24, 26), 30, -10);
    drawHolly(p, QPointF(24, kHeight - 24), 22, 190);
    drawHolly(p, QPointF(kWidth - 24, kHeight - 24), 22, 170);
    for (const QPointF at : {QPointF(60, 56), QPointF(262, 56), QPointF(40, 332), QPointF(290, 322)})
        p.fillPath(starOutline(at, 4.2, 1.8), look.gold.darker(105));
}

QImage paintMenu(const PaintRequest& request)
{
    const EditionLook look = editionLook(request.edition);
    const QColor ink = look.wall.darker(125);
    const QColor brown(0x4a, 0x2a, 0x16), soft(0x80, 0x5c, 0x3c);
    const bool christmas = request.flag(QStringLiteral("natale"));
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kWidth, request.size.height() / kHeight);

    paintPaper(p);
    paintBorder(p, ink, look);

    p.fillPath(centredText(QStringLiteral("TRATTORIA  ZOLMERA"), serif(10, true, false), QRectF(0, 20, kWidth, 16)),
               look.gold.darker(150));
    const QPainterPath title = centredText(QStringLiteral("Menù del giorno"), serif(28, true, true), QRectF(0, 36, kWidth, 36));
    p.fillPath(title.translated(1, 1.4), alpha(look.gold, 150));
    p.fillPath(title, ink);
    paintDivider(p, 78, 110, ink, look);

    const struct {
        Course course;
        QString dish;
    } courses[] = {{Course::Primo, QStringLiteral("Spaghetti al pomodoro e basilico")},
                   {Course::Secondo, QStringLiteral("Pollo arrosto con pomodorini")},
                   {Course::Formaggio, QStringLiteral("Forma stagionata della casa")},
                   {Course::Dolce, QStringLiteral("Torta alla panna con ciliegia")},
                   {Course::Frutta, QStringLiteral("Frutta fresca di stagione")}};
    for (int i = 0; i < 5; ++i) {
        const qreal top = kRowsTop + i * kRowHeight;
        drawCourse(p, courses[i].course, QRectF(20, top + 3, 63, 42));
        p.fillPath(textAt(courseTitle(courses[i].course), serif(18, true, false), 92, top + 22), brown);
        p.fillPath(textAt(courses[i].dish, serif(11, false, true), 93, top + 38), soft);
        if (i < 4) {
            p.setPen(QPen(alpha(look.gold.darker(115), 150), 0.8, Qt::DotLine));
            p.drawLine(QPointF(92, top + kRowHeight - 1), QPointF(kWidth - 26, top + kRowHeight - 1));
        }
    }
    paintDivider(p, kRowsTop + 5 * kRowHeight + 4, 120, ink, look);

    // The prize money: the label, and a plain light space for the board's figures.
    const QFont label = serif(15, true, true, true);
    const QPainterPath prize = textAt(QStringLiteral("Montepremi:"), label, 0, 0);
    p.fillPath(prize.translated(kPrizeSpace.left() - 6 - prize.boundingRect().right(), kPrizeSpace.center().y() + 6), ink);
    p.setPen(QPen(alpha(look.gold.darker(110), 200), 1));
    p.setBrush(QColor(0xff, 0xfd, 0xf6));
    p.drawRoundedRect(kPrizeSpace.adjusted(-2, -2, 2, 2), 4, 4);
    paintCoins(p, look);

    const QString farewell = christmas ? QStringLiteral("Buone feste e buon appetito!") : QStringLiteral("Buon appetito!");
    p.fillPath(centredText(farewell, serif(15, false, true), QRectF(0, 386, kWidth, 24)), ink);
    if (christmas)
        paintChristmas(p, look);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("menu", assetgen::paintMenu)
