// Titles 26 to 50 of the song strip (see ritratti.cpp).

#include "painters/ritrattikit.h"

#include <QPainter>

namespace assetgen::ritratti {

namespace {

void gattoVolpe(QPainter& p)
{
    suolo(p);
    gatto(p, {40, kSuolo}, 42);
    // The fox: pointed snout and ears, a long bushy tail with a white tip.
    QPainterPath corpo;
    corpo.addEllipse(QPointF(108, 70), 20, 10);
    tracciato(p, corpo, true);
    poligono(p, {{88, 62}, {76, 58}, {90, 50}, {92, 42}, {96, 50}, {98, 58}}, true);
    cerchio(p, {86, 55}, 1.5);
    for (const qreal x : {95.0, 102.0, 116.0, 122.0})
        linea(p, x, 76, x, kSuolo, 2.6);
    QPainterPath coda;
    coda.moveTo(126, 66);
    coda.quadTo(146, 58, 142, 40);
    coda.quadTo(134, 56, 124, 72);
    tracciato(p, coda, true);
    ellisse(p, {142, 42}, 3, 4);
}

void generale(QPainter& p)
{
    suolo(p);
    // A general saluting: a peaked cap, epaulettes, medals, a sword at the side.
    const Persona g = persona(p, {75, kSuolo}, 76, -70, 100);
    cappello(p, g, 2);
    for (const qreal d : {-1.0, 1.0})
        rettangolo(p, g.spalle.x() + d * 6 - 4, g.spalle.y() - 2, 8, 4, true);
    for (int i = 0; i < 3; ++i)
        stella(p, {g.spalle.x() + 6, g.spalle.y() + 7 + i * 6}, 2.5);
    linea(p, g.anca.x() - 4, g.anca.y(), g.anca.x() - 20, g.anca.y() + 24, 1.6);
}

void giardini(QPainter& p)
{
    suolo(p);
    // A spring garden: a blossoming tree, flowers in a row, rain and sun together.
    albero(p, {30, kSuolo}, 70);
    for (int i = 0; i < 5; ++i)
        cerchio(p, {20 + i * 5.0, 24 + (i % 2) * 8.0}, 1.8, true);
    for (int i = 0; i < 5; ++i)
        fiore(p, {62 + i * 17.0, kSuolo}, 22 + (i % 2) * 6);
    sole(p, {126, 16}, 6);
    for (int i = 0; i < 5; ++i)
        linea(p, 70 + i * 10, 10 + (i % 2) * 8, 67 + i * 10, 18 + (i % 2) * 8, 1.4);
    nuvola(p, {88, 10}, 14);
}

void musicaFinita(QPainter& p)
{
    // A record broken in two and a note falling, upside down.
    for (const qreal d : {-1.0, 1.0}) {
        p.save();
        p.translate(60 + d * 6, 50);
        p.rotate(d * 12);
        p.setClipRect(d < 0 ? QRectF(-40, -40, 40, 80) : QRectF(0, -40, 40, 80));
        cerchio(p, {}, 34, true);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(), 26, 26);
        p.drawEllipse(QPointF(), 18, 18);
        cerchio(p, {}, 8);
        p.restore();
    }
    p.save();
    p.translate(122, 60);
    p.rotate(160);
    nota(p, {}, 12);
    p.restore();
    linea(p, 110, kSuolo, 140, kSuolo);
}

void piazza(QPainter& p)
{
    suolo(p);
    // A wide square: houses round it, a fountain in the middle, pigeons.
    for (int i = 0; i < 6; ++i) {
        const qreal x = 6 + i * 24.0;
        const qreal h = 30 + (i % 3) * 8;
        rettangolo(p, x, 60 - h, 20, h);
        rettangolo(p, x + 6, 60 - h + 6, 8, 8, true);
    }
    linea(p, 4, 60, 146, 60);
    ellisse(p, {75, 80}, 26, 6);
    linea(p, 75, 80, 75, 64, 3);
    QPainterPath getto;
    getto.moveTo(75, 64);
    getto.quadTo(60, 52, 54, 76);
    getto.moveTo(75, 64);
    getto.quadTo(90, 52, 96, 76);
    tracciato(p, getto);
    for (const QPointF c : {QPointF(20, 82), QPointF(128, 84), QPointF(136, 78)}) {
        ellisse(p, c, 5, 3, true);
        cerchio(p, c + QPointF(4, -3), 2, true);
    }
}

void rotonda(QPainter& p)
{
    // A round dance floor on piles over the sea, a couple dancing on it.
    onde(p, 78, 4, 146, 12);
    onde(p, 90, 4, 146, 12);
    ellisse(p, {75, 60}, 50, 7);
    for (const qreal x : {35.0, 55.0, 95.0, 115.0})
        linea(p, x, 64, x, 86, 2.6);
    persona(p, {67, 58}, 40, 20, 30);
    persona(p, {83, 58}, 40, 30, 20);
    sole(p, {130, 16}, 6);
}

void ginocchio(QPainter& p)
{
    suolo(p);
    // A man on one knee holds up a flower to the woman before him.
    cerchio(p, {46, 52}, 6);
    linea(p, 46, 58, 44, 76);
    spezzata(p, {{44, 76}, {56, 76}, {56, kSuolo}});
    spezzata(p, {{44, 76}, {34, kSuolo}, {26, kSuolo}});
    linea(p, 45, 64, 62, 56);
    fiore(p, {62, 58}, 14);
    const Persona d = persona(p, {110, kSuolo}, 58, -30, -60);
    poligono(p, {d.anca + QPointF(0, -12), d.anca + QPointF(-12, 16), d.anca + QPointF(12, 16)}, true);
    cuore(p, {85, 20}, 6, true);
}

void ladri(QPainter& p)
{
    // The world, a masked thief with his sack running off over it.
    cerchio(p, {75, 72}, 30);
    linea(p, 45, 72, 105, 72, 1.2);
    ellisse(p, {75, 72}, 12, 30);
    ellisse(p, {60, 60}, 7, 5, true);
    ellisse(p, {88, 82}, 9, 6, true);
    const Persona l = persona(p, {75, 42}, 36, 40, -40);
    rettangolo(p, l.testa.x() - 5, l.testa.y() - 2, 10, 3.5, true);
    cerchio(p, l.manoS + QPointF(-7, -6), 8, true);
    for (int i = 0; i < 3; ++i)
        linea(p, 100, 20 + i * 6, 112, 20 + i * 6, 1.2);
}

void skyline(QPainter& p, qreal x0)
{
    // A city of towers, one tall with a spire, and the statue holding up her torch.
    const qreal torri[][2] = {{0, 30}, {9, 44}, {18, 60}, {29, 38}, {38, 50}, {47, 34}};
    for (const auto& t : torri)
        rettangolo(p, x0 + 14 + t[0], kSuolo - t[1], 9, t[1], true);
    linea(p, x0 + 36.5, kSuolo - 60, x0 + 36.5, kSuolo - 70, 1.6);
    poligono(p, {{x0 + 4, kSuolo}, {x0 + 6, kSuolo - 26}, {x0 + 10, kSuolo - 26}, {x0 + 12, kSuolo}}, true);
    cerchio(p, {x0 + 8, kSuolo - 30}, 3, true);
    linea(p, x0 + 9, kSuolo - 26, x0 + 13, kSuolo - 40, 1.6);
    poligono(p, {{x0 + 11, kSuolo - 41}, {x0 + 13, kSuolo - 47}, {x0 + 15, kSuolo - 41}});
}

void newYork(QPainter& p)
{
    suolo(p);
    skyline(p, 4);
    skyline(p, 76);
}

void mareCassetto(QPainter& p)
{
    // A chest of drawers, the top one pulled out with the sea and a fish in it.
    rettangolo(p, 30, 44, 90, 46);
    linea(p, 30, 67, 120, 67);
    ellisse(p, {75, 56}, 5, 2, true);
    ellisse(p, {75, 79}, 5, 2, true);
    poligono(p, {{22, 30}, {128, 30}, {128, 44}, {22, 44}});
    ellisse(p, {75, 38}, 5, 2, true);
    onde(p, 30, 24, 126, 12);
    onde(p, 22, 30, 120, 12);
    ellisse(p, {60, 12}, 8, 4, true);
    poligono(p, {{52, 12}, {46, 7}, {46, 17}}, true);
    cerchio(p, {105, 10}, 1.5);
    cerchio(p, {110, 5}, 2);
}

void marinai(QPainter& p)
{
    // Two sailors in their caps on a boat, a question mark over them.
    QPainterPath scafo;
    scafo.moveTo(10, 70);
    scafo.lineTo(140, 70);
    scafo.lineTo(124, 88);
    scafo.lineTo(24, 88);
    scafo.closeSubpath();
    tracciato(p, scafo, true);
    onde(p, 92, 4, 146, 12);
    for (const qreal x : {50.0, 100.0}) {
        const Persona m = persona(p, {x, 70}, 40, -40, -40);
        ellisse(p, m.testa - QPointF(0, m.raggio), m.raggio * 1.2, m.raggio * 0.45, true);
        poligono(p, {m.spalle + QPointF(-5, 0), m.spalle + QPointF(5, 0), m.spalle + QPointF(0, 6)}, true);
    }
    QPainterPath domanda;
    domanda.moveTo(68, 16);
    domanda.cubicTo(68, 4, 84, 4, 84, 14);
    domanda.cubicTo(84, 22, 75, 20, 75, 30);
    tracciato(p, domanda);
    cerchio(p, {75, 36}, 1.8, true);
}

void giraIntorno(QPainter& p)
{
    // A record on its turntable, notes going round it along an arrow.
    rettangolo(p, 35, 70, 80, 16);
    ellisse(p, {75, 66}, 32, 9, true);
    cerchio(p, {75, 65}, 2);
    QPainterPath giro;
    giro.addEllipse(QPointF(75, 40), 60, 26);
    tracciato(p, giro);
    poligono(p, {{132, 44}, {140, 36}, {128, 34}}, true);
    nota(p, {22, 28}, 8);
    nota(p, {68, 18}, 8, true);
    nota(p, {118, 24}, 8);
}

void peterPan(QPainter& p)
{
    // A boy in a pointed, feathered cap flying over the roofs towards a star.
    for (int i = 0; i < 4; ++i) {
        const qreal x = 4 + i * 36.0;
        poligono(p, {{x, kSuolo}, {x, 74}, {x + 16, 62}, {x + 32, 74}, {x + 32, kSuolo}}, true);
    }
    rettangolo(p, 56, 56, 6, 10, true);
    stella(p, {130, 14}, 7);
    stella(p, {110, 30}, 3);
    p.save();
    p.translate(70, 34);
    p.rotate(70);
    const Persona b = persona(p, {0, 18}, 40, 30, 60);
    cappello(p, b, 3);
    p.restore();
}

void bandieraBianca(QPainter& p)
{
    suolo(p);
    // A man waving a white flag high on a pole.
    const Persona m = persona(p, {50, kSuolo}, 58, -60, 55);
    linea(p, m.manoD.x(), m.manoD.y() + 10, m.manoD.x() + 14, m.manoD.y() - 40, 2.4);
    const QPointF cima = m.manoD + QPointF(14, -40);
    QPainterPath telo;
    telo.moveTo(cima);
    telo.cubicTo(cima + QPointF(14, -8), cima + QPointF(26, 8), cima + QPointF(44, 0));
    telo.lineTo(cima + QPointF(38, 28));
    telo.cubicTo(cima + QPointF(24, 34), cima + QPointF(14, 20), cima + QPointF(-4, 26));
    telo.closeSubpath();
    coprente(p, telo);
}

void sanSiro(QPainter& p)
{
    // A stadium's stands with floodlight towers beaming into the night.
    QPainterPath stadio;
    stadio.moveTo(14, kSuolo);
    stadio.lineTo(20, 58);
    stadio.quadTo(75, 50, 130, 58);
    stadio.lineTo(136, kSuolo);
    stadio.closeSubpath();
    tracciato(p, stadio, true);
    for (int i = 0; i < 6; ++i)
        cerchio(p, {28 + i * 19.0, 72}, 3.5);
    for (const qreal x : {12.0, 138.0}) {
        linea(p, x, kSuolo, x, 24, 2.4);
        rettangolo(p, x - 8, 14, 16, 10, true);
        const qreal verso = x < 75 ? 1 : -1;
        for (int i = 0; i < 3; ++i)
            linea(p, x + verso * 10, 18 + i * 3, x + verso * (40 + i * 8), 34 + i * 10, 1.2);
    }
    luna(p, {75, 14}, 7);
}

void sale(QPainter& p)
{
    // A salt cellar tipped over the sea, its grains falling on the waves.
    p.save();
    p.translate(60, 36);
    p.rotate(-140);
    rettangolo(p, -12, -20, 24, 36);
    QPainterPath tappo;
    tappo.moveTo(-12, -20);
    tappo.quadTo(0, -34, 12, -20);
    tracciato(p, tappo, true);
    for (const qreal x : {-5.0, 0.0, 5.0})
        cerchio(p, {x, -25}, 1.2);
    p.restore();
    for (int i = 0; i < 8; ++i)
        rettangolo(p, 64 + (i % 4) * 7.0, 50 + i * 3.5, 2, 2, true);
    onde(p, 84, 4, 146, 12);
    onde(p, 94, 10, 140, 12);
    sole(p, {128, 18}, 7);
}

void senzaFine(QPainter& p)
{
    // The figure of the endless: a loop crossing itself, a road going on behind.
    linea(p, 75, 50, 4, 96);
    linea(p, 75, 50, 146, 96);
    QPainterPath infinito;
    infinito.moveTo(75, 30);
    infinito.cubicTo(95, 6, 130, 10, 130, 30);
    infinito.cubicTo(130, 50, 95, 54, 75, 30);
    infinito.cubicTo(55, 6, 20, 10, 20, 30);
    infinito.cubicTo(20, 50, 55, 54, 75, 30);
    p.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(infinito);
}

void sacco(QPainter& p, QPointF base, qreal s)
{
    QPainterPath path;
    path.moveTo(base + QPointF(-s * 0.3, -s));
    path.cubicTo(base + QPointF(-s * 1.2, -s * 0.6), base + QPointF(-s, 0), base);
    path.cubicTo(base + QPointF(s, 0), base + QPointF(s * 1.2, -s * 0.6), base + QPointF(s * 0.3, -s));
    path.closeSubpath();
    tracciato(p, path, true);
    linea(p, base.x() - s * 0.4, base.y() - s, base.x() + s * 0.4, base.y() - s, 3);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(base + QPointF(0, -s * 0.4), s * 0.25, s * 0.25);
}

void money(QPainter& p)
{
    suolo(p);
    sacco(p, {38, kSuolo}, 40);
    sacco(p, {108, kSuolo}, 40);
    for (int i = 0; i < 4; ++i)
        ellisse(p, {73, kSuolo - 3 - i * 4.0}, 8, 2.5);
    rettangolo(p, 60, 20, 28, 14);
    cerchio(p, {74, 27}, 4);
}

void suGiu(QPainter& p)
{
    suolo(p);
    // A seesaw: one child up, one down, an arrow for each way.
    poligono(p, {{75, kSuolo}, {67, 72}, {83, 72}}, true);
    linea(p, 20, 88, 130, 56, 3);
    seduta(p, {28, 82}, 30);
    seduta(p, {118, 57}, 30);
    poligono(p, {{138, 20}, {132, 30}, {144, 30}}, true);
    linea(p, 138, 30, 138, 44, 2.4);
    poligono(p, {{12, 64}, {6, 54}, {18, 54}}, true);
    linea(p, 12, 54, 12, 40, 2.4);
}

void tempo(QPainter& p)
{
    // An hourglass running and a clock beside it.
    rettangolo(p, 22, 10, 44, 5, true);
    rettangolo(p, 22, 85, 44, 5, true);
    poligono(p, {{28, 15}, {60, 15}, {46, 50}, {60, 85}, {28, 85}, {42, 50}});
    poligono(p, {{33, 24}, {55, 24}, {44, 46}}, true);
    linea(p, 44, 50, 44, 80, 1);
    poligono(p, {{34, 85}, {44, 72}, {54, 85}}, true);
    orologio(p, {105, 50}, 30, 300, 60);
}

void titanic(QPainter& p)
{
    // The liner, four funnels, heading for an iceberg.
    QPainterPath scafo;
    scafo.moveTo(6, 56);
    scafo.lineTo(104, 56);
    scafo.lineTo(96, 76);
    scafo.lineTo(14, 76);
    scafo.closeSubpath();
    tracciato(p, scafo, true);
    rettangolo(p, 18, 48, 76, 8);
    for (int i = 0; i < 4; ++i)
        poligono(p, {{26 + i * 17.0, 48}, {28 + i * 17.0, 30}, {36 + i * 17.0, 30}, {36 + i * 17.0, 48}}, true);
    for (int i = 0; i < 8; ++i)
        cerchio(p, {20 + i * 10.0, 64}, 1.5);
    poligono(p, {{112, 78}, {122, 34}, {132, 46}, {140, 30}, {146, 78}});
    onde(p, 80, 4, 146, 12);
    onde(p, 92, 10, 140, 12);
}

void uomoRagno(QPainter& p)
{
    // A torn web in a corner, its spider fallen on its back beside a small tomb
    // with a flower.
    const QPointF centro(40, 34);
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * 45.0;
        if (i == 5)
            continue;
        QLineF raggio(centro, centro + QPointF(38, 0));
        raggio.setAngle(a);
        linea(p, raggio.x1(), raggio.y1(), raggio.x2(), raggio.y2(), 1.4);
    }
    for (const qreal r : {10.0, 20.0, 30.0}) {
        p.setPen(QPen(Qt::black, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(centro.x() - r, centro.y() - r, 2 * r, 2 * r), 250 * 16, 260 * 16);
    }
    suolo(p);
    ellisse(p, {80, 82}, 9, 6, true);
    for (int i = 0; i < 4; ++i) {
        spezzata(p, {{74 + i * 4.0, 78}, {70 + i * 5.0, 68}, {66 + i * 7.0, 72}}, 1.4);
    }
    QPainterPath lapide;
    lapide.moveTo(110, kSuolo);
    lapide.lineTo(110, 60);
    lapide.arcTo(QRectF(110, 50, 24, 20), 180, -180);
    lapide.lineTo(134, kSuolo);
    tracciato(p, lapide);
    fiore(p, {140, kSuolo}, 16);
}

void watussi(QPainter& p)
{
    suolo(p);
    // Very tall men beside one of ordinary height, a measuring line by them.
    for (const qreal x : {40.0, 66.0, 92.0})
        persona(p, {x, kSuolo}, 84, -70, -70);
    persona(p, {122, kSuolo}, 36, -60, -60);
    linea(p, 140, kSuolo, 140, 6, 1.4);
    for (int i = 0; i < 8; ++i)
        linea(p, 137, kSuolo - i * 11.0, 143, kSuolo - i * 11.0, 1.2);
}

void papaveri(QPainter& p)
{
    suolo(p);
    // Tall poppies and a goose walking among them.
    for (int i = 0; i < 4; ++i)
        fiore(p, {14 + i * 18.0 + (i > 1 ? 64 : 0), kSuolo}, 48 + (i % 2) * 10, true);
    QPainterPath corpo;
    corpo.addEllipse(QPointF(75, 72), 16, 10);
    tracciato(p, corpo);
    QPainterPath collo;
    collo.moveTo(84, 66);
    collo.quadTo(92, 52, 86, 40);
    tracciato(p, collo);
    cerchio(p, {88, 38}, 5);
    poligono(p, {{92, 37}, {100, 40}, {92, 41}}, true);
    linea(p, 72, 82, 72, kSuolo);
    linea(p, 78, 82, 78, kSuolo);
}

void scarpone(QPainter& p)
{
    suolo(p);
    // An old boot: a patch, a hole at the toe, its sole coming away, laces.
    QPainterPath stivale;
    stivale.moveTo(40, 12);
    stivale.lineTo(76, 12);
    stivale.lineTo(78, 52);
    stivale.cubicTo(110, 54, 134, 60, 134, 80);
    stivale.lineTo(38, 80);
    stivale.closeSubpath();
    tracciato(p, stivale);
    spezzata(p, {{38, 80}, {38, 86}, {120, 86}, {134, 80}});
    linea(p, 134, 80, 142, 88);
    rettangolo(p, 46, 40, 18, 16, true);
    cerchio(p, {122, 70}, 4, true);
    for (int i = 0; i < 4; ++i)
        linea(p, 66, 20 + i * 8.0, 80, 24 + i * 8.0, 1.6);
    linea(p, 70, 12, 64, 4, 1.6);
    linea(p, 74, 12, 80, 4, 1.6);
}

}  // namespace

void disegnaUltimi(QPainter& p, int k)
{
    using Disegno = void (*)(QPainter&);
    static const Disegno disegni[25] = {gattoVolpe, generale, giardini, musicaFinita, piazza,   rotonda,   ginocchio,
                                        ladri,      newYork,  mareCassetto, marinai,  giraIntorno, peterPan,
                                        bandieraBianca, sanSiro, sale,  senzaFine,    money,    suGiu,     tempo,
                                        titanic,    uomoRagno, watussi, papaveri,     scarpone};
    disegni[k - 26](p);
}

}  // namespace assetgen::ritratti
