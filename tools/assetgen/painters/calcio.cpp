// The football of CALCI DI RIGORE: the goal across the top of the green pitch and
// the ball. The goal is seen from the penalty spot, a little from above: the white
// posts and crossbar in front, the net's roof above the crossbar and its back and
// sides in the shade behind the mouth, where the pitch shows through. The ground
// inside the goal and the corners above it are left clear, so the pitch's own green
// runs under the goal line. The net's back stays are in the edition's accent.
// The ball is the classic one of black pentagons on white.
//
// Painters: porta (no parameters), pallone (no parameters).

#include "painters/boardkit.h"
#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace assetgen {

namespace {

using namespace kit;

// The pitch, where both pictures lie.
const QColor kPitch(0x00, 0xc0, 0x00);

// --- The goal, on a 1012 x 184 grid ------------------------------------------------

constexpr qreal kGoalWidth = 1012, kGoalHeight = 184;
constexpr qreal kPost = 13;                     // the posts' and crossbar's thickness
constexpr qreal kFrontLeft = 10, kFrontRight = kGoalWidth - 10;
constexpr qreal kCrossbar = 30, kGoalLine = 176;
constexpr qreal kBackLeft = 48, kBackRight = kGoalWidth - 48;
constexpr qreal kBackTop = 5, kBackGround = 98;

// Lays a net over area: the shade behind it, then the mesh, both clipped to area.
void paintNet(QPainter& p, const QPainterPath& area, const QColor& shade, qreal mesh)
{
    p.save();
    p.setClipPath(area);
    p.fillPath(area, shade);
    p.setPen(QPen(QColor(0xf4, 0xf8, 0xf4), 1.3));
    const QRectF box = area.boundingRect();
    for (qreal d = -box.height(); d < box.width() + box.height(); d += mesh) {
        p.drawLine(QPointF(box.left() + d, box.top()), QPointF(box.left() + d - box.height(), box.bottom()));
        p.drawLine(QPointF(box.left() + d, box.top()), QPointF(box.left() + d + box.height(), box.bottom()));
    }
    p.restore();
}

QPainterPath quad(QPointF a, QPointF b, QPointF c, QPointF d)
{
    QPainterPath path(a);
    path.lineTo(b);
    path.lineTo(c);
    path.lineTo(d);
    path.closeSubpath();
    return path;
}

// A white tube lit from the left or from above.
void paintBar(QPainter& p, const QRectF& bar, bool upright)
{
    QLinearGradient tube(bar.topLeft(), upright ? bar.topRight() : bar.bottomLeft());
    tube.setColorAt(0, QColor(0xc8, 0xcc, 0xd4));
    tube.setColorAt(0.3, Qt::white);
    tube.setColorAt(0.7, QColor(0xec, 0xee, 0xf2));
    tube.setColorAt(1, QColor(0x9a, 0xa0, 0xac));
    p.setPen(QPen(QColor(0x50, 0x56, 0x60), 1.4));
    p.setBrush(tube);
    p.drawRoundedRect(bar, kPost / 2.5, kPost / 2.5);
}

QImage paintPorta(const PaintRequest& request)
{
    const EditionLook look = editionLook(request.edition);
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kGoalWidth, request.size.height() / kGoalHeight);

    const qreal leftPost = kFrontLeft + kPost / 2, rightPost = kFrontRight - kPost / 2;
    const qreal bar = kCrossbar + kPost / 2;
    const QColor deep = kPitch.darker(175), shade = kPitch.darker(140);

    // The net's shade on the grass inside the goal, fading into the pitch.
    QLinearGradient ground(QPointF(0, kBackGround), QPointF(0, kBackGround + 34));
    ground.setColorAt(0, kPitch.darker(125));
    ground.setColorAt(1, kPitch);
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawPath(quad(QPointF(kBackLeft, kBackGround), QPointF(kBackRight, kBackGround),
                    QPointF(kBackRight + 8, kBackGround + 34), QPointF(kBackLeft - 8, kBackGround + 34)));

    // The net: its back in the deepest shade, the sides a little lighter, the roof
    // lit from above.
    paintNet(p, quad(QPointF(kBackLeft, kBackTop), QPointF(kBackRight, kBackTop), QPointF(kBackRight, kBackGround),
                     QPointF(kBackLeft, kBackGround)),
             deep, 11);
    paintNet(p, quad(QPointF(leftPost, bar), QPointF(kBackLeft, kBackTop), QPointF(kBackLeft, kBackGround),
                     QPointF(leftPost, kGoalLine)),
             shade, 11);
    paintNet(p, quad(QPointF(rightPost, bar), QPointF(kBackRight, kBackTop), QPointF(kBackRight, kBackGround),
                     QPointF(rightPost, kGoalLine)),
             shade, 11);
    paintNet(p, quad(QPointF(leftPost, bar), QPointF(kBackLeft, kBackTop), QPointF(kBackRight, kBackTop),
                     QPointF(rightPost, bar)),
             kPitch.darker(120), 11);

    // The stays that hold the net up at the back, tinted with the edition's accent.
    const QColor stay = mix(look.accent, QColor(0xe8, 0xea, 0xee), 0.55);
    p.setPen(QPen(stay, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(kBackLeft, kBackTop), QPointF(kBackRight, kBackTop));
    p.drawLine(QPointF(kBackLeft, kBackTop), QPointF(kBackLeft, kBackGround));
    p.drawLine(QPointF(kBackRight, kBackTop), QPointF(kBackRight, kBackGround));

    // The goal line, then the frame: the posts stand on the line, the crossbar over them.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xfa, 0xfc, 0xfa));
    p.drawRect(QRectF(0, kGoalLine - 2, kGoalWidth, 6));
    for (const qreal x : {kFrontLeft, kFrontRight - kPost})
        paintBar(p, QRectF(x, kCrossbar, kPost, kGoalLine + 2 - kCrossbar), true);
    paintBar(p, QRectF(kFrontLeft, kCrossbar, kFrontRight - kFrontLeft, kPost), false);
    p.end();
    board::settleEdges(image, kPitch);
    return image;
}

// --- The ball, on a 100 x 100 grid --------------------------------------------------

constexpr qreal kBallGrid = 100;
const QPointF kBallCentre(50, 50);
constexpr qreal kBallRadius = 45;

struct Vec {
    qreal x, y, z;
    Vec operator+(const Vec& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec operator*(qreal k) const { return {x * k, y * k, z * k}; }
    qreal length() const { return std::sqrt(x * x + y * y + z * z); }
    Vec unit() const { return *this * (1 / length()); }
};

// A point of the ball's surface seen from the front: points on the far side are
// pushed to the rim, so a patch that turns away is squeezed against the outline.
QPointF onBall(const Vec& v)
{
    const Vec u = v.unit();
    QPointF flat(u.x, u.y);
    if (u.z < 0)
        flat /= std::hypot(u.x, u.y);
    return kBallCentre + flat * kBallRadius;
}

// The classic ball is a truncated icosahedron: each corner of an icosahedron cut
// off to a pentagon, at a third of each edge, leaving a hexagon of each face.
struct Ball {
    std::vector<Vec> corners;
    std::vector<std::pair<int, int>> edges;
};

Ball icosahedron()
{
    constexpr qreal phi = std::numbers::phi;
    Ball ball;
    for (const qreal a : {-1.0, 1.0})
        for (const qreal b : {-phi, phi}) {
            ball.corners.push_back({0, a, b});
            ball.corners.push_back({a, b, 0});
            ball.corners.push_back({b, 0, a});
        }
    for (int i = 0; i < int(ball.corners.size()); ++i)
        for (int j = i + 1; j < int(ball.corners.size()); ++j) {
            const Vec d = ball.corners[i] + ball.corners[j] * -1;
            if (std::abs(d.length() - 2) < 1e-6)
                ball.edges.emplace_back(i, j);
        }
    return ball;
}

// Turns the ball so that a pentagon faces us a little off centre.
Vec turned(const Vec& v)
{
    const qreal tilt = 0.5, spin = -0.35;
    const Vec a{v.x, v.y * std::cos(tilt) - v.z * std::sin(tilt), v.y * std::sin(tilt) + v.z * std::cos(tilt)};
    return {a.x * std::cos(spin) + a.z * std::sin(spin), a.y, -a.x * std::sin(spin) + a.z * std::cos(spin)};
}

// The seam from a to b, bulged out onto the ball; only what faces us.
void seam(QPainter& p, const Vec& a, const Vec& b)
{
    constexpr int kSteps = 8;
    for (int i = 0; i < kSteps; ++i) {
        const Vec from = a * (1 - qreal(i) / kSteps) + b * (qreal(i) / kSteps);
        const Vec to = a * (1 - qreal(i + 1) / kSteps) + b * (qreal(i + 1) / kSteps);
        if (from.unit().z > 0 && to.unit().z > 0)
            p.drawLine(onBall(from), onBall(to));
    }
}

QImage paintPallone(const PaintRequest& request)
{
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kBallGrid, request.size.height() / kBallGrid);

    const QColor ink(0x1e, 0x20, 0x26);
    QPainterPath outline;
    outline.addEllipse(kBallCentre, kBallRadius, kBallRadius);
    QRadialGradient leather(kBallCentre - QPointF(16, 18), kBallRadius * 1.6);
    leather.setColorAt(0, Qt::white);
    leather.setColorAt(0.55, QColor(0xee, 0xf0, 0xf4));
    leather.setColorAt(1, QColor(0x9c, 0xa2, 0xb0));
    p.fillPath(outline, leather);

    Ball ball = icosahedron();
    for (Vec& corner : ball.corners)
        corner = turned(corner);
    const auto third = [&](int from, int to) {
        return ball.corners[from] * (2.0 / 3) + ball.corners[to] * (1.0 / 3);
    };
    p.save();
    p.setClipPath(outline);
    // The black pentagons, one round each corner of the icosahedron.
    for (int c = 0; c < int(ball.corners.size()); ++c) {
        std::vector<Vec> ring;
        for (const auto& [i, j] : ball.edges)
            if (i == c || j == c)
                ring.push_back(third(c, i == c ? j : i));
        // Put the five cut points in order round the corner.
        const Vec centre = ball.corners[c];
        const Vec seed = ring.front() + centre * -1;
        const Vec side{centre.y * seed.z - centre.z * seed.y, centre.z * seed.x - centre.x * seed.z,
                       centre.x * seed.y - centre.y * seed.x};
        std::sort(ring.begin(), ring.end(), [&](const Vec& a, const Vec& b) {
            const auto angle = [&](const Vec& v) {
                const Vec d = v + centre * -1;
                return std::atan2(d.x * side.x + d.y * side.y + d.z * side.z,
                                  d.x * seed.x + d.y * seed.y + d.z * seed.z);
            };
            return angle(a) < angle(b);
        });
        if (centre.unit().z < -0.45)
            continue;
        QPolygonF patch;
        for (int k = 0; k < 5; ++k) {
            const Vec& a = ring[k];
            const Vec& b = ring[(k + 1) % 5];
            for (int s = 0; s < 4; ++s)
                patch << onBall(a * (1 - s / 4.0) + b * (s / 4.0));
        }
        QRadialGradient shade(kBallCentre - QPointF(12, 14), kBallRadius * 1.5);
        shade.setColorAt(0, QColor(0x4e, 0x52, 0x5e));
        shade.setColorAt(1, ink);
        p.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(shade);
        p.drawPolygon(patch);
    }
    // The seams between the white hexagons, along the icosahedron's edges.
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (const auto& [i, j] : ball.edges)
        seam(p, third(i, j), third(j, i));
    p.restore();

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(kBallCentre - QPointF(17, 22), 10, 5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 4));
    p.drawPath(outline);
    p.end();
    board::settleEdges(image, kPitch);
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("porta", assetgen::paintPorta)
ZOLMERA_PAINTER("pallone", assetgen::paintPallone)
