// The wheel of courses, as a strip of frames for the board's wheel box: 8 columns by
// 6 rows of square cells, numbered row by row. In cell k the wheel has turned k
// steps of 7.5 degrees, so the angle k * 7.5 of the wheel is under the pointer at
// the top; the twelve 30-degree slices are centred under it at cells 0, 4, 8...
// Only the wheel turns: the pointer, the box and the light falling on the wheel
// stay where they are, so the frames play back as one wheel spinning under lamps.
//
// Parameters: finale (flag) gives the box and the rim the final questions' colours;
// otherwise they take the edition's. The slices are the same in every edition and in
// the final, so a cell shows the same slice under the pointer in both strips.

#include "painters/boardkit.h"
#include "painters/coursekit.h"
#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <optional>

namespace assetgen {

namespace {

using namespace kit;

constexpr int kColumns = 8, kRows = 6;
constexpr qreal kStep = 7.5;  // degrees the wheel turns from one cell to the next
// Laid out on a 256-unit cell.
constexpr qreal kCell = 256;
const QPointF kCentre(128, 137);
constexpr qreal kRimOuter = 114, kFace = 100, kHub = 16;

enum class Slice { Jolly, Dieta, Course };

struct SliceLook {
    Slice kind;
    std::optional<Course> course;
    QColor colour;
    QColor text;
    QString name;
};

// The slices in the wheel's own order, slice m centred at wheel angle m * 30.
std::array<SliceLook, 12> slices()
{
    const QColor white(0xff, 0xff, 0xff), brown(0x5a, 0x2c, 0x06);
    const auto course = [&](Course c, QColor colour, QColor text) {
        return SliceLook{Slice::Course, c, colour, text, courseTitle(c).toUpper()};
    };
    const SliceLook primo = course(Course::Primo, QColor(0xff, 0xb0, 0x24), brown);
    const SliceLook secondo = course(Course::Secondo, QColor(0xe0, 0x36, 0x3a), white);
    const SliceLook formaggio = course(Course::Formaggio, QColor(0x2e, 0x9c, 0xdc), white);
    const SliceLook dolce = course(Course::Dolce, QColor(0xee, 0x6c, 0xac), white);
    const SliceLook frutta = course(Course::Frutta, QColor(0x46, 0xae, 0x44), white);
    const SliceLook jolly{Slice::Jolly, std::nullopt, QColor(0x66, 0x2a, 0x9c), QColor(0xff, 0xd8, 0x4a),
                          QStringLiteral("JOLLY")};
    // Dieta: a pale, cool slice, a little bare around its empty plate.
    const SliceLook dieta{Slice::Dieta, std::nullopt, QColor(0xcf, 0xdf, 0xee), QColor(0x34, 0x44, 0x5a),
                          QStringLiteral("DIETA")};
    return {jolly, primo, formaggio, secondo, dolce, frutta, primo, formaggio, frutta, dolce, dieta, secondo};
}

QFont sliceFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setStretch(QFont::Condensed);
    font.setPixelSize(14);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The slice's name laid along its middle, reading outwards from the hub, in the
// frame where the slice points straight up.
QPainterPath sliceCaption(const QString& name, const QFont& font)
{
    constexpr qreal from = kHub + 4, to = 63, height = 11.5;
    QPainterPath text = centredText(name, font, QRectF(-100, -20, 200, 40));
    const QRectF box = text.boundingRect();
    const qreal length = to - from;
    // Squeeze long names along the radius; only when that is not enough, shrink them.
    qreal sx = std::min(1.0, length / box.width());
    qreal sy = std::min(1.0, height / box.height());
    if (sx < 0.62 * sy)
        sy = sx / 0.62;
    QTransform place;
    place.translate(0, -(from + to) / 2);
    place.rotate(-90);
    place.scale(sx, sy);
    place.translate(-box.center().x(), -box.center().y());
    return place.map(text);
}

struct Wheel {
    std::array<SliceLook, 12> looks = slices();
    std::array<QPainterPath, 12> captions;
    EditionLook edition;
};

// One slice, pointing straight up.
void paintSlice(QPainter& p, const SliceLook& look, const QPainterPath& caption)
{
    QPainterPath wedge(QPointF(0, 0));
    wedge.arcTo(QRectF(-kFace, -kFace, 2 * kFace, 2 * kFace), 75, 30);
    wedge.closeSubpath();
    QRadialGradient shade(QPointF(0, 0), kFace);
    shade.setColorAt(0, look.colour.lighter(128));
    shade.setColorAt(0.55, look.colour);
    shade.setColorAt(1, look.colour.darker(112));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(wedge);

    p.save();
    p.setClipPath(wedge);
    const QRectF iconBox(-24, -79 - 16, 48, 32);
    switch (look.kind) {
    case Slice::Jolly:
        drawJollyStar(p, iconBox.adjusted(-4, -3, 4, 3));
        break;
    case Slice::Dieta:
        drawEmptyPlate(p, iconBox);
        break;
    case Slice::Course:
        drawCourse(p, *look.course, iconBox);
        break;
    }
    const bool darkText = look.text.lightness() < 128;
    p.strokePath(caption, QPen(darkText ? alpha(Qt::white, 170) : look.colour.darker(190), 2.6, Qt::SolidLine,
                               Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(caption, look.text);
    p.restore();
}

void paintPanel(QPainter& p, const EditionLook& look)
{
    p.fillRect(QRectF(0, 0, kCell, kCell), board::wheelBezel(look));
    const QRectF panel(3, 3, kCell - 6, kCell - 6);
    QRadialGradient glow(kCentre, kCell * 0.72);
    glow.setColorAt(0, mix(look.wall, look.glow, 0.35));
    glow.setColorAt(0.55, look.wall);
    glow.setColorAt(1, look.deep);
    p.setBrush(glow);
    p.setPen(QPen(alpha(look.gold, 220), 1.6));
    p.drawRoundedRect(panel, 18, 18);
    // Rays of light fanning out behind the wheel, seen in the corners.
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(panel.adjusted(1, 1, -1, -1), 17, 17);
    p.setClipPath(clip);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 24; i += 2) {
        QPainterPath ray(kCentre);
        ray.arcTo(QRectF(kCentre.x() - 200, kCentre.y() - 200, 400, 400), i * 15.0 + 3, 9);
        ray.closeSubpath();
        p.setBrush(alpha(look.glow, 26));
        p.drawPath(ray);
    }
    p.restore();
    for (const QPointF at : {QPointF(20, 20), QPointF(236, 22), QPointF(18, 238), QPointF(238, 236)})
        drawSparkle(p, at, 6, alpha(QColor(0xff, 0xfb, 0xe6), 220));
    // The wheel's shadow on the box.
    drawGlow(p, QRectF(kCentre.x() - kRimOuter - 4, kCentre.y() - kRimOuter + 2, 2 * kRimOuter + 14, 2 * kRimOuter + 10),
             QColor(0, 0, 0, 150));
}

void paintRing(QPainter& p, const EditionLook& look)
{
    // The gold ring is round, so it never needs turning: its light stays put.
    QPainterPath ring;
    ring.addEllipse(kCentre, kRimOuter, kRimOuter);
    ring.addEllipse(kCentre, kFace, kFace);
    QLinearGradient gold(kCentre - QPointF(kRimOuter, kRimOuter), kCentre + QPointF(kRimOuter, kRimOuter));
    gold.setColorAt(0, look.gold.lighter(150));
    gold.setColorAt(0.45, look.gold);
    gold.setColorAt(1, look.gold.darker(170));
    p.setPen(QPen(look.gold.darker(220), 1.2));
    p.setBrush(gold);
    p.drawPath(ring);
    QRadialGradient bevel(kCentre, kRimOuter);
    bevel.setColorAt(kFace / kRimOuter, QColor(0, 0, 0, 90));
    bevel.setColorAt((kFace + 4) / kRimOuter, QColor(255, 255, 255, 0));
    bevel.setColorAt((kRimOuter - 3) / kRimOuter, QColor(255, 255, 255, 0));
    bevel.setColorAt(1, QColor(0, 0, 0, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(bevel);
    p.drawPath(ring);
}

void paintPointer(QPainter& p, const EditionLook& look)
{
    // A red tongue hanging from a gold cap, its tip just inside the rim.
    const qreal x = kCentre.x();
    QPainterPath tongue(QPointF(x - 12, 12));
    tongue.lineTo(x + 12, 12);
    tongue.cubicTo(x + 12, 26, x + 5, 36, x, 46);
    tongue.cubicTo(x - 5, 36, x - 12, 26, x - 12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(tongue.translated(2, 3));
    QLinearGradient body(QPointF(x - 12, 0), QPointF(x + 12, 0));
    body.setColorAt(0, QColor(0xff, 0x70, 0x60));
    body.setColorAt(0.4, QColor(0xe8, 0x22, 0x2a));
    body.setColorAt(1, QColor(0x98, 0x0c, 0x14));
    p.setPen(QPen(QColor(0x5a, 0x06, 0x0c), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(body);
    p.drawPath(tongue);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x - 7, 17), QPointF(x - 3.5, 33));

    const QRectF cap(x - 17, 3, 34, 14);
    QLinearGradient gold(cap.topLeft(), cap.bottomLeft());
    gold.setColorAt(0, look.gold.lighter(160));
    gold.setColorAt(0.5, look.gold);
    gold.setColorAt(1, look.gold.darker(160));
    p.setPen(QPen(look.gold.darker(230), 1.1));
    p.setBrush(gold);
    p.drawRoundedRect(cap, 6, 6);
    drawBulb(p, QPointF(x, 10), 3.6, QColor(0xff, 0xf2, 0xc0));
}

// The light on the face: a soft gloss from the upper left and shade at the rim.
void paintGloss(QPainter& p)
{
    QRadialGradient shade(kCentre, kFace);
    shade.setColorAt(0.82, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(kCentre, kFace, kFace);
    QRadialGradient gloss(kCentre - QPointF(38, 46), 92);
    gloss.setColorAt(0, QColor(255, 255, 255, 70));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawEllipse(kCentre, kFace, kFace);
}

// The turning face, drawn once at twice the cell's scale, centred in its image: the
// slices with their spokes, and the hub with its emblem.
constexpr qreal kFaceScale = 2;
constexpr qreal kFaceMargin = 3;

QImage paintFace(const Wheel& wheel)
{
    const int side = int(std::ceil(2 * (kFace + kFaceMargin) * kFaceScale));
    QImage face(side, side, QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(side / 2.0, side / 2.0);
    p.scale(kFaceScale, kFaceScale);
    // A little beyond the face, under the ring, so no seam shows at the rim.
    p.setPen(Qt::NoPen);
    p.setBrush(wheel.edition.gold.darker(150));
    p.drawEllipse(QPointF(0, 0), kFace + kFaceMargin, kFace + kFaceMargin);
    for (int m = 0; m < 12; ++m) {
        p.save();
        p.rotate(-30.0 * m);
        paintSlice(p, wheel.looks[std::size_t(m)], wheel.captions[std::size_t(m)]);
        p.restore();
    }
    p.setPen(QPen(QColor(0xff, 0xf4, 0xd0, 230), 1.6));
    for (int m = 0; m < 12; ++m) {
        const qreal angle = (15.0 + 30.0 * m) * std::numbers::pi / 180;
        p.drawLine(QPointF(0, 0), QPointF(std::sin(angle), -std::cos(angle)) * kFace);
    }
    // The hub: a gold cap with a star; its shine is laid on later, unturned.
    const EditionLook& look = wheel.edition;
    drawGlow(p, QPointF(0, 0), kHub + 6, QColor(0, 0, 0, 120));
    QRadialGradient cap(QPointF(0, 0), kHub);
    cap.setColorAt(0, look.gold.lighter(130));
    cap.setColorAt(1, look.gold.darker(130));
    p.setPen(QPen(look.gold.darker(230), 1.2));
    p.setBrush(cap);
    p.drawEllipse(QPointF(0, 0), kHub, kHub);
    p.setPen(QPen(look.gold.darker(200), 0.8));
    p.setBrush(look.accent);
    p.drawPath(starOutline(QPointF(0, 0), kHub * 0.64, kHub * 0.27));
    return face;
}

// The light falling on the hub from the upper left, unturned.
void paintHubLight(QPainter& p)
{
    QRadialGradient light(kCentre - QPointF(6, 7), kHub * 1.5);
    light.setColorAt(0, QColor(255, 255, 255, 120));
    light.setColorAt(0.5, QColor(255, 255, 255, 0));
    light.setColorAt(0.8, QColor(0, 0, 0, 0));
    light.setColorAt(1, QColor(0, 0, 0, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(kCentre, kHub, kHub);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(kCentre - QPointF(5, 6.5), 4.5, 2.6);
}

QImage layer(const std::function<void(QPainter&)>& paint)
{
    const int side = int(kCell);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return image;
}

QImage bulbSprite(const QColor& colour)
{
    QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawBulb(p, QPointF(12, 12), 3.0, colour);
    return image;
}

QImage paintRuota(const PaintRequest& request)
{
    Wheel wheel;
    wheel.edition = request.flag(QStringLiteral("finale")) ? finalLook(editionLook(request.edition))
                                                          : editionLook(request.edition);
    const EditionLook& look = wheel.edition;
    const QFont font = sliceFont();
    for (std::size_t m = 0; m < wheel.looks.size(); ++m)
        wheel.captions[m] = sliceCaption(wheel.looks[m].name, font);

    // Every cell is the same but for the turn: the still parts are drawn once and
    // laid over each other, the face is drawn once and turned.
    const QImage panel = layer([&](QPainter& p) { paintPanel(p, look); });
    const QImage face = paintFace(wheel);
    const QImage ring = layer([&](QPainter& p) {
        paintGloss(p);
        paintRing(p, look);
    });
    const QImage top = layer([&](QPainter& p) {
        paintHubLight(p);
        paintPointer(p, look);
    });
    const QImage bulbs[2] = {bulbSprite(QColor(0xff, 0xf6, 0xd8)), bulbSprite(look.glow)};

    QImage strip(int(kCell) * kColumns, int(kCell) * kRows, QImage::Format_ARGB32_Premultiplied);
    strip.fill(board::wheelBezel(look));
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int k = 0; k < kColumns * kRows; ++k) {
        const qreal turn = k * kStep;
        const QPointF origin(kCell * (k % kColumns), kCell * (k / kColumns));
        p.drawImage(origin, panel);
        p.save();
        p.translate(origin + kCentre);
        p.rotate(turn);
        p.scale(1 / kFaceScale, 1 / kFaceScale);
        p.drawImage(QPointF(-face.width() / 2.0, -face.height() / 2.0), face);
        p.restore();
        p.drawImage(origin, ring);
        // The bulbs ride round with the wheel, one on every slice's middle and one
        // on every edge; their shine stays up and to the left.
        const qreal middle = (kRimOuter + kFace) / 2;
        for (int j = 0; j < 24; ++j) {
            const qreal angle = (turn + j * 15.0) * std::numbers::pi / 180;
            const QPointF at = origin + kCentre + QPointF(std::sin(angle), -std::cos(angle)) * middle;
            p.drawImage(at - QPointF(12, 12), bulbs[j % 2]);
        }
        p.drawImage(origin, top);
    }
    p.end();
    if (strip.size() != request.size)
        return strip.scaled(request.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return strip;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("ruota", assetgen::paintRuota)
