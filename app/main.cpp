#include "ui/qt/PlayListMainWindow.h"

#include <QApplication>
#include <QIcon>

#include <csignal>
#include <cstdio>

namespace {

// Qt aborts with a toolkit message when it finds no display; say plainly what to do.
bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fputs("no display: Orvanta Playlist Builder is a desktop program; run it in a "
                   "desktop session, or under xvfb-run for a virtual display.\n",
                   stderr);
        return 1;
    }
    // Past a file-size limit a write then fails and the export puts the old file back,
    // where the signal would end the program half way through writing it.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    // The icons are compiled in; the desktop file name lets a Wayland compositor match
    // the window to the installed desktop entry.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/icon-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvanta.PlaylistBuilder"));
    orvanta::PlayListMainWindow window;
    window.show();
    return app.exec();
}
