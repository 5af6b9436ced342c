// The studio audience cheering a completed menu, seen from the stage: tiered rows of
// people under the lighting rig, the show's name on the wall behind them. The board
// alternates two shots of the same crowd for the brellan and writes the jackpot over
// the lower part of the picture, so everything below the front row is a plain,
// darkening barrier and floor.
//
// Parameters: scatto = 1 (the default: clapping) or 2 (a moment later: arms up,
// camera flashes, confetti); natale (flag) dresses the studio and the crowd for
// Christmas.

#include "painters/christmaskit.h"
#include "painters/coursekit.h"
#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <array>
#include <cmath>
#include <numbers>

namespace assetgen {

namespace {

using namespace kit;

constexpr qreal kWidth = 720, kHeight = 544;
constexpr qreal kTruss = 18;
constexpr qreal kBarrierTop = 398;  // the front of the stand; the jackpot is written below it
constexpr qreal kFloorTop = 452;
constexpr int kRows = 6;

// Each row's shoulder line at the middle of the picture and its size, back to front.
constexpr std::array<qreal, kRows> kRowY = {136, 172, 212, 256, 306, 364};
constexpr std::array<qreal, kRows> kRowScale = {0.52, 0.62, 0.73, 0.85, 0.99, 1.15};

// The stand curves round the stage, so each row rises a little towards the sides.
qreal rowY(int row, qreal x)
{
    const qreal off = (x - kWidth / 2) / (kWidth / 2);
    return kRowY[std::size_t(row)] - 12 * kRowScale[std::size_t(row)] * off * off;
}

// Where a row's step ends under its people: the lit edge of the tier.
qreal stepTop(int row, qreal x)
{
    return rowY(row, x) + 30 * kRowScale[std::size_t(row)];
}

enum class Hair { Short, Long, Bald, Curly, Bun };
enum class Pose { Clap, ClapHigh, ClapApart, ArmsUp, ArmsV, Wave, Fist, Camera };

struct Person {
    qreal x = 0;
    int row = 0;
    QColor shirt, skin, hair;
    Hair style = Hair::Short;
    bool glasses = false;
    bool santa = false;  // wears a Santa hat at Christmas
    // What this shot caught him doing.
    Pose pose = Pose::Clap;
    bool shouting = false;
    bool eyesShut = false;
    qreal tilt = 0;
};

QColor pick(QRandomGenerator& random, std::initializer_list<QColor> colours)
{
    return *(colours.begin() + random.bounded(int(colours.size())));
}

// The same people sit in the same seats in both shots and in both dressings: the
// crowd comes from one seed, what each of them does from the shot's own.
QList<Person> makeCrowd(int shot)
{
    QRandomGenerator crowd(0x9A7EAu);
    QRandomGenerator moment(0x5CA77Au + quint32(shot) * 7919u);
    QList<Person> people;
    for (int row = 0; row < kRows; ++row) {
        const qreal s = kRowScale[std::size_t(row)];
        const qreal pitch = 50 * s;
        for (qreal x = -pitch * (0.3 + 0.5 * (row % 2)) + crowd.generateDouble() * 8 * s; x < kWidth + pitch;
             x += pitch * (0.92 + 0.16 * crowd.generateDouble())) {
            Person m;
            m.x = x;
            m.row = row;
            m.shirt = pick(crowd, {QColor(0xd8, 0x3a, 0x3a), QColor(0x2f, 0x6f, 0xd0), QColor(0xf2, 0xc2, 0x3a),
                                   QColor(0xf4, 0xf1, 0xe8), QColor(0x3a, 0x9a, 0x5a), QColor(0x8a, 0x4a, 0xc0),
                                   QColor(0xf0, 0x7f, 0x2a), QColor(0xe8, 0x7f, 0xb4), QColor(0x23, 0x2f, 0x5a),
                                   QColor(0x7a, 0x80, 0x8c), QColor(0x2a, 0xa8, 0xa8), QColor(0x26, 0x24, 0x2a),
                                   QColor(0xc8, 0xb0, 0x8a), QColor(0x9a, 0x24, 0x3a)});
            m.skin = pick(crowd, {QColor(0xf4, 0xc6, 0x9e), QColor(0xe8, 0xb4, 0x8a), QColor(0xd0, 0x96, 0x6a),
                                  QColor(0xa8, 0x70, 0x48), QColor(0x7a, 0x4e, 0x32), QColor(0xf8, 0xd4, 0xb8)});
            const int age = crowd.bounded(10);
            if (age < 2) {
                m.hair = pick(crowd, {QColor(0xa8, 0xa8, 0xb0), QColor(0xe8, 0xe8, 0xee)});
                m.style = crowd.bounded(2) == 0 ? Hair::Bald : Hair::Short;
            } else {
                m.hair = pick(crowd, {QColor(0x2a, 0x1a, 0x12), QColor(0x4a, 0x30, 0x1c), QColor(0x1a, 0x1a, 0x20),
                                      QColor(0x8a, 0x5a, 0x2a), QColor(0xd8, 0xb0, 0x60), QColor(0x9a, 0x3a, 0x1a)});
                const Hair styles[] = {Hair::Short, Hair::Short, Hair::Long, Hair::Long, Hair::Curly, Hair::Bun};
                m.style = styles[crowd.bounded(int(std::size(styles)))];
            }
            m.glasses = crowd.bounded(6) == 0;
            m.santa = crowd.bounded(4) == 0;

            const int roll = moment.bounded(100);
            if (shot == 2) {
                m.pose = roll < 36 ? Pose::ArmsUp
                    : roll < 56    ? Pose::ArmsV
                    : roll < 70    ? Pose::Wave
                    : roll < 82    ? Pose::Fist
                    : roll < 90    ? Pose::Camera
                                   : Pose::ClapHigh;
                m.shouting = moment.bounded(100) < 70;
                m.eyesShut = moment.bounded(100) < 25;
            } else {
                m.pose = roll < 52 ? Pose::Clap : roll < 74 ? Pose::ClapHigh : roll < 95 ? Pose::ClapApart : Pose::Wave;
                m.shouting = moment.bounded(100) < 22;
                m.eyesShut = moment.bounded(100) < 8;
            }
            m.tilt = (moment.generateDouble() - 0.5) * (shot == 2 ? 12 : 6);
            people << m;
        }
    }
    return people;
}

QPen roundPen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The hand at the end of an arm, in the person's own units. Open hands spread their
// fingers along the arm's direction.
void drawHand(QPainter& p, QPointF at, QPointF along, const QColor& skin, bool open)
{
    const qreal length = std::hypot(along.x(), along.y());
    const QPointF dir = length > 0 ? along / length : QPointF(0, -1);
    const QPointF side(-dir.y(), dir.x());
    p.setPen(roundPen(skin.darker(150), 0.7));
    p.setBrush(skin);
    if (open) {
        for (int f = -2; f <= 1; ++f) {
            const QPointF base = at + side * (f + 0.5) * 1.7 + dir * 2;
            p.setPen(roundPen(skin.darker(150), 2.6));
            p.drawLine(base, base + dir * (f == -2 || f == 1 ? 4.2 : 5.2) + side * (f + 0.5) * 0.7);
            p.setPen(roundPen(skin, 1.6));
            p.drawLine(base, base + dir * (f == -2 || f == 1 ? 4.2 : 5.2) + side * (f + 0.5) * 0.7);
        }
        p.setPen(roundPen(skin.darker(150), 0.7));
    }
    p.drawEllipse(at, 4.4, 4.4);
}

void drawArm(QPainter& p, QPointF shoulder, QPointF elbow, QPointF hand, const QColor& sleeve, const QColor& skin,
             bool open)
{
    QPainterPath arm(shoulder);
    arm.lineTo(elbow);
    arm.lineTo(hand);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(sleeve.darker(170), 10));
    p.drawPath(arm);
    p.setPen(roundPen(sleeve, 8.2));
    p.drawPath(arm);
    // The cuff, where the skin starts.
    const QPointF cuff = elbow + (hand - elbow) * 0.72;
    p.setPen(roundPen(skin, 6.4));
    p.drawLine(cuff, hand);
    drawHand(p, hand, hand - elbow, skin, open);
}

void drawCamera(QPainter& p, QPointF centre)
{
    const QRectF body(centre.x() - 9, centre.y() - 6, 18, 12);
    p.setPen(roundPen(QColor(0x0c, 0x0c, 0x10), 0.8));
    p.setBrush(QColor(0x2a, 0x2a, 0x32));
    p.drawRoundedRect(body, 2, 2);
    p.setBrush(QColor(0x10, 0x10, 0x16));
    p.drawEllipse(centre + QPointF(0, 1), 4, 4);
    p.setBrush(QColor(0x6a, 0x8a, 0xc0));
    p.drawEllipse(centre + QPointF(-1, 0), 1.4, 1.4);
}

// The hat goes on after the head, so it is drawn in the same units.
void drawSantaHat(QPainter& p, bool tipRight)
{
    const qreal side = tipRight ? 1 : -1;
    QPainterPath cone(QPointF(-12, -31));
    cone.cubicTo(QPointF(-8, -46), QPointF(side * 8, -50), QPointF(side * 19, -40));
    cone.cubicTo(QPointF(side * 10, -42), QPointF(8, -40), QPointF(12, -31));
    cone.closeSubpath();
    QLinearGradient felt(QPointF(-12, -48), QPointF(12, -30));
    felt.setColorAt(0, QColor(0xf0, 0x3a, 0x36));
    felt.setColorAt(1, QColor(0xa8, 0x12, 0x1a));
    p.setPen(roundPen(QColor(0x6a, 0x08, 0x0c), 0.8));
    p.setBrush(felt);
    p.drawPath(cone);
    p.setPen(roundPen(QColor(0xb8, 0xc4, 0xd4), 0.7));
    p.setBrush(QColor(0xfa, 0xfc, 0xff));
    p.drawRoundedRect(QRectF(-13.5, -34, 27, 7), 3.5, 3.5);
    p.drawEllipse(QPointF(side * 19, -40), 3.6, 3.6);
}

void drawHead(QPainter& p, const Person& m, bool christmas)
{
    // Long hair falls behind the neck and shoulders.
    if (m.style == Hair::Long) {
        p.setPen(Qt::NoPen);
        p.setBrush(m.hair.darker(115));
        p.drawRoundedRect(QRectF(-14.5, -36, 29, 42), 11, 11);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(m.skin.darker(112));
    p.drawRect(QRectF(-4.5, -13, 9, 10));
    // Ears, then the face over them.
    p.setBrush(m.skin.darker(106));
    p.drawEllipse(QPointF(-11, -21), 2.4, 3.6);
    p.drawEllipse(QPointF(11, -21), 2.4, 3.6);
    QRadialGradient face(QPointF(-3, -27), 17);
    face.setColorAt(0, m.skin.lighter(112));
    face.setColorAt(1, m.skin.darker(118));
    p.setPen(roundPen(m.skin.darker(165), 0.6));
    p.setBrush(face);
    p.drawEllipse(QPointF(0, -22), 11, 13.5);

    // Hair.
    p.setPen(Qt::NoPen);
    p.setBrush(m.hair);
    switch (m.style) {
    case Hair::Short:
    case Hair::Bun:
    case Hair::Long: {
        QPainterPath cap(QPointF(-11.6, -19));
        cap.cubicTo(QPointF(-14, -40), QPointF(14, -40), QPointF(11.6, -19));
        cap.cubicTo(QPointF(10, -27), QPointF(5, -30.5), QPointF(1, -29));
        cap.cubicTo(QPointF(-5, -31), QPointF(-10, -27), QPointF(-11.6, -19));
        p.drawPath(cap);
        if (m.style == Hair::Long) {
            for (const qreal side : {-1.0, 1.0}) {
                QPainterPath lock(QPointF(side * 11.8, -26));
                lock.cubicTo(QPointF(side * 15.5, -12), QPointF(side * 14.5, -2), QPointF(side * 12.5, 3));
                lock.lineTo(QPointF(side * 8.5, 2));
                lock.cubicTo(QPointF(side * 10.5, -8), QPointF(side * 10.5, -17), QPointF(side * 9.6, -26));
                lock.closeSubpath();
                p.drawPath(lock);
            }
        }
        if (m.style == Hair::Bun)
            p.drawEllipse(QPointF(0, -37.5), 5.6, 5);
        break;
    }
    case Hair::Curly:
        for (int i = 0; i <= 8; ++i) {
            const qreal angle = std::numbers::pi * (1.05 + 0.9 * i / 8);
            p.drawEllipse(QPointF(0, -23) + QPointF(std::cos(angle) * 11.5, std::sin(angle) * 13.5), 4.4, 4.4);
        }
        break;
    case Hair::Bald:
        p.drawEllipse(QPointF(-10.6, -22), 2.2, 5);
        p.drawEllipse(QPointF(10.6, -22), 2.2, 5);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawEllipse(QPointF(-4, -32), 3.5, 1.8);
        break;
    }
    // A shine on the hair from the rig above.
    if (m.style != Hair::Bald) {
        p.setPen(roundPen(alpha(m.hair.lighter(170), 120), 1.1));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-8, -35, 12, 8), 40 * 16, 100 * 16);
    }

    // Face: eyes (happy arcs when shut), brows, mouth, cheeks.
    const QColor ink(0x2a, 0x16, 0x10);
    p.setBrush(ink);
    for (const qreal side : {-1.0, 1.0}) {
        const QPointF eye(side * 4.2, -23);
        if (m.eyesShut) {
            p.setPen(roundPen(ink, 0.9));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(eye.x() - 2, eye.y() - 1, 4, 3), 0, 180 * 16);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawEllipse(eye, 1.25, 1.6);
        }
        p.setPen(roundPen(m.hair.darker(130), 0.9));
        p.drawLine(eye + QPointF(-2.2, -3.6 + side * 0.2), eye + QPointF(2, -4 - side * 0.2));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x70, 0x70, 60));
    p.drawEllipse(QPointF(-6.5, -17.5), 2.6, 1.8);
    p.drawEllipse(QPointF(6.5, -17.5), 2.6, 1.8);
    if (m.shouting) {
        p.setPen(roundPen(QColor(0x5a, 0x10, 0x10), 0.6));
        p.setBrush(QColor(0x7a, 0x1a, 0x1c));
        p.drawEllipse(QPointF(0, -14), 3.6, 3.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xfa, 0xfa, 0xf4));
        p.drawChord(QRectF(-3.2, -17.1, 6.4, 3.4), 0, 180 * 16);
    } else {
        QPainterPath smile(QPointF(-4.6, -16));
        smile.quadTo(QPointF(0, -11.2), QPointF(4.6, -16));
        p.setPen(roundPen(QColor(0x8a, 0x26, 0x22), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(smile);
    }
    if (m.glasses) {
        p.setPen(roundPen(QColor(0x1c, 0x1c, 0x22), 0.9));
        p.setBrush(QColor(255, 255, 255, 30));
        p.drawEllipse(QPointF(-4.4, -23), 3.5, 3.1);
        p.drawEllipse(QPointF(4.4, -23), 3.5, 3.1);
        p.drawLine(QPointF(-0.9, -23.4), QPointF(0.9, -23.4));
    }
    if (christmas && m.santa)
        drawSantaHat(p, m.tilt >= 0);
}

void drawPerson(QPainter& p, const Person& m, bool christmas)
{
    const qreal s = kRowScale[std::size_t(m.row)];
    p.save();
    p.translate(m.x, rowY(m.row, m.x));
    p.scale(s, s);
    p.rotate(m.tilt);

    // Torso, lit from the stage in front and above.
    QPainterPath torso(QPointF(-24, 62));
    torso.lineTo(-24, 10);
    torso.cubicTo(QPointF(-24, 0), QPointF(-18, -4), QPointF(-8, -5));
    torso.lineTo(8, -5);
    torso.cubicTo(QPointF(18, -4), QPointF(24, 0), QPointF(24, 10));
    torso.lineTo(24, 62);
    torso.closeSubpath();
    QLinearGradient cloth(QPointF(0, -5), QPointF(0, 40));
    cloth.setColorAt(0, m.shirt.lighter(118));
    cloth.setColorAt(1, m.shirt.darker(150));
    p.setPen(roundPen(m.shirt.darker(210), 0.8));
    p.setBrush(cloth);
    p.drawPath(torso);
    QPainterPath neckline(QPointF(-6, -5));
    neckline.lineTo(0, 5);
    neckline.lineTo(6, -5);
    neckline.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(m.skin.darker(108));
    p.drawPath(neckline);

    drawHead(p, m, christmas);

    const QPointF left(-19, 3), right(19, 3);
    const QColor sleeve = m.shirt.darker(108);
    switch (m.pose) {
    case Pose::Clap:
        drawArm(p, left, QPointF(-22, 34), QPointF(-2.4, 10), sleeve, m.skin, false);
        drawArm(p, right, QPointF(22, 34), QPointF(2.4, 9), sleeve, m.skin, false);
        break;
    case Pose::ClapHigh:
        drawArm(p, left, QPointF(-24, 24), QPointF(-2.4, -2), sleeve, m.skin, false);
        drawArm(p, right, QPointF(24, 24), QPointF(2.4, -3), sleeve, m.skin, false);
        break;
    case Pose::ClapApart:
        drawArm(p, left, QPointF(-23, 32), QPointF(-9, 6), sleeve, m.skin, true);
        drawArm(p, right, QPointF(23, 32), QPointF(9, 5), sleeve, m.skin, true);
        break;
    case Pose::ArmsUp:
        drawArm(p, left, QPointF(-29, -16), QPointF(-24, -48), sleeve, m.skin, true);
        drawArm(p, right, QPointF(29, -16), QPointF(24, -48), sleeve, m.skin, true);
        break;
    case Pose::ArmsV:
        drawArm(p, left, QPointF(-30, -18), QPointF(-42, -44), sleeve, m.skin, true);
        drawArm(p, right, QPointF(30, -18), QPointF(42, -44), sleeve, m.skin, true);
        break;
    case Pose::Wave:
        drawArm(p, left, QPointF(-22, 32), QPointF(-4, 10), sleeve, m.skin, false);
        drawArm(p, right, QPointF(32, -10), QPointF(36, -42), sleeve, m.skin, true);
        break;
    case Pose::Fist:
        drawArm(p, left, QPointF(-22, 34), QPointF(-6, 14), sleeve, m.skin, false);
        drawArm(p, right, QPointF(27, -12), QPointF(20, -44), sleeve, m.skin, false);
        break;
    case Pose::Camera:
        drawArm(p, left, QPointF(-26, -14), QPointF(-8, -46), sleeve, m.skin, false);
        drawArm(p, right, QPointF(26, -14), QPointF(8, -46), sleeve, m.skin, false);
        drawCamera(p, QPointF(0, -50));
        break;
    }
    p.restore();
}

// Where a camera held up in the crowd flashes, in picture coordinates.
QPointF cameraFlash(const Person& m)
{
    const qreal s = kRowScale[std::size_t(m.row)];
    const qreal turn = m.tilt * std::numbers::pi / 180;
    const QPointF local(5, -55);
    const QPointF turned(local.x() * std::cos(turn) - local.y() * std::sin(turn),
                         local.x() * std::sin(turn) + local.y() * std::cos(turn));
    return QPointF(m.x, rowY(m.row, m.x)) + turned * s;
}

void drawFlash(QPainter& p, QPointF centre, qreal size)
{
    drawGlow(p, centre, size * 3.2, QColor(255, 255, 255, 150));
    drawGlow(p, centre, size * 1.3, QColor(255, 255, 255, 230));
    QPainterPath rays;
    for (int i = 0; i < 8; ++i) {
        const qreal angle = i * std::numbers::pi / 4;
        const qreal r = i % 2 == 0 ? size * 2.6 : size * 0.25;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * r;
        if (i == 0)
            rays.moveTo(at);
        else
            rays.lineTo(at);
    }
    rays.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawPath(rays);
    p.drawEllipse(centre, size * 0.45, size * 0.45);
    p.restore();
}

void paintWall(QPainter& p, const EditionLook& look, bool christmas)
{
    fillVertical(p, QRectF(0, 0, kWidth, kRowY[0] + 40), look.deep.darker(130), mix(look.deep, look.wall, 0.7));
    // Lit seams with marquee bulbs, as on the stage's own walls.
    for (const qreal x : {112.0, 258.0, 462.0, 608.0}) {
        drawGlow(p, QRectF(x - 14, kTruss, 28, kRowY[0] - kTruss), alpha(look.glow, 70));
        drawBulbRow(p, QPointF(x, kTruss + 12), QPointF(x, kRowY[0] - 8), 9, 1.8,
                    {QColor(0xff, 0xf4, 0xd6), look.glow, look.accent2.lighter(130)});
    }
    drawGlow(p, QRectF(160, 10, 400, 150), alpha(look.glow, 70));
    if (christmas) {
        // Trees at the two ends of the top tier, the back row in front of them.
        drawChristmasTree(p, QRectF(10, 26, 84, 124), look, 0x7EE51u);
        drawChristmasTree(p, QRectF(626, 26, 84, 124), look, 0x7EE52u);
    }
    const QPainterPath title = bouncyText(QStringLiteral("Zolmera"), playfulFont(40), QPointF(360, 78), 3, 4);
    drawGlow(p, title.boundingRect().adjusted(-50, -20, 50, 20), alpha(look.glow, 80));
    drawTitle(p, title, look, 3);
    drawSparkle(p, QPointF(286, 52), 6, QColor(0xff, 0xfb, 0xe6));
    drawSparkle(p, QPointF(438, 90), 5, QColor(0xff, 0xfb, 0xe6));
    if (christmas) {
        drawHolly(p, QPointF(270, 86), 16, -20);
        drawHolly(p, QPointF(452, 64), 16, 160);
    }
}

// The front of one tier under its row: the seats' step, with a light strip along
// its edge (red and green at Christmas).
void paintStep(QPainter& p, int row, const EditionLook& look, bool christmas)
{
    const qreal s = kRowScale[std::size_t(row)];
    QPainterPath edge;
    QPainterPath face;
    for (int i = 0; i <= 48; ++i) {
        const qreal x = kWidth * i / 48;
        const QPointF at(x, stepTop(row, x));
        if (i == 0) {
            edge.moveTo(at);
            face.moveTo(at);
        } else {
            edge.lineTo(at);
            face.lineTo(at);
        }
    }
    face.lineTo(kWidth, kHeight);
    face.lineTo(0, kHeight);
    face.closeSubpath();
    const qreal top = stepTop(row, kWidth / 2) - 12 * s;
    QLinearGradient shade(QPointF(0, top), QPointF(0, top + 70 * s));
    shade.setColorAt(0, mix(look.deep, look.accent, 0.35));
    shade.setColorAt(1, look.deep.darker(160));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(face);

    p.setBrush(Qt::NoBrush);
    if (christmas) {
        const qreal dash = 22 * s;
        QPen red = roundPen(QColor(0xff, 0x4a, 0x40), 2.6 * s);
        red.setDashPattern({dash / red.widthF(), dash / red.widthF()});
        QPen green = red;
        green.setColor(QColor(0x4c, 0xe0, 0x6a));
        green.setDashOffset(dash / red.widthF());
        p.setPen(QPen(alpha(QColor(0xff, 0xe0, 0xc0), 60), 9 * s));
        p.drawPath(edge);
        p.setPen(red);
        p.drawPath(edge);
        p.setPen(green);
        p.drawPath(edge);
    } else {
        p.setPen(QPen(alpha(look.accent.lighter(150), 70), 9 * s));
        p.drawPath(edge);
        p.setPen(QPen(look.accent.lighter(170), 2.4 * s));
        p.drawPath(edge);
    }
}

// Each row's seat backs show round the people's shoulders.
void paintSeats(QPainter& p, const QList<Person>& people, int row, const EditionLook& look)
{
    const qreal s = kRowScale[std::size_t(row)];
    for (const Person& m : people) {
        if (m.row != row)
            continue;
        const QPointF at(m.x, rowY(row, m.x));
        const QRectF back(at.x() - 25 * s, at.y() - 6 * s, 50 * s, 40 * s);
        QLinearGradient velvet(back.topLeft(), back.bottomLeft());
        velvet.setColorAt(0, look.accent.darker(120));
        velvet.setColorAt(1, look.accent.darker(260));
        p.setPen(QPen(look.accent.darker(300), 0.8));
        p.setBrush(velvet);
        p.drawRoundedRect(back, 8 * s, 8 * s);
    }
}

void paintRig(QPainter& p, const EditionLook& look, int shot)
{
    // Beams into the haze over the crowd; a moment later they swing and change colour.
    struct Lamp {
        qreal x;
        QPointF target;
        QColor colour;
        int strength;
    };
    const QList<Lamp> lamps = shot == 2
        ? QList<Lamp>{{60, QPointF(260, 330), look.accent2.lighter(130), 46},
                      {200, QPointF(80, 300), look.accent.lighter(140), 40},
                      {360, QPointF(520, 320), look.glow, 44},
                      {520, QPointF(640, 300), look.accent.lighter(140), 40},
                      {660, QPointF(420, 330), look.accent2.lighter(130), 46}}
        : QList<Lamp>{{60, QPointF(150, 330), look.glow, 30},
                      {200, QPointF(280, 320), look.glow, 26},
                      {360, QPointF(360, 330), look.glow, 24},
                      {520, QPointF(440, 320), look.glow, 26},
                      {660, QPointF(570, 330), look.glow, 30}};
    for (const Lamp& lamp : lamps)
        drawBeam(p, QPointF(lamp.x, kTruss + 8), lamp.target, 10, 150, alpha(lamp.colour, lamp.strength));

    drawTruss(p, kWidth, kTruss, 18, 1.3, QColor(0x16, 0x17, 0x1e));
    for (const Lamp& lamp : lamps) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x20, 0x21, 0x28));
        p.drawRoundedRect(QRectF(lamp.x - 9, kTruss - 4, 18, 14), 3, 3);
        drawBulb(p, QPointF(lamp.x, kTruss + 8), 4.6, lamp.colour);
    }
}

void paintChristmasRig(QPainter& p, const EditionLook& look)
{
    const qreal knots[] = {0, 130, 290, 430, 590, kWidth};
    for (std::size_t i = 0; i + 1 < std::size(knots); ++i) {
        const QPointF from(knots[i], kTruss - 1), to(knots[i + 1], kTruss - 1);
        const QPainterPath garland = drawGarland(p, from, to, 9, 12, 0xB0A7u + quint32(i));
        drawFairyLights(p, garland, 20, 2.4);
    }
    // Gold stars hanging on threads in front of the wall, baubles between them.
    const struct {
        QPointF at;
        qreal size;
    } stars[] = {{{150, 58}, 11}, {{236, 96}, 8}, {{520, 44}, 10}, {{572, 100}, 8}, {{34, 40}, 7}, {{690, 52}, 7}};
    for (const auto& star : stars) {
        p.setPen(QPen(QColor(0xe8, 0xd9, 0xa0), 0.8));
        p.drawLine(QPointF(star.at.x(), kTruss), star.at - QPointF(0, star.size));
        drawGlow(p, star.at, star.size * 2.4, alpha(QColor(0xff, 0xe7, 0x8a), 120));
        QRadialGradient fill(star.at, star.size);
        fill.setColorAt(0, QColor(0xff, 0xfb, 0xe0));
        fill.setColorAt(1, QColor(0xf2, 0xb0, 0x2a));
        p.setPen(QPen(QColor(0xb0, 0x78, 0x10), 0.8));
        p.setBrush(fill);
        p.drawPath(starOutline(star.at, star.size, star.size * 0.42));
    }
    const QColor red(0xd8, 0x24, 0x2c), green(0x2a, 0x9a, 0x48);
    const struct {
        QPointF at;
        QColor colour;
    } baubles[] = {{{96, 40}, red}, {{196, 34}, look.gold}, {{330, 38}, green}, {{392, 30}, red},
                   {{468, 36}, look.gold}, {{640, 38}, green}};
    for (const auto& bauble : baubles) {
        p.setPen(QPen(QColor(0xe8, 0xd9, 0xa0), 0.8));
        p.drawLine(QPointF(bauble.at.x(), kTruss), bauble.at - QPointF(0, 6));
        drawBauble(p, bauble.at, 5.5, bauble.colour);
    }
}

// Confetti and streamers raining over the crowd; fewer and dimmer low down, where
// the board writes the jackpot.
void paintConfetti(QPainter& p, const EditionLook& look, bool christmas)
{
    QRandomGenerator random(0xC0F7E771u);
    const QList<QColor> colours = christmas
        ? QList<QColor>{QColor(0xe8, 0x26, 0x2e), QColor(0x2c, 0xb0, 0x4e), look.gold, QColor(0xfa, 0xfa, 0xff),
                        QColor(0xc8, 0xd0, 0xdc)}
        : QList<QColor>{look.gold, look.accent, look.accent2, QColor(0xfa, 0xfa, 0xff), QColor(0xff, 0x7a, 0xc8),
                        QColor(0x5a, 0xd0, 0xff)};
    p.save();
    for (int i = 0; i < 420; ++i) {
        const QPointF at(kWidth * random.generateDouble(), kHeight * 0.82 * random.generateDouble());
        const qreal size = 0.7 + random.generateDouble() * 1.1;
        const qreal angle = 360 * random.generateDouble();
        const qreal tumble = 0.2 + 0.8 * random.generateDouble();
        const QColor colour = colours[random.bounded(int(colours.size()))];
        const bool low = at.y() > kBarrierTop - 40;
        if (low && random.bounded(3) != 0)
            continue;
        p.save();
        p.translate(at);
        p.rotate(angle);
        p.scale(1, tumble);
        p.setPen(Qt::NoPen);
        p.setBrush(alpha(colour, low ? 130 : 235));
        p.drawRect(QRectF(-3 * size, -1.6 * size, 6 * size, 3.2 * size));
        p.restore();
    }
    // Curling streamers, kept off the show's name.
    const QRectF title(230, 30, 260, 80);
    for (int i = 0; i < 16; ++i) {
        const QPointF start(kWidth * random.generateDouble(), kTruss + 10 + 240 * random.generateDouble());
        const qreal length = 30 + 28 * random.generateDouble();
        const qreal sway = 4 + 4 * random.generateDouble();
        const qreal phase = 2 * std::numbers::pi * random.generateDouble();
        const qreal drift = (random.generateDouble() - 0.5) * 30;
        QPainterPath streamer(start);
        for (int k = 1; k <= 20; ++k) {
            const qreal t = k / 20.0;
            streamer.lineTo(start + QPointF(drift * t + std::sin(phase + t * 9) * sway, length * t));
        }
        const QColor colour = colours[random.bounded(int(colours.size()))];
        if (streamer.boundingRect().intersects(title))
            continue;
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(colour.darker(150), 3.2));
        p.drawPath(streamer);
        p.setPen(roundPen(colour, 2.1));
        p.drawPath(streamer);
    }
    p.restore();
}

void paintBarrier(QPainter& p, const EditionLook& look, bool christmas)
{
    // The front of the stand: a padded wall with a gold rail, then the stage floor.
    const QRectF wall(0, kBarrierTop, kWidth, kFloorTop - kBarrierTop);
    fillVertical(p, wall, mix(look.deep, look.wall, 0.45), look.deep.darker(140));
    p.setPen(QPen(alpha(Qt::black, 70), 1.2));
    for (qreal x = 60; x < kWidth; x += 120)
        p.drawLine(QPointF(x, kBarrierTop + 6), QPointF(x, kFloorTop - 2));
    QLinearGradient rail(QPointF(0, kBarrierTop - 3), QPointF(0, kBarrierTop + 5));
    rail.setColorAt(0, look.gold.lighter(140));
    rail.setColorAt(1, look.gold.darker(170));
    p.fillRect(QRectF(0, kBarrierTop - 3, kWidth, 8), rail);
    fillVertical(p, QRectF(0, kFloorTop, kWidth, kHeight - kFloorTop), look.floorFar.darker(170),
                 look.floorNear.darker(230));
    p.fillRect(QRectF(0, kFloorTop, kWidth, 2), alpha(look.gold.darker(150), 160));
    // The stand's lights glimmer faintly on the glossy floor.
    for (const qreal x : {112.0, 258.0, 462.0, 608.0})
        drawGlow(p, QRectF(x - 30, kFloorTop + 4, 60, 60), alpha(look.glow, 40));
    if (christmas) {
        drawSnowCap(p, 0, kWidth, kBarrierTop - 2, 6, 0x5A0Eu);
        for (const qreal x : {60.0, 300.0, 420.0, 660.0})
            drawHolly(p, QPointF(x, kBarrierTop + 14), 18, x < kWidth / 2 ? -30 : 150);
    }
}

QImage paintPlatea(const PaintRequest& request)
{
    const EditionLook look = editionLook(request.edition);
    const bool christmas = request.flag(QStringLiteral("natale"));
    const int shot = request.text(QStringLiteral("scatto"), QStringLiteral("1")).toInt() == 2 ? 2 : 1;
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(look.deep);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kWidth, request.size.height() / kHeight);
    // The second shot is a little closer in, on the middle of the crowd.
    if (shot == 2) {
        p.translate(kWidth / 2, 200);
        p.scale(1.06, 1.06);
        p.translate(-kWidth / 2, -200);
    }

    paintWall(p, look, christmas);
    const QList<Person> people = makeCrowd(shot);
    const QColor haze = mix(look.deep, look.wall, 0.6);
    for (int row = 0; row < kRows; ++row) {
        paintSeats(p, people, row, look);
        for (const Person& m : people) {
            if (m.row == row)
                drawPerson(p, m, christmas);
        }
        paintStep(p, row, look, christmas);
        // The farther rows sink into the studio's haze.
        if (row + 1 < kRows)
            p.fillRect(QRectF(-40, -40, kWidth + 80, stepTop(row, kWidth / 2) + 60), alpha(haze, 22));
    }

    // Stage light washing over the crowd, brightest in the middle.
    drawGlow(p, QRectF(60, 110, 600, 300), alpha(look.glow, shot == 2 ? 46 : 38));
    paintRig(p, look, shot);
    if (christmas) {
        paintChristmasRig(p, look);
        p.save();
        p.setClipRect(QRectF(0, kTruss + 4, kWidth, kBarrierTop - kTruss - 30));
        drawSnowfall(p, QRectF(0, kTruss + 4, kWidth, kBarrierTop - kTruss - 30), 200, 0x5E0F1Au);
        p.restore();
    }
    if (shot == 2) {
        for (const Person& m : people) {
            if (m.pose == Pose::Camera)
                drawFlash(p, cameraFlash(m), 5 * kRowScale[std::size_t(m.row)] + 2);
        }
        paintConfetti(p, look, christmas);
    }
    paintBarrier(p, look, christmas);

    // The lower part darkens towards the bottom, so the jackpot written over it reads
    // well; the corners darken a little to keep the eye on the crowd.
    p.resetTransform();
    p.scale(request.size.width() / kWidth, request.size.height() / kHeight);
    QLinearGradient calm(QPointF(0, 330), QPointF(0, kHeight));
    calm.setColorAt(0, QColor(0, 0, 0, 0));
    calm.setColorAt(0.35, QColor(0, 0, 0, 90));
    calm.setColorAt(1, QColor(0, 0, 0, 170));
    p.fillRect(QRectF(0, 330, kWidth, kHeight - 330), calm);
    drawVignette(p, QRectF(0, 0, kWidth, kHeight), QPointF(kWidth / 2, kHeight * 0.42), kWidth * 0.66, 0.7, 80);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("platea", assetgen::paintPlatea)
