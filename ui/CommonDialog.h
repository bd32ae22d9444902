#pragma once

#include "ui/FileChooser.h"

#include <QString>
#include <QStringList>

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
    // Every path the last dialog gave, in its order; FileName holds the first.
    QStringList FileNames;
    bool CancelError = false;
    // Lets the open dialog take several files at once.
    bool MultiSelect = false;

    // Each shows its dialog; the chosen full paths land in FileNames and FileName. On
    // cancel both are left as they were, and with CancelError set DialogCancelledError is
    // thrown.
    void ShowOpen();
    void ShowSave();

    static QList<FileTypeFilter> parseFilter(const QString& filter);

private:
    FileDialogRequest request() const;
    void accept(const QStringList& choice);

    FileChooser& m_chooser;
};

} // namespace orvanta
