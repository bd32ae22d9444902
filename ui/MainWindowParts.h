#pragma once

#include "ui/CommonDialog.h"
#include "ui/ListBox.h"
#include "ui/MessageBox.h"
#include "ui/OptionButton.h"
#include "ui/WindowState.h"

#include <QLocale>

class QUndoStack;

namespace orvanta {

// The parts of the one main window that its commands reach directly.
struct MainWindowParts {
    ListBox& lst_Import;
    ListBox& lst_Output;
    // "Version 2": the export writes a standard playlist when it is set.
    const OptionButton& opt_V2;
    CommonDialog& CommDL;
    MessageBox& messageBox;
    WindowState& window;
    // The locale whose number format the integer conversion reads.
    QLocale numberLocale;
    // Every change to the lists or the stations is a step on it, to be undone and redone.
    QUndoStack& undoStack;
};

} // namespace orvanta
