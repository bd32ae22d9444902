#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace orvanta {

// One file type of a file dialog: "(Shoutcast Playlist) *.pls" listing "*.pls".
struct FileTypeFilter {
    QString description;
    QString pattern;
    bool operator==(const FileTypeFilter&) const = default;
};

// Everything a file dialog is shown with.
struct FileDialogRequest {
    QString title;
    QList<FileTypeFilter> filters;
    QString defaultExtension;
    QString fileName;
    // Whether an open dialog takes several files at once; a save dialog names one.
    bool multipleFiles = false;
};

// The interactive part of the common dialog: asks the user for paths.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen full paths in the dialog's order, or none when the user cancels.
    virtual QStringList chooseFilesToOpen(const FileDialogRequest& request) = 0;
    // The chosen full path, or nothing when the user cancels.
    virtual std::optional<QString> chooseFileToSave(const FileDialogRequest& request) = 0;
};

} // namespace orvanta
