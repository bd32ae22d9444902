#pragma once

#include "ui/FileChooser.h"

class QWidget;

namespace orvanta {

enum class FileDialogKind { Open, Save };

// Asks the user for a path, modal to the given window, in the desktop's own file dialog
// where its platform theme has one (GTK, the XDG desktop portal) and in Qt's otherwise.
class QtFileChooser final : public FileChooser {
public:
    explicit QtFileChooser(QWidget& window) : m_window(window) {}

    QStringList chooseFilesToOpen(const FileDialogRequest& request) override;
    std::optional<QString> chooseFileToSave(const FileDialogRequest& request) override;

private:
    QStringList choose(const FileDialogRequest& request, FileDialogKind kind);
    void reportNotFound(const QString& path);
    bool confirmReplacing(const QString& path);

    QWidget& m_window;
};

} // namespace orvanta
