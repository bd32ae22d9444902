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
    return FileDialogRequest{DialogTitle, parseFilter(Filter), DefaultExt, FileName, MultiSelect};
}

void CommonDialog::accept(const QStringList& choice)
{
    if (!choice.isEmpty()) {
        FileNames = choice;
        FileName = choice.first();
        return;
    }
    if (CancelError)
        throw DialogCancelledError();
}

void CommonDialog::ShowOpen()
{
    accept(m_chooser.chooseFilesToOpen(request()));
}

void CommonDialog::ShowSave()
{
    const std::optional<QString> choice = m_chooser.chooseFileToSave(request());
    accept(choice ? QStringList(*choice) : QStringList());
}

} // namespace orvanta
