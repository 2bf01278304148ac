#pragma once

#include <QtGlobal>
#include <benchmark/benchmark.h>

// Headless unless told otherwise: the benchmarks draw, they show nothing.
inline void plateformeSansEcran()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Runs the benchmarks the command line names, once the caller has its Qt
// application.
inline int lanceBenchmarks(int &argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
