#pragma once

#include "pls/PlaylistLines.h"
#include "pls/StationCommit.h"

#include <QLocale>

namespace orvanta {

// Reads the lines after a "[playlist]" header to the end. A line starting "File" sets the
// address, "Titl" the title, "Leng" the length and completes a station with entry count 1.
// Values sit at fixed positions that fit a one-digit station number; nothing is trimmed and
// address and title carry over to the next station. Throws PlaylistReadError on a line too
// short for its value or a length that is no 16-bit number.
void readLineMode(PlaylistLines& lines, const QLocale& locale, const StationCommit& commit);

} // namespace orvanta
