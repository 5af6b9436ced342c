// The pictures of LA SPESA E' GIUSTA. "borsa" is a paper shopping bag full of
// groceries, the mark at the head of each row of the list (32 x 32 on screen);
// "carrello" a shopping trolley seen from the side with a loaf and a bottle in it,
// the window's decoration (136 x 84); "lista" the notepad page behind the shopping
// list and "scontrino" the till receipt behind the results table (both 664 x 312).
// The two backgrounds stay pale, so the lists' dark writing reads over them; the
// edition's accent tints the page's rules and the receipt's bands.
//
// Parameters: cosa = borsa, carrello, lista or scontrino.

#include "painters/painter.h"
#include "painters/spritekit.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace assetgen {

namespace {

using sprite::pen;

const QColor kInk(0x3a, 0x24, 0x14);
const QColor kKraft(0xd2, 0x9a, 0x5c);

QImage paintBorsa(const PaintRequest& request)
{
    QImage image = sprite::clearCanvas(request.size);
    QPainter p(&image);
    sprite::enterGrid(p, request.size, 100);
    // What shows over the bag's rim: a leek's leaves, a baguette, an apple.
    QPainterPath porro;
    porro.moveTo(30, 44);
    porro.cubicTo(22, 24, 18, 12, 14, 4);
    porro.cubicTo(24, 10, 32, 22, 40, 42);
    QPainterPath pane;
    pane.addRoundedRect(QRectF(-6, -34, 13, 44), 6, 6);
    pane = QTransform().translate(62, 40).rotate(18).map(pane);
    const QPainterPath mela = sprite::ellipse(QPointF(44, 36), 11, 10);
    QPainterPath borsa;
    borsa.addPolygon(QPolygonF({QPointF(16, 38), QPointF(84, 38), QPointF(90, 96), QPointF(10, 96)}));
    borsa.closeSubpath();
    sprite::paintFigure(p,
                        {{porro, QColor(0x5c, 0xb8, 0x3c)},
                         {pane, QColor(0xe0, 0xa8, 0x50)},
                         {mela, QColor(0xd8, 0x28, 0x20)},
                         {borsa, kKraft}},
                        kInk, 7, 2.5);
    // The handles, the folded rim and the bag's side fold.
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(kInk, 4));
    p.drawArc(QRectF(26, 26, 16, 28), 0, 180 * 16);
    p.drawArc(QRectF(58, 26, 16, 28), 0, 180 * 16);
    p.setPen(pen(kKraft.darker(140), 2.5));
    p.drawLine(QPointF(16, 48), QPointF(85, 48));
    p.drawLine(QPointF(72, 48), QPointF(76, 96));
    // The shop's green tick on the front.
    p.setPen(pen(QColor(0x2e, 0x7d, 0x32), 6));
    p.drawPolyline(QPolygonF({QPointF(36, 70), QPointF(46, 80), QPointF(64, 60)}));
    return image;
}

QImage paintCarrello(const PaintRequest& request)
{
    QImage image = sprite::clearCanvas(request.size);
    QPainter p(&image);
    // 160 x 100 units: the trolley looks to the left, its handle on the right.
    sprite::enterGrid(p, request.size, 160);
    const QColor metallo(0x9c, 0xa8, 0xb4);
    // The groceries first, behind the basket's front.
    QPainterPath bottiglia;
    bottiglia.addRoundedRect(QRectF(52, 8, 14, 34), 4, 4);
    bottiglia.addRect(QRectF(56, 0, 6, 10));
    QPainterPath pane;
    pane.addRoundedRect(QRectF(-30, -7, 60, 14), 7, 7);
    pane = QTransform().translate(92, 22).rotate(-16).map(pane);
    const QPainterPath arancia = sprite::ellipse(QPointF(40, 30), 10, 10);
    const QPainterPath scatola = [] {
        QPainterPath s;
        s.addRect(QRectF(70, 20, 22, 22));
        return s;
    }();
    sprite::paintFigure(p,
                        {{bottiglia, QColor(0x2e, 0x9a, 0x4c)},
                         {pane, QColor(0xe0, 0xa8, 0x50)},
                         {scatola, kit::editionLook(request.edition).accent},
                         {arancia, QColor(0xf4, 0x90, 0x1c)}},
                        kInk, 5, 2);
    // The basket: a trapezoid of wire with its mesh.
    QPainterPath cesto;
    cesto.addPolygon(QPolygonF({QPointF(20, 28), QPointF(130, 28), QPointF(120, 70), QPointF(34, 70)}));
    cesto.closeSubpath();
    p.setBrush(QColor(0xff, 0xff, 0xff, 70));
    p.setPen(pen(kInk, 7));
    p.drawPath(cesto);
    p.setPen(pen(metallo, 3.5));
    p.drawPath(cesto);
    p.save();
    p.setClipPath(cesto);
    p.setPen(pen(metallo, 2));
    for (qreal x = 30; x < 130; x += 12)
        p.drawLine(QPointF(x, 28), QPointF(x + 4, 70));
    for (qreal y = 40; y < 70; y += 11)
        p.drawLine(QPointF(20, y), QPointF(130, y));
    p.restore();
    // The frame under the basket, the handle and the wheels.
    for (const auto& [w, c] : {std::pair{7.0, kInk}, std::pair{3.5, metallo}}) {
        p.setPen(pen(c, w));
        p.drawPolyline(QPolygonF({QPointF(34, 70), QPointF(40, 84), QPointF(122, 84), QPointF(130, 28), QPointF(140, 14),
                                  QPointF(154, 14)}));
    }
    p.setPen(pen(kInk, 3));
    p.setBrush(QColor(0x30, 0x30, 0x38));
    for (const qreal x : {46.0, 114.0})
        p.drawEllipse(QPointF(x, 90), 7, 7);
    p.setBrush(QColor(0xe0, 0x30, 0x30));
    p.drawRoundedRect(QRectF(146, 10, 12, 8), 3, 3);   // the handle's grip
    return image;
}

// A page of a notepad: pale paper, rules in the edition's colour, a red margin and
// the holes of the spiral at the top.
QImage paintLista(const PaintRequest& request)
{
    const kit::EditionLook look = kit::editionLook(request.edition);
    const QSizeF s = request.size;
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    kit::fillVertical(p, QRectF(QPointF(0, 0), s), QColor(0xfc, 0xfb, 0xf2), QColor(0xf4, 0xf0, 0xdc));
    const qreal riga = s.height() / 13.0;
    p.setPen(pen(kit::mix(look.accent, Qt::white, 0.72), s.height() / 300));
    for (qreal y = riga * 1.5; y < s.height(); y += riga)
        p.drawLine(QPointF(0, y), QPointF(s.width(), y));
    p.setPen(pen(QColor(0xe8, 0x90, 0x90), s.height() / 240));
    p.drawLine(QPointF(s.width() * 0.07, 0), QPointF(s.width() * 0.07, s.height()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd8, 0xd4, 0xc4));
    const qreal foro = s.height() / 70;
    for (qreal x = s.width() * 0.04; x < s.width(); x += s.width() / 24)
        p.drawEllipse(QPointF(x, riga * 0.5), foro, foro);
    return image;
}

// A till receipt: white paper with torn teeth at top and bottom, tinted bands
// behind the three rows of the results, and dotted lines between them.
QImage paintScontrino(const PaintRequest& request)
{
    const kit::EditionLook look = kit::editionLook(request.edition);
    const QSizeF s = request.size;
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xff, 0xff, 0xff));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal dente = s.width() / 48;
    QPainterPath carta;
    carta.moveTo(0, dente);
    for (qreal x = 0; x < s.width(); x += dente)
        carta.lineTo(x + dente / 2, 0), carta.lineTo(x + dente, dente);
    carta.lineTo(s.width(), s.height() - dente);
    for (qreal x = s.width(); x > 0; x -= dente)
        carta.lineTo(x - dente / 2, s.height()), carta.lineTo(x - dente, s.height() - dente);
    carta.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0xec, 0xf0));
    p.drawRect(QRectF(QPointF(0, 0), s));
    p.setBrush(QColor(0xff, 0xfe, 0xf8));
    p.drawPath(carta);
    // The results' rows lie at 1500, 2200 and 2900 of the frame's 4680 twips, the
    // names' row at 720.
    const QColor banda = kit::mix(look.accent, Qt::white, 0.86);
    p.setBrush(banda);
    for (const qreal top : {720.0, 1500.0, 2200.0, 2900.0})
        p.drawRect(QRectF(s.width() * 0.03, s.height() * (top - 90) / 4680, s.width() * 0.94, s.height() * 600 / 4680));
    p.setPen(QPen(kit::mix(look.accent, Qt::white, 0.5), s.height() / 260, Qt::DotLine));
    p.drawLine(QPointF(s.width() * 0.03, s.height() * 2760 / 4680), QPointF(s.width() * 0.97, s.height() * 2760 / 4680));
    // The shop's farewell at the foot, in the receipt's grey.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xa0, 0xa4, 0xa8));
    p.drawPath(kit::centredText(QStringLiteral("GRAZIE E ARRIVEDERCI"), kit::outlineFont(QStringLiteral("DejaVu Sans Mono"), s.height() / 16),
                                QRectF(0, s.height() * 0.82, s.width(), s.height() * 0.1)));
    return image;
}

QImage paintSpesa(const PaintRequest& request)
{
    const QString cosa = request.text(QStringLiteral("cosa"));
    if (cosa == QLatin1String("carrello"))
        return paintCarrello(request);
    if (cosa == QLatin1String("lista"))
        return paintLista(request);
    if (cosa == QLatin1String("scontrino"))
        return paintScontrino(request);
    return paintBorsa(request);
}

}  // namespace

ZOLMERA_PAINTER("spesa", paintSpesa)

}  // namespace assetgen
