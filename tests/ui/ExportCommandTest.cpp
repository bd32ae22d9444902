// The export against real files in a scratch folder: the cancel and the failures that must
// leave the disk as it was, saving where the folder takes no new file, and the bytes of a
// playlist that an import brought in, in either form.
#include "HeadlessProgram.h"

#include "ui/ExportCommand.h"
#include "ui/ImportCommand.h"
#include "ui/ListCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

using namespace orvanta;
using namespace orvanta::testing;

namespace {

class ExportCommandTest : public HeadlessProgramTest {
protected:
    QString at(const QString& name) const { return folder.filePath(name); }
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "<absent>";
    }
    static QString failure(const QString& path, const QString& reason)
    {
        return AppTitle + "|The playlist could not be saved.\n" + path + ": " + reason;
    }

    // A cap on the size of files this process writes makes a write fail part way, as on a
    // full disk; with SIGXFSZ ignored the write reports it. Both are put back after.
    void exportTo(const QString& path, rlim_t sizeCap = RLIM_INFINITY)
    {
        program.chooser.answers = {path};
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit capped{std::min(sizeCap, old.rlim_cur), old.rlim_max};
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &capped), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        btn_Export_Click(program.parts);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }

    QTemporaryDir folder;
    HeadlessProgram program;
};

} // namespace

// An old file stays whole, an absent path absent, a pipe a pipe, no temporary file is
// left; a failure names the path and the real cause.
TEST_F(ExportCommandTest, ACancelOrAFailureLeavesTheDiskAsItWas)
{
    Module1::Playlists().Add(1, "http://a:8000", "Alpha", -1, "http://a:8000");
    writeFile(at("old.pls"), "older");
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("pipe.pls")).constData(), 0600), 0);
    QDir(folder.path()).mkdir("folder.pls");
    const struct {
        QString name, title;
        rlim_t sizeCap;
        QString reason;
    } rows[] = {
        {ScriptedChooser::cancel(), "Alpha", RLIM_INFINITY, {}},
        {"missing/new.pls", "Alpha", RLIM_INFINITY, "the folder \"" + at("missing") + "\" does not exist"},
        {"old.pls", "Alpha", 20, qt_error_string(EFBIG)}, // room for the header alone
        {"new.pls", "Ghost", RLIM_INFINITY, "No station entry has the title \"Ghost\"."},
        {"pipe.pls", "Alpha", RLIM_INFINITY, "this is not a regular file but a device, a pipe or a socket"},
        {"folder.pls", "Alpha", RLIM_INFINITY, "this is a folder, not a file"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        program.messages.shown.clear();
        program.lst_Output = MemoryListBox();
        program.lst_Output.AddItem(row.title);
        const QString path = row.name.isNull() ? row.name : at(row.name);
        exportTo(path, row.sizeCap);
        EXPECT_EQ(program.messages.shown, row.reason.isNull() ? QStringList() : QStringList(failure(path, row.reason)));
        EXPECT_EQ(read(at("old.pls")), "older");
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList({"folder.pls", "old.pls", "pipe.pls"}));
    }
}

// Where the folder takes no new file, a file the user may write is written in place, one
// the user may not write is left alone, and a new file is refused naming the folder.
// Permission bits do not stop root, so as root the test runs itself again as nobody.
TEST_F(ExportCommandTest, AFolderWithoutWritePermissionTakesThePlaylistInPlaceOnly)
{
    if (::geteuid() == 0) {
        QProcess asNobody;
        asNobody.setProcessChannelMode(QProcess::MergedChannels);
        asNobody.start("setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                                   QFileInfo("/proc/self/exe").symLinkTarget(),
                                   "--gtest_filter=ExportCommandTest.AFolderWithoutWritePermission*"});
        if (!asNobody.waitForFinished(60000) && asNobody.error() == QProcess::FailedToStart)
            GTEST_SKIP() << "running as root without setpriv, which would run this as an unprivileged user";
        EXPECT_EQ(asNobody.exitCode(), 0) << asNobody.readAll().toStdString();
        return;
    }
    Module1::Playlists().Add(1, "http://a:8000", "Alpha", -1, "http://a:8000");
    program.lst_Output.AddItem("Alpha");
    const QString locked = at("locked");
    ASSERT_TRUE(QDir(folder.path()).mkdir("locked"));
    writeFile(locked + "/writable.pls", "older");
    writeFile(locked + "/readonly.pls", "older");
    ASSERT_TRUE(QFile::setPermissions(locked + "/readonly.pls", QFile::ReadOwner));
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    for (const char* name : {"/writable.pls", "/readonly.pls", "/new.pls"})
        exportTo(locked + name);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(read(locked + "/writable.pls").startsWith("[playlist]\r\nFile1=http://a:8000\r\n"));
    EXPECT_EQ(read(locked + "/readonly.pls"), "older");
    ASSERT_EQ(program.messages.shown.size(), 2);
    EXPECT_TRUE(program.messages.shown[0].contains("readonly.pls")) << program.messages.shown[0].toStdString();
    EXPECT_EQ(program.messages.shown[1], failure(locked + "/new.pls", "no file can be made in the folder \"" + locked
                                                                          + "\": " + qt_error_string(EACCES)));
    EXPECT_EQ(QDir(locked).entryList(QDir::Files), QStringList({"readonly.pls", "writable.pls"}));
}

// The export after an import: the import's filter in the save dialog, the titles decoded
// from a Windows-1252 file going out as UTF-8, and "Version 2" choosing the standard form.
// (Reading an export back: ProgramPropertyTest.)
TEST_F(ExportCommandTest, AnImportedPlaylistGoesOutInExactBytesInEitherForm)
{
    // Into the working folder, as the dialog's bare default name would be.
    const QString home = QDir::currentPath();
    QDir::setCurrent(folder.path());
    writeFile("MyPlaylist.pls", QByteArray(4096, 'x'));
    exportTo("MyPlaylist.pls");
    EXPECT_EQ(read("MyPlaylist.pls"), "[playlist]\r\n");
    // "Café € – Zürich" in Windows-1252.
    program.chooser.answers = {writeFile("legacy.pls", "[Playlist]\r\nFile1=http://c:8000\r\nTitle1=Caf\xE9 \x80 \x96 "
                                                       "Z\xFCrich\r\nLength1=-1\r\nFile12=http://a/?a=1&b=2\r\n"
                                                       "Title12=A = a \r\nLength12=240\r\nVersion=2\r\n")};
    btn_Import_Click(program.parts);
    btn_AllAdd_Click(program.parts);
    exportTo("out.pls");
    const QByteArray cafe = "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x93 Z\xC3\xBCrich";
    EXPECT_EQ(read("out.pls"), "[playlist]\r\nFile1=http://c:8000\r\nTitle1=" + cafe
                                   + "\r\nLength1=-1\r\n\r\n"
                                     "File1=http://a/?a=1&b=2\r\nTitle1=A = a \r\nLength1=240\r\n\r\n");
    program.opt_V2.value = true;
    exportTo("out.pls");
    EXPECT_EQ(read("out.pls"),
              "[playlist]\r\nFile1=http://c:8000\r\nTitle1=" + cafe
                  + "\r\nLength1=-1\r\nFile2="
                    "http://a/?a=1&b=2\r\nTitle2=A = a \r\nLength2=240\r\nNumberOfEntries=2\r\nVersion=2\r\n");
    QDir::setCurrent(home);
    EXPECT_TRUE(program.messages.shown.empty());
    ASSERT_EQ(program.chooser.saved.size(), 3u);
    EXPECT_TRUE(program.chooser.saved[0].filters.isEmpty());
    EXPECT_EQ(program.chooser.saved[2].filters.value(0), FileTypeFilter({"(Shoutcast Playlist) *.pls", "*.pls"}));
    for (const FileDialogRequest& request : program.chooser.saved)
        EXPECT_TRUE(request.fileName == "MyPlaylist.pls" && request.defaultExtension == ".pls");
}
