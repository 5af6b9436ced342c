// The host, standing in his spotlight in the middle of the studio: a full figure in
// a smart suit, on a see-through ground. The four poses are one character, drawn on
// one 136 x 248 grid with the feet on the same line, so the board can swap them in
// place. The edges are blended with the backdrop behind the host's place, since a
// GIF keeps a pixel or drops it.
//
// Parameters: posa = 1 standing and smiling, 2 arms open ("prenotatevi!"),
// 3 turned to and pointing at the left desk, 4 at the right one.

#include "painters/boardkit.h"
#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cmath>

namespace assetgen {

namespace {

using namespace kit;

constexpr qreal kGridWidth = 136, kGridHeight = 248;

struct Suit {
    QColor jacket, lapel, trousers, bowTie, pocket;
};

Suit suitFor(int edition)
{
    const EditionLook look = editionLook(edition);
    switch (edition) {
    case 2:  // the evening show: a black dinner jacket
        return {QColor(0x24, 0x22, 0x2c), QColor(0x3e, 0x3a, 0x4a), QColor(0x1c, 0x1b, 0x22), look.accent, look.accent2};
    case 3:
        return {QColor(0x96, 0x22, 0x38), QColor(0x74, 0x16, 0x2a), QColor(0x2a, 0x24, 0x30), look.accent2,
                QColor(0xff, 0xff, 0xff)};
    case 4:
        return {QColor(0x2c, 0x52, 0xb8), QColor(0x1e, 0x3c, 0x8c), QColor(0x20, 0x26, 0x3a), look.accent,
                look.accent2};
    default:
        return {QColor(0x25, 0x3c, 0x86), QColor(0x1a, 0x2b, 0x64), QColor(0x1e, 0x22, 0x34), look.accent,
                QColor(0xff, 0xff, 0xff)};
    }
}

const QColor kSkin(0xf4, 0xc6, 0x9e), kSkinShade(0xdc, 0x9c, 0x74), kSkinLine(0x9a, 0x5c, 0x3a);
const QColor kHair(0x3e, 0x26, 0x16), kHairLine(0x22, 0x12, 0x08);
const QColor kShirt(0xfc, 0xfc, 0xfe), kShirtShade(0xd8, 0xdc, 0xe6);

QPen line(const QColor& colour, qreal width = 1.4)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

enum class Hand { Relaxed, Open, Point, Fist };

struct Arm {
    QPointF shoulder, elbow, wrist;
    Hand hand;
    QPointF pointing;  // which way the open fingers or the index finger go
};

struct Pose {
    Arm arms[2];  // the host's right arm (on the viewer's left), then his left
    qreal turn = 0;  // -1 looks to the viewer's left, +1 to the right
    bool thrilled = false;
};

Pose poseFor(int number)
{
    const QPointF rightShoulder(45, 70), leftShoulder(91, 70);
    switch (number) {
    case 2:  // both arms up and open: come on, book!
        return {{{rightShoulder, QPointF(22, 86), QPointF(14, 60), Hand::Open, QPointF(-0.35, -1)},
                 {leftShoulder, QPointF(114, 86), QPointF(122, 60), Hand::Open, QPointF(0.35, -1)}},
                0,
                true};
    case 3:  // pointing down to the left desk, the other hand on his hip
        return {{{rightShoulder, QPointF(30, 90), QPointF(17, 104), Hand::Point, QPointF(-1, 0.5)},
                 {leftShoulder, QPointF(108, 102), QPointF(88, 126), Hand::Fist, QPointF(-1, 0.2)}},
                -1,
                false};
    case 4:
        return {{{rightShoulder, QPointF(28, 102), QPointF(48, 126), Hand::Fist, QPointF(1, 0.2)},
                 {leftShoulder, QPointF(106, 90), QPointF(119, 104), Hand::Point, QPointF(1, 0.5)}},
                1,
                false};
    default:  // standing, hands together in front
        return {{{rightShoulder, QPointF(38, 106), QPointF(62, 126), Hand::Relaxed, QPointF(1, 0.1)},
                 {leftShoulder, QPointF(98, 106), QPointF(74, 126), Hand::Relaxed, QPointF(-1, 0.1)}},
                0,
                false};
    }
}

QPointF unit(QPointF v)
{
    const qreal length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF(0, 1);
}

void paintLegs(QPainter& p, const Suit& suit)
{
    for (const int side : {-1, 1}) {
        const qreal x = 68 + side * 9.5;
        QPainterPath leg(QPointF(x - 9.5, 138));
        leg.lineTo(x + 9.5, 138);
        leg.lineTo(x + 8 + side * 1.5, 233);
        leg.lineTo(x - 8 + side * 1.5, 233);
        leg.closeSubpath();
        QLinearGradient cloth(QPointF(x - 10, 0), QPointF(x + 10, 0));
        cloth.setColorAt(0, suit.trousers.lighter(side < 0 ? 150 : 120));
        cloth.setColorAt(1, suit.trousers);
        p.setPen(line(suit.trousers.darker(200)));
        p.setBrush(cloth);
        p.drawPath(leg);
        p.setPen(line(alpha(suit.trousers.lighter(190), 150), 0.9));
        p.drawLine(QPointF(x, 156), QPointF(x + side * 1.2, 230));
        // Shoes, pointing a little outwards.
        const QPointF toe(x + side * 5, 239.5);
        QPainterPath shoe;
        shoe.addRoundedRect(QRectF(toe.x() - 12, toe.y() - 6.5, 24, 10), 5, 5);
        QLinearGradient polish(QPointF(0, toe.y() - 6), QPointF(0, toe.y() + 4));
        polish.setColorAt(0, QColor(0x4a, 0x40, 0x3c));
        polish.setColorAt(1, QColor(0x12, 0x10, 0x10));
        p.setPen(line(QColor(0x08, 0x06, 0x06)));
        p.setBrush(polish);
        p.drawPath(shoe);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawEllipse(QPointF(toe.x() - side * 3, toe.y() - 3.5), 4, 1.2);
    }
}

void paintTorso(QPainter& p, const Suit& suit)
{
    // Neck under the collar.
    p.setPen(line(kSkinLine));
    p.setBrush(kSkinShade);
    p.drawRect(QRectF(61, 46, 14, 16));

    QPainterPath jacket(QPointF(59, 57));
    jacket.cubicTo(52, 60, 44, 61, 41, 66);
    jacket.cubicTo(37, 72, 38, 82, 40, 94);
    jacket.lineTo(46, 128);
    jacket.cubicTo(44, 138, 44, 146, 45, 152);
    jacket.lineTo(63, 154);
    jacket.lineTo(68, 144);
    jacket.lineTo(73, 154);
    jacket.lineTo(91, 152);
    jacket.cubicTo(92, 146, 92, 138, 90, 128);
    jacket.lineTo(96, 94);
    jacket.cubicTo(98, 82, 99, 72, 95, 66);
    jacket.cubicTo(92, 61, 84, 60, 77, 57);
    jacket.closeSubpath();
    QLinearGradient cloth(QPointF(38, 0), QPointF(98, 0));
    cloth.setColorAt(0, suit.jacket.lighter(150));
    cloth.setColorAt(0.45, suit.jacket.lighter(115));
    cloth.setColorAt(1, suit.jacket.darker(120));
    p.setPen(line(suit.jacket.darker(230)));
    p.setBrush(cloth);
    p.drawPath(jacket);

    // Shirt front between the lapels.
    QPainterPath shirt(QPointF(59, 57));
    shirt.lineTo(77, 57);
    shirt.lineTo(68, 104);
    shirt.closeSubpath();
    QLinearGradient white(QPointF(0, 57), QPointF(0, 104));
    white.setColorAt(0, kShirt);
    white.setColorAt(1, kShirtShade);
    p.setPen(line(QColor(0x8a, 0x90, 0xa0), 1));
    p.setBrush(white);
    p.drawPath(shirt);
    // Lapels.
    for (const int side : {-1, 1}) {
        QPainterPath lapel(QPointF(68 + side * 9, 57));
        lapel.lineTo(68 + side * 16, 64);
        lapel.lineTo(68 + side * 11, 72);
        lapel.lineTo(68 + side * 14, 78);
        lapel.lineTo(68, 106);
        lapel.lineTo(68 + side * 4, 80);
        lapel.closeSubpath();
        p.setPen(line(suit.jacket.darker(230), 1.1));
        p.setBrush(suit.lapel);
        p.drawPath(lapel);
    }
    // Buttons, pocket square, bow tie.
    p.setPen(line(suit.jacket.darker(250), 0.8));
    p.setBrush(suit.jacket.lighter(170));
    p.drawEllipse(QPointF(68, 114), 2.1, 2.1);
    p.drawEllipse(QPointF(68, 126), 2.1, 2.1);
    p.setPen(line(suit.jacket.darker(230), 1));
    p.setBrush(suit.jacket.darker(130));
    p.drawRect(QRectF(78, 88, 12, 2.5));
    QPainterPath pocket(QPointF(79.5, 88.5));
    pocket.lineTo(81.5, 83);
    pocket.lineTo(84, 86);
    pocket.lineTo(86.5, 82.5);
    pocket.lineTo(88.5, 88.5);
    pocket.closeSubpath();
    p.setPen(line(suit.pocket.darker(200), 0.8));
    p.setBrush(suit.pocket);
    p.drawPath(pocket);

    QPainterPath bow;
    bow.moveTo(68, 62);
    bow.lineTo(58.5, 57);
    bow.lineTo(58.5, 67);
    bow.closeSubpath();
    bow.moveTo(68, 62);
    bow.lineTo(77.5, 57);
    bow.lineTo(77.5, 67);
    bow.closeSubpath();
    p.setPen(line(suit.bowTie.darker(220), 1.1));
    p.setBrush(suit.bowTie);
    p.drawPath(bow);
    p.setBrush(suit.bowTie.darker(120));
    p.drawRoundedRect(QRectF(65.2, 59.2, 5.6, 5.6), 1.5, 1.5);
}

void paintHead(QPainter& p, const Pose& pose)
{
    const qreal look = pose.turn * 2.6;  // the features shift towards where he looks
    const QPointF centre(68, 33);
    // Ears, then face.
    p.setPen(line(kSkinLine));
    p.setBrush(kSkinShade);
    p.drawEllipse(QPointF(52.5 + look * 0.3, 35), 4, 5.5);
    p.drawEllipse(QPointF(83.5 + look * 0.3, 35), 4, 5.5);
    QRadialGradient skin(centre + QPointF(-4 + look, -6), 24);
    skin.setColorAt(0, kSkin.lighter(108));
    skin.setColorAt(0.7, kSkin);
    skin.setColorAt(1, kSkinShade);
    p.setBrush(skin);
    QPainterPath face(QPointF(53, 28));
    face.cubicTo(53, 45, 58, 52, 68, 52);
    face.cubicTo(78, 52, 83, 45, 83, 28);
    face.cubicTo(83, 18, 76, 14, 68, 14);
    face.cubicTo(60, 14, 53, 18, 53, 28);
    p.drawPath(face);

    // Hair: a neat side parting and a lift at the front.
    QPainterPath hair(QPointF(52.5, 33));
    hair.cubicTo(50, 20, 54, 9, 64, 7.5);
    hair.cubicTo(72, 4.5, 82, 7, 84.5, 15);
    hair.cubicTo(86, 21, 85, 28, 83.5, 33);
    hair.cubicTo(82, 26, 80, 22, 77, 20);
    hair.cubicTo(70, 22, 62, 21, 58, 17.5);
    hair.cubicTo(56, 22, 54.5, 27, 52.5, 33);
    QLinearGradient shine(QPointF(0, 6), QPointF(0, 30));
    shine.setColorAt(0, kHair.lighter(160));
    shine.setColorAt(1, kHair);
    p.setPen(line(kHairLine));
    p.setBrush(shine);
    p.drawPath(hair);
    p.setPen(line(kHair.lighter(200), 1));
    p.drawLine(QPointF(63, 10), QPointF(71, 8.5));

    // Eyebrows, raised a little higher when thrilled.
    const qreal brow = pose.thrilled ? -2 : 0;
    p.setPen(line(kHairLine, 1.8));
    p.setBrush(Qt::NoBrush);
    for (const int side : {-1, 1}) {
        const qreal x = 68 + side * 7 + look;
        QPainterPath arch(QPointF(x - 4, 26.5 + brow));
        arch.quadTo(QPointF(x, 23.5 + brow), QPointF(x + 4, 26.5 + brow));
        p.drawPath(arch);
    }
    // Eyes: white, a dark iris looking where he looks, a glint.
    for (const int side : {-1, 1}) {
        const QPointF eye(68 + side * 7 + look, 31.5);
        p.setPen(line(kSkinLine, 0.8));
        p.setBrush(QColor(0xff, 0xff, 0xff));
        p.drawEllipse(eye, 3.3, 3.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x3a, 0x22, 0x14));
        p.drawEllipse(eye + QPointF(pose.turn * 1.0, 0.2), 2.0, 2.3);
        p.setBrush(QColor(0xff, 0xff, 0xff));
        p.drawEllipse(eye + QPointF(pose.turn * 1.0 - 0.7, -0.7), 0.7, 0.7);
    }
    // Nose and rosy cheeks.
    p.setPen(line(kSkinLine, 1.1));
    QPainterPath nose(QPointF(67.5 + look, 33));
    nose.quadTo(QPointF(65 + look * 1.3, 38.5), QPointF(68.5 + look * 1.2, 39));
    p.drawPath(nose);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0x80, 0x70, 70));
    p.drawEllipse(QPointF(59 + look, 40), 3.6, 2.4);
    p.drawEllipse(QPointF(77 + look, 40), 3.6, 2.4);

    // A big open smile, wider when thrilled.
    const qreal half = pose.thrilled ? 7.5 : 6.5;
    const QPointF mouth(68 + look, 42.5);
    QPainterPath smile(mouth + QPointF(-half, 0));
    smile.quadTo(mouth + QPointF(0, 1.2), mouth + QPointF(half, 0));
    smile.quadTo(mouth + QPointF(0, pose.thrilled ? 11 : 8.5), mouth + QPointF(-half, 0));
    p.setPen(line(QColor(0x7a, 0x24, 0x1c), 1.1));
    p.setBrush(QColor(0x8e, 0x28, 0x24));
    p.drawPath(smile);
    p.save();
    p.setClipPath(smile);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xff, 0xff));
    p.drawRect(QRectF(mouth.x() - half, mouth.y() - 1, 2 * half, 3.4));
    p.setBrush(QColor(0xf0, 0x70, 0x74));
    p.drawEllipse(mouth + QPointF(0, pose.thrilled ? 8.5 : 6.8), 4, 2.6);
    p.restore();
}

void paintHand(QPainter& p, const Arm& arm)
{
    const QPointF along = unit(arm.wrist - arm.elbow);
    const QPointF across(-along.y(), along.x());
    const QPointF palm = arm.wrist + along * 4;
    const QPointF way = unit(arm.pointing);
    p.setPen(line(kSkinLine, 1.2));
    p.setBrush(kSkin);
    const auto finger = [&](QPointF from, QPointF direction, qreal length, qreal width) {
        QPainterPathStroker stroker;
        stroker.setWidth(width);
        stroker.setCapStyle(Qt::RoundCap);
        QPainterPath bone(from);
        bone.lineTo(from + direction * length);
        p.drawPath(stroker.createStroke(bone));
    };
    switch (arm.hand) {
    case Hand::Open: {
        // Palm to the viewer, fingers fanned out the way the arm reaches.
        const qreal base = std::atan2(way.y(), way.x());
        for (int i = 0; i < 4; ++i) {
            const qreal a = base + (i - 1.5) * 0.28;
            finger(palm + QPointF(std::cos(a), std::sin(a)) * 3.5, QPointF(std::cos(a), std::sin(a)), 6.5, 3.2);
        }
        const qreal thumb = base + (way.x() < 0 ? 1.35 : -1.35);
        finger(palm, QPointF(std::cos(thumb), std::sin(thumb)), 7, 3.4);
        p.drawEllipse(palm, 5.4, 5.4);
        p.setPen(Qt::NoPen);
        p.setBrush(kSkinShade);
        p.drawEllipse(palm + QPointF(0.5, 0.8), 2.6, 2.2);
        break;
    }
    case Hand::Point: {
        finger(palm + way * 2, way, 10, 3.4);
        p.drawEllipse(palm, 5.4, 5.0);
        // The curled fingers and the thumb on top.
        p.setPen(line(kSkinLine, 0.8));
        for (int i = 0; i < 2; ++i)
            p.drawLine(palm + way * 2 + QPointF(-way.y(), way.x()) * (1 + i * 2), palm + way * 4.6 + QPointF(-way.y(), way.x()) * (1 + i * 2));
        p.setPen(line(kSkinLine, 1.2));
        finger(palm - QPointF(-way.y(), way.x()) * 2.5, way, 4.5, 3.0);
        break;
    }
    case Hand::Fist:
        p.drawEllipse(palm - along * 1, 5.2, 5.2);
        p.setPen(line(kSkinLine, 0.8));
        p.drawLine(palm + across * 2 - along * 2, palm + across * 2 + along * 2);
        break;
    case Hand::Relaxed:
        p.drawEllipse(palm, 5.6, 5.0);
        finger(palm + across * (way.x() > 0 ? -2.6 : 2.6), along, 3.5, 3.2);
        break;
    }
}

void paintArm(QPainter& p, const Arm& arm, const Suit& suit)
{
    QPainterPath sleeve(arm.shoulder);
    sleeve.lineTo(arm.elbow);
    sleeve.lineTo(arm.wrist);
    // Outline first, then the cloth, lit from the upper left.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(suit.jacket.darker(230), 15.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(sleeve);
    QLinearGradient cloth(arm.shoulder + QPointF(-12, -6), arm.wrist + QPointF(12, 6));
    cloth.setColorAt(0, suit.jacket.lighter(140));
    cloth.setColorAt(1, suit.jacket);
    p.setPen(QPen(QBrush(cloth), 13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(sleeve);
    // The shirt cuff.
    const QPointF along = unit(arm.wrist - arm.elbow);
    p.setPen(QPen(QColor(0x8a, 0x90, 0xa0), 9.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(arm.wrist - along * 0.5, arm.wrist + along * 3);
    p.setPen(QPen(kShirt, 7.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(arm.wrist - along * 0.2, arm.wrist + along * 2.7);
    paintHand(p, arm);
}

QImage paintHost(const PaintRequest& request)
{
    const int number = int(request.number(QStringLiteral("posa"), 1));
    const Pose pose = poseFor(number);
    const Suit suit = suitFor(request.edition);
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kGridWidth, request.size.height() / kGridHeight);

    paintLegs(p, suit);
    paintTorso(p, suit);
    paintHead(p, pose);
    // The arm reaching across the body goes on last.
    for (const Arm& arm : pose.arms)
        paintArm(p, arm, suit);
    p.end();

    // Only the desks differ between the look groups' backdrops, well below the host.
    if (request.size == board::kHostBox.size().toSize())
        board::settleEdges(image, board::studioBackdrop(request.edition, 1), board::kHostBox.topLeft().toPoint());
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("presentatore", assetgen::paintHost)
