#include "ui/StationSteps.h"

#include "ui/Module1.h"

namespace orvanta {

namespace {

// The key a station is stored under: its address, or none for one stored without a key.
QString keyOf(const PlaylistEntry& station)
{
    return station && Module1::Playlists().isStoredUnder(station, station->File()) ? station->File() : QString();
}

qsizetype positionOf(const PlaylistEntry& station)
{
    return station ? Module1::Playlists().PositionOf(station) : 0;
}

PlaylistEntry insertAt(qsizetype position, const clsPlaylist& station, const QString& key)
{
    return Module1::Playlists().Insert(position, station.NumEntries(), station.File(), station.Title(),
                                       station.Length(), key);
}

} // namespace

DeleteStep::DeleteStep(MainWindowParts& parts, ListBox& list, qint16 index)
    : ListStep(parts, QStringLiteral("Delete %1").arg(stepTitle(list.List(index)))),
      m_list(list),
      m_index(index),
      m_title(list.List(index)),
      m_station(Module1::Playlists().findPlaylist(m_title)),
      m_position(positionOf(m_station)),
      m_key(keyOf(m_station))
{}

// The collection changes before the list. The station goes by its place: for a keyed one
// the same as removing its key, and the one way to reach a station stored without a key
// (an empty File). A title without a station leaves the collection as it is.
void DeleteStep::apply()
{
    if (m_station)
        Module1::Playlists().Remove(m_position);
    m_list.RemoveItem(m_index);
}

void DeleteStep::revert()
{
    if (m_station)
        insertAt(m_position, *m_station, m_key);
    m_list.InsertItems(m_index, {m_title});
}

EditStep::EditStep(MainWindowParts& parts, qint16 index, const PlaylistEntry& station, const QString& title,
                   const QString& file, qint16 length)
    : ListStep(parts, QStringLiteral("Edit %1").arg(stepTitle(station->Title()))),
      m_index(index),
      m_original(station),
      m_position(positionOf(station)),
      m_originalKey(keyOf(station))
{
    m_replacement.setNumEntries(1);
    m_replacement.setFile(file);
    m_replacement.setTitle(title);
    m_replacement.setLength(length);
}

void EditStep::apply()
{
    colPlaylist& playlists = Module1::Playlists();
    m_import.RemoveItem(m_index);
    playlists.Remove(m_position);
    insertAt(playlists.Count() + 1, m_replacement, m_replacement.File());
    m_import.AddItem(m_replacement.Title());
}

// The replacement is the last station and the last title of lst_Import: nothing can have
// come after it that was not undone before. The stations a step took out or put in are
// found by their places, which undo and redo keep: the entries themselves are new ones
// each time a station is put back.
void EditStep::revert()
{
    colPlaylist& playlists = Module1::Playlists();
    m_import.RemoveItem(static_cast<qint16>(m_import.ListCount() - 1));
    playlists.Remove(playlists.Count());
    insertAt(m_position, *m_original, m_originalKey);
    m_import.InsertItems(m_index, {m_original->Title()});
}

} // namespace orvanta
