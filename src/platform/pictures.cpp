#include "platform/pictures.h"

#include <QFileInfo>
#include <QImageReader>

namespace zolmera {

namespace {
// By the pixmap's cache key, which copies share and no other pixmap ever
// takes. Entries outlive their pictures: a handful per window opened.
QHash<qint64, Figura>& figure()
{
    static QHash<qint64, Figura> registro;
    return registro;
}
}  // namespace

void segnaFigura(const QPixmap& picture, const Figura& figura)
{
    if (!picture.isNull())
        figure().insert(picture.cacheKey(), figura);
}

Figura figuraDi(const QPixmap& picture)
{
    if (picture.isNull())
        return {};
    if (auto it = figure().constFind(picture.cacheKey()); it != figure().constEnd())
        return *it;
    return Figura{QStringLiteral("#%1").arg(picture.cacheKey()), -1};
}

PictureLoader::~PictureLoader() = default;

QPixmap FilePictureLoader::load(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    const qint64 stamp = info.lastModified().toMSecsSinceEpoch();
    auto it = cache_.find(path);
    if (it != cache_.end() && it->stamp == stamp && it->size == info.size())
        return it->pixmap;

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    QPixmap pixmap = QPixmap::fromImage(image);
    segnaFigura(pixmap, Figura{path, -1});
    if (cache_.size() > 256)
        cache_.clear();
    cache_.insert(path, Entry{stamp, info.size(), pixmap});
    return pixmap;
}

QPixmap FakePictureLoader::load(const QString& path)
{
    requested << path;
    if (!QFileInfo(path).isFile())
        return {};
    QPixmap p(size);
    p.fill(colourOf(QFileInfo(path).fileName()));
    segnaFigura(p, Figura{path, -1});
    return p;
}

QColor FakePictureLoader::colourOf(const QString& fileName)
{
    const size_t h = qHash(fileName);
    return QColor(int(h & 0xFF), int((h >> 8) & 0xFF), int((h >> 16) & 0xFF));
}

void PictureClip::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    cells_.clear();
}

void PictureClip::setRows(int rows)
{
    rows_ = qMax(rows, 1);
    cells_.clear();
}

void PictureClip::setCols(int cols)
{
    cols_ = qMax(cols, 1);
    cells_.clear();
}

void PictureClip::setStretch(const QSize& size)
{
    stretch_ = size;
    cells_.clear();
}

QPixmap PictureClip::graphicCell(int index) const
{
    if (picture_.isNull() || index < 0 || index >= cellCount())
        return {};
    if (auto it = cells_.constFind(index); it != cells_.constEnd())
        return *it;
    const int w = picture_.width() / cols_;
    const int h = picture_.height() / rows_;
    QPixmap cell = picture_.copy((index % cols_) * w, (index / cols_) * h, w, h);
    if (stretch_.isValid() && !stretch_.isEmpty() && cell.size() != stretch_)
        cell = cell.scaled(stretch_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    segnaFigura(cell, Figura{figuraDi(picture_).file, index});
    cells_.insert(index, cell);
    return cell;
}

}  // namespace zolmera
