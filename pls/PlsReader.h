#pragma once

// Shoutcast .pls playlists with a "[playlist]" header, as players, radio sites, Qt's QSettings
// and Python's configparser write them:
// - The header is a line "[playlist]" in any letter case, blanks and tabs around it allowed;
//   any line before it that is no address, title or length line (below) is skipped.
// - After it, a line File<n>=, Title<n>= or Length<n>= (any letter case; blanks allowed before
//   the "=", and then those after it are dropped too) gives station n's address, title or
//   length. A line starting "File", "Titl" or "Leng" otherwise gives its value at the fixed
//   position "File1=", "Title1=" or "Length1=" would, for the station of the key line before.
// - A station is the lines of one number, wherever they stand. A key that comes again for a
//   number that has it begins a new round of that number; stations are taken round by round,
//   each round in the order of its numbers.
// - A length that is empty, no whole number in the given locale, or outside -32,768..32,767
//   is -1. Other lines are skipped.
// - Where a value is too long or a line too short for its value, reading stops: the stations
//   with an address line before it are kept, but for the one that line belongs to.

#include "pls/PlaylistReader.h"
#include "pls/PlaylistText.h"

namespace orvanta {

// Moves lines past the header; false when an address, title or length line or the end comes
// first.
bool skipPlsHeader(PlaylistLines& lines);

// The lines after the header.
void readPls(PlaylistLines& lines, const QLocale& locale, PlaylistContent& content);

} // namespace orvanta
