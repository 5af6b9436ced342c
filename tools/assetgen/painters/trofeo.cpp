// The best-score screen's decoration: a golden cup on a podium under the
// studio lights, with the title across the top, in the edition's colours.
//
// Parameters: titolo (the title; "MIGLIORI PUNTEGGI" by default).

#include "painters/painter.h"
#include "painters/studiokit.h"

#include <QPainter>
#include <QPainterPath>

namespace assetgen {

namespace {

QImage paintTrofeo(const PaintRequest& request)
{
    const kit::EditionLook look = kit::editionLook(request.edition);
    const qreal w = request.size.width(), h = request.size.height();
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    kit::fillVertical(p, QRectF(0, 0, w, h), look.deep, look.wall);
    kit::drawBeam(p, QPointF(w * 0.5, 0), QPointF(w * 0.5, h * 0.8), w * 0.06, w * 0.6, kit::alpha(look.glow, 70));

    // The podium: three steps, the middle one highest.
    const qreal base = h * 0.93;
    const QColor pietra = kit::mix(look.wall, Qt::white, 0.55);
    p.setPen(QPen(kit::mix(pietra, Qt::black, 0.4), w * 0.006));
    p.setBrush(pietra);
    p.drawRect(QRectF(w * 0.14, base - h * 0.12, w * 0.24, h * 0.12));
    p.drawRect(QRectF(w * 0.62, base - h * 0.08, w * 0.24, h * 0.08));
    p.setBrush(kit::mix(pietra, Qt::white, 0.3));
    p.drawRect(QRectF(w * 0.38, base - h * 0.18, w * 0.24, h * 0.18));

    // The cup: a bowl, two handles, a stem and a foot.
    const qreal cx = w * 0.5, top = h * 0.3, bowlW = w * 0.2, bowlH = h * 0.24;
    const QColor oro = look.gold, ombra = kit::mix(look.gold, Qt::black, 0.35);
    QLinearGradient lucido(cx - bowlW / 2, 0, cx + bowlW / 2, 0);
    lucido.setColorAt(0, ombra);
    lucido.setColorAt(0.35, kit::mix(oro, Qt::white, 0.45));
    lucido.setColorAt(1, ombra);
    p.setPen(QPen(ombra, w * 0.006));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(cx - bowlW * 0.82, top + bowlH * 0.08, bowlW * 0.42, bowlH * 0.5));
    p.drawEllipse(QRectF(cx + bowlW * 0.40, top + bowlH * 0.08, bowlW * 0.42, bowlH * 0.5));
    QPainterPath coppa;
    coppa.moveTo(cx - bowlW / 2, top);
    coppa.lineTo(cx + bowlW / 2, top);
    coppa.cubicTo(cx + bowlW / 2, top + bowlH * 0.8, cx + bowlW * 0.1, top + bowlH, cx, top + bowlH);
    coppa.cubicTo(cx - bowlW * 0.1, top + bowlH, cx - bowlW / 2, top + bowlH * 0.8, cx - bowlW / 2, top);
    p.setBrush(lucido);
    p.drawPath(coppa);
    const qreal stemTop = top + bowlH, footTop = base - h * 0.18 - h * 0.05;
    p.drawRect(QRectF(cx - bowlW * 0.06, stemTop, bowlW * 0.12, footTop - stemTop));
    p.drawRoundedRect(QRectF(cx - bowlW * 0.32, footTop, bowlW * 0.64, h * 0.05), w * 0.01, w * 0.01);
    kit::drawSparkle(p, QPointF(cx - bowlW * 0.22, top + bowlH * 0.25), w * 0.03, Qt::white);

    // The title.
    const QString titolo = request.text(QStringLiteral("titolo"), QStringLiteral("MIGLIORI PUNTEGGI"));
    const QPainterPath testo = kit::centredText(titolo, kit::playfulFont(h * 0.12), QRectF(0, h * 0.03, w, h * 0.18));
    kit::drawTitle(p, testo, look, h * 0.012);
    p.end();
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("trofeo", assetgen::paintTrofeo)
