#pragma once
// The entry point of the benchmarks that open windows: a QApplication on the offscreen platform
// (unless another one is asked for) that does not quit when its windows close, the results engine
// set up as the program sets it up.

#include "analysis/clslotterydb.h"

#include <QApplication>
#include <benchmark/benchmark.h>

inline int runWindowBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    lotterydb::configureEngine();
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
