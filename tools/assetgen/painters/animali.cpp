// The two contestants' figures in the action duels: contestant 1's dog and
// contestant 2's rabbit, each sitting and seen from the front. They race through a
// maze on light grey, cross a pink board and stand in goal on a green pitch, and
// the window also shows them small beside the names, so each is a compact shape
// with a bold dark outline and colours of its own: the dog in warm browns, the
// rabbit white and grey with pink ears. The collar and the bow tie take the
// contestant's colour of the edition, as the desks on the board do.
//
// Parameters: animale = cane or coniglio.

#include "painters/boardkit.h"
#include "painters/painter.h"
#include "painters/spritekit.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace assetgen {

namespace {

using namespace kit;
using namespace sprite;

constexpr qreal kGrid = 100;

QPainterPath mirrored(const QPainterPath& path)
{
    return QTransform(-1, 0, 0, 1, kGrid, 0).map(path);
}

// A figure's bold outline and each part's own line.
constexpr qreal kOutline = 6, kLine = 1.8;

void eye(QPainter& p, QPointF centre, qreal rx, qreal ry, const QColor& ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(centre, rx, ry);
    p.setBrush(Qt::white);
    p.drawEllipse(centre + QPointF(-rx * 0.3, -ry * 0.38), rx * 0.42, ry * 0.36);
    p.drawEllipse(centre + QPointF(rx * 0.35, ry * 0.4), rx * 0.17, ry * 0.15);
}

// A body sitting on the ground line base, seen from the front: round shoulders
// from the neck, bulging out to bulge from the middle, halfBase wide at the ground.
QPainterPath sittingBody(qreal neck, qreal base, qreal halfBase, qreal bulge)
{
    const qreal middle = kGrid / 2, waist = neck + (base - neck) * 0.47;
    QPainterPath body(QPointF(middle, neck));
    body.cubicTo(middle + bulge * 0.7, neck, middle + bulge, waist, middle + halfBase, base);
    body.lineTo(middle - halfBase, base);
    body.cubicTo(middle - bulge, waist, middle - bulge * 0.7, neck, middle, neck);
    body.closeSubpath();
    return body;
}

// The little "w" of a muzzle: two curves from the corners, left and its mirror
// image, sagging by sag, meeting at middle under the nose.
void drawMouth(QPainter& p, QPointF left, QPointF middle, qreal sag, const QPen& line)
{
    const QPointF right(kGrid - left.x(), left.y());
    QPainterPath mouth(left);
    mouth.quadTo((left + middle) / 2 + QPointF(0, sag), middle);
    mouth.quadTo((middle + right) / 2 + QPointF(0, sag), right);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

// --- The dog ---------------------------------------------------------------------

const QColor kDogInk(0x3a, 0x1c, 0x0c);
const QColor kDogCoat(0xc2, 0x74, 0x34), kDogEar(0x74, 0x3c, 0x1a), kDogCream(0xf6, 0xdc, 0xb0);

QPainterPath dogEar()
{
    // A floppy ear hanging from the top of the head down beside the cheek.
    QPainterPath ear(QPointF(33, 14));
    ear.cubicTo(22, 12, 12, 24, 11, 40);
    ear.cubicTo(10, 50, 16, 56, 22, 54);
    ear.cubicTo(28, 52, 30, 40, 36, 24);
    ear.closeSubpath();
    return ear;
}

void paintDog(QPainter& p, const QColor& collar)
{
    QPainterPath tail(QPointF(66, 84));
    tail.cubicTo(80, 86, 88, 74, 88, 60);
    tail.cubicTo(88, 56, 83, 55, 82, 60);
    tail.cubicTo(81, 70, 76, 76, 64, 76);
    tail.closeSubpath();

    const QPainterPath body = sittingBody(52, 94, 22, 23);
    const QPainterPath hindLeft = ellipse(QPointF(30, 88), 10, 8);
    const QPainterPath hindRight = mirrored(hindLeft);
    QPainterPath pawLeft;
    pawLeft.addRoundedRect(QRectF(37, 70, 11, 27), 5.5, 5.5);
    const QPainterPath pawRight = mirrored(pawLeft);
    const QPainterPath head = ellipse(QPointF(50, 33), 25, 22.5);
    const QPainterPath earLeft = dogEar(), earRight = mirrored(earLeft);

    paintFigure(p,
                {{tail, kDogCoat},
                 {hindLeft, kDogCoat},
                 {hindRight, kDogCoat},
                 {body, kDogCoat},
                 {pawLeft, kDogCream},
                 {pawRight, kDogCream},
                 {head, kDogCoat},
                 {earLeft, kDogEar},
                 {earRight, kDogEar}},
                kDogInk, kOutline, kLine);

    // The cream bib on the chest and the toes of the front paws.
    p.setPen(Qt::NoPen);
    p.setBrush(kDogCream);
    p.drawEllipse(QPointF(50, 64), 9, 8);
    p.setPen(pen(kDogInk, 1.4));
    for (const qreal x : {40.7, 44.3, 51.7, 55.3})
        p.drawLine(QPointF(x, 92), QPointF(x, 96));

    // A darker patch round one eye makes him a character.
    p.setPen(Qt::NoPen);
    p.setBrush(kDogEar.lighter(118));
    p.drawEllipse(QPointF(59.5, 28), 8.5, 8);

    // The muzzle, nose and a happy open mouth with the tongue out.
    QPainterPath muzzle = ellipse(QPointF(44, 42), 9.5, 8).united(ellipse(QPointF(56, 42), 9.5, 8));
    p.setPen(pen(kDogInk, 1.6));
    p.setBrush(rounded(muzzle, kDogCream));
    p.drawPath(muzzle);
    QPainterPath tongue(QPointF(45.5, 46.5));
    tongue.cubicTo(45, 55, 55, 55, 54.5, 46.5);
    tongue.closeSubpath();
    p.setBrush(QColor(0xf2, 0x5c, 0x78));
    p.drawPath(tongue);
    p.setPen(pen(kDogInk.lighter(200), 1));
    p.drawLine(QPointF(50, 48), QPointF(50, 52));
    drawMouth(p, QPointF(41, 44.5), QPointF(50, 44.5), 4.5, pen(kDogInk, 1.6));
    QPainterPath nose(QPointF(44, 36));
    nose.cubicTo(44, 33, 56, 33, 56, 36);
    nose.cubicTo(56, 40, 52, 42, 50, 42);
    nose.cubicTo(48, 42, 44, 40, 44, 36);
    p.setPen(Qt::NoPen);
    p.setBrush(kDogInk);
    p.drawPath(nose);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(47.5, 35.3), 2.2, 1.1);

    eye(p, QPointF(41, 27.5), 3.6, 4.4, kDogInk);
    eye(p, QPointF(59, 27.5), 3.6, 4.4, kDogInk);
    p.setPen(pen(kDogInk, 1.5));
    p.drawLine(QPointF(37, 20.5), QPointF(44, 19.5));
    p.drawLine(QPointF(56, 19.5), QPointF(63, 20.5));

    // The collar in the contestant's colour, with a gold tag.
    QPainterPath band(QPointF(34, 53));
    band.quadTo(50, 60, 66, 53);
    p.setPen(pen(kDogInk, 7.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(band);
    p.setPen(pen(collar, 5));
    p.drawPath(band);
    p.setPen(pen(collar.lighter(150), 1.4));
    p.drawPath(band.translated(0, -1.3));
    p.setPen(pen(kDogInk, 1.4));
    QRadialGradient tag(QPointF(49, 60), 5);
    tag.setColorAt(0, QColor(0xff, 0xf0, 0xa0));
    tag.setColorAt(1, QColor(0xd8, 0x9a, 0x20));
    p.setBrush(tag);
    p.drawEllipse(QPointF(50, 61), 3.6, 3.6);
}

// --- The rabbit ------------------------------------------------------------------

const QColor kRabbitInk(0x2e, 0x2a, 0x3c);
const QColor kRabbitFur(0xe8, 0xe8, 0xee), kRabbitWhite(0xff, 0xff, 0xff), kRabbitPink(0xff, 0x9c, 0xb8);

QPainterPath rabbitEar()
{
    // A tall ear, leaning a little outwards.
    QPainterPath ear(QPointF(40, 30));
    ear.cubicTo(30, 22, 27, 6, 32, 2.5);
    ear.cubicTo(38, -1, 46, 10, 47, 29);
    ear.closeSubpath();
    return ear;
}

QPainterPath rabbitEarInside()
{
    QPainterPath inside(QPointF(41, 27));
    inside.cubicTo(35, 20, 33, 9, 35, 7);
    inside.cubicTo(38, 5, 43, 14, 43.5, 27);
    inside.closeSubpath();
    return inside;
}

void paintRabbit(QPainter& p, const QColor& bow)
{
    const QPainterPath earLeft = rabbitEar(), earRight = mirrored(earLeft);
    const QPainterPath tail = ellipse(QPointF(74, 84), 8, 7.5);
    const QPainterPath body = sittingBody(56, 93, 19, 21);
    const QPainterPath footLeft = ellipse(QPointF(35, 93), 10.5, 5.5);
    const QPainterPath footRight = mirrored(footLeft);
    const QPainterPath pawLeft = ellipse(QPointF(43, 76), 5, 6.5);
    const QPainterPath pawRight = mirrored(pawLeft);
    const QPainterPath head = ellipse(QPointF(50, 42), 21, 18.5)
                                  .united(ellipse(QPointF(39, 49), 11, 9))
                                  .united(ellipse(QPointF(61, 49), 11, 9));

    paintFigure(p,
                {{earLeft, kRabbitFur},
                 {earRight, kRabbitFur},
                 {tail, kRabbitWhite},
                 {body, kRabbitFur},
                 {footLeft, kRabbitWhite},
                 {footRight, kRabbitWhite},
                 {pawLeft, kRabbitWhite},
                 {pawRight, kRabbitWhite},
                 {head, kRabbitFur}},
                kRabbitInk, kOutline, kLine);

    // Pink inside the ears, a white belly, white cheeks round the muzzle.
    p.setPen(Qt::NoPen);
    for (const QPainterPath& inside : {rabbitEarInside(), mirrored(rabbitEarInside())}) {
        QLinearGradient pink(QPointF(0, 5), QPointF(0, 28));
        pink.setColorAt(0, kRabbitPink.lighter(115));
        pink.setColorAt(1, kRabbitPink.darker(112));
        p.setBrush(pink);
        p.drawPath(inside);
    }
    p.setBrush(kRabbitWhite);
    p.drawEllipse(QPointF(50, 78), 10, 11);
    p.drawEllipse(QPointF(44.5, 51), 7, 5.5);
    p.drawEllipse(QPointF(55.5, 51), 7, 5.5);
    p.setBrush(QColor(0xff, 0xb4, 0xc8, 150));
    p.drawEllipse(QPointF(35, 49), 4.5, 3);
    p.drawEllipse(QPointF(65, 49), 4.5, 3);
    p.setPen(pen(kRabbitInk, 1.3));
    for (const qreal x : {31.0, 35.0, 65.0, 69.0})
        p.drawLine(QPointF(x, 93), QPointF(x, 97));

    eye(p, QPointF(42, 40), 3.6, 4.6, kRabbitInk);
    eye(p, QPointF(58, 40), 3.6, 4.6, kRabbitInk);

    // Nose, the two front teeth and the whiskers.
    QPainterPath teeth;
    teeth.addRoundedRect(QRectF(46.6, 52.5, 6.8, 5.5), 1.2, 1.2);
    p.setPen(pen(kRabbitInk, 1.2));
    p.setBrush(kRabbitWhite);
    p.drawPath(teeth);
    p.drawLine(QPointF(50, 52.8), QPointF(50, 57.6));
    drawMouth(p, QPointF(44.5, 51.5), QPointF(50, 50.5), 2.5, pen(kRabbitInk, 1.5));
    QPainterPath nose(QPointF(46.5, 46));
    nose.lineTo(53.5, 46);
    nose.quadTo(53.5, 48, 50, 50);
    nose.quadTo(46.5, 48, 46.5, 46);
    p.setPen(pen(kRabbitInk, 1.2));
    p.setBrush(QColor(0xf4, 0x6e, 0x96));
    p.drawPath(nose);
    p.setPen(pen(QColor(0x7a, 0x76, 0x88), 0.9));
    for (const int side : {-1, 1}) {
        p.drawLine(QPointF(50 + side * 11, 50), QPointF(50 + side * 22, 47.5));
        p.drawLine(QPointF(50 + side * 11, 52), QPointF(50 + side * 22, 53));
    }

    // The bow tie in the contestant's colour.
    QPainterPath wings(QPointF(50, 61.5));
    wings.lineTo(40, 56.5);
    wings.quadTo(38.5, 61.5, 40, 66.5);
    wings.closeSubpath();
    wings = wings.united(mirrored(wings));
    p.setPen(pen(kRabbitInk, 1.6));
    p.setBrush(rounded(wings, bow));
    p.drawPath(wings);
    p.setBrush(bow.darker(125));
    p.drawEllipse(QPointF(50, 61.5), 3, 3.2);
}

QImage paintAnimale(const PaintRequest& request)
{
    const bool rabbit = request.text(QStringLiteral("animale")).trimmed().toLower() == u"coniglio";
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kGrid, request.size.height() / kGrid);
    const QColor colour = board::contestantColour(request.edition, rabbit ? 2 : 1);
    if (rabbit)
        paintRabbit(p, colour);
    else
        paintDog(p, colour);
    p.end();
    // The grounds differ from duel to duel; the outline is what every edge meets.
    board::settleEdges(image, rabbit ? kRabbitInk : kDogInk);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("animale", assetgen::paintAnimale)
