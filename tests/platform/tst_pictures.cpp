// Pictures from files and the picture clip's cells.
#include "platform/pictures.h"
#include "testkit/world.h"

#include <QImage>
#include <QPainter>

using namespace zolmera;
using namespace zolmera::testing;

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void filesAreDecodedByTheirContent_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QString>("name");
        QTest::newRow("bmp") << QByteArray("BMP") << "a.bmp";
        QTest::newRow("jpeg") << QByteArray("JPG") << "b.jpg";
        QTest::newRow("jpeg named .bmp") << QByteArray("JPG") << "c.bmp";
    }
    void filesAreDecodedByTheirContent()
    {
        QFETCH(QByteArray, format);
        QFETCH(QString, name);
        TestWorld w;
        QImage img(30, 20, QImage::Format_RGB32);
        img.fill(Qt::red);
        QVERIFY(img.save(w.path(name), format.constData()));
        FilePictureLoader loader;
        const QPixmap p = loader.load(w.path(name));
        QCOMPARE(p.size(), QSize(30, 20));
        QVERIFY(loader.load(w.path("missing.gif")).isNull());
        w.touch("broken.jpg", "not a picture");
        QVERIFY(loader.load(w.path("broken.jpg")).isNull());
    }

    void clipCellsAreNumberedRowByRowFromZero()
    {
        // A 3 x 2 strip: each cell painted a colour of its own.
        QImage strip(60, 40, QImage::Format_RGB32);
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};
        QPainter painter(&strip);
        for (int i = 0; i < 6; ++i)
            painter.fillRect((i % 3) * 20, (i / 3) * 20, 20, 20, colours[i]);
        painter.end();
        PictureClip clip;
        clip.setPicture(QPixmap::fromImage(strip));
        clip.setRows(2);
        clip.setCols(3);
        QCOMPARE(clip.cellCount(), 6);
        for (int i = 0; i < 6; ++i) {
            const QImage cell = clip.graphicCell(i).toImage();
            QCOMPARE(cell.size(), QSize(20, 20));
            QCOMPARE(QColor(cell.pixel(10, 10)), colours[i]);
        }
        QVERIFY(clip.graphicCell(6).isNull());
        QVERIFY(clip.graphicCell(-1).isNull());
    }
};

ZOLMERA_TEST_MAIN(TestPictures)
#include "tst_pictures.moc"
