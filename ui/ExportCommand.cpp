#include "ui/ExportCommand.h"

#include "pls/PlaylistFile.h"
#include "pls/PlaylistWriter.h"
#include "ui/Module1.h"
#include "ui/VisibleText.h"

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

// As many of a title's characters as a list shows.
constexpr qsizetype ShownTitleCharacters = 1000;

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
            throw ExportFailure(QStringLiteral("No station entry has the title \"")
                                + visibleTitle(title, ShownTitleCharacters) + QStringLiteral("\"."));
        stations.append(std::move(station));
    }
    return stations;
}

// What became of the old file, in the message's first line.
QString outcome(const PlaylistSaveError& failure)
{
    const QString notSaved = QStringLiteral("The playlist could not be saved.");
    switch (failure.oldFile()) {
    case OldFile::Unchanged:
        return notSaved + QStringLiteral(" The old file is unchanged.");
    case OldFile::Kept:
        return notSaved + QStringLiteral(" The old content is kept in ") + visibleText(failure.backup()) + u'.';
    case OldFile::Replaced:
        return QStringLiteral("The playlist was saved, but its folder could not be synced: after a power cut the old "
                              "file may be back.");
    case OldFile::Absent:
    case OldFile::Refused:
        break;
    }
    return notSaved;
}

// The first line says what became of the old file, the second why, naming the path.
QString failureText(const QString& path, const QString& outcome, const QString& reason)
{
    return outcome + u'\n' + visibleText(path) + QStringLiteral(": ") + visibleText(reason);
}

} // namespace

bool btn_Export_Click(MainWindowParts& parts, const SystemCalls& calls)
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
        savePlaylistBytes(path, writePlaylist(stationsOf(parts.lst_Output), format), calls);
        return true;
    } catch (const ExportFailure& failure) {
        parts.messageBox.MsgBox(failureText(path, QStringLiteral("The playlist could not be saved."), failure.reason()),
                                AppTitle);
    } catch (const PlaylistSaveError& failure) {
        parts.messageBox.MsgBox(failureText(path, outcome(failure), failure.reason()), AppTitle);
    }
    return false;
}

} // namespace orvanta
