#pragma once

#include "ui/FileChooser.h"

class QFileDialog;
class QWidget;

namespace orvanta {

enum class FileDialogKind { Open, Save };

// Gives a file dialog everything one request asks for, but a save dialog's default suffix,
// which the chooser adds itself. Kept apart from showing the dialog, so the settings can be
// checked without a user to answer it.
void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request, FileDialogKind kind);

// Asks the user for a path, modal to the given window, in the desktop's own file dialog
// where its platform theme has one (GTK, the XDG desktop portal) and in Qt's otherwise.
class QtFileChooser final : public FileChooser {
public:
    explicit QtFileChooser(QWidget& window) : m_window(window) {}

    std::optional<QString> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<QString> chooseFileToSave(const FileDialogRequest& request) override;

private:
    std::optional<QString> choose(const FileDialogRequest& request, FileDialogKind kind);
    void reportNotFound(const QString& path);
    bool confirmReplacing(const QString& path);

    QWidget& m_window;
};

} // namespace orvanta
