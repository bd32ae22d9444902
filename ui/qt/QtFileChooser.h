#pragma once

#include "ui/FileChooser.h"

class QFileDialog;
class QWidget;

namespace orvanta {

enum class FileDialogKind { Open, Save };

// Gives a file dialog everything one request asks for. Kept apart from showing the
// dialog, so the settings can be checked without a user to answer it.
void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request, FileDialogKind kind);

// Asks the user for a path in Qt's own file dialog, modal to the given window.
class QtFileChooser final : public FileChooser {
public:
    explicit QtFileChooser(QWidget& window) : m_window(window) {}

    std::optional<QString> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<QString> chooseFileToSave(const FileDialogRequest& request) override;

private:
    std::optional<QString> choose(const FileDialogRequest& request, FileDialogKind kind);

    QWidget& m_window;
};

} // namespace orvanta
