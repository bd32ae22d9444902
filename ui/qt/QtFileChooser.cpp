#include "ui/qt/QtFileChooser.h"

#include "ui/MessageBox.h"
#include "ui/VisibleText.h"
#include "ui/qt/QtMessageBox.h"
#include "ui/qt/UnsavedDialogSettings.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include <algorithm>

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

// The rule Qt's dialog applies: a file name without any dot gets the default suffix.
QString withDefaultSuffix(const QString& path, const QString& defaultExtension)
{
    const QString suffix = defaultExtension.startsWith(QLatin1Char('.')) ? defaultExtension.mid(1) : defaultExtension;
    if (suffix.isEmpty() || QFileInfo(path).fileName().contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + suffix;
}

// Gives a file dialog everything one request asks for, but a save dialog's default suffix,
// which the chooser adds itself.
void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request, FileDialogKind kind)
{
    // The desktop's own dialog where the platform theme offers one; Qt falls back to its own.
    dialog.setWindowModality(Qt::WindowModal);
    if (kind == FileDialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.multipleFiles ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        // Qt adds it to a name chosen without a dot, then looks for that file.
        dialog.setDefaultSuffix(request.defaultExtension);
    } else {
        // The default suffix and the question before replacing are left to the chooser: a
        // dialog would ask about the name as typed, and Qt would add the suffix afterwards,
        // so the question named one file and the export wrote another.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    // An empty title leaves Qt's "Open" or "Save As", as the system dialog would.
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    // Qt's own dialog shows the description alone, which already names its pattern; GTK
    // shows the pattern alone.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (!request.filters.isEmpty())
        dialog.setNameFilters(nameFilters(request.filters));
    dialog.selectFile(request.fileName);
}

} // namespace

QStringList QtFileChooser::choose(const FileDialogRequest& request, FileDialogKind kind)
{
    const UnsavedDialogSettings unsaved;
    QFileDialog dialog(&m_window);
    configureFileDialog(dialog, request, kind);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

bool QtFileChooser::confirmReplacing(const QString& path)
{
    QMessageBox box(&m_window);
    const QString name = visibleText(QFileInfo(path).fileName());
    configureMessageBox(box, QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(name), AppTitle);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtFileChooser::reportNotFound(const QString& path)
{
    QMessageBox box(&m_window);
    const QString name = visibleText(QFileInfo(path).fileName());
    configureMessageBox(box, QStringLiteral("%1\nFile not found.\nPlease check the file name.").arg(name), AppTitle);
    box.exec();
}

QStringList QtFileChooser::chooseFilesToOpen(const FileDialogRequest& request)
{
    FileDialogRequest asked = request;
    for (;;) {
        const QStringList chosen = choose(asked, FileDialogKind::Open);
        const auto missing = std::find_if_not(chosen.cbegin(), chosen.cend(),
                                              [](const QString& path) { return QFileInfo::exists(path); });
        if (missing == chosen.cend())
            return chosen;
        // A desktop's dialog may take a typed name that names no file (GTK's does), and Qt
        // adds the default suffix after it: say so and offer the dialog again on that name,
        // as Qt's own dialog does before it closes.
        reportNotFound(*missing);
        asked.fileName = *missing;
    }
}

std::optional<QString> QtFileChooser::chooseFileToSave(const FileDialogRequest& request)
{
    FileDialogRequest asked = request;
    for (;;) {
        const QString chosen = choose(asked, FileDialogKind::Save).value(0);
        if (chosen.isEmpty())
            return std::nullopt;
        // Asked about the file that will be written. Declining offers the dialog again on
        // that name, as the dialog's own question does.
        const QString path = withDefaultSuffix(chosen, request.defaultExtension);
        if (!QFileInfo::exists(path) || confirmReplacing(path))
            return path;
        asked.fileName = path;
    }
}

} // namespace orvanta
