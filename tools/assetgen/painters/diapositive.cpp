// The presentation at start-up: twenty slides that tell the show, shown one after
// the other stretched in a 497 x 369 box. Everything is laid out on that grid and
// drawn at the asked size (twice it, so the slides stay crisp when stretched).
// Each slide is a scene on the studio's stage over a caption panel. The scenes
// borrow the game's own pictures (the studio, the host, the wheel, the trolley and
// its covers, the menu card, the challenge's hands) and kits, so the presentation
// looks like the game it introduces. The colours are the edition's; the caption
// panel and the desks follow the look group, as the board does: a dark panel with
// white letters in the first group, a light one with dark letters in the second.
//
// Parameters: scena names the scene: titolo, studio, conduttore, postazioni, ruota,
// giro, portate, punti, jolly, prove, provebrevi, prenotazione, risposta, carrello,
// secondafase, cambio, montepremi, campionato, stagione, saluto. didascalia is the
// caption, laid out on one or two lines as it fits. The two title scenes (titolo
// and saluto) have no panel: their big title is the titolo parameter and the
// caption goes on a ribbon under it.

#include "painters/boardkit.h"
#include "painters/coursekit.h"
#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QMutex>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>

namespace assetgen {

namespace {

using namespace kit;

constexpr qreal kWidth = 497, kHeight = 369;
constexpr qreal kHorizon = 214;      // where the back wall meets the stage floor
constexpr qreal kStageBottom = 298;  // the scene ends here; the caption's band is below
const QRectF kCaption(16, 305, 465, 56);

// The challenge windows' light panel: the borrowed hands are settled on it.
const QColor kPanel(0xff, 0xf4, 0xd8);
const QColor kInk(0x2a, 0x1c, 0x14);
const QColor kBulb(0xff, 0xf4, 0xd6);
const QColor kYellow(0xff, 0xff, 0x00);  // the board's lit buttons

// The names the scenes give their contestants.
const QString kNames[4] = {QStringLiteral("Anna"), QStringLiteral("Marco"), QStringLiteral("Giulia"),
                           QStringLiteral("Paolo")};

struct Slide {
    QPainter& p;
    int edition;
    int group;  // 1: editions 1 and 3; 2: editions 2 and 4
    EditionLook look;
    qreal scale;  // pixels per unit of the grid
};

// --- Lettering ---------------------------------------------------------------------

QFont plainFont(qreal pixelSize, bool bold = true)
{
    return outlineFont(QStringLiteral("DejaVu Sans"), pixelSize, bold);
}

// Text centred in rect, with a halo of the given colour round it.
void haloText(QPainter& p, const QString& text, const QFont& font, const QRectF& rect, const QColor& fill,
              const QColor& halo, qreal haloWidth)
{
    const QPainterPath path = centredText(text, font, rect);
    if (haloWidth > 0)
        p.strokePath(path, QPen(halo, haloWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, fill);
}

struct Lines {
    QFont font;
    QStringList lines;
};

// The largest playful face, down from `largest`, at which text fits width on one
// line or on two. Two lines break where a clause ends if they can, and never
// leave a short word (an article, "di", "e") hanging at the end of the first.
Lines fitLines(const QString& text, qreal width, int largest)
{
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    for (int size = largest; size >= 9; --size) {
        const QFont font = playfulFont(size);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(text) <= width)
            return {font, {text}};
        qreal best = 0;
        QStringList lines;
        for (qsizetype cut = 1; cut < words.size(); ++cut) {
            const QString first = words.first(cut).join(u' '), second = words.sliced(cut).join(u' ');
            const qreal widest = std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
            if (widest > width)
                continue;
            const QString last = words[cut - 1];
            qreal cost = widest;
            if (QStringLiteral(",;:!?").contains(last.back()))
                cost -= width * 0.25;
            else if (last.size() <= 3)
                cost += width * 0.3;
            if (lines.isEmpty() || cost < best) {
                best = cost;
                lines = {first, second};
            }
        }
        if (!lines.isEmpty())
            return {font, lines};
    }
    return {playfulFont(9), {text}};
}

// --- Borrowed pictures -----------------------------------------------------------------

QImage borrow(const char* painter, int edition, QSize size, const QHash<QString, QString>& params = {})
{
    if (const PainterFunction paint = findPainter(QString::fromLatin1(painter)))
        return paint(PaintRequest{edition, size, params});
    QImage none(size, QImage::Format_ARGB32_Premultiplied);
    none.fill(Qt::transparent);
    return none;
}

// Another painter's picture, drawn for target at one of its pixels a pixel.
void drawBorrowed(const Slide& s, const QRectF& target, const char* painter, const QHash<QString, QString>& params = {})
{
    s.p.drawImage(target, borrow(painter, s.edition, (target.size() * s.scale).toSize(), params));
}

// The frames of the board's wheel strip the scenes use: the wheel at rest with the
// first course under the pointer, and the frames either side of it, which blur
// into a spin. The strip is drawn whole, so only these frames are kept.
constexpr int kWheelCell = 480;
constexpr int kRestFrame = 4;

QImage wheelFrame(int edition, int frame)
{
    static QMutex mutex;
    static std::map<std::pair<int, int>, QImage> frames;
    const QMutexLocker lock(&mutex);
    if (frames.find({edition, kRestFrame}) == frames.end()) {
        const QImage strip = borrow("ruota", edition, QSize(8 * kWheelCell, 6 * kWheelCell));
        for (int f = kRestFrame - 1; f <= kRestFrame + 1; ++f)
            frames.emplace(std::pair(edition, f),
                           strip.copy((f % 8) * kWheelCell, (f / 8) * kWheelCell, kWheelCell, kWheelCell));
    }
    const auto found = frames.find({edition, frame});
    return found == frames.end() ? QImage() : found->second;
}

// In a frame the wheel turns about this point of its 256-unit cell.
const QPointF kWheelHub(128, 137);

// --- The stage ----------------------------------------------------------------------

// The back wall, the floor with its rings of light, the lighting rig and the two
// columns of bulbs at the sides; spots are where the lamps aim on the floor.
void paintStage(const Slide& s, QPointF light, const QList<QPointF>& spots)
{
    QPainter& p = s.p;
    const EditionLook& look = s.look;
    fillVertical(p, QRectF(0, 0, kWidth, kHorizon), mix(look.deep, look.wall, 0.5),
                 mix(look.wall.lighter(150), look.glow, 0.18));
    drawRays(p, light, 600, 12, alpha(look.glow, 18));
    drawGlow(p, light, 230, alpha(look.glow, 90));

    fillStageFloor(p, QRectF(0, kHorizon, kWidth, kStageBottom - kHorizon), look);
    p.save();
    p.setClipRect(QRectF(0, kHorizon, kWidth, kStageBottom - kHorizon));
    const QPointF vanishing(kWidth / 2, 40);
    p.setPen(QPen(QColor(255, 255, 255, 20), 0.8));
    for (int i = -12; i <= 12; ++i) {
        const QPointF bottom(kWidth / 2 + i * 52, kStageBottom);
        const qreal t = (kHorizon - vanishing.y()) / (bottom.y() - vanishing.y());
        p.drawLine(vanishing + (bottom - vanishing) * t, bottom);
    }
    const QPointF round(kWidth / 2, 262);
    drawGlow(p, QRectF(round.x() - 250, round.y() - 50, 500, 100), alpha(look.glow, 60));
    drawFloorRings(p, round, QSizeF(220, 34), QSizeF(70, 10), 1.6, 0.3, look);
    p.restore();

    // The riser under the wall, lit along its edge.
    fillVertical(p, QRectF(0, kHorizon - 3, kWidth, 7), look.accent.darker(140), look.accent.darker(200));
    drawBulbRow(p, QPointF(6, kHorizon + 0.5), QPointF(kWidth - 6, kHorizon + 0.5), 40, 1.2,
                {kBulb, look.glow, look.accent2.lighter(130)});
    for (const qreal x : {16.0, kWidth - 16}) {
        drawGlow(p, QRectF(x - 12, 12, 24, kHorizon - 14), alpha(look.glow, 70));
        p.fillRect(QRectF(x - 2.5, 12, 5, kHorizon - 14), alpha(look.deep, 120));
        drawBulbRow(p, QPointF(x, 22), QPointF(x, kHorizon - 10), 13, 1.6,
                    {kBulb, look.accent2.lighter(130), look.glow, look.accent.lighter(140)});
    }

    // The rig: a lamp above each spot, its beam on the floor.
    for (const QPointF spot : spots)
        drawBeam(p, QPointF(spot.x(), 12), spot, 8, 120, alpha(look.glow, 30));
    drawTruss(p, kWidth, 12, 14, 1.0, QColor(0x1a, 0x1b, 0x22));
    for (const QPointF spot : spots) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x20, 0x21, 0x28));
        p.drawRoundedRect(QRectF(spot.x() - 6, 9, 12, 10), 3, 3);
        drawBulb(p, QPointF(spot.x(), 16), 3.4, look.glow);
    }
}

// A soft pool of light on the floor where someone or something stands.
void paintSpot(const Slide& s, QPointF centre, qreal halfWidth)
{
    drawGlow(s.p, QRectF(centre.x() - halfWidth * 1.4, centre.y() - halfWidth * 0.35, halfWidth * 2.8, halfWidth * 0.7),
             alpha(s.look.glow, 150));
    drawGlow(s.p, QRectF(centre.x() - halfWidth, centre.y() - halfWidth * 0.22, halfWidth * 2, halfWidth * 0.44),
             QColor(255, 255, 255, 150));
}

// The band under the scene with its caption on a panel like the scoreboard's.
void paintCaption(const Slide& s, const QString& text)
{
    QPainter& p = s.p;
    const EditionLook& look = s.look;
    fillVertical(p, QRectF(0, kStageBottom, kWidth, kHeight - kStageBottom), look.deep, look.deep.darker(130));
    p.fillRect(QRectF(0, kStageBottom, kWidth, 1.6), alpha(look.gold, 200));

    drawGlow(p, kCaption.adjusted(-24, -8, 24, 14), QColor(0, 0, 0, 110));
    drawGoldFrame(p, kCaption, look, 10);
    const QRectF face = kCaption.adjusted(5, 5, -5, -5);
    const bool light = s.group == 2;
    QLinearGradient glass(face.topLeft(), face.bottomLeft());
    glass.setColorAt(0, light ? QColor(0xfd, 0xf8, 0xea) : look.deep.darker(150));
    glass.setColorAt(1, light ? QColor(0xec, 0xe0, 0xc2) : look.deep.darker(110));
    p.setPen(QPen(look.gold.darker(160), 1.2));
    p.setBrush(glass);
    p.drawRoundedRect(face, 6, 6);
    const QList<QColor> bulbs{kBulb, look.glow};
    drawBulbRow(p, QPointF(kCaption.left() + 16, kCaption.top() + 2.5), QPointF(kCaption.right() - 16, kCaption.top() + 2.5),
                28, 1.2, bulbs);
    drawBulbRow(p, QPointF(kCaption.left() + 16, kCaption.bottom() - 2.5),
                QPointF(kCaption.right() - 16, kCaption.bottom() - 2.5), 28, 1.2, bulbs);

    const Lines layout = fitLines(text, face.width() - 28, 19);
    const qreal lineHeight = layout.font.pixelSize() * 1.16;
    const qreal top = face.center().y() - lineHeight * layout.lines.size() / 2;
    for (qsizetype i = 0; i < layout.lines.size(); ++i) {
        const QRectF row(face.left(), top + i * lineHeight, face.width(), lineHeight);
        const QPainterPath path = centredText(layout.lines[i], layout.font, row);
        if (light) {
            p.fillPath(path.translated(0.6, 0.8), alpha(look.gold, 150));
            p.fillPath(path, look.titleOutline);
        } else {
            p.fillPath(path.translated(0.8, 1.0), QColor(0, 0, 0, 170));
            p.fillPath(path, Qt::white);
        }
    }
}

// --- Furniture shared by several scenes -----------------------------------------------

// A challenge window: a gold frame, a title bar in the edition's colour, and the
// light panel the game's windows have. Returns the panel.
QRectF paintWindow(const Slide& s, const QRectF& rect, const QString& title)
{
    QPainter& p = s.p;
    const EditionLook& look = s.look;
    drawGlow(p, rect.adjusted(-20, -10, 20, 24), QColor(0, 0, 0, 130));
    drawGoldFrame(p, rect, look, 8);
    const QRectF bar(rect.left() + 4, rect.top() + 4, rect.width() - 8, 22);
    QLinearGradient band(bar.topLeft(), bar.bottomLeft());
    band.setColorAt(0, look.accent.lighter(125));
    band.setColorAt(1, look.accent.darker(120));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRoundedRect(bar, 5, 5);
    haloText(p, title, playfulFont(16), bar, Qt::white, alpha(look.accent.darker(200), 200), 2.2);
    const QRectF body(rect.left() + 4, bar.bottom() + 3, rect.width() - 8, rect.bottom() - 4 - bar.bottom() - 3);
    p.setPen(QPen(look.gold.darker(160), 1));
    p.setBrush(kPanel);
    p.drawRoundedRect(body, 4, 4);
    return body;
}

// A countdown clock: the seconds in the middle, the time still left in red.
void paintClock(const Slide& s, QPointF centre, qreal radius, int seconds, qreal left)
{
    QPainter& p = s.p;
    drawGlow(p, centre + QPointF(2, 4), radius * 1.35, QColor(0, 0, 0, 120));
    QLinearGradient rim(centre - QPointF(0, radius), centre + QPointF(0, radius));
    rim.setColorAt(0, s.look.gold.lighter(140));
    rim.setColorAt(1, s.look.gold.darker(150));
    p.setPen(QPen(s.look.gold.darker(230), 1));
    p.setBrush(rim);
    p.drawEllipse(centre, radius, radius);
    const qreal face = radius * 0.84;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xfd, 0xf6));
    p.drawEllipse(centre, face, face);
    QPainterPath pie(centre);
    pie.arcTo(QRectF(centre.x() - face, centre.y() - face, 2 * face, 2 * face), 90, 360 * left);
    pie.closeSubpath();
    p.setBrush(QColor(0xe8, 0x3a, 0x30, 150));
    p.drawPath(pie);
    p.setPen(QPen(kInk, std::max(0.8, radius * 0.04)));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * std::numbers::pi / 6;
        const QPointF d(std::sin(a), -std::cos(a));
        p.drawLine(centre + d * face * 0.84, centre + d * face * 0.96);
    }
    haloText(p, QString::number(seconds), playfulFont(radius * 0.95),
             QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), kInk,
             QColor(255, 255, 255, 230), radius * 0.16);
}

// A push button as the game's windows draw them; lit ones are the board's yellow.
void paintButton(QPainter& p, const QRectF& rect, const QString& label, const QFont& font, const QColor& face)
{
    QLinearGradient shade(rect.topLeft(), rect.bottomLeft());
    shade.setColorAt(0, face.lighter(112));
    shade.setColorAt(1, face.darker(112));
    p.setPen(QPen(QColor(0x40, 0x40, 0x48), 1));
    p.setBrush(shade);
    p.drawRoundedRect(rect, 4, 4);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.drawLine(QPointF(rect.left() + 4, rect.top() + 1.6), QPointF(rect.right() - 4, rect.top() + 1.6));
    p.fillPath(centredText(label, font, rect), QColor(0x10, 0x10, 0x14));
}

// A contestant's desk from the board, scaled, with the name on its plate, the two
// buttons in its recess and the hats won on its strip.
struct DeskDress {
    bool lit = true;
    bool bookLit = false;  // the booking button yellow
    int hats = 0;
    bool lastGolden = false;
};

void paintDesk(const Slide& s, QPointF topLeft, qreal scale, int contestant, const DeskDress& dress)
{
    QPainter& p = s.p;
    p.save();
    p.translate(topLeft);
    p.scale(scale, scale);
    board::drawDesk(p, QPointF(0, 0), s.edition, s.group, contestant, dress.lit);
    const bool second = s.group == 2;
    const QRectF plate = second ? QRectF(13, 32, 108, 28) : QRectF(16, 38, 108, 22);
    p.fillPath(centredText(kNames[contestant - 1], playfulFont(second ? 19 : 16), plate), QColor(0x20, 0x18, 0x28));
    const QFont small = plainFont(8.5);
    const QColor grey(0xe6, 0xe2, 0xda);
    paintButton(p, QRectF(17, 65, 50, 25), QStringLiteral("PRENOTA"), small, dress.bookLit ? kYellow : grey);
    paintButton(p, QRectF(73, 65, 50, 25), QStringLiteral("GIRA"), small, grey);
    const QRectF strip = second ? QRectF(3, 7, 90, 15) : QRectF(22, 7, 96, 15);
    for (int h = 0; h < dress.hats; ++h)
        drawChefHat(p, QRectF(strip.left() + 3 + h * 16, strip.top(), 15, 15), dress.lastGolden && h == dress.hats - 1);
    p.restore();
}

// The host from the board's sprites, standing with his feet at foot.
void paintHost(const Slide& s, QPointF foot, qreal scale, int pose)
{
    const QSizeF size(136 * scale, 248 * scale);
    paintSpot(s, foot, 44 * scale);
    drawBorrowed(s, QRectF(foot.x() - size.width() / 2, foot.y() - size.height() + 4 * scale, size.width(), size.height()),
                 "presentatore", {{QStringLiteral("posa"), QString::number(pose)}});
}

// The wheel's cabinet, as the studio has it, with the board's wheel in its window.
void paintWheelCabinet(const Slide& s, const QRectF& box, int frame)
{
    QPainter& p = s.p;
    const EditionLook& look = s.look;
    const qreal k = box.width() / 256;
    drawGlow(p, QRectF(box.left() - 10 * k, box.bottom() - 4 * k, box.width() + 20 * k, 34 * k), alpha(look.glow, 190));
    board::drawWheelCabinet(p, box, look, false);
    p.drawImage(box, wheelFrame(s.edition, frame));
}

// A tick in a green disc or a cross in a red one.
void paintVerdict(QPainter& p, QPointF centre, qreal radius, bool right)
{
    const QColor colour = right ? QColor(0x2e, 0xa8, 0x4a) : QColor(0xd8, 0x2e, 0x2a);
    QRadialGradient disc(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    disc.setColorAt(0, colour.lighter(150));
    disc.setColorAt(1, colour.darker(120));
    p.setPen(QPen(colour.darker(180), 1.2));
    p.setBrush(disc);
    p.drawEllipse(centre, radius, radius);
    QPainterPath mark;
    if (right) {
        mark.moveTo(centre + QPointF(-0.45, 0.02) * radius);
        mark.lineTo(centre + QPointF(-0.1, 0.36) * radius);
        mark.lineTo(centre + QPointF(0.48, -0.34) * radius);
    } else {
        mark.moveTo(centre + QPointF(-0.38, -0.38) * radius);
        mark.lineTo(centre + QPointF(0.38, 0.38) * radius);
        mark.moveTo(centre + QPointF(0.38, -0.38) * radius);
        mark.lineTo(centre + QPointF(-0.38, 0.38) * radius);
    }
    p.strokePath(mark, QPen(Qt::white, radius * 0.22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A gold cup on its foot, the bowl's rim at top, width across.
void paintCup(QPainter& p, QPointF top, qreal width, const EditionLook& look)
{
    const qreal cx = top.x(), bowlW = width, bowlH = width * 0.9;
    const QColor gold = look.gold, shade = mix(look.gold, Qt::black, 0.35);
    QLinearGradient polish(cx - bowlW / 2, 0, cx + bowlW / 2, 0);
    polish.setColorAt(0, shade);
    polish.setColorAt(0.35, mix(gold, Qt::white, 0.45));
    polish.setColorAt(1, shade);
    p.setPen(QPen(shade, width * 0.05));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(cx - bowlW * 0.82, top.y() + bowlH * 0.08, bowlW * 0.42, bowlH * 0.5));
    p.drawEllipse(QRectF(cx + bowlW * 0.40, top.y() + bowlH * 0.08, bowlW * 0.42, bowlH * 0.5));
    p.setPen(QPen(shade.darker(130), width * 0.025));
    QPainterPath bowl(QPointF(cx - bowlW / 2, top.y()));
    bowl.lineTo(cx + bowlW / 2, top.y());
    bowl.cubicTo(cx + bowlW / 2, top.y() + bowlH * 0.8, cx + bowlW * 0.1, top.y() + bowlH, cx, top.y() + bowlH);
    bowl.cubicTo(cx - bowlW * 0.1, top.y() + bowlH, cx - bowlW / 2, top.y() + bowlH * 0.8, cx - bowlW / 2, top.y());
    p.setBrush(polish);
    p.drawPath(bowl);
    const qreal stemTop = top.y() + bowlH, footTop = stemTop + bowlH * 0.45;
    p.drawRect(QRectF(cx - bowlW * 0.07, stemTop, bowlW * 0.14, footTop - stemTop));
    p.drawRoundedRect(QRectF(cx - bowlW * 0.34, footTop, bowlW * 0.68, bowlH * 0.2), width * 0.05, width * 0.05);
    p.setPen(Qt::NoPen);
    p.setBrush(look.accent);
    p.drawPath(starOutline(QPointF(cx, top.y() + bowlH * 0.42), bowlW * 0.17, bowlW * 0.07));
    drawSparkle(p, QPointF(cx - bowlW * 0.24, top.y() + bowlH * 0.22), width * 0.12, Qt::white);
}

// A challenger waiting his turn: a figure in the second contestant's colour.
void paintChallenger(QPainter& p, QPointF foot, qreal height, const QColor& colour)
{
    const qreal w = height * 0.5;
    QPainterPath body;
    body.addRoundedRect(QRectF(foot.x() - w / 2, foot.y() - height * 0.62, w, height * 0.62), w * 0.4, w * 0.4);
    QLinearGradient cloth(QPointF(foot.x() - w / 2, 0), QPointF(foot.x() + w / 2, 0));
    cloth.setColorAt(0, colour.lighter(140));
    cloth.setColorAt(1, colour.darker(140));
    p.setPen(QPen(colour.darker(220), 1));
    p.setBrush(cloth);
    p.drawPath(body);
    const QPointF head(foot.x(), foot.y() - height * 0.78);
    QRadialGradient skin(head - QPointF(height * 0.05, height * 0.05), height * 0.2);
    skin.setColorAt(0, QColor(0xfa, 0xd6, 0xb4));
    skin.setColorAt(1, QColor(0xd8, 0x98, 0x70));
    p.setBrush(skin);
    p.setPen(QPen(QColor(0x9a, 0x5c, 0x3a), 1));
    p.drawEllipse(head, height * 0.16, height * 0.17);
    haloText(p, QStringLiteral("?"), playfulFont(height * 0.34),
             QRectF(foot.x() - w / 2, foot.y() - height * 0.56, w, height * 0.44), Qt::white, colour.darker(200),
             height * 0.05);
}

// --- The vehicles of the counting challenge ---------------------------------------------

QPen vehicleLine(qreal width)
{
    return QPen(QColor(0x22, 0x22, 0x2a), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void paintWheelPair(QPainter& p, QPointF a, QPointF b, qreal radius)
{
    p.setPen(vehicleLine(radius * 0.25));
    p.setBrush(QColor(0x30, 0x30, 0x38));
    p.drawEllipse(a, radius, radius);
    p.drawEllipse(b, radius, radius);
    p.setBrush(QColor(0xc8, 0xcc, 0xd4));
    p.setPen(Qt::NoPen);
    p.drawEllipse(a, radius * 0.4, radius * 0.4);
    p.drawEllipse(b, radius * 0.4, radius * 0.4);
}

void paintBicycle(QPainter& p, QPointF ground, qreal k, const QColor& colour)
{
    p.save();
    p.translate(ground);
    p.scale(k, k);
    p.setBrush(Qt::NoBrush);
    p.setPen(vehicleLine(1.6));
    p.drawEllipse(QPointF(-11, -7), 7, 7);
    p.drawEllipse(QPointF(11, -7), 7, 7);
    QPainterPath frame(QPointF(-11, -7));
    frame.lineTo(-1, -7);
    frame.lineTo(-5, -16);
    frame.closeSubpath();
    frame.moveTo(-1, -7);
    frame.lineTo(7, -16);
    frame.lineTo(-5, -16);
    frame.moveTo(7, -16);
    frame.lineTo(11, -7);
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(frame);
    p.setPen(vehicleLine(1.8));
    p.drawLine(QPointF(-8, -18.5), QPointF(-3, -18.5));
    p.drawLine(QPointF(7, -16), QPointF(5, -21));
    p.drawLine(QPointF(5, -21), QPointF(9, -21));
    p.restore();
}

void paintVan(QPainter& p, QPointF ground, qreal k, const QColor& colour)
{
    p.save();
    p.translate(ground);
    p.scale(k, k);
    QPainterPath body;
    body.addRoundedRect(QRectF(-24, -24, 34, 19), 2.5, 2.5);
    QPainterPath cab(QPointF(10, -19));
    cab.lineTo(17, -19);
    cab.lineTo(23, -11);
    cab.lineTo(23, -5);
    cab.lineTo(10, -5);
    cab.closeSubpath();
    QLinearGradient paint(QPointF(0, -24), QPointF(0, -5));
    paint.setColorAt(0, colour.lighter(130));
    paint.setColorAt(1, colour.darker(120));
    p.setPen(vehicleLine(1.1));
    p.setBrush(paint);
    p.drawPath(body.united(cab));
    p.setBrush(QColor(0xbf, 0xe4, 0xf6));
    QPolygonF window;
    window << QPointF(12, -17) << QPointF(16.5, -17) << QPointF(20.5, -11.5) << QPointF(12, -11.5);
    p.drawPolygon(window);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.4));
    p.drawLine(QPointF(-21, -14), QPointF(7, -14));
    paintWheelPair(p, QPointF(-14, -5), QPointF(13, -5), 4.6);
    p.restore();
}

void paintPlane(QPainter& p, QPointF centre, qreal k, const QColor& colour)
{
    p.save();
    p.translate(centre);
    p.scale(k, k);
    p.setPen(vehicleLine(1.0));
    p.setBrush(colour.darker(115));
    QPolygonF far;
    far << QPointF(-2, -2) << QPointF(6, -2) << QPointF(-6, -13) << QPointF(-11, -13);
    p.drawPolygon(far);
    QPolygonF fin;
    fin << QPointF(-20, -2) << QPointF(-25, -13) << QPointF(-20, -13) << QPointF(-13, -2);
    p.drawPolygon(fin);
    QLinearGradient metal(QPointF(0, -5), QPointF(0, 5));
    metal.setColorAt(0, QColor(0xff, 0xff, 0xff));
    metal.setColorAt(1, QColor(0xb8, 0xc0, 0xcc));
    p.setBrush(metal);
    QPainterPath fuselage(QPointF(-24, -3.5));
    fuselage.lineTo(18, -4.5);
    fuselage.quadTo(27, -3, 27, 0.5);
    fuselage.quadTo(26, 4.5, 18, 4.5);
    fuselage.lineTo(-21, 3.5);
    fuselage.closeSubpath();
    p.drawPath(fuselage);
    p.setBrush(colour);
    QPolygonF near;
    near << QPointF(-3, 1) << QPointF(6, 1) << QPointF(-8, 15) << QPointF(-14, 15);
    p.drawPolygon(near);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3a, 0x6a, 0xa8));
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(-12 + i * 4.6, -1), 1.1, 1.1);
    p.restore();
}

void paintShip(QPainter& p, QPointF waterline, qreal k, const QColor& colour)
{
    p.save();
    p.translate(waterline);
    p.scale(k, k);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(3 + i * 5, -32 - i * 4.5), 3 + i, 2.6 + i * 0.8);
    p.setPen(vehicleLine(1.0));
    p.setBrush(colour);
    p.drawRect(QRectF(-2, -28, 7, 12));
    p.setBrush(QColor(0x22, 0x22, 0x2a));
    p.drawRect(QRectF(-2, -28, 7, 3));
    p.setBrush(QColor(0xfa, 0xfa, 0xfc));
    p.drawRect(QRectF(-14, -17, 24, 8));
    p.setBrush(QColor(0x3a, 0x6a, 0xa8));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(-10 + i * 5.5, -13), 1.2, 1.2);
    QPolygonF hull;
    hull << QPointF(-28, -9) << QPointF(28, -9) << QPointF(22, 1) << QPointF(-23, 1);
    p.setBrush(QColor(0x2a, 0x34, 0x48));
    p.drawPolygon(hull);
    p.setPen(Qt::NoPen);
    p.setBrush(colour.lighter(110));
    p.drawRect(QRectF(-27, -8.6, 54.5, 2.4));
    p.restore();
}

void paintTrain(QPainter& p, QPointF rail, qreal k, const QColor& colour)
{
    p.save();
    p.translate(rail);
    p.scale(k, k);
    p.setPen(vehicleLine(1.0));
    QLinearGradient paint(QPointF(0, -22), QPointF(0, -4));
    paint.setColorAt(0, colour.lighter(130));
    paint.setColorAt(1, colour.darker(125));
    p.setBrush(paint);
    // The carriage behind, then the engine with its cab and chimney.
    p.drawRoundedRect(QRectF(-40, -19, 32, 14), 2, 2);
    p.drawRoundedRect(QRectF(-5, -17, 30, 12), 5, 5);
    p.drawRect(QRectF(11, -25, 12, 9));
    p.drawRect(QRectF(0, -24, 5, 7));
    p.setBrush(QColor(0xbf, 0xe4, 0xf6));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(-37 + i * 9.5, -16, 6.5, 5));
    p.drawRect(QRectF(14, -23, 6, 4.5));
    p.setPen(vehicleLine(1.2));
    p.drawLine(QPointF(-8, -8), QPointF(-5, -8));
    paintWheelPair(p, QPointF(-33, -4), QPointF(-15, -4), 3.4);
    paintWheelPair(p, QPointF(2, -4), QPointF(18, -4), 3.4);
    p.restore();
}

// --- The scenes --------------------------------------------------------------------------

// The title card and the farewell: the big title over the wheel, a ribbon and lunch
// on the table, as on the start screen.
void paintTitleCard(const Slide& s, const QString& title, const QString& ribbon, bool confetti)
{
    QPainter& p = s.p;
    const EditionLook& look = s.look;
    const QPointF centre(kWidth / 2, 128);
    const qreal tableTop = 284;
    fillVertical(p, QRectF(0, 0, kWidth, tableTop + 1), look.deep, look.wall);
    drawRays(p, centre, 560, 10, alpha(look.glow, 20));
    drawGlow(p, centre, 250, alpha(look.glow, 120));
    drawBeam(p, QPointF(20, -6), QPointF(170, tableTop - 8), 14, 160, alpha(look.glow, 55));
    drawBeam(p, QPointF(kWidth - 20, -6), QPointF(kWidth - 170, tableTop - 8), 14, 160, alpha(look.glow, 55));
    p.save();
    p.setOpacity(0.9);
    drawWheel(p, centre, 122, look, 10);
    p.restore();
    drawGlow(p, QRectF(centre.x() - 230, centre.y() - 62, 460, 124), alpha(look.deep, 150));
    drawBulbRow(p, QPointF(14, 10), QPointF(kWidth - 14, 10), 21, 3.4, {look.gold, kBulb});

    if (confetti) {
        QRandomGenerator random(0xC0FE77Au);
        const QColor colours[] = {look.accent, look.accent2, look.gold, look.glow, QColor(0xff, 0xff, 0xff)};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 90; ++i) {
            const QPointF at(kWidth * random.generateDouble(), 20 + (tableTop - 30) * random.generateDouble());
            p.save();
            p.translate(at);
            p.rotate(360 * random.generateDouble());
            p.setBrush(alpha(colours[random.bounded(5)], 220));
            p.drawRect(QRectF(-2.6, -1.3, 5.2, 2.6));
            p.restore();
        }
    }

    constexpr qreal largest = 100, room = 446;
    qreal size = largest;
    const qreal natural = QFontMetricsF(playfulFont(largest)).horizontalAdvance(title);
    if (natural > room)
        size = std::floor(largest * room / natural);
    const QPainterPath path = bouncyText(title, playfulFont(size), QPointF(centre.x(), 160), 6 * size / largest, 5);
    drawTitle(p, path, look, 6.5 * size / largest);
    drawSparkle(p, QPointF(70, 72), 11, QColor(0xff, 0xfb, 0xe6));
    drawSparkle(p, QPointF(432, 196), 9, QColor(0xff, 0xfb, 0xe6));
    drawSparkle(p, QPointF(418, 56), 6, look.gold.lighter(130));

    fillVertical(p, QRectF(0, tableTop - 4, kWidth, 8), QColor(0, 0, 0, 0), QColor(0, 0, 0, 90));
    drawTablecloth(p, {QPointF(-30, tableTop), QPointF(kWidth + 30, tableTop), QPointF(kWidth + 130, kHeight),
                       QPointF(-130, kHeight)},
                   look.accent, 24, 6);
    fillVertical(p, QRectF(0, tableTop, kWidth, 36), QColor(0, 0, 0, 70), QColor(0, 0, 0, 0));
    drawPlate(p, QRectF(166, 296, 165, 62), look, true);
    drawFork(p, QPointF(124, 380), QPointF(144, 300), 15);
    drawKnife(p, QPointF(373, 380), QPointF(353, 298), 14);

    if (!ribbon.isEmpty()) {
        const QFont font = playfulFont(21);
        const qreal width = std::clamp(QFontMetricsF(font).horizontalAdvance(ribbon) + 56, 240.0, 400.0);
        drawRibbon(p, QRectF(centre.x() - width / 2, 212, width, 34), look.accent, ribbon, font);
    }

    drawVignette(p, QRectF(0, 0, kWidth, kHeight), QPointF(kWidth / 2, kHeight / 2), 330, 0.6, 110);
}

// The board's backdrop, the part the board shows at first, filling the scene, with
// the wheel in its box, the host in his place and the contestants on the scoreboard.
constexpr qreal kBoardScale = kWidth / (board::kShownRight - board::kShownLeft);

QRectF fromBoard(const QRectF& r)
{
    return QRectF((r.left() - board::kShownLeft) * kBoardScale, r.top() * kBoardScale, r.width() * kBoardScale,
                  r.height() * kBoardScale);
}

void paintStudioScene(const Slide& s, bool finale)
{
    QPainter& p = s.p;
    const qreal k = s.scale * kBoardScale;  // pixels of the slide for a pixel of the backdrop
    QHash<QString, QString> params{{QStringLiteral("gruppo"), QString::number(s.group)}};
    if (finale)
        params.insert(QStringLiteral("finale"), QString());
    const QImage studio =
        borrow("studio", s.edition, QSize(qRound(board::kWidth * k), qRound(board::kHeight * k)), params);
    p.drawImage(QRectF(0, 0, kWidth, kStageBottom), studio,
                QRectF(board::kShownLeft * k, 0, (board::kShownRight - board::kShownLeft) * k, studio.height()));
    if (!finale)
        p.drawImage(fromBoard(board::kWheelBox), wheelFrame(s.edition, kRestFrame));
    drawBorrowed(s, fromBoard(board::kHostBox), "presentatore", {{QStringLiteral("posa"), QStringLiteral("1")}});

    const QColor ink = s.look.lightScoreboard ? QColor(0x10, 0x10, 0x14) : QColor(0xff, 0xff, 0xff);
    const QColor digits(0xff, 0x50, 0x00);   // the board's money colour, on its dark counters
    const QString money[2] = {QStringLiteral("450"), QStringLiteral("300")};
    const board::Scoreboard& scores = board::scoreboard(s.group);
    for (int row = 0; row < 2; ++row) {
        const QRectF plate = fromBoard(scores.names[row]);
        const QRectF counter = fromBoard(scores.money[row]);
        const QFont nameFont = playfulFont(std::min(plate.height(), counter.height() * 1.3) * 0.7);
        const QFont moneyFont = playfulFont(counter.height() * 0.7);
        const QFontMetricsF nameMetrics(nameFont), moneyMetrics(moneyFont);
        p.fillPath(textAt(kNames[row], nameFont, plate.left() + 14,
                          plate.center().y() + (nameMetrics.ascent() - nameMetrics.descent()) / 2),
                   ink);
        p.fillPath(textAt(money[row], moneyFont, counter.right() - 8 - moneyMetrics.horizontalAdvance(money[row]),
                          counter.center().y() + (moneyMetrics.ascent() - moneyMetrics.descent()) / 2),
                   digits);
    }
}

void paintHostScene(const Slide& s)
{
    QPainter& p = s.p;
    const EditionLook& look = s.look;
    const QPointF foot(kWidth / 2, 284);
    paintStage(s, QPointF(kWidth / 2, 110), {QPointF(kWidth / 2 - 70, 284), QPointF(kWidth / 2 + 70, 284)});
    // The round frame behind him, lit at its edge, as in the studio.
    drawPortal(p, QPointF(kWidth / 2, 124), 100, look,
               {.glowReach = 30,
                .inner = mix(look.wall.lighter(150), look.glow, 0.5),
                .outer = mix(look.wall.lighter(150), look.glow, 0.15),
                .rimWidth = 6,
                .ringWidth = 2,
                .ringInset = 1.5,
                .bulbs = 24,
                .arcStart = 0.9,
                .arcSpan = 1.2,
                .bulbRadius = 2.6,
                .bulbLight = kBulb});
    paintHost(s, foot, 1.08, 2);
    drawSparkle(p, QPointF(96, 70), 9, QColor(0xff, 0xfb, 0xe6));
    drawSparkle(p, QPointF(402, 92), 11, QColor(0xff, 0xfb, 0xe6));
    drawSparkle(p, QPointF(380, 40), 6, look.gold.lighter(130));
    drawSparkle(p, QPointF(120, 180), 6, look.gold.lighter(130));
}

void paintDesksScene(const Slide& s)
{
    const qreal scale = 1.45;
    const QPointF left(22, 138), right(kWidth - 22 - 136 * scale, 138);
    paintStage(s, QPointF(kWidth / 2, 100),
               {left + QPointF(68 * scale, 150), QPointF(kWidth / 2, 240), right + QPointF(68 * scale, 150)});
    paintHost(s, QPointF(kWidth / 2, 236), 0.78, 1);
    paintDesk(s, left, scale, 1, {true, false, 2, false});
    paintDesk(s, right, scale, 2, {true, false, 1, true});
}

void paintWheelScene(const Slide& s)
{
    QPainter& p = s.p;
    paintStage(s, QPointF(kWidth / 2, 130), {QPointF(kWidth / 2, 282)});
    paintWheelCabinet(s, QRectF(kWidth / 2 - 118, 26, 236, 236), kRestFrame);
    // The courses it serves, either side of it.
    const Course left[] = {Course::Primo, Course::Secondo, Course::Formaggio};
    const Course right[] = {Course::Dolce, Course::Frutta};
    for (int i = 0; i < 3; ++i) {
        const QRectF box(30, 44 + i * 70, 84, 56);
        drawGlow(p, box.adjusted(-10, -6, 10, 6), alpha(s.look.glow, 110));
        drawCourse(p, left[i], box);
    }
    for (int i = 0; i < 2; ++i) {
        const QRectF box(kWidth - 114, 78 + i * 70, 84, 56);
        drawGlow(p, box.adjusted(-10, -6, 10, 6), alpha(s.look.glow, 110));
        drawCourse(p, right[i], box);
    }
}

void paintSpinScene(const Slide& s)
{
    QPainter& p = s.p;
    const EditionLook& look = s.look;
    paintStage(s, QPointF(170, 130), {QPointF(164, 282), QPointF(380, 282)});
    const QRectF box(50, 30, 228, 228);
    paintWheelCabinet(s, box, kRestFrame);
    // The blur of the turning face: the frames either side laid over it, each
    // weighed so the three come out even; the pointer and the box stay sharp.
    const qreal k = box.width() / 256;
    const QPointF hub = box.topLeft() + kWheelHub * k;
    p.save();
    p.setOpacity(0.5);
    p.drawImage(box, wheelFrame(s.edition, kRestFrame - 1));
    p.setOpacity(1.0 / 3);
    p.drawImage(box, wheelFrame(s.edition, kRestFrame + 1));
    p.restore();
    // Arrows sweeping round the rim.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal radius = (122 + i * 9) * k;
        const QRectF round(hub.x() - radius, hub.y() - radius, 2 * radius, 2 * radius);
        p.setPen(QPen(QColor(255, 255, 255, 200 - i * 50), 3.2 - i * 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(round, (20 - i * 10) * 16, 70 * 16);
        p.drawArc(round, (200 - i * 10) * 16, 70 * 16);
    }
    for (const qreal angle : {20.0, 200.0}) {
        const qreal a = angle * std::numbers::pi / 180, radius = 122 * k;
        const QPointF tip = hub + QPointF(std::cos(a), -std::sin(a)) * radius;
        const QPointF along(std::sin(a), std::cos(a));  // clockwise
        const QPointF across(std::cos(a), -std::sin(a));
        QPolygonF head;
        head << tip + along * 9 << tip - across * 6 << tip + across * 6;
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(head);
    }

    // The power bar, nearly full.
    const QRectF bar(352, 56, 54, 200);
    haloText(p, QStringLiteral("FORZA"), playfulFont(22), QRectF(bar.left() - 40, 26, bar.width() + 80, 28), look.titleTop,
             look.titleOutline, 4);
    drawGlow(p, bar.adjusted(-18, -10, 18, 18), QColor(0, 0, 0, 120));
    QLinearGradient rim(bar.topLeft(), bar.topRight());
    rim.setColorAt(0, look.gold.lighter(140));
    rim.setColorAt(1, look.gold.darker(150));
    p.setPen(QPen(look.gold.darker(230), 1.2));
    p.setBrush(rim);
    p.drawRoundedRect(bar, 10, 10);
    const QRectF well = bar.adjusted(7, 7, -7, -7);
    p.setBrush(QColor(0x14, 0x14, 0x1c));
    p.drawRoundedRect(well, 6, 6);
    const qreal full = 0.78;
    const QRectF level(well.left() + 3, well.bottom() - 3 - (well.height() - 6) * full, well.width() - 6,
                       (well.height() - 6) * full);
    QLinearGradient heat(QPointF(0, well.bottom()), QPointF(0, well.top()));
    heat.setColorAt(0, QColor(0x3c, 0xc0, 0x4a));
    heat.setColorAt(0.55, QColor(0xff, 0xe0, 0x30));
    heat.setColorAt(1, QColor(0xf0, 0x3a, 0x2a));
    p.setPen(Qt::NoPen);
    p.setBrush(heat);
    p.drawRoundedRect(level, 4, 4);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRoundedRect(QRectF(level.left() + 3, level.top() + 3, 6, level.height() - 6), 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    for (int i = 1; i < 10; ++i) {
        const qreal y = well.bottom() - well.height() * i / 10;
        p.drawLine(QPointF(well.right() - 10, y), QPointF(well.right() - 3, y));
    }
    drawSparkle(p, QPointF(level.center().x(), level.top()), 9, QColor(0xff, 0xfb, 0xe6));
}

void paintCoursesScene(const Slide& s)
{
    QPainter& p = s.p;
    const EditionLook& look = s.look;
    paintStage(s, QPointF(kWidth / 2, 90), {QPointF(120, 240), QPointF(kWidth - 120, 240)});
    const qreal top = 176;
    fillVertical(p, QRectF(0, top - 5, kWidth, 6), QColor(0, 0, 0, 0), QColor(0, 0, 0, 100));
    drawTablecloth(p, {QPointF(-20, top), QPointF(kWidth + 20, top), QPointF(kWidth + 70, kStageBottom),
                       QPointF(-70, kStageBottom)},
                   look.accent, 26, 5);
    fillVertical(p, QRectF(0, top, kWidth, 30), QColor(0, 0, 0, 60), QColor(0, 0, 0, 0));
    drawRibbon(p, QRectF(kWidth / 2 - 110, 44, 220, 34), look.accent, QStringLiteral("Il menù del giorno"),
               playfulFont(20));
    const Course courses[] = {Course::Primo, Course::Secondo, Course::Formaggio, Course::Dolce, Course::Frutta};
    for (int i = 0; i < 5; ++i) {
        const QRectF box(14 + i * 94, 150, 92, 62);
        drawCourse(p, courses[i], box);
        const QRectF card(box.center().x() - 38, 236, 76, 24);
        drawGlow(p, card.adjusted(-6, 0, 6, 10), QColor(0, 0, 0, 90));
        p.setPen(QPen(look.gold.darker(120), 1));
        p.setBrush(QColor(0xff, 0xfb, 0xf0));
        p.drawRoundedRect(card, 4, 4);
        p.fillPath(centredText(courseTitle(courses[i]), playfulFont(15), card), look.wall.darker(130));
    }
}

void paintPointsScene(const Slide& s)
{
    QPainter& p = s.p;
    const EditionLook& look = s.look;
    paintStage(s, QPointF(kWidth / 2, 100), {QPointF(kWidth / 2, 270)});
    const struct {
        Course course;
        int points;
    } courses[] = {{Course::Primo, 200}, {Course::Secondo, 300}, {Course::Formaggio, 150}, {Course::Dolce, 250},
                   {Course::Frutta, 100}};
    const QRectF frame(26, 54, 445, 98);
    drawGlow(p, frame.adjusted(-20, -10, 20, 24), QColor(0, 0, 0, 120));
    drawGoldFrame(p, frame, look, 8);
    for (int i = 0; i < 5; ++i) {
        const QRectF tile(frame.left() + 6 + i * 87, frame.top() + 6, 85, frame.height() - 12);
        drawCourseGround(p, tile);
        drawCourse(p, courses[i].course, tile.adjusted(2, 6, -2, -6));
        const QPointF coin(tile.center().x(), 196);
        drawGlow(p, coin + QPointF(2, 6), 34, QColor(0, 0, 0, 110));
        QRadialGradient face(coin - QPointF(8, 8), 36);
        face.setColorAt(0, look.gold.lighter(160));
        face.setColorAt(0.6, look.gold);
        face.setColorAt(1, look.gold.darker(150));
        p.setPen(QPen(look.gold.darker(220), 1.4));
        p.setBrush(face);
        p.drawEllipse(coin, 30, 30);
        p.setPen(QPen(alpha(look.gold.lighter(170), 200), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(coin, 25, 25);
        haloText(p, QString::number(courses[i].points), playfulFont(21), QRectF(coin.x() - 30, coin.y() - 18, 60, 26),
                 kInk, alpha(look.gold.lighter(160), 200), 2);
        p.fillPath(centredText(QStringLiteral("punti"), playfulFont(11), QRectF(coin.x() - 30, coin.y() + 4, 60, 14)),
                   kInk);
        p.fillPath(centredText(courseTitle(courses[i].course), playfulFont(15),
                               QRectF(tile.left(), 236, tile.width(), 22)),
                   Qt::white);
    }
}

void paintMedallion(const Slide& s, QPointF centre, qreal radius, const QColor& colour)
{
    QPainter& p = s.p;
    drawGlow(p, centre, radius * 1.5, alpha(s.look.glow, 110));
    QLinearGradient rim(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    rim.setColorAt(0, s.look.gold.lighter(150));
    rim.setColorAt(0.45, s.look.gold);
    rim.setColorAt(1, s.look.gold.darker(170));
    p.setPen(QPen(s.look.gold.darker(220), 1.2));
    p.setBrush(rim);
    p.drawEllipse(centre, radius, radius);
    QRadialGradient inside(centre, radius * 0.88);
    inside.setColorAt(0, colour.lighter(130));
    inside.setColorAt(0.6, colour);
    inside.setColorAt(1, colour.darker(125));
    p.setPen(Qt::NoPen);
    p.setBrush(inside);
    p.drawEllipse(centre, radius * 0.88, radius * 0.88);
    for (int i = 0; i < 24; ++i) {
        const qreal a = i * std::numbers::pi / 12;
        drawBulb(p, centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.94, 1.7, i % 2 == 0 ? kBulb : s.look.glow);
    }
}

void paintJollyScene(const Slide& s)
{
    QPainter& p = s.p;
    paintStage(s, QPointF(kWidth / 2, 120), {QPointF(140, 270), QPointF(357, 270)});
    // The two slices' own colours, as the wheel has them.
    const QColor jolly(0x66, 0x2a, 0x9c), dieta(0xcf, 0xdf, 0xee);
    const QPointF left(140, 134), right(357, 134);
    paintMedallion(s, left, 88, jolly);
    paintMedallion(s, right, 88, dieta);
    drawJollyStar(p, QRectF(left.x() - 78, left.y() - 58, 156, 104));
    drawEmptyPlate(p, QRectF(right.x() - 72, right.y() - 46, 144, 96));
    drawRibbon(p, QRectF(left.x() - 56, 236, 112, 30), jolly.lighter(115), QStringLiteral("JOLLY"), playfulFont(20));
    drawRibbon(p, QRectF(right.x() - 56, 236, 112, 30), QColor(0x5a, 0x78, 0x9c), QStringLiteral("DIETA"),
               playfulFont(20));
}

void paintLamp(QPainter& p, QPointF centre, qreal radius, const QColor& colour, bool lit)
{
    if (lit) {
        drawBulb(p, centre, radius, colour);
        return;
    }
    p.setPen(QPen(QColor(0x8a, 0x86, 0x80), 1));
    p.setBrush(QColor(0xd8, 0xd4, 0xcc));
    p.drawEllipse(centre, radius, radius);
}

void paintChallengeScene(const Slide& s)
{
    QPainter& p = s.p;
    paintStage(s, QPointF(kWidth / 2, 120), {QPointF(kWidth / 2, 280)});
    const QRectF body = paintWindow(s, QRectF(52, 24, 393, 256), QStringLiteral("Morra cinese"));
    const char* moves[] = {"forbice", "carta", "sasso"};
    for (int i = 0; i < 3; ++i) {
        const QRectF badge(body.center().x() - 45 + (i - 1) * 118, body.top() + 10, 90, 90);
        drawBorrowed(s, badge, "morra", {{QStringLiteral("mossa"), QString::fromLatin1(moves[i])}});
    }
    // Each hand won lights one of the contestant's six lights.
    const int lit[2] = {4, 2};
    for (int row = 0; row < 2; ++row) {
        const qreal y = body.top() + 132 + row * 42;
        const QColor colour = board::contestantColour(s.edition, row + 1);
        const QPainterPath name = centredText(kNames[row], playfulFont(19), QRectF(body.left() + 10, y - 14, 96, 28));
        p.fillPath(name, colour.darker(150));
        for (int i = 0; i < 6; ++i)
            paintLamp(p, QPointF(body.left() + 134 + i * 38, y), 11, colour, i < lit[row]);
    }
}

void paintCountingScene(const Slide& s)
{
    QPainter& p = s.p;
    const EditionLook& look = s.look;
    paintStage(s, QPointF(kWidth / 2, 110), {QPointF(kWidth / 2, 282)});
    // The monitor: a cabinet with its screen and a name plate under it.
    const QRectF cabinet(72, 22, 353, 254);
    drawGlow(p, cabinet.adjusted(-20, -10, 20, 24), QColor(0, 0, 0, 140));
    QLinearGradient plastic(cabinet.topLeft(), cabinet.bottomLeft());
    plastic.setColorAt(0, QColor(0x4a, 0x4c, 0x58));
    plastic.setColorAt(1, QColor(0x1c, 0x1d, 0x24));
    p.setPen(QPen(look.gold.darker(120), 2));
    p.setBrush(plastic);
    p.drawRoundedRect(cabinet, 18, 18);
    const QRectF screen(cabinet.left() + 18, cabinet.top() + 16, cabinet.width() - 36, 196);
    QPainterPath glass;
    glass.addRoundedRect(screen, 10, 10);
    p.save();
    p.setClipPath(glass);
    const qreal sea = screen.top() + 92, grass = screen.top() + 122, road = screen.top() + 154;
    fillVertical(p, QRectF(screen.left(), screen.top(), screen.width(), sea - screen.top()), QColor(0x7c, 0xc4, 0xf0),
                 QColor(0xd8, 0xf0, 0xff));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    for (const QPointF cloud : {QPointF(screen.left() + 230, screen.top() + 26), QPointF(screen.left() + 60, screen.top() + 64)}) {
        p.drawEllipse(cloud, 16, 7);
        p.drawEllipse(cloud + QPointF(12, -4), 11, 7);
    }
    fillVertical(p, QRectF(screen.left(), sea, screen.width(), grass - sea), QColor(0x2e, 0x8c, 0xd0), QColor(0x1e, 0x62, 0xa8));
    fillVertical(p, QRectF(screen.left(), grass, screen.width(), road - grass), QColor(0x7c, 0xc4, 0x5a), QColor(0x4c, 0x9a, 0x3c));
    fillVertical(p, QRectF(screen.left(), road, screen.width(), screen.bottom() - road), QColor(0x6a, 0x6c, 0x74),
                 QColor(0x4a, 0x4c, 0x54));
    // Rails, and the road's middle line.
    const qreal rails = road - 6;
    p.setPen(QPen(QColor(0x6a, 0x4a, 0x2c), 2.4));
    for (qreal x = screen.left() + 4; x < screen.right(); x += 9)
        p.drawLine(QPointF(x, rails + 1), QPointF(x + 4, rails + 1));
    p.setPen(QPen(QColor(0xb8, 0xbc, 0xc6), 1.4));
    p.drawLine(QPointF(screen.left(), rails), QPointF(screen.right(), rails));
    p.setPen(QPen(QColor(0xff, 0xff, 0xff, 200), 2, Qt::DashLine));
    p.drawLine(QPointF(screen.left(), road + 22), QPointF(screen.right(), road + 22));
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    for (qreal x = screen.left() + 10; x < screen.right(); x += 26)
        p.drawLine(QPointF(x, sea + 10 + std::fmod(x, 3) * 5), QPointF(x + 10, sea + 10 + std::fmod(x, 3) * 5));

    paintPlane(p, QPointF(screen.left() + 110, screen.top() + 38), 1.25, look.accent);
    paintShip(p, QPointF(screen.left() + 220, sea + 18), 1.1, look.accent2);
    paintTrain(p, QPointF(screen.left() + 90, rails), 1.2, QColor(0x2a, 0x6a, 0xc8));
    paintBicycle(p, QPointF(screen.left() + 70, screen.bottom() - 6), 1.2, QColor(0xe0, 0x3a, 0x3a));
    paintVan(p, QPointF(screen.left() + 218, screen.bottom() - 4), 1.25, QColor(0xff, 0xc2, 0x2a));

    // Scan lines and the gloss of the glass.
    p.setPen(QPen(QColor(0, 0, 0, 22), 0.8));
    for (qreal y = screen.top() + 1; y < screen.bottom(); y += 3)
        p.drawLine(QPointF(screen.left(), y), QPointF(screen.right(), y));
    QLinearGradient gloss(screen.topLeft(), QPointF(screen.left() + screen.width() * 0.4, screen.bottom()));
    gloss.setColorAt(0, QColor(255, 255, 255, 70));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.fillRect(screen, gloss);
    p.restore();
    p.setPen(QPen(QColor(0x0c, 0x0c, 0x10), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(screen, 10, 10);

    const QRectF plate(cabinet.center().x() - 86, screen.bottom() + 9, 172, 22);
    p.setPen(QPen(look.gold.darker(200), 1));
    p.setBrush(look.gold);
    p.drawRoundedRect(plate, 5, 5);
    p.fillPath(centredText(QStringLiteral("CALCOLO OGGETTI"), plainFont(12.5), plate), kInk);
    for (const qreal x : {cabinet.left() + 30, cabinet.right() - 30})
        drawBulb(p, QPointF(x, plate.center().y()), 3.4, QColor(0x60, 0xff, 0x70));
}

// A speech bubble from the host with a question mark.
void paintQuestionBubble(const Slide& s, const QRectF& bubble, QPointF tail)
{
    QPainter& p = s.p;
    QPainterPath shape;
    shape.addEllipse(bubble);
    QPainterPath point;
    point.addPolygon(QPolygonF{QPointF(bubble.center().x() - 10, bubble.bottom() - 8), tail,
                               QPointF(bubble.center().x() + 8, bubble.bottom() - 6)});
    point.closeSubpath();
    shape = shape.united(point);
    drawGlow(p, bubble.adjusted(-10, -6, 14, 16), QColor(0, 0, 0, 120));
    p.setPen(QPen(s.look.gold.darker(200), 2));
    p.setBrush(QColor(0xff, 0xfd, 0xf6));
    p.drawPath(shape);
    haloText(p, QStringLiteral("?"), playfulFont(bubble.height() * 0.8), bubble, s.look.accent, s.look.titleOutline, 3);
}

void paintBookingScene(const Slide& s)
{
    const qreal scale = 1.3;
    const QPointF left(14, 160), right(kWidth - 14 - 136 * scale, 160);
    paintStage(s, QPointF(kWidth / 2, 100),
               {left + QPointF(68 * scale, 130), QPointF(kWidth / 2, 262), right + QPointF(68 * scale, 130)});
    paintHost(s, QPointF(kWidth / 2, 262), 0.95, 2);
    paintDesk(s, left, scale, 1, {true, true, 0, false});
    paintDesk(s, right, scale, 2, {true, true, 0, false});
    paintQuestionBubble(s, QRectF(330, 28, 92, 74), QPointF(306, 96));
    paintClock(s, QPointF(100, 86), 40, 10, 1.0);
}

void paintAnswerScene(const Slide& s)
{
    QPainter& p = s.p;
    paintStage(s, QPointF(kWidth / 2, 110), {QPointF(kWidth / 2, 282)});
    const QRectF body = paintWindow(s, QRectF(34, 22, 429, 256), QStringLiteral("Domanda a prenotazione"));
    const Lines question = fitLines(QStringLiteral("Quante biciclette sono apparse sul monitor?"), body.width() - 120, 19);
    const qreal lineHeight = question.font.pixelSize() * 1.2;
    for (qsizetype i = 0; i < question.lines.size(); ++i)
        p.fillPath(centredText(question.lines[i], question.font,
                               QRectF(body.left() + 12, body.top() + 16 + i * lineHeight, body.width() - 120, lineHeight)),
                   kInk);
    paintClock(s, QPointF(body.right() - 52, body.top() + 44), 36, 15, 0.6);
    const QString answers[] = {QStringLiteral("7"), QStringLiteral("9"), QStringLiteral("12")};
    for (int i = 0; i < 3; ++i) {
        const QRectF button(body.left() + 30 + i * 126, body.top() + 104, 108, 40);
        paintButton(p, button, answers[i], playfulFont(22), i == 1 ? kYellow : QColor(0xe6, 0xe2, 0xda));
    }
    // The answer written in its box, and the Ok button.
    const QRectF box(body.left() + 30, body.top() + 170, 234, 36);
    p.setPen(QPen(QColor(0x40, 0x40, 0x48), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(box);
    const QFont typed = playfulFont(22);
    p.fillPath(textAt(QStringLiteral("9"), typed, box.left() + 10, box.center().y() + 8), kInk);
    p.setPen(QPen(kInk, 1.4));
    const qreal caret = box.left() + 12 + QFontMetricsF(typed).horizontalAdvance(QStringLiteral("9"));
    p.drawLine(QPointF(caret, box.top() + 7), QPointF(caret, box.bottom() - 7));
    paintButton(p, QRectF(box.right() + 20, box.top(), 90, box.height()), QStringLiteral("Ok"), playfulFont(20),
                QColor(0xe6, 0xe2, 0xda));
}

QColor coverBand(int index)
{
    return QColor::fromHsvF(float(index % 12) / 12.0f, 0.78f, 0.92f);
}

void paintTrolleyScene(const Slide& s)
{
    QPainter& p = s.p;
    paintStage(s, QPointF(kWidth / 2, 120), {QPointF(kWidth / 2, 284)});
    // The board's trolley and its sheet of covers, each laid in its niche.
    const qreal k = 252.0 / 272;
    const QRectF trolley(kWidth / 2 - 180 * k, 24, 360 * k, 272 * k);
    paintSpot(s, QPointF(kWidth / 2, trolley.bottom()), 150);
    drawBorrowed(s, trolley, "carrello");
    const QImage covers = borrow("coperchi", s.edition, (QSizeF(288, 216) * k * s.scale).toSize());
    const qreal cell = covers.width() / 4.0;
    constexpr int lifted = 6;
    for (int n = 0; n < 12; ++n) {
        if (n == lifted)
            continue;
        const QRectF niche(trolley.left() + (20 + 80 * (n % 4)) * k, trolley.top() + (24 + 80 * (n / 4)) * k, 72 * k, 72 * k);
        p.drawImage(niche, covers, QRectF(cell * (n % 4), cell * (n / 4), cell, cell));
    }
    // One cover raised off its plate: a topic is about to be revealed.
    const QRectF niche(trolley.left() + (20 + 80 * (lifted % 4)) * k, trolley.top() + (24 + 80 * (lifted / 4)) * k,
                       72 * k, 72 * k);
    drawGlow(p, niche.center() + QPointF(0, 10), 40, alpha(s.look.glow, 220));
    drawSparkle(p, niche.center() + QPointF(0, 16), 10, QColor(0xff, 0xfb, 0xe6));
    p.save();
    p.translate(niche.center() + QPointF(10, -36));
    p.rotate(14);
    drawCloche(p, QRectF(-niche.width() / 2, -niche.height() / 2, niche.width(), niche.height()), coverBand(lifted),
               lifted + 1);
    p.restore();
}

void paintSecondPhaseScene(const Slide& s)
{
    QPainter& p = s.p;
    paintStudioScene(s, true);
    const QRectF body = paintWindow(s, QRectF(12, 14, 246, 214), QStringLiteral("Seconda fase"));
    drawCloche(p, QRectF(body.left() + 6, body.top() + 4, 50, 50), coverBand(6), 7);
    const Lines question = fitLines(QStringLiteral("In quale città si trova il Colosseo?"), body.width() - 70, 15);
    const qreal lineHeight = question.font.pixelSize() * 1.2;
    for (qsizetype i = 0; i < question.lines.size(); ++i)
        p.fillPath(centredText(question.lines[i], question.font,
                               QRectF(body.left() + 58, body.top() + 10 + i * lineHeight, body.width() - 66, lineHeight)),
                   kInk);
    const QString answers[] = {QStringLiteral("Roma"), QStringLiteral("Milano"), QStringLiteral("Napoli")};
    for (int i = 0; i < 3; ++i)
        paintButton(p, QRectF(body.left() + 14, body.top() + 64 + i * 34, 130, 26), answers[i], playfulFont(16),
                    i == 0 ? kYellow : QColor(0xe6, 0xe2, 0xda));
    paintClock(s, QPointF(body.right() - 44, body.top() + 112), 36, 45, 0.8);
}

// A question card of the second phase, with its verdict.
void paintQuestionCard(const Slide& s, const QRectF& card, int number, bool right)
{
    QPainter& p = s.p;
    drawGlow(p, card.adjusted(-14, -6, 14, 18), QColor(0, 0, 0, 120));
    p.setPen(QPen(s.look.gold.darker(150), 2));
    p.setBrush(QColor(0xff, 0xfb, 0xf0));
    p.drawRoundedRect(card, 8, 8);
    const QRectF head(card.left(), card.top(), card.width(), 30);
    p.fillPath(centredText(QStringLiteral("Domanda %1").arg(number), playfulFont(16), head), s.look.wall.darker(130));
    p.setPen(QPen(alpha(s.look.gold.darker(120), 160), 1));
    p.drawLine(QPointF(card.left() + 12, head.bottom()), QPointF(card.right() - 12, head.bottom()));
    p.setPen(QPen(QColor(0xc8, 0xc0, 0xb0), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = head.bottom() + 14 + i * 11;
        p.drawLine(QPointF(card.left() + 16, y), QPointF(card.right() - 16 - (i == 2 ? 30 : 0), y));
    }
    paintVerdict(p, QPointF(card.center().x(), card.bottom() - 42), 28, right);
}

void paintChangeScene(const Slide& s)
{
    QPainter& p = s.p;
    const EditionLook& look = s.look;
    paintStage(s, QPointF(kWidth / 2, 110), {QPointF(90, 270), QPointF(kWidth / 2, 270), QPointF(kWidth - 90, 270)});
    const bool verdicts[] = {true, true, false};
    for (int i = 0; i < 3; ++i)
        paintQuestionCard(s, QRectF(40 + i * 150, 40, 118, 158), i + 1, verdicts[i]);
    // The wrong one is swapped for a new question: two arrows going round.
    const QPointF swap(40 + 2 * 150 + 112, 128);
    drawGlow(p, swap, 30, alpha(look.glow, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(look.accent);
    p.drawEllipse(swap, 20, 20);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3.4, Qt::SolidLine, Qt::RoundCap));
    const QRectF round(swap.x() - 11, swap.y() - 11, 22, 22);
    p.drawArc(round, 30 * 16, 130 * 16);
    p.drawArc(round, 210 * 16, 130 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (const qreal angle : {30.0, 210.0}) {
        const qreal a = angle * std::numbers::pi / 180;
        const QPointF tip = swap + QPointF(std::cos(a), -std::sin(a)) * 11;
        const QPointF along(std::sin(a), std::cos(a));
        const QPointF across(std::cos(a), -std::sin(a));
        QPolygonF head;
        head << tip + along * 6 << tip - across * 4.5 << tip + across * 4.5;
        p.drawPolygon(head);
    }
    // The spins at stake: small wheels, two won and one in play.
    haloText(p, QStringLiteral("Giri:"), playfulFont(20), QRectF(kWidth / 2 - 130, 222, 90, 40), look.titleTop,
             look.titleOutline, 4);
    for (int i = 0; i < 3; ++i) {
        const QPointF at(kWidth / 2 - 10 + i * 52, 242);
        p.save();
        if (i == 2)
            p.setOpacity(0.45);
        drawWheel(p, at, 20, look, 10);
        p.restore();
        if (i == 2)
            haloText(p, QStringLiteral("?"), playfulFont(26), QRectF(at.x() - 20, at.y() - 20, 40, 40), Qt::white,
                     look.titleOutline, 4);
    }
}

void paintJackpotScene(const Slide& s)
{
    QPainter& p = s.p;
    const EditionLook& look = s.look;
    paintStage(s, QPointF(190, 120), {QPointF(166, 282), QPointF(380, 282)});
    // The board's menu card with the jackpot written in its space.
    const qreal k = 270.0 / 434;
    const QRectF card(62, 16, 322 * k, 434 * k);
    drawGlow(p, card.adjusted(-20, -8, 20, 20), QColor(0, 0, 0, 140));
    drawBorrowed(s, card, "menu");
    const QRectF prize(card.left() + 120 * k, card.top() + 340 * k, 110 * k, 32 * k);
    p.fillPath(centredText(QStringLiteral("1.000"), playfulFont(prize.height() * 0.9), prize), look.wall.darker(140));

    drawCoinStack(p, QPointF(318, 272), 7, 18, look.gold);
    drawCoinStack(p, QPointF(356, 276), 9, 18, look.gold);
    drawCoinStack(p, QPointF(396, 270), 5, 18, look.gold);
    drawCoinStack(p, QPointF(432, 274), 3, 18, look.gold);
    drawSparkle(p, QPointF(350, 190), 8, QColor(0xff, 0xfb, 0xe6));
    drawSparkle(p, QPointF(420, 222), 6, QColor(0xff, 0xfb, 0xe6));
    // A burst with the rise after every match nobody completes the menu.
    const QPointF burst(374, 100);
    drawGlow(p, burst, 90, alpha(look.glow, 150));
    p.setPen(QPen(look.accent.darker(170), 1.6));
    p.setBrush(look.accent);
    p.drawPath(starOutline(burst, 74, 56, 16));
    const QPainterPath rise = centredText(QStringLiteral("+250"), playfulFont(42), QRectF(burst.x() - 70, burst.y() - 28, 140, 56));
    drawTitle(p, rise, look, 3);
}

void paintTournamentScene(const Slide& s)
{
    QPainter& p = s.p;
    const EditionLook& look = s.look;
    paintStage(s, QPointF(kWidth / 2, 110), {QPointF(kWidth / 2, 284)});
    const QRectF board(26, 18, 445, 264);
    drawGlow(p, board.adjusted(-20, -8, 20, 20), QColor(0, 0, 0, 140));
    drawGoldFrame(p, board, look, 10);
    const QRectF face = board.adjusted(6, 6, -6, -6);
    fillVertical(p, face, QColor(0xfd, 0xf8, 0xea), QColor(0xee, 0xe2, 0xc6));
    const QPainterPath title = bouncyText(QStringLiteral("Campionato"), playfulFont(34), QPointF(kWidth / 2, face.top() + 28), 2, 3);
    drawTitle(p, title, look, 2.4);

    // Six matchdays: a white hat for a win, a golden one for a win with the whole
    // menu, a struck one for a defeat; two matches a day, so two winners a day.
    const char* results[4] = {"wgxwxw", "xwwxgx", "xxxwww", "gxwxxx"};
    const qreal nameWidth = 96, column = 48, top = face.top() + 64, row = 42;
    const QFont head = playfulFont(15);
    p.fillPath(textAt(QStringLiteral("Giornata"), head, face.left() + 12, top - 12), look.wall.darker(130));
    for (int d = 0; d < 6; ++d)
        p.fillPath(centredText(QString::number(d + 1), head, QRectF(face.left() + nameWidth + d * column, top - 28, column, 22)),
                   look.wall.darker(130));
    p.fillPath(centredText(QStringLiteral("Punti"), head, QRectF(face.right() - 64, top - 28, 60, 22)), look.wall.darker(130));
    for (int r = 0; r < 4; ++r) {
        const qreal y = top + r * row;
        if (r % 2 == 0)
            p.fillRect(QRectF(face.left() + 4, y, face.width() - 8, row), alpha(look.gold, 50));
        p.fillPath(textAt(kNames[r], playfulFont(18), face.left() + 12, y + row * 0.66), kInk);
        int points = 0;
        for (int d = 0; d < 6; ++d) {
            const char result = results[r][d];
            const QRectF hat(face.left() + nameWidth + d * column + column / 2 - 15, y + 6, 30, 30);
            drawChefHat(p, hat, result == 'g');
            points += result == 'g' ? 2 : result == 'w' ? 1 : 0;
            if (result == 'x') {
                p.save();
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0xe8, 0xe4, 0xdc, 150));
                p.drawRect(hat);
                p.setPen(QPen(QColor(200, 30, 30), 3.2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(hat.topLeft() + QPointF(6, 6), hat.bottomRight() - QPointF(6, 6));
                p.drawLine(hat.topRight() + QPointF(-6, 6), hat.bottomLeft() + QPointF(6, -6));
                p.restore();
            }
        }
        p.fillPath(centredText(QString::number(points), playfulFont(22), QRectF(face.right() - 64, y, 60, row)),
                   look.wall.darker(140));
    }
}

void paintSeasonScene(const Slide& s)
{
    QPainter& p = s.p;
    const EditionLook& look = s.look;
    paintStage(s, QPointF(180, 100), {QPointF(170, 270), QPointF(420, 270)});
    // The champion's podium, the cup on it and the name on its front.
    const QRectF podium(96, 196, 150, 78);
    const QColor stone = mix(look.wall, Qt::white, 0.55);
    QLinearGradient shade(podium.topLeft(), podium.topRight());
    shade.setColorAt(0, stone.lighter(110));
    shade.setColorAt(1, stone.darker(125));
    paintSpot(s, QPointF(podium.center().x(), podium.bottom()), 90);
    p.setPen(QPen(mix(stone, Qt::black, 0.45), 1.2));
    p.setBrush(shade);
    p.drawRect(podium);
    p.setBrush(look.accent);
    p.drawRect(QRectF(podium.left(), podium.top(), podium.width(), 10));
    haloText(p, QStringLiteral("CAMPIONE"), playfulFont(15), QRectF(podium.left(), podium.top() + 14, podium.width(), 22),
             look.wall.darker(150), alpha(Qt::white, 200), 2);
    p.fillPath(centredText(kNames[0], playfulFont(26), QRectF(podium.left(), podium.top() + 38, podium.width(), 32)), kInk);
    drawGlow(p, QPointF(podium.center().x(), 120), 90, alpha(look.glow, 160));
    paintCup(p, QPointF(podium.center().x(), 62), 84, look);
    drawChefHat(p, QRectF(podium.center().x() - 32, 6, 64, 64), true);

    // The challengers waiting their turn.
    const QColor challenger = board::contestantColour(s.edition, 2);
    for (int i = 0; i < 3; ++i)
        paintChallenger(p, QPointF(290 + i * 66, 276 - i * 8), 92 - i * 10, challenger);

    // Her run: thirty places, the wins so far marked with hats.
    const QRectF tally(268, 30, 204, 116);
    p.setPen(QPen(look.gold.darker(150), 1.6));
    p.setBrush(alpha(look.deep, 200));
    p.drawRoundedRect(tally, 8, 8);
    p.fillPath(centredText(QStringLiteral("Vittorie di fila"), playfulFont(16), QRectF(tally.left(), tally.top() + 4, tally.width(), 22)),
               look.titleTop);
    constexpr int wins = 12;
    for (int i = 0; i < 30; ++i) {
        const QRectF place(tally.left() + 12 + (i % 10) * 18.2, tally.top() + 30 + (i / 10) * 27, 16, 22);
        if (i < wins) {
            drawChefHat(p, place, false);
        } else {
            p.setPen(QPen(alpha(look.gold, 160), 1));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(place.center() + QPointF(0, 2), 3, 3);
        }
    }
}

QImage paintDiapositiva(const PaintRequest& request)
{
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal scale = request.size.width() / kWidth;
    painter.scale(scale, request.size.height() / kHeight);
    const Slide s{painter, request.edition, secondLookGroup(request.edition) ? 2 : 1, editionLook(request.edition), scale};

    const QString scene = request.text(QStringLiteral("scena")).trimmed().toLower();
    const QString caption = request.text(QStringLiteral("didascalia"));
    if (scene == u"titolo" || scene == u"saluto") {
        paintTitleCard(s, request.text(QStringLiteral("titolo"), QStringLiteral("Zolmera")), caption, scene == u"saluto");
        return image;
    }
    if (scene == u"studio")
        paintStudioScene(s, false);
    else if (scene == u"conduttore")
        paintHostScene(s);
    else if (scene == u"postazioni")
        paintDesksScene(s);
    else if (scene == u"ruota")
        paintWheelScene(s);
    else if (scene == u"giro")
        paintSpinScene(s);
    else if (scene == u"portate")
        paintCoursesScene(s);
    else if (scene == u"punti")
        paintPointsScene(s);
    else if (scene == u"jolly")
        paintJollyScene(s);
    else if (scene == u"prove")
        paintChallengeScene(s);
    else if (scene == u"provebrevi")
        paintCountingScene(s);
    else if (scene == u"prenotazione")
        paintBookingScene(s);
    else if (scene == u"risposta")
        paintAnswerScene(s);
    else if (scene == u"carrello")
        paintTrolleyScene(s);
    else if (scene == u"secondafase")
        paintSecondPhaseScene(s);
    else if (scene == u"cambio")
        paintChangeScene(s);
    else if (scene == u"montepremi")
        paintJackpotScene(s);
    else if (scene == u"campionato")
        paintTournamentScene(s);
    else if (scene == u"stagione")
        paintSeasonScene(s);
    else
        paintStage(s, QPointF(kWidth / 2, 110), {});
    paintCaption(s, caption);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("diapositiva", assetgen::paintDiapositiva)
