#pragma once

#include "ui/EditDialogView.h"
#include "ui/MainWindowParts.h"

namespace orvanta {

// The edit dialog's handlers. The station edited is the first one in Playlists whose
// title the selected item of lst_Import shows; the main window stays disabled while the
// dialog is open, so that selection holds until the dialog closes. lst_Output is never
// touched.

// Double-click on lst_Import: fills the dialog from the selected station, disables the
// main window and shows the dialog. Without a selected item or a station behind it,
// nothing happens.
void lst_Import_DblClick(MainWindowParts& parts, EditDialogView& frm_Edit);

// OK, or Enter released in the title field: replaces the station with a new entry built
// from the fields (entry count 1, keyed by its address), moves its title to the end of
// lst_Import, as one step on the undo stack, enables the main window and unloads the dialog.
// A title that another station already has is refused with "Duplicate Item: Ignoring.";
// a refused edit changes nothing and leaves the dialog open with the text typed.
void btn_OK_Click(MainWindowParts& parts, EditDialogView& frm_Edit);

// Cancel, Esc or the close box: enables the main window and unloads the dialog.
void btn_Cancel_Click(MainWindowParts& parts, EditDialogView& frm_Edit);

} // namespace orvanta
