// Start-up after the splash's second: from creating the main window to its home
// screen painted (pictures included, cache emptied each time).
#include "benchmain.h"
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
    BenchApplication application(argc, argv);
    return runBenchmarks(argc, argv);
}
