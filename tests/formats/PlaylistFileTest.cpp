// The file's bytes as the import reads them: only from a regular file, up to the bound,
// and never waiting on what is not a regular file.
#include "formats/PlaylistFile.h"
#include "GeneratedPlaylists.h"
#include "formats/PlaylistReader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <thread>
#include <utility>

using namespace orvanta;

TEST(PlaylistFileBytesTest, ReadsUpToTheBoundFromRegularFilesOnly)
{
    QTemporaryDir folder;
    const auto sparseFile = [&](const QString& name, qint64 size) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write("[playlist]") == 10 && file.resize(size));
        return file.fileName();
    };
    const QByteArray whole = readPlaylistBytes(sparseFile("bound.pls", MaxPlaylistFileBytes));
    EXPECT_EQ(whole.size(), MaxPlaylistFileBytes);
    EXPECT_TRUE(whole.startsWith("[playlist]"));

    const QString fifo = folder.filePath("fifo.pls");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A sparse terabyte: reading it whole would exhaust memory. Each refusal says why.
    const std::pair<QString, QString> refused[] = {
        {sparseFile("over.pls", MaxPlaylistFileBytes + 1), "larger than 32 MiB"},
        {sparseFile("tera.pls", 1LL << 40), "larger than 32 MiB"},
        {folder.path(), "folder"},
        {fifo, "not a regular file"},
        {"/dev/zero", "not a regular file"},
        {folder.filePath("missing.pls"), "does not exist"}};
    for (const auto& [path, reason] : refused) {
        try {
            readPlaylistBytes(path);
            ADD_FAILURE() << path.toStdString() << " was read";
        } catch (const PlaylistReadError& error) {
            EXPECT_TRUE(error.reason().contains(reason) && error.line() == 0) << error.what();
        }
    }
}

// A FIFO renamed into the file's place at any moment, between a look at the path and the
// opening too, is refused at once. A read that waits on it longer than a second is let go
// by opening the FIFO to write, and fails the test rather than hanging it.
TEST(PlaylistFileBytesTest, AFifoSwappedInAtAnyMomentIsRefusedWithoutWaiting)
{
    QTemporaryDir folder;
    const QString path = orvanta::testing::writeFile(folder.filePath("a.pls"), "[playlist]");
    const QByteArray names[] = {QFile::encodeName(path), QFile::encodeName(folder.filePath("b.pls"))};
    ASSERT_EQ(::mkfifo(names[1].constData(), 0600), 0);
    constexpr int Rounds = 100000;
    std::atomic<int> round = 0;
    std::atomic<bool> waited = false;
    const auto racing = [&] { return round < Rounds && !waited; };
    std::thread swapper([&] {
        QElapsedTimer sinceRound;
        sinceRound.start();
        for (int seen = 0; racing(); ::renameat2(AT_FDCWD, names[0], AT_FDCWD, names[1], RENAME_EXCHANGE)) {
            if (round != seen) {
                seen = round;
                sinceRound.restart();
            } else if (sinceRound.hasExpired(1000)) {
                waited = true;
                for (const QByteArray& name : names)
                    if (const int writer = ::open(name, O_WRONLY | O_NONBLOCK); writer >= 0)
                        ::close(writer);
            }
        }
    });
    for (; racing(); ++round) {
        try {
            EXPECT_EQ(readPlaylistBytes(path), "[playlist]");
        } catch (const PlaylistReadError& error) {
            EXPECT_TRUE(error.reason().contains("not a regular file")) << error.what();
        }
    }
    swapper.join();
    EXPECT_FALSE(waited);
}
