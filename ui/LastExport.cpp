#include "ui/LastExport.h"

#include "ui/ExportCommand.h"
#include "ui/Module1.h"

#include <QUndoStack>

namespace orvanta {

namespace {

// The station each title of the list stands for, as the export looks it up.
QList<PlaylistEntry> stationsListed(const ListBox& list)
{
    const colPlaylist& playlists = Module1::Playlists();
    QList<PlaylistEntry> stations;
    stations.reserve(list.ListCount());
    for (qint16 index = 0; index < list.ListCount(); ++index)
        stations.append(playlists.findPlaylist(list.List(index)));
    return stations;
}

// As the export writes them. Undo and redo put back stations equal to the ones they took,
// not the very same entries.
bool writtenAlike(const PlaylistEntry& a, const PlaylistEntry& b)
{
    return a && b && a->Title() == b->Title() && a->File() == b->File() && a->Length() == b->Length();
}

} // namespace

void LastExport::remember(const MainWindowParts& parts)
{
    m_stations = stationsListed(parts.lst_Output);
    m_standardForm = parts.opt_V2.Value();
    parts.undoStack.setClean();
}

bool LastExport::outputListChanged(const MainWindowParts& parts) const
{
    const ListBox& list = parts.lst_Output;
    if (list.ListCount() == 0)
        return false;
    if (list.ListCount() != m_stations.size() || parts.opt_V2.Value() != m_standardForm)
        return true;
    const colPlaylist& playlists = Module1::Playlists();
    for (qint16 index = 0; index < list.ListCount(); ++index) {
        if (!writtenAlike(playlists.findPlaylist(list.List(index)), m_stations.at(index)))
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
