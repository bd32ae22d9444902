#pragma once

#include "ui/MainWindowParts.h"

namespace orvanta {

// The click of btn_Export: asks for a path in the save dialog and writes the stations
// behind the titles of lst_Output, in list order, there as one .pls playlist: for the
// Orvanta player, or a standard one when "Version 2" is set.
// Cancelling changes nothing and says nothing. Once a path is chosen the file there is
// either replaced whole by the playlist or left exactly as it was, and a failure is
// reported in a message box that says which; only where even putting its old bytes back
// failed does it say the old file was damaged. Neither list nor the collection changes.
// Returns true when the playlist was saved, false when cancelled or failed.
bool btn_Export_Click(MainWindowParts& parts);

} // namespace orvanta
