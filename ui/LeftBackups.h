#pragma once

#include "ui/MessageBox.h"

namespace orvanta {

// At the program's start: says once, in one message, for each backup that a save in place
// left in the state folder (it was killed, or could not put the old content back), which file
// it belonged to and where the old content is. Each is then noted as announced, and stays
// where the message says. Backups left beside their files are in sight there and not named.
void announceLeftBackups(MessageBox& messageBox);

} // namespace orvanta
