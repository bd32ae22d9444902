#pragma once

#include <QByteArray>
#include <QByteArrayView>
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
QByteArray readPlaylistBytes(const QString& path);

// Whether every byte is below 0x80: then bytes and characters are one in either encoding.
bool isAscii(QByteArrayView bytes);

// The text of one line of a playlist file: UTF-8 when its bytes are valid UTF-8, with a
// byte-order mark kept as U+FEFF; otherwise Windows-1252, so legacy lines keep their
// accented titles and no byte is lost. Line by line, one odd line spoils no other.
QString decodePlaylistLine(QByteArrayView bytes);

} // namespace orvanta
