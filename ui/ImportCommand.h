#pragma once

#include "ui/MainWindowParts.h"

namespace orvanta {

// The click of btn_Import: asks for one or more playlists and imports them one after
// another, as importPlaylistFiles does. A cancel changes nothing and says nothing.
void btn_Import_Click(MainWindowParts& parts);

// Imports each playlist in the order given, as importPlaylistFile does, each exactly as if
// it alone had been chosen: what ends one file's import does not end the next one's. What
// each file added is one step on the undo stack.
void importPlaylistFiles(MainWindowParts& parts, const QStringList& paths);

// Appends the stations of the playlist at path to Playlists and lst_Import, one by one as
// they are read. A title that already stands in either list shows "Duplicate Item:
// Ignoring." and ends the import. A failure (unreadable file, overlong line, bad value,
// repeated address, full list) ends it too, with a message that names the file, the line
// and the reason; a file that yields no station, and says nothing else, is reported as
// such. Stations committed before the end stay.
void importPlaylistFile(MainWindowParts& parts, const QString& path);

} // namespace orvanta
