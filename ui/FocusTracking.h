#pragma once

#include "ui/MainWindowParts.h"

namespace orvanta {

// A list receiving the input focus: it becomes ListFocus, and the other list loses its
// selection, so at most one list shows a selected item.
void lst_Import_GotFocus(MainWindowParts& parts);
void lst_Output_GotFocus(MainWindowParts& parts);

} // namespace orvanta
