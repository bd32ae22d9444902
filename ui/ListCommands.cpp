#include "ui/ListCommands.h"

#include "ui/Module1.h"

#include <algorithm>
#include <utility>

namespace orvanta {

namespace {

bool hasSelectedItem(const ListBox& list)
{
    return list.ListIndex() > -1 && list.ListCount() > 0;
}

// The selected title goes to the end of `to`; `from` is left without a selection.
void moveSelectedTitle(ListBox& from, ListBox& to)
{
    to.AddItem(from.List(from.ListIndex()));
    from.RemoveItem(from.ListIndex());
}

// All titles are copied before any is removed, each way in one batch. Only the leading
// ones that fit in `to` travel, so a full list never loses or doubles a title. Returns
// whether every title of `from` fitted.
bool moveLeadingTitles(ListBox& from, ListBox& to)
{
    const qint16 room = ListBox::MaxItems - to.ListCount();
    const qint16 moving = std::min(from.ListCount(), room);
    const bool allFit = moving == from.ListCount();
    QStringList titles;
    titles.reserve(moving);
    for (qint16 i = 0; i < moving; ++i)
        titles.append(from.List(i));
    to.AddItems(std::move(titles));
    from.RemoveItems(0, moving);
    return allFit;
}

// Said once per command that had titles to move and found no room for all of them.
void tellListIsFull(MainWindowParts& parts, const ListBox& full)
{
    const QString list = &full == &parts.lst_Output ? QStringLiteral("output") : QStringLiteral("import");
    parts.messageBox.MsgBox(QStringLiteral("The %1 list is full: it holds 32,767 stations.").arg(list), AppTitle);
}

// The list that ListFocus names, when it has a selected item; the other list's
// selection never counts.
ListBox* focusedListWithSelection(MainWindowParts& parts)
{
    if (Module1::ListFocus() == Module1::ImportListFocus && hasSelectedItem(parts.lst_Import))
        return &parts.lst_Import;
    if (Module1::ListFocus() == Module1::OutputListFocus && hasSelectedItem(parts.lst_Output))
        return &parts.lst_Output;
    return nullptr;
}

} // namespace

// Where each move repaints is part of its documented steps: ">" repaints lst_Output before
// its move, the other three repaint after theirs. The user sees the same either way: a
// repaint changes no content, and the event loop paints every changed list once the
// command returns.

void btn_Add_Click(MainWindowParts& parts)
{
    if (!hasSelectedItem(parts.lst_Import))
        return;
    if (parts.lst_Output.isFull())
        return tellListIsFull(parts, parts.lst_Output);
    parts.lst_Output.Refresh();
    moveSelectedTitle(parts.lst_Import, parts.lst_Output);
}

void btn_AllAdd_Click(MainWindowParts& parts)
{
    const bool allMoved = moveLeadingTitles(parts.lst_Import, parts.lst_Output);
    parts.lst_Import.Refresh();
    if (!allMoved)
        tellListIsFull(parts, parts.lst_Output);
}

void btn_Rem_Click(MainWindowParts& parts)
{
    if (parts.lst_Output.ListIndex() < 0)
        return;
    if (parts.lst_Import.isFull())
        return tellListIsFull(parts, parts.lst_Import);
    moveSelectedTitle(parts.lst_Output, parts.lst_Import);
    parts.lst_Output.Refresh();
}

void btn_AllRem_Click(MainWindowParts& parts)
{
    const bool allMoved = moveLeadingTitles(parts.lst_Output, parts.lst_Import);
    parts.lst_Output.Refresh();
    if (!allMoved)
        tellListIsFull(parts, parts.lst_Import);
}

void btn_DelI_Click(MainWindowParts& parts)
{
    ListBox* const list = focusedListWithSelection(parts);
    if (!list)
        return;
    // The collection changes before the list. The station goes by identity: for a keyed
    // one the same as removing its key, and the one way to reach a station stored without
    // a key (an empty File). A title without a station leaves the collection as it is.
    colPlaylist& playlists = Module1::Playlists();
    if (const PlaylistEntry station = playlists.findPlaylist(list->List(list->ListIndex())))
        playlists.RemoveEntry(station);
    list->RemoveItem(list->ListIndex());
}

} // namespace orvanta
