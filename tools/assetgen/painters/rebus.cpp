// The pictures of IL REBUS. The letter strip holds two drawings for each of the
// 19 letters A B C D E F G I L M N O P R S T U V Z, 2 rows of 19 cells of
// 115 x 115 numbered in reading order: cells 2j and 2j + 1 are two things whose
// Italian names begin with letter j, so a contestant reads a phrase off the
// grid by naming what he sees. No cell shows a letter:
//   A ape, albero          B barca, banana       C casa, cuore
//   D dado, diamante       E elica, erba         F fiore, fungo
//   G gelato, goccia       I igloo, isola        L luna, limone
//   M mela, martello       N nave, nuvola        O orologio, ombrello
//   P pera, pesce          R razzo, ruota        S sole, stella
//   T tazza, tenda         U uovo, uva           V vaso, vulcano
//   Z zucca, zaino
// Each thing is one bold shape in its own colours with a dark outline, on a
// light tile with the edition's border, so it reads at the grid's 46 pixels.
// The apostrophe is a plain tile with a large dark comma-shaped mark up high,
// unlike any thing; the decoration is a magnifying glass over a page of tiles.
//
// Parameters: disegno = striscia (the strip), apostrofo or lente.

#include "painters/painter.h"
#include "painters/spritekit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <functional>
#include <numbers>

namespace assetgen {

namespace {

using sprite::ellipse;
using sprite::pen;

constexpr qreal kGrid = 100;
const QColor kInk(0x30, 0x24, 0x20);
constexpr int kCelle = 38;

// The tile's border by edition: blue, red, green, purple.
QColor bordo(int edition)
{
    static const std::array<QColor, 4> colori = {QColor(0x2a, 0x5c, 0xb8), QColor(0xb8, 0x34, 0x2a),
                                                 QColor(0x2e, 0x8a, 0x3e), QColor(0x7a, 0x3a, 0xa8)};
    return colori[std::size_t((edition - 1) % 4)];
}

void tessera(QPainter& p, int edition)
{
    p.setPen(pen(bordo(edition), 4));
    p.setBrush(QColor(0xfb, 0xf6, 0xe8));
    p.drawRoundedRect(QRectF(3, 3, 94, 94), 10, 10);
}

void forma(QPainter& p, const QPainterPath& path, const QColor& colore, qreal linea = 3)
{
    p.setPen(pen(kInk, linea));
    p.setBrush(sprite::rounded(path, colore));
    p.drawPath(path);
}

void tratto(QPainter& p, const QPainterPath& path, const QColor& colore, qreal linea)
{
    p.setPen(pen(colore, linea));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QPainterPath rett(qreal x, qreal y, qreal w, qreal h, qreal r = 0)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPainterPath poligono(std::initializer_list<QPointF> punti)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(punti)));
    path.closeSubpath();
    return path;
}

QPainterPath linea(QPointF a, QPointF b)
{
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

QPainterPath cuore(QPointF c, qreal r)
{
    QPainterPath path(QPointF(c.x(), c.y() + r));
    path.cubicTo(c.x() - r * 1.5, c.y() - r * 0.1, c.x() - r * 0.8, c.y() - r * 1.3, c.x(), c.y() - r * 0.5);
    path.cubicTo(c.x() + r * 0.8, c.y() - r * 1.3, c.x() + r * 1.5, c.y() - r * 0.1, c.x(), c.y() + r);
    return path;
}

QPainterPath foglia(QPointF base, QPointF punta, qreal larghezza)
{
    const QPointF d = punta - base;
    const QPointF n(-d.y() * larghezza, d.x() * larghezza);
    const QPointF m = (base + punta) / 2;
    QPainterPath path(base);
    path.quadTo(m + n, punta);
    path.quadTo(m - n, base);
    return path;
}

// --- The 38 things, each in the 100 x 100 grid of its tile --------------------

void ape(QPainter& p)
{
    p.save();
    p.translate(50, 50);
    p.scale(1.25, 1.25);
    p.translate(-52, -52);
    forma(p, ellipse({40, 35}, 14, 10).united(ellipse({60, 33}, 14, 10)), QColor(0xe0, 0xf0, 0xff));
    forma(p, ellipse({50, 58}, 26, 17), QColor(0xf2, 0xc0, 0x1a));
    p.setPen(pen(kInk, 6));
    for (qreal x : {42.0, 55.0})
        p.drawLine(QPointF(x, 43), QPointF(x, 73));
    forma(p, ellipse({23, 56}, 8, 8), kInk.lighter(150));
    tratto(p, linea({20, 48}, {14, 38}), kInk, 2.5);
    tratto(p, poligono({{76, 56}, {86, 58}, {76, 61}}), kInk, 2.5);
    p.restore();
}

void albero(QPainter& p)
{
    forma(p, rett(44, 55, 12, 35, 2), QColor(0x8a, 0x58, 0x30));
    forma(p, ellipse({50, 36}, 30, 26).united(ellipse({34, 50}, 16, 13)).united(ellipse({66, 50}, 16, 13)),
          QColor(0x3c, 0xa8, 0x3c));
}

void barca(QPainter& p)
{
    tratto(p, linea({50, 14}, {50, 64}), kInk, 4);
    forma(p, poligono({{53, 18}, {53, 60}, {80, 60}}), QColor(0xf4, 0xf4, 0xf4));
    forma(p, poligono({{47, 24}, {47, 60}, {26, 60}}), QColor(0xe8, 0x4a, 0x3a));
    forma(p, poligono({{12, 64}, {88, 64}, {76, 82}, {24, 82}}), QColor(0x9a, 0x60, 0x34));
    tratto(p, linea({8, 90}, {92, 90}), QColor(0x3a, 0x7a, 0xd8), 4);
}

void banana(QPainter& p)
{
    QPainterPath path(QPointF(18, 30));
    path.cubicTo(22, 80, 70, 92, 88, 62);
    path.cubicTo(70, 76, 36, 70, 28, 28);
    path.closeSubpath();
    forma(p, path, QColor(0xf6, 0xd8, 0x2a));
    forma(p, rett(17, 22, 11, 10, 2), QColor(0x6a, 0x50, 0x20));
}

void casa(QPainter& p)
{
    forma(p, rett(22, 46, 56, 42), QColor(0xf0, 0xd8, 0xa8));
    forma(p, poligono({{14, 50}, {50, 16}, {86, 50}}), QColor(0xc8, 0x3c, 0x2c));
    forma(p, rett(43, 62, 14, 26), QColor(0x8a, 0x58, 0x30));
    forma(p, rett(28, 56, 11, 11), QColor(0x9c, 0xd4, 0xf4), 2);
    forma(p, rett(61, 56, 11, 11), QColor(0x9c, 0xd4, 0xf4), 2);
}

void cuoreDisegno(QPainter& p) { forma(p, cuore({50, 50}, 34), QColor(0xe0, 0x24, 0x3c)); }

void dado(QPainter& p)
{
    forma(p, rett(20, 20, 60, 60, 10), QColor(0xfa, 0xfa, 0xfa));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (QPointF c : {QPointF(34, 34), QPointF(50, 50), QPointF(66, 66), QPointF(66, 34), QPointF(34, 66)})
        p.drawEllipse(c, 6, 6);
}

void diamante(QPainter& p)
{
    forma(p, poligono({{22, 38}, {36, 20}, {64, 20}, {78, 38}, {50, 84}}), QColor(0x80, 0xd8, 0xf0));
    p.setPen(pen(kInk, 2));
    p.drawLine(QPointF(22, 38), QPointF(78, 38));
    p.drawLine(QPointF(40, 38), QPointF(50, 84));
    p.drawLine(QPointF(60, 38), QPointF(50, 84));
    p.drawLine(QPointF(36, 20), QPointF(40, 38));
    p.drawLine(QPointF(64, 20), QPointF(60, 38));
}

void elica(QPainter& p)
{
    const QColor colore(0x5a, 0x8c, 0xc8);
    for (int k = 0; k < 3; ++k) {
        const qreal a = (-90 + 120 * k) * std::numbers::pi / 180;
        forma(p, foglia({50, 50}, {50 + 38 * std::cos(a), 50 + 38 * std::sin(a)}, 0.28), colore);
    }
    forma(p, ellipse({50, 50}, 9, 9), QColor(0xb0, 0xb0, 0xb8));
}

void erba(QPainter& p)
{
    const QColor verde(0x4c, 0xb0, 0x3c);
    for (int k = 0; k < 7; ++k) {
        const qreal x = 18 + k * 11;
        const qreal piega = (k % 2 ? 8 : -6);
        forma(p, foglia({x, 86}, {x + piega, 22.0 + (k % 3) * 10}, 0.1), verde, 2.5);
    }
}

void fiore(QPainter& p)
{
    tratto(p, linea({50, 56}, {50, 92}), QColor(0x3c, 0x90, 0x3c), 5);
    for (int k = 0; k < 6; ++k) {
        const qreal a = k * std::numbers::pi / 3;
        forma(p, ellipse({50 + 18 * std::cos(a), 40 + 18 * std::sin(a)}, 11, 11), QColor(0xf0, 0x70, 0xb0), 2.5);
    }
    forma(p, ellipse({50, 40}, 11, 11), QColor(0xf6, 0xd0, 0x2a));
}

void fungo(QPainter& p)
{
    forma(p, rett(40, 50, 20, 38, 6), QColor(0xf4, 0xec, 0xdc));
    QPainterPath cappello(QPointF(12, 54));
    cappello.cubicTo(14, 12, 86, 12, 88, 54);
    cappello.closeSubpath();
    forma(p, cappello, QColor(0xd8, 0x2c, 0x24));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (QPointF c : {QPointF(34, 36), QPointF(56, 28), QPointF(70, 44), QPointF(46, 46)})
        p.drawEllipse(c, 5, 5);
}

void gelato(QPainter& p)
{
    forma(p, poligono({{30, 46}, {70, 46}, {50, 94}}), QColor(0xd8, 0xa0, 0x58));
    forma(p, ellipse({50, 28}, 16, 14), QColor(0xf0, 0x9c, 0xc0));
    forma(p, ellipse({40, 44}, 16, 12).united(ellipse({60, 44}, 16, 12)), QColor(0xf8, 0xf0, 0xd8));
}

void goccia(QPainter& p)
{
    QPainterPath path(QPointF(50, 10));
    path.cubicTo(62, 36, 80, 50, 80, 66);
    path.cubicTo(80, 84, 64, 92, 50, 92);
    path.cubicTo(36, 92, 20, 84, 20, 66);
    path.cubicTo(20, 50, 38, 36, 50, 10);
    forma(p, path, QColor(0x3c, 0x96, 0xe8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(38, 66), 5, 9);
}

void igloo(QPainter& p)
{
    QPainterPath cupola(QPointF(12, 78));
    cupola.cubicTo(12, 20, 88, 20, 88, 78);
    cupola.closeSubpath();
    forma(p, cupola, QColor(0xe8, 0xf4, 0xfc));
    p.setPen(pen(QColor(0x80, 0xa8, 0xc8), 2));
    for (qreal y : {48.0, 62.0})
        p.drawLine(QPointF(16, y), QPointF(84, y));
    QPainterPath porta(QPointF(40, 78));
    porta.cubicTo(40, 56, 60, 56, 60, 78);
    porta.closeSubpath();
    forma(p, porta, QColor(0x30, 0x40, 0x58));
}

void isola(QPainter& p)
{
    tratto(p, linea({4, 84}, {96, 84}), QColor(0x3a, 0x7a, 0xd8), 6);
    QPainterPath sabbia(QPointF(18, 82));
    sabbia.cubicTo(30, 62, 70, 62, 82, 82);
    sabbia.closeSubpath();
    forma(p, sabbia, QColor(0xf0, 0xd8, 0x90));
    QPainterPath tronco(QPointF(50, 70));
    tronco.quadTo(46, 46, 56, 28);
    tratto(p, tronco, QColor(0x8a, 0x58, 0x30), 6);
    for (QPointF punta : {QPointF(30, 30), QPointF(40, 16), QPointF(74, 18), QPointF(82, 34)})
        forma(p, foglia({56, 28}, punta, 0.22), QColor(0x3c, 0xa8, 0x3c), 2.5);
}

void luna(QPainter& p)
{
    forma(p, ellipse({50, 50}, 36, 36).subtracted(ellipse({66, 40}, 30, 30)), QColor(0xf6, 0xe0, 0x6a));
}

void limone(QPainter& p)
{
    QPainterPath path(QPointF(12, 52));
    path.cubicTo(24, 24, 76, 24, 88, 52);
    path.cubicTo(76, 80, 24, 80, 12, 52);
    forma(p, path, QColor(0xf4, 0xe4, 0x30));
    forma(p, foglia({54, 30}, {74, 14}, 0.3), QColor(0x3c, 0xa8, 0x3c), 2.5);
}

void mela(QPainter& p)
{
    tratto(p, linea({50, 32}, {54, 14}), QColor(0x6a, 0x48, 0x20), 4);
    forma(p, ellipse({38, 58}, 24, 28).united(ellipse({62, 58}, 24, 28)), QColor(0xd8, 0x28, 0x28));
    forma(p, foglia({54, 22}, {76, 16}, 0.3), QColor(0x3c, 0xa8, 0x3c), 2.5);
}

void martello(QPainter& p)
{
    p.save();
    p.translate(50, 50);
    p.rotate(-35);
    forma(p, rett(-5, -16, 10, 58, 3), QColor(0xb0, 0x7c, 0x44));
    forma(p, rett(-24, -30, 48, 16, 3), QColor(0x88, 0x8c, 0x98));
    p.restore();
}

void nave(QPainter& p)
{
    forma(p, rett(34, 26, 10, 18), QColor(0xd8, 0x3c, 0x2c));
    forma(p, rett(54, 26, 10, 18), QColor(0xd8, 0x3c, 0x2c));
    forma(p, rett(24, 42, 52, 16), QColor(0xf4, 0xf4, 0xf4));
    forma(p, poligono({{8, 58}, {92, 58}, {80, 80}, {18, 80}}), QColor(0x24, 0x3c, 0x78));
    tratto(p, linea({4, 88}, {96, 88}), QColor(0x3a, 0x7a, 0xd8), 4);
}

void nuvola(QPainter& p)
{
    forma(p,
          ellipse({34, 58}, 20, 16).united(ellipse({56, 46}, 22, 20)).united(ellipse({72, 60}, 16, 14)).united(
              rett(22, 58, 58, 16, 8)),
          QColor(0xf0, 0xf4, 0xfa));
}

void orologio(QPainter& p)
{
    forma(p, ellipse({50, 50}, 38, 38), QColor(0xf8, 0xf8, 0xf0), 5);
    p.setPen(pen(kInk, 3));
    for (int k = 0; k < 12; ++k) {
        const qreal a = k * std::numbers::pi / 6;
        p.drawLine(QPointF(50 + 30 * std::cos(a), 50 + 30 * std::sin(a)),
                   QPointF(50 + 34 * std::cos(a), 50 + 34 * std::sin(a)));
    }
    p.setPen(pen(kInk, 5));
    p.drawLine(QPointF(50, 50), QPointF(50, 26));
    p.drawLine(QPointF(50, 50), QPointF(68, 58));
}

void ombrello(QPainter& p)
{
    QPainterPath manico(QPointF(50, 40));
    manico.lineTo(50, 80);
    manico.quadTo(50, 90, 42, 88);
    tratto(p, manico, kInk, 5);
    QPainterPath tela(QPointF(10, 50));
    tela.cubicTo(14, 10, 86, 10, 90, 50);
    tela.quadTo(77, 42, 63, 50);
    tela.quadTo(50, 42, 37, 50);
    tela.quadTo(23, 42, 10, 50);
    forma(p, tela, QColor(0x2c, 0x64, 0xd0));
}

void pera(QPainter& p)
{
    tratto(p, linea({50, 24}, {54, 10}), QColor(0x6a, 0x48, 0x20), 4);
    forma(p, ellipse({50, 34}, 14, 14).united(ellipse({50, 64}, 26, 26)), QColor(0xa8, 0xcc, 0x3c));
}

void pesce(QPainter& p)
{
    forma(p, poligono({{66, 50}, {92, 30}, {92, 70}}), QColor(0xf0, 0x8c, 0x2c));
    forma(p, ellipse({42, 50}, 32, 20), QColor(0xf0, 0x8c, 0x2c));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(24, 45), 4, 4);
}

void razzo(QPainter& p)
{
    p.save();
    p.translate(50, 50);
    p.rotate(35);
    forma(p, poligono({{-10, 20}, {-22, 36}, {-10, 32}}).united(poligono({{10, 20}, {22, 36}, {10, 32}})),
          QColor(0xd8, 0x2c, 0x24));
    QPainterPath corpo(QPointF(0, -42));
    corpo.cubicTo(16, -26, 14, 10, 10, 32);
    corpo.lineTo(-10, 32);
    corpo.cubicTo(-14, 10, -16, -26, 0, -42);
    forma(p, corpo, QColor(0xe8, 0xe8, 0xf0));
    forma(p, ellipse({0, -10}, 6, 6), QColor(0x5a, 0xb4, 0xf0), 2.5);
    forma(p, poligono({{-6, 34}, {6, 34}, {0, 46}}), QColor(0xf6, 0xa0, 0x20), 2);
    p.restore();
}

void ruota(QPainter& p)
{
    forma(p, ellipse({50, 50}, 38, 38).subtracted(ellipse({50, 50}, 26, 26)), QColor(0x40, 0x40, 0x44));
    p.setPen(pen(QColor(0x90, 0x90, 0x98), 4));
    for (int k = 0; k < 6; ++k) {
        const qreal a = k * std::numbers::pi / 3;
        p.drawLine(QPointF(50, 50), QPointF(50 + 26 * std::cos(a), 50 + 26 * std::sin(a)));
    }
    forma(p, ellipse({50, 50}, 8, 8), QColor(0xb0, 0xb0, 0xb8));
}

void sole(QPainter& p)
{
    p.setPen(pen(QColor(0xf0, 0x9c, 0x1c), 5));
    for (int k = 0; k < 12; ++k) {
        const qreal a = k * std::numbers::pi / 6;
        p.drawLine(QPointF(50 + 28 * std::cos(a), 50 + 28 * std::sin(a)),
                   QPointF(50 + 42 * std::cos(a), 50 + 42 * std::sin(a)));
    }
    forma(p, ellipse({50, 50}, 22, 22), QColor(0xf8, 0xd0, 0x2a));
}

QPainterPath stellaPath(QPointF c, qreal fuori, qreal dentro)
{
    QPainterPath path;
    for (int k = 0; k < 10; ++k) {
        const qreal a = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        const qreal r = k % 2 ? dentro : fuori;
        const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (k == 0)
            path.moveTo(q);
        else
            path.lineTo(q);
    }
    path.closeSubpath();
    return path;
}

void stella(QPainter& p) { forma(p, stellaPath({50, 53}, 42, 18), QColor(0xf6, 0xc8, 0x1c)); }

void tazza(QPainter& p)
{
    tratto(p, ellipse({72, 52}, 12, 11), kInk, 9);
    tratto(p, ellipse({72, 52}, 12, 11), QColor(0xf4, 0xf4, 0xf4), 4);
    QPainterPath corpo(QPointF(18, 30));
    corpo.lineTo(74, 30);
    corpo.cubicTo(74, 70, 64, 80, 46, 80);
    corpo.cubicTo(28, 80, 18, 70, 18, 30);
    forma(p, corpo, QColor(0xf4, 0xf4, 0xf4));
    forma(p, ellipse({46, 86}, 36, 5), QColor(0xf4, 0xf4, 0xf4), 2.5);
    tratto(p, linea({22, 44}, {70, 44}), QColor(0x3c, 0x78, 0xd0), 4);
}

void tenda(QPainter& p)
{
    forma(p, poligono({{10, 84}, {50, 16}, {90, 84}}), QColor(0xe8, 0x8a, 0x1c));
    forma(p, poligono({{38, 84}, {50, 50}, {62, 84}}), QColor(0x50, 0x30, 0x18));
    tratto(p, linea({50, 16}, {50, 8}), kInk, 3);
}

void uovo(QPainter& p)
{
    QPainterPath path(QPointF(50, 12));
    path.cubicTo(76, 12, 82, 60, 78, 70);
    path.cubicTo(72, 90, 28, 90, 22, 70);
    path.cubicTo(18, 60, 24, 12, 50, 12);
    forma(p, path, QColor(0xf4, 0xe8, 0xd4));
}

void uva(QPainter& p)
{
    tratto(p, linea({50, 22}, {54, 8}), QColor(0x6a, 0x48, 0x20), 4);
    const QColor viola(0x7a, 0x3a, 0xa0);
    int fila = 0;
    for (int n : {4, 3, 2, 1}) {
        for (int k = 0; k < n; ++k)
            forma(p, ellipse({50 + (k - (n - 1) / 2.0) * 16, 30.0 + fila * 15}, 9, 9), viola, 2.5);
        ++fila;
    }
    forma(p, foglia({52, 18}, {76, 12}, 0.3), QColor(0x3c, 0xa8, 0x3c), 2.5);
}

void vaso(QPainter& p)
{
    QPainterPath path(QPointF(36, 14));
    path.lineTo(64, 14);
    path.cubicTo(60, 26, 86, 44, 76, 72);
    path.cubicTo(72, 84, 66, 90, 60, 90);
    path.lineTo(40, 90);
    path.cubicTo(34, 90, 28, 84, 24, 72);
    path.cubicTo(14, 44, 40, 26, 36, 14);
    forma(p, path, QColor(0x2c, 0x8c, 0x9c));
    tratto(p, linea({26, 56}, {74, 56}), QColor(0xf0, 0xe0, 0xb0), 4);
}

void vulcano(QPainter& p)
{
    forma(p, poligono({{6, 90}, {38, 34}, {62, 34}, {94, 90}}), QColor(0x7a, 0x5a, 0x44));
    forma(p, ellipse({44, 20}, 10, 8).united(ellipse({58, 16}, 12, 9)).united(ellipse({52, 28}, 10, 6)),
          QColor(0xa8, 0xa8, 0xb0), 2.5);
    forma(p, poligono({{40, 36}, {60, 36}, {56, 50}, {52, 44}, {48, 56}, {44, 46}}), QColor(0xf0, 0x50, 0x1c), 2);
}

void zucca(QPainter& p)
{
    forma(p, rett(46, 12, 8, 16, 2), QColor(0x5a, 0x7a, 0x2a));
    const QColor arancio(0xf0, 0x84, 0x1c);
    forma(p, ellipse({32, 58}, 20, 28), arancio);
    forma(p, ellipse({68, 58}, 20, 28), arancio);
    forma(p, ellipse({50, 58}, 20, 30), arancio);
}

void zaino(QPainter& p)
{
    tratto(p, rett(36, 10, 28, 24, 10), kInk, 5);
    forma(p, rett(22, 24, 56, 66, 14), QColor(0x2c, 0x9c, 0x5c));
    forma(p, rett(30, 56, 40, 26, 6), QColor(0x24, 0x80, 0x4a));
    tratto(p, linea({36, 64}, {64, 64}), QColor(0xf0, 0xd0, 0x30), 3);
}

// In the order of the strip: letter j's two things at 2j and 2j + 1.
using Cosa = void (*)(QPainter&);
const std::array<Cosa, kCelle> kCose = {
    ape,   albero,  barca, banana,   casa,     cuoreDisegno, dado, diamante, elica, erba,   fiore, fungo, gelato,
    goccia, igloo,  isola, luna,     limone,   mela,         martello, nave,  nuvola, orologio, ombrello, pera,
    pesce, razzo,   ruota, sole,     stella,   tazza,        tenda, uovo,   uva,    vaso,   vulcano, zucca, zaino,
};

void cella(QPainter& p, int edition, const std::function<void(QPainter&)>& disegno)
{
    tessera(p, edition);
    p.save();
    // Inside the tile's border.
    p.translate(50, 50);
    p.scale(0.84, 0.84);
    p.translate(-50, -50);
    disegno(p);
    p.restore();
}

void apostrofo(QPainter& p)
{
    QPainterPath segno(QPointF(50, 14));
    segno.cubicTo(64, 14, 66, 30, 62, 40);
    segno.cubicTo(58, 50, 48, 58, 40, 60);
    segno.cubicTo(46, 52, 50, 46, 48, 40);
    segno.cubicTo(40, 38, 36, 30, 38, 24);
    segno.cubicTo(40, 18, 44, 14, 50, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPath(segno);
}

QImage striscia(const PaintRequest& r)
{
    QImage image(r.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xfb, 0xf6, 0xe8));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = r.size.width() / 19.0, h = r.size.height() / 2.0;
    for (int i = 0; i < kCelle; ++i) {
        p.save();
        p.translate((i % 19) * w, (i / 19) * h);
        p.scale(w / kGrid, h / kGrid);
        cella(p, r.edition, kCose[std::size_t(i)]);
        p.restore();
    }
    return image;
}

QImage singola(const PaintRequest& r, const std::function<void(QPainter&)>& disegno)
{
    QImage image(r.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xfb, 0xf6, 0xe8));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(r.size.width() / kGrid, r.size.height() / kGrid);
    disegno(p);
    return image;
}

// A page of tiles, the middle ones under a magnifying glass.
void lente(QPainter& p, int edition)
{
    p.fillRect(QRectF(0, 0, 100, 100), QColor(0xd8, 0xf4, 0xff));
    const std::array<Cosa, 6> pagina = {sole, casa, mela, luna, pesce, fiore};
    for (int k = 0; k < 6; ++k) {
        p.save();
        p.translate(6 + (k % 3) * 30, 10 + (k / 3) * 42);
        p.scale(0.28, 0.28);
        cella(p, edition, pagina[std::size_t(k)]);
        p.restore();
    }
    p.save();
    p.translate(69, 70);
    p.rotate(-40);
    forma(p, rett(-5, 0, 10, 34, 4), QColor(0x6a, 0x3c, 0x20));
    p.restore();
    p.setPen(pen(QColor(0x70, 0x70, 0x78), 6));
    p.setBrush(QColor(0xc8, 0xe8, 0xff, 90));
    p.drawEllipse(QPointF(52, 48), 26, 26);
}

QImage rebus(const PaintRequest& r)
{
    const QString disegno = r.text(QStringLiteral("disegno"), QStringLiteral("striscia"));
    if (disegno == QLatin1String("apostrofo"))
        return singola(r, [&](QPainter& p) { cella(p, r.edition, apostrofo); });
    if (disegno == QLatin1String("lente"))
        return singola(r, [&](QPainter& p) { lente(p, r.edition); });
    return striscia(r);
}

}  // namespace

ZOLMERA_PAINTER("rebus", rebus)

}  // namespace assetgen
