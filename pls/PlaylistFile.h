#pragma once

#include "pls/SystemCalls.h"

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
    Absent,    // there was no file: nothing was made
    Refused,   // what is there is no regular file, and it was left untouched
    Unchanged, // the old file holds exactly what it held before
    Kept,      // the old file was written over and could not be put back: backup() holds its old content
    Replaced,  // the new playlist is in place, but its folder could not be synced, so the old file may come back
};

// Why a playlist could not be saved, in words for the user, and what that left of the old file.
class PlaylistSaveError : public std::runtime_error {
public:
    PlaylistSaveError(const QString& reason, OldFile oldFile, const QString& backup = {})
        : std::runtime_error(reason.toStdString()), m_reason(reason), m_oldFile(oldFile), m_backup(backup)
    {}
    const QString& reason() const { return m_reason; }
    OldFile oldFile() const { return m_oldFile; }
    const QString& backup() const { return m_backup; }

private:
    QString m_reason;
    OldFile m_oldFile;
    QString m_backup;
};

// Puts bytes in the place of the file at path, or makes it; a symbolic link is followed and
// the file it names is replaced. The new file is written beside the old one, synced, renamed
// over it and its folder synced, with the old file's owner, group and permissions. Where that
// cannot be (the folder takes no new file, the file has other hard links, or the owner cannot
// be kept), the old file is written in place, only up to MaxPlaylistFileBytes: its old
// content is first copied to a synced backup, `<name>~` beside it or, where that cannot be
// made, one in saveStateFolder(); the backup goes once the new content is synced, or once the
// old content is put back after a failure. Folders, devices, pipes and sockets are refused
// untouched. Throws PlaylistSaveError on any failure.
void savePlaylistBytes(const QString& path, const QByteArray& bytes, const SystemCalls& calls = {});

// Where a save in place keeps the old content when it cannot keep it beside the file:
// $XDG_STATE_HOME/orvanta-playlist-builder, by default ~/.local/state/orvanta-playlist-builder.
// Each backup there has beside it a file named as it is followed by BackupOriginSuffix, which
// holds the full path of the file it belongs to. Empty where the environment names no folder.
QString saveStateFolder();
inline const QString BackupOriginSuffix = QStringLiteral(".origin");

} // namespace orvanta
