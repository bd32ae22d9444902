#include "formats/PlaylistFile.h"

#include "formats/PlaylistReader.h"

#include <QFile>
#include <QFileInfo>

namespace orvanta {

namespace {

constexpr qint64 ReadChunkBytes = 1024 * 1024;

PlaylistReadError tooLarge()
{
    return PlaylistReadError(
        0, QStringLiteral("the file is larger than %1 MiB, too large for a playlist").arg(MaxPlaylistFileBytes >> 20));
}

} // namespace

QByteArray readPlaylistBytes(const QString& path)
{
    // Checked before opening: opening a FIFO blocks, and a device may never end.
    const QFileInfo info(path);
    if (!info.exists())
        throw PlaylistReadError(0, QStringLiteral("the file does not exist"));
    if (info.isDir())
        throw PlaylistReadError(0, QStringLiteral("this is a folder, not a file"));
    if (!info.isFile())
        throw PlaylistReadError(0, QStringLiteral("this is not a regular file but a device, a pipe or a socket"));
    if (info.size() > MaxPlaylistFileBytes)
        throw tooLarge();

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PlaylistReadError(0, file.errorString());

    // Read in place into one buffer of the size seen above, one byte more so that the end
    // of the file is met by a read that comes back short or empty. A file that has grown
    // since gets further room a chunk at a time. A fresh buffer per chunk, copied onto
    // the end of the last, made loading a large playlist cost more than splitting its lines.
    QByteArray bytes(info.size() + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled <= MaxPlaylistFileBytes) {
        if (filled == bytes.size())
            bytes.resize(filled + ReadChunkBytes);
        const qint64 received = file.read(bytes.data() + filled, bytes.size() - filled);
        if (received <= 0)
            break;
        filled += received;
    }
    bytes.truncate(filled);
    if (file.error() != QFileDevice::NoError)
        throw PlaylistReadError(0, file.errorString());
    if (bytes.size() > MaxPlaylistFileBytes)
        throw tooLarge();
    return bytes;
}

} // namespace orvanta
