#pragma once

#include <QImage>
#include <QString>

namespace assetgen {

struct ManifestLine;

// Draws the picture of a manifest line for one edition. Returns the image, or a null
// image with *error set.
QImage drawPicture(const ManifestLine& line, int edition, QString* error);

// Writes the picture in the format of the path's extension: .jpg (quality 90), .bmp
// (24-bit, or 8-bit with a palette of its own when palette256) or .gif (our encoder,
// with a transparent colour). JPEG and BMP have no transparency: transparent parts are
// laid on `ground`. The file appears whole or not at all. Returns an error message,
// empty on success.
QString writePicture(const QImage& image, const QString& path, const QColor& ground = Qt::black,
                     bool palette256 = false);

}  // namespace assetgen
