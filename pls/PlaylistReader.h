#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <stdexcept>

namespace orvanta {

// One station as a reader completes it, in the order the collection takes its fields,
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

// No address or title longer than this is read, so every station the program holds can be
// written out and read back, whatever its number in the file.
inline constexpr qsizetype MaxValueLength = 65536;
// The longest text that a .pls file without a "[playlist]" header may have before its
// first CR: its positions count in 16 bits.
inline constexpr qsizetype MaxScanModeLength = 32767;

// Reads a playlist's bytes, handing each completed station to commit. The format is told by
// the content first ("#EXTM3U" at the start, an XSPF root element, a "[playlist]" header), then by the
// suffix of fileName (.m3u, .m3u8, .xspf); anything else is read as a .pls file without a
// header. A UTF-16 byte-order mark makes the text UTF-16; a UTF-8 one is dropped.
//
// .pls with a header: the lines after it (ending at CR, CR LF or LF) give the stations. A key
// File, Title or Length with the station's number and "=", in any letter case, gives the value
// after the "="; any other line starting "File", "Titl" or "Leng" gives its value at the fixed
// position that fits a one-digit number. A length line completes a station; so does, with
// length -1, the next address line or the end of the file after an address line. A station
// without a title line of its own is titled with its address; one without an address line
// takes the address before it. Nothing is trimmed.
// .pls without a header: only the text before the first CR is read, split at LF; lines
// pending until "[playlist]", "numberofentries=", "File1=", "Title1=" or "Length1=" matches
// them exactly; "Length1=" completes a station whose entry count is the last digit of the
// entry-count line.
// .m3u, .m3u8: each line neither blank nor a comment is an address; "#EXTINF:<seconds>,<title>"
// before it gives title and length, else the title is the address and the length -1.
// .xspf: each track's first location, its title (else the location) and its duration in
// seconds (else -1).
//
// Each line of a .pls or .m3u is text of its own, UTF-8 where it is valid UTF-8 and
// Windows-1252 otherwise; an .m3u8 is UTF-8. Throws PlaylistReadError where an address or
// title is longer than MaxValueLength, a headerless .pls longer than MaxScanModeLength before
// its first CR, a line too short for its value, a length no 16-bit number, or XML malformed.
void readPlaylist(QByteArray bytes, const QString& fileName, const QLocale& locale, const StationCommit& commit);

// The same for the file at path, read whole first (readPlaylistBytes). The file is closed
// before the first station is committed.
void readPlaylistFile(const QString& path, const QLocale& locale, const StationCommit& commit);

} // namespace orvanta
