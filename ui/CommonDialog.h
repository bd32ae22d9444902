#pragma once

#include "ui/FileChooser.h"

#include <QString>

#include <stdexcept>

namespace orvanta {

// A dialog cancelled while CancelError is set.
class DialogCancelledError : public std::runtime_error {
public:
    DialogCancelledError() : std::runtime_error("the file dialog was cancelled") {}
};

// The main window's common dialog: one object for the open and the save dialog, whose
// settings persist from one use to the next. Filter takes the "description|pattern" form,
// pairs joined by further "|".
class CommonDialog {
public:
    explicit CommonDialog(FileChooser& chooser) : m_chooser(chooser) {}

    QString DialogTitle;
    QString Filter;
    QString DefaultExt;
    QString FileName;
    bool CancelError = false;

    // Each shows its dialog; the chosen full path lands in FileName. On cancel FileName
    // is left as it was, and with CancelError set DialogCancelledError is thrown.
    void ShowOpen();
    void ShowSave();

    static QList<FileTypeFilter> parseFilter(const QString& filter);

private:
    FileDialogRequest request() const;
    void accept(const std::optional<QString>& choice);

    FileChooser& m_chooser;
};

} // namespace orvanta
