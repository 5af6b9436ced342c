// Long monkey runs, by hand (CI runs a fixed set of seeds in tst_monkey):
//   ./build/monkey --from 1 --count 5000 --matches 2 [--jobs N]
//   ./build/monkey --replay 1234          (one seed, each input printed)
//   ./build/monkey --prova 5 ...           (every full challenge is title 5)
// The seeds are spread over one process per core; the summary gives matches
// played, inputs sent, windows visited and every failing seed with its last
// inputs.
#include "platform/application.h"
#include "testkit/monkey.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QThread>

#include <cstdio>

using namespace zolmera;
using namespace zolmera::testing;

namespace {

struct Totals {
    qint64 seeds = 0, matches = 0, finished = 0, inputs = 0, failures = 0, courses = 0, menus = 0;
    double virtualSeconds = 0;
    QSet<QString> windows;
};

void print(const QString& line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

// One process's share: its seeds in turn; a summary line the parent adds up.
int runSeeds(quint64 from, quint64 count, int matches, bool replay)
{
    Totals t;
    for (quint64 seed = from; seed < from + count; ++seed) {
        Monkey monkey(seed, replay ? std::function<void(const QString&)>(print) : std::function<void(const QString&)>());
        monkey.soloProva(qEnvironmentVariableIntValue("ZOLMERA_MONKEY_PROVA"));
        const MonkeyReport r = monkey.run(matches);
        ++t.seeds;
        t.matches += r.matches;
        t.finished += r.finished;
        t.inputs += r.inputs;
        t.courses += r.courses;
        t.menus += r.menus;
        t.virtualSeconds += r.virtualSeconds;
        t.windows.unite(r.windows);
        if (!r.failure.isEmpty()) {
            ++t.failures;
            print(QStringLiteral("FAILURE ") + r.failure);
        }
    }
    // The windows' names last: they are one field with no blanks.
    print(QStringLiteral("TOTALS %1 %2 %3 %4 %5 %6 %7 %8 ")
              .arg(t.seeds)
              .arg(t.matches)
              .arg(t.finished)
              .arg(t.inputs)
              .arg(t.failures)
              .arg(t.virtualSeconds, 0, 'f', 0)
              .arg(t.courses)
              .arg(t.menus)
          + QStringList(t.windows.begin(), t.windows.end()).join(u','));
    return t.failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    // The offscreen platform's complaints about raising windows are noise here.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
        if (type == QtFatalMsg || type == QtCriticalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(msg));
    });
    Application app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);

    QCommandLineParser p;
    p.addHelpOption();
    p.addOption({"from", "First seed.", "seed", "1"});
    p.addOption({"count", "How many seeds.", "n", "100"});
    p.addOption({"matches", "Matches per seed.", "n", "2"});
    p.addOption({"jobs", "Processes (default: one per core).", "n", QString::number(QThread::idealThreadCount())});
    p.addOption({"replay", "Replays one seed, printing each input.", "seed"});
    p.addOption({"prova", "Every full challenge launched is this title (1-20).", "n"});
    p.process(app);
    // Through the environment, so the processes of the other cores have it too.
    if (p.isSet("prova"))
        qputenv("ZOLMERA_MONKEY_PROVA", p.value("prova").toUtf8());

    const int matches = p.value("matches").toInt();
    if (p.isSet("replay"))
        return runSeeds(p.value("replay").toULongLong(), 1, matches, true);

    const quint64 from = p.value("from").toULongLong(), count = p.value("count").toULongLong();
    const int jobs = std::max(1, std::min(p.value("jobs").toInt(), int(count)));
    if (jobs == 1)
        return runSeeds(from, count, matches, false);

    QElapsedTimer clock;
    clock.start();
    std::vector<std::unique_ptr<QProcess>> children;
    for (int j = 0; j < jobs; ++j) {
        const quint64 share = count / quint64(jobs) + (quint64(j) < count % quint64(jobs) ? 1 : 0);
        const quint64 first = from + quint64(j) * (count / quint64(jobs)) + std::min<quint64>(quint64(j), count % quint64(jobs));
        auto child = std::make_unique<QProcess>();
        child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child->start(QCoreApplication::applicationFilePath(),
                     {"--from", QString::number(first), "--count", QString::number(share), "--matches",
                      QString::number(matches), "--jobs", "1"});
        children.push_back(std::move(child));
    }
    Totals t;
    int crashed = 0;
    for (auto& child : children) {
        child->waitForFinished(-1);
        const QStringList lines = QString::fromUtf8(child->readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        bool summed = false;
        for (const QString& line : lines) {
            if (line.startsWith(QLatin1String("TOTALS "))) {
                const QStringList f = line.split(u' ');
                t.seeds += f.value(1).toLongLong();
                t.matches += f.value(2).toLongLong();
                t.finished += f.value(3).toLongLong();
                t.inputs += f.value(4).toLongLong();
                t.failures += f.value(5).toLongLong();
                t.virtualSeconds += f.value(6).toDouble();
                t.courses += f.value(7).toLongLong();
                t.menus += f.value(8).toLongLong();
                for (const QString& w : f.value(9).split(u',', Qt::SkipEmptyParts))
                    t.windows.insert(w);
                summed = true;
            } else {
                print(line);
            }
        }
        if (!summed || child->exitStatus() != QProcess::NormalExit) {
            ++crashed;
            print(QStringLiteral("a process of seeds %1 stopped without its summary (exit code %2)")
                      .arg(child->arguments().value(1))
                      .arg(child->exitCode()));
        }
    }
    print(QStringLiteral("%1 seeds, %2 matches (%3 to the end, %10 courses won, %11 menus completed), %4 inputs, "
                         "%5 virtual hours, %6 windows, %7 failures, %8 crashed processes, %9 s")
              .arg(t.seeds)
              .arg(t.matches)
              .arg(t.finished)
              .arg(t.inputs)
              .arg(t.virtualSeconds / 3600, 0, 'f', 1)
              .arg(t.windows.size())
              .arg(t.failures)
              .arg(crashed)
              .arg(clock.elapsed() / 1000.0, 0, 'f', 1)
              .arg(t.courses)
              .arg(t.menus));
    return t.failures == 0 && crashed == 0 ? 0 : 1;
}
