#pragma once

#include "model/clsPlaylist.h"
#include "ui/ListStep.h"

namespace orvanta {

// The steps that change the stations themselves. Each holds the one station it took out,
// and puts it back at its place in Playlists, under the key it had; each finds the
// stations it changes by their places there.

// "x" or Delete: the title at `index` of `list` and the first station with that title, if
// there is one.
class DeleteStep final : public ListStep {
public:
    DeleteStep(MainWindowParts& parts, ListBox& list, qint16 index);

private:
    void apply() override;
    void revert() override;

    ListBox& m_list;
    const qint16 m_index;
    const QString m_title;
    const PlaylistEntry m_station;
    const qsizetype m_position;
    const QString m_key;
};

// OK in the edit dialog: the station behind the title at `index` of lst_Import gives way to
// a new one (entry count 1, keyed by its address) at the end of Playlists, whose title goes
// to the end of lst_Import.
class EditStep final : public ListStep {
public:
    EditStep(MainWindowParts& parts, qint16 index, const PlaylistEntry& station, const QString& title,
             const QString& file, qint16 length);

private:
    void apply() override;
    void revert() override;

    const qint16 m_index;
    const PlaylistEntry m_original;
    const qsizetype m_position;
    const QString m_originalKey;
    clsPlaylist m_replacement;
};

} // namespace orvanta
