#include "ui/ImportCommand.h"

#include "model/PlaylistErrors.h"
#include "pls/PlaylistReader.h"
#include "ui/ImportStep.h"
#include "ui/Module1.h"

#include <QStringList>
#include <QUndoStack>

#include <memory>
#include <optional>
#include <utility>

namespace orvanta {

namespace {

// The titles an import has committed and lst_Import does not show yet. A list widget
// takes them far faster in one batch than one row at a time, and nothing looks at the
// list while the file is read: they reach it before any message, whose modal loop
// repaints the window, and when the import ends, however it ends.
class PendingTitles {
public:
    explicit PendingTitles(ListBox& list) : m_list(list) {}
    PendingTitles(const PendingTitles&) = delete;
    PendingTitles& operator=(const PendingTitles&) = delete;

    bool listIsFull() const { return m_list.ListCount() + m_titles.size() >= ListBox::MaxItems; }
    void append(const QString& title) { m_titles.append(title); }
    // Room was checked for every title taken, so this cannot fail.
    void flush() { m_list.AddItems(std::exchange(m_titles, {})); }

private:
    ListBox& m_list;
    QStringList m_titles;
};

// What one file's import has done so far.
struct ImportProgress {
    int committed = 0;
    bool messageShown = false;
};

CommitResult commitStation(MainWindowParts& parts, PendingTitles& pending, ImportProgress& progress,
                           const PlaylistStation& station)
{
    colPlaylist& playlists = Module1::Playlists();
    // Every title in either list has exactly one entry, so the title index answers for
    // both lists at once and titles stay unique among all stations held.
    if (playlists.findPlaylist(station.Title)) {
        pending.flush();
        parts.messageBox.MsgBox(QStringLiteral("Duplicate Item: Ignoring."), AppTitle);
        progress.messageShown = true;
        return CommitResult::StopReading;
    }
    // Checked before Add, so that no entry is ever left without its list item.
    if (pending.listIsFull())
        throw PlaylistReadError(station.line, QStringLiteral("the import list is full"));
    try {
        const PlaylistEntry entry =
            playlists.Add(station.NumEntries, station.File, station.Title, station.Length, station.File);
        pending.append(entry->Title());
        ++progress.committed;
    } catch (const DuplicateKeyError&) {
        throw PlaylistReadError(station.line, QStringLiteral("another station already has this address"));
    }
    return CommitResult::KeepReading;
}

QString failureText(const QString& path, const PlaylistReadError& failure)
{
    const QString where = failure.line() > 0 ? QStringLiteral("%1, line %2").arg(path).arg(failure.line()) : path;
    return QStringLiteral("The playlist was not imported completely.\n%1: %2").arg(where, failure.reason());
}

} // namespace

void importPlaylistFile(MainWindowParts& parts, const QString& path)
{
    // The import adds at most as many stations as lst_Import has room for.
    colPlaylist& playlists = Module1::Playlists();
    playlists.reserve(playlists.Count() + ListBox::MaxItems - parts.lst_Import.ListCount());
    PendingTitles pending(parts.lst_Import);
    ImportProgress progress;
    std::optional<PlaylistReadError> failure;
    try {
        readPlaylistFile(path, parts.numberLocale, [&](const PlaylistStation& station) {
            return commitStation(parts, pending, progress, station);
        });
    } catch (const PlaylistReadError& error) {
        failure = error;
    }
    pending.flush();
    if (failure)
        parts.messageBox.MsgBox(failureText(path, *failure), AppTitle);
    else if (progress.committed == 0 && !progress.messageShown)
        parts.messageBox.MsgBox(QStringLiteral("No station was found in this file.\n%1").arg(path), AppTitle);
}

void importPlaylistFiles(MainWindowParts& parts, const QStringList& paths)
{
    for (const QString& path : paths) {
        // One undo step per file, for what it added.
        auto step = std::make_unique<ImportStep>(parts, path);
        importPlaylistFile(parts, path);
        if (step->takeWhatWasAdded())
            parts.undoStack.push(step.release());
    }
}

void btn_Import_Click(MainWindowParts& parts)
{
    CommonDialog& dialog = parts.CommDL;
    dialog.DialogTitle = QStringLiteral("Select a Shoutcast Playlist");
    dialog.Filter = QStringLiteral("(Shoutcast Playlist) *.pls|*.pls|"
                                   "(All Playlists) *.pls *.m3u *.m3u8 *.xspf|*.pls;*.m3u;*.m3u8;*.xspf");
    dialog.CancelError = true;
    dialog.FileName = QString();
    dialog.MultiSelect = true;
    try {
        dialog.ShowOpen();
    } catch (const DialogCancelledError&) {
        return;
    }
    importPlaylistFiles(parts, dialog.FileNames);
}

} // namespace orvanta
