#include "painters/ritrattikit.h"

#include <QPen>

#include <cmath>
#include <numbers>

namespace assetgen::ritratti {

namespace {
QPen penna(qreal tratto)
{
    return QPen(Qt::black, tratto, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}
void inchiostro(QPainter& p, bool pieno, qreal tratto = kTratto)
{
    p.setPen(penna(tratto));
    p.setBrush(pieno ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
}
QPointF polare(QPointF da, qreal lunghezza, qreal gradi)
{
    const qreal a = gradi * std::numbers::pi / 180;
    return da + QPointF(std::cos(a) * lunghezza, -std::sin(a) * lunghezza);
}
}  // namespace

void linea(QPainter& p, qreal x1, qreal y1, qreal x2, qreal y2, qreal tratto)
{
    inchiostro(p, false, tratto);
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void spezzata(QPainter& p, std::initializer_list<QPointF> punti, qreal tratto)
{
    inchiostro(p, false, tratto);
    p.drawPolyline(punti.begin(), int(punti.size()));
}

void poligono(QPainter& p, std::initializer_list<QPointF> punti, bool pieno)
{
    inchiostro(p, pieno);
    p.drawPolygon(punti.begin(), int(punti.size()));
}

void cerchio(QPainter& p, QPointF centro, qreal r, bool pieno) { ellisse(p, centro, r, r, pieno); }

void ellisse(QPainter& p, QPointF centro, qreal rx, qreal ry, bool pieno)
{
    inchiostro(p, pieno);
    p.drawEllipse(centro, rx, ry);
}

void rettangolo(QPainter& p, qreal x, qreal y, qreal w, qreal h, bool pieno)
{
    inchiostro(p, pieno);
    p.drawRect(QRectF(x, y, w, h));
}

void tracciato(QPainter& p, const QPainterPath& path, bool pieno)
{
    inchiostro(p, pieno);
    p.drawPath(path);
}

void coprente(QPainter& p, const QPainterPath& path)
{
    p.setPen(penna(kTratto));
    p.setBrush(Qt::white);
    p.drawPath(path);
}

Persona persona(QPainter& p, QPointF piedi, qreal h, qreal bracciaS, qreal bracciaD)
{
    Persona c;
    c.raggio = h * 0.12;
    c.anca = piedi - QPointF(0, h * 0.45);
    c.spalle = piedi - QPointF(0, h * 0.76);
    c.testa = piedi - QPointF(0, h - c.raggio);
    const qreal braccio = h * 0.32;
    c.manoS = polare(c.spalle, braccio, 180 - bracciaS);
    c.manoD = polare(c.spalle, braccio, bracciaD);
    cerchio(p, c.testa, c.raggio);
    linea(p, c.testa.x(), c.testa.y() + c.raggio, c.anca.x(), c.anca.y());
    spezzata(p, {c.manoS, c.spalle, c.manoD});
    spezzata(p, {piedi - QPointF(h * 0.14, 0), c.anca, piedi + QPointF(h * 0.14, 0)});
    return c;
}

Persona seduta(QPainter& p, QPointF sedile, qreal h)
{
    Persona c;
    c.raggio = h * 0.12;
    c.anca = sedile;
    c.spalle = sedile - QPointF(0, h * 0.31);
    c.testa = sedile - QPointF(0, h * 0.55 - c.raggio);
    c.manoS = c.spalle + QPointF(h * 0.22, h * 0.12);
    c.manoD = c.manoS;
    cerchio(p, c.testa, c.raggio);
    linea(p, c.testa.x(), c.testa.y() + c.raggio, c.anca.x(), c.anca.y());
    spezzata(p, {c.spalle, c.manoS});
    const QPointF ginocchio = sedile + QPointF(h * 0.2, 0);
    spezzata(p, {sedile, ginocchio, ginocchio + QPointF(0, h * 0.28)});
    return c;
}

void cappello(QPainter& p, const Persona& c, int tipo)
{
    const QPointF t = c.testa;
    const qreal r = c.raggio;
    switch (tipo) {
    case 0:   // a flat hat with a wide brim
        linea(p, t.x() - r * 1.7, t.y() - r * 0.7, t.x() + r * 1.7, t.y() - r * 0.7);
        rettangolo(p, t.x() - r * 0.8, t.y() - r * 1.5, r * 1.6, r * 0.8, true);
        break;
    case 1:   // a top hat
        linea(p, t.x() - r * 1.4, t.y() - r * 0.8, t.x() + r * 1.4, t.y() - r * 0.8);
        rettangolo(p, t.x() - r * 0.8, t.y() - r * 2.6, r * 1.6, r * 1.8, true);
        break;
    case 2:   // a peaked cap
        poligono(p, {t + QPointF(-r, -r * 0.5), t + QPointF(-r * 0.8, -r * 1.5), t + QPointF(r, -r * 1.5),
                     t + QPointF(r, -r * 0.5)}, true);
        linea(p, t.x() + r, t.y() - r * 0.5, t.x() + r * 2, t.y() - r * 0.4);
        break;
    default:   // a pointed cap with a feather
        poligono(p, {t + QPointF(-r * 1.1, -r * 0.5), t + QPointF(r * 1.8, -r * 2.2), t + QPointF(r * 1.1, -r * 0.5)},
                 true);
        linea(p, t.x() + r * 0.2, t.y() - r * 1.2, t.x() - r * 0.6, t.y() - r * 2.6);
        break;
    }
}

void anatra(QPainter& p, QPointF centro, qreal s, bool versoDestra)
{
    const qreal d = versoDestra ? 1 : -1;
    QPainterPath corpo;
    corpo.moveTo(centro + QPointF(-d * s, -s * 0.2));
    corpo.quadTo(centro + QPointF(-d * s * 0.2, s * 0.7), centro + QPointF(d * s * 0.8, 0));
    corpo.quadTo(centro + QPointF(d * s * 0.3, -s * 0.3), centro + QPointF(-d * s, -s * 0.2));
    tracciato(p, corpo);
    const QPointF testa = centro + QPointF(d * s * 0.55, -s * 0.6);
    linea(p, testa.x(), testa.y(), centro.x() + d * s * 0.45, centro.y() - s * 0.15);
    cerchio(p, testa, s * 0.28);
    poligono(p, {testa + QPointF(d * s * 0.22, -s * 0.05), testa + QPointF(d * s * 0.65, s * 0.08),
                 testa + QPointF(d * s * 0.22, s * 0.15)}, true);
    cerchio(p, testa + QPointF(d * s * 0.08, -s * 0.06), s * 0.04, true);
}

void gatto(QPainter& p, QPointF piedi, qreal s)
{
    // Sitting, seen from the front: a pear of a body, a round head with two
    // pointed ears and whiskers, the tail curled round on the ground.
    QPainterPath corpo;
    corpo.moveTo(piedi + QPointF(-s * 0.5, 0));
    corpo.cubicTo(piedi + QPointF(-s * 0.6, -s * 0.7), piedi + QPointF(-s * 0.2, -s * 0.9), piedi + QPointF(0, -s * 0.9));
    corpo.cubicTo(piedi + QPointF(s * 0.2, -s * 0.9), piedi + QPointF(s * 0.6, -s * 0.7), piedi + QPointF(s * 0.5, 0));
    corpo.closeSubpath();
    tracciato(p, corpo);
    const QPointF t = piedi + QPointF(0, -s * 1.15);
    const qreal r = s * 0.33;
    cerchio(p, t, r);
    poligono(p, {t + QPointF(-r * 0.9, -r * 0.4), t + QPointF(-r * 0.8, -r * 1.5), t + QPointF(-r * 0.2, -r * 0.95)}, true);
    poligono(p, {t + QPointF(r * 0.9, -r * 0.4), t + QPointF(r * 0.8, -r * 1.5), t + QPointF(r * 0.2, -r * 0.95)}, true);
    cerchio(p, t + QPointF(-r * 0.35, -r * 0.1), r * 0.13, true);
    cerchio(p, t + QPointF(r * 0.35, -r * 0.1), r * 0.13, true);
    for (const qreal dy : {0.2, 0.45}) {
        linea(p, t.x() - r * 0.3, t.y() + r * 0.3, t.x() - r * 1.5, t.y() + r * dy, 1.2);
        linea(p, t.x() + r * 0.3, t.y() + r * 0.3, t.x() + r * 1.5, t.y() + r * dy, 1.2);
    }
    QPainterPath coda;
    coda.moveTo(piedi + QPointF(s * 0.45, -s * 0.05));
    coda.quadTo(piedi + QPointF(s * 1.1, 0), piedi + QPointF(s * 0.95, -s * 0.6));
    tracciato(p, coda);
}

void cuore(QPainter& p, QPointF c, qreal s, bool pieno)
{
    QPainterPath path;
    path.moveTo(c + QPointF(0, s));
    path.cubicTo(c + QPointF(-s * 1.4, -s * 0.1), c + QPointF(-s * 0.6, -s * 1.2), c + QPointF(0, -s * 0.45));
    path.cubicTo(c + QPointF(s * 0.6, -s * 1.2), c + QPointF(s * 1.4, -s * 0.1), c + QPointF(0, s));
    tracciato(p, path, pieno);
}

void stella(QPainter& p, QPointF c, qreal r, bool pieno)
{
    QPolygonF punte;
    for (int i = 0; i < 10; ++i)
        punte << polare(c, i % 2 ? r * 0.42 : r, 90 + i * 36);
    p.setPen(penna(1.2));
    p.setBrush(pieno ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
    p.drawPolygon(punte);
}

void nuvola(QPainter& p, QPointF c, qreal s)
{
    QPainterPath path;
    path.addEllipse(c + QPointF(-s * 0.6, 0), s * 0.5, s * 0.35);
    path.addEllipse(c + QPointF(0, -s * 0.2), s * 0.55, s * 0.45);
    path.addEllipse(c + QPointF(s * 0.6, 0), s * 0.5, s * 0.35);
    coprente(p, path.simplified());
}

void sole(QPainter& p, QPointF c, qreal r)
{
    cerchio(p, c, r);
    for (int i = 0; i < 8; ++i) {
        const QPointF a = polare(c, r * 1.35, i * 45);
        const QPointF b = polare(c, r * 1.8, i * 45);
        linea(p, a.x(), a.y(), b.x(), b.y());
    }
}

void luna(QPainter& p, QPointF c, qreal r)
{
    QPainterPath tonda;
    tonda.addEllipse(c, r, r);
    QPainterPath morso;
    morso.addEllipse(c + QPointF(r * 0.55, -r * 0.25), r * 0.9, r * 0.9);
    tracciato(p, tonda.subtracted(morso), true);
}

void nota(QPainter& p, QPointF testa, qreal s, bool doppia)
{
    p.save();
    p.translate(testa);
    p.rotate(-20);
    ellisse(p, {}, s * 0.38, s * 0.26, true);
    p.restore();
    const QPointF asta = testa + QPointF(s * 0.33, -s * 0.1);
    linea(p, asta.x(), asta.y(), asta.x(), asta.y() - s * 1.4);
    if (doppia) {
        const QPointF altra = testa + QPointF(s * 1.1, -s * 0.2);
        p.save();
        p.translate(altra);
        p.rotate(-20);
        ellisse(p, {}, s * 0.38, s * 0.26, true);
        p.restore();
        linea(p, altra.x() + s * 0.33, altra.y() - s * 0.1, altra.x() + s * 0.33, altra.y() - s * 1.5);
        poligono(p, {asta + QPointF(0, -s * 1.4), altra + QPointF(s * 0.33, -s * 1.5), altra + QPointF(s * 0.33, -s * 1.2),
                     asta + QPointF(0, -s * 1.1)}, true);
    } else {
        QPainterPath bandiera;
        bandiera.moveTo(asta + QPointF(0, -s * 1.4));
        bandiera.quadTo(asta + QPointF(s * 0.6, -s * 1.0), asta + QPointF(s * 0.45, -s * 0.6));
        tracciato(p, bandiera);
    }
}

void onde(QPainter& p, qreal y, qreal x1, qreal x2, qreal passo)
{
    QPainterPath path;
    path.moveTo(x1, y);
    for (qreal x = x1; x < x2; x += passo)
        path.quadTo(x + passo / 2, y - passo * 0.45, std::min(x + passo, x2), y);
    tracciato(p, path);
}

void fiore(QPainter& p, QPointF base, qreal h, bool papavero)
{
    const QPointF c = base - QPointF(0, h);
    linea(p, base.x(), base.y(), c.x(), c.y());
    const qreal r = h * 0.16;
    if (papavero) {
        // Four wide petals round a black heart.
        for (int i = 0; i < 4; ++i)
            ellisse(p, polare(c, r * 0.9, 45 + i * 90), r * 0.85, r * 0.85);
        cerchio(p, c, r * 0.55, true);
    } else {
        for (int i = 0; i < 6; ++i)
            cerchio(p, polare(c, r * 1.1, i * 60), r * 0.55);
        cerchio(p, c, r * 0.5, true);
    }
    QPainterPath foglia;
    const QPointF f = base - QPointF(0, h * 0.35);
    foglia.moveTo(f);
    foglia.quadTo(f + QPointF(h * 0.25, -h * 0.2), f + QPointF(h * 0.3, -h * 0.05));
    foglia.quadTo(f + QPointF(h * 0.15, h * 0.08), f);
    tracciato(p, foglia, true);
}

void albero(QPainter& p, QPointF base, qreal h)
{
    rettangolo(p, base.x() - h * 0.06, base.y() - h * 0.45, h * 0.12, h * 0.45, true);
    QPainterPath chioma;
    chioma.addEllipse(base - QPointF(0, h * 0.7), h * 0.32, h * 0.3);
    chioma.addEllipse(base - QPointF(h * 0.22, h * 0.55), h * 0.2, h * 0.17);
    chioma.addEllipse(base - QPointF(-h * 0.22, h * 0.55), h * 0.2, h * 0.17);
    coprente(p, chioma.simplified());
}

void orologio(QPainter& p, QPointF c, qreal r, qreal oreGradi, qreal minutiGradi)
{
    cerchio(p, c, r);
    for (int i = 0; i < 12; ++i) {
        const QPointF a = polare(c, r * 0.82, i * 30);
        const QPointF b = polare(c, r * 0.95, i * 30);
        linea(p, a.x(), a.y(), b.x(), b.y(), 1.2);
    }
    const QPointF o = polare(c, r * 0.5, 90 - oreGradi);
    const QPointF m = polare(c, r * 0.78, 90 - minutiGradi);
    linea(p, c.x(), c.y(), o.x(), o.y(), 3);
    linea(p, c.x(), c.y(), m.x(), m.y(), 2);
}

void suolo(QPainter& p) { linea(p, 4, kSuolo, kLarghezza - 4, kSuolo); }

}  // namespace assetgen::ritratti
