#include "ui/LastExport.h"

#include "ui/ExportCommand.h"
#include "ui/Module1.h"

#include <QHash>
#include <QUndoStack>

namespace orvanta {

namespace {

QStringList titlesOf(const ListBox& list)
{
    QStringList titles;
    titles.reserve(list.ListCount());
    for (qint16 index = 0; index < list.ListCount(); ++index)
        titles.append(list.List(index));
    return titles;
}

// As the export writes them. Undo and redo put back stations equal to the ones they took,
// not the very same entries.
bool writtenAlike(const PlaylistEntry& a, const PlaylistEntry& b)
{
    return a && b && a->Title() == b->Title() && a->File() == b->File() && a->Length() == b->Length();
}

} // namespace

// The stations are kept as the collection held them, a shared reference each, and looked up
// by title only when the window closes: an export of a full list would otherwise look up
// every title a second time.
void LastExport::remember(const MainWindowParts& parts)
{
    const colPlaylist& playlists = Module1::Playlists();
    m_titles = titlesOf(parts.lst_Output);
    m_stations = QList<PlaylistEntry>(playlists.begin(), playlists.end());
    m_standardForm = parts.opt_V2.Value();
    parts.undoStack.setClean();
}

bool LastExport::outputListChanged(const MainWindowParts& parts) const
{
    if (parts.lst_Output.ListCount() == 0)
        return false;
    if (parts.opt_V2.Value() != m_standardForm || titlesOf(parts.lst_Output) != m_titles)
        return true;
    // The station each title stood for then: the first one with that title, as findPlaylist
    // finds it, so the last one inserted.
    QHash<QString, PlaylistEntry> exported;
    exported.reserve(m_stations.size());
    for (auto station = m_stations.crbegin(); station != m_stations.crend(); ++station)
        exported.insert((*station)->Title(), *station);
    const colPlaylist& playlists = Module1::Playlists();
    for (const QString& title : m_titles) {
        if (!writtenAlike(playlists.findPlaylist(title), exported.value(title)))
            return true;
    }
    return false;
}

bool exportOutputList(MainWindowParts& parts, LastExport& lastExport)
{
    if (!btn_Export_Click(parts))
        return false;
    lastExport.remember(parts);
    return true;
}

bool mayCloseWindow(MainWindowParts& parts, LastExport& lastExport, CloseQuestion& question)
{
    if (!parts.window.Enabled())
        return false;
    if (!lastExport.outputListChanged(parts))
        return true;
    switch (question.askBeforeClosing()) {
    case CloseAnswer::Export:
        return exportOutputList(parts, lastExport);
    case CloseAnswer::Discard:
        return true;
    case CloseAnswer::Cancel:
        break;
    }
    return false;
}

} // namespace orvanta
