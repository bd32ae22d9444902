// The export against real files in a scratch folder, with the disk failing on cue where a
// test plants faults in the system calls: what each failure says and leaves on disk, and the
// roads a save takes to keep a file's links, owner and old content. (The bytes of each
// form: PlaylistWritingTest; the output list read back in its order and the form "Version 2"
// picks: ProgramPropertyTest; that form against real readers: RealPlayersTest.)
#include "FaultyCalls.h"
#include "HeadlessProgramTest.h"

#include "pls/PlaylistFile.h"
#include "ui/LeftBackups.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

using namespace orvanta;
using namespace orvanta::testing;

namespace {

// The file the user picks: none there yet, an old one with one link, replaced beside it, or
// an old one with another hard link, link.pls, so written in place. An old file holds 20
// bytes, fewer than the new playlist, with mode 0660.
enum class Target { NoFile, OneLink, TwoLinks };
using enum Target;
using enum Call;
const QByteArray Old(20, 'o');

class ExportCommandTest : public HeadlessProgramTest {
protected:
    void SetUp() override
    {
        HeadlessProgramTest::SetUp();
        qputenv("XDG_STATE_HOME", QFile::encodeName(at("state")));
        listStation(program.lst_Output, "Alpha", "http://Alpha/");
    }
    void TearDown() override
    {
        qunsetenv("XDG_STATE_HOME");
        HeadlessProgramTest::TearDown();
    }

    // The playlist files target puts in the folder.
    QStringList prepare(Target target)
    {
        if (target == NoFile)
            return {};
        writeFile(path, Old);
        EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), 0660), 0);
        if (target == OneLink)
            return {"old.pls"};
        EXPECT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(at("link.pls")).constData()), 0);
        return {"link.pls", "old.pls"};
    }
    bool exportTo(const QString& chosen, const SystemCalls& calls = {})
    {
        program.chooser.answers = {chosen};
        return btn_Export_Click(program.parts, calls);
    }
    // Every playlist file in the folder, temporary files and backups included.
    QStringList playlistFiles() const
    {
        return QDir(folder.path()).entryList(QDir::Files | QDir::System | QDir::Hidden).filter(".pls");
    }
    QStringList stateFiles() const { return QDir(stateFolder).entryList(QDir::Files | QDir::System | QDir::Hidden); }
    static struct stat status(const QString& file)
    {
        struct stat status {};
        EXPECT_EQ(::stat(QFile::encodeName(file).constData(), &status), 0);
        return status;
    }
    QString message(const QString& outcome, const QString& reason) const
    {
        return AppTitle + '|' + outcome + '\n' + path + ": " + reason;
    }

    const QString path = at("old.pls");
    const QString stateFolder = at("state/orvanta-playlist-builder");
    const QByteArray saved = playlistOf({"Alpha"});
};

// What a failed save says in its message, and what it leaves: no new file where there was
// none, the old file whole, or its old content in its backup, and nothing else.
enum class Said { NotSaved, NoFileInTheFolder, Unchanged, UnchangedNoBackup, KeptInBackup, SavedNotSynced };
using enum Said;

struct FailingSave {
    const char* name;
    Target target;
    Said said;
    int error;
    QList<Fault> faults;
};

class FailingSaveTest : public ExportCommandTest, public ::testing::WithParamInterface<FailingSave> {};

TEST_P(FailingSaveTest, SaysWhatBecameOfTheOldFileAndLeavesNothingElse)
{
    const FailingSave& save = GetParam();
    QStringList left = prepare(save.target);
    FaultyCalls calls(save.faults);
    EXPECT_FALSE(exportTo(path, calls.table()));

    const QString reason = qt_error_string(save.error), notSaved = "The playlist could not be saved.",
                  unchanged = notSaved + " The old file is unchanged.";
    const std::map<Said, std::pair<QString, QString>> messages = {
        {NotSaved, {notSaved, reason}},
        {NoFileInTheFolder, {notSaved, "no file can be made in the folder \"" + folder.path() + "\": " + reason}},
        {Unchanged, {unchanged, reason}},
        {UnchangedNoBackup,
         {unchanged,
          "no backup of the old content could be made beside it or in the folder \"" + stateFolder + "\": " + reason}},
        {KeptInBackup, {notSaved + " The old content is kept in " + path + "~.", reason}},
        {SavedNotSynced,
         {"The playlist was saved, but its folder could not be synced: after a power cut the old file may be back.",
          reason}}};
    EXPECT_EQ(program.messages.shown,
              QStringList(message(messages.at(save.said).first, messages.at(save.said).second)));
    if (save.said == KeptInBackup) {
        left.append("old.pls~");
        EXPECT_EQ(readPlaylistBytes(path + '~'), Old);
        EXPECT_EQ(status(path + '~').st_mode & 07777, 0660u);
    } else if (save.target != NoFile) {
        EXPECT_EQ(readPlaylistBytes(path), save.said == SavedNotSynced ? saved : Old);
    }
    EXPECT_EQ(playlistFiles(), left);
    EXPECT_EQ(stateFiles(), QStringList());
}

// The calls of a save beside: open (of a file without a name), fchown, fchmod, pwrite, fsync,
// link to a temporary name, rename, fsync of the folder. Of a save in place: open of the file,
// fallocate, then the backup's open, fchown, fchmod, pread and pwrite, fsync, link and fsync of
// the folder (in the state folder with a note of its origin, written and synced, before the
// link), then pwrite to the file, ftruncate, fsync; on failure pread and pwrite back,
// ftruncate, fsync.
const FailingSave failingSaves[] = {
    {"NewFileNotWritten", NoFile, NotSaved, ENOSPC, {{Pwrite, 1, ENOSPC}}},
    {"NewFileInAFolderThatTakesNone", NoFile, NoFileInTheFolder, EACCES, {{Open, 1, EACCES}}},
    {"WriteBesideCutShort", OneLink, Unchanged, ENOSPC, {{Pwrite, 1, ShortWrite}, {Pwrite, 2, ENOSPC}}},
    {"PermissionsBesideRefused", OneLink, Unchanged, EPERM, {{Fchmod, 1, EPERM}}},
    {"SyncBesideFailing", OneLink, Unchanged, EIO, {{Fsync, 1, EIO}}},
    {"NewFileNotNamed", OneLink, Unchanged, EIO, {{Link, Every, EIO}}},
    {"RenameFailing", OneLink, Unchanged, EIO, {{Rename, 1, EIO}}},
    {"FolderSyncFailing", OneLink, SavedNotSynced, EIO, {{Fsync, 2, EIO}}},
    {"OpenInPlaceRefused", TwoLinks, Unchanged, EACCES, {{Open, 1, EACCES}}},
    {"NoRoomToReserve", TwoLinks, Unchanged, ENOSPC, {{Fallocate, 1, ENOSPC}}},
    {"NoFolderForABackup", TwoLinks, UnchangedNoBackup, EACCES, {{Open, 2, EACCES}, {Mkdir, Every, EACCES}}},
    {"BackupNotReadFromTheOldFile", TwoLinks, UnchangedNoBackup, EIO, {{Pread, Every, EIO}}},
    {"BackupNotWritten", TwoLinks, UnchangedNoBackup, ENOSPC, {{Pwrite, Every, ENOSPC}}},
    {"BackupNotSynced", TwoLinks, UnchangedNoBackup, EIO, {{Fsync, Every, EIO}}},
    {"BackupNotNamed", TwoLinks, UnchangedNoBackup, EIO, {{Link, Every, EIO}}},
    {"WriteInPlaceCutShort", TwoLinks, Unchanged, ENOSPC, {{Pwrite, 2, ShortWrite}, {Pwrite, 3, ENOSPC}}},
    {"CutInPlaceFailing", TwoLinks, Unchanged, EIO, {{Ftruncate, 1, EIO}}},
    {"SyncInPlaceFailing", TwoLinks, Unchanged, EIO, {{Fsync, 3, EIO}}},
    {"NotPutBack", TwoLinks, KeptInBackup, ENOSPC, {{Pwrite, 2, ShortWrite}, {Pwrite, 3, ENOSPC}, {Pwrite, 4, EIO}}}};
INSTANTIATE_TEST_SUITE_P(ExportCommandTest, FailingSaveTest, ::testing::ValuesIn(failingSaves), byName);

// The playlist is saved whole, in place where that keeps what replacing would lose, and
// nothing is left behind: no temporary file, no backup.
struct RoutedSave {
    const char* name;
    Target target;
    bool inPlace;
    QList<Fault> faults;
};

class RoutedSaveTest : public ExportCommandTest, public ::testing::WithParamInterface<RoutedSave> {};

TEST_P(RoutedSaveTest, SavesWholeAndLeavesNothingElse)
{
    const RoutedSave& save = GetParam();
    const QStringList files = prepare(save.target);
    const ino_t before = status(path).st_ino;
    FaultyCalls calls(save.faults);
    EXPECT_TRUE(exportTo(path, calls.table()));
    EXPECT_EQ(program.messages.shown, QStringList());
    EXPECT_EQ(readPlaylistBytes(path), saved);
    EXPECT_EQ(status(path).st_ino == before, save.inPlace);
    EXPECT_EQ(playlistFiles(), files);
    EXPECT_EQ(stateFiles(), QStringList());
}

const RoutedSave routedSaves[] = {{"FolderTakingNoNewFileInPlace", OneLink, true, {{Open, 1, EACCES}}},
                                  {"OwnerNotKeptBesideInPlace", OneLink, true, {{Fchown, 1, EPERM}}},
                                  {"BackupInTheStateFolder", TwoLinks, true, {{Open, 2, EACCES}}},
                                  {"FolderSyncUnknownToTheFileSystem", OneLink, false, {{Fsync, 2, EINVAL}}},
                                  {"FilesWithoutANameUnknownToTheFileSystem", OneLink, false, {{Open, 1, EOPNOTSUPP}}}};
INSTANTIATE_TEST_SUITE_P(ExportCommandTest, RoutedSaveTest, ::testing::ValuesIn(routedSaves), byName);

} // namespace

// A `<name>~` left by an earlier save may hold the only copy of older content: the backup
// goes to the state folder instead.
TEST_F(ExportCommandTest, ABackupBesideLeftEarlierIsNeverOverwritten)
{
    prepare(TwoLinks);
    writeFile(path + '~', "older");
    EXPECT_TRUE(exportTo(path));
    EXPECT_EQ(readPlaylistBytes(path + '~'), "older");
    EXPECT_TRUE(QDir(stateFolder).exists());
}

// Group bits are the old file's group's: a backup of another group has none.
TEST_F(ExportCommandTest, ABackupWithoutTheOldGroupIsReadableByItsOwnerAlone)
{
    prepare(TwoLinks);
    FaultyCalls calls({{Fchown, 1, EPERM}, {Pwrite, 2, ShortWrite}, {Pwrite, 3, ENOSPC}, {Pwrite, 4, EIO}});
    EXPECT_FALSE(exportTo(path, calls.table()));
    EXPECT_EQ(status(path + '~').st_mode & 07777, 0600u);
}

// The save could not put the old content back: it says where it is, and so does the next
// start, once.
TEST_F(ExportCommandTest, ABackupLeftInTheStateFolderIsNamedOnceAtTheNextStart)
{
    prepare(TwoLinks);
    // The backup's copy and its origin's note are the first two writes.
    FaultyCalls calls({{Open, 2, EACCES}, {Pwrite, 3, ShortWrite}, {Pwrite, 4, ENOSPC}, {Pwrite, 5, EIO}});
    exportTo(path, calls.table());
    const QStringList backups = QDir(stateFolder).entryList({"*~"});
    ASSERT_EQ(backups.size(), 1);
    const QString backup = stateFolder + '/' + backups[0];
    announceLeftBackups(program.messages);
    announceLeftBackups(program.messages);
    EXPECT_EQ(program.messages.shown,
              QStringList({message("The playlist could not be saved. The old content is kept in " + backup + '.',
                                   qt_error_string(ENOSPC)),
                           AppTitle
                               + "|Earlier saves did not end, and the old content they had kept is still there:\n"
                                 "The old content of "
                               + path + " is kept in " + backup + '.'}));
    EXPECT_EQ(readPlaylistBytes(backup), Old);
}

// Refused at once, without reading a byte of it, so that a huge file costs no time or memory.
TEST_F(ExportCommandTest, AFileLargerThanAPlaylistIsNotWrittenInPlace)
{
    prepare(TwoLinks);
    ASSERT_TRUE(QFile::resize(path, 1LL << 40));
    EXPECT_FALSE(exportTo(path));
    EXPECT_EQ(program.messages.shown,
              QStringList(message("The playlist could not be saved. The old file is unchanged.",
                                  "the old file is larger than 32 MiB, too large for a playlist, and is not written "
                                  "over in place")));
    EXPECT_EQ(QFileInfo(path).size(), 1LL << 40);
    EXPECT_EQ(playlistFiles(), QStringList({"link.pls", "old.pls"}));
}

// The link stays a link, and the file it names holds the playlist.
TEST_F(ExportCommandTest, ASymbolicLinkKeepsNamingTheFileItReplaces)
{
    prepare(OneLink);
    ASSERT_TRUE(QFile::link(path, at("shortcut.pls")));
    EXPECT_TRUE(exportTo(at("shortcut.pls")));
    EXPECT_EQ(QFileInfo(at("shortcut.pls")).symLinkTarget(), path);
    EXPECT_EQ(readPlaylistBytes(path), saved);
}

// Named with its invisible character as a code, the pipe is left a pipe.
TEST_F(ExportCommandTest, APipeIsRefusedUntouched)
{
    const QString pipe = at(QStringLiteral("pipe\u202Eslp.pls"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(exportTo(pipe));
    EXPECT_EQ(program.messages.shown,
              QStringList(AppTitle + "|The playlist could not be saved.\n" + at("pipe<U+202E>slp.pls")
                          + ": this is not a regular file but a device, a pipe or a socket"));
}

// All titles are found before the disk is touched.
TEST_F(ExportCommandTest, AnUnknownTitleWritesNothing)
{
    program.lst_Output.AddItem("Ghost");
    EXPECT_FALSE(exportTo(path));
    EXPECT_EQ(program.messages.shown,
              QStringList(message("The playlist could not be saved.", "No station entry has the title \"Ghost\".")));
    EXPECT_EQ(QDir(folder.path()).isEmpty(), true);
}

// Root replacing nobody's file keeps its owner, group and permissions.
TEST_F(ExportCommandTest, AReplacedFileKeepsItsOwnerGroupAndPermissions)
{
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() != 0 || !nobody)
        GTEST_SKIP() << "only root can give a file to another user";
    prepare(OneLink);
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid), 0);
    EXPECT_TRUE(exportTo(path));
    const struct stat replaced = status(path);
    EXPECT_EQ(std::tuple(replaced.st_uid, replaced.st_gid, replaced.st_mode & 07777),
              std::tuple(nobody->pw_uid, nobody->pw_gid, 0660u));
}

// As a user saw it: a 20,000-byte playlist with another hard link, on a nearly full disk,
// replaced by a longer one than there is room for. Root mounts a 64 KiB file system for it,
// seen by this test alone, and runs the test again inside.
TEST_F(ExportCommandTest, AFullDiskLeavesAFileWrittenInPlaceWhole)
{
    const QString disk = qEnvironmentVariable("ORVANTA_DISK");
    if (disk.isEmpty()) {
        ASSERT_TRUE(QDir(folder.path()).mkdir("disk"));
        if (::geteuid() != 0 || QProcess::execute("unshare", {"--mount", "mount", "-t", "tmpfs", "tmpfs", at("disk")}))
            GTEST_SKIP() << "only root can mount the small file system this test fills";
        qputenv("ORVANTA_DISK", QFile::encodeName(at("disk")));
        EXPECT_EQ(QProcess::execute("unshare",
                                    {"--mount", "sh", "-c", R"(mount -t tmpfs -o size=64k tmpfs "$0" && exec "$@")",
                                     at("disk"), QFileInfo("/proc/self/exe").symLinkTarget(),
                                     QStringLiteral("--gtest_filter=*.")
                                         + ::testing::UnitTest::GetInstance()->current_test_info()->name()}),
                  0);
        qunsetenv("ORVANTA_DISK");
        return;
    }
    const QString file = disk + "/w.pls";
    listStation(program.lst_Output, QString(30000, u't'), "http://t");
    const QByteArray older(20000, 'o');
    writeFile(file, older);
    ASSERT_EQ(::link(QFile::encodeName(file).constData(), QFile::encodeName(disk + "/link.pls").constData()), 0);
    // All but one page of what is left.
    QFile filler(disk + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    filler.write(QByteArray(64 << 10, 'f'));
    ASSERT_TRUE(filler.resize(filler.size() - 4096));
    EXPECT_FALSE(exportTo(file));
    EXPECT_EQ(readPlaylistBytes(file), older);
    EXPECT_EQ(program.messages.shown,
              QStringList(AppTitle + "|The playlist could not be saved. The old file is unchanged.\n" + file + ": "
                          + qt_error_string(ENOSPC)));
}
