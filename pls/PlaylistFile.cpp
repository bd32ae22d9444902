#include "pls/PlaylistFile.h"

#include "pls/PlaylistReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

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
        throw PlaylistReadError("cannot read playlist file: " + path.toStdString());
    if (bytes.size() > MaxPlaylistFileBytes)
        throw PlaylistReadError("playlist file too large: " + path.toStdString());
    return bytes;
}

QString decodePlaylistText(QByteArrayView bytes)
{
    // Stateless so that a sequence cut off at the end counts as invalid; the byte-order
    // mark must stay in the text, since it decides how the first line is read.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;

    QStringDecoder windows1252("windows-1252");
    if (windows1252.isValid())
        return windows1252.decode(bytes);
    // Without the codec every byte still becomes one character; only 0x80..0x9F differ.
    return QString::fromLatin1(bytes);
}

} // namespace orvanta
