// The file's bytes as the import reads them: only from a regular file, up to the bound,
// and never waiting on what is not a regular file; a save in place killed at any moment.
#include "pls/PlaylistFile.h"
#include "FaultyCalls.h"
#include "GeneratedPlaylists.h"
#include "NamedCases.h"
#include "pls/PlaylistReader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <thread>
#include <utility>

using namespace orvanta;
using namespace orvanta::testing;

namespace {

class PlaylistFileBytesTest : public ::testing::Test {
protected:
    QString sparseFile(qint64 size)
    {
        QFile file(folder.filePath(QString::number(size)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write("[playlist]") == 10 && file.resize(size));
        return file.fileName();
    }
    // Why the file is refused; a refusal of the whole file names no line.
    static QString refusal(const QString& path)
    {
        try {
            readPlaylistBytes(path);
        } catch (const PlaylistReadError& error) {
            EXPECT_EQ(error.line(), 0);
            return error.reason();
        }
        return {};
    }
    QTemporaryDir folder;
};

// A save in place with its backup beside the file, or where the folder takes no new file (its
// second open fails), in the state folder.
struct KilledSave {
    const char* name;
    QList<Fault> faults;
};

class KilledSaveTest : public ::testing::TestWithParam<KilledSave> {};

} // namespace

// Refused unread, so that a sparse terabyte costs no time.
TEST_F(PlaylistFileBytesTest, ReadsAFileUpToTheBoundAndRefusesOneOverIt)
{
    EXPECT_EQ(readPlaylistBytes(sparseFile(MaxPlaylistFileBytes)).left(10), "[playlist]");
    EXPECT_EQ(refusal(sparseFile(MaxPlaylistFileBytes + 1)),
              "the file is larger than 32 MiB, too large for a playlist");
    EXPECT_EQ(refusal(sparseFile(1LL << 40)), refusal(sparseFile(MaxPlaylistFileBytes + 1)));
}

TEST_F(PlaylistFileBytesTest, RefusesWhatIsNoRegularFileWithoutWaitingOnIt)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("fifo")).constData(), 0600), 0);
    EXPECT_EQ(refusal(folder.filePath("fifo")), "this is not a regular file but a device, a pipe or a socket");
    EXPECT_EQ(refusal(folder.path()), "this is a folder, not a file");
}

// A FIFO renamed into the file's place at any moment, between a look at the path and the
// opening too, is refused at once. A read that waits on it longer than a second is let go
// by opening the FIFO to write, and fails the test rather than hanging it.
TEST_F(PlaylistFileBytesTest, AFifoSwappedInAtAnyMomentIsRefusedWithoutWaiting)
{
    const QString path = writeFile(folder.filePath("a.pls"), "[playlist]");
    const QByteArray names[] = {QFile::encodeName(path), QFile::encodeName(folder.filePath("b.pls"))};
    ASSERT_EQ(::mkfifo(names[1].constData(), 0600), 0);
    std::atomic<int> reads = 0;
    std::atomic<bool> waited = false;
    std::thread swapper([&] {
        QElapsedTimer sinceRead;
        for (int seen = -1; reads < 100000 && !waited;
             ::renameat2(AT_FDCWD, names[0], AT_FDCWD, names[1], RENAME_EXCHANGE)) {
            if (const int now = reads; now != seen) {
                seen = now;
                sinceRead.start();
            }
            waited = sinceRead.hasExpired(1000);
        }
        for (const QByteArray& name : names) { // lets a waiting read go
            if (const int writer = ::open(name, O_WRONLY | O_NONBLOCK); writer >= 0)
                ::close(writer);
        }
    });
    for (; reads < 100000 && !waited; ++reads) {
        try {
            EXPECT_EQ(readPlaylistBytes(path), "[playlist]");
        } catch (const PlaylistReadError& error) {
            EXPECT_TRUE(error.reason().contains("not a regular file")) << error.what();
        }
    }
    swapper.join();
    EXPECT_FALSE(waited);
}

// A child process saves over a file with another hard link and is killed just before its
// k-th system call, for every k: before and after each chunk of the backup and of the new
// content, each sync, rename and removal. Each time the old content is whole in the file or
// in a backup (one in the state folder noting the file it belongs to), or once the new content
// is whole, in the file; no part of a copy is left beside it; the save that ends leaves the new
// content and no backup.
TEST_P(KilledSaveTest, LeavesTheOldContentWholeInTheFileOrItsBackup)
{
    // Four chunks of a MiB, and three.
    const QByteArray older = generatedPlaylist(40000), newer = generatedPlaylist(27000, 50000);
    for (int k = 1;; ++k) {
        QTemporaryDir folder;
        const QString path = writeFile(folder.filePath("a.pls"), older);
        ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(path + "-link").constData()), 0);
        qputenv("XDG_STATE_HOME", QFile::encodeName(folder.path()));
        if (::fork() == 0) {
            FaultyCalls calls(GetParam().faults);
            calls.beforeEach = [&, count = 0]() mutable {
                if (++count == k)
                    ::raise(SIGKILL);
            };
            savePlaylistBytes(path, newer, calls.table());
            ::_exit(0);
        }
        int status = 0;
        ::wait(&status);
        const QDir state(folder.filePath("orvanta-playlist-builder"));
        QStringList backups;
        if (QFileInfo::exists(path + '~'))
            backups << path + '~';
        for (const QString& name : state.entryList({"*~"})) {
            backups << state.filePath(name);
            EXPECT_EQ(readPlaylistBytes(backups.last() + BackupOriginSuffix), QFile::encodeName(path));
        }
        const QByteArray now = readPlaylistBytes(path);
        if (WIFEXITED(status)) {
            EXPECT_EQ(std::tuple(WEXITSTATUS(status), now == newer, backups), std::tuple(0, true, QStringList()));
            EXPECT_GT(k, 20) << "a save of four chunks in place makes more calls";
            return;
        }
        ASSERT_EQ(WTERMSIG(status), SIGKILL);
        EXPECT_TRUE(QDir(folder.path()).entryList({"a.pls*"}).size() == 2 + QFileInfo::exists(path + '~'))
            << "killed before call " << k;
        bool whole = now == older || (now == newer && backups.isEmpty());
        for (const QString& backup : std::as_const(backups))
            whole = whole || readPlaylistBytes(backup) == older;
        ASSERT_TRUE(whole) << "killed before call " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(PlaylistFileSaveTest, KilledSaveTest,
                         ::testing::ValuesIn(std::vector<KilledSave>{
                             {"BackupBeside", {}}, {"BackupInTheStateFolder", {{Call::Open, 2, EACCES}}}}),
                         byName);
