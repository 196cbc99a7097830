// Start-up after the splash's second: from creating the main window to its home
// screen painted (pictures included, cache emptied each time).
#include "pictures/appearance.h"
#include "pictures/pictures.h"
#include "records/datafolder.h"
#include "shell/tform1.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
void HomeScreenPainted(benchmark::State &state)
{
    for (auto _ : state) {
        Pictures::clearCache();
        Tform1 form;
        form.show();
        benchmark::DoNotOptimize(form.grab());
    }
}
BENCHMARK(HomeScreenPainted)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installAppearance();
    QTemporaryDir data;
    DataFolder::setPath(data.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
