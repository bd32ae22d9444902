#include "pls/PlaylistFile.h"

#include "pls/PlaylistReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <utility>

namespace orvanta {

namespace {

constexpr qint64 ChunkBytes = 1024 * 1024;

// Closes the file descriptor it was given.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(Descriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
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

// Removes the files it names when it goes, unless they are kept: what a save made on the
// way and must not leave behind when it fails.
class MadeFiles {
public:
    explicit MadeFiles(const SystemCalls& calls) : m_calls(calls) {}
    MadeFiles(const MadeFiles&) = delete;
    MadeFiles& operator=(const MadeFiles&) = delete;
    ~MadeFiles()
    {
        const int error = errno;
        for (const QByteArray& path : std::as_const(m_paths))
            m_calls.unlink(path.constData());
        errno = error;
    }
    void add(const QString& path) { m_paths.append(QFile::encodeName(path)); }
    void keep() { m_paths.clear(); }

private:
    const SystemCalls& m_calls;
    QList<QByteArray> m_paths;
};

// Opens without waiting: opening a FIFO would wait for its other end, a terminal might
// become the program's own.
int openNow(const SystemCalls& calls, const QString& path, int access)
{
    int fd;
    do
        fd = calls.open(QFile::encodeName(path).constData(), access | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Reads from offset until size bytes or the end of the file; how many were read, or -1 with
// errno set.
qint64 readAt(const SystemCalls& calls, int fd, char* data, qint64 size, qint64 offset)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t step = calls.pread(fd, data + done, size - done, offset + done);
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

// Writes size bytes at offset, a chunk at a time, until done or the first failure, with errno
// set; how many were written.
qint64 writeAt(const SystemCalls& calls, int fd, const char* data, qint64 size, qint64 offset)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t step = calls.pwrite(fd, data + done, std::min(size - done, ChunkBytes), offset + done);
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0) {
            if (step == 0)
                errno = EIO;
            break;
        }
        done += step;
    }
    return done;
}

// Copies the first size bytes of one file to the same place in another, a chunk at a time,
// so that memory does not grow with the file; false with errno set on any failure, a file
// that ends early included.
bool copyStart(const SystemCalls& calls, int from, int to, qint64 size)
{
    QByteArray chunk(std::min(size, ChunkBytes), Qt::Uninitialized);
    for (qint64 done = 0; done < size;) {
        const qint64 step = std::min(size - done, ChunkBytes);
        const qint64 read = readAt(calls, from, chunk.data(), step, done);
        if (read >= 0 && read < step)
            errno = EIO;
        if (read < step || writeAt(calls, to, chunk.constData(), step, done) < step)
            return false;
        done += step;
    }
    return true;
}

QString randomLetters()
{
    static constexpr char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString text;
    for (int i = 0; i < 6; ++i)
        text += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]);
    return text;
}

// Tries make with stem, a dot and six random letters as the name until one is free, so that
// no file already there is touched; the last try's result, with errno set where it failed.
int underFreeName(const QString& stem, QString& name, const std::function<int(const QByteArray&)>& make)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem + u'.' + randomLetters();
        const int result = make(QFile::encodeName(name));
        if (result >= 0 || errno != EEXIST)
            return result;
    }
    return -1;
}

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

// Makes a new file in the folder of stem to be given its place once complete: without a name
// where the file system can, so that a save killed on the way leaves no part of a file
// behind, else (name set) under stem and random letters. -1 with errno set where the folder
// takes no new file.
int makeNewFile(const SystemCalls& calls, const QString& stem, mode_t mode, MadeFiles& made, QString& name)
{
    name.clear();
    const int unnamed = calls.open(QFile::encodeName(folderOf(stem)).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
    // Older kernels and some file systems know no unnamed files.
    if (unnamed >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return unnamed;
    const int fd = underFreeName(stem, name, [&](const QByteArray& candidate) {
        return calls.open(candidate.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    });
    if (fd >= 0)
        made.add(name);
    return fd;
}

// Gives the complete new file open at fd, made by makeNewFile, the name path: replacing the
// file there, or where replace is false, failing with EEXIST if there is one.
bool giveName(const SystemCalls& calls, int fd, QString& name, const QString& path, bool replace, MadeFiles& made)
{
    if (name.isEmpty() && !replace)
        return calls.link(fd, QFile::encodeName(path).constData()) == 0;
    // Only a rename replaces a file at once, and it moves a name.
    if (name.isEmpty()) {
        if (underFreeName(path, name,
                          [&](const QByteArray& candidate) { return calls.link(fd, candidate.constData()); })
            < 0)
            return false;
        made.add(name);
    }
    return calls.rename(QFile::encodeName(name).constData(), QFile::encodeName(path).constData(),
                        replace ? 0 : RENAME_NOREPLACE)
           == 0;
}

// Makes what a rename, a new file or a removed one did to a folder survive a power cut.
// A file system that cannot sync a folder says so with EINVAL and keeps it by itself.
bool syncFolder(const SystemCalls& calls, const QString& folder)
{
    const Descriptor fd(openNow(calls, folder, O_RDONLY | O_DIRECTORY));
    return fd.get() >= 0 && (calls.fsync(fd.get()) == 0 || errno == EINVAL);
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
QString makeFailure(const QString& path, int error)
{
    const QString folder = folderOf(path);
    if (error == ENOENT)
        return QStringLiteral("the folder \"") + folder + QStringLiteral("\" does not exist");
    return QStringLiteral("no file can be made in the folder \"") + folder + QStringLiteral("\": ")
           + qt_error_string(error);
}

// Writes the new file beside the old one (old, where there is one), syncs it and gives it its
// place, then syncs the folder: the old file survives every failure whole, and the
// new one appears only complete. False, leaving everything as it was, where the folder takes
// no new file or the new file cannot have the old one's owner and group: then only writing
// in place keeps them.
bool replaceBeside(const SystemCalls& calls, const QString& path, const QByteArray& bytes, const struct stat* old)
{
    MadeFiles made(calls);
    QString name;
    const Descriptor file(makeNewFile(calls, path, old ? old->st_mode & 0777 : 0666, made, name));
    const int fd = file.get();
    if (fd < 0 && !old)
        throw PlaylistSaveError(makeFailure(path, errno), OldFile::Absent);
    if (fd < 0 || (old && calls.fchown(fd, old->st_uid, old->st_gid) != 0))
        return false;
    // The mode once more: the umask may have taken bits from it.
    if ((old && calls.fchmod(fd, old->st_mode & 0777) != 0)
        || writeAt(calls, fd, bytes.constData(), bytes.size(), 0) < bytes.size() || calls.fsync(fd) != 0
        || !giveName(calls, fd, name, path, true, made))
        throw PlaylistSaveError(qt_error_string(errno), old ? OldFile::Unchanged : OldFile::Absent);
    made.keep();
    if (!syncFolder(calls, folderOf(path)))
        throw PlaylistSaveError(qt_error_string(errno), OldFile::Replaced);
    return true;
}

// Makes folder and every missing folder above it, readable by this user alone.
bool makeFolders(const SystemCalls& calls, const QString& folder)
{
    for (qsizetype end = folder.indexOf(u'/', 1);; end = folder.indexOf(u'/', end + 1)) {
        const QString part = end < 0 ? folder : folder.left(end);
        if (calls.mkdir(QFile::encodeName(part).constData(), 0700) != 0 && errno != EEXIST)
            return false;
        if (end < 0)
            return true;
    }
}

// Copies the first old.st_size bytes of the file open at from to a backup at path, with the
// old file's permissions, never wider. The copy is written and synced first, then given the
// name path, never replacing a file there, and the folder synced, so that a file
// at path always holds the whole old content. A backup in the state folder has its origin,
// the file it belongs to, noted in a file beside it before it appears. Adds what it made to
// backupFiles and gives the backup open; where anything fails, leaves nothing behind and
// gives -1 with errno set.
Descriptor copyToBackup(const SystemCalls& calls, int from, const struct stat& old, const QString& path,
                        const QString& origin, MadeFiles& backupFiles)
{
    MadeFiles made(calls);
    QString name;
    Descriptor copy(makeNewFile(calls, path, old.st_mode & 0777, made, name));
    mode_t mode = old.st_mode & 0777;
    // Group bits are for the old file's group alone.
    if (copy.get() >= 0 && calls.fchown(copy.get(), uid_t(-1), old.st_gid) != 0)
        mode &= ~S_IRWXG;
    if (copy.get() < 0 || calls.fchmod(copy.get(), mode) != 0 || !copyStart(calls, from, copy.get(), old.st_size)
        || calls.fsync(copy.get()) != 0)
        return Descriptor(-1);
    const QString originNote = path + BackupOriginSuffix;
    if (!origin.isEmpty()) {
        const QByteArray text = QFile::encodeName(origin);
        const Descriptor note(
            calls.open(QFile::encodeName(originNote).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (note.get() >= 0)
            made.add(originNote);
        if (note.get() < 0 || writeAt(calls, note.get(), text.constData(), text.size(), 0) < text.size()
            || calls.fsync(note.get()) != 0)
            return Descriptor(-1);
    }
    if (!giveName(calls, copy.get(), name, path, false, made))
        return Descriptor(-1);
    made.add(path);
    if (!syncFolder(calls, folderOf(path)))
        return Descriptor(-1);
    made.keep();
    backupFiles.add(path);
    if (!origin.isEmpty())
        backupFiles.add(originNote);
    return copy;
}

// Keeps the old content of the file at path, open at fd, in a backup: `<name>~` beside it, or
// where that cannot be made (the folder takes no new file, or a `<name>~` is there already,
// which may hold the only copy of older content), in the state folder under its name and
// random letters. Throws, leaving the file untouched, where neither can be made.
Descriptor keepBackup(const SystemCalls& calls, const QString& path, int fd, const struct stat& old,
                      MadeFiles& backupFiles, QString& backupPath)
{
    backupPath = path + u'~';
    if (Descriptor copy = copyToBackup(calls, fd, old, backupPath, {}, backupFiles); copy.get() >= 0)
        return copy;
    const QString folder = saveStateFolder();
    // Room for the letters, "~", the temporary copy's letters and the origin's suffix within
    // a file name's 255 bytes.
    QString name = QFileInfo(path).fileName();
    while (QFile::encodeName(name).size() > 200)
        name.chop(1);
    backupPath = folder + u'/' + name + u'.' + randomLetters() + u'~';
    if (makeFolders(calls, folder)) {
        const QString origin = QFileInfo(path).absoluteFilePath();
        if (Descriptor copy = copyToBackup(calls, fd, old, backupPath, origin, backupFiles); copy.get() >= 0)
            return copy;
    }
    throw PlaylistSaveError(QStringLiteral("no backup of the old content could be made beside it or in the folder \"")
                                + folder + QStringLiteral("\": ") + qt_error_string(errno),
                            OldFile::Unchanged);
}

// Writes bytes over the file at path, which keeps its inode and with it its links, owner,
// group and permissions. Its old content is kept in a backup first and put back from it on
// any failure; only where even that fails does the backup stay, named in the error.
void writeInPlace(const SystemCalls& calls, const QString& path, const QByteArray& bytes)
{
    const Descriptor file(openNow(calls, path, O_RDWR));
    const int fd = file.get();
    struct stat old {};
    if (fd < 0 || calls.fstat(fd, &old) != 0)
        throw PlaylistSaveError(qt_error_string(errno), OldFile::Unchanged);
    if (const QString refusal = notAFile(old.st_mode); !refusal.isEmpty())
        throw PlaylistSaveError(refusal, OldFile::Refused);
    if (old.st_size > MaxPlaylistFileBytes)
        throw PlaylistSaveError(
            QStringLiteral("the old file is larger than ") + QString::number(MaxPlaylistFileBytes >> 20)
                + QStringLiteral(" MiB, too large for a playlist, and is not written over in place"),
            OldFile::Unchanged);
    const qint64 oldSize = old.st_size;
    const qint64 newSize = bytes.size();
    // Room reserved first makes a full disk fail before a single old byte is written over.
    if (newSize > oldSize && calls.fallocate(fd, FALLOC_FL_KEEP_SIZE, oldSize, newSize - oldSize) != 0
        && errno != EOPNOTSUPP)
        throw PlaylistSaveError(qt_error_string(errno), OldFile::Unchanged);
    MadeFiles backupFiles(calls);
    QString backupPath;
    const Descriptor backup = keepBackup(calls, path, fd, old, backupFiles, backupPath);

    // How much of the old file has been written over or cut off. Only that much is put back:
    // a write past a file-size limit would fail again.
    qint64 dirty = 0;
    const auto fail = [&](int error) {
        if (copyStart(calls, backup.get(), fd, dirty) && calls.ftruncate(fd, oldSize) == 0 && calls.fsync(fd) == 0)
            throw PlaylistSaveError(qt_error_string(error), OldFile::Unchanged);
        backupFiles.keep();
        throw PlaylistSaveError(qt_error_string(error), OldFile::Kept, backupPath);
    };
    const qint64 written = writeAt(calls, fd, bytes.constData(), newSize, 0);
    dirty = std::min(written, oldSize);
    if (written < newSize || calls.ftruncate(fd, newSize) != 0)
        fail(errno);
    dirty = oldSize;
    if (calls.fsync(fd) != 0)
        fail(errno);
}

} // namespace

QByteArray readPlaylistBytes(const QString& path)
{
    const SystemCalls calls;
    // Examined once opened, not before: a check of the path could be outrun by a rename
    // that puts a FIFO there.
    const Descriptor file(openNow(calls, path, O_RDONLY));
    if (file.get() < 0)
        throw PlaylistReadError(0,
                                errno == ENOENT ? QStringLiteral("the file does not exist") : qt_error_string(errno));
    struct stat status {};
    if (calls.fstat(file.get(), &status) != 0)
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
            bytes.resize(filled + ChunkBytes);
        const qint64 received = readAt(calls, file.get(), bytes.data() + filled, bytes.size() - filled, filled);
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

void savePlaylistBytes(const QString& path, const QByteArray& bytes, const SystemCalls& calls)
{
    // The file a symbolic link names, even one not made yet: the new file replaces it and the
    // new file and the backup go beside it.
    QFileInfo target(path);
    for (int depth = 0; depth < 40 && target.isSymLink(); ++depth)
        target.setFile(target.symLinkTarget());
    const QString file = target.filePath();
    struct stat old {};
    const bool exists = calls.stat(QFile::encodeName(file).constData(), &old) == 0;
    // Renaming a regular file over a device or a pipe would replace it.
    if (const QString refusal = exists ? notAFile(old.st_mode) : QString(); !refusal.isEmpty())
        throw PlaylistSaveError(refusal, OldFile::Refused);
    if (exists && old.st_nlink > 1)
        return writeInPlace(calls, file, bytes);
    if (!replaceBeside(calls, file, bytes, exists ? &old : nullptr))
        writeInPlace(calls, file, bytes);
}

QString saveStateFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative path there is to be ignored.
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/orvanta-playlist-builder");
}

} // namespace orvanta
