#include "formats/PlaylistFile.h"

#include "formats/PlaylistReader.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace orvanta {

namespace {

constexpr qint64 ReadChunkBytes = 1024 * 1024;

// Closes the file descriptor it was given.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Opens without waiting: opening a FIFO would wait for its other end, a terminal might
// become the program's own.
int openNow(const QString& path, int access)
{
    int fd;
    do
        fd = ::open(QFile::encodeName(path).constData(), access | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Reads from offset until size bytes or the end of the file; how many were read, or -1 with
// errno set.
qint64 readAt(int fd, char* data, qint64 size, qint64 offset)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t step = ::pread(fd, data + done, size - done, offset + done);
        if (step < 0 && errno == EINTR)
            continue;
        if (step < 0)
            return -1;
        if (step == 0)
            break;
        done += step;
    }
    return done;
}

// Why what is at a path is refused where a playlist file is wanted; empty for a regular file.
QString notAFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("this is a folder, not a file");
    if (!S_ISREG(mode))
        return QStringLiteral("this is not a regular file but a device, a pipe or a socket");
    return {};
}

PlaylistReadError tooLarge()
{
    return PlaylistReadError(
        0, QStringLiteral("the file is larger than %1 MiB, too large for a playlist").arg(MaxPlaylistFileBytes >> 20));
}

} // namespace

QByteArray readPlaylistBytes(const QString& path)
{
    // Examined once opened, not before: a check of the path could be outrun by a rename
    // that puts a FIFO there.
    const Descriptor file(openNow(path, O_RDONLY));
    if (file.get() < 0)
        throw PlaylistReadError(0,
                                errno == ENOENT ? QStringLiteral("the file does not exist") : qt_error_string(errno));
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        throw PlaylistReadError(0, qt_error_string(errno));
    if (const QString refusal = notAFile(status.st_mode); !refusal.isEmpty())
        throw PlaylistReadError(0, refusal);
    if (status.st_size > MaxPlaylistFileBytes)
        throw tooLarge();

    // Read in place into one buffer of the size seen above, one byte more so that the end
    // of the file is met by a read that comes back short or empty. A file that has grown
    // since gets further room a chunk at a time. A fresh buffer per chunk, copied onto
    // the end of the last, made loading a large playlist cost more than splitting its lines.
    QByteArray bytes(status.st_size + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled <= MaxPlaylistFileBytes) {
        if (filled == bytes.size())
            bytes.resize(filled + ReadChunkBytes);
        const qint64 received = readAt(file.get(), bytes.data() + filled, bytes.size() - filled, filled);
        if (received < 0)
            throw PlaylistReadError(0, qt_error_string(errno));
        filled += received;
        if (filled < bytes.size())
            break;
    }
    bytes.truncate(filled);
    if (bytes.size() > MaxPlaylistFileBytes)
        throw tooLarge();
    return bytes;
}

} // namespace orvanta
