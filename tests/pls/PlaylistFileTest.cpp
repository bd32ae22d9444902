// The file's bytes as the import reads them: only from a regular file, up to the bound,
// and never waiting on what is not a regular file.
#include "pls/PlaylistFile.h"
#include "GeneratedPlaylists.h"
#include "pls/PlaylistReader.h"

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

// Reading stops at the bound, a sparse terabyte included; each refusal says why.
TEST(PlaylistFileBytesTest, ReadsUpToTheBoundFromRegularFilesOnly)
{
    QTemporaryDir folder;
    const auto sparseFile = [&](const QString& name, qint64 size) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write("[playlist]") == 10 && file.resize(size));
        return file.fileName();
    };
    EXPECT_EQ(readPlaylistBytes(sparseFile("bound.pls", MaxPlaylistFileBytes)).left(10), "[playlist]");
    const auto refusal = [](const QString& path) {
        try {
            return QString::number(readPlaylistBytes(path).size());
        } catch (const PlaylistReadError& error) {
            return error.reason() + '@' + QString::number(error.line());
        }
    };
    EXPECT_EQ(refusal(sparseFile("over.pls", MaxPlaylistFileBytes + 1)),
              "the file is larger than 32 MiB, too large for a playlist@0");
    EXPECT_EQ(refusal(sparseFile("tera.pls", 1LL << 40)), refusal(folder.filePath("over.pls")));
    EXPECT_EQ(refusal(folder.path()), "this is a folder, not a file@0");
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("fifo")).constData(), 0600), 0);
    EXPECT_EQ(refusal(folder.filePath("fifo")), "this is not a regular file but a device, a pipe or a socket@0");
    EXPECT_EQ(refusal("/dev/zero"), refusal(folder.filePath("fifo")));
    EXPECT_EQ(refusal(folder.filePath("missing.pls")), "the file does not exist@0");
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
