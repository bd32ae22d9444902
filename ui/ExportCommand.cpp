#include "ui/ExportCommand.h"

#include "pls/PlaylistFile.h"
#include "pls/PlaylistWriter.h"
#include "ui/Module1.h"

#include <stdexcept>
#include <utility>

namespace orvanta {

namespace {

// Why an export failed before anything was written, in words for the user.
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

// The first line says what became of the old file, the second why, naming the path.
QString failureText(const QString& path, const QString& reason, OldFile oldFile)
{
    QString outcome = QStringLiteral("The playlist could not be saved.");
    if (oldFile == OldFile::Unchanged)
        outcome += QStringLiteral(" The old file is unchanged.");
    else if (oldFile == OldFile::Damaged)
        outcome += QStringLiteral(" The old file was damaged: its old content could not be put back.");
    return QStringLiteral("%1\n%2: %3").arg(outcome, path, reason);
}

} // namespace

bool btn_Export_Click(MainWindowParts& parts)
{
    CommonDialog& dialog = parts.CommDL;
    dialog.DialogTitle = QStringLiteral("Please save your Playlist");
    dialog.FileName = QStringLiteral("MyPlaylist.pls");
    dialog.DefaultExt = QStringLiteral(".pls");
    // The dialog keeps the import's filters otherwise, and one of them offers names of
    // formats the export does not write.
    dialog.Filter = QStringLiteral("(Shoutcast Playlist) *.pls|*.pls");
    dialog.CancelError = true;
    try {
        dialog.ShowSave();
    } catch (const DialogCancelledError&) {
        return false;
    }

    const QString path = dialog.FileName;
    try {
        const PlaylistFormat format = parts.opt_V2.Value() ? PlaylistFormat::Standard : PlaylistFormat::Orvanta;
        savePlaylistBytes(path, writePlaylist(stationsOf(parts.lst_Output), format));
    } catch (const ExportFailure& failure) {
        parts.messageBox.MsgBox(failureText(path, failure.reason(), OldFile::None), AppTitle);
        return false;
    } catch (const PlaylistSaveError& failure) {
        parts.messageBox.MsgBox(failureText(path, failure.reason(), failure.oldFile()), AppTitle);
        return false;
    }
    return true;
}

} // namespace orvanta
