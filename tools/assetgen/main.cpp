// zolmera-assetgen: draws the pictures and makes the sounds of the four editions
// from content/assets/manifest.txt into the program's folder. The build runs it;
// run it by hand with --preview to look at the pictures as PNG.

#include "generator.h"
#include "painters/painter.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Text needs a QGuiApplication for its fonts, and this tool never shows a window:
    // the offscreen platform lets it run on build machines with no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("zolmera-assetgen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Makes the pictures and sounds of Zolmera's four editions."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("manifest"), QStringLiteral("The asset manifest to read."));
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("The program's folder to fill."));
    const QCommandLineOption preview(QStringLiteral("preview"), QStringLiteral("Also save every picture drawn as PNG in <dir>."),
                                     QStringLiteral("dir"));
    const QCommandLineOption jobs(QStringLiteral("jobs"), QStringLiteral("Work on <n> assets at once (default: one per core)."),
                                  QStringLiteral("n"));
    const QCommandLineOption force(QStringLiteral("force"), QStringLiteral("Remake every asset, even the up-to-date ones."));
    const QCommandLineOption verbose(QStringLiteral("verbose"), QStringLiteral("Name every file made."));
    const QCommandLineOption painters(QStringLiteral("list-painters"), QStringLiteral("List the painters and stop."));
    parser.addOptions({preview, jobs, force, verbose, painters});
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (parser.isSet(painters)) {
        for (const QString& name : assetgen::painterNames())
            out << name << Qt::endl;
        return 0;
    }
    if (parser.positionalArguments().size() != 2) {
        err << "usage: zolmera-assetgen [options] MANIFEST OUTPUT (see --help)" << Qt::endl;
        return 2;
    }

    assetgen::GeneratorOptions options;
    options.manifest = parser.positionalArguments().at(0);
    options.output = parser.positionalArguments().at(1);
    options.preview = parser.value(preview);
    options.force = parser.isSet(force);
    options.verbose = parser.isSet(verbose);
    options.jobs = std::max(2, QThread::idealThreadCount());
    if (parser.isSet(jobs)) {
        bool ok = false;
        options.jobs = parser.value(jobs).toInt(&ok);
        if (!ok || options.jobs < 1) {
            err << "zolmera-assetgen: --jobs wants a number from 1 up" << Qt::endl;
            return 2;
        }
    }
    options.toolTime = QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
    return assetgen::generate(options, out, err);
}
