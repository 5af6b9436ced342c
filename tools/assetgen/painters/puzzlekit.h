#pragma once

// What IL PUZZLE's scenes are drawn with: the scene's unit grid (one scene is
// 365 x 300, a piece 73 x 75), its fixed-seed draws, and the small things that fill
// every piece with details of its own: clouds, birds, houses, boats, fish, flowers.

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRandomGenerator>
#include <QRectF>

#include <functional>

namespace assetgen::puzzle {

constexpr qreal kW = 365, kH = 300;          // one scene
constexpr qreal kPezzoW = 73, kPezzoH = 75;  // one piece

struct Scena {
    QPainter& p;
    QRandomGenerator rng;
    qreal u(qreal a, qreal b) { return a + (b - a) * rng.generateDouble(); }
    int i(int n) { return int(rng.bounded(n)); }
    QColor tra(const QColor& a, const QColor& b) { return mix(a, b, u(0, 1)); }
    static QColor mix(const QColor& a, const QColor& b, qreal t)
    {
        return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                                float(a.greenF() + (b.greenF() - a.greenF()) * t),
                                float(a.blueF() + (b.blueF() - a.blueF()) * t));
    }
    // Calls fn with a point drawn inside each piece whose centre lies between
    // the heights top and bottom, and the piece's row and column.
    void perPezzo(qreal top, qreal bottom, const std::function<void(QPointF, int, int)>& fn, qreal margine = 10)
    {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 5; ++c) {
                const qreal cy = r * kPezzoH + kPezzoH / 2;
                if (cy < top || cy > bottom)
                    continue;
                fn(QPointF(c * kPezzoW + u(margine, kPezzoW - margine), r * kPezzoH + u(margine, kPezzoH - margine)),
                   r, c);
            }
    }
};

// A pen with round caps and joins.
QPen tratto(const QColor& c, qreal w);
// A band from top to bottom, shading from alto to basso.
void cielo(QPainter& p, qreal top, qreal bottom, const QColor& alto, const QColor& basso);
void nuvola(Scena& s, QPointF c, qreal size, const QColor& colore);
void uccello(Scena& s, QPointF c, qreal size, const QColor& colore);
void sole(QPainter& p, QPointF c, qreal r, const QColor& colore);
// Windows in a grid over a front, shutters of one colour, some lit.
void finestre(Scena& s, const QRectF& fronte, int colonne, int righe, const QColor& imposte, qreal accese);
void casa(Scena& s, const QRectF& r, const QColor& muro, const QColor& tetto);
void barca(Scena& s, QPointF c, qreal size, const QColor& scafo, const QColor& vela);
void onde(Scena& s, const QRectF& zona, int quante, const QColor& colore);
void pino(QPainter& p, QPointF base, qreal h, const QColor& verde);
void cipresso(QPainter& p, QPointF base, qreal h, const QColor& verde);
void fiore(Scena& s, QPointF c, qreal r, const QColor& petali, const QColor& cuore);
void pesce(Scena& s, QPointF c, qreal size, const QColor& colore, bool destra);
void farfalla(Scena& s, QPointF c, qreal size, const QColor& colore);
// A bright colour of any hue.
QColor vivace(Scena& s);

}  // namespace assetgen::puzzle
