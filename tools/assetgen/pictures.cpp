#include "pictures.h"

#include "gifwriter.h"
#include "manifest.h"
#include "painters/painter.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

namespace assetgen {

QImage drawPicture(const ManifestLine& line, int edition, QString* error)
{
    const PainterFunction painter = findPainter(line.painter);
    if (!painter) {
        *error = QStringLiteral("no painter \"%1\" (there are: %2)").arg(line.painter, painterNames().join(u", "));
        return {};
    }
    const QImage image = painter(PaintRequest{edition, line.size, line.params});
    if (image.size() != line.size) {
        *error = QStringLiteral("painter \"%1\" drew %2x%3 instead of %4x%5")
                     .arg(line.painter)
                     .arg(image.width())
                     .arg(image.height())
                     .arg(line.size.width())
                     .arg(line.size.height());
        return {};
    }
    return image;
}

QString writePicture(const QImage& image, const QString& path, const QColor& ground, bool palette256)
{
    const QString type = QFileInfo(path).suffix().toLower();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());

    if (type == u"gif") {
        file.write(encodeGif(image));
    } else {
        QImage opaque(image.size(), QImage::Format_RGB32);
        opaque.fill(ground);
        {
            QPainter p(&opaque);
            p.drawImage(0, 0, image);
        }
        const bool jpeg = type == u"jpg" || type == u"jpeg";
        if (palette256 && !jpeg) {
            // Qt writes an indexed picture as an 8-bit BMP with its palette.
            const IndexedPicture reduced = reduceColours(opaque);
            opaque = reduced.indices;
            opaque.setColorTable(reduced.palette);
        }
        QImageWriter writer(&file, jpeg ? "jpeg" : "bmp");
        if (jpeg)
            writer.setQuality(90);
        if (!writer.write(opaque)) {
            file.cancelWriting();
            return QStringLiteral("cannot write %1: %2").arg(path, writer.errorString());
        }
    }
    if (!file.commit())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return {};
}

}  // namespace assetgen
