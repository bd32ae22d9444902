#include "ui/ImportStep.h"

#include "ui/Module1.h"
#include "ui/VisibleText.h"

#include <QFileInfo>

#include <utility>

namespace orvanta {

ImportStep::ImportStep(MainWindowParts& parts, const QString& path)
    : ListStep(parts, QStringLiteral("Import %1").arg(visibleText(QFileInfo(path).fileName()))),
      m_stationsBefore(Module1::Playlists().Count()),
      m_titlesBefore(parts.lst_Import.ListCount())
{}

bool ImportStep::takeWhatWasAdded()
{
    const colPlaylist& playlists = Module1::Playlists();
    for (qsizetype position = m_stationsBefore + 1; position <= playlists.Count(); ++position)
        m_stations.append(playlists.Item(position));
    for (qint16 index = m_titlesBefore; index < m_import.ListCount(); ++index)
        m_titles.append(m_import.List(index));
    return !m_stations.isEmpty() || !m_titles.isEmpty();
}

void ImportStep::apply()
{
    if (std::exchange(m_applied, false))
        return;
    colPlaylist& playlists = Module1::Playlists();
    playlists.reserve(playlists.Count() + m_stations.size());
    // An import stores every station under its address (none where that is empty).
    for (const PlaylistEntry& station : m_stations)
        playlists.Add(station->NumEntries(), station->File(), station->Title(), station->Length(), station->File());
    m_import.AddItems(m_titles);
}

// By their places, from the last: a station that a later step took out and put back is
// another entry than the one the import added.
void ImportStep::revert()
{
    colPlaylist& playlists = Module1::Playlists();
    while (playlists.Count() > m_stationsBefore)
        playlists.Remove(playlists.Count());
    m_import.RemoveItems(m_titlesBefore, static_cast<qint16>(m_titles.size()));
}

} // namespace orvanta
