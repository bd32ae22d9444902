#pragma once

#include <QString>

namespace orvanta {

// What the edit dialog's logic needs of the dialog window: its three fields (title,
// address, length), showing it and unloading it.
class EditDialogView {
public:
    virtual ~EditDialogView() = default;

    virtual QString titleText() const = 0;
    virtual void setTitleText(const QString& text) = 0;
    virtual QString urlText() const = 0;
    virtual void setUrlText(const QString& text) = 0;
    virtual QString lengthText() const = 0;
    virtual void setLengthText(const QString& text) = 0;

    // Shows the dialog without blocking, usable although the main window is disabled,
    // with the focus in the title field.
    virtual void Show() = 0;
    // Closes the dialog and empties its fields, so that the next opening starts afresh.
    virtual void Unload() = 0;
};

} // namespace orvanta
