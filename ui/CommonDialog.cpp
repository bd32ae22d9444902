#include "ui/CommonDialog.h"

#include <QStringList>

namespace orvanta {

QList<FileTypeFilter> CommonDialog::parseFilter(const QString& filter)
{
    QList<FileTypeFilter> filters;
    if (filter.isEmpty())
        return filters;
    const QStringList parts = filter.split(QLatin1Char('|'));
    // A trailing description without a pattern names no file type and is dropped.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(FileTypeFilter{parts.at(i), parts.at(i + 1)});
    return filters;
}

FileDialogRequest CommonDialog::request() const
{
    return FileDialogRequest{DialogTitle, parseFilter(Filter), DefaultExt, FileName};
}

void CommonDialog::accept(const std::optional<QString>& choice)
{
    if (choice) {
        FileName = *choice;
        return;
    }
    if (CancelError)
        throw DialogCancelledError();
}

void CommonDialog::ShowOpen()
{
    accept(m_chooser.chooseFileToOpen(request()));
}

void CommonDialog::ShowSave()
{
    accept(m_chooser.chooseFileToSave(request()));
}

} // namespace orvanta
