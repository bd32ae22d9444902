#include "ui/ListCommands.h"

#include "ui/Module1.h"
#include "ui/MoveSteps.h"
#include "ui/StationSteps.h"

#include <algorithm>

namespace orvanta {

namespace {

bool hasSelectedItem(const ListBox& list)
{
    return list.ListIndex() > -1 && list.ListCount() > 0;
}

// Said once per command that had titles to move and found no room for all of them.
void tellListIsFull(MainWindowParts& parts, const ListBox& full)
{
    const QString list = &full == &parts.lst_Output ? QStringLiteral("output") : QStringLiteral("import");
    parts.messageBox.MsgBox(QStringLiteral("The %1 list is full: it holds 32,767 stations.").arg(list), AppTitle);
}

// The selected title to `place` in the other list (-1: its end), unless that list is full.
bool moveSelectedTitle(MainWindowParts& parts, Toward toward, qint16 place, bool selectMoved)
{
    const ListBox& from = toward == Toward::Output ? parts.lst_Import : parts.lst_Output;
    const ListBox& to = toward == Toward::Output ? parts.lst_Output : parts.lst_Import;
    if (!hasSelectedItem(from))
        return false;
    if (to.isFull()) {
        tellListIsFull(parts, to);
        return false;
    }
    parts.undoStack.push(
        new MoveStationStep(parts, toward, from.ListIndex(), place < 0 ? to.ListCount() : place, selectMoved));
    return true;
}

// Only the leading titles that fit in the other list travel, so a full list never loses or
// doubles a title. Says so where not every title fitted.
void moveLeadingTitles(MainWindowParts& parts, Toward toward)
{
    const ListBox& from = toward == Toward::Output ? parts.lst_Import : parts.lst_Output;
    const ListBox& to = toward == Toward::Output ? parts.lst_Output : parts.lst_Import;
    const qint16 room = ListBox::MaxItems - to.ListCount();
    const qint16 moving = std::min(from.ListCount(), room);
    const bool allFit = moving == from.ListCount();
    if (moving > 0)
        parts.undoStack.push(new MoveAllStep(parts, toward, moving));
    toward == Toward::Output ? parts.lst_Import.Refresh() : parts.lst_Output.Refresh();
    if (!allFit)
        tellListIsFull(parts, to);
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

// The repaints are part of the buttons' documented steps: ">" and "<" repaint lst_Output,
// ">>" lst_Import and "<<" lst_Output (">" did so before its move; the user sees the same
// either way: a repaint changes no content, and the event loop paints every changed list
// once the command returns).

void btn_Add_Click(MainWindowParts& parts)
{
    if (moveSelectedTitle(parts, Toward::Output, -1, false))
        parts.lst_Output.Refresh();
}

void btn_AllAdd_Click(MainWindowParts& parts)
{
    moveLeadingTitles(parts, Toward::Output);
}

void btn_Rem_Click(MainWindowParts& parts)
{
    if (moveSelectedTitle(parts, Toward::Import, -1, false))
        parts.lst_Output.Refresh();
}

void btn_AllRem_Click(MainWindowParts& parts)
{
    moveLeadingTitles(parts, Toward::Import);
}

void btn_DelI_Click(MainWindowParts& parts)
{
    if (ListBox* const list = focusedListWithSelection(parts))
        parts.undoStack.push(new DeleteStep(parts, *list, list->ListIndex()));
}

bool addSelectedStation(MainWindowParts& parts, qint16 place)
{
    return moveSelectedTitle(parts, Toward::Output, place, true);
}

bool removeSelectedStation(MainWindowParts& parts)
{
    return moveSelectedTitle(parts, Toward::Import, -1, true);
}

bool moveOutputStation(MainWindowParts& parts, qint16 to)
{
    const qint16 from = parts.lst_Output.ListIndex();
    if (from < 0 || to < 0 || to >= parts.lst_Output.ListCount() || to == from)
        return false;
    parts.undoStack.push(new ReorderStep(parts, from, to));
    return true;
}

} // namespace orvanta
