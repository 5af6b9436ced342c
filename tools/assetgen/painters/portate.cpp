// The five courses in a row, one cell each: the pictures the board lays on the
// serving trays when a course is won. Each course stands on its plate on a soft
// neutral ground, which reads on the light and on the dark boards alike.
//
// Parameters: ordine (the courses left to right, comma separated; default
// primo,secondo,formaggio,dolce,frutta).

#include "painters/coursekit.h"
#include "painters/painter.h"

#include <QPainter>

namespace assetgen {

namespace {

QImage paintPortate(const PaintRequest& request)
{
    QList<kit::Course> order;
    const QString names = request.text(QStringLiteral("ordine"), QStringLiteral("primo,secondo,formaggio,dolce,frutta"));
    for (const QString& name : names.split(u',', Qt::SkipEmptyParts)) {
        if (const auto course = kit::courseFromName(name))
            order << *course;
    }
    if (order.isEmpty())
        order << kit::Course::Primo;

    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(kit::courseGround());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal cell = qreal(request.size.width()) / order.size();
    for (qsizetype i = 0; i < order.size(); ++i) {
        const QRectF box(cell * i, 0, cell, request.size.height());
        kit::drawCourseGround(p, box);
        // A little margin keeps the plate's shadow inside its own cell.
        kit::drawCourse(p, order[i], box.adjusted(box.width() * 0.03, box.height() * 0.02, -box.width() * 0.03, 0));
    }
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("portate", assetgen::paintPortate)
