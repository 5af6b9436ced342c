#pragma once

// Christmas dressing for any studio picture: snow, garlands with lights, baubles,
// a tree. Every random choice comes from the seed given, so a picture is the same
// on every build.

#include <QColor>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include "painters/studiokit.h"

namespace assetgen::kit {

// Falling snow over rect; flakes grow towards the bottom as if nearer.
void drawSnowfall(QPainter& p, const QRectF& rect, int flakes, quint32 seed);
// A bank of snow whose top edge waves across the band and whose bottom fills it.
void drawSnowDrift(QPainter& p, const QRectF& band, quint32 seed);
// Snow lying on top of a ledge from left to right at height y, about thickness deep.
void drawSnowCap(QPainter& p, qreal left, qreal right, qreal y, qreal thickness, quint32 seed);

// A fir garland hanging from `from` to `to`, sagging by `sag` in the middle. Returns
// the garland's centre line, for lights to follow.
QPainterPath drawGarland(QPainter& p, QPointF from, QPointF to, qreal sag, qreal thickness, quint32 seed);
// Small bulbs spaced along a path, in the warm Christmas colours.
void drawFairyLights(QPainter& p, const QPainterPath& path, qreal spacing, qreal radius);
void drawBauble(QPainter& p, QPointF centre, qreal radius, const QColor& colour);
// A sprig of holly: two or three spiky leaves fanned from centre, red berries on top.
// angle turns the whole sprig (degrees, clockwise).
void drawHolly(QPainter& p, QPointF centre, qreal size, qreal angle);
// A decorated fir standing on the bottom of bounds.
void drawChristmasTree(QPainter& p, const QRectF& bounds, const EditionLook& look, quint32 seed);

}  // namespace assetgen::kit
