#pragma once

#include <QList>
#include <QString>

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
};

// The interactive part of the common dialog: asks the user for a path.
// Returns the chosen full path, or nothing when the user cancels.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual std::optional<QString> chooseFileToOpen(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> chooseFileToSave(const FileDialogRequest& request) = 0;
};

} // namespace orvanta
