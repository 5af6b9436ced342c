// The name cards of IL PERSONAGGIO MISTERIOSO, twelve in a ring on the pink board.
// The window writes a famous name in black over the card's middle, from a quarter of
// the way down nearly to the bottom, so all of that is plain cream; only a header
// band across the top carries the colour: the edition's accent, with a gold badge
// bearing a question mark between two stars. The rounded corners are left to the
// line's fondo, the board's pink.
//
// No parameters.

#include "painters/coursekit.h"
#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace assetgen {

namespace {

using namespace kit;

constexpr qreal kWidth = 192, kHeight = 120;
constexpr qreal kHeader = 27;  // the name's band starts at 32

QImage paintCartellino(const PaintRequest& request)
{
    const EditionLook look = editionLook(request.edition);
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kWidth, request.size.height() / kHeight);

    const QRectF cardBox(1, 1, kWidth - 2, kHeight - 2);
    QPainterPath card;
    card.addRoundedRect(cardBox, 9, 9);
    QLinearGradient paper(cardBox.topLeft(), cardBox.bottomLeft());
    paper.setColorAt(0, QColor(0xff, 0xff, 0xfb));
    paper.setColorAt(1, QColor(0xfb, 0xf5, 0xe6));
    p.fillPath(card, paper);

    // The header band.
    p.save();
    p.setClipPath(card);
    QLinearGradient band(QPointF(0, 0), QPointF(0, kHeader));
    band.setColorAt(0, look.accent.lighter(130));
    band.setColorAt(1, look.accent.darker(115));
    p.fillRect(QRectF(0, 0, kWidth, kHeader), band);
    p.fillRect(QRectF(0, kHeader, kWidth, 2), look.gold);
    p.restore();
    const QPointF badge(kWidth / 2, kHeader / 2 + 0.5);
    QRadialGradient gold(badge - QPointF(3, 4), 14);
    gold.setColorAt(0, look.gold.lighter(140));
    gold.setColorAt(1, look.gold.darker(130));
    p.setPen(QPen(look.titleOutline, 1.6));
    p.setBrush(gold);
    p.drawEllipse(badge, 10.5, 10.5);
    const QPainterPath mark = centredText(QStringLiteral("?"), playfulFont(18), QRectF(badge - QPointF(10, 10), QSizeF(20, 20)));
    p.fillPath(mark, look.titleOutline);
    for (const int side : {-1, 1}) {
        const QPainterPath star = starOutline(badge + QPointF(side * 26, 0), 6.5, 2.8);
        p.setPen(QPen(look.gold.darker(150), 0.8));
        p.setBrush(look.gold.lighter(120));
        p.drawPath(star);
    }

    // The frame: a fine gold line inside, the accent colour round the edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.gold, 1));
    p.drawRoundedRect(QRectF(4.5, kHeader + 3.5, kWidth - 9, kHeight - kHeader - 8), 5, 5);
    p.setPen(QPen(look.accent.darker(140), 2.2));
    p.drawPath(card);
    p.end();
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("cartellino", assetgen::paintCartellino)
