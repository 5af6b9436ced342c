#include <benchmark/benchmark.h>

#include <QCoreApplication>

int main(int argc, char** argv)
{
    // The real event loop needs an application object.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
