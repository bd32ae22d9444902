#pragma once

// What the readers of the single formats share; the program reads through readPlaylist.

#include "pls/PlaylistReader.h"
#include "pls/PlaylistText.h"

namespace orvanta {

// The value, unless it is longer than MaxValueLength: then the reading fails at that line.
// `what` names the value for the user ("address", "title").
QString boundedValue(QString value, const char* what, int line);

// Moves lines past a .pls file's "[playlist]" header, skipping the blank lines, comments or
// MIME type before it; false when an address, title or length line or the end comes first.
bool skipPlsHeader(PlaylistLines& lines);
// The lines of a .pls file after its header.
void readPlsLines(PlaylistLines& lines, const QLocale& locale, const StationCommit& commit);
// A .pls file without a header: its text before the first CR, split at LF.
void readPlsWithoutHeader(QByteArrayView text, const QLocale& locale, const StationCommit& commit);

// An M3U playlist; utf8 for .m3u8, whose lines are UTF-8 whatever their bytes.
void readM3u(QByteArrayView text, bool utf8, const StationCommit& commit);

// Whether the document's root element is an XSPF playlist.
bool isXspf(const QByteArray& bytes);
void readXspf(const QByteArray& bytes, const StationCommit& commit);

} // namespace orvanta
