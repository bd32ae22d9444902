#pragma once

#include "model/clsPlaylist.h"
#include "ui/CloseQuestion.h"
#include "ui/MainWindowParts.h"

#include <QList>
#include <QStringList>

namespace orvanta {

// What the last successful export wrote, so that closing the window loses no output list
// the user has not exported.
class LastExport {
public:
    // Just exported: the output list's stations and the version option as they stand.
    // The undo stack is marked clean there.
    void remember(const MainWindowParts& parts);

    // Whether the output list holds stations and differs from what the last export wrote (or
    // nothing was exported yet): other stations, titles, addresses or lengths, another order,
    // the other version. Undoing back to the export counts as no change.
    bool outputListChanged(const MainWindowParts& parts) const;

private:
    QStringList m_titles;
    QList<PlaylistEntry> m_stations;
    bool m_standardForm = false;
};

// The click of btn_Export, Ctrl+S, Export in the close question: exports as btn_Export_Click
// does and remembers what it wrote. Returns whether it saved.
bool exportOutputList(MainWindowParts& parts, LastExport& lastExport);

// Closing the main window (or the session ending, where it lets the program ask): true
// when it may close. While the edit dialog has it disabled it stays open; an output list
// that is empty or as last exported lets it close at once. Otherwise the user is asked:
// Export closes only once the export has saved, Discard closes, Cancel keeps it open.
bool mayCloseWindow(MainWindowParts& parts, LastExport& lastExport, CloseQuestion& question);

} // namespace orvanta
