// "PRIMA O DOPO"'s emblem: an hourglass running, between an arrow pointing
// back (before) and one pointing on (after), on a panel in the edition's
// colours.
//
// No parameters.

#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QPainter>
#include <QPainterPath>

namespace assetgen {

namespace {

// An arrow along the panel's middle line, its point at x = punta.
QPainterPath freccia(qreal coda, qreal punta, qreal y, qreal spessore)
{
    const qreal verso = punta > coda ? 1 : -1;
    const qreal testa = spessore * 1.6;
    const qreal base = punta - verso * testa;
    QPainterPath f;
    f.moveTo(coda, y - spessore / 2);
    f.lineTo(base, y - spessore / 2);
    f.lineTo(base, y - spessore * 1.3);
    f.lineTo(punta, y);
    f.lineTo(base, y + spessore * 1.3);
    f.lineTo(base, y + spessore / 2);
    f.lineTo(coda, y + spessore / 2);
    f.closeSubpath();
    return f;
}

QImage paintClessidra(const PaintRequest& request)
{
    const kit::EditionLook look = kit::editionLook(request.edition);
    const qreal w = request.size.width(), h = request.size.height();
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF pannello(w * 0.02, h * 0.02, w * 0.96, h * 0.96);
    QPainterPath bordo;
    bordo.addRoundedRect(pannello, h * 0.12, h * 0.12);
    p.setClipPath(bordo);
    kit::fillVertical(p, pannello, look.deep, look.wall);
    kit::drawGlow(p, QPointF(w * 0.5, h * 0.5), h * 0.55, kit::alpha(look.glow, 110));
    p.setClipping(false);
    p.setPen(QPen(look.gold, h * 0.03));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bordo);

    // Back in green, on in orange: the colours of the two answers' keys.
    const qreal y = h * 0.5, spessore = h * 0.13;
    p.setPen(QPen(QColor(20, 40, 20), h * 0.018));
    p.setBrush(QColor(90, 210, 90));
    p.drawPath(freccia(w * 0.36, w * 0.07, y, spessore));
    p.setPen(QPen(QColor(60, 30, 0), h * 0.018));
    p.setBrush(QColor(255, 160, 60));
    p.drawPath(freccia(w * 0.64, w * 0.93, y, spessore));

    // The hourglass: two glass bulbs between a top and a bottom board, sand
    // mostly run down, a thread of it still falling.
    const qreal cx = w * 0.5, alto = h * 0.16, basso = h * 0.84, mezzo = (alto + basso) / 2;
    const qreal largo = w * 0.12, collo = w * 0.012, tavola = h * 0.06;
    QPainterPath vetro;
    vetro.moveTo(cx - largo, alto + tavola);
    vetro.cubicTo(cx - largo, mezzo - h * 0.08, cx - collo, mezzo - h * 0.04, cx - collo, mezzo);
    vetro.cubicTo(cx - collo, mezzo + h * 0.04, cx - largo, mezzo + h * 0.08, cx - largo, basso - tavola);
    vetro.lineTo(cx + largo, basso - tavola);
    vetro.cubicTo(cx + largo, mezzo + h * 0.08, cx + collo, mezzo + h * 0.04, cx + collo, mezzo);
    vetro.cubicTo(cx + collo, mezzo - h * 0.04, cx + largo, mezzo - h * 0.08, cx + largo, alto + tavola);
    vetro.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 245, 255, 200));
    p.drawPath(vetro);

    const QColor sabbia(236, 196, 92), sabbiaScura(190, 140, 50);
    p.save();
    p.setClipPath(vetro);
    p.setBrush(sabbia);
    // What is left above: a small cone over the neck.
    QPainterPath sopra;
    sopra.moveTo(cx - largo * 0.55, mezzo - h * 0.09);
    sopra.quadTo(cx, mezzo - h * 0.12, cx + largo * 0.55, mezzo - h * 0.09);
    sopra.lineTo(cx, mezzo);
    sopra.closeSubpath();
    p.drawPath(sopra);
    // The heap below.
    QPainterPath sotto;
    sotto.moveTo(cx - largo, basso - tavola);
    sotto.lineTo(cx - largo, basso - tavola - h * 0.08);
    sotto.quadTo(cx, basso - tavola - h * 0.2, cx + largo, basso - tavola - h * 0.08);
    sotto.lineTo(cx + largo, basso - tavola);
    sotto.closeSubpath();
    p.setBrush(sabbia);
    p.drawPath(sotto);
    p.setPen(QPen(sabbiaScura, w * 0.008));
    p.drawLine(QPointF(cx, mezzo), QPointF(cx, basso - tavola - h * 0.16));
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 60, 80), h * 0.016));
    p.drawPath(vetro);
    kit::drawSparkle(p, QPointF(cx - largo * 0.55, alto + tavola + h * 0.07), h * 0.05, Qt::white);

    const QColor legno(150, 90, 40), legnoScuro(90, 50, 20);
    p.setPen(QPen(legnoScuro, h * 0.014));
    p.setBrush(legno);
    for (qreal top : {alto, basso - tavola})
        p.drawRoundedRect(QRectF(cx - largo * 1.35, top, largo * 2.7, tavola), tavola * 0.3, tavola * 0.3);
    p.end();
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("clessidra", assetgen::paintClessidra)
