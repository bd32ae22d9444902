#include "ui/ExportCommand.h"

#include "formats/PlaylistWriter.h"
#include "ui/Module1.h"

#include <QFileInfo>
#include <QSaveFile>

#include <stdexcept>
#include <utility>

namespace orvanta {

namespace {

// Why an export failed after its path was chosen, in words for the user.
class ExportFailure : public std::runtime_error {
public:
    explicit ExportFailure(const QString& reason) : std::runtime_error(reason.toStdString()), m_reason(reason) {}
    const QString& reason() const { return m_reason; }

private:
    QString m_reason;
};

// All titles are resolved before anything touches the disk, so an unknown title
// costs no write at all.
QList<PlaylistEntry> stationsOf(const ListBox& list)
{
    const colPlaylist& playlists = Module1::Playlists();
    const qint16 count = list.ListCount();
    QList<PlaylistEntry> stations;
    stations.reserve(count);
    for (qint16 index = 0; index < count; ++index) {
        const QString title = list.List(index);
        PlaylistEntry station = playlists.findPlaylist(title);
        if (!station)
            throw ExportFailure(QStringLiteral("No station entry has the title \"%1\".").arg(title));
        stations.append(std::move(station));
    }
    return stations;
}

// Why the file could not be opened, naming the folder where the folder is the cause.
QString openFailure(const QFileInfo& target, const QString& error)
{
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return QStringLiteral("the folder \"%1\" does not exist").arg(folder.filePath());
    if (!target.exists())
        return QStringLiteral("no file can be made in the folder \"%1\": %2").arg(folder.filePath(), error);
    return error;
}

// QSaveFile writes to a temporary file beside the target and puts it in the target's
// place only on commit; without a commit it removes the temporary file. So the old
// file survives every failure whole, and a new one appears only complete. Where the
// folder takes no new file but the file itself may be written, it is written in place.
// The file is unbuffered because Qt 6.4's commit() misses a write that fails while it
// flushes its buffer, and would put a cut-off file in place. A short write is followed
// by another, which then fails with the system's reason (disk full, file too large).
void save(const QString& path, const QByteArray& bytes)
{
    // A device or a pipe would be replaced by a regular file.
    const QFileInfo target(path);
    if (target.isDir())
        throw ExportFailure(QStringLiteral("this is a folder, not a file"));
    if (target.exists() && !target.isFile())
        throw ExportFailure(QStringLiteral("this is not a regular file but a device, a pipe or a socket"));
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw ExportFailure(openFailure(target, file.errorString()));
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0)
            throw ExportFailure(file.errorString());
        written += step;
    }
    if (!file.commit())
        throw ExportFailure(file.errorString());
}

QString failureText(const QString& path, const QString& reason)
{
    return QStringLiteral("The playlist could not be saved.\n%1: %2").arg(path, reason);
}

} // namespace

void btn_Export_Click(MainWindowParts& parts)
{
    CommonDialog& dialog = parts.CommDL;
    dialog.DialogTitle = QStringLiteral("Please save your Playlist");
    dialog.FileName = QStringLiteral("MyPlaylist.pls");
    dialog.DefaultExt = QStringLiteral(".pls");
    dialog.CancelError = true;
    try {
        dialog.ShowSave();
    } catch (const DialogCancelledError&) {
        return;
    }

    const QString path = dialog.FileName;
    try {
        const PlaylistFormat format = parts.opt_V2.Value() ? PlaylistFormat::Standard : PlaylistFormat::Orvanta;
        save(path, writePlaylist(stationsOf(parts.lst_Output), format));
    } catch (const ExportFailure& failure) {
        parts.messageBox.MsgBox(failureText(path, failure.reason()), AppTitle);
    }
}

} // namespace orvanta
