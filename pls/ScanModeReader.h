#pragma once

#include "pls/StationCommit.h"

#include <QLocale>
#include <QStringView>
#include <QtGlobal>

namespace orvanta {

// The longest first line that scan mode examines: its positions count in 16 bits.
inline constexpr qsizetype MaxScanModeLength = 32767;

// Reads a playlist whose lines end with LF alone, all of which arrive as the file's first
// line. Text up to each LF is joined to a pending line, which is tested against the exact
// keys "[playlist]", "numberofentries=", "File1=", "Title1=" and "Length1=" and emptied when
// one matches; an unmatched line stays pending, so the text after it joins on. "Length1="
// completes a station. Text after the last LF is never examined. Throws PlaylistReadError
// when the line is longer than MaxScanModeLength or a number does not convert.
void readScanMode(QStringView firstLine, const QLocale& locale, const StationCommit& commit);

} // namespace orvanta
