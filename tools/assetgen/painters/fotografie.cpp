// The nineteen photos of IL DOMANDIERE and the window's two decorations. A photo
// is one bold subject on a ground of its own colour, inside a white print border,
// so that nine of them side by side at 100 pixels are told apart at a glance and
// remembered by name: an apple, a cat, a house... No two share a subject or a
// ground. The decorations are a camera and a big question mark on a clear ground.
//
// Parameters: soggetto = mela, gatto, casa, auto, albero, sole, pesce, ombrello,
// tazza, barca, chiave, fiore, bicicletta, lampadina, farfalla, montagne, faro,
// gelato, luna (the photos), fotocamera or interrogativo (the decorations).

#include "painters/painter.h"
#include "painters/spritekit.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>
#include <map>
#include <numbers>

namespace assetgen {

namespace {

using sprite::ellipse;
using sprite::paintFigure;
using sprite::Part;
using sprite::pen;

constexpr qreal kGrid = 100;
const QColor kInk(0x26, 0x1a, 0x14);

QPainterPath rect(qreal x, qreal y, qreal w, qreal h, qreal r = 0)
{
    QPainterPath path;
    if (r > 0)
        path.addRoundedRect(QRectF(x, y, w, h), r, r);
    else
        path.addRect(QRectF(x, y, w, h));
    return path;
}

QPainterPath poly(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void figure(QPainter& p, const std::vector<Part>& parts) { paintFigure(p, parts, kInk, 5, 1.6); }

// A ground from top to bottom, and a horizon of a second colour from y down.
void ground(QPainter& p, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(0, 0, 0, kGrid);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, kGrid, kGrid), g);
}
void horizon(QPainter& p, qreal y, const QColor& colour) { p.fillRect(QRectF(0, y, kGrid, kGrid - y), colour); }

void mela(QPainter& p)
{
    ground(p, QColor(0xf6, 0xe7, 0xc8), QColor(0xd9, 0xb9, 0x86));
    QPainterPath apple = ellipse({38, 58}, 22, 24).united(ellipse({62, 58}, 22, 24));
    figure(p, {{rect(48, 20, 4, 18, 2), QColor(0x6b, 0x42, 0x1c)},
               {apple, QColor(0xd8, 0x1e, 0x1e)},
               {ellipse({64, 26}, 12, 6), QColor(0x3c, 0xa0, 0x2c)}});
}

void gatto(QPainter& p)
{
    ground(p, QColor(0xbf, 0xe3, 0xf5), QColor(0x86, 0xc2, 0xe6));
    const QColor fur(0xf0, 0x92, 0x2c);
    figure(p, {{poly({{22, 40}, {26, 12}, {46, 30}}), fur},
               {poly({{78, 40}, {74, 12}, {54, 30}}), fur},
               {ellipse({50, 56}, 32, 28), fur}});
    for (qreal x : {38.0, 62.0}) {
        p.setPen(pen(kInk, 1.5));
        p.setBrush(QColor(0x7c, 0xc8, 0x3a));
        p.drawEllipse(QPointF(x, 50), 6, 7);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(x, 50), 2, 5);
    }
    p.setBrush(QColor(0xf2, 0x7a, 0x9a));
    p.drawPath(poly({{45, 61}, {55, 61}, {50, 67}}));
    p.setPen(pen(kInk, 1.4));
    for (int s : {-1, 1})
        for (qreal dy : {-3.0, 3.0})
            p.drawLine(QPointF(50 + s * 10, 66), QPointF(50 + s * 30, 66 + dy * 2));
}

void casa(QPainter& p)
{
    ground(p, QColor(0x8c, 0xcf, 0xf4), QColor(0xd4, 0xee, 0xfb));
    horizon(p, 80, QColor(0x5c, 0xb0, 0x3e));
    figure(p, {{rect(24, 46, 52, 38), QColor(0xf4, 0xe2, 0xb0)},
               {poly({{16, 48}, {50, 18}, {84, 48}}), QColor(0xc8, 0x3a, 0x24)},
               {rect(44, 60, 13, 24), QColor(0x7a, 0x48, 0x24)},
               {rect(30, 54, 10, 10), QColor(0x9a, 0xd4, 0xf4)},
               {rect(62, 54, 10, 10), QColor(0x9a, 0xd4, 0xf4)}});
}

void automobile(QPainter& p)
{
    ground(p, QColor(0xf9, 0xd8, 0xa8), QColor(0xf4, 0xb8, 0x80));
    horizon(p, 74, QColor(0x60, 0x60, 0x66));
    const QColor body(0x1e, 0x5c, 0xc8);
    figure(p, {{rect(8, 48, 84, 20, 6), body},
               {poly({{24, 50}, {34, 30}, {66, 30}, {78, 50}}), body},
               {poly({{36, 47}, {40, 35}, {49, 35}, {49, 47}}), QColor(0xbf, 0xe6, 0xf8)},
               {poly({{53, 47}, {53, 35}, {63, 35}, {70, 47}}), QColor(0xbf, 0xe6, 0xf8)},
               {ellipse({28, 68}, 10, 10), QColor(0x30, 0x30, 0x30)},
               {ellipse({72, 68}, 10, 10), QColor(0x30, 0x30, 0x30)}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0xc0, 0xc0));
    p.drawEllipse(QPointF(28, 68), 4, 4);
    p.drawEllipse(QPointF(72, 68), 4, 4);
}

void albero(QPainter& p)
{
    ground(p, QColor(0xa6, 0xdc, 0xf6), QColor(0xe0, 0xf4, 0xfc));
    horizon(p, 82, QColor(0x86, 0xc4, 0x4a));
    const QColor leaves(0x2c, 0x8c, 0x2e);
    QPainterPath crown = ellipse({50, 34}, 22, 20).united(ellipse({32, 48}, 18, 16)).united(ellipse({68, 48}, 18, 16));
    figure(p, {{rect(44, 52, 12, 34, 2), QColor(0x7a, 0x4a, 0x20)}, {crown, leaves}});
    p.setPen(pen(kInk, 1.2));
    p.setBrush(QColor(0xe0, 0x24, 0x24));
    for (QPointF c : {QPointF(40, 36), QPointF(60, 30), QPointF(66, 50), QPointF(34, 52), QPointF(52, 46)})
        p.drawEllipse(c, 3.2, 3.2);
}

void sole(QPainter& p)
{
    ground(p, QColor(0x2e, 0x8c, 0xe6), QColor(0x9c, 0xd4, 0xfa));
    p.setPen(pen(QColor(0xf2, 0x9a, 0x10), 5));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * std::numbers::pi / 6;
        p.drawLine(QPointF(50 + 30 * std::cos(a), 46 + 30 * std::sin(a)),
                   QPointF(50 + 42 * std::cos(a), 46 + 42 * std::sin(a)));
    }
    figure(p, {{ellipse({50, 46}, 24, 24), QColor(0xff, 0xd0, 0x20)}});
    p.setPen(pen(kInk, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(40, 40, 20, 16), 200 * 16, 140 * 16);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(43, 42), 1.8, 2.4);
    p.drawEllipse(QPointF(57, 42), 1.8, 2.4);
}

void pesce(QPainter& p)
{
    ground(p, QColor(0x38, 0xb4, 0xd8), QColor(0x10, 0x5a, 0x9a));
    p.setPen(pen(QColor(0xe8, 0xf8, 0xff), 1.5));
    p.setBrush(Qt::NoBrush);
    for (QPointF c : {QPointF(80, 22), QPointF(86, 12), QPointF(76, 8)})
        p.drawEllipse(c, 3, 3);
    const QColor scales(0xff, 0x8a, 0x1a);
    figure(p, {{poly({{72, 52}, {94, 34}, {94, 70}}), scales},
               {ellipse({44, 52}, 32, 20), scales},
               {poly({{36, 34}, {50, 22}, {58, 36}}), scales}});
    p.setPen(pen(kInk, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(26, 48), 5, 5);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(25, 48), 2.2, 2.2);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(40, 36, 14, 32), -70 * 16, 140 * 16);
}

void ombrello(QPainter& p)
{
    ground(p, QColor(0x8c, 0x96, 0xa4), QColor(0xc4, 0xca, 0xd2));
    p.setPen(pen(QColor(0xe8, 0xf0, 0xff), 1.4));
    for (int i = 0; i < 14; ++i) {
        const qreal x = std::fmod(i * 23.0, 100.0), y = std::fmod(i * 37.0, 90.0);
        p.drawLine(QPointF(x, y), QPointF(x - 3, y + 8));
    }
    QPainterPath canopy;
    canopy.moveTo(10, 48);
    canopy.cubicTo(14, 10, 86, 10, 90, 48);
    for (int i = 4; i >= 0; --i) {
        const qreal x1 = 10 + (i + 1) * 16, x0 = 10 + i * 16;
        canopy.quadTo((x0 + x1) / 2, 40, x0, 48);
    }
    canopy.closeSubpath();
    QPainterPath handle;
    handle.moveTo(50, 44);
    handle.lineTo(50, 80);
    handle.arcTo(QRectF(38, 74, 12, 12), 0, -180);
    p.strokePath(handle, pen(kInk, 7));
    p.strokePath(handle, pen(QColor(0x5a, 0x36, 0x1a), 3.5));
    figure(p, {{canopy, QColor(0xe0, 0x20, 0x30)}});
}

void tazza(QPainter& p)
{
    ground(p, QColor(0xf4, 0xd4, 0xd8), QColor(0xe0, 0xa8, 0xb0));
    QPainterPath cup;
    cup.moveTo(22, 36);
    cup.lineTo(70, 36);
    cup.cubicTo(70, 66, 62, 74, 46, 74);
    cup.cubicTo(30, 74, 22, 66, 22, 36);
    QPainterPath ear = ellipse({72, 50}, 12, 10).subtracted(ellipse({72, 50}, 6, 5));
    figure(p, {{ellipse({46, 78}, 36, 8), Qt::white}, {ear, Qt::white}, {cup, Qt::white}});
    p.setPen(pen(kInk, 1.4));
    p.setBrush(QColor(0x5a, 0x30, 0x14));
    p.drawEllipse(QPointF(46, 36), 24, 5);
    p.setPen(pen(QColor(0x9a, 0x90, 0x8a), 2.2));
    p.setBrush(Qt::NoBrush);
    for (qreal x : {38.0, 52.0}) {
        QPainterPath steam;
        steam.moveTo(x, 28);
        steam.cubicTo(x - 6, 22, x + 6, 16, x, 8);
        p.drawPath(steam);
    }
}

void barca(QPainter& p)
{
    ground(p, QColor(0x90, 0xd8, 0xf8), QColor(0xe4, 0xf6, 0xfe));
    horizon(p, 72, QColor(0x1c, 0x6c, 0xb8));
    figure(p, {{rect(47, 12, 4, 58), QColor(0x7a, 0x4a, 0x20)},
               {poly({{53, 14}, {53, 62}, {84, 62}}), Qt::white},
               {poly({{45, 22}, {45, 62}, {20, 62}}), QColor(0xf2, 0xc0, 0x20)},
               {poly({{12, 66}, {88, 66}, {78, 80}, {22, 80}}), QColor(0xb0, 0x2a, 0x1a)}});
    p.setPen(pen(Qt::white, 1.6));
    p.drawLine(QPointF(8, 88), QPointF(30, 88));
    p.drawLine(QPointF(64, 90), QPointF(92, 90));
}

void chiave(QPainter& p)
{
    ground(p, QColor(0x2a, 0x6a, 0x4a), QColor(0x16, 0x42, 0x2c));
    const QColor gold(0xf0, 0xc0, 0x30);
    QPainterPath key = ellipse({28, 50}, 18, 18).subtracted(ellipse({28, 50}, 7, 7));
    key = key.united(rect(42, 45, 46, 10)).united(rect(72, 55, 6, 12)).united(rect(82, 55, 6, 16));
    figure(p, {{key, gold}});
}

void fiore(QPainter& p)
{
    ground(p, QColor(0xe0, 0xf4, 0xc8), QColor(0xb4, 0xdc, 0x8c));
    QPainterPath stem;
    stem.moveTo(50, 50);
    stem.cubicTo(46, 70, 54, 80, 50, 96);
    p.strokePath(stem, pen(kInk, 7));
    p.strokePath(stem, pen(QColor(0x2c, 0x8a, 0x2c), 3.5));
    figure(p, {{ellipse({62, 76}, 10, 5), QColor(0x3c, 0xa0, 0x2c)}});
    QPainterPath petals;
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * std::numbers::pi / 4;
        petals = petals.united(ellipse({50 + 18 * std::cos(a), 38 + 18 * std::sin(a)}, 11, 11));
    }
    figure(p, {{petals, QColor(0xe8, 0x4a, 0xa0)}, {ellipse({50, 38}, 10, 10), QColor(0xff, 0xd4, 0x20)}});
}

void bicicletta(QPainter& p)
{
    ground(p, QColor(0xfc, 0xf4, 0xb0), QColor(0xf0, 0xe0, 0x70));
    for (qreal x : {24.0, 76.0}) {
        p.setPen(pen(kInk, 6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(x, 64), 18, 18);
        p.setPen(pen(QColor(0x90, 0x90, 0x98), 1));
        for (int i = 0; i < 6; ++i) {
            const qreal a = i * std::numbers::pi / 3;
            p.drawLine(QPointF(x, 64), QPointF(x + 17 * std::cos(a), 64 + 17 * std::sin(a)));
        }
    }
    QPainterPath frame;
    frame.moveTo(24, 64);
    frame.lineTo(42, 40);
    frame.lineTo(68, 40);
    frame.lineTo(50, 64);
    frame.lineTo(24, 64);
    frame.moveTo(42, 40);
    frame.lineTo(50, 64);
    frame.moveTo(76, 64);
    frame.lineTo(66, 30);
    frame.lineTo(58, 30);
    frame.moveTo(40, 40);
    frame.lineTo(37, 32);
    p.strokePath(frame, pen(kInk, 7));
    p.strokePath(frame, pen(QColor(0x1a, 0x9a, 0x4a), 3.5));
    figure(p, {{rect(30, 28, 14, 5, 2.5), QColor(0x30, 0x30, 0x30)}});
}

void lampadina(QPainter& p)
{
    ground(p, QColor(0x4a, 0x26, 0x70), QColor(0x24, 0x10, 0x3c));
    p.setPen(pen(QColor(0xff, 0xf0, 0x90), 3));
    for (int i = 0; i < 7; ++i) {
        const qreal a = std::numbers::pi * (1.1 + i * 0.13);
        p.drawLine(QPointF(50 + 32 * std::cos(a), 38 + 32 * std::sin(a)),
                   QPointF(50 + 42 * std::cos(a), 38 + 42 * std::sin(a)));
    }
    QPainterPath glass = ellipse({50, 38}, 22, 22).united(rect(40, 50, 20, 16));
    figure(p, {{glass, QColor(0xff, 0xee, 0x70)},
               {rect(39, 66, 22, 16, 3), QColor(0xa8, 0xa8, 0xb0)},
               {rect(45, 82, 10, 6, 3), QColor(0x40, 0x40, 0x44)}});
    p.setPen(pen(QColor(0xc0, 0x80, 0x10), 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF(QList<QPointF>{{44, 60}, {44, 44}, {48, 40}, {52, 44}, {56, 40}, {56, 60}}));
}

void farfalla(QPainter& p)
{
    ground(p, QColor(0xcc, 0xf0, 0xe0), QColor(0x8c, 0xd8, 0xb8));
    const QColor upper(0x8a, 0x3c, 0xd8), lower(0xf0, 0x8a, 0x20);
    figure(p, {{ellipse({30, 36}, 20, 18), upper},
               {ellipse({70, 36}, 20, 18), upper},
               {ellipse({34, 66}, 14, 14), lower},
               {ellipse({66, 66}, 14, 14), lower},
               {ellipse({50, 52}, 5, 26), QColor(0x30, 0x26, 0x20)}});
    p.setPen(pen(kInk, 1.4));
    p.setBrush(QColor(0xff, 0xf0, 0x80));
    for (QPointF c : {QPointF(28, 34), QPointF(72, 34)})
        p.drawEllipse(c, 6, 6);
    p.setPen(pen(kInk, 2));
    p.drawLine(QPointF(48, 28), QPointF(40, 12));
    p.drawLine(QPointF(52, 28), QPointF(60, 12));
}

void montagne(QPainter& p)
{
    ground(p, QColor(0x5a, 0xa8, 0xf0), QColor(0xd8, 0xee, 0xfc));
    horizon(p, 84, QColor(0x4a, 0x9a, 0x3a));
    figure(p, {{poly({{-4, 86}, {32, 30}, {64, 86}}), QColor(0x7a, 0x6e, 0x80)},
               {poly({{30, 86}, {66, 18}, {104, 86}}), QColor(0x5e, 0x54, 0x6a)}});
    p.setPen(pen(kInk, 1.5));
    p.setBrush(Qt::white);
    p.drawPath(poly({{66, 18}, {55, 39}, {61, 35}, {66, 41}, {71, 35}, {77, 39}}));
    p.drawPath(poly({{32, 30}, {24, 43}, {29, 40}, {33, 45}, {37, 40}, {40, 43}}));
}

void faro(QPainter& p)
{
    ground(p, QColor(0xfa, 0xc0, 0x8a), QColor(0xf8, 0xe6, 0xb8));
    horizon(p, 80, QColor(0x2a, 0x7a, 0xb8));
    figure(p, {{poly({{36, 82}, {42, 30}, {58, 30}, {64, 82}}), Qt::white},
               {rect(40, 18, 20, 12, 1), QColor(0xff, 0xe0, 0x50)},
               {poly({{38, 18}, {50, 6}, {62, 18}}), QColor(0xc8, 0x20, 0x20)}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd0, 0x24, 0x24));
    p.drawPath(poly({{41.2, 40}, {58.8, 40}, {60.2, 52}, {39.8, 52}}));
    p.drawPath(poly({{38.8, 64}, {61.2, 64}, {62.6, 76}, {37.4, 76}}));
    p.setPen(pen(kInk, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(poly({{36, 82}, {42, 30}, {58, 30}, {64, 82}}));
}

void gelato(QPainter& p)
{
    ground(p, QColor(0xfc, 0xd8, 0xe8), QColor(0xf4, 0xa8, 0xc8));
    const QPainterPath cone = poly({{32, 52}, {68, 52}, {50, 94}});
    figure(p, {{cone, QColor(0xd8, 0x9a, 0x4a)}});
    // The wafer's criss-cross, inside the cone.
    p.save();
    p.setClipPath(cone);
    p.setPen(pen(QColor(0x9a, 0x60, 0x20), 1.4));
    for (qreal x = 10; x < 100; x += 9) {
        p.drawLine(QPointF(x, 50), QPointF(x + 30, 96));
        p.drawLine(QPointF(x, 50), QPointF(x - 30, 96));
    }
    p.restore();
    figure(p, {{ellipse({50, 46}, 20, 13), QColor(0xfc, 0xf4, 0xe0)},
               {ellipse({50, 28}, 16, 13), QColor(0xf2, 0x70, 0x9a)},
               {ellipse({52, 13}, 4, 4), QColor(0xd0, 0x10, 0x20)}});
}

void luna(QPainter& p)
{
    ground(p, QColor(0x0c, 0x14, 0x3c), QColor(0x22, 0x30, 0x6a));
    figure(p, {{ellipse({46, 50}, 28, 28).subtracted(ellipse({60, 42}, 24, 24)), QColor(0xff, 0xf2, 0xa0)}});
    p.setPen(pen(kInk, 1));
    p.setBrush(QColor(0xff, 0xf8, 0xd0));
    for (QPointF c : {QPointF(72, 22), QPointF(84, 58), QPointF(20, 18), QPointF(66, 82), QPointF(88, 30)}) {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5, r = i % 2 ? 2.2 : 5.5;
            const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        p.drawPath(star);
    }
}

void fotocamera(QPainter& p)
{
    figure(p, {{rect(8, 30, 84, 54, 8), QColor(0x3a, 0x3a, 0x42)},
               {rect(30, 20, 30, 14, 3), QColor(0x3a, 0x3a, 0x42)},
               {rect(72, 22, 14, 8, 2), QColor(0xe8, 0x40, 0x30)},
               {ellipse({50, 57}, 21, 21), QColor(0xb8, 0xb8, 0xc0)},
               {ellipse({50, 57}, 13, 13), QColor(0x20, 0x38, 0x70)}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(45, 52), 4, 4);
    p.setBrush(QColor(0xff, 0xf4, 0xb0));
    p.drawRect(QRectF(14, 36, 10, 6));
}

void interrogativo(QPainter& p)
{
    const QPainterPath mark =
        kit::centredText(QStringLiteral("?"), kit::outlineFont(QStringLiteral("DejaVu Sans"), 96, true), {0, 0, 100, 100});
    p.strokePath(mark, pen(kInk, 8));
    p.setPen(pen(kInk, 2));
    p.setBrush(sprite::rounded(mark, QColor(0xff, 0xd0, 0x20)));
    p.drawPath(mark);
}

const std::map<QString, std::function<void(QPainter&)>>& soggetti()
{
    static const std::map<QString, std::function<void(QPainter&)>> tabella = {
        {QStringLiteral("mela"), mela},         {QStringLiteral("gatto"), gatto},
        {QStringLiteral("casa"), casa},         {QStringLiteral("auto"), automobile},
        {QStringLiteral("albero"), albero},     {QStringLiteral("sole"), sole},
        {QStringLiteral("pesce"), pesce},       {QStringLiteral("ombrello"), ombrello},
        {QStringLiteral("tazza"), tazza},       {QStringLiteral("barca"), barca},
        {QStringLiteral("chiave"), chiave},     {QStringLiteral("fiore"), fiore},
        {QStringLiteral("bicicletta"), bicicletta}, {QStringLiteral("lampadina"), lampadina},
        {QStringLiteral("farfalla"), farfalla}, {QStringLiteral("montagne"), montagne},
        {QStringLiteral("faro"), faro},         {QStringLiteral("gelato"), gelato},
        {QStringLiteral("luna"), luna},
    };
    return tabella;
}

QImage paintFoto(const PaintRequest& request)
{
    QImage image = sprite::clearCanvas(request.size);
    QPainter p(&image);
    sprite::enterGrid(p, request.size, kGrid);
    const QString soggetto = request.text(QStringLiteral("soggetto"));
    if (soggetto == QLatin1String("fotocamera")) {
        fotocamera(p);
        return image;
    }
    if (soggetto == QLatin1String("interrogativo")) {
        interrogativo(p);
        return image;
    }
    const auto it = soggetti().find(soggetto);
    if (it == soggetti().end())
        qFatal("foto: unknown soggetto %s", qPrintable(soggetto));
    // The subject fills the print inside its white border.
    constexpr qreal kBordo = 4;
    p.save();
    p.translate(kBordo, kBordo);
    p.scale((kGrid - 2 * kBordo) / kGrid, (kGrid - 2 * kBordo) / kGrid);
    p.setClipRect(QRectF(0, 0, kGrid, kGrid));
    it->second(p);
    p.restore();
    p.setPen(QPen(Qt::white, kBordo * 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0, 0, kGrid, kGrid));
    p.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 0.8));
    p.drawRect(QRectF(0.4, 0.4, kGrid - 0.8, kGrid - 0.8));
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("foto", assetgen::paintFoto)
