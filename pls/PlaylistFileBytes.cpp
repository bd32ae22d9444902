#include "pls/PlaylistFileBytes.h"

#include "pls/PlaylistReadError.h"

#include <QFile>
#include <QFileInfo>

namespace orvanta {

namespace {
constexpr qint64 ReadChunkBytes = 1024 * 1024;
} // namespace

QByteArray readPlaylistBytes(const QString& path)
{
    // Checked before opening: opening a FIFO blocks, and a device may never end.
    const QFileInfo info(path);
    if (!info.isFile())
        throw PlaylistReadError("not a regular file: " + path.toStdString());
    if (info.size() > MaxPlaylistFileBytes)
        throw PlaylistReadError("playlist file too large: " + path.toStdString());

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PlaylistReadError("cannot open playlist file: " + path.toStdString());

    // Read in chunks rather than trusting the size seen above: the file may have grown.
    QByteArray bytes;
    while (bytes.size() <= MaxPlaylistFileBytes) {
        const QByteArray chunk = file.read(ReadChunkBytes);
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        throw PlaylistReadError("cannot read playlist file: " + path.toStdString());
    if (bytes.size() > MaxPlaylistFileBytes)
        throw PlaylistReadError("playlist file too large: " + path.toStdString());
    return bytes;
}

} // namespace orvanta
