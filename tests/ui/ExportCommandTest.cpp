// The export against real files in a scratch folder: the cancel and the failures that must
// leave the disk as it was, saving in place where the folder takes no new file or the file
// has other links, what a failure keeps of the old file and its owner. (The bytes of each
// form: PlaylistWritingTest; the output list read back in its order and the form "Version 2"
// picks: ProgramPropertyTest; that form against real readers: RealReadersTest.)
#include "HeadlessProgram.h"

#include "pls/PlaylistFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <pwd.h>
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
    static QString failure(const QString& path, const QString& reason, bool oldFileKept = false)
    {
        return AppTitle + "|The playlist could not be saved." + (oldFileKept ? " The old file is unchanged." : "")
               + "\n" + path + ": " + reason;
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
    // the scratch folder root prepared in ORVANTA_PREPARED; its output shows in this one's.
    void rerunAsNobody(QStringList before = {})
    {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        before.append({"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups",
                       QFileInfo("/proc/self/exe").symLinkTarget(),
                       QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
        ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0777), 0);
        qputenv("ORVANTA_PREPARED", QFile::encodeName(folder.path()));
        EXPECT_EQ(QProcess::execute(before.takeFirst(), before), 0);
        qunsetenv("ORVANTA_PREPARED");
    }
};

} // namespace

// Root replacing nobody's file keeps its owner, group and permissions, then runs the rest
// as nobody. A file is replaced whole, or a failure leaves the disk as it was: an old file
// whole, a pipe a pipe, no temporary file left, and says why, naming the path, and where an
// old file was kept. Where the folder takes no new file, or the file has other hard links,
// or it is root's, the file is written in place if nobody may write it, keeping its links
// and owner, and a write cut short by a file-size limit puts the old bytes back. A cancel
// says nothing; an unknown title, after a known one, writes nothing at all.
TEST_F(ExportCommandTest, ASaveReplacesAFileWholeKeepingItsOwnerAndLinksOrLeavesTheDiskAsItWas)
{
    listStation(program.lst_Output, "Alpha", "http://a");
    if (::geteuid() == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        for (const auto& [name, owner] : {std::pair{"nobodys.pls", nobody->pw_uid}, std::pair{"roots.pls", 0u}}) {
            writeFile(at(name), "older");
            ASSERT_EQ(::chown(QFile::encodeName(at(name)).constData(), owner, nobody->pw_gid), 0);
            ASSERT_EQ(::chmod(QFile::encodeName(at(name)).constData(), 0664), 0);
        }
        exportTo(at("nobodys.pls"));
        struct stat status {};
        ASSERT_EQ(::stat(QFile::encodeName(at("nobodys.pls")).constData(), &status), 0);
        EXPECT_EQ(std::tuple(status.st_uid, status.st_gid, status.st_mode & 07777),
                  std::tuple(nobody->pw_uid, nobody->pw_gid, 0664u));
        return rerunAsNobody();
    }
    const QByteArray older(100, 'o');
    ASSERT_TRUE(QDir(folder.path()).mkdir("locked"));
    for (const char* name : {"locked/writable.pls", "locked/readonly.pls", "locked/capped.pls", "a.pls", "old.pls"})
        writeFile(at(name), older);
    ASSERT_EQ(::link(QFile::encodeName(at("a.pls")).constData(), QFile::encodeName(at("b.pls")).constData()), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("pipe.pls")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::setPermissions(at("locked/readonly.pls"), QFile::ReadOwner));
    ASSERT_TRUE(QFile::setPermissions(at("locked"), QFile::ReadOwner | QFile::ExeOwner));
    exportTo(ScriptedChooser::cancel());
    for (const char* name :
         {"locked/writable.pls", "locked/readonly.pls", "locked/new.pls", "a.pls", "new.pls", "pipe.pls"})
        exportTo(at(name));
    // Room for the header alone.
    for (const char* name : {"locked/capped.pls", "old.pls"})
        exportTo(at(name), 20);
    const QString roots = qEnvironmentVariable("ORVANTA_PREPARED") + "/roots.pls";
    if (QFile::exists(roots))
        exportTo(roots);
    program.lst_Output.AddItem("Ghost");
    exportTo(at("ghost.pls"));
    QFile::setPermissions(at("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Written whole and cut to size, as a new file is.
    const QByteArray written = readPlaylistBytes(at("new.pls"));
    EXPECT_EQ(readPlaylistBytes(at("locked/writable.pls")), written);
    EXPECT_EQ(readPlaylistBytes(at("b.pls")), written);
    for (const char* name : {"locked/readonly.pls", "locked/capped.pls", "old.pls"})
        EXPECT_EQ(readPlaylistBytes(at(name)), older) << name;
    EXPECT_EQ(program.messages.shown,
              QStringList({failure(at("locked/readonly.pls"), qt_error_string(EACCES), true),
                           failure(at("locked/new.pls"), "no file can be made in the folder \"" + at("locked")
                                                             + "\": " + qt_error_string(EACCES)),
                           failure(at("pipe.pls"), "this is not a regular file but a device, a pipe or a socket"),
                           failure(at("locked/capped.pls"), qt_error_string(EFBIG), true),
                           failure(at("old.pls"), qt_error_string(EFBIG), true),
                           failure(at("ghost.pls"), "No station entry has the title \"Ghost\".")}));
    EXPECT_EQ(QDir(at("locked")).entryList(QDir::Files), QStringList({"capped.pls", "readonly.pls", "writable.pls"}));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"a.pls", "b.pls", "locked", "new.pls", "old.pls", "pipe.pls"}));
    if (QFile::exists(roots)) {
        EXPECT_EQ(std::pair(QFileInfo(roots).ownerId(), readPlaylistBytes(roots)), std::pair(0u, written));
    }
}

// As a user saw it: a 20,000-byte playlist in a folder that takes no new file, on a nearly
// full disk, replaced by a longer one than there is room for. Root mounts a 64 KiB file
// system for it, seen by this test alone, and runs it as nobody there.
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
    listStation(program.lst_Output, QString(30000, u't'), "http://t");
    ASSERT_TRUE(QDir(disk).mkdir("locked"));
    const QByteArray older(20000, 'o');
    writeFile(path, older);
    // All but one page of what is left.
    QFile filler(disk + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    filler.write(QByteArray(64 << 10, 'f'));
    ASSERT_TRUE(filler.resize(filler.size() - 4096));
    ASSERT_TRUE(QFile::setPermissions(disk + "/locked", QFile::ReadOwner | QFile::ExeOwner));
    exportTo(path);
    EXPECT_EQ(readPlaylistBytes(path), older);
    EXPECT_EQ(program.messages.shown, QStringList(failure(path, qt_error_string(ENOSPC), true)));
}

// The save dialog offers the one format the export writes, not the import's others.
TEST_F(ExportCommandTest, TheSaveDialogOffersOnlyTheFormatItWrites)
{
    import({});
    exportTo(at("out.pls"));
    ASSERT_EQ(program.chooser.saved.size(), 1U);
    EXPECT_EQ(program.chooser.saved[0].filters, QList<FileTypeFilter>({{"(Shoutcast Playlist) *.pls", "*.pls"}}));
}
