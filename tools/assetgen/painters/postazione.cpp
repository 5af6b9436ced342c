// A contestant's desk with its lights on: the board lays it over the unlit desk of
// the backdrop when that contestant has the turn, at the same place in every
// edition, wide enough for either look group's desk. It is the backdrop's own patch
// there with the group's desk lit and glowing on it, and towards the picture's
// edges the glow fades back into the plain backdrop, so the change shows nowhere
// but on the desk and around it.
//
// Parameters: posto = 1 (the left desk) or 2 (the right one); gruppo = 1 (editions
// 1 and 3, the default) or 2 (editions 2 and 4), as for the backdrop it goes on.

#include "painters/boardkit.h"
#include "painters/painter.h"

#include <QPainter>

#include <algorithm>

namespace assetgen {

namespace {

constexpr int kFade = 5;  // pixels over which the glow gives way to the backdrop

QImage paintPostazione(const PaintRequest& request)
{
    const int seat = std::clamp(int(request.number(QStringLiteral("posto"), 1)), 1, 2);
    const int group = board::lookGroup(request);
    const QRectF place = board::kLitDesks[seat - 1];
    const QRectF desk = board::kDesks[group - 1][seat - 1];
    const QImage under = board::studioBackdrop(request.edition, group)
                             .copy(place.toRect())
                             .scaled(request.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage image = under;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(request.size.width() / place.width(), request.size.height() / place.height());
    board::drawDesk(p, desk.topLeft() - place.topLeft(), request.edition, group, seat, true);
    p.end();

    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* back = reinterpret_cast<const QRgb*>(under.constScanLine(y));
        const int edgeY = std::min(y, image.height() - 1 - y);
        for (int x = 0; x < image.width(); ++x) {
            const int edge = std::min({x, image.width() - 1 - x, edgeY});
            if (edge >= kFade)
                continue;
            const int keep = 256 * edge / kFade;
            const auto blend = [&](int a, int b) { return (a * keep + b * (256 - keep)) >> 8; };
            row[x] = qRgba(blend(qRed(row[x]), qRed(back[x])), blend(qGreen(row[x]), qGreen(back[x])),
                           blend(qBlue(row[x]), qBlue(back[x])), 255);
        }
    }
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("postazione", assetgen::paintPostazione)
