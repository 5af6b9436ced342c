// The decorations of CANTANTI E CANZONI. Along the top of the dark play area runs a
// row of twelve pairs of beamed notes, along its bottom a row of twelve records, both
// 32 x 32 on screen and left transparent round their shapes, so the area's own colour
// shows between them: the notes are the edition's gold with a dark outline, the
// records black with a bright rim and a label in the edition's accent, so both read
// on a dark ground. Beside the names stands a jukebox, 80 x 80 on the window's cream
// background: a cabinet arched at the top, a ring of coloured lights round a window
// that shows a record on its turntable, and a grille at the foot.
//
// Parameters: figura = nota, disco or jukebox.

#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace assetgen {

namespace {

using namespace kit;

constexpr qreal kGrid = 100;

// A record seen from above, centred, the label in the given colour.
void paintRecord(QPainter& p, QPointF centre, qreal radius, const QColor& label, const QColor& rim)
{
    QRadialGradient vinyl(centre - QPointF(radius * 0.3, radius * 0.35), radius * 1.3);
    vinyl.setColorAt(0, QColor(0x3a, 0x3a, 0x42));
    vinyl.setColorAt(1, QColor(0x08, 0x08, 0x0c));
    p.setPen(QPen(rim, radius * 0.07));
    p.setBrush(vinyl);
    p.drawEllipse(centre, radius, radius);
    // The grooves, and the shine of the light across them.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x5a, 0x5a, 0x66), radius * 0.025));
    for (const qreal k : {0.84, 0.72, 0.6})
        p.drawEllipse(centre, radius * k, radius * k);
    p.setPen(QPen(QColor(0xff, 0xff, 0xff, 0x70), radius * 0.09, Qt::SolidLine, Qt::RoundCap));
    const QRectF arc(centre - QPointF(radius * 0.78, radius * 0.78), QSizeF(radius * 1.56, radius * 1.56));
    p.drawArc(arc, 100 * 16, 50 * 16);
    p.drawArc(arc, 280 * 16, 50 * 16);
    QRadialGradient paper(centre - QPointF(radius * 0.1, radius * 0.1), radius * 0.4);
    paper.setColorAt(0, label.lighter(135));
    paper.setColorAt(1, label.darker(115));
    p.setPen(QPen(label.darker(160), radius * 0.03));
    p.setBrush(paper);
    p.drawEllipse(centre, radius * 0.34, radius * 0.34);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x10, 0x14));
    p.drawEllipse(centre, radius * 0.06, radius * 0.06);
}

void paintNotes(QPainter& p, const EditionLook& look)
{
    // Two quavers joined by a double beam, leaning a little, as a note is written.
    QPainterPath notes;
    const auto head = [&](QPointF c) {
        QPainterPath h;
        h.addEllipse(QPointF(0, 0), 15, 10.5);
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(-24);
        notes.addPath(t.map(h));
    };
    head(QPointF(24, 80));
    head(QPointF(74, 70));
    notes.addRect(QRectF(32.5, 18, 7, 60));
    notes.addRect(QRectF(82.5, 8, 7, 60));
    QPainterPath beam;
    beam.moveTo(32.5, 18);
    beam.lineTo(89.5, 8);
    beam.lineTo(89.5, 22);
    beam.lineTo(32.5, 32);
    beam.closeSubpath();
    notes.addPath(beam);
    notes.addPath(beam.translated(0, 20));
    notes = notes.simplified();

    QLinearGradient fill(QPointF(0, 8), QPointF(0, 92));
    fill.setColorAt(0, look.gold.lighter(140));
    fill.setColorAt(1, look.gold.darker(115));
    p.setPen(QPen(look.titleOutline, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(notes);
}

void paintJukebox(QPainter& p, const EditionLook& look)
{
    // The cabinet: straight sides, an arched top.
    QPainterPath cabinet;
    cabinet.moveTo(14, 96);
    cabinet.lineTo(14, 42);
    cabinet.arcTo(QRectF(14, 4, 72, 76), 180, -180);
    cabinet.lineTo(86, 96);
    cabinet.closeSubpath();
    QLinearGradient wood(QPointF(14, 0), QPointF(86, 0));
    wood.setColorAt(0, QColor(0x6a, 0x30, 0x14));
    wood.setColorAt(0.5, QColor(0xb8, 0x62, 0x2c));
    wood.setColorAt(1, QColor(0x5a, 0x26, 0x10));
    p.setPen(QPen(QColor(0x2a, 0x10, 0x06), 2.2));
    p.setBrush(wood);
    p.drawPath(cabinet);

    // The ring of lights along the arch, in the edition's colours.
    QPainterPath arch;
    arch.moveTo(22, 70);
    arch.lineTo(22, 42);
    arch.arcTo(QRectF(22, 12, 56, 60), 180, -180);
    arch.lineTo(78, 70);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.accent, 8, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(arch);
    const QColor lights[] = {look.gold.lighter(125), look.accent2.lighter(120), QColor(0xff, 0xff, 0xff)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i <= 12; ++i) {
        const QPointF at = arch.pointAtPercent(i / 12.0);
        p.setBrush(lights[i % 3]);
        p.drawEllipse(at, 2.3, 2.3);
    }

    // The window, with the record on its turntable.
    QPainterPath window;
    window.moveTo(30, 68);
    window.lineTo(30, 44);
    window.arcTo(QRectF(30, 22, 40, 44), 180, -180);
    window.lineTo(70, 68);
    window.closeSubpath();
    QLinearGradient glass(QPointF(0, 22), QPointF(0, 68));
    glass.setColorAt(0, look.glow);
    glass.setColorAt(1, look.glow.darker(135));
    p.setPen(QPen(QColor(0x2a, 0x10, 0x06), 1.4));
    p.setBrush(glass);
    p.drawPath(window);
    p.save();
    p.setClipPath(window);
    p.translate(50, 52);
    p.scale(1, 0.55);
    paintRecord(p, QPointF(0, 0), 15, look.accent, QColor(0x30, 0x30, 0x36));
    p.restore();

    // The grille at the foot, and its chrome frame.
    const QRectF grille(26, 74, 48, 17);
    p.setPen(QPen(QColor(0xd8, 0xdc, 0xe4), 2));
    p.setBrush(QColor(0x2a, 0x14, 0x0a));
    p.drawRoundedRect(grille, 3, 3);
    p.setPen(QPen(look.gold, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (qreal x = grille.left() + 6; x < grille.right() - 2; x += 6)
        p.drawLine(QPointF(x, grille.top() + 3), QPointF(x, grille.bottom() - 3));
}

QImage paintCanzoni(const PaintRequest& request)
{
    const EditionLook look = editionLook(request.edition);
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / kGrid, request.size.height() / kGrid);
    const QString figura = request.text(QStringLiteral("figura"));
    if (figura == QLatin1String("nota"))
        paintNotes(p, look);
    else if (figura == QLatin1String("disco"))
        paintRecord(p, QPointF(50, 50), 46, look.accent, QColor(0xd0, 0xd4, 0xdc));
    else
        paintJukebox(p, look);
    p.end();
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("canzoni", assetgen::paintCanzoni)
