#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <functional>
#include <stdexcept>

namespace orvanta {

// One station as the reader completes it, in the order the collection takes its fields.
struct PlaylistStation {
    qint16 NumEntries = 0;
    QString File;
    QString Title;
    qint16 Length = 0;

    bool operator==(const PlaylistStation&) const = default;
};

// A playlist file that cannot be read as one: missing, unreadable, too large, not a regular
// file, empty, or holding a line or value the reader cannot take.
class PlaylistReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class CommitResult { KeepReading, StopReading };

// Takes each station as soon as the reader completes it. It may end the reading quietly
// (StopReading) or by throwing; stations it took before stay taken either way.
using StationCommit = std::function<CommitResult(const PlaylistStation&)>;

// The longest first line that scan mode examines: its positions count in 16 bits.
inline constexpr qsizetype MaxScanModeLength = 32767;

// Reads a playlist's text, handing each completed station to commit.
//
// A first line that is "[playlist]" in any letter case is followed by line mode over the
// rest: lines end at CR or CR LF; a line starting "File" sets the address, "Titl" the title,
// "Leng" the length and completes a station with entry count 1. Values sit at fixed
// positions that fit a one-digit station number; nothing is trimmed and address and title
// carry over to the next station.
//
// Any other first line is read alone in scan mode, for files whose lines end with LF alone:
// text up to each LF is joined to a pending line, which is tested against the exact keys
// "[playlist]", "numberofentries=", "File1=", "Title1=" and "Length1=" and emptied when one
// matches; an unmatched line stays pending, so the text after it joins on. "Length1="
// completes a station. Text after the last LF is never examined.
//
// Throws PlaylistReadError when the text is empty, a line is too short for its value, the
// first line is longer than MaxScanModeLength in scan mode, or a number does not convert.
void readPlaylistText(const QString& text, const QLocale& locale, const StationCommit& commit);

// The same for the file at path, bounded and decoded as readPlaylistBytes and
// decodePlaylistText do. The file is closed before the first station is committed.
void readPlaylistFile(const QString& path, const QLocale& locale, const StationCommit& commit);

} // namespace orvanta
