#pragma once
// What every benchmark program starts with: Qt offscreen unless a display is asked
// for, the program's look, and an empty data folder of its own.
#include "pictures/appearance.h"
#include "records/datafolder.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

struct OffscreenUnlessAsked
{
    OffscreenUnlessAsked()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
};

struct BenchApplication : OffscreenUnlessAsked
{
    BenchApplication(int &argc, char **argv) : app(argc, argv)
    {
        installAppearance();
        DataFolder::setPath(data.path());
    }
    QApplication app;
    QTemporaryDir data;
};

// Runs the benchmarks registered so far (and those of the BENCHMARK macros).
inline int runBenchmarks(int &argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
