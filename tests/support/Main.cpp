// The entry of every test and benchmark program: a Qt application, then the runner.
// Programs that show widgets get a QApplication on Qt's offscreen platform unless a
// display is asked for, and Qt's own dialogs, which they answer, whatever the desktop.
#if ORVANTA_WIDGETS
#include <QApplication>
#else
#include <QCoreApplication>
#endif
#if ORVANTA_BENCHMARK
#include <benchmark/benchmark.h>
#else
#include <gtest/gtest.h>
#endif

int main(int argc, char** argv)
{
#if ORVANTA_WIDGETS
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    const QApplication app(argc, argv);
#else
    const QCoreApplication app(argc, argv);
#endif
#if ORVANTA_BENCHMARK
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
#else
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
#endif
}
