#pragma once

#include "ui/MainWindowParts.h"

namespace orvanta {

// The click of btn_Import: asks for a Shoutcast playlist and appends its stations to
// Playlists and lst_Import, one by one as they are read. A title that already stands in
// either list shows "Duplicate Item: Ignoring." and ends the import. A failure (unreadable
// file, overlong line, bad value, repeated address, full list) ends it too, with a message
// that names the file, the line and the reason. A cancel changes nothing and says nothing.
// Stations committed before the end stay.
void btn_Import_Click(MainWindowParts& parts);

// Imports the playlist at path as btn_Import does once the file is chosen, with the same
// messages; a file that yields no station, and says nothing else, is reported as such.
void importPlaylistFile(MainWindowParts& parts, const QString& path);

} // namespace orvanta
