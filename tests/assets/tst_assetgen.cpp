// The asset generator, run as the build runs it, on small manifests written here:
// what it makes must load, be the asked size and keep its transparency, and every
// sound must carry the plain PCM header the game reads a sound's length from.

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

const QString kPictureManifest = QStringLiteral(R"(# one picture of each kind
picture  images/sfondo.jpg   120x63   studio
picture  images/sfondo.bmp   117x61   studio natale
picture  intro/piatto.gif    90x60    piatto pieno
picture  intro/mini.gif      16x12    piatto
picture  images/studio.gif   234x122  studio natale
picture  images/tavolozza.bmp  117x61  studio colori=256
)");

// The PCM samples of a WAV file with the 44-byte header that the game expects,
// or a failure message.
struct Wav {
    QString fault;
    qint64 samples = 0;
};

Wav readWav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {path + QStringLiteral(" is missing")};
    const QByteArray wav = file.readAll();
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
    if (wav.size() < 44 || wav.left(4) != "RIFF" || wav.mid(8, 8) != "WAVEfmt " || wav.mid(36, 4) != "data")
        return {QStringLiteral("not a plain RIFF WAVE header")};
    if (u32(4) != quint32(wav.size() - 8))
        return {QStringLiteral("RIFF size %1 for a file of %2 bytes").arg(u32(4)).arg(wav.size())};
    if (u32(16) != 16 || u16(20) != 1 || u16(22) != 1 || u32(24) != 22050 || u32(28) != 44100 || u16(32) != 2
        || u16(34) != 16)
        return {QStringLiteral("format is not 22050 Hz mono 16-bit PCM")};
    if (u32(40) != quint32(wav.size() - 44) || u32(40) == 0)
        return {QStringLiteral("data size %1 for %2 bytes of samples").arg(u32(40)).arg(wav.size() - 44)};
    return {{}, qint64(u32(40)) / 2};
}

void writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

void setModified(const QString& path, const QDateTime& when)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));  // Qt sets file times on open files only
    QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
}

}  // namespace

class TstAssetgen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void makesTheFiveFoldersOfEveryEdition();
    void pictures_data();
    void pictures();
    void gifKeepsTheDrawing_data();
    void gifKeepsTheDrawing();
    void bmpOf256Colours();
    void sounds_data();
    void sounds();
    void editionLineTakesThePlaceOfTheCommonOne();
    void remakesOnlyWhatIsStale();
    void pictureDoesNotDependOnWhatWasDrawnBefore();
    void failures_data();
    void failures();

private:
    Run run(const QString& folder, const QString& manifest, const QStringList& options = {},
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    void needSoundTools();

    QString m_tool;
    QTemporaryDir m_pictures;
};

Run TstAssetgen::run(const QString& folder, const QString& manifest, const QStringList& options,
                     const QProcessEnvironment& environment)
{
    const QString manifestPath = QDir(folder).filePath(QStringLiteral("manifest.txt"));
    writeFile(manifestPath, manifest);
    // An hour old, so that what the run makes is newer whatever the clock's grain.
    setModified(manifestPath, QDateTime::currentDateTime().addSecs(-3600));

    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(m_tool, QStringList(options) << manifestPath << QDir(folder).filePath(QStringLiteral("out")));
    Run result;
    if (!process.waitForFinished(120'000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        result.err = QStringLiteral("the generator did not end normally");
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void TstAssetgen::needSoundTools()
{
    if (QStandardPaths::findExecutable(QStringLiteral("sox")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("espeak-ng")).isEmpty())
        QSKIP("espeak-ng or sox is not on the PATH");
}

void TstAssetgen::initTestCase()
{
#ifdef ZOLMERA_ASSETGEN
    m_tool = QStringLiteral(ZOLMERA_ASSETGEN);
#else
    m_tool = QStringLiteral(ZOLMERA_PROGRAM_DIR "/zolmera-assetgen");
#endif
    QVERIFY2(QFileInfo(m_tool).isExecutable(), qPrintable(m_tool + QStringLiteral(" is not built")));
    QVERIFY(m_pictures.isValid());
    const Run made = run(m_pictures.path(), kPictureManifest, {QStringLiteral("--preview"), m_pictures.filePath("preview")});
    QVERIFY2(made.exitCode == 0, qPrintable(made.err));
}

void TstAssetgen::makesTheFiveFoldersOfEveryEdition()
{
    for (const char* stem : {"images", "sounds", "intro", "saved", "scores"}) {
        for (int edition = 1; edition <= 4; ++edition) {
            const QString folder = QStringLiteral("out/%1%2").arg(QLatin1StringView(stem)).arg(edition);
            QVERIFY2(QFileInfo(m_pictures.filePath(folder)).isDir(), qPrintable(folder));
        }
    }
}

void TstAssetgen::pictures_data()
{
    QTest::addColumn<QString>("file");  // folder stem / name; the edition digit goes after the stem
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");

    QTest::newRow("jpeg") << QStringLiteral("images%1/sfondo.jpg") << QByteArray("jpeg") << QSize(120, 63);
    QTest::newRow("bmp") << QStringLiteral("images%1/sfondo.bmp") << QByteArray("bmp") << QSize(117, 61);
    QTest::newRow("gif in intro") << QStringLiteral("intro%1/piatto.gif") << QByteArray("gif") << QSize(90, 60);
    QTest::newRow("gif of many colours") << QStringLiteral("images%1/studio.gif") << QByteArray("gif") << QSize(234, 122);
}

void TstAssetgen::pictures()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);

    QList<QImage> editions;
    for (int edition = 1; edition <= 4; ++edition) {
        QImageReader reader(m_pictures.filePath(QStringLiteral("out/") + file.arg(edition)));
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.fileName() + QStringLiteral(": ") + reader.errorString()));
        QCOMPARE(image.size(), size);
        editions << image.convertToFormat(QImage::Format_ARGB32);
    }
    // Each edition has its own palette.
    QVERIFY(editions[0] != editions[1]);
    QVERIFY(editions[2] != editions[3]);
}

void TstAssetgen::gifKeepsTheDrawing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<double>("meanError");  // per channel, over the opaque pixels

    // Few pixels, so few colours: the palette holds them exactly.
    QTest::newRow("exact palette") << QStringLiteral("intro%1/mini") << true << 0.0;
    QTest::newRow("reduced palette") << QStringLiteral("intro%1/piatto") << true << 2.5;
    // Thousands of colours and a code stream long enough to fill the LZW table.
    QTest::newRow("many colours") << QStringLiteral("images%1/studio") << false << 6.0;
}

void TstAssetgen::gifKeepsTheDrawing()
{
    QFETCH(QString, name);
    QFETCH(bool, transparent);
    QFETCH(double, meanError);

    for (int edition = 1; edition <= 4; ++edition) {
        const QImage gif = QImage(m_pictures.filePath(QStringLiteral("out/") + name.arg(edition) + ".gif"))
                               .convertToFormat(QImage::Format_ARGB32);
        const QImage drawn = QImage(m_pictures.filePath(QStringLiteral("preview/") + name.arg(edition) + ".png"))
                                 .convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!gif.isNull() && !drawn.isNull());
        QCOMPARE(gif.size(), drawn.size());

        int transparentPixels = 0;
        double error = 0;
        qint64 opaquePixels = 0;
        for (int y = 0; y < gif.height(); ++y) {
            for (int x = 0; x < gif.width(); ++x) {
                const QRgb got = gif.pixel(x, y), want = drawn.pixel(x, y);
                const bool clear = qAlpha(want) < 128;
                QVERIFY2(qAlpha(got) == (clear ? 0 : 255),
                         qPrintable(QStringLiteral("edition %1, pixel %2,%3: alpha %4 for a drawn alpha of %5")
                                        .arg(edition)
                                        .arg(x)
                                        .arg(y)
                                        .arg(qAlpha(got))
                                        .arg(qAlpha(want))));
                if (clear) {
                    ++transparentPixels;
                    continue;
                }
                error += (std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want))
                          + std::abs(qBlue(got) - qBlue(want)))
                    / 3.0;
                ++opaquePixels;
            }
        }
        QCOMPARE(transparentPixels > 0, transparent);
        if (transparent)
            QCOMPARE(qAlpha(gif.pixel(0, 0)), 0);  // the plate stands on a see-through ground
        QVERIFY(opaquePixels > 0);
        QVERIFY2(error / double(opaquePixels) <= meanError,
                 qPrintable(QStringLiteral("edition %1: mean error %2").arg(edition).arg(error / double(opaquePixels))));
    }
}

// colori=256: an 8-bit BMP with its own palette, close to what was drawn.
void TstAssetgen::bmpOf256Colours()
{
    for (int edition = 1; edition <= 4; ++edition) {
        QImageReader reader(m_pictures.filePath(QStringLiteral("out/images%1/tavolozza.bmp").arg(edition)));
        QCOMPARE(reader.format(), QByteArray("bmp"));
        const QImage bmp = reader.read();
        QCOMPARE(bmp.format(), QImage::Format_Indexed8);
        QVERIFY(bmp.colorCount() > 16 && bmp.colorCount() <= 256);
        const QImage got = bmp.convertToFormat(QImage::Format_RGB32);
        const QImage drawn = QImage(m_pictures.filePath(QStringLiteral("preview/images%1/tavolozza.png").arg(edition)))
                                 .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(got.size(), drawn.size());
        double error = 0;
        for (int y = 0; y < got.height(); ++y)
            for (int x = 0; x < got.width(); ++x) {
                const QRgb a = got.pixel(x, y), b = drawn.pixel(x, y);
                error += (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)))
                    / 3.0;
            }
        error /= double(got.width() * got.height());
        QVERIFY2(error <= 6.0, qPrintable(QStringLiteral("edition %1: mean error %2").arg(edition).arg(error)));
    }
}

void TstAssetgen::sounds_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<qint64>("minSamples");
    QTest::addColumn<qint64>("maxSamples");

    QTest::newRow("spoken line") << QStringLiteral("sounds%1/benvenuto.wav") << qint64(22050) << qint64(22050 * 8);
    QTest::newRow("effect") << QStringLiteral("sounds%1/gong.wav") << qint64(4410) << qint64(4410);
    QTest::newRow("jingle mixed from two sox pipes") << QStringLiteral("intro%1/sigla.wav") << qint64(6600)
                                                     << qint64(6630);
}

void TstAssetgen::sounds()
{
    QFETCH(QString, file);
    QFETCH(qint64, minSamples);
    QFETCH(qint64, maxSamples);
    needSoundTools();

    QTemporaryDir dir;
    const Run made = run(dir.path(), QStringLiteral(
                                         "speech  sounds/benvenuto.wav  speed=160  Benvenuti a Zolmera: "
                                         "il quiz che ti serve il pranzo, perché no?\n"
                                         "effect  sounds/gong.wav  synth 0.2 sine 660 fade 0 0.2 0.05\n"
                                         "effect  intro/sigla.wav  -m \"|sox -n -p synth 0.3 sine 523\" \\\n"
                                         "        \"|sox -n -p synth 0.3 sine 659\" %out gain -3\n"));
    QVERIFY2(made.exitCode == 0, qPrintable(made.err));
    for (int edition = 1; edition <= 4; ++edition) {
        const Wav wav = readWav(dir.filePath(QStringLiteral("out/") + file.arg(edition)));
        QVERIFY2(wav.fault.isEmpty(), qPrintable(wav.fault));
        QVERIFY2(wav.samples >= minSamples && wav.samples <= maxSamples, qPrintable(QString::number(wav.samples)));
    }
}

void TstAssetgen::editionLineTakesThePlaceOfTheCommonOne()
{
    needSoundTools();
    QTemporaryDir dir;
    const Run made = run(dir.path(), QStringLiteral("effect@SERO92,4  sounds/gong.wav  synth 0.2 sine 440\n"
                                                    "effect           sounds/gong.wav  synth 0.1 sine 440\n"));
    QVERIFY2(made.exitCode == 0, qPrintable(made.err));
    const qint64 expected[] = {2205, 4410, 2205, 4410};
    for (int edition = 1; edition <= 4; ++edition) {
        const Wav wav = readWav(dir.filePath(QStringLiteral("out/sounds%1/gong.wav").arg(edition)));
        QVERIFY2(wav.fault.isEmpty(), qPrintable(wav.fault));
        QCOMPARE(wav.samples, expected[edition - 1]);
    }
}

void TstAssetgen::remakesOnlyWhatIsStale()
{
    QTemporaryDir dir;
    const QString manifest = QStringLiteral("picture images/a.jpg 40x30 studio\npicture images/b.bmp 40x30 studio\n");
    QCOMPARE(run(dir.path(), manifest).exitCode, 0);

    const QString fresh = dir.filePath(QStringLiteral("out/images1/a.jpg"));
    const QString old = dir.filePath(QStringLiteral("out/images1/b.bmp"));
    const QString gone = dir.filePath(QStringLiteral("out/images2/a.jpg"));
    writeFile(fresh, QStringLiteral("left alone"));
    setModified(fresh, QDateTime::currentDateTime().addDays(1));
    writeFile(old, QStringLiteral("stale"));
    setModified(old, QDateTime(QDate(2001, 1, 1), QTime(12, 0)));
    QVERIFY(QFile::remove(gone));

    const Run again = run(dir.path(), manifest);
    QCOMPARE(again.exitCode, 0);
    QVERIFY2(again.out.contains(QStringLiteral("2 made, 6 up to date")), qPrintable(again.out));
    QFile kept(fresh);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("left alone"));
    QCOMPARE(QImage(old).size(), QSize(40, 30));
    QCOMPARE(QImage(gone).size(), QSize(40, 30));

    QCOMPARE(run(dir.path(), manifest, {QStringLiteral("--force")}).exitCode, 0);
    QCOMPARE(QImage(fresh).size(), QSize(40, 30));
}

void TstAssetgen::pictureDoesNotDependOnWhatWasDrawnBefore()
{
    // Text drawn earlier in a run once shifted the letters of later pictures: a
    // picture remade alone must match the one made in a full run.
    const QString line = QStringLiteral("images/s.jpg 468x392 startmenu subtitle=\"Si torna a tavola!\"\n");
    QTemporaryDir full, alone;
    QCOMPARE(run(full.path(), QStringLiteral("picture@1,2 images/s.jpg 468x392 startmenu subtitle=\"Gira, gira!\"\n"
                                             "picture@4 ") + line + QStringLiteral("picture@3 ") + line)
                 .exitCode,
             0);
    QCOMPARE(run(alone.path(), QStringLiteral("picture@3 ") + line).exitCode, 0);
    QFile a(full.filePath(QStringLiteral("out/images3/s.jpg"))), b(alone.filePath(QStringLiteral("out/images3/s.jpg")));
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QVERIFY(a.readAll() == b.readAll());
}

void TstAssetgen::failures_data()
{
    QTest::addColumn<QString>("manifest");
    QTest::addColumn<bool>("emptyPath");  // run with no tools on the PATH
    QTest::addColumn<bool>("needsSox");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("absent");  // the file that must not have been made

    const QString picture = QStringLiteral("images1/a.jpg");
    const QString sound = QStringLiteral("sounds1/a.wav");
    QTest::newRow("unknown painter") << QStringLiteral("picture images/a.jpg 10x10 nessuno\n") << false << false
                                     << QStringLiteral("manifest.txt:1: no painter \"nessuno\"") << picture;
    QTest::newRow("size missing") << QStringLiteral("picture images/a.jpg studio\n") << false << false
                                  << QStringLiteral("manifest.txt:1: a picture needs WIDTHxHEIGHT") << picture;
    QTest::newRow("sound that is not wav") << QStringLiteral("# sounds\n\neffect sounds/a.mp3 synth 0.1 sine 440\n")
                                           << false << false
                                           << QStringLiteral("manifest.txt:3: a sound is written as .wav") << sound;
    QTest::newRow("unknown folder") << QStringLiteral("picture immagini/a.jpg 10x10 studio\n") << false << false
                                    << QStringLiteral("should be images/NAME") << picture;
    QTest::newRow("unknown edition") << QStringLiteral("picture@5 images/a.jpg 10x10 studio\n") << false << false
                                     << QStringLiteral("unknown edition \"5\"") << picture;
    QTest::newRow("made twice for one edition")
        << QStringLiteral("picture@1 images/a.jpg 10x10 studio\npicture@ZOLMER90 images/a.jpg 20x20 studio\n") << false
        << false << QStringLiteral("manifest.txt:2: images/a.jpg is already made for edition 1") << picture;
    QTest::newRow("colours other than 256") << QStringLiteral("picture images/a.bmp 10x10 studio colori=16\n") << false
                                            << false << QStringLiteral("images1/a.bmp: colori=16: only colori=256")
                                            << QStringLiteral("images1/a.bmp");
    QTest::newRow("quote not closed") << QStringLiteral("picture images/a.jpg 10x10 startmenu subtitle=\"Ciao\n")
                                      << false << false << QStringLiteral("double quote is not closed") << picture;
    QTest::newRow("failing sox recipe") << QStringLiteral("effect sounds/a.wav synth 0.1 nonsense 440\n") << false
                                        << true << QStringLiteral("manifest.txt:1: sounds1/a.wav: sox -R -n") << sound;
    // A failing layer of a mix fails the recipe, instead of vanishing from it.
    QTest::newRow("failing layer") << QStringLiteral("effect sounds/a.wav -m \"|sox -n -p synth 0.2 sine 440\" "
                                                     "\"|sox -n -p synth 0.2 nonsense 440\" %out\n")
                                   << false << true << QStringLiteral("manifest.txt:1: sounds1/a.wav: layer 2 failed")
                                   << sound;
    QTest::newRow("failing stage of a layer's pipeline")
        << QStringLiteral("effect sounds/a.wav -m \"|sox -n -p synth 0.2 sine 440\" "
                          "\"|espeak-ng --no-such-option 'Ciao' | sox -t wav - -r 22050 -c 1 -p\" %out\n")
        << false << true << QStringLiteral("manifest.txt:1: sounds1/a.wav: layer 2 failed") << sound;
    QTest::newRow("layer that makes nothing")
        << QStringLiteral("effect sounds/a.wav -m \"|sox -n -p synth 0.2 sine 440\" \"|true\" %out\n") << false
        << true << QStringLiteral("manifest.txt:1: sounds1/a.wav: layer 2 made no sound") << sound;
    QTest::newRow("sox missing") << QStringLiteral("effect sounds/a.wav synth 0.1 sine 440\n") << true << false
                                 << QStringLiteral("sox is not on the PATH") << sound;
    QTest::newRow("espeak-ng missing") << QStringLiteral("speech sounds/a.wav Ciao a tutti\n") << true << false
                                       << QStringLiteral("espeak-ng is not on the PATH") << sound;
}

void TstAssetgen::failures()
{
    QFETCH(QString, manifest);
    QFETCH(bool, emptyPath);
    QFETCH(bool, needsSox);
    QFETCH(QString, message);
    QFETCH(QString, absent);
    if (needsSox)
        needSoundTools();

    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (emptyPath) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("nothing")));
        environment.insert(QStringLiteral("PATH"), dir.filePath(QStringLiteral("nothing")));
    }
    const Run failed = run(dir.path(), manifest, {}, environment);
    QCOMPARE(failed.exitCode, 1);
    QVERIFY2(failed.err.contains(message), qPrintable(failed.err));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out/") + absent)));
}

QTEST_GUILESS_MAIN(TstAssetgen)
#include "tst_assetgen.moc"
