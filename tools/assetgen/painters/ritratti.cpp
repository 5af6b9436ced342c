// The song strip of RITRATTO DI CANZONI: one picture of 5 rows of 10 cells, black
// on white, cell k - 1 (row by row from the top left) picturing the words of song
// title k with simple figures, never a letter or a digit. The cells are those the
// game cuts, the whole pixels of a tenth of the width and a fifth of the height;
// the odd pixels left at the right and bottom edges stay white. What each cell
// shows is listed beside the picture's line in content/assets/ritratti.txt.
// The strip is the same in every edition: the window shows it on its own navy
// panel, so it carries no edition's colours.

#include "painters/painter.h"
#include "painters/ritrattikit.h"

#include <QPainter>

namespace assetgen {

namespace ritratti {

namespace {

void bancone(QPainter& p)
{
    // Four friends at the bar: the counter, a glass before each, a bottle.
    rettangolo(p, 10, 62, 130, 8, true);
    linea(p, 14, 70, 14, kSuolo);
    linea(p, 136, 70, 136, kSuolo);
    for (int i = 0; i < 4; ++i) {
        const qreal x = 28 + i * 31;
        const Persona c = persona(p, {x, 60}, 44, -30, i % 2 ? 20 : -30);
        Q_UNUSED(c);
        poligono(p, {{x + 9, 50}, {x + 17, 50}, {x + 15, 61}, {x + 11, 61}});
    }
}

void angeli(QPainter& p)
{
    for (const qreal x : {45.0, 105.0}) {
        QPainterPath ala;
        ala.moveTo(x, 40);
        ala.cubicTo(x - 30, 20, x - 34, 50, x - 8, 58);
        ala.moveTo(x, 40);
        ala.cubicTo(x + 30, 20, x + 34, 50, x + 8, 58);
        tracciato(p, ala, true);
        poligono(p, {{x, 34}, {x - 13, 84}, {x + 13, 84}}, true);
        cerchio(p, {x, 27}, 7, true);
        ellisse(p, {x, 15}, 9, 3);
    }
}

void appuntamento(QPainter& p)
{
    suolo(p);
    persona(p, {35, kSuolo}, 50, -60, 30);
    persona(p, {115, kSuolo}, 50, 30, -60);
    orologio(p, {75, 22}, 14, 120, 0);
    linea(p, 75, 36, 75, kSuolo);
    cuore(p, {75, 62}, 8, true);
}

void bambola(QPainter& p)
{
    // A doll: a big round head with button eyes and two plaits, a wide skirt.
    const QPointF t(75, 30);
    cerchio(p, t, 16);
    cerchio(p, t + QPointF(-6, -2), 3, true);
    cerchio(p, t + QPointF(6, -2), 3, true);
    spezzata(p, {t + QPointF(-5, 7), t + QPointF(0, 9), t + QPointF(5, 7)});
    for (const qreal d : {-1.0, 1.0}) {
        spezzata(p, {t + QPointF(d * 15, -6), t + QPointF(d * 24, 6), t + QPointF(d * 22, 18)});
        cerchio(p, t + QPointF(d * 22, 21), 3, true);
    }
    poligono(p, {{75, 46}, {50, 82}, {100, 82}});
    linea(p, 62, 56, 44, 66);
    linea(p, 88, 56, 106, 66);
    linea(p, 66, 82, 64, 95);
    linea(p, 84, 82, 86, 95);
}

void uncino(QPainter& p)
{
    // A hook coming out of a cuff, a guitar and the notes of a rock song.
    rettangolo(p, 12, 40, 22, 20, true);
    linea(p, 34, 50, 44, 50, 3);
    QPainterPath gancio;
    gancio.moveTo(44, 50);
    gancio.lineTo(52, 50);
    gancio.arcTo(QRectF(44, 50, 18, 22), 90, -250);
    tracciato(p, gancio);
    p.save();
    p.translate(100, 60);
    p.rotate(-35);
    ellisse(p, {-14, 0}, 14, 16);
    ellisse(p, {8, 0}, 11, 13);
    cerchio(p, {-6, 0}, 4, true);
    rettangolo(p, 18, -3, 40, 6, true);
    rettangolo(p, 56, -5, 9, 10);
    p.restore();
    nota(p, {58, 25}, 9, true);
    nota(p, {130, 20}, 8);
}

void banditoCampione(QPainter& p)
{
    suolo(p);
    // The bandit: a black mask and a sack over the shoulder.
    const Persona b = persona(p, {35, kSuolo}, 56, -40, 60);
    rettangolo(p, b.testa.x() - 8, b.testa.y() - 3, 16, 5, true);
    cerchio(p, b.manoD + QPointF(6, -4), 9, true);
    // The champion on the podium, holding the cup up.
    rettangolo(p, 90, 66, 40, 24);
    const Persona c = persona(p, {110, 66}, 46, 80, -50);
    poligono(p, {c.manoS + QPointF(-7, -12), c.manoS + QPointF(7, -12), c.manoS + QPointF(2, -2),
                 c.manoS + QPointF(-2, -2)}, true);
    linea(p, c.manoS.x(), c.manoS.y() - 2, c.manoS.x(), c.manoS.y() + 1);
}

void paradiso(QPainter& p)
{
    // A gate in the clouds, rays behind it, an angel waving welcome.
    for (int i = 0; i < 9; ++i)
        linea(p, 75, 40, 75 + (i - 4) * 18, 2, 1.2);
    rettangolo(p, 52, 20, 46, 50);
    for (int i = 1; i < 5; ++i)
        linea(p, 52 + i * 9.2, 20, 52 + i * 9.2, 70, 1.6);
    nuvola(p, {35, 78}, 30);
    nuvola(p, {115, 78}, 30);
    const Persona a = persona(p, {130, 62}, 36, 70, -50);
    cerchio(p, a.testa - QPointF(0, a.raggio + 3), 1.2);
    ellisse(p, a.testa - QPointF(0, a.raggio + 3), 5, 1.6);
}

void anatre(QPainter& p)
{
    for (int i = 0; i < 5; ++i)
        anatra(p, {18 + i * 28.5, 62}, 12);
    onde(p, 75, 4, 146, 12);
    onde(p, 86, 10, 140, 12);
}

void pianoBar(QPainter& p)
{
    // A grand piano seen from the side, its lid up, a glass on it.
    QPainterPath cassa;
    cassa.moveTo(20, 50);
    cassa.lineTo(112, 50);
    cassa.cubicTo(130, 50, 132, 68, 118, 70);
    cassa.lineTo(20, 70);
    cassa.closeSubpath();
    tracciato(p, cassa, true);
    linea(p, 22, 50, 86, 18, 2.5);
    linea(p, 60, 50, 74, 26);
    for (int i = 0; i < 9; ++i)
        rettangolo(p, 10 + i * 1.2, 54, 1, 1);
    rettangolo(p, 8, 52, 12, 6);
    for (const qreal x : {30.0, 104.0})
        linea(p, x, 70, x, kSuolo, 3);
    poligono(p, {{120, 28}, {130, 28}, {127, 42}, {123, 42}});
    linea(p, 125, 42, 125, 49);
    linea(p, 120, 49, 130, 49);
}

void blu(QPainter& p)
{
    // A man flying with open arms among clouds, a brush and a pot of paint.
    nuvola(p, {30, 20}, 18);
    nuvola(p, {120, 26}, 20);
    p.save();
    p.translate(75, 45);
    p.rotate(-75);
    persona(p, {0, 30}, 56, 10, 10);
    p.restore();
    rettangolo(p, 20, 68, 20, 20);
    ellisse(p, {30, 68}, 10, 3, true);
    linea(p, 42, 50, 32, 66, 2.5);
    rettangolo(p, 40, 44, 6, 8, true);
}

void donnaCannone(QPainter& p)
{
    suolo(p);
    cerchio(p, {40, 78}, 11);
    cerchio(p, {40, 78}, 3, true);
    p.save();
    p.translate(40, 70);
    p.rotate(-30);
    rettangolo(p, -8, -11, 48, 22, true);
    p.restore();
    // The woman flying out: arms forward, a skirt.
    p.save();
    p.translate(110, 32);
    p.rotate(60);
    const Persona d = persona(p, {0, 22}, 44, 80, 80);
    poligono(p, {d.anca + QPointF(0, -12), d.anca + QPointF(-9, 4), d.anca + QPointF(9, 4)}, true);
    p.restore();
    for (int i = 0; i < 3; ++i)
        linea(p, 78 + i * 3, 52 - i * 7, 88 + i * 3, 46 - i * 7, 1.2);
}

void fattoria(QPainter& p)
{
    suolo(p);
    // An old barn with its cross-braced door, a fence and a hen.
    poligono(p, {{15, 40}, {45, 18}, {75, 40}, {75, 90}, {15, 90}});
    rettangolo(p, 33, 60, 24, 30);
    linea(p, 33, 60, 57, 90);
    linea(p, 57, 60, 33, 90);
    for (int i = 0; i < 6; ++i)
        linea(p, 82 + i * 11, 66, 82 + i * 11, 90);
    linea(p, 80, 72, 140, 72);
    linea(p, 80, 82, 140, 82);
    cerchio(p, {112, 52}, 9);
    cerchio(p, {121, 43}, 5);
    poligono(p, {{125, 42}, {131, 44}, {125, 46}}, true);
    poligono(p, {{118, 38}, {121, 34}, {123, 38}}, true);
    linea(p, 110, 61, 110, 66);
    linea(p, 115, 61, 115, 66);
}

void bufaloBill(QPainter& p)
{
    suolo(p);
    // A bison: a hump, a shaggy black head low, horns, four legs.
    QPainterPath corpo;
    corpo.moveTo(30, 70);
    corpo.cubicTo(28, 40, 55, 30, 70, 42);
    corpo.cubicTo(85, 46, 95, 52, 95, 70);
    corpo.closeSubpath();
    tracciato(p, corpo, true);
    ellisse(p, {28, 64}, 11, 13, true);
    spezzata(p, {{22, 54}, {16, 50}, {18, 44}});
    for (const qreal x : {35.0, 45.0, 80.0, 90.0})
        linea(p, x, 70, x, kSuolo, 3);
    linea(p, 95, 58, 100, 70);
    // Bill: a cowboy with a wide hat and a lasso.
    const Persona b = persona(p, {125, kSuolo}, 52, -50, 50);
    cappello(p, b, 0);
    ellisse(p, b.manoD + QPointF(4, -10), 8, 5);
}

void cieloStanza(QPainter& p)
{
    // A room in perspective with the sky inside: clouds, the sun and stars.
    rettangolo(p, 35, 22, 80, 52);
    linea(p, 5, 4, 35, 22);
    linea(p, 145, 4, 115, 22);
    linea(p, 5, 96, 35, 74);
    linea(p, 145, 96, 115, 74);
    sole(p, {58, 42}, 7);
    nuvola(p, {92, 52}, 14);
    stella(p, {98, 32}, 4);
    stella(p, {20, 40}, 4);
    stella(p, {130, 48}, 4);
    rettangolo(p, 12, 50, 12, 30);
}

void compagno(QPainter& p)
{
    suolo(p);
    // Two schoolchildren with satchels before a blank blackboard.
    rettangolo(p, 40, 8, 70, 34, true);
    rettangolo(p, 44, 12, 62, 26);
    for (const qreal x : {45.0, 105.0}) {
        const Persona c = persona(p, {x, kSuolo}, 42, -60, -60);
        rettangolo(p, x - 14, c.spalle.y(), 8, 12, true);
    }
    linea(p, 56, 62, 94, 62);
    cuore(p, {75, 58}, 3, true);
}

void duomo(QPainter& p)
{
    suolo(p);
    luna(p, {128, 18}, 9);
    stella(p, {20, 14}, 4);
    stella(p, {100, 10}, 3);
    // A cathedral's front: a gable, a rose window, spires in a row.
    poligono(p, {{35, 90}, {35, 50}, {75, 28}, {115, 50}, {115, 90}}, true);
    cerchio(p, {75, 52}, 7);
    QPainterPath porta;
    porta.moveTo(68, 90);
    porta.lineTo(68, 72);
    porta.arcTo(QRectF(68, 65, 14, 14), 180, -180);
    porta.lineTo(82, 90);
    coprente(p, porta);
    // The middle spire rises from the gable's top, the others from the eaves.
    for (const qreal x : {30.0, 45.0, 60.0, 75.0, 90.0, 105.0, 120.0}) {
        const qreal base = x == 75 ? 24.0 : 54.0;
        const qreal h = x == 75 ? 14.0 : 22.0;
        poligono(p, {{x - 3, base}, {x, base - h}, {x + 3, base}}, true);
    }
}

void mamma(QPainter& p)
{
    suolo(p);
    // A mother in her apron sends the boy off with the milk bottle.
    const Persona m = persona(p, {40, kSuolo}, 64, -60, 15);
    poligono(p, {m.anca + QPointF(0, -10), m.anca + QPointF(-13, 18), m.anca + QPointF(13, 18)}, true);
    linea(p, m.manoD.x(), m.manoD.y(), m.manoD.x() + 8, m.manoD.y(), 2);
    const Persona b = persona(p, {108, kSuolo}, 34, -40, 40);
    rettangolo(p, b.manoD.x() - 1, b.manoD.y() - 14, 7, 14);
    rettangolo(p, b.manoD.x(), b.manoD.y() - 17, 5, 3, true);
    for (int i = 0; i < 3; ++i)
        linea(p, 130 + i * 4, 66 + i * 6, 140 + i * 4, 66 + i * 6, 1.4);
}

void frac(QPainter& p)
{
    suolo(p);
    // A bent old man in a tailcoat and top hat, leaning on his cane.
    p.save();
    p.translate(75, kSuolo);
    p.rotate(8);
    const Persona v = persona(p, {0, 0}, 66, -50, -20);
    p.restore();
    cappello(p, v, 1);
    poligono(p, {v.spalle + QPointF(-4, 0), v.anca + QPointF(-18, 16), v.anca + QPointF(-4, 8)}, true);
    linea(p, 105, 60, 98, kSuolo, 2.6);
    QPainterPath manico;
    manico.moveTo(105, 60);
    manico.arcTo(QRectF(99, 56, 10, 8), 0, 180);
    tracciato(p, manico);
    linea(p, 75 - 5, 40, 72, 44, 1.2);
}

void granello(QPainter& p)
{
    suolo(p);
    // A girl tied by a long rope to one grain of sand on the ground.
    const Persona r = persona(p, {110, kSuolo}, 52, 40, 40);
    poligono(p, {r.anca + QPointF(0, -10), r.anca + QPointF(-11, 12), r.anca + QPointF(11, 12)}, true);
    cerchio(p, {30, 86}, 2.5, true);
    QPainterPath corda;
    corda.moveTo(30, 86);
    corda.cubicTo(50, 60, 80, 100, 104, kSuolo - 3);
    tracciato(p, corda);
    for (int i = 0; i < 3; ++i)
        linea(p, 18 + i * 4, 78 - i * 5, 22 + i * 4, 82 - i * 5, 1);
}

void carezza(QPainter& p)
{
    // A closed fist, a heart held in it.
    QPainterPath pugno;
    pugno.addRoundedRect(QRectF(45, 30, 60, 44), 12, 12);
    tracciato(p, pugno);
    for (int i = 1; i < 4; ++i)
        linea(p, 45 + i * 15, 30, 45 + i * 15, 48);
    QPainterPath pollice;
    pollice.moveTo(45, 50);
    pollice.cubicTo(60, 46, 78, 50, 84, 58);
    tracciato(p, pollice);
    rettangolo(p, 55, 74, 40, 20);
    cuore(p, {75, 24}, 9, true);
    linea(p, 75, 33, 75, 40, 1.4);
}

void lenzuola(QPainter& p)
{
    // A bed seen from the side: two heads on the pillow, the sheet over them.
    linea(p, 15, 40, 15, kSuolo, 3);
    linea(p, 135, 60, 135, kSuolo, 3);
    linea(p, 15, 72, 135, 72, 3);
    ellisse(p, {32, 54}, 14, 6);
    cerchio(p, {32, 44}, 8);
    cerchio(p, {50, 46}, 8);
    QPainterPath lenzuolo;
    lenzuolo.moveTo(40, 72);
    lenzuolo.cubicTo(45, 46, 70, 50, 130, 58);
    lenzuolo.lineTo(130, 78);
    lenzuolo.lineTo(40, 78);
    lenzuolo.closeSubpath();
    tracciato(p, lenzuolo, true);
}

void laGatta(QPainter& p)
{
    suolo(p);
    gatto(p, {75, kSuolo}, 58);
}

void california(QPainter& p)
{
    // A man asleep in bed, dreaming a palm on the beach under the sun.
    linea(p, 10, 80, 70, 80, 3);
    linea(p, 12, 70, 12, kSuolo, 3);
    cerchio(p, {22, 68}, 6);
    rettangolo(p, 28, 68, 40, 10, true);
    cerchio(p, {36, 56}, 2);
    cerchio(p, {44, 48}, 3);
    ellisse(p, {98, 32}, 46, 28);
    sole(p, {124, 20}, 5);
    onde(p, 48, 70, 126, 9);
    QPainterPath tronco;
    tronco.moveTo(90, 54);
    tronco.quadTo(88, 30, 98, 16);
    tracciato(p, tronco);
    for (const qreal a : {-40.0, -10.0, 20.0, 50.0}) {
        QPainterPath foglia;
        foglia.moveTo(98, 16);
        foglia.quadTo(98 + a * 0.5, 6, 98 + a * 0.6, 22);
        tracciato(p, foglia);
    }
}

void partita(QPainter& p)
{
    suolo(p);
    // A goal with its net, a player kicking, a keeper diving, the ball between.
    rettangolo(p, 100, 40, 44, 50);
    for (int i = 1; i < 4; ++i) {
        linea(p, 100 + i * 11, 40, 100 + i * 11, 90, 0.8);
        linea(p, 100, 40 + i * 12.5, 144, 40 + i * 12.5, 0.8);
    }
    persona(p, {30, kSuolo}, 48, 20, -30);
    linea(p, 30, kSuolo - 21, 44, kSuolo - 10, kTratto);
    cerchio(p, {64, 74}, 6);
    poligono(p, {{64, 70}, {68, 73}, {66, 77}, {62, 77}, {60, 73}}, true);
    p.save();
    p.translate(112, 58);
    p.rotate(-60);
    persona(p, {0, 20}, 40, 80, 80);
    p.restore();
}

void spadaCuore(QPainter& p)
{
    cuore(p, {75, 52}, 30, true);
    // The blade crosses the heart; its hilt and point stand out either side.
    p.save();
    p.translate(75, 52);
    p.rotate(-25);
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(QPointF(-28, 0), QPointF(28, 0));
    poligono(p, {{28, -3}, {60, -3}, {68, 0}, {60, 3}, {28, 3}});
    rettangolo(p, -40, -12, 4, 24, true);
    rettangolo(p, -60, -3, 20, 6, true);
    cerchio(p, {-63, 0}, 4, true);
    p.restore();
}

}  // namespace

void disegnaPrimi(QPainter& p, int k)
{
    using Disegno = void (*)(QPainter&);
    static const Disegno disegni[25] = {bancone,  angeli,     appuntamento, bambola,   uncino,   banditoCampione,
                                        paradiso, anatre,     pianoBar,     blu,       donnaCannone, fattoria,
                                        bufaloBill, cieloStanza, compagno,  duomo,     mamma,    frac,
                                        granello, carezza,    lenzuola,     laGatta,   california, partita,
                                        spadaCuore};
    disegni[k - 1](p);
}

}  // namespace ritratti

namespace {

QImage paintRitratti(const PaintRequest& request)
{
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    constexpr int kColonne = 10;
    constexpr int kRighe = 5;
    // The cells the game cuts: whole pixels, the remainder left at the edges.
    const int w = request.size.width() / kColonne;
    const int h = request.size.height() / kRighe;
    QPainter p(&image);
    // No smoothing: the strip is two colours, black and white.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int k = 1; k <= kColonne * kRighe; ++k) {
        p.save();
        const int cella = k - 1;
        p.setClipRect(QRect((cella % kColonne) * w, (cella / kColonne) * h, w, h));
        p.translate((cella % kColonne) * w, (cella / kColonne) * h);
        p.scale(w / ritratti::kLarghezza, h / ritratti::kAltezza);
        if (k <= 25)
            ritratti::disegnaPrimi(p, k);
        else
            ritratti::disegnaUltimi(p, k);
        p.restore();
    }
    return image;
}

}  // namespace

ZOLMERA_PAINTER("ritratti", paintRitratti)

}  // namespace assetgen
