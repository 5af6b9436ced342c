#include <benchmark/benchmark.h>

#include "platform/application.h"

int main(int argc, char** argv)
{
    // The board's windows need the game's own application object; with no
    // display the benchmarks run headless.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    zolmera::Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
