#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace orvanta {

// The largest playlist file read. A full import list of 32,767 stations written with long
// addresses and titles stays well below it, while a large binary or a runaway file is
// refused before it can exhaust memory.
inline constexpr qint64 MaxPlaylistFileBytes = 32 * 1024 * 1024;

// The whole content of the regular file at path. Throws PlaylistReadError when the path
// names no regular file (a directory, a device, a FIFO), cannot be opened or read, or
// holds more than MaxPlaylistFileBytes; never reads more than a chunk past that bound.
// Never waits: a FIFO or a device is refused once opened, before anything is read from it.
QByteArray readPlaylistBytes(const QString& path);

} // namespace orvanta
