#pragma once

// The lunch the contestants play for: the five courses' pictures, the wheel's jolly
// and "dieta", the chef's hats and the covered dishes. The wheel, the course strip,
// the serving trays and the menu card all draw the courses from here, so a course
// looks the same wherever it appears, in every edition.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <optional>

namespace assetgen::kit {

enum class Course { Primo, Secondo, Formaggio, Dolce, Frutta };

// "primo", "secondo", "formaggio", "dolce", "frutta" (any case); nothing for others.
std::optional<Course> courseFromName(const QString& name);
// The course's name as the menu writes it: "Primo", "Secondo"...
QString courseTitle(Course course);

// Every picture below is laid out on a 96 x 64 grid (a plate seen at a low angle,
// with the food standing on it) and fitted, centred and unstretched, into box.
void drawCourse(QPainter& p, Course course, const QRectF& box);
// The same plate with nothing on it: an empty place on the trays, "dieta" on the wheel.
void drawEmptyPlate(QPainter& p, const QRectF& box);
// The big gold star with a J: the wheel's jolly.
void drawJollyStar(QPainter& p, const QRectF& box);

// The soft neutral ground the course pictures stand on, light enough for dark
// names and dark enough that white plates still show.
QColor courseGround();
void drawCourseGround(QPainter& p, const QRectF& rect);

// A chef's hat, upright, filling box: white, or gold with a star.
void drawChefHat(QPainter& p, const QRectF& box, bool golden);

// A leaf from base to tip, bulging width to both sides of its midrib.
QPainterPath leafPath(QPointF base, QPointF tip, qreal width);

// A five-pointed star centred at centre.
QPainterPath starOutline(QPointF centre, qreal outer, qreal inner, int points = 5);

// A silver dish cover on its plate, filling box (square), with a coloured band at
// its foot and the number on the dome. band invalid: no band and no number.
void drawCloche(QPainter& p, const QRectF& box, const QColor& band, int number);
// The plate a cover stands on, alone: what an emptied place shows.
void drawClochePlate(QPainter& p, const QRectF& box);

}  // namespace assetgen::kit
