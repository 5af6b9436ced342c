// One piece of the hedge that rings the enclosure of CASCATA DI PALLONCINI, 41 x 41:
// a square block of clipped box, sixteen of them side by side. It is much darker
// than the bright green field, so the two gaps that open in the ring show at once
// as field. The leaves are clusters of small ovals in several greens, lit from the
// top left, with the shade of the block's depth along its bottom and right; a few
// small flowers in the edition's accent are tucked among them. The leaves are laid
// from a fixed seed, the same on every run.
//
// No parameters.

#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>


namespace assetgen {

namespace {


constexpr qreal kGrid = 100;

QImage paintSiepe(const PaintRequest& request)
{
    const kit::EditionLook look = kit::editionLook(request.edition);
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0x10, 0x3c, 0x16));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kGrid, request.size.height() / kGrid);

    // The leaves, dark first and light last, lighter the nearer the top left.
    QRandomGenerator leaves(0x51E9E);
    const QColor greens[] = {QColor(0x1c, 0x5a, 0x22), QColor(0x26, 0x70, 0x2a), QColor(0x32, 0x86, 0x30),
                             QColor(0x48, 0x9e, 0x3a)};
    for (int layer = 0; layer < 4; ++layer) {
        for (int i = 0; i < 150; ++i) {
            const QPointF at(-4 + 108 * leaves.generateDouble(), -4 + 108 * leaves.generateDouble());
            const qreal light = 1 - (at.x() + at.y()) / 200;  // 1 at the top left, 0 at the bottom right
            if (layer == 3 && leaves.generateDouble() > light + 0.15)
                continue;
            QColor colour = greens[layer];
            colour = colour.lighter(90 + int(30 * light));
            p.save();
            p.translate(at);
            p.rotate(360 * leaves.generateDouble());
            p.setPen(Qt::NoPen);
            p.setBrush(colour.darker(150));
            p.drawEllipse(QPointF(0.6, 0.8), 3.6, 2.2);
            p.setBrush(colour);
            p.drawEllipse(QPointF(0, 0), 3.6, 2.2);
            p.restore();
        }
    }

    // The block's depth: its bottom and right in shade, a lit edge along the top.
    QLinearGradient below(QPointF(0, 78), QPointF(0, 100));
    below.setColorAt(0, QColor(0, 0, 0, 0));
    below.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillRect(QRectF(0, 0, kGrid, kGrid), below);
    QLinearGradient side(QPointF(84, 0), QPointF(100, 0));
    side.setColorAt(0, QColor(0, 0, 0, 0));
    side.setColorAt(1, QColor(0, 0, 0, 80));
    p.fillRect(QRectF(0, 0, kGrid, kGrid), side);
    QLinearGradient top(QPointF(0, 0), QPointF(0, 8));
    top.setColorAt(0, QColor(0xc8, 0xff, 0x9a, 90));
    top.setColorAt(1, QColor(0xc8, 0xff, 0x9a, 0));
    p.fillRect(QRectF(0, 0, kGrid, kGrid), top);

    // A few small flowers.
    for (const QPointF at : {QPointF(22, 20), QPointF(68, 34), QPointF(40, 62), QPointF(80, 76), QPointF(14, 84)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(look.accent.lighter(115));
        for (int petal = 0; petal < 5; ++petal) {
            p.save();
            p.translate(at);
            p.rotate(72 * petal);
            p.drawEllipse(QPointF(0, -2.3), 1.7, 1.7);
            p.restore();
        }
        p.setBrush(QColor(0xff, 0xf0, 0x80));
        p.drawEllipse(at, 1.3, 1.3);
    }
    p.end();
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("siepe", assetgen::paintSiepe)
