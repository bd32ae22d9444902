#include "ui/EditDialog.h"

#include "pls/IntegerConversion.h"
#include "ui/Module1.h"

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

    parts.lst_Import.RemoveItem(station->index);
    // By identity: for a keyed entry the same as removing its key, and the one way to
    // reach an entry that an empty address left without a key.
    playlists.RemoveEntry(station->entry);
    playlists.Add(1, url, title, *length, url);
    parts.lst_Import.AddItem(title);
    parts.window.setEnabled(true);
    frm_Edit.Unload();
}

void btn_Cancel_Click(MainWindowParts& parts, EditDialogView& frm_Edit)
{
    parts.window.setEnabled(true);
    frm_Edit.Unload();
}

} // namespace orvanta
