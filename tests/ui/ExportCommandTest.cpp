// The export against real files in a scratch folder: the cancel and the failures that must
// leave the disk as it was, saving where the folder takes no new file, and the exact bytes
// of both forms of a playlist that an import brought in.
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

// The folder is also the working directory, so that a write to the dialog's bare default
// name lands where the tests look.
class ExportCommandTest : public HeadlessProgramTest {
protected:
    void SetUp() override
    {
        HeadlessProgramTest::SetUp();
        QDir::setCurrent(folder.path());
        Module1::Playlists().Add(1, "http://a:8000", "Alpha", -1, "http://a:8000");
    }
    void TearDown() override
    {
        QDir::setCurrent(home);
        HeadlessProgramTest::TearDown();
    }

    QString at(const QString& name) const { return folder.filePath(name); }
    QStringList entries() const
    {
        return QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "<absent>";
    }
    QString failure(const QString& path, const QString& reason) const
    {
        return AppTitle + "|The playlist could not be saved.\n" + path + ": " + reason;
    }

    // A cap on the size of files this process writes makes a write fail part way, as on a
    // full disk (permission bits do not stop root); with SIGXFSZ ignored the write reports it.
    void exportTo(const QString& path, const QStringList& output, rlim_t sizeCap = RLIM_INFINITY)
    {
        program.chooser.answers = {path};
        program.lst_Output = MemoryListBox();
        for (const QString& title : output)
            program.lst_Output.AddItem(title);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit capped{std::min(sizeCap, old.rlim_cur), old.rlim_max};
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &capped), 0);
        btn_Export_Click(program.parts);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }

    const QString home = QDir::currentPath();
    QTemporaryDir folder;
    HeadlessProgram program;
};

} // namespace

// An old file stays whole, an absent path absent, a pipe a pipe, no temporary file is
// left; a failure names the path and the real cause.
TEST_F(ExportCommandTest, ACancelOrAFailureLeavesTheDiskAsItWas)
{
    writeFile(at("MyPlaylist.pls"), "older");
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("pipe.pls")).constData(), 0600), 0);
    QDir(folder.path()).mkdir("folder.pls");
    const struct {
        QString name;
        QStringList output;
        rlim_t sizeCap;
        QString reason;
    } rows[] = {
        {ScriptedChooser::cancel(), {"Alpha"}, RLIM_INFINITY, {}},
        {"missing/new.pls", {"Alpha"}, RLIM_INFINITY, "the folder \"" + at("missing") + "\" does not exist"},
        {"MyPlaylist.pls", {"Alpha"}, 20, qt_error_string(EFBIG)}, // room for the header alone
        {"new.pls", {"Alpha", "Ghost"}, RLIM_INFINITY, "No station entry has the title \"Ghost\"."},
        {"pipe.pls", {"Alpha"}, RLIM_INFINITY, "this is not a regular file but a device, a pipe or a socket"},
        {"folder.pls", {"Alpha"}, RLIM_INFINITY, "this is a folder, not a file"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        program.messages.shown.clear();
        const QString path = row.name.isNull() ? row.name : at(row.name);
        exportTo(path, row.output, row.sizeCap);
        EXPECT_EQ(program.messages.shown, row.reason.isNull() ? QStringList() : QStringList(failure(path, row.reason)));
        EXPECT_EQ(read(at("MyPlaylist.pls")), "older");
        EXPECT_EQ(entries(), QStringList({"folder.pls", "MyPlaylist.pls", "pipe.pls"}));
        EXPECT_FALSE(QFileInfo(at("pipe.pls")).isFile());
    }
}

// Where the folder takes no new file, a file the user may write is written in place, one
// the user may not write is left alone, and a new file is refused naming the folder.
// Permission bits do not stop root, so as root the test runs itself again as nobody.
TEST_F(ExportCommandTest, AFolderWithoutWritePermissionTakesThePlaylistInPlaceOnly)
{
    if (::geteuid() == 0) {
        const QString self = QFileInfo("/proc/self/exe").symLinkTarget();
        QProcess asNobody;
        asNobody.setProcessChannelMode(QProcess::MergedChannels);
        asNobody.start("setpriv",
                       {"--reuid=nobody", "--regid=nogroup", "--clear-groups", self,
                        "--gtest_filter=ExportCommandTest.AFolderWithoutWritePermissionTakesThePlaylistInPlaceOnly"});
        if (!asNobody.waitForFinished(60000) && asNobody.error() == QProcess::FailedToStart)
            GTEST_SKIP() << "running as root without setpriv, which would run this as an unprivileged user";
        EXPECT_EQ(asNobody.exitCode(), 0) << asNobody.readAll().toStdString();
        return;
    }
    const QString locked = at("locked");
    ASSERT_TRUE(QDir(folder.path()).mkdir("locked"));
    writeFile(locked + "/writable.pls", "older");
    writeFile(locked + "/readonly.pls", "older");
    ASSERT_TRUE(QFile::setPermissions(locked + "/readonly.pls", QFile::ReadOwner));
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));

    exportTo(locked + "/writable.pls", {"Alpha"});
    EXPECT_TRUE(read(locked + "/writable.pls").startsWith("[playlist]\r\nFile1=http://a:8000\r\n"));
    exportTo(locked + "/readonly.pls", {"Alpha"});
    EXPECT_EQ(read(locked + "/readonly.pls"), "older");
    exportTo(locked + "/new.pls", {"Alpha"});
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(program.messages.shown.size(), 2);
    EXPECT_TRUE(program.messages.shown[0].contains("readonly.pls")) << program.messages.shown[0].toStdString();
    EXPECT_EQ(program.messages.shown[1], failure(locked + "/new.pls", "no file can be made in the folder \"" + locked
                                                                          + "\": " + qt_error_string(EACCES)));
    EXPECT_EQ(QDir(locked).entryList(QDir::Files).join(' '), "readonly.pls writable.pls");
}

// The export after an import: the import's filter in the save dialog, and the titles decoded
// from a Windows-1252 file going out as UTF-8, in the Orvanta form or the standard one.
// (Reading an export back: ProgramPropertyTest.)
TEST_F(ExportCommandTest, AnImportedPlaylistGoesOutInExactBytesInEitherForm)
{
    Module1::reset();
    writeFile(at("MyPlaylist.pls"), QByteArray(4096, 'x'));
    exportTo(at("MyPlaylist.pls"), {});
    EXPECT_EQ(read(at("MyPlaylist.pls")), "[playlist]\r\n");
    // "Café € – Zürich" in Windows-1252.
    writeFile(
        at("legacy.pls"),
        "[Playlist]\r\nNumberOfEntries=3\r\nFile1=http://c.example:8000\r\n"
        "Title1=Caf\xE9 \x80 \x96 Z\xFCrich\r\nLength1=-1\r\nFile2=http://b.example:80\r\n"
        "Title2= B = b \r\nLength2=0\r\nFile3=http://a.example/?a=1&b=2\r\nTitle3=A\r\nLength3=240\r\nVersion=2\r\n");
    program.chooser.answers = {at("legacy.pls")};
    btn_Import_Click(program.parts);
    btn_AllAdd_Click(program.parts);
    exportTo(at("out.pls"), program.lst_Output.items());
    EXPECT_EQ(read(at("out.pls")),
              QByteArray("[playlist]\r\nFile1=http://c.example:8000\r\n"
                         "Title1=Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x93 Z\xC3\xBCrich\r\nLength1=-1\r\n\r\n"
                         "File1=http://b.example:80\r\nTitle1= B = b \r\nLength1=0\r\n\r\n"
                         "File1=http://a.example/?a=1&b=2\r\nTitle1=A\r\nLength1=240\r\n\r\n"));
    program.opt_V2.value = true;
    exportTo(at("out.pls"), program.lst_Output.items());
    EXPECT_EQ(read(at("out.pls")),
              QByteArray("[playlist]\r\nFile1=http://c.example:8000\r\n"
                         "Title1=Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x93 Z\xC3\xBCrich\r\nLength1=-1\r\n"
                         "File2=http://b.example:80\r\nTitle2= B = b \r\nLength2=0\r\n"
                         "File3=http://a.example/?a=1&b=2\r\nTitle3=A\r\nLength3=240\r\n"
                         "NumberOfEntries=3\r\nVersion=2\r\n"));
    EXPECT_TRUE(program.messages.shown.empty());

    ASSERT_EQ(program.chooser.saved.size(), 3u);
    EXPECT_TRUE(program.chooser.saved[0].filters.isEmpty());
    EXPECT_EQ(program.chooser.saved[1].filters, QList<FileTypeFilter>({{"(Shoutcast Playlist) *.pls", "*.pls"}}));
    for (const FileDialogRequest& request : program.chooser.saved)
        EXPECT_TRUE(request.fileName == "MyPlaylist.pls" && request.defaultExtension == ".pls");
}
