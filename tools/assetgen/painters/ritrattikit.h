#pragma once

// What the song drawings share: plain black strokes on white, drawn on a cell of
// 150 x 100 units with the ground at y = 90, no shading and no smoothing, so the
// strip stays two colours. The figures are simple: a stick person in a few
// poses, a few animals and things that come back in several titles.

#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <initializer_list>

namespace assetgen::ritratti {

constexpr qreal kLarghezza = 150;
constexpr qreal kAltezza = 100;
constexpr qreal kSuolo = 90;
constexpr qreal kTratto = 2.2;

// Stroke only, or filled black.
void linea(QPainter& p, qreal x1, qreal y1, qreal x2, qreal y2, qreal tratto = kTratto);
void spezzata(QPainter& p, std::initializer_list<QPointF> punti, qreal tratto = kTratto);
void poligono(QPainter& p, std::initializer_list<QPointF> punti, bool pieno = false);
void cerchio(QPainter& p, QPointF centro, qreal r, bool pieno = false);
void ellisse(QPainter& p, QPointF centro, qreal rx, qreal ry, bool pieno = false);
void rettangolo(QPainter& p, qreal x, qreal y, qreal w, qreal h, bool pieno = false);
void tracciato(QPainter& p, const QPainterPath& path, bool pieno = false);
// A white shape with a black outline, hiding what lies under it.
void coprente(QPainter& p, const QPainterPath& path);

// A standing stick person, feet at piedi, h tall; the arms at the given angles
// in degrees from the shoulder (0 out sideways, 90 straight up, -70 hanging).
struct Persona {
    QPointF testa;
    qreal raggio = 0;
    QPointF spalle, anca;
    QPointF manoS, manoD;   // the left and right hand as seen
};
Persona persona(QPainter& p, QPointF piedi, qreal h, qreal bracciaS = -60, qreal bracciaD = -60);
// Seated on something at quota (its seat's height), facing right.
Persona seduta(QPainter& p, QPointF sedile, qreal h);
// A flat hat, a top hat, a peaked cap and a pointed cap on a head.
void cappello(QPainter& p, const Persona& c, int tipo);

void anatra(QPainter& p, QPointF centro, qreal s, bool versoDestra = true);
void gatto(QPainter& p, QPointF piedi, qreal s);
void cuore(QPainter& p, QPointF centro, qreal s, bool pieno = false);
void stella(QPainter& p, QPointF centro, qreal r, bool pieno = true);
void nuvola(QPainter& p, QPointF centro, qreal s);
void sole(QPainter& p, QPointF centro, qreal r);
void luna(QPainter& p, QPointF centro, qreal r);
void nota(QPainter& p, QPointF testa, qreal s, bool doppia = false);
void onde(QPainter& p, qreal y, qreal x1, qreal x2, qreal passo = 10);
void fiore(QPainter& p, QPointF base, qreal h, bool papavero = false);
void albero(QPainter& p, QPointF base, qreal h);
// A clock face with its two hands and no figures.
void orologio(QPainter& p, QPointF centro, qreal r, qreal oreGradi, qreal minutiGradi);
void suolo(QPainter& p);

}  // namespace assetgen::ritratti

namespace assetgen::ritratti {
// The drawing of title k on a cell of kLarghezza x kAltezza units: titles 1 to
// 25 in ritratti.cpp, 26 to 50 in ritratti2.cpp.
void disegnaPrimi(QPainter& p, int k);
void disegnaUltimi(QPainter& p, int k);
}  // namespace assetgen::ritratti
