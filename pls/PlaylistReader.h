#pragma once

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <stdexcept>

namespace orvanta {

// One station as read, in the order the collection takes its fields, completed as every
// reader completes it (StationDraft), and the line it is named by: its address line, or
// the line it begins at where it has none.
struct PlaylistStation {
    qint16 NumEntries = 1;
    // Empty where the station has no address.
    QString File;
    QString Title;
    // -1 where it is unknown.
    qint16 Length = -1;
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

// What a playlist holds, as read.
struct PlaylistContent {
    // Every station, in the order the file gives them, those without an address too.
    QList<PlaylistStation> stations;
    // Why the reading stopped early; the stations are then those read before.
    std::optional<PlaylistReadError> failure;
    // The file is the playlist of one stream (HLS): it holds no stations.
    bool singleStream = false;
};

// No address or title longer than this is read, so every station the program holds can be
// written out and read back, whatever its number in the file.
inline constexpr qsizetype MaxValueLength = 65536;
// No file is read past this many stations, three import lists full: a file of 32 MiB may
// hold millions, which would take minutes and gigabytes.
inline constexpr qsizetype MaxStations = 100000;

// Reads a playlist's bytes. The format is told by the content first ("#EXTM3U" at the start,
// an XSPF root element, a "[playlist]" header, nothing but addresses), then by the suffix of
// fileName (.m3u, .m3u8, .xspf); anything else is read as a .pls file without a header. Each
// format's rules are in its reader's header. A UTF-16 byte-order mark makes the text UTF-16,
// an odd last byte dropped; a UTF-8 one is dropped.
PlaylistContent readPlaylist(QByteArray bytes, const QString& fileName, const QLocale& locale);

// The same for the file at path, read whole first (readPlaylistBytes); a file that cannot be
// read gives no stations and its failure.
PlaylistContent readPlaylistFile(const QString& path, const QLocale& locale);

} // namespace orvanta
