#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <stdexcept>

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

// What a failed save left at its path.
enum class OldFile {
    None,      // there was no file: nothing was made
    Unchanged, // the old file holds exactly what it held before
    Damaged,   // the old file was written over and its old bytes could not be put back
};

// Why a playlist could not be saved, in words for the user, and what that left of the old file.
class PlaylistSaveError : public std::runtime_error {
public:
    PlaylistSaveError(const QString& reason, OldFile oldFile)
        : std::runtime_error(reason.toStdString()), m_reason(reason), m_oldFile(oldFile)
    {}
    const QString& reason() const { return m_reason; }
    OldFile oldFile() const { return m_oldFile; }

private:
    QString m_reason;
    OldFile m_oldFile;
};

// Puts bytes in the place of the file at path, or makes it; a symbolic link is followed and
// the file it names is replaced. The new file is written beside the old one and renamed over
// it, with the old file's owner, group and permissions. Where that cannot be (the folder takes
// no new file, the file has other hard links, or the owner cannot be kept), the old file is
// written in place, and on any failure its old bytes are put back. Folders, devices, pipes
// and sockets are refused untouched. Throws PlaylistSaveError on any failure.
void savePlaylistBytes(const QString& path, const QByteArray& bytes);

} // namespace orvanta
