// The platform layer's costs: a countdown's wait must sleep, the game must
// start about as fast as a bare Qt window, and record files must be quick.
#include "tempo_cpu.h"

#include "platform/qt_eventloop.h"
#include "platform/recordfile.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {
using zolmera::bench::processCpuSeconds;

// A countdown of three real seconds with nothing happening: the goal is
// under 2% of one core.
void BM_RealWaitThreeSeconds(benchmark::State& state)
{
    zolmera::QtEventLoop loop;
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double c0 = processCpuSeconds();
        const double t0 = loop.now();
        loop.waitUntil(t0 + 3.0, [] { return false; });
        wall += loop.now() - t0;
        cpu += processCpuSeconds() - c0;
    }
    state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_RealWaitThreeSeconds)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

double timeStart(const QString& mode)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains("DISPLAY") && !env.contains("WAYLAND_DISPLAY"))
        env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(QStringLiteral(ZOLMERA_STARTUP_PROBE), {mode});
    p.waitForFinished(30000);
    return double(t.nsecsElapsed()) / 1e6;
}

// From process start to the start screen shown, against a bare Qt window
// started the same way in the same run: the goal is under 1.5 times.
void BM_StartupAgainstBareQt(benchmark::State& state)
{
    double bare = 0, game = 0;
    int runs = 0;
    for (auto _ : state) {
        bare += timeStart(QStringLiteral("bare"));
        game += timeStart(QStringLiteral("game"));
        ++runs;
    }
    state.counters["bare_ms"] = bare / runs;
    state.counters["game_ms"] = game / runs;
    state.counters["game_over_bare"] = game / bare;
}
BENCHMARK(BM_StartupAgainstBareQt)->Iterations(10)->Unit(benchmark::kMillisecond)->UseRealTime();

// One record written (the whole file replaced safely) and read back.
void BM_RecordWriteReadRoundTrip(benchmark::State& state)
{
    QTemporaryDir dir;
    zolmera::RecordFile file(dir.filePath(QStringLiteral("stagione.003")));
    zolmera::RecordWriter w;
    w.fixedText(QStringLiteral("ROSSI"), 11);
    w.int16(12);
    w.fixedText(QString(30, QLatin1Char('n')), 30);
    w.int32(125000);
    const int slotCount = int(state.range(0));
    int n = 0;
    for (auto _ : state) {
        const int slot = 1 + (n++ % slotCount);
        if (!file.writeSlot(slot, w.bytes()))
            state.SkipWithError("write failed");
        benchmark::DoNotOptimize(file.readSlot(slot));
    }
}
BENCHMARK(BM_RecordWriteReadRoundTrip)->Arg(2)->Arg(300)->Unit(benchmark::kMicrosecond);
}  // namespace
