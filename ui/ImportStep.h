#pragma once

#include "model/clsPlaylist.h"
#include "ui/ListStep.h"

#include <QList>
#include <QStringList>

namespace orvanta {

// The import of one playlist file, recorded around it: an import only appends, to Playlists
// and to lst_Import, so what the file added is what stands past the counts before it. Undo
// takes exactly that away; redo puts it back without reading the file again.
class ImportStep final : public ListStep {
public:
    // Takes the counts before the file's import.
    ImportStep(MainWindowParts& parts, const QString& path);

    // Once the file's import has ended: takes what it added, and says whether it added anything.
    bool takeWhatWasAdded();

private:
    void apply() override;
    void revert() override;

    const qsizetype m_stationsBefore;
    const qint16 m_titlesBefore;
    QList<PlaylistEntry> m_stations;
    QStringList m_titles;
    // The first redo comes when the step is pushed, after the import has done the work.
    bool m_applied = true;
};

} // namespace orvanta
