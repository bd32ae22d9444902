#include "ui/LeftBackups.h"
#include "ui/qt/PlayListMainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTimer>
#include <QUrl>

#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

// Whether Qt has a display to show the window on: the desktop session's, or a platform
// named for Qt in its environment or with its -platform option.
bool displayAvailable(int argc, char** argv)
{
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

// A file manager may hand over a file: URL where a path was asked for.
QString localPath(const QString& argument)
{
    const QUrl url(argument);
    return url.isLocalFile() ? url.toLocalFile() : argument;
}

} // namespace

int main(int argc, char** argv)
{
    // Without a display Qt aborts with a toolkit message before --help could answer; a
    // platform without windows serves the command line, then the program says what it lacks.
    const bool display = displayAvailable(argc, argv);
    if (!display)
        qputenv("QT_QPA_PLATFORM", "minimal");
    // Takes Qt's own options (-platform, -style, ...) out of the arguments.
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(ORVANTA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Builds one internet-radio playlist out of many. The files named are imported into the "
                       "import list one after another once the window shows."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QStringLiteral("Playlist files to import, as paths or file: URLs."),
                                 QStringLiteral("[files...]"));
    // A wrong option is a usage error, exit status 2; Qt's own handling would give 1.
    if (!parser.parse(QApplication::arguments())) {
        std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n",
                     qPrintable(QApplication::applicationName()), qPrintable(parser.errorText()),
                     qPrintable(QApplication::applicationName()));
        return 2;
    }
    // Answers --help, --help-all and --version, and ends the program there.
    parser.process(app);
    if (!display) {
        std::fputs("no display: Orvanta Playlist Builder is a desktop program; run it in a "
                   "desktop session, or under xvfb-run for a virtual display.\n",
                   stderr);
        return 1;
    }
    // Past a file-size limit a write then fails and the export puts the old file back,
    // where the signal would end the program half way through writing it.
    std::signal(SIGXFSZ, SIG_IGN);

    // The icons are compiled in; the desktop file name lets a Wayland compositor match
    // the window to the installed desktop entry.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/icon-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvanta.PlaylistBuilder"));
    orvanta::PlayListMainWindow window;
    window.show();
    // Once the window shows, so that the messages stand over it: first where the old content
    // kept by saves that did not end is, then the import's.
    QTimer::singleShot(0, &window, [&window] { orvanta::announceLeftBackups(window.parts().messageBox); });
    QStringList files;
    for (const QString& argument : parser.positionalArguments())
        files.append(localPath(argument));
    if (!files.isEmpty())
        QTimer::singleShot(0, &window, [&window, files] { window.importFiles(files); });
    return app.exec();
}
