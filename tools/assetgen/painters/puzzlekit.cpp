#include "painters/puzzlekit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace assetgen::puzzle {

QPen tratto(const QColor& c, qreal w) { return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void cielo(QPainter& p, qreal top, qreal bottom, const QColor& alto, const QColor& basso)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, alto);
    g.setColorAt(1, basso);
    p.fillRect(QRectF(0, top, kW, bottom - top), g);
}

void nuvola(Scena& s, QPointF c, qreal size, const QColor& colore)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const int bolle = 3 + s.i(3);
    for (int b = 0; b < bolle; ++b) {
        const qreal x = c.x() + (b - (bolle - 1) / 2.0) * size * 0.55;
        const qreal r = size * s.u(0.35, 0.6);
        path.addEllipse(QPointF(x, c.y() - r * 0.4), r, r * 0.8);
    }
    path.addRoundedRect(QRectF(c.x() - size * bolle * 0.3, c.y() - size * 0.2, size * bolle * 0.6, size * 0.35),
                        size * 0.15, size * 0.15);
    s.p.setPen(Qt::NoPen);
    s.p.setBrush(colore.darker(112));
    s.p.drawPath(path.translated(1.5, 2));
    QLinearGradient g(0, c.y() - size, 0, c.y() + size * 0.2);
    g.setColorAt(0, colore);
    g.setColorAt(1, colore.darker(108));
    s.p.setBrush(g);
    s.p.drawPath(path);
}

void uccello(Scena& s, QPointF c, qreal size, const QColor& colore)
{
    QPainterPath path(QPointF(c.x() - size, c.y() - size * 0.3));
    path.quadTo(QPointF(c.x() - size * 0.5, c.y() - size * 0.7), c);
    path.quadTo(QPointF(c.x() + size * 0.5, c.y() - size * 0.7), QPointF(c.x() + size, c.y() - size * 0.3));
    s.p.setPen(tratto(colore, std::max<qreal>(1.2, size * 0.22)));
    s.p.setBrush(Qt::NoBrush);
    s.p.drawPath(path);
}

void sole(QPainter& p, QPointF c, qreal r, const QColor& colore)
{
    p.setPen(tratto(colore.lighter(110), 2.5));
    for (int k = 0; k < 12; ++k) {
        const qreal a = k * std::numbers::pi / 6;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * (r + 4), c + QPointF(std::cos(a), std::sin(a)) * (r + 12));
    }
    QRadialGradient g(c, r);
    g.setColorAt(0, QColor(255, 255, 220));
    g.setColorAt(1, colore);
    p.setPen(tratto(colore.darker(120), 1.5));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

// Windows in a grid over a front, shutters of one colour, some lit.
void finestre(Scena& s, const QRectF& fronte, int colonne, int righe, const QColor& imposte, qreal accese)
{
    const qreal w = fronte.width() / colonne, h = fronte.height() / righe;
    for (int r = 0; r < righe; ++r)
        for (int c = 0; c < colonne; ++c) {
            const QRectF f(fronte.left() + c * w + w * 0.28, fronte.top() + r * h + h * 0.2, w * 0.44, h * 0.55);
            s.p.setPen(Qt::NoPen);
            s.p.setBrush(s.u(0, 1) < accese ? QColor(255, 226, 120) : QColor(40, 50, 70));
            s.p.drawRect(f);
            s.p.setBrush(imposte);
            s.p.drawRect(QRectF(f.left() - w * 0.12, f.top(), w * 0.12, f.height()));
            s.p.drawRect(QRectF(f.right(), f.top(), w * 0.12, f.height()));
        }
}

void casa(Scena& s, const QRectF& r, const QColor& muro, const QColor& tetto)
{
    s.p.setPen(tratto(muro.darker(150), 1));
    s.p.setBrush(muro);
    s.p.drawRect(r);
    QPolygonF falda{QPointF(r.left() - 3, r.top()), QPointF(r.center().x(), r.top() - r.width() * 0.28),
                    QPointF(r.right() + 3, r.top())};
    s.p.setBrush(tetto);
    s.p.drawPolygon(falda);
    const int colonne = std::max(1, int(r.width() / 14));
    const int righe = std::max(1, int(r.height() / 17));
    finestre(s, r.adjusted(0, 2, 0, -2), colonne, righe, s.tra(QColor(40, 110, 60), QColor(30, 80, 130)), 0.1);
}

void barca(Scena& s, QPointF c, qreal size, const QColor& scafo, const QColor& vela)
{
    QPainterPath chiglia;
    chiglia.moveTo(c.x() - size, c.y() - size * 0.25);
    chiglia.lineTo(c.x() + size, c.y() - size * 0.25);
    chiglia.lineTo(c.x() + size * 0.7, c.y() + size * 0.15);
    chiglia.lineTo(c.x() - size * 0.7, c.y() + size * 0.15);
    chiglia.closeSubpath();
    s.p.setPen(tratto(scafo.darker(160), 1));
    s.p.setBrush(scafo);
    s.p.drawPath(chiglia);
    s.p.setPen(tratto(QColor(90, 60, 40), 1.2));
    s.p.drawLine(QPointF(c.x(), c.y() - size * 0.25), QPointF(c.x(), c.y() - size * 1.6));
    s.p.setPen(tratto(vela.darker(140), 0.8));
    s.p.setBrush(vela);
    s.p.drawPolygon(QPolygonF{QPointF(c.x() + 1, c.y() - size * 1.55), QPointF(c.x() + size * 0.8, c.y() - size * 0.35),
                              QPointF(c.x() + 1, c.y() - size * 0.35)});
}

void onde(Scena& s, const QRectF& zona, int quante, const QColor& colore)
{
    s.p.setBrush(Qt::NoBrush);
    for (int k = 0; k < quante; ++k) {
        const QPointF c(s.u(zona.left(), zona.right()), s.u(zona.top(), zona.bottom()));
        const qreal w = s.u(5, 12);
        QPainterPath path(c);
        path.quadTo(c + QPointF(w / 2, -3), c + QPointF(w, 0));
        s.p.setPen(tratto(s.mix(colore, Qt::white, s.u(0, 0.5)), 1.1));
        s.p.drawPath(path);
    }
}

void pino(QPainter& p, QPointF base, qreal h, const QColor& verde)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 35));
    p.drawRect(QRectF(base.x() - h * 0.05, base.y() - h * 0.15, h * 0.1, h * 0.15));
    for (int k = 0; k < 3; ++k) {
        const qreal y = base.y() - h * 0.12 - k * h * 0.26;
        const qreal w = h * (0.34 - k * 0.08);
        p.setBrush(k % 2 ? verde : verde.darker(115));
        p.drawPolygon(QPolygonF{QPointF(base.x() - w, y), QPointF(base.x(), y - h * 0.45), QPointF(base.x() + w, y)});
    }
}

void cipresso(QPainter& p, QPointF base, qreal h, const QColor& verde)
{
    QRadialGradient g(base + QPointF(-h * 0.05, -h * 0.6), h * 0.5);
    g.setColorAt(0, verde.lighter(125));
    g.setColorAt(1, verde.darker(130));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    QPainterPath path(base);
    path.cubicTo(base + QPointF(-h * 0.16, -h * 0.3), base + QPointF(-h * 0.08, -h * 0.8), base + QPointF(0, -h));
    path.cubicTo(base + QPointF(h * 0.08, -h * 0.8), base + QPointF(h * 0.16, -h * 0.3), base);
    p.drawPath(path);
}

void fiore(Scena& s, QPointF c, qreal r, const QColor& petali, const QColor& cuore)
{
    s.p.setPen(tratto(QColor(40, 120, 40), 1.2));
    s.p.drawLine(c, c + QPointF(s.u(-2, 2), r * 3));
    s.p.setPen(tratto(petali.darker(140), 0.6));
    s.p.setBrush(petali);
    const int n = 5 + s.i(3);
    const qreal giro = s.u(0, 1);
    for (int k = 0; k < n; ++k) {
        const qreal a = (k + giro) * 2 * std::numbers::pi / n;
        s.p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.75, r * 0.5, r * 0.5);
    }
    s.p.setBrush(cuore);
    s.p.drawEllipse(c, r * 0.45, r * 0.45);
}

void pesce(Scena& s, QPointF c, qreal size, const QColor& colore, bool destra)
{
    s.p.save();
    s.p.translate(c);
    if (!destra)
        s.p.scale(-1, 1);
    QPainterPath corpo;
    corpo.moveTo(size, 0);
    corpo.quadTo(size * 0.2, -size * 0.6, -size * 0.6, 0);
    corpo.quadTo(size * 0.2, size * 0.6, size, 0);
    QPainterPath coda;
    coda.moveTo(-size * 0.5, 0);
    coda.lineTo(-size * 1.05, -size * 0.45);
    coda.lineTo(-size * 1.05, size * 0.45);
    coda.closeSubpath();
    s.p.setPen(tratto(colore.darker(170), 0.9));
    s.p.setBrush(colore.darker(120));
    s.p.drawPath(coda);
    QLinearGradient g(0, -size * 0.5, 0, size * 0.5);
    g.setColorAt(0, colore.lighter(130));
    g.setColorAt(1, colore.darker(115));
    s.p.setBrush(g);
    s.p.drawPath(corpo);
    // Stripes of another colour, so fish of one colour still differ.
    s.p.setPen(tratto(s.mix(colore, Qt::white, 0.6), size * 0.12));
    const int strisce = s.i(3);
    for (int k = 0; k < strisce; ++k)
        s.p.drawLine(QPointF(size * (0.1 - k * 0.25), -size * 0.3), QPointF(size * (0.1 - k * 0.25), size * 0.3));
    s.p.setPen(Qt::NoPen);
    s.p.setBrush(Qt::white);
    s.p.drawEllipse(QPointF(size * 0.55, -size * 0.08), size * 0.14, size * 0.14);
    s.p.setBrush(Qt::black);
    s.p.drawEllipse(QPointF(size * 0.58, -size * 0.08), size * 0.07, size * 0.07);
    s.p.restore();
}

void farfalla(Scena& s, QPointF c, qreal size, const QColor& colore)
{
    s.p.setPen(tratto(colore.darker(180), 0.7));
    s.p.setBrush(colore);
    s.p.drawEllipse(QPointF(c.x() - size * 0.5, c.y() - size * 0.3), size * 0.55, size * 0.45);
    s.p.drawEllipse(QPointF(c.x() + size * 0.5, c.y() - size * 0.3), size * 0.55, size * 0.45);
    s.p.setBrush(colore.lighter(130));
    s.p.drawEllipse(QPointF(c.x() - size * 0.35, c.y() + size * 0.3), size * 0.35, size * 0.3);
    s.p.drawEllipse(QPointF(c.x() + size * 0.35, c.y() + size * 0.3), size * 0.35, size * 0.3);
    s.p.setPen(tratto(QColor(40, 30, 20), 1.4));
    s.p.drawLine(c + QPointF(0, -size * 0.6), c + QPointF(0, size * 0.6));
}

QColor vivace(Scena& s)
{
    return QColor::fromHsvF(float(s.u(0, 1)), float(s.u(0.55, 0.95)), float(s.u(0.75, 1)));
}

}  // namespace assetgen::puzzle
