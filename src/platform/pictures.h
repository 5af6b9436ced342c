#pragma once
// Pictures from files (BMP, GIF, JPEG) and the picture clip that cuts a strip
// into cells.
#include <QHash>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace zolmera {

// What a picture shows: the file it came from and, for a cell cut from a
// strip, the cell. The challenges match a dragged card or piece against the
// one dealt by what it is, and copies of a picture from control to control
// keep it. A picture drawn in code is itself alone; no picture is Figura{}.
struct Figura {
    QString file;
    int cella = -1;
    bool isNull() const { return file.isEmpty(); }
    friend bool operator==(const Figura&, const Figura&) = default;
};
Figura figuraDi(const QPixmap& picture);
// The loaders and the clip name what they hand out.
void segnaFigura(const QPixmap& picture, const Figura& figura);

class PictureLoader {
public:
    virtual ~PictureLoader();
    // A null pixmap when the file is missing or cannot be decoded.
    virtual QPixmap load(const QString& path) = 0;
};

// Decodes by content, not by extension; keeps recently used pictures, since a
// board loads the same strips for every match.
class FilePictureLoader final : public PictureLoader {
public:
    QPixmap load(const QString& path) override;

private:
    struct Entry {
        qint64 stamp = 0;
        qint64 size = 0;
        QPixmap pixmap;
    };
    QHash<QString, Entry> cache_;
};

// Test fake: records what was asked; a file that exists gives a plain picture
// of the chosen size in a colour of its own name, a missing one a null picture.
class FakePictureLoader final : public PictureLoader {
public:
    QPixmap load(const QString& path) override;
    // The colour of the pictures loaded from files of this name.
    static QColor colourOf(const QString& fileName);
    QStringList requested;
    QSize size{32, 32};
};

// Rows x columns of equal cells, numbered from 0 row by row.
class PictureClip {
public:
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    void setRows(int rows);
    void setCols(int cols);
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    int cellCount() const { return rows_ * cols_; }
    // Cells are handed out at this size (in pixels); an empty size keeps
    // their own.
    void setStretch(const QSize& size);
    // A null pixmap for a cell out of range or without a picture.
    QPixmap graphicCell(int index) const;

private:
    QPixmap picture_;
    int rows_ = 1;
    int cols_ = 1;
    QSize stretch_;
    mutable QHash<int, QPixmap> cells_;
};

}  // namespace zolmera
