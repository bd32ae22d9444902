#pragma once

#include "pls/StationCommit.h"

#include <QLocale>
#include <QString>

namespace orvanta {

// Reads a playlist's text, handing each completed station to commit. A first line that is
// "[playlist]" in any letter case is followed by line mode over the rest; any other first
// line is read alone in scan mode. Throws PlaylistReadError when the text is empty or a
// line cannot be read.
void readPlaylistText(const QString& text, const QLocale& locale, const StationCommit& commit);

// The same for the file at path, bounded and decoded as readPlaylistBytes and
// decodePlaylistText do. The file is closed before the first station is committed.
void readPlaylistFile(const QString& path, const QLocale& locale, const StationCommit& commit);

} // namespace orvanta
