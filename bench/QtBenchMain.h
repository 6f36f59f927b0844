#pragma once
// Entry of the benchmarks that need a Qt application object: drawn off screen when there is
// no display.

#include <QApplication>
#include <benchmark/benchmark.h>

#define TQ_QT_BENCHMARK_MAIN(AppType)                                                          \
    int main(int argc, char** argv)                                                          \
    {                                                                                        \
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                         \
        AppType app(argc, argv);                                                             \
        benchmark::Initialize(&argc, argv);                                                  \
        if (benchmark::ReportUnrecognizedArguments(argc, argv))                              \
            return 1;                                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                 \
        benchmark::Shutdown();                                                               \
        return 0;                                                                            \
    }
