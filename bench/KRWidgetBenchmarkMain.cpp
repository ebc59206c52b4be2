// The main of the widget benchmarks: Google Benchmark inside a QApplication, on the offscreen
// platform unless another is asked for.
#include <benchmark/benchmark.h>
#include <cstdlib>

#include <QApplication>

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
