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
// Text laid out letter by letter with a bounce and alternating tilt, centred on
// the baseline point given.
QPainterPath bouncyText(const QString& text, const QFont& font, QPointF baselineCentre, qreal bounce, qreal tiltDegrees);
// Shadow, dark outline and a top-to-bottom gradient fill.
void drawTitle(QPainter& p, const QPainterPath& path, const EditionLook& look, qreal outline);
// A ribbon banner with folded ends and a centred caption.
void drawRibbon(QPainter& p, const QRectF& rect, const QColor& colour, const QString& caption, const QFont& font);

}  // namespace assetgen::kit
