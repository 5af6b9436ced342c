// The clock of PERCORSO MINATO: a digital timer's panel whose seconds the window
// writes in LED figures over its middle. The panel is a rounded case with a screw
// at each corner round a wide, near-black display, so red or green figures glow on
// it whatever their size; the glass only catches a faint light along its top edge.
// The case takes the edition's accent colour and its rim the edition's gold.
//
// No parameters.

#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace assetgen {

namespace {

using namespace kit;

constexpr qreal kWidth = 160, kHeight = 120;

void screw(QPainter& p, QPointF centre)
{
    QRadialGradient head(centre - QPointF(1.2, 1.2), 4.5);
    head.setColorAt(0, QColor(0xf4, 0xf4, 0xf6));
    head.setColorAt(1, QColor(0x7a, 0x7e, 0x88));
    p.setPen(QPen(QColor(0x30, 0x32, 0x3a), 0.8));
    p.setBrush(head);
    p.drawEllipse(centre, 3.4, 3.4);
    p.setPen(QPen(QColor(0x40, 0x42, 0x4a), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-2, 2), centre + QPointF(2, -2));
}

QImage paintOrologio(const PaintRequest& request)
{
    const EditionLook look = editionLook(request.edition);
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    // The picture is square-cornered: the corners outside the case are its rim.
    image.fill(look.gold.darker(140));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kWidth, request.size.height() / kHeight);

    // The case: the accent colour lit from above, its gold rim.
    const QRectF caseBox(1.5, 1.5, kWidth - 3, kHeight - 3);
    QLinearGradient body(caseBox.topLeft(), caseBox.bottomLeft());
    body.setColorAt(0, look.accent.lighter(140));
    body.setColorAt(0.5, look.accent);
    body.setColorAt(1, look.accent.darker(160));
    p.setPen(QPen(look.gold, 3));
    p.setBrush(body);
    p.drawRoundedRect(caseBox, 7, 7);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(caseBox.adjusted(3, 3, -3, -3), 5, 5);
    for (const QPointF at : {QPointF(9, 9), QPointF(kWidth - 9, 9), QPointF(9, kHeight - 9),
                             QPointF(kWidth - 9, kHeight - 9)})
        screw(p, at);

    // The display, sunk into the case: a dark bevel, then the glass.
    const QRectF display(16, 14, kWidth - 32, kHeight - 28);
    QLinearGradient bevel(display.topLeft(), display.bottomLeft());
    bevel.setColorAt(0, QColor(0, 0, 0, 170));
    bevel.setColorAt(1, QColor(255, 255, 255, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(bevel);
    p.drawRoundedRect(display.adjusted(-3, -3, 3, 3), 8, 8);
    QLinearGradient glass(display.topLeft(), display.bottomLeft());
    glass.setColorAt(0, QColor(0x1c, 0x1e, 0x20));
    glass.setColorAt(0.2, QColor(0x0c, 0x0d, 0x0e));
    glass.setColorAt(1, QColor(0x06, 0x07, 0x08));
    p.setBrush(glass);
    p.drawRoundedRect(display, 6, 6);
    QLinearGradient gleam(display.topLeft(), display.topLeft() + QPointF(0, 14));
    gleam.setColorAt(0, QColor(255, 255, 255, 40));
    gleam.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gleam);
    p.drawRoundedRect(display.adjusted(3, 2, -3, -display.height() + 14), 4, 4);
    p.end();
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("orologio", assetgen::paintOrologio)
