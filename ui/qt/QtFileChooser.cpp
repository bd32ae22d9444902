#include "ui/qt/QtFileChooser.h"

#include <QFileDialog>
#include <QStringList>

namespace orvanta {

namespace {

// "description (patterns)", the form QFileDialog reads; a filter lists several
// patterns separated by ";", Qt separates them by blanks.
QStringList nameFilters(const QList<FileTypeFilter>& filters)
{
    QStringList names;
    for (const FileTypeFilter& filter : filters) {
        QString patterns = filter.pattern;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        names.append(filter.description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return names;
}

} // namespace

void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request, FileDialogKind kind)
{
    // Qt's own dialog everywhere: a desktop's native dialog may show the patterns in
    // place of the description or skip the question before replacing a file.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowModality(Qt::WindowModal);
    if (kind == FileDialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        // Qt asks before replacing an existing file unless told not to.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    // An empty title leaves Qt's "Open" or "Save As", as the system dialog would.
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    // The description already names its pattern; Qt would otherwise repeat it.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (!request.filters.isEmpty())
        dialog.setNameFilters(nameFilters(request.filters));
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.selectFile(request.fileName);
}

std::optional<QString> QtFileChooser::choose(const FileDialogRequest& request, FileDialogKind kind)
{
    QFileDialog dialog(&m_window);
    configureFileDialog(dialog, request, kind);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.first();
}

std::optional<QString> QtFileChooser::chooseFileToOpen(const FileDialogRequest& request)
{
    return choose(request, FileDialogKind::Open);
}

std::optional<QString> QtFileChooser::chooseFileToSave(const FileDialogRequest& request)
{
    return choose(request, FileDialogKind::Save);
}

} // namespace orvanta
