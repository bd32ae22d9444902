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

} // namespace orvanta
