// The three hands of MORRA CINESE, each on a round lamp-like badge: two fingers in a
// V for scissors, an open palm for paper, a fist for rock. The window shows them at
// half size on its light panel, so the outline is bold and the shapes simple.
// The dimmed twin is the very same drawing turned pale and grey, pixel for pixel in
// the same place with the same edge, so laying the lit one over it lights it up
// without a fringe. The badge's rim takes the edition's gold; each gesture keeps its
// own colour in every edition, so a player learns it once.
//
// Parameters: mossa = forbice, carta or sasso; spenta (flag) draws the unlit twin.

#include "painters/boardkit.h"
#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <vector>

namespace assetgen {

namespace {

using namespace kit;

constexpr qreal kGrid = 160;
const QPointF kCentre(80, 80);
constexpr qreal kRim = 72, kFace = 63;

// The challenge windows' panel, where the edges of the sprites are settled.
const QColor kPanel(0xff, 0xf4, 0xd8);

const QColor kInk(0x4a, 0x26, 0x18);
const QColor kSkinLight(0xff, 0xdc, 0xb8), kSkin(0xf6, 0xc2, 0x98), kSkinShade(0xdc, 0x98, 0x6e);
const QColor kCuff(0xff, 0xff, 0xff), kCuffShade(0xd4, 0xda, 0xe6);

// What the unlit lamps fade to: a cool, pale grey.
const QColor kUnlit(0xea, 0xea, 0xec);

enum class Gesture { Forbice, Carta, Sasso };

Gesture gestureFrom(const PaintRequest& request)
{
    const QString name = request.text(QStringLiteral("mossa")).trimmed().toLower();
    if (name == u"carta")
        return Gesture::Carta;
    if (name == u"sasso")
        return Gesture::Sasso;
    return Gesture::Forbice;
}

QColor badgeColour(Gesture gesture)
{
    switch (gesture) {
    case Gesture::Carta:
        return QColor(0x2f, 0x8c, 0xe6);
    case Gesture::Sasso:
        return QColor(0x3c, 0xb0, 0x48);
    case Gesture::Forbice:
        break;
    }
    return QColor(0xe8, 0x3e, 0x36);
}

QPen ink(qreal width)
{
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath capsule(QPointF from, QPointF to, qreal width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath bone(from);
    bone.lineTo(to);
    return stroker.createStroke(bone).simplified();
}

QPainterPath roundedBox(const QRectF& box, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

// A hand is a silhouette, filled in one go under a bold outline, and the parts that
// lie over it (folded fingers, the thumb) with their own thinner outline; then the
// creases.
struct Hand {
    QPainterPath silhouette;
    std::vector<QPainterPath> overlays;
    std::vector<QPainterPath> creases;
    std::vector<QPointF> shines;  // little highlights on knuckles and fingertips
};

// The cuffed wrist every hand rises from.
QPainterPath wrist()
{
    return roundedBox(QRectF(62, 108, 36, 34), 6);
}

Hand fist()
{
    Hand hand;
    // The curled fingers seen from the front: four short rounded bars side by side,
    // the middle one highest, the little finger lowest; the fist is wider than tall.
    const qreal tops[4] = {56, 52, 54, 61};
    hand.silhouette = roundedBox(QRectF(42, 66, 76, 62), 24).united(wrist());
    for (int i = 0; i < 4; ++i) {
        hand.overlays.push_back(roundedBox(QRectF(40 + i * 20, tops[i], 21, 100 - tops[i]), 10));
        hand.shines.push_back(QPointF(47.5 + i * 20, tops[i] + 7.5));
    }
    // The thumb folded across the first two fingers.
    hand.overlays.push_back(capsule(QPointF(48, 103), QPointF(90, 94), 21));
    for (const QPainterPath& part : hand.overlays)
        hand.silhouette = hand.silhouette.united(part);
    return hand;
}

Hand openPalm()
{
    Hand hand;
    QPainterPath shape = roundedBox(QRectF(50, 66, 60, 64), 22).united(wrist());
    struct Finger {
        QPointF base, tip;
        qreal width;
    };
    const Finger fingers[4] = {{QPointF(61, 78), QPointF(50, 31), 16},
                               {QPointF(76, 74), QPointF(74, 21), 16.5},
                               {QPointF(91, 76), QPointF(98, 27), 16},
                               {QPointF(104, 86), QPointF(118, 47), 14}};
    for (const Finger& f : fingers) {
        shape = shape.united(capsule(f.base, f.tip, f.width));
        hand.shines.push_back(f.tip + (f.base - f.tip) * 0.06 + QPointF(-2.5, 0));
    }
    // The thumb stands out to the side.
    shape = shape.united(capsule(QPointF(60, 114), QPointF(33, 84), 17));
    hand.silhouette = shape;
    // Where the fingers part, and the palm's lines.
    hand.creases.push_back(QPainterPath(QPointF(67.5, 64)));
    hand.creases.back().lineTo(QPointF(68.5, 74));
    hand.creases.push_back(QPainterPath(QPointF(83.5, 64)));
    hand.creases.back().lineTo(QPointF(83.5, 74));
    hand.creases.push_back(QPainterPath(QPointF(99, 69)));
    hand.creases.back().lineTo(QPointF(97.5, 78));
    QPainterPath life(QPointF(66, 90));
    life.quadTo(QPointF(66, 108), QPointF(76, 120));
    hand.creases.push_back(life);
    QPainterPath heart(QPointF(82, 92));
    heart.quadTo(QPointF(94, 88), QPointF(102, 94));
    hand.creases.push_back(heart);
    return hand;
}

Hand victory()
{
    Hand hand;
    // The fist with index and middle finger spread in a V: the scissors' blades.
    const QPainterPath index = capsule(QPointF(54, 84), QPointF(39, 27), 19);
    const QPainterPath middle = capsule(QPointF(72, 82), QPointF(97, 24), 19);
    hand.silhouette = roundedBox(QRectF(44, 70, 76, 58), 24).united(wrist()).united(index).united(middle);
    hand.shines.push_back(QPointF(38, 34));
    hand.shines.push_back(QPointF(94, 31));
    // Ring and little finger folded as in the fist, the thumb holding them.
    const qreal tops[2] = {66, 72};
    for (int i = 0; i < 2; ++i) {
        hand.overlays.push_back(roundedBox(QRectF(81 + i * 19, tops[i], 20, 102 - tops[i]), 10));
        hand.shines.push_back(QPointF(88 + i * 19, tops[i] + 7.5));
    }
    hand.overlays.push_back(capsule(QPointF(50, 107), QPointF(97, 99), 21));
    for (const QPainterPath& part : hand.overlays)
        hand.silhouette = hand.silhouette.united(part);
    QPainterPath between(QPointF(63, 72));
    between.lineTo(QPointF(63.5, 86));
    hand.creases.push_back(between);
    return hand;
}

Hand handFor(Gesture gesture)
{
    switch (gesture) {
    case Gesture::Carta:
        return openPalm();
    case Gesture::Sasso:
        return fist();
    case Gesture::Forbice:
        break;
    }
    return victory();
}

void fillSkin(QPainter& p, const QPainterPath& path)
{
    const QRectF box = path.boundingRect();
    QLinearGradient skin(box.topLeft(), box.bottomRight());
    skin.setColorAt(0, kSkinLight);
    skin.setColorAt(0.45, kSkin);
    skin.setColorAt(1, kSkinShade);
    p.fillPath(path, skin);
}

void paintBadge(QPainter& p, const QColor& colour, const EditionLook& look)
{
    // The gold rim, with the bold outline around it.
    p.setPen(ink(5));
    QRadialGradient gold(kCentre - QPointF(20, 24), kRim * 1.6);
    gold.setColorAt(0, look.gold.lighter(135));
    gold.setColorAt(0.55, look.gold);
    gold.setColorAt(1, look.gold.darker(150));
    p.setBrush(gold);
    p.drawEllipse(kCentre, kRim, kRim);

    // The lamp's face: the gesture's colour, brighter in the middle, with the rays
    // of a studio sunburst.
    QPainterPath face;
    face.addEllipse(kCentre, kFace, kFace);
    QRadialGradient glow(kCentre - QPointF(8, 12), kFace * 1.15);
    glow.setColorAt(0, colour.lighter(150));
    glow.setColorAt(0.6, colour);
    glow.setColorAt(1, colour.darker(135));
    p.setPen(QPen(colour.darker(200), 2.4));
    p.setBrush(glow);
    p.drawPath(face);
    p.save();
    p.setClipPath(face);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 38));
    constexpr int kRays = 12;
    for (int i = 0; i < kRays; i += 2) {
        const qreal a0 = 2 * std::numbers::pi * i / kRays, a1 = 2 * std::numbers::pi * (i + 1) / kRays;
        QPolygonF ray;
        ray << kCentre << kCentre + QPointF(std::cos(a0), std::sin(a0)) * kRim
            << kCentre + QPointF(std::cos(a1), std::sin(a1)) * kRim;
        p.drawPolygon(ray);
    }
    // A glassy shine across the top of the lamp.
    QLinearGradient shine(QPointF(0, kCentre.y() - kFace), QPointF(0, kCentre.y() - kFace * 0.2));
    shine.setColorAt(0, QColor(255, 255, 255, 150));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.drawEllipse(QRectF(kCentre.x() - kFace * 0.78, kCentre.y() - kFace * 0.96, kFace * 1.56, kFace * 0.9));
    p.restore();
}

void paintHand(QPainter& p, const Hand& hand)
{
    // A soft shadow on the lamp, then the bold outline and the skin.
    p.fillPath(hand.silhouette.translated(3.5, 4.5), QColor(0, 0, 0, 60));
    p.strokePath(hand.silhouette, ink(10));
    fillSkin(p, hand.silhouette);

    // The cuff at the wrist.
    const QPainterPath cuff = roundedBox(QRectF(58, 128, 44, 16), 6);
    QLinearGradient cloth(QPointF(0, 128), QPointF(0, 144));
    cloth.setColorAt(0, kCuff);
    cloth.setColorAt(1, kCuffShade);
    p.setPen(ink(4.5));
    p.setBrush(cloth);
    p.drawPath(cuff);

    for (const QPainterPath& part : hand.overlays) {
        fillSkin(p, part);
        p.strokePath(part, ink(3.6));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(ink(3));
    for (const QPainterPath& crease : hand.creases)
        p.drawPath(crease);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    for (const QPointF& at : hand.shines)
        p.drawEllipse(at, 3.6, 2.4);
}

// The unlit lamp: every pixel greyed and washed towards a pale grey, its alpha
// untouched, so the two pictures share one edge.
void switchOff(QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = qUnpremultiply(row[x]);
            const int a = qAlpha(pixel);
            if (a == 0)
                continue;
            const qreal grey = 0.299 * qRed(pixel) + 0.587 * qGreen(pixel) + 0.114 * qBlue(pixel);
            const auto fade = [&](int channel, int pale) {
                const qreal greyed = grey + (channel - grey) * 0.12;
                return int(std::lround(greyed + (pale - greyed) * 0.5));
            };
            row[x] = qPremultiply(
                qRgba(fade(qRed(pixel), kUnlit.red()), fade(qGreen(pixel), kUnlit.green()), fade(qBlue(pixel), kUnlit.blue()), a));
        }
    }
}

QImage paintMorra(const PaintRequest& request)
{
    const Gesture gesture = gestureFrom(request);
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kGrid, request.size.height() / kGrid);
    paintBadge(p, badgeColour(gesture), editionLook(request.edition));
    paintHand(p, handFor(gesture));
    p.end();
    if (request.flag(QStringLiteral("spenta")))
        switchOff(image);
    board::settleEdges(image, kPanel);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("morra", assetgen::paintMorra)
