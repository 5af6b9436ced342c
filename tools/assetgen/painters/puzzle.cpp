// IL PUZZLE's sheet: eight scenes of 365 x 300 in 2 rows x 4 columns, each cut by
// the game into 4 x 5 pieces of 73 x 75. A contestant rebuilds a scene from its
// pieces, so every piece must be told from every other: no plain sky, no plain
// water. Each scene is laid out first, then every piece's own square gets details
// of its own (a cloud, a gull, a boat, a fish, a flower...) at a place and in a
// colour drawn from the scene's fixed seed. The eighth scene is never dealt by
// the game; it is drawn all the same, so the sheet is whole.
//
// Scenes: 0 a seaside village, 1 a mountain lake, 2 a town square, 3 hills of
// vines and sunflowers, 4 a city by night, 5 the sea floor, 6 a garden in bloom,
// 7 a still life on a kitchen table.

#include "painters/painter.h"
#include "painters/puzzlekit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>
#include <functional>
#include <numbers>

namespace assetgen {

namespace {

using namespace puzzle;

// --- The scenes ----------------------------------------------------------------------

void porto(Scena& s)
{
    QPainter& p = s.p;
    cielo(p, 0, 150, QColor(86, 170, 232), QColor(252, 226, 170));
    sole(p, QPointF(318, 38), 17, QColor(255, 196, 40));
    s.perPezzo(0, 120, [&](QPointF c, int, int) {
        if (s.u(0, 1) < 0.6)
            nuvola(s, c, s.u(11, 17), QColor(255, 255, 255));
        uccello(s, c + QPointF(s.u(-20, 20), s.u(-18, 18)), s.u(3, 6), QColor(60, 60, 70));
    });
    // The sea, with its glitter.
    cielo(p, 150, 300, QColor(44, 140, 190), QColor(14, 70, 120));
    onde(s, QRectF(0, 152, kW, 148), 150, QColor(120, 200, 235));
    // The hill and its houses, stacked up the slope.
    QPainterPath collina(QPointF(0, 60));
    collina.cubicTo(QPointF(90, 55), QPointF(170, 110), QPointF(235, 185));
    collina.lineTo(0, 185);
    collina.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(92, 130, 60));
    p.drawPath(collina);
    const QColor muri[] = {QColor(236, 180, 90), QColor(226, 120, 100), QColor(245, 215, 120), QColor(230, 150, 160),
                           QColor(250, 235, 200), QColor(200, 110, 70)};
    for (int fila = 0; fila < 4; ++fila)
        for (int k = 0; k < 6 - fila; ++k) {
            const qreal x = 4 + k * 34 + fila * 12 + s.u(-3, 3);
            const qreal base = 185 - fila * 28;
            const qreal h = s.u(26, 40);
            casa(s, QRectF(x, base - h, s.u(26, 32), h), muri[s.i(6)], QColor(170, 70, 45));
        }
    // The quay, the lighthouse and its rock.
    p.setPen(tratto(QColor(90, 80, 70), 1));
    p.setBrush(QColor(160, 150, 135));
    p.drawRect(QRectF(0, 185, 250, 10));
    for (int k = 0; k < 25; ++k)
        p.drawLine(QPointF(k * 10, 185), QPointF(k * 10, 195));
    p.setBrush(QColor(110, 100, 90));
    p.drawEllipse(QRectF(300, 175, 70, 34));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(325, 110, 16, 72));
    p.setBrush(QColor(210, 40, 40));
    for (int k = 0; k < 3; ++k)
        p.drawRect(QRectF(325, 122 + k * 20, 16, 9));
    p.setBrush(QColor(255, 230, 120));
    p.drawRect(QRectF(327, 98, 12, 12));
    p.setBrush(QColor(60, 60, 60));
    p.drawPolygon(QPolygonF{QPointF(323, 98), QPointF(333, 88), QPointF(343, 98)});
    // Boats and buoys, one piece at a time.
    s.perPezzo(190, 300, [&](QPointF c, int, int) {
        barca(s, c, s.u(9, 15), vivace(s), s.u(0, 1) < 0.5 ? QColor(250, 250, 245) : vivace(s).lighter(140));
        p.setPen(tratto(QColor(60, 30, 20), 0.8));
        p.setBrush(QColor(240, 90, 40));
        p.drawEllipse(c + QPointF(s.u(-25, 25), s.u(10, 22)), 3, 3);
    });
}

void lago(Scena& s)
{
    QPainter& p = s.p;
    cielo(p, 0, 170, QColor(70, 140, 220), QColor(220, 236, 250));
    s.perPezzo(0, 80, [&](QPointF c, int, int) {
        nuvola(s, c, s.u(11, 17), QColor(252, 252, 255));
        uccello(s, c + QPointF(s.u(-22, 22), s.u(5, 25)), s.u(2.5, 4.5), QColor(40, 40, 60));
    });
    QList<std::pair<QPainterPath, QColor>> riflessi;
    const auto catena = [&](qreal base, qreal alto, const QColor& colore, bool neve, int punte) {
        QPainterPath monti(QPointF(0, base));
        QList<QPointF> cime;
        for (int k = 0; k <= punte; ++k) {
            const qreal x = k * kW / punte;
            const QPointF cima(x + s.u(-10, 10), alto + s.u(0, 35));
            const QPointF valle(x + kW / punte / 2, base - s.u(10, 40));
            monti.lineTo(cima);
            monti.lineTo(valle);
            cime << cima;
        }
        monti.lineTo(kW, base);
        monti.closeSubpath();
        QLinearGradient g(0, alto, 0, base);
        g.setColorAt(0, colore.lighter(115));
        g.setColorAt(1, colore.darker(120));
        p.setPen(tratto(colore.darker(150), 1));
        p.setBrush(g);
        p.drawPath(monti);
        riflessi << std::pair{monti, colore};
        if (!neve)
            return;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 252, 255));
        for (const QPointF& c : cime)
            p.drawPolygon(QPolygonF{c, c + QPointF(-12, 16), c + QPointF(-4, 12), c + QPointF(2, 18), c + QPointF(12, 15)});
    };
    catena(165, 30, QColor(140, 130, 170), true, 4);
    catena(172, 75, QColor(90, 110, 120), true, 5);
    // The forest on the shore, a cabin, the lake with its reflections.
    for (int k = 0; k < 40; ++k)
        pino(p, QPointF(k * 9.5 + s.u(-3, 3), 182 + s.u(-3, 3)), s.u(18, 32), s.tra(QColor(30, 90, 50), QColor(50, 120, 60)));
    cielo(p, 182, 300, QColor(80, 140, 180), QColor(20, 60, 100));
    // The mountains upside down in the water, broken by the ripples.
    for (const auto& [monti, colore] : riflessi) {
        QTransform specchio;
        specchio.translate(0, 2 * 182 - 10);
        specchio.scale(1, -1);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(colore.red(), colore.green(), colore.blue(), 110));
        p.drawPath(specchio.map(monti));
    }
    for (int k = 0; k < 60; ++k) {
        p.setPen(tratto(QColor(200, 225, 245, 150), 1));
        const qreal xx = s.u(0, kW), yy = s.u(185, 300);
        p.drawLine(QPointF(xx, yy), QPointF(xx + s.u(6, 16), yy));
    }
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 40; ++k) {
        p.setBrush(QColor(30, 80, 60, 90));
        p.drawRect(QRectF(k * 9.5, 182, 5, s.u(12, 26)));
    }
    casa(s, QRectF(250, 150, 34, 26), QColor(150, 100, 60), QColor(110, 50, 40));
    s.perPezzo(190, 300, [&](QPointF c, int, int) {
        onde(s, QRectF(c.x() - 25, c.y() - 20, 50, 40), 12, QColor(150, 200, 230));
        const int cosa = s.i(3);
        if (cosa == 0) {
            // A duck.
            p.setPen(tratto(QColor(60, 40, 20), 0.8));
            p.setBrush(QColor(140, 100, 60));
            p.drawEllipse(c, 8, 4.5);
            p.setBrush(QColor(30, 110, 60));
            p.drawEllipse(c + QPointF(7, -5), 3.5, 3.5);
            p.setBrush(QColor(240, 170, 40));
            p.drawPolygon(QPolygonF{c + QPointF(10, -5), c + QPointF(14, -4), c + QPointF(10, -3)});
        } else if (cosa == 1) {
            // Lily pads.
            p.setPen(tratto(QColor(20, 80, 30), 0.8));
            p.setBrush(QColor(70, 150, 60));
            p.drawPie(QRectF(c.x() - 8, c.y() - 4, 16, 8), 30 * 16, 320 * 16);
            p.setBrush(QColor(250, 200, 220));
            p.drawEllipse(c + QPointF(s.u(-4, 4), -2), 2.5, 2.5);
        } else {
            barca(s, c, s.u(8, 11), vivace(s), QColor(245, 240, 230));
        }
    });
    // Reeds and stones at the front.
    for (int k = 0; k < 30; ++k) {
        const qreal x = s.u(0, kW);
        p.setPen(tratto(QColor(90, 120, 50), 1.2));
        p.drawLine(QPointF(x, 300), QPointF(x + s.u(-4, 4), 300 - s.u(12, 26)));
        p.setPen(Qt::NoPen);
        p.setBrush(s.tra(QColor(110, 105, 100), QColor(170, 160, 150)));
        p.drawEllipse(QPointF(s.u(0, kW), 296), s.u(3, 7), s.u(2, 4));
    }
}

void piazza(Scena& s)
{
    QPainter& p = s.p;
    cielo(p, 0, 120, QColor(100, 170, 230), QColor(235, 240, 250));
    s.perPezzo(0, 40, [&](QPointF c, int, int) {
        nuvola(s, c + QPointF(0, -8), s.u(8, 12), QColor(255, 255, 255));
        uccello(s, c + QPointF(s.u(-20, 20), s.u(0, 12)), s.u(3, 5), QColor(30, 30, 40));
    });
    // The bell tower behind the fronts.
    p.setPen(tratto(QColor(110, 60, 40), 1));
    p.setBrush(QColor(190, 110, 80));
    p.drawRect(QRectF(165, 10, 36, 90));
    p.setBrush(QColor(60, 40, 30));
    p.drawRect(QRectF(175, 22, 16, 20));
    p.setBrush(QColor(220, 180, 60));
    p.drawEllipse(QPointF(183, 55), 8, 8);
    p.setBrush(QColor(150, 70, 50));
    p.drawPolygon(QPolygonF{QPointF(161, 10), QPointF(183, -10), QPointF(205, 10)});
    const QColor muri[] = {QColor(235, 200, 140), QColor(220, 140, 100), QColor(240, 225, 190), QColor(205, 120, 90),
                           QColor(245, 210, 110), QColor(210, 170, 150)};
    qreal x = 0;
    int k = 0;
    while (x < kW) {
        const qreal w = s.u(44, 62);
        const qreal top = s.u(45, 75);
        const QRectF fronte(x, top, w, 195 - top);
        p.setPen(tratto(QColor(120, 90, 70), 1));
        p.setBrush(muri[k++ % 6]);
        p.drawRect(fronte);
        p.setBrush(QColor(150, 80, 60));
        p.drawRect(QRectF(x - 2, top - 5, w + 4, 6));
        finestre(s, QRectF(x, top + 4, w, 110 - top + 50), 3, 3, s.tra(QColor(40, 110, 70), QColor(110, 60, 40)), 0.15);
        // Arcades at the ground floor.
        for (int a = 0; a < 3; ++a) {
            QPainterPath arco;
            const QRectF vano(x + a * w / 3 + 3, 165, w / 3 - 6, 30);
            arco.moveTo(vano.bottomLeft());
            arco.lineTo(vano.left(), vano.top() + 8);
            arco.arcTo(QRectF(vano.left(), vano.top(), vano.width(), 16), 180, -180);
            arco.lineTo(vano.bottomRight());
            p.setBrush(QColor(70, 50, 40));
            p.drawPath(arco);
        }
        x += w;
    }
    // Cobbles, stone by stone.
    for (int r = 0; r < 21; ++r)
        for (int c = 0; c < 40; ++c) {
            const qreal w = 9 + r * 0.2;
            const QRectF pietra(c * w - (r % 2) * w / 2, 195 + r * 5, w - 1, 4.2);
            p.setPen(Qt::NoPen);
            p.setBrush(s.tra(QColor(150, 140, 130), QColor(200, 185, 165)));
            p.drawRoundedRect(pietra, 1.5, 1.5);
        }
    // The fountain in the middle.
    p.setPen(tratto(QColor(110, 110, 120), 1.2));
    p.setBrush(QColor(190, 190, 200));
    p.drawEllipse(QRectF(140, 215, 86, 28));
    p.setBrush(QColor(90, 170, 220));
    p.drawEllipse(QRectF(147, 219, 72, 18));
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(178, 192, 10, 30));
    p.setPen(tratto(QColor(170, 220, 250), 1.5));
    for (int g = -3; g <= 3; ++g) {
        QPainterPath getto(QPointF(183, 192));
        getto.quadTo(QPointF(183 + g * 6, 172), QPointF(183 + g * 11, 224));
        p.setBrush(Qt::NoBrush);
        p.drawPath(getto);
    }
    // Market umbrellas and pigeons, one piece at a time.
    s.perPezzo(200, 300, [&](QPointF c, int, int col) {
        if (col != 2) {
            const QColor a = vivace(s), b = Qt::white;
            for (int f = 0; f < 6; ++f) {
                p.setPen(Qt::NoPen);
                p.setBrush(f % 2 ? a : b);
                p.drawPie(QRectF(c.x() - 18, c.y() - 22, 36, 24), f * 30 * 16, 30 * 16);
            }
            p.setPen(tratto(QColor(90, 60, 40), 1.2));
            p.drawLine(c + QPointF(0, -10), c + QPointF(0, 14));
            p.setPen(tratto(QColor(120, 80, 50), 1));
            p.setBrush(s.tra(QColor(230, 120, 40), QColor(120, 200, 60)));
            p.drawRect(QRectF(c.x() - 14, c.y() + 4, 28, 8));
        }
        const QPointF q = c + QPointF(s.u(-26, 26), s.u(14, 22));
        p.setPen(tratto(QColor(60, 60, 70), 0.6));
        p.setBrush(QColor(140, 140, 155));
        p.drawEllipse(q, 4.5, 3);
        p.drawEllipse(q + QPointF(s.u(0, 1) < 0.5 ? -4 : 4, -2.5), 2, 2);
    });
}

void colline(Scena& s)
{
    QPainter& p = s.p;
    cielo(p, 0, 130, QColor(110, 175, 235), QColor(250, 235, 200));
    sole(p, QPointF(60, 35), 15, QColor(255, 200, 50));
    s.perPezzo(0, 75, [&](QPointF c, int, int col) {
        if (col != 0)
            nuvola(s, c, s.u(10, 16), QColor(252, 252, 255));
        uccello(s, c + QPointF(s.u(-20, 20), s.u(-15, 20)), s.u(2.5, 5), QColor(50, 40, 40));
    });
    const QColor campi[] = {QColor(150, 170, 80), QColor(200, 180, 90), QColor(110, 150, 70), QColor(180, 150, 80)};
    for (int f = 0; f < 4; ++f) {
        const qreal base = 95 + f * 30;
        QPainterPath colle(QPointF(0, base + s.u(-10, 10)));
        colle.cubicTo(QPointF(90, base - 30 + s.u(-10, 10)), QPointF(260, base + 25), QPointF(kW, base - 10));
        colle.lineTo(kW, 300);
        colle.lineTo(0, 300);
        colle.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(campi[f]);
        p.drawPath(colle);
        // Rows of vines follow each hill.
        p.save();
        p.setClipPath(colle);
        p.setPen(tratto(campi[f].darker(140), 1.4));
        for (int r = 0; r < 14; ++r) {
            QPainterPath filare(QPointF(-10, base + r * 6 + 4));
            filare.cubicTo(QPointF(100, base - 25 + r * 7), QPointF(250, base + 30 + r * 5), QPointF(kW + 10, base + r * 6));
            p.drawPath(filare);
        }
        p.restore();
        for (int k = 0; k < 6; ++k)
            cipresso(p, QPointF(s.u(0, kW), base + s.u(0, 12)), s.u(18, 34), QColor(40, 80, 40));
    }
    // The farmhouse with its dovecote.
    casa(s, QRectF(230, 92, 50, 30), QColor(225, 190, 140), QColor(170, 80, 50));
    casa(s, QRectF(270, 75, 18, 47), QColor(215, 175, 125), QColor(170, 80, 50));
    // Sunflowers at the front, one field of its own in each piece.
    s.perPezzo(220, 300, [&](QPointF, int r, int col) {
        for (int k = 0; k < 5; ++k) {
            const QPointF c(col * kPezzoW + s.u(6, kPezzoW - 6), r * kPezzoH + s.u(6, kPezzoH - 20));
            fiore(s, c, s.u(5, 8), s.tra(QColor(250, 200, 20), QColor(255, 160, 10)), QColor(100, 60, 20));
        }
    });
}

void notte(Scena& s)
{
    QPainter& p = s.p;
    cielo(p, 0, 200, QColor(10, 14, 50), QColor(80, 40, 110));
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 260; ++k) {
        p.setBrush(QColor(255, 255, s.i(2) ? 255 : 200, 120 + s.i(135)));
        p.drawEllipse(QPointF(s.u(0, kW), s.u(0, 190)), 0.7, 0.7);
    }
    // The moon.
    p.setBrush(QColor(250, 245, 210));
    p.drawEllipse(QPointF(310, 40), 20, 20);
    p.setBrush(QColor(220, 215, 180));
    p.drawEllipse(QPointF(304, 36), 4, 4);
    p.drawEllipse(QPointF(316, 48), 3, 3);
    s.perPezzo(0, 80, [&](QPointF c, int, int col) {
        if (col == 4)
            return;
        if (s.u(0, 1) < 0.5) {
            // A firework.
            const QColor colore = vivace(s);
            p.setPen(tratto(colore, 1.1));
            const int raggi = 10 + s.i(6);
            const qreal r = s.u(10, 17);
            for (int k = 0; k < raggi; ++k) {
                const qreal a = k * 2 * std::numbers::pi / raggi;
                p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * r * 0.3, c + QPointF(std::cos(a), std::sin(a)) * r);
            }
        } else {
            p.setPen(tratto(QColor(255, 250, 200), 1));
            p.drawLine(c + QPointF(-5, 0), c + QPointF(5, 0));
            p.drawLine(c + QPointF(0, -5), c + QPointF(0, 5));
        }
    });
    // The skyline with its lit windows.
    qreal x = -5;
    while (x < kW) {
        const qreal w = s.u(22, 40);
        const qreal top = s.u(85, 150);
        const QColor muro = s.tra(QColor(30, 30, 50), QColor(60, 50, 80));
        p.setPen(Qt::NoPen);
        p.setBrush(muro);
        p.drawRect(QRectF(x, top, w, 205 - top));
        if (s.u(0, 1) < 0.3) {
            p.drawRect(QRectF(x + w / 2 - 1, top - 15, 2, 15));
            p.setBrush(QColor(255, 60, 60));
            p.drawEllipse(QPointF(x + w / 2, top - 15), 1.8, 1.8);
        }
        finestre(s, QRectF(x + 2, top + 4, w - 4, 195 - top), int(w / 8), int((195 - top) / 9), muro, 0.55);
        x += w + s.u(0, 3);
    }
    // The river, the lights in it and the bridge.
    cielo(p, 205, 300, QColor(30, 30, 70), QColor(8, 10, 35));
    for (int k = 0; k < 120; ++k) {
        p.setPen(tratto(QColor::fromHsvF(float(s.u(0.08, 0.16)), 0.7f, 1.0f, float(s.u(0.3, 0.8))), 1.2));
        const qreal xx = s.u(0, kW), yy = s.u(210, 300);
        p.drawLine(QPointF(xx, yy), QPointF(xx + s.u(3, 9), yy));
    }
    p.setPen(tratto(QColor(40, 30, 30), 1));
    p.setBrush(QColor(120, 90, 70));
    QPainterPath ponte(QPointF(0, 225));
    ponte.lineTo(kW, 225);
    ponte.lineTo(kW, 240);
    for (int a = 4; a >= 0; --a) {
        const qreal x0 = a * 73;
        ponte.lineTo(x0 + 66, 240);
        ponte.arcTo(QRectF(x0 + 8, 236, 58, 44), 0, 180);
        ponte.lineTo(x0, 240);
    }
    ponte.closeSubpath();
    p.drawPath(ponte);
    for (int k = 0; k < 10; ++k) {
        const qreal xl = 18 + k * 36.5;
        p.setPen(tratto(QColor(30, 30, 30), 1.2));
        p.drawLine(QPointF(xl, 225), QPointF(xl, 211));
        p.setPen(Qt::NoPen);
        QRadialGradient alone(QPointF(xl, 210), 7);
        alone.setColorAt(0, QColor(255, 240, 170, 230));
        alone.setColorAt(1, QColor(255, 240, 170, 0));
        p.setBrush(alone);
        p.drawEllipse(QPointF(xl, 210), 7, 7);
    }
    s.perPezzo(250, 300, [&](QPointF c, int, int) {
        p.setPen(tratto(QColor(20, 20, 20), 0.8));
        p.setBrush(s.tra(QColor(90, 60, 40), QColor(140, 140, 150)));
        p.drawRoundedRect(QRectF(c.x() - 14, c.y() - 3, 28, 7), 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(vivace(s));
        for (int k = 0; k < 4; ++k)
            p.drawEllipse(c + QPointF(-9 + k * 6, -6), 1.6, 1.6);
    });
}

void fondale(Scena& s)
{
    QPainter& p = s.p;
    cielo(p, 0, 300, QColor(40, 170, 210), QColor(10, 60, 110));
    // Light from above.
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 7; ++k) {
        const qreal x = s.u(0, kW);
        p.setBrush(QColor(255, 255, 255, 28));
        p.drawPolygon(QPolygonF{QPointF(x, 0), QPointF(x + 18, 0), QPointF(x - 30, 260), QPointF(x - 60, 260)});
    }
    // The sand with its ripples.
    QPainterPath sabbia(QPointF(0, 250));
    sabbia.cubicTo(QPointF(100, 235), QPointF(220, 265), QPointF(kW, 245));
    sabbia.lineTo(kW, 300);
    sabbia.lineTo(0, 300);
    sabbia.closeSubpath();
    p.setBrush(QColor(225, 200, 140));
    p.drawPath(sabbia);
    onde(s, QRectF(0, 258, kW, 40), 60, QColor(170, 140, 90));
    // Seaweed and coral.
    for (int k = 0; k < 14; ++k) {
        const qreal x = s.u(0, kW);
        QPainterPath alga(QPointF(x, 260));
        const qreal h = s.u(50, 120);
        alga.cubicTo(QPointF(x - 15, 260 - h / 3), QPointF(x + 15, 260 - h * 2 / 3), QPointF(x + s.u(-8, 8), 260 - h));
        p.setPen(tratto(s.tra(QColor(30, 120, 60), QColor(90, 150, 50)), s.u(2.5, 4)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(alga);
    }
    for (int k = 0; k < 5; ++k) {
        const QPointF base(s.u(10, kW - 10), s.u(255, 270));
        const QColor colore = s.tra(QColor(250, 110, 110), QColor(250, 160, 80));
        p.setPen(tratto(colore, 3));
        for (int r = 0; r < 5; ++r) {
            const qreal a = -std::numbers::pi / 2 + (r - 2) * 0.4;
            const QPointF fine = base + QPointF(std::cos(a), std::sin(a)) * s.u(15, 28);
            p.drawLine(base, fine);
            p.drawLine(fine, fine + QPointF(s.u(-6, 6), -s.u(4, 8)));
        }
    }
    // A fish, bubbles, and on the sand a shell or a starfish, in every piece.
    s.perPezzo(0, 300, [&](QPointF c, int r, int) {
        pesce(s, c, s.u(8, 14), vivace(s), s.i(2) == 0);
        p.setPen(tratto(QColor(220, 245, 255, 200), 0.8));
        p.setBrush(Qt::NoBrush);
        const QPointF b = c + QPointF(s.u(-25, 25), s.u(-25, -5));
        for (int k = 0; k < 3; ++k)
            p.drawEllipse(b + QPointF(s.u(-2, 2), -k * 6), 1.5 + k * 0.6, 1.5 + k * 0.6);
        if (r == 3) {
            const QPointF q(c.x() + s.u(-20, 20), s.u(275, 292));
            p.setPen(tratto(QColor(150, 70, 30), 0.8));
            p.setBrush(s.tra(QColor(240, 120, 60), QColor(250, 190, 120)));
            QPolygonF stella;
            for (int k = 0; k < 10; ++k) {
                const qreal a = k * std::numbers::pi / 5 - std::numbers::pi / 2;
                stella << q + QPointF(std::cos(a), std::sin(a)) * (k % 2 ? 2.5 : 6.5);
            }
            p.drawPolygon(stella);
        }
    });
}

void giardino(Scena& s)
{
    QPainter& p = s.p;
    cielo(p, 0, 190, QColor(120, 190, 245), QColor(230, 245, 250));
    s.perPezzo(0, 120, [&](QPointF c, int, int col) {
        if (col == 0)
            return;
        if (s.u(0, 1) < 0.55) {
            // A hot-air balloon.
            const QColor a = vivace(s), b = vivace(s);
            const qreal r = s.u(8, 12);
            for (int f = 0; f < 4; ++f) {
                p.setPen(Qt::NoPen);
                p.setBrush(f % 2 ? a : b);
                p.drawChord(QRectF(c.x() - r + f * r / 2, c.y() - r, r / 2, r * 2), 0, 360 * 16);
            }
            p.setPen(tratto(a.darker(160), 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, r, r);
            p.drawLine(c + QPointF(-r * 0.6, r * 0.8), c + QPointF(-3, r + 6));
            p.drawLine(c + QPointF(r * 0.6, r * 0.8), c + QPointF(3, r + 6));
            p.setBrush(QColor(150, 100, 50));
            p.drawRect(QRectF(c.x() - 3, c.y() + r + 6, 6, 5));
        } else {
            nuvola(s, c, s.u(10, 16), QColor(255, 255, 255));
        }
        farfalla(s, c + QPointF(s.u(-22, 22), s.u(12, 24)), s.u(3.5, 5.5), vivace(s));
    });
    // The tree on the left, with its fruit.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 75, 45));
    p.drawRect(QRectF(40, 90, 16, 110));
    for (int k = 0; k < 26; ++k) {
        p.setBrush(s.tra(QColor(40, 120, 50), QColor(90, 160, 60)));
        p.drawEllipse(QPointF(48 + s.u(-40, 40), 70 + s.u(-50, 30)), s.u(14, 22), s.u(12, 18));
    }
    for (int k = 0; k < 16; ++k) {
        p.setBrush(QColor(220, 40, 40));
        p.drawEllipse(QPointF(48 + s.u(-40, 40), 70 + s.u(-45, 30)), 3.5, 3.5);
    }
    // The lawn, the fence and the birdhouse.
    cielo(p, 190, 300, QColor(110, 180, 70), QColor(60, 130, 40));
    p.setPen(tratto(QColor(150, 150, 140), 1));
    p.setBrush(QColor(250, 250, 245));
    for (int k = 0; k < 24; ++k)
        p.drawPolygon(QPolygonF{QPointF(k * 16 + 2, 205), QPointF(k * 16 + 2, 170), QPointF(k * 16 + 7, 164),
                                QPointF(k * 16 + 12, 170), QPointF(k * 16 + 12, 205)});
    p.drawRect(QRectF(0, 176, kW, 5));
    p.drawRect(QRectF(0, 192, kW, 5));
    p.setBrush(QColor(190, 90, 60));
    p.drawRect(QRectF(300, 120, 30, 26));
    p.drawPolygon(QPolygonF{QPointF(296, 121), QPointF(315, 104), QPointF(334, 121)});
    p.setBrush(QColor(40, 25, 20));
    p.drawEllipse(QPointF(315, 132), 5, 5);
    p.setPen(tratto(QColor(120, 90, 60), 3));
    p.drawLine(QPointF(315, 146), QPointF(315, 205));
    // A flower bed of its own in every piece below the fence.
    s.perPezzo(190, 300, [&](QPointF, int r, int col) {
        for (int k = 0; k < 6; ++k) {
            const QPointF c(col * kPezzoW + s.u(5, kPezzoW - 5), std::max<qreal>(200, r * kPezzoH + s.u(5, kPezzoH - 18)));
            fiore(s, c, s.u(3.5, 6.5), vivace(s), s.tra(QColor(250, 220, 60), QColor(120, 70, 30)));
        }
        farfalla(s, QPointF(col * kPezzoW + s.u(10, 60), r * kPezzoH + s.u(8, 30)), 4, vivace(s));
    });
}

void naturaMorta(Scena& s)
{
    QPainter& p = s.p;
    // Wallpaper of small diamonds.
    p.fillRect(QRectF(0, 0, kW, 190), QColor(240, 225, 190));
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 13; ++r)
        for (int c = 0; c < 25; ++c) {
            p.setBrush(s.tra(QColor(200, 120, 90), QColor(150, 170, 120)));
            const QPointF m(c * 15 + (r % 2) * 7.5, r * 15 + 7);
            p.drawPolygon(QPolygonF{m + QPointF(0, -4), m + QPointF(4, 0), m + QPointF(0, 4), m + QPointF(-4, 0)});
        }
    // The table and its checked cloth.
    p.fillRect(QRectF(0, 190, kW, 110), QColor(250, 250, 250));
    for (int k = 0; k < 24; ++k) {
        p.fillRect(QRectF(k * 16, 190, 8, 110), QColor(210, 40, 40, 140));
    }
    for (int k = 0; k < 14; ++k)
        p.fillRect(QRectF(0, 190 + k * 8, kW, 4), QColor(210, 40, 40, 110));
    // The bowl of fruit, a bottle and bread.
    p.setPen(tratto(QColor(60, 40, 20), 1.2));
    p.setBrush(QColor(40, 110, 60));
    p.drawRoundedRect(QRectF(40, 90, 28, 110), 8, 8);
    p.drawRect(QRectF(49, 62, 10, 30));
    p.setBrush(QColor(200, 160, 90));
    p.drawEllipse(QRectF(250, 160, 90, 40));
    const QColor frutti[] = {QColor(230, 50, 40), QColor(250, 170, 30), QColor(240, 220, 60), QColor(130, 60, 140),
                             QColor(120, 190, 60)};
    for (int k = 0; k < 9; ++k) {
        p.setBrush(frutti[k % 5]);
        p.drawEllipse(QPointF(135 + s.u(0, 90), 150 + s.u(0, 30)), s.u(10, 15), s.u(10, 15));
    }
    p.setBrush(QColor(240, 240, 245));
    p.drawChord(QRectF(110, 160, 140, 70), 180 * 16, 180 * 16);
    s.perPezzo(0, 300, [&](QPointF c, int, int) {
        p.setPen(tratto(QColor(40, 40, 40), 0.6));
        p.setBrush(vivace(s));
        p.drawEllipse(c, 3, 3);
    });
}

using Disegno = void (*)(Scena&);
constexpr Disegno kScene[8] = {porto, lago, piazza, colline, notte, fondale, giardino, naturaMorta};

QImage disegnaFoglio(const PaintRequest& request)
{
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal sx = request.size.width() / (4 * kW), sy = request.size.height() / (2 * kH);
    for (int k = 0; k < 8; ++k) {
        p.save();
        p.translate((k % 4) * kW * sx, (k / 4) * kH * sy);
        p.scale(sx, sy);
        p.setClipRect(QRectF(0, 0, kW, kH));
        Scena scena{p, QRandomGenerator(quint32(0x5EED00 + 97 * k))};
        kScene[k](scena);
        p.restore();
    }
    return image;
}

}  // namespace

ZOLMERA_PAINTER("puzzle", disegnaFoglio)

}  // namespace assetgen
