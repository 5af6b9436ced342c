#pragma once

// Shared elements of the studio look: the editions' palettes, lights, the wheel, the
// lunch table and the playful lettering. Painters combine them; keeping them here
// keeps every picture of one edition in the same colours.

#include <QColor>
#include <QFont>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <array>

namespace assetgen::kit {

struct EditionLook {
    QColor deep;     // darkest backdrop colour, top of the wall
    QColor wall;     // back wall
    QColor glow;     // warm stage light
    QColor accent;   // ribbons, trims
    QColor accent2;  // second trim colour
    QColor gold;     // frames, rims, bulbs
    QColor titleTop, titleBottom, titleOutline;
    QColor floorNear, floorFar;
    // The scoreboard names are white in the first look group and black in the second:
    // the panel behind them follows.
    bool lightScoreboard = false;
};

// ZOLMER90 (1) and ZOLMER91 (3) share one look group, SERO92 (2) and ZOLMER93 (4) the other.
EditionLook editionLook(int edition);
// The same studio for the final questions: the house lights down, the walls
// deep in night blue, the stage lit in gold.
EditionLook finalLook(const EditionLook& look);
bool secondLookGroup(int edition);

// The five courses' colours, in menu order: primo, secondo, formaggio, frutta, dolce.
std::array<QColor, 5> courseColours();

QColor mix(const QColor& a, const QColor& b, qreal t);
QColor alpha(const QColor& colour, int alpha);

// A face for text drawn as outlines (see below), at a whole pixel size.
QFont outlineFont(const QString& family, qreal pixelSize, bool bold = true);
// Comic Neue when installed (the game's playful face), else DejaVu Sans.
QFont playfulFont(qreal pixelSize, bool bold = true);

void fillVertical(QPainter& p, const QRectF& rect, const QColor& top, const QColor& bottom);
void drawGlow(QPainter& p, QPointF centre, qreal radius, const QColor& colour);
void drawGlow(QPainter& p, const QRectF& ellipse, const QColor& colour);
// A light beam from a lamp at apex to a pool of light around target.
void drawBeam(QPainter& p, QPointF apex, QPointF target, qreal apexWidth, qreal targetWidth, const QColor& colour);
void drawBulb(QPainter& p, QPointF centre, qreal radius, const QColor& colour);
// The lighting rig across the top of a studio: a zigzag lattice of the given
// step between two metal rails, on a dark band.
void drawTruss(QPainter& p, qreal width, qreal height, qreal step, qreal penWidth, const QColor& band);
void drawBulbRow(QPainter& p, QPointF from, QPointF to, int count, qreal radius, const QList<QColor>& colours);
void drawSparkle(QPainter& p, QPointF centre, qreal radius, const QColor& colour);
// The fan of rays a stage light throws on the wall: count wedges reaching reach from
// centre, each a quarter of the turn from one to the next.
void drawRays(QPainter& p, QPointF centre, qreal reach, int count, const QColor& colour);
// The studio floor, dimmer and nearer the wall's colour far away.
void fillStageFloor(QPainter& p, const QRectF& rect, const EditionLook& look);
// Three rings of light on the floor round centre: the outermost with the radii
// outer, each next one step smaller and penStep thinner; the middle one gold.
void drawFloorRings(QPainter& p, QPointF centre, QSizeF outer, QSizeF step, qreal penWidth, qreal penStep,
                    const EditionLook& look);
// Darkens area towards its edges: clear out to clear (a fraction of radius) from
// centre, then down to darkness (an alpha) at radius.
void drawVignette(QPainter& p, const QRectF& area, QPointF centre, qreal radius, qreal clear, int darkness);
// A gold frame lit from above, with a dark edge; what it frames is drawn over it.
void drawGoldFrame(QPainter& p, const QRectF& rect, const EditionLook& look, qreal corner);

// The round frame on the studio's wall, lit at its edge: a glow round it, the inside
// shaded from inner at the centre through outer to the wall colour at the rim, a dark
// gold rim with a fine light ring inside it, and bulbs along the rim.
struct Portal {
    qreal glowReach;  // how far the glow spreads past the rim
    QColor inner, outer;
    qreal rimWidth, ringWidth, ringInset;
    // bulbs + 1 bulbs, from arcStart round arcSpan, in half turns clockwise from the
    // right (1 to 2 is the top half); they alternate bulbLight and the look's glow.
    int bulbs;
    qreal arcStart, arcSpan;
    qreal bulbRadius;
    QColor bulbLight;
};
void drawPortal(QPainter& p, QPointF centre, qreal radius, const EditionLook& look, const Portal& portal);
// A pile of count gold coins standing on base, each radius wide from its middle.
void drawCoinStack(QPainter& p, QPointF base, int count, qreal radius, const QColor& gold);

// The wheel of fortune seen from the front: course-coloured slices, a gold rim with bulbs.
void drawWheel(QPainter& p, QPointF centre, qreal radius, const EditionLook& look, int slices);

// Lunch: a plate seen at a low angle (ellipse), pasta on it when full is set.
void drawPlate(QPainter& p, const QRectF& ellipse, const EditionLook& look, bool full);
void drawFork(QPainter& p, QPointF handleEnd, QPointF tip, qreal width);
void drawKnife(QPainter& p, QPointF handleEnd, QPointF tip, qreal width);
// A gingham tablecloth on the quad (top-left, top-right, bottom-right, bottom-left).
void drawTablecloth(QPainter& p, const std::array<QPointF, 4>& quad, const QColor& check, int columns, int rows);

// Text is always drawn as outlines, never with QPainter::drawText: FreeType's faces
// are shared, and raster text leaves them in a state that shifts the outlines of
// text drawn after it, so a picture would change with what was drawn before it.

// The outline of a line of text centred in rect.
QPainterPath centredText(const QString& text, const QFont& font, const QRectF& rect);
// The outline of a line of text with its left end at x and its baseline at y.
QPainterPath textAt(const QString& text, const QFont& font, qreal x, qreal y);
// Text laid out letter by letter with a bounce and alternating tilt, centred on
// the baseline point given.
QPainterPath bouncyText(const QString& text, const QFont& font, QPointF baselineCentre, qreal bounce, qreal tiltDegrees);
// Shadow, dark outline and a top-to-bottom gradient fill.
void drawTitle(QPainter& p, const QPainterPath& path, const EditionLook& look, qreal outline);
// A ribbon banner with folded ends and a centred caption.
void drawRibbon(QPainter& p, const QRectF& rect, const QColor& colour, const QString& caption, const QFont& font);

}  // namespace assetgen::kit
