// The entry of every test and benchmark program: a Qt application, then the runner.
// Programs that show widgets get a QApplication on Qt's offscreen platform, unless a
// display is asked for explicitly.
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
    // The programs answer Qt's own dialogs; a desktop's theme would show its own in their place.
    qunsetenv("QT_QPA_PLATFORMTHEME");
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
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
