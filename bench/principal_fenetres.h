#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

// The main() of the benchmarks that drive windows: offscreen unless told otherwise, one
// QApplication, then Google Benchmark with the reporter given (its console one by default).
inline int executerBancsFenetres(int argc, char** argv, benchmark::BenchmarkReporter* rapport = nullptr)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks(rapport);
    benchmark::Shutdown();
    return 0;
}
