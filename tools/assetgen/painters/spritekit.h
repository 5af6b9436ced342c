#pragma once

// What the sprites of the later action duels share: figures and props drawn as
// bold shapes with a dark outline, lit from the upper left, so they read at the
// 40-odd pixels a play area shows them at, on whatever ground lies under them.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QSize>

#include <vector>

namespace assetgen::sprite {

// A pen with round caps and joins: strokes that end soft at any size.
QPen pen(const QColor& colour, qreal width);
QPainterPath ellipse(QPointF centre, qreal rx, qreal ry);
// Light from the upper left: bright there, the colour in the middle, a shade at
// the far side of path's box.
QRadialGradient rounded(const QPainterPath& path, const QColor& colour);

// A figure is painted in two passes: the union of its parts under a bold outline
// first, so it reads as one shape on any ground, then each part filled, with a
// thinner line of its own.
struct Part {
    QPainterPath path;
    QColor colour;
};
void paintFigure(QPainter& p, const std::vector<Part>& parts, const QColor& ink, qreal outline, qreal line);

// A clear picture of size with a painter on it, scaled so that the picture is
// grid units wide; antialiased.
QImage clearCanvas(QSize size);
void enterGrid(QPainter& p, QSize size, qreal grid);

}  // namespace assetgen::sprite
