// The French deck of SEQUENZA DI CARTE: 32 faces, 7 to ace of spades, clubs,
// hearts and diamonds, four rows of eight cells in one strip. The window shows a
// card at 40 x 56 pixels, on the table and in the slots alike, so each face is
// made to be read at a glance at that size rather than to look like a real card:
// its rank large at the top, its suit large below, red or black. The court cards
// and the ace sit on a panel of the edition's gold so they stand apart from the
// numbers at once; nothing on a face is small enough to blur away.
//
// The strip is a BMP with no transparency: the corners round off onto the felt
// colour given as fondo. The same painter draws the window's decoration, a fan of
// three cards over a transparent ground (ventaglio).
//
// Parameters: ventaglio (flag): the decoration instead of the strip.

#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace assetgen {

namespace {

using namespace kit;

// One card's own grid; the strip and the fan scale it.
constexpr qreal kCardW = 80, kCardH = 112;
constexpr int kColumns = 8, kRows = 4;
enum Seme { Picche, Fiori, Cuori, Quadri };
const QString kRanks[kColumns] = {QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"),
                                  QStringLiteral("10"), QStringLiteral("J"), QStringLiteral("Q"),
                                  QStringLiteral("K"), QStringLiteral("A")};
const QColor kRed(0xc8, 0x10, 0x1c), kBlack(0x16, 0x16, 0x1c), kEdge(0x40, 0x40, 0x48);

// A heart pointing down, its lobes on the top edge of box.
QPainterPath heart(const QRectF& box)
{
    const qreal w = box.width(), h = box.height(), x = box.left(), y = box.top();
    QPainterPath path(QPointF(x + w / 2, y + h));
    path.cubicTo(QPointF(x + w * 0.32, y + h * 0.78), QPointF(x, y + h * 0.56), QPointF(x, y + h * 0.3));
    path.cubicTo(QPointF(x, y + h * 0.06), QPointF(x + w * 0.22, y), QPointF(x + w * 0.27, y));
    path.cubicTo(QPointF(x + w * 0.4, y), QPointF(x + w * 0.48, y + h * 0.08), QPointF(x + w / 2, y + h * 0.2));
    path.cubicTo(QPointF(x + w * 0.52, y + h * 0.08), QPointF(x + w * 0.6, y), QPointF(x + w * 0.73, y));
    path.cubicTo(QPointF(x + w * 0.78, y), QPointF(x + w, y + h * 0.06), QPointF(x + w, y + h * 0.3));
    path.cubicTo(QPointF(x + w, y + h * 0.56), QPointF(x + w * 0.68, y + h * 0.78), QPointF(x + w / 2, y + h));
    return path;
}

// The stalk under a spade or a club: a flared foot.
QPainterPath stalk(const QRectF& box)
{
    const qreal cx = box.center().x(), w = box.width();
    QPainterPath path(QPointF(cx - w * 0.05, box.top() + box.height() * 0.6));
    path.quadTo(QPointF(cx - w * 0.06, box.bottom() - box.height() * 0.06), QPointF(cx - w * 0.22, box.bottom()));
    path.lineTo(QPointF(cx + w * 0.22, box.bottom()));
    path.quadTo(QPointF(cx + w * 0.06, box.bottom() - box.height() * 0.06), QPointF(cx + w * 0.05, box.top() + box.height() * 0.6));
    path.closeSubpath();
    return path;
}

QPainterPath pip(Seme seme, const QRectF& box)
{
    const qreal w = box.width(), h = box.height(), x = box.left(), y = box.top();
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    switch (seme) {
    case Cuori:
        path = heart(box.adjusted(0, h * 0.05, 0, -h * 0.05));
        break;
    case Quadri:
        path.moveTo(x + w / 2, y);
        path.quadTo(QPointF(x + w * 0.68, y + h * 0.3), QPointF(x + w * 0.92, y + h / 2));
        path.quadTo(QPointF(x + w * 0.68, y + h * 0.7), QPointF(x + w / 2, y + h));
        path.quadTo(QPointF(x + w * 0.32, y + h * 0.7), QPointF(x + w * 0.08, y + h / 2));
        path.quadTo(QPointF(x + w * 0.32, y + h * 0.3), QPointF(x + w / 2, y));
        break;
    case Picche: {
        // A heart upside down over its stalk.
        QPainterPath top = heart(QRectF(x, y, w, h * 0.78));
        QTransform flip;
        flip.translate(0, 2 * y + h * 0.78);
        flip.scale(1, -1);
        path.addPath(flip.map(top));
        path.addPath(stalk(box));
        break;
    }
    case Fiori: {
        const qreal r = w * 0.235;
        path.addEllipse(QPointF(x + w / 2, y + r), r, r);
        path.addEllipse(QPointF(x + r + w * 0.02, y + h * 0.5), r, r);
        path.addEllipse(QPointF(x + w - r - w * 0.02, y + h * 0.5), r, r);
        path.addRect(QRectF(x + w / 2 - r * 0.6, y + r, r * 1.2, h * 0.3));
        path.addPath(stalk(box));
        break;
    }
    }
    return path.simplified();
}

// Card cella of the deck, in the card's own grid at the origin.
void paintCard(QPainter& p, int cella, const EditionLook& look)
{
    const Seme seme = Seme(cella / kColumns);
    const int rank = cella % kColumns;
    const QColor ink = seme == Cuori || seme == Quadri ? kRed : kBlack;
    const QRectF card(1.5, 1.5, kCardW - 3, kCardH - 3);
    p.setPen(QPen(kEdge, 2.2));
    p.setBrush(QColor(0xfc, 0xfb, 0xf6));
    p.drawRoundedRect(card, 8, 8);
    // Court cards and the ace: a gold panel with a double line.
    if (rank >= 4) {
        const QRectF panel = card.adjusted(6, 6, -6, -6);
        QColor fill = look.gold.lighter(150);
        fill.setAlpha(200);
        p.setPen(QPen(look.gold.darker(130), 1.6));
        p.setBrush(fill);
        p.drawRoundedRect(panel, 5, 5);
        p.setPen(QPen(look.gold.darker(110), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(panel.adjusted(3, 3, -3, -3), 3, 3);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    // "10" is two figures: narrower, so it stays as tall as the others.
    font.setPixelSize(44);
    if (kRanks[rank].size() > 1)
        font.setStretch(72);
    p.drawPath(centredText(kRanks[rank], font, QRectF(0, 6, kCardW, 46)));
    p.drawPath(pip(seme, QRectF(kCardW / 2 - 22, 56, 44, 46)));
}

QImage paintStrip(const PaintRequest& request, const EditionLook& look)
{
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal cw = qreal(request.size.width()) / kColumns, ch = qreal(request.size.height()) / kRows;
    for (int cella = 0; cella < kColumns * kRows; ++cella) {
        p.save();
        p.translate((cella % kColumns) * cw, (cella / kColumns) * ch);
        p.scale(cw / kCardW, ch / kCardH);
        paintCard(p, cella, look);
        p.restore();
    }
    return image;
}

// The seven of diamonds, the king of hearts and, on top, the ace of spades,
// fanned from a point under their feet.
QImage paintFan(const PaintRequest& request, const EditionLook& look)
{
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    constexpr qreal kGrid = 160, kScale = 1.05;
    p.scale(request.size.width() / kGrid, request.size.height() / kGrid);
    const int carte[3] = {24, 22, 7};
    const qreal angoli[3] = {-22, 0, 22};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(80, 146);
        p.rotate(angoli[i]);
        p.scale(kScale, kScale);
        p.translate(-kCardW / 2, -kCardH + 6);
        paintCard(p, carte[i], look);
        p.restore();
    }
    return image;
}

QImage paintCarte(const PaintRequest& request)
{
    const EditionLook look = editionLook(request.edition);
    return request.flag(QStringLiteral("ventaglio")) ? paintFan(request, look) : paintStrip(request, look);
}

}  // namespace

ZOLMERA_PAINTER("sequenzacarte", paintCarte)

}  // namespace assetgen
