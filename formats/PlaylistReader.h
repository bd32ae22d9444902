#pragma once

#include <QByteArrayView>
#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <stdexcept>

namespace orvanta {

// One station as the reader completes it, in the order the collection takes its fields,
// and the line that completed it.
struct PlaylistStation {
    qint16 NumEntries = 0;
    QString File;
    QString Title;
    qint16 Length = 0;
    int line = 0;

    bool operator==(const PlaylistStation&) const = default;
};

// Why a playlist cannot be read on, in words for the user, and the line where that was
// found, counted from 1 as an editor counts lines; 0 where it is about the file as a whole.
class PlaylistReadError : public std::runtime_error {
public:
    PlaylistReadError(int line, const QString& reason)
        : std::runtime_error(reason.toStdString()), m_line(line), m_reason(reason)
    {}
    int line() const { return m_line; }
    const QString& reason() const { return m_reason; }

private:
    int m_line;
    QString m_reason;
};

enum class CommitResult { KeepReading, StopReading };

// Takes each station as soon as the reader completes it. It may end the reading quietly
// (StopReading) or by throwing; stations it took before stay taken either way.
using StationCommit = std::function<CommitResult(const PlaylistStation&)>;

// No line longer than this is read, so no title or address longer than it enters the program.
inline constexpr qsizetype MaxLineLength = 65536;
// The longest first line that scan mode examines: its positions count in 16 bits.
inline constexpr qsizetype MaxScanModeLength = 32767;

// Reads a playlist's bytes, handing each completed station to commit. Each line is text
// of its own, UTF-8 where it is valid UTF-8 and Windows-1252 otherwise.
//
// A first line that is "[playlist]" in any letter case is followed by line mode over the
// rest: lines end at CR or CR LF; a line starting "File" sets the address, "Titl" the title,
// "Leng" the length and completes a station with entry count 1. A value starts after the
// "=" of a key numbered with two digits or more ("File12="); otherwise at the fixed position
// that fits a one-digit number ("File1="). Nothing is trimmed, and address and title carry
// over to the next station.
//
// Any other first line is read alone in scan mode, for files whose lines end with LF alone:
// text up to each LF is joined to a pending line, which is tested against the exact keys
// "[playlist]", "numberofentries=", "File1=", "Title1=" and "Length1=" and emptied when one
// matches; an unmatched line stays pending, so the text after it joins on. "Length1="
// completes a station. Text after the last LF is never examined.
//
// Empty bytes hold no station. Throws PlaylistReadError where a line is longer than
// MaxLineLength, the first line longer than MaxScanModeLength in scan mode, a line too short
// for its value, or a number does not convert.
void readPlaylist(QByteArrayView bytes, const QLocale& locale, const StationCommit& commit);

// The same for the file at path, read whole as readPlaylistBytes does. The file is closed
// before the first station is committed.
void readPlaylistFile(const QString& path, const QLocale& locale, const StationCommit& commit);

} // namespace orvanta
