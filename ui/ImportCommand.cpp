#include "ui/ImportCommand.h"

#include "model/PlaylistErrors.h"
#include "pls/PlaylistReadError.h"
#include "pls/PlaylistReader.h"
#include "ui/Module1.h"

namespace orvanta {

namespace {

CommitResult commitStation(MainWindowParts& parts, const PlaylistStation& station)
{
    colPlaylist& playlists = Module1::Playlists();
    // Every title in either list has exactly one entry, so the title index answers for
    // both lists at once and titles stay unique among all stations held.
    if (playlists.findPlaylist(station.Title)) {
        parts.messageBox.MsgBox(QStringLiteral("Duplicate Item: Ignoring."), AppTitle);
        return CommitResult::StopReading;
    }
    // Checked before Add, so that no entry is ever left without its list item.
    if (parts.lst_Import.isFull())
        throw ListFullError("the import list is full");
    const PlaylistEntry entry =
        playlists.Add(station.NumEntries, station.File, station.Title, station.Length, station.File);
    parts.lst_Import.AddItem(entry->Title());
    return CommitResult::KeepReading;
}

void importPlaylist(MainWindowParts& parts)
{
    CommonDialog& dialog = parts.CommDL;
    dialog.DialogTitle = QStringLiteral("Select a Shoutcast Playlist");
    dialog.Filter = QStringLiteral("(Shoutcast Playlist) *.pls|*.pls");
    dialog.CancelError = true;
    dialog.FileName = QString();
    dialog.ShowOpen();

    readPlaylistFile(dialog.FileName, parts.numberLocale,
                     [&parts](const PlaylistStation& station) { return commitStation(parts, station); });
}

} // namespace

void btn_Import_Click(MainWindowParts& parts)
{
    // Every failure ends the import quietly; what was committed before stays.
    try {
        importPlaylist(parts);
    } catch (const DialogCancelledError&) {
    } catch (const PlaylistReadError&) {
    } catch (const PlaylistError&) {
    } catch (const ListFullError&) {
    }
}

} // namespace orvanta
