#include "pls/PlaylistFile.h"

#include "pls/PlaylistReader.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>

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

// Writes from the file's start until size bytes or the first failure, with errno set;
// how many were written.
qint64 writeAtStart(int fd, const char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t step = ::pwrite(fd, data + done, size - done, done);
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
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

// Why no new file could be made at path, naming the folder where the folder is the cause.
QString makeFailure(const QString& path, const QString& error)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists())
        return QStringLiteral("the folder \"%1\" does not exist").arg(folder.filePath());
    return QStringLiteral("no file can be made in the folder \"%1\": %2").arg(folder.filePath(), error);
}

// Writes the new file beside the old one (old, where there is one) and renames it into its
// place, so the old file survives every failure whole and the new one appears only complete.
// False, leaving everything as it was, where the folder takes no new file or the new file
// cannot have the old one's owner and group: then only writing in place keeps them.
bool replaceBeside(const QString& path, const QByteArray& bytes, const struct stat* old)
{
    // Unbuffered because Qt 6.4's commit() misses a write that fails while it flushes its
    // buffer, and would put a cut-off file in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (old)
            return false;
        throw PlaylistSaveError(makeFailure(path, file.errorString()), OldFile::None);
    }
    // QSaveFile gave it the old file's permissions; the owner and group are this program's
    // to keep.
    if (old && ::fchown(file.handle(), old->st_uid, old->st_gid) != 0)
        return false;

    const OldFile left = old ? OldFile::Unchanged : OldFile::None;
    // A short write is followed by another, which then fails with the system's reason.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0)
            throw PlaylistSaveError(file.errorString(), left);
        written += step;
    }
    // commit() syncs as well but takes no notice of a failure to.
    if (::fsync(file.handle()) != 0)
        throw PlaylistSaveError(qt_error_string(errno), left);
    if (!file.commit())
        throw PlaylistSaveError(file.errorString(), left);
    return true;
}

// Writes bytes over the file at path, which keeps its inode and with it its links, owner,
// group and permissions. Every old byte is either written over or cut off at the end, so
// all of them are kept in memory first, and put back on any failure.
void writeInPlace(const QString& path, const QByteArray& bytes)
{
    const Descriptor file(openNow(path, O_RDWR));
    if (file.get() < 0)
        throw PlaylistSaveError(qt_error_string(errno), OldFile::Unchanged);
    const int fd = file.get();
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        throw PlaylistSaveError(qt_error_string(errno), OldFile::Unchanged);
    if (const QString refusal = notAFile(status.st_mode); !refusal.isEmpty())
        throw PlaylistSaveError(refusal, OldFile::None);

    QByteArray old;
    try {
        old.resize(status.st_size);
    } catch (const std::bad_alloc&) {
        throw PlaylistSaveError(QStringLiteral("there is not enough memory to keep the old file's content"),
                                OldFile::Unchanged);
    }
    const qint64 oldSize = readAt(fd, old.data(), old.size(), 0);
    if (oldSize < 0)
        throw PlaylistSaveError(qt_error_string(errno), OldFile::Unchanged);
    const qint64 newSize = bytes.size();

    // How much of the old file has been written over or cut off. Only that much is put back:
    // a write past a file-size limit would fail again.
    qint64 dirty = 0;
    const auto fail = [&](int error) {
        const bool restored =
            writeAtStart(fd, old.constData(), dirty) == dirty && ::ftruncate(fd, oldSize) == 0 && ::fsync(fd) == 0;
        throw PlaylistSaveError(qt_error_string(error), restored ? OldFile::Unchanged : OldFile::Damaged);
    };
    // Room reserved first makes a full disk fail before a single old byte is written over.
    if (newSize > oldSize && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, oldSize, newSize - oldSize) != 0
        && errno != EOPNOTSUPP)
        fail(errno);
    const qint64 written = writeAtStart(fd, bytes.constData(), newSize);
    dirty = std::min(written, oldSize);
    if (written < newSize)
        fail(errno);
    if (newSize < oldSize) {
        if (::ftruncate(fd, newSize) != 0)
            fail(errno);
        dirty = oldSize;
    }
    if (::fsync(fd) != 0)
        fail(errno);
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

void savePlaylistBytes(const QString& path, const QByteArray& bytes)
{
    // Followed through symbolic links, as the rename and the open below follow them.
    struct stat old {};
    const bool exists = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    // Renaming a regular file over a device or a pipe would replace it.
    if (const QString refusal = exists ? notAFile(old.st_mode) : QString(); !refusal.isEmpty())
        throw PlaylistSaveError(refusal, OldFile::None);
    if (exists && old.st_nlink > 1)
        return writeInPlace(path, bytes);
    if (!replaceBeside(path, bytes, exists ? &old : nullptr))
        writeInPlace(path, bytes);
}

} // namespace orvanta
