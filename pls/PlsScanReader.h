#pragma once

// .pls files without a "[playlist]" header, as the old Orvanta player read them:
// - Only the text before the first CR is read, at most MaxScanModeLength characters, split
//   into lines at LF; the text after the last LF is not read.
// - A line is recognised when it is exactly "[playlist]" (skipped), starts exactly
//   "numberofentries=" (the last character, a digit, is the entry count of the stations
//   after it), "File1=", "Title1=" or "Length1=" (a station's address, title, length). A
//   line not recognised stays pending and every line after it is joined to it.
// - The length line completes a station; a length that is no whole number from -32,768 to
//   32,767 is -1.

#include "pls/PlaylistReader.h"

namespace orvanta {

// The longest text that a .pls file without a header may have before its first CR: its
// positions count in 16 bits.
inline constexpr qsizetype MaxScanModeLength = 32767;

void readPlsWithoutHeader(QByteArrayView text, const QLocale& locale, PlaylistContent& content);

} // namespace orvanta
