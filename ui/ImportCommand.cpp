#include "ui/ImportCommand.h"

#include "model/PlaylistErrors.h"
#include "pls/PlaylistReader.h"
#include "ui/Module1.h"

#include <QStringList>

#include <utility>

namespace orvanta {

namespace {

// The titles an import has committed and lst_Import does not show yet. A list widget
// takes them far faster in one batch than one row at a time, and nothing looks at the
// list while the file is read: they reach it before the duplicate message, whose modal
// loop repaints the window, and when the import ends, however it ends.
class PendingTitles {
public:
    explicit PendingTitles(ListBox& list) : m_list(list) {}
    PendingTitles(const PendingTitles&) = delete;
    PendingTitles& operator=(const PendingTitles&) = delete;
    // Room was checked for every title taken, so this last flush cannot fail.
    ~PendingTitles() { flush(); }

    bool listIsFull() const { return m_list.ListCount() + m_titles.size() >= ListBox::MaxItems; }
    void append(const QString& title) { m_titles.append(title); }
    void flush() { m_list.AddItems(std::exchange(m_titles, {})); }

private:
    ListBox& m_list;
    QStringList m_titles;
};

CommitResult commitStation(MainWindowParts& parts, PendingTitles& pending, const PlaylistStation& station)
{
    colPlaylist& playlists = Module1::Playlists();
    // Every title in either list has exactly one entry, so the title index answers for
    // both lists at once and titles stay unique among all stations held.
    if (playlists.findPlaylist(station.Title)) {
        pending.flush();
        parts.messageBox.MsgBox(QStringLiteral("Duplicate Item: Ignoring."), AppTitle);
        return CommitResult::StopReading;
    }
    // Checked before Add, so that no entry is ever left without its list item.
    if (pending.listIsFull())
        throw ListFullError("the import list is full");
    const PlaylistEntry entry =
        playlists.Add(station.NumEntries, station.File, station.Title, station.Length, station.File);
    pending.append(entry->Title());
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

    // The import adds at most as many stations as lst_Import has room for.
    colPlaylist& playlists = Module1::Playlists();
    playlists.reserve(playlists.Count() + ListBox::MaxItems - parts.lst_Import.ListCount());
    PendingTitles pending(parts.lst_Import);
    readPlaylistFile(dialog.FileName, parts.numberLocale, [&parts, &pending](const PlaylistStation& station) {
        return commitStation(parts, pending, station);
    });
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
