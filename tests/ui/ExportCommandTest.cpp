// The export against real files in a scratch folder: the cancel and the failures that must
// leave the disk as it was, saving in place where the folder takes no new file or the file
// has other links, what a failure keeps of the old file and its owner, and what the export
// hands the writer.
#include "HeadlessProgram.h"

#include "formats/PlaylistWriter.h"
#include "ui/ExportCommand.h"
#include "ui/ImportCommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <tuple>
#include <utility>

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
    static QString failure(const QString& path, const QString& reason, bool oldFileKept = false)
    {
        return AppTitle + "|The playlist could not be saved." + (oldFileKept ? " The old file is unchanged." : "")
               + "\n" + path + ": " + reason;
    }
    static struct stat statusOf(const QString& path)
    {
        struct stat status {};
        EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0) << path.toStdString();
        return status;
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

    // Permission bits do not stop root, so as root a test runs itself again as nobody, behind
    // the command line `before` (to mount a file system first, say). The run as nobody finds
    // the scratch folder root prepared in ORVANTA_PREPARED.
    void rerunAsNobody(QStringList before = {})
    {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        before += QStringList{"setpriv",
                              "--reuid=nobody",
                              "--regid=nogroup",
                              "--clear-groups",
                              QFileInfo("/proc/self/exe").symLinkTarget(),
                              QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())};
        ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0777), 0);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ORVANTA_PREPARED", folder.path());
        QProcess asNobody;
        asNobody.setProcessEnvironment(environment);
        asNobody.setProcessChannelMode(QProcess::MergedChannels);
        asNobody.start(before.takeFirst(), before);
        if (!asNobody.waitForFinished(60000) && asNobody.error() == QProcess::FailedToStart)
            GTEST_SKIP() << "running as root without " << asNobody.program().toStdString()
                         << ", which would run this as an unprivileged user";
        EXPECT_EQ(asNobody.exitCode(), 0) << asNobody.readAll().toStdString();
    }

    QTemporaryDir folder;
    HeadlessProgram program;
};

struct FailureCase {
    std::string name;
    QString file, title; // a null file cancels the dialog
    rlim_t sizeCap;
    QString reason; // <folder> stands for the scratch folder
    bool oldFileKept;
};

class ExportFailureTest : public ExportCommandTest, public ::testing::WithParamInterface<FailureCase> {};

} // namespace

// An old file stays whole, an absent path absent, a pipe a pipe, no temporary file is
// left; a failure names the path and the real cause, and says where an old file was kept.
TEST_P(ExportFailureTest, LeavesTheDiskAsItWas)
{
    const FailureCase& row = GetParam();
    Module1::Playlists().Add(1, "http://a:8000", "Alpha", -1, "http://a:8000");
    writeFile(at("old.pls"), "older");
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("pipe.pls")).constData(), 0600), 0);
    QDir(folder.path()).mkdir("folder.pls");
    program.lst_Output.AddItem(row.title);
    const QString path = row.file.isNull() ? row.file : at(row.file);
    exportTo(path, row.sizeCap);
    const QString reason = QString(row.reason).replace("<folder>", folder.path());
    EXPECT_EQ(program.messages.shown,
              row.reason.isNull() ? QStringList() : QStringList(failure(path, reason, row.oldFileKept)));
    EXPECT_EQ(read(at("old.pls")), "older");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"folder.pls", "old.pls", "pipe.pls"}));
}

INSTANTIATE_TEST_SUITE_P(
    ExportCommandTest, ExportFailureTest,
    ::testing::Values(FailureCase{"Cancel", ScriptedChooser::cancel(), "Alpha", RLIM_INFINITY, {}, false},
                      FailureCase{"MissingFolder", "missing/new.pls", "Alpha", RLIM_INFINITY,
                                  "the folder \"<folder>/missing\" does not exist", false},
                      // Room for the header alone.
                      FailureCase{"FileSizeLimit", "old.pls", "Alpha", 20, qt_error_string(EFBIG), true},
                      FailureCase{"UnknownTitle", "new.pls", "Ghost", RLIM_INFINITY,
                                  "No station entry has the title \"Ghost\".", false},
                      FailureCase{"Pipe", "pipe.pls", "Alpha", RLIM_INFINITY,
                                  "this is not a regular file but a device, a pipe or a socket", false},
                      FailureCase{"Folder", "folder.pls", "Alpha", RLIM_INFINITY, "this is a folder, not a file",
                                  false}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// Where the folder takes no new file or the file has other hard links, the file is written
// in place if the user may write it, keeping its links, and a write cut short by a file-size
// limit puts the old bytes back; a file the user may not write is left alone, and a new file
// is refused naming the folder.
TEST_F(ExportCommandTest, AFileIsWrittenInPlaceWhereItMustBeAndKeptWholeIfThatFails)
{
    if (::geteuid() == 0)
        return rerunAsNobody();
    Module1::Playlists().Add(1, "http://a:8000", "Alpha", -1, "http://a:8000");
    program.lst_Output.AddItem("Alpha");
    const QString locked = at("locked");
    ASSERT_TRUE(QDir(folder.path()).mkdir("locked"));
    const QByteArray older(100, 'o');
    for (const QString& path :
         {locked + "/writable.pls", locked + "/readonly.pls", locked + "/capped.pls", at("a.pls")})
        writeFile(path, older);
    ASSERT_EQ(::link(QFile::encodeName(at("a.pls")).constData(), QFile::encodeName(at("b.pls")).constData()), 0);
    ASSERT_TRUE(QFile::setPermissions(locked + "/readonly.pls", QFile::ReadOwner));
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    for (const char* name : {"/writable.pls", "/readonly.pls", "/new.pls"})
        exportTo(locked + name);
    exportTo(locked + "/capped.pls", 20);
    exportTo(at("a.pls"));
    exportTo(at("beside.pls"));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Written whole and cut to size, as a new file would be.
    EXPECT_EQ(read(locked + "/writable.pls"), read(at("beside.pls")));
    EXPECT_EQ(read(at("b.pls")), read(at("beside.pls")));
    EXPECT_EQ(read(locked + "/readonly.pls"), older);
    EXPECT_EQ(read(locked + "/capped.pls"), older);
    EXPECT_EQ(program.messages.shown,
              QStringList({failure(locked + "/readonly.pls", qt_error_string(EACCES), true),
                           failure(locked + "/new.pls",
                                   "no file can be made in the folder \"" + locked + "\": " + qt_error_string(EACCES)),
                           failure(locked + "/capped.pls", qt_error_string(EFBIG), true)}));
    EXPECT_EQ(QDir(locked).entryList(QDir::Files), QStringList({"capped.pls", "readonly.pls", "writable.pls"}));
}

// As a user saw it: a 20,000-byte playlist in a folder that takes no new file, on a nearly
// full disk, replaced by 300 stations that need more room than is left. Root mounts a 64 KiB
// file system for it, seen by this test alone, and runs it as nobody there.
TEST_F(ExportCommandTest, AFullDiskLeavesAFileWrittenInPlaceWhole)
{
    if (::geteuid() == 0) {
        ASSERT_TRUE(QDir(folder.path()).mkdir("disk"));
        if (QProcess::execute("unshare", {"--mount", "mount", "-t", "tmpfs", "tmpfs", at("disk")}) != 0)
            GTEST_SKIP() << "root may mount no file system in a mount namespace of its own here";
        return rerunAsNobody({"unshare", "--mount", "sh", "-c",
                              R"(mount -t tmpfs -o size=64k,mode=0777 tmpfs "$0" && exec "$@")", at("disk")});
    }
    if (qEnvironmentVariableIsEmpty("ORVANTA_PREPARED"))
        GTEST_SKIP() << "only root can mount the small file system this test fills";
    const QString disk = qEnvironmentVariable("ORVANTA_PREPARED") + "/disk", path = disk + "/locked/w.pls";
    for (const QString& title : generatedTitles(300)) {
        Module1::Playlists().Add(1, "http://" + title, title, -1, "http://" + title);
        program.lst_Output.AddItem(title);
    }
    ASSERT_TRUE(QDir(disk).mkdir("locked"));
    const QByteArray older(20000, 'o');
    writeFile(path, older);
    // All but one page of what is left.
    QFile filler(disk + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) == 4096) {
    }
    ASSERT_TRUE(filler.resize(filler.size() - 4096));
    ASSERT_TRUE(QFile::setPermissions(disk + "/locked", QFile::ReadOwner | QFile::ExeOwner));
    exportTo(path);
    EXPECT_EQ(read(path), older);
    EXPECT_EQ(program.messages.shown, QStringList(failure(path, qt_error_string(ENOSPC), true)));
}

// Root replacing nobody's file keeps its owner, group and permissions. Nobody replacing
// root's file, which it may write, cannot make the new file root's, so writes it in place.
TEST_F(ExportCommandTest, AReplacedFileKeepsItsOwnerGroupAndPermissions)
{
    const QString prepared = qEnvironmentVariable("ORVANTA_PREPARED");
    if (::geteuid() != 0 && prepared.isEmpty())
        GTEST_SKIP() << "only root can make files of two users";
    Module1::Playlists().Add(1, "http://a:8000", "Alpha", -1, "http://a:8000");
    program.lst_Output.AddItem("Alpha");
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    if (::geteuid() != 0) {
        exportTo(prepared + "/roots.pls");
        EXPECT_EQ(statusOf(prepared + "/roots.pls").st_uid, 0u);
        EXPECT_TRUE(read(prepared + "/roots.pls").startsWith("[playlist]\r\n"));
        return;
    }
    for (const auto& [name, owner] : {std::pair{"nobodys.pls", nobody->pw_uid}, std::pair{"roots.pls", 0u}}) {
        writeFile(at(name), "older");
        ASSERT_EQ(::chown(QFile::encodeName(at(name)).constData(), owner, nobody->pw_gid), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(at(name)).constData(), 0664), 0);
    }
    exportTo(at("nobodys.pls"));
    const struct stat status = statusOf(at("nobodys.pls"));
    EXPECT_EQ(std::tuple(status.st_uid, status.st_gid, status.st_mode & 07777),
              std::tuple(nobody->pw_uid, nobody->pw_gid, 0664u));
    rerunAsNobody();
}

// What the export decides: the dialog's settings each time, with the import's filter once an
// import has run; the path as chosen, a bare name in the working folder; the stations behind
// the output list in its order, in the form "Version 2" picks. (The bytes of each form:
// PlaylistWritingTest; reading an export back: ProgramPropertyTest.)
TEST_F(ExportCommandTest, HandsTheOutputListToTheWriterInTheChosenForm)
{
    const QString home = QDir::currentPath();
    QDir::setCurrent(folder.path());
    exportTo("MyPlaylist.pls");
    program.chooser.answers = {writeFile("in.pls", playlistOf({"Alpha", "Beta"}))};
    btn_Import_Click(program.parts);
    program.lst_Output.AddItem("Beta");
    program.lst_Output.AddItem("Alpha");
    exportTo("v1.pls");
    program.opt_V2.value = true;
    exportTo("v2.pls");
    QDir::setCurrent(home);
    const QList<PlaylistEntry> listed = {Module1::Playlists().findPlaylist("Beta"),
                                         Module1::Playlists().findPlaylist("Alpha")};
    EXPECT_EQ(read(at("MyPlaylist.pls")), writePlaylist({}, PlaylistFormat::Orvanta));
    EXPECT_EQ(read(at("v1.pls")), writePlaylist(listed, PlaylistFormat::Orvanta));
    EXPECT_EQ(read(at("v2.pls")), writePlaylist(listed, PlaylistFormat::Standard));
    EXPECT_TRUE(program.messages.shown.empty());
    ASSERT_EQ(program.chooser.saved.size(), 3u);
    EXPECT_TRUE(program.chooser.saved[0].filters.isEmpty());
    EXPECT_EQ(program.chooser.saved[2].filters.value(0), FileTypeFilter({"(Shoutcast Playlist) *.pls", "*.pls"}));
    for (const FileDialogRequest& request : program.chooser.saved)
        EXPECT_TRUE(request.fileName == "MyPlaylist.pls" && request.defaultExtension == ".pls");
}
