// The dessert trolley the topics are chosen from, and its twelve covered dishes.
// "carrello" is the trolley seen from the front with twelve compartments, 4 across
// and 3 down, each a 72 x 72 niche at (20 + 80c, 24 + 80r); "coperchi" is the sheet
// of twelve 72 x 72 covers, row by row, that the board lays into the niches. Each
// cover stands on the niche's own velvet and plate, so a cover taken away leaves the
// empty plate it stood on.
//
// Parameters: none.

#include "painters/coursekit.h"
#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace assetgen {

namespace {

using namespace kit;

constexpr qreal kNiche = 72;
constexpr int kColumns = 4, kRows = 3;

// The back of a compartment: velvet in the edition's colour under a small lamp, and
// the plate a cover stands on.
void paintNiche(QPainter& p, const QRectF& rect, const EditionLook& look)
{
    p.save();
    p.setClipRect(rect);
    fillVertical(p, rect, look.wall.darker(115), look.deep);
    drawGlow(p, QRectF(rect.left() - 10, rect.top() - 30, rect.width() + 20, rect.height() + 20), alpha(look.glow, 110));
    p.restore();
    drawClochePlate(p, rect);
}

// Twelve colours round the colour wheel, one a cover.
QColor bandColour(int index)
{
    return QColor::fromHsvF(float(index % 12) / 12.0f, 0.78f, 0.92f);
}

QImage paintCoperchi(const PaintRequest& request)
{
    const EditionLook look = editionLook(request.edition);
    QImage image(QSize(int(kNiche) * kColumns, int(kNiche) * kRows), QImage::Format_ARGB32_Premultiplied);
    image.fill(look.deep);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < kColumns * kRows; ++k) {
        const QRectF cell(kNiche * (k % kColumns), kNiche * (k / kColumns), kNiche, kNiche);
        paintNiche(p, cell, look);
        drawCloche(p, cell, bandColour(k), k + 1);
    }
    p.end();
    if (image.size() != request.size)
        return image.scaled(request.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QRectF nicheAt(int column, int row)
{
    return QRectF(20 + 80 * column, 24 + 80 * row, kNiche, kNiche);
}

QImage paintCarrello(const PaintRequest& request)
{
    const EditionLook look = editionLook(request.edition);
    constexpr qreal width = 360, height = 272;
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / width, request.size.height() / height);

    // The studio behind: the edition's wall under a warm light.
    fillVertical(p, QRectF(0, 0, width, height), mix(look.deep, look.wall, 0.6), look.wall.lighter(120));
    drawGlow(p, QRectF(-60, -40, width + 120, height), alpha(look.glow, 110));

    const QRectF body(8, 14, 336, 250);  // the niches span 20..332: centred on them
    drawGlow(p, QRectF(body.left() - 10, body.bottom() - 12, body.width() + 20, 26), QColor(0, 0, 0, 140));
    // The cabinet: polished wood framed in brass.
    QLinearGradient wood(body.topLeft(), body.topRight());
    wood.setColorAt(0, QColor(0x5a, 0x2c, 0x16));
    wood.setColorAt(0.35, QColor(0x9a, 0x56, 0x2c));
    wood.setColorAt(0.6, QColor(0x86, 0x48, 0x22));
    wood.setColorAt(1, QColor(0x4a, 0x22, 0x10));
    p.setPen(QPen(look.gold.darker(200), 1.4));
    p.setBrush(wood);
    p.drawRoundedRect(body, 8, 8);
    drawGlow(p, QRectF(body.left() + 30, body.top() - 20, body.width() * 0.5, 80), QColor(255, 230, 200, 50));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.gold, 2.4));
    p.drawRoundedRect(body.adjusted(3, 3, -3, -3), 6, 6);

    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const QRectF niche = nicheAt(column, row);
            paintNiche(p, niche, look);
            p.setPen(QPen(look.gold.darker(150), 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(niche.adjusted(-0.6, -0.6, 0.6, 0.6));
        }
        // The shelf under each row: a brass lip.
        const qreal y = nicheAt(0, row).bottom();
        QLinearGradient lip(QPointF(0, y), QPointF(0, y + 7));
        lip.setColorAt(0, look.gold.lighter(150));
        lip.setColorAt(0.5, look.gold);
        lip.setColorAt(1, look.gold.darker(170));
        p.setPen(QPen(look.gold.darker(230), 0.8));
        p.setBrush(lip);
        p.drawRoundedRect(QRectF(body.left() + 4, y + 0.5, body.width() - 8, 6.5), 2, 2);
        for (int i = 0; i < 5; ++i)
            drawBulb(p, QPointF(16 + 80 * i, y + 3.7), 1.8, QColor(0xff, 0xf6, 0xd8));
    }

    // The push bar along the top, on two brass posts.
    for (const qreal x : {18.0, 334.0}) {
        p.setPen(QPen(look.gold.darker(230), 0.8));
        p.setBrush(look.gold.darker(120));
        p.drawRect(QRectF(x - 3, 2, 6, 14));
    }
    QLinearGradient tube(QPointF(0, 1), QPointF(0, 9));
    tube.setColorAt(0, look.gold.lighter(170));
    tube.setColorAt(0.5, look.gold);
    tube.setColorAt(1, look.gold.darker(170));
    p.setBrush(tube);
    p.drawRoundedRect(QRectF(10, 1, 332, 8), 4, 4);
    for (const qreal x : {10.0, 342.0})
        drawBulb(p, QPointF(x, 5), 4, look.glow);
    // A crest in the middle of the bar: a gold medallion with a star.
    const QPointF crest(176, 8);
    p.setPen(QPen(look.gold.darker(230), 1));
    p.setBrush(tube);
    p.drawEllipse(crest, 14, 7.5);
    p.setPen(Qt::NoPen);
    p.setBrush(look.accent);
    p.drawPath(starOutline(crest, 6, 2.6));
    drawSparkle(p, crest + QPointF(10, -4), 4, QColor(0xff, 0xfb, 0xe6));

    // Castors.
    for (const qreal x : {30.0, 322.0}) {
        p.setPen(QPen(QColor(0x10, 0x10, 0x14), 1));
        p.setBrush(QColor(0x2a, 0x2a, 0x32));
        p.drawEllipse(QPointF(x, 266), 6, 6);
        p.setBrush(look.gold);
        p.drawEllipse(QPointF(x, 266), 2, 2);
    }
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("carrello", assetgen::paintCarrello)
ZOLMERA_PAINTER("coperchi", assetgen::paintCoperchi)
