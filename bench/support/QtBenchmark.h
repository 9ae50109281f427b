// The frame of every benchmark program that needs Qt: an application on the offscreen platform
// (unless another is asked for) that lives while the benchmarks run.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <benchmark/benchmark.h>

template <typename Application>
class QtBenchmark
{
public:
    QtBenchmark(int& argc, char** argv) : m_app((UseOffscreenUnlessAsked(), argc), argv)
    {
        benchmark::Initialize(&argc, argv);
    }

    int Run()
    {
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        return 0;
    }

private:
    static void UseOffscreenUnlessAsked()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    Application m_app;
};
