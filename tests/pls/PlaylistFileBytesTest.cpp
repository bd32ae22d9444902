#include "pls/PlaylistFileBytes.h"
#include "pls/PlaylistReadError.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace orvanta;

namespace {

class PlaylistFileBytesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // A sparse file: its size costs no disk and no time to make.
    QString sparseFile(qint64 size, const QByteArray& start = "[playlist]\r\n")
    {
        const QString path = folder.filePath("sparse.pls");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(start);
        EXPECT_TRUE(file.resize(size));
        return path;
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(PlaylistFileBytesTest, ReadsAFileOfTheBoundWhole)
{
    const QByteArray bytes = readPlaylistBytes(sparseFile(MaxPlaylistFileBytes));
    EXPECT_EQ(bytes.size(), MaxPlaylistFileBytes);
    EXPECT_TRUE(bytes.startsWith("[playlist]\r\n"));
}

TEST_F(PlaylistFileBytesTest, RefusesWhatIsNoRegularFileOfTheBound)
{
    const QString fifo = folder.filePath("fifo.pls");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    for (const QString& path : {sparseFile(MaxPlaylistFileBytes + 1), folder.path(), fifo, QString("/dev/zero"),
                                folder.filePath("missing.pls"), QString()})
        EXPECT_THROW(readPlaylistBytes(path), PlaylistReadError) << path.toStdString();
}
