// The main of the benchmarks that drive widgets: they need an application object,
// and they run offscreen so that no display is needed and no window manager or
// compositor adds its own noise to the figures.
#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Must be set before the application object chooses its platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
