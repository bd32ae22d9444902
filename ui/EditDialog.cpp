#include "ui/EditDialog.h"

#include "pls/IntegerConversion.h"
#include "ui/Module1.h"
#include "ui/StationSteps.h"

#include <QUndoStack>

#include <optional>
#include <utility>

namespace orvanta {

namespace {

struct SelectedStation {
    qint16 index;
    PlaylistEntry entry;
};

std::optional<SelectedStation> selectedStation(const ListBox& lst_Import)
{
    const qint16 index = lst_Import.ListIndex();
    if (index < 0)
        return std::nullopt;
    PlaylistEntry entry = Module1::Playlists().findPlaylist(lst_Import.List(index));
    if (!entry)
        return std::nullopt;
    return SelectedStation{index, std::move(entry)};
}

// Whether replacing the station and moving its title to the end changes anything: not for
// the last station and title, unchanged, that an edit has made before.
bool changesSomething(const ListBox& lst_Import, const SelectedStation& station, const QString& url,
                      const QString& title, qint16 length)
{
    const colPlaylist& playlists = Module1::Playlists();
    const clsPlaylist& entry = *station.entry;
    return station.index != lst_Import.ListCount() - 1 || playlists.PositionOf(station.entry) != playlists.Count()
           || entry.NumEntries() != 1 || entry.File() != url || entry.Title() != title || entry.Length() != length;
}

} // namespace

void lst_Import_DblClick(MainWindowParts& parts, EditDialogView& frm_Edit)
{
    const auto station = selectedStation(parts.lst_Import);
    if (!station)
        return;
    frm_Edit.setTitleText(station->entry->Title());
    frm_Edit.setLengthText(QString::number(station->entry->Length()));
    frm_Edit.setUrlText(station->entry->File());
    parts.window.setEnabled(false);
    frm_Edit.Show();
}

void btn_OK_Click(MainWindowParts& parts, EditDialogView& frm_Edit)
{
    colPlaylist& playlists = Module1::Playlists();
    const auto station = selectedStation(parts.lst_Import);
    if (!station)
        return;
    const QString url = frm_Edit.urlText();
    const QString title = frm_Edit.titleText();

    // Everything that can refuse the edit is checked before the old station is touched,
    // so that a refused edit loses nothing.
    // A shared title would leave two stations with one handle between them.
    const PlaylistEntry titleHolder = playlists.findPlaylist(title);
    if (titleHolder && titleHolder != station->entry) {
        parts.messageBox.MsgBox(QStringLiteral("Duplicate Item: Ignoring."), AppTitle);
        return;
    }
    // The address and length fields cannot be edited, so these two hold unless the
    // fields were given other texts than the ones the dialog opened with.
    const std::optional<qint16> length = toInteger16(frm_Edit.lengthText(), parts.numberLocale);
    if (!length)
        return;
    if (!url.isEmpty() && !playlists.isStoredUnder(station->entry, url))
        return;

    if (changesSomething(parts.lst_Import, *station, url, title, *length))
        parts.undoStack.push(new EditStep(parts, station->index, station->entry, title, url, *length));
    else
        parts.lst_Import.Unselect(station->index);
    parts.window.setEnabled(true);
    frm_Edit.Unload();
}

void btn_Cancel_Click(MainWindowParts& parts, EditDialogView& frm_Edit)
{
    parts.window.setEnabled(true);
    frm_Edit.Unload();
}

} // namespace orvanta
