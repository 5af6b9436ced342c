#include "generator.h"

#include "manifest.h"
#include "painters/painter.h"
#include "pictures.h"
#include "sounds.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSaveFile>
#include <QThreadPool>

#include <algorithm>
#include <tuple>

namespace assetgen {

namespace {

// One unit of work: a picture for one edition, or a sound made once and written
// to every edition that uses the same line.
struct Job {
    const ManifestLine* line = nullptr;
    int edition = 1;
    QStringList outputs;
    QString preview;
};

struct Failure {
    QString source;
    int lineNumber = 0;
    QString message;
};

QString runPicture(const Job& job)
{
    QString error;
    const QImage image = drawPicture(*job.line, job.edition, &error);
    if (image.isNull())
        return error;
    if (!job.preview.isEmpty()) {
        QDir().mkpath(QFileInfo(job.preview).absolutePath());
        if (!image.save(job.preview, "PNG"))
            return QStringLiteral("cannot write the preview %1").arg(job.preview);
    }
    QColor ground = Qt::black;
    if (job.line->params.contains(QStringLiteral("fondo"))) {
        ground = QColor::fromString(job.line->params.value(QStringLiteral("fondo")));
        if (!ground.isValid())
            return QStringLiteral("fondo=%1 is not a colour (use #rrggbb)").arg(job.line->params.value("fondo"));
    }
    // colori=256: a BMP of 256 colours, for pictures whose cells must keep exact
    // pixel bounds and a small file.
    const QString colori = job.line->params.value(QStringLiteral("colori"));
    if (!colori.isEmpty() && (colori != u"256" || !job.outputs.first().endsWith(u".bmp", Qt::CaseInsensitive)))
        return QStringLiteral("colori=%1: only colori=256 on a .bmp picture").arg(colori);
    return writePicture(image, job.outputs.first(), ground, !colori.isEmpty());
}

QString runSound(const Job& job, const SoundTools& tools)
{
    QString error;
    const QByteArray wav = makeSound(*job.line, tools, &error);
    if (wav.isEmpty())
        return error;
    for (const QString& path : job.outputs) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(wav) != wav.size() || !file.commit())
            return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    }
    return {};
}

QString relative(const QString& root, const QString& path)
{
    return QDir(root).relativeFilePath(path);
}

}  // namespace

int generate(const GeneratorOptions& options, QTextStream& out, QTextStream& err)
{
    const QString me = QStringLiteral("zolmera-assetgen: ");
    QString error;
    const std::optional<Manifest> manifest = Manifest::load(options.manifest, &error);
    if (!manifest) {
        err << me << error << Qt::endl;
        return 1;
    }

    // Faults that the manifest shows on its face are told all at once, before any work.
    QStringList faults;
    for (const ManifestLine& line : manifest->lines) {
        if (line.kind == AssetKind::Picture && !findPainter(line.painter))
            faults << QStringLiteral("%1: no painter \"%2\" (there are: %3)")
                          .arg(line.where(), line.painter, painterNames().join(u", "));
    }
    const SoundTools tools = findSoundTools(manifest->directory);
    if (manifest->has(AssetKind::Speech) && tools.espeak.isEmpty())
        faults << QStringLiteral("espeak-ng is not on the PATH: it speaks the game's lines. "
                                 "Install the Debian package espeak-ng (see scripts/packages.txt).");
    if ((manifest->has(AssetKind::Speech) || manifest->has(AssetKind::Effect)) && tools.sox.isEmpty())
        faults << QStringLiteral("sox is not on the PATH: it makes the game's sounds. "
                                 "Install the Debian package sox (see scripts/packages.txt).");

    const QString output = QDir(options.output).absolutePath();
    const QDir root(output);
    for (int edition = 1; edition <= kEditionCount; ++edition) {
        for (const QString& folder : kDataFolders) {
            const QString path = root.filePath(folder + QString::number(edition));
            if (!QDir().mkpath(path))
                faults << QStringLiteral("cannot make the folder %1").arg(path);
        }
    }
    if (!faults.isEmpty()) {
        for (const QString& fault : faults)
            err << me << fault << Qt::endl;
        return 1;
    }

    QDateTime threshold = options.toolTime;
    for (const QString& file : manifest->files)
        threshold = std::max(threshold, QFileInfo(file).lastModified());
    const auto fresh = [&](const QString& path) {
        const QFileInfo info(path);
        return !options.force && info.exists() && info.lastModified() > threshold;
    };

    QList<Job> sounds, pictures;
    QHash<const ManifestLine*, qsizetype> soundOf;
    int upToDate = 0;
    for (int edition = 1; edition <= kEditionCount; ++edition) {
        for (const ManifestLine* line : manifest->linesFor(edition)) {
            const QString folder = line->folder + QString::number(edition);
            const QString path = root.filePath(folder + u'/' + line->name);
            if (fresh(path)) {
                ++upToDate;
                continue;
            }
            if (line->kind == AssetKind::Picture) {
                const QString preview = options.preview.isEmpty()
                    ? QString()
                    : QDir(options.preview).filePath(folder + u'/' + QFileInfo(line->name).completeBaseName() + ".png");
                pictures.append({line, edition, {path}, preview});
            } else if (const auto known = soundOf.constFind(line); known != soundOf.cend()) {
                sounds[*known].outputs << path;
            } else {
                soundOf.insert(line, sounds.size());
                sounds.append({line, edition, {path}, {}});
            }
        }
    }

    QMutex mutex;
    QList<Failure> failures;
    QStringList made;
    const auto finish = [&](const Job& job, const QString& message) {
        const QMutexLocker lock(&mutex);
        if (message.isEmpty())
            made << job.outputs;
        else
            failures.append({job.line->source, job.line->lineNumber,
                             QStringLiteral("%1: %2: %3")
                                 .arg(job.line->where(), relative(output, job.outputs.first()), message)});
    };
    // Sounds wait on other programs: several at once. Pictures are drawn here, one
    // after the other, meanwhile: Qt's font engines are shared between threads, and
    // text drawn on two threads at once can come out a little different from run to
    // run, where a picture must be the same on every build.
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(1, options.jobs));
    for (const Job& job : sounds)
        pool.start([&, job] { finish(job, runSound(job, tools)); });
    for (const Job& job : pictures)
        finish(job, runPicture(job));
    pool.waitForDone();

    std::sort(failures.begin(), failures.end(), [](const Failure& a, const Failure& b) {
        return std::tie(a.source, a.lineNumber, a.message) < std::tie(b.source, b.lineNumber, b.message);
    });
    for (const Failure& failure : failures)
        err << me << failure.message << Qt::endl;
    if (options.verbose) {
        made.sort();
        for (const QString& path : made)
            out << me << "made " << relative(output, path) << Qt::endl;
    }
    out << me << made.size() << " made, " << upToDate << " up to date, in " << output
        << Qt::endl;
    if (!failures.isEmpty()) {
        err << me << failures.size() << " asset(s) could not be made" << Qt::endl;
        return 1;
    }
    return 0;
}

}  // namespace assetgen
