// The entry of every test program: a Qt application, then the runner. Programs that show
// widgets get a QApplication on Qt's offscreen platform unless a display is asked for, and
// Qt's own dialogs, which they answer, whatever the desktop.
#if ORVANTA_WIDGETS
#include <QApplication>
#else
#include <QCoreApplication>
#endif
#include <gtest/gtest.h>

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
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
