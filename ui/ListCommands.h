#pragma once

#include "ui/MainWindowParts.h"

namespace orvanta {

// The click handlers of the five buttons between the two lists, and the keys and drags that
// move stations. Moving carries the title alone, so the station's entry stays in Playlists;
// only delete touches Playlists. None of them changes ListFocus, and each one whose
// condition does not hold changes and repaints nothing. Each change is one step on the undo
// stack. A move that finds no room in the list it fills for every title it would move says
// so once: "The output list is full: it holds 32,767 stations." (or the import list); what
// moved stays moved.

// ">": moves the selected title of lst_Import to the end of lst_Output,
// unless lst_Output is full.
void btn_Add_Click(MainWindowParts& parts);

// ">>": moves the titles of lst_Import, in order, to the end of lst_Output; as many as
// fit there, the rest stay in lst_Import in their order.
void btn_AllAdd_Click(MainWindowParts& parts);

// "<": moves the selected title of lst_Output to the end of lst_Import,
// unless lst_Import is full.
void btn_Rem_Click(MainWindowParts& parts);

// "<<": moves the titles of lst_Output, in order, to the end of lst_Import; as many as
// fit there, the rest stay in lst_Output in their order.
void btn_AllRem_Click(MainWindowParts& parts);

// "x": removes the selected item of the list that ListFocus names, together with the
// first station in Playlists that has its title.
void btn_DelI_Click(MainWindowParts& parts);

// Ctrl+Right, or a drag from lst_Import to lst_Output: as ">", but to `place` in lst_Output
// (0 to its count), where the title is then selected. Returns whether it moved.
bool addSelectedStation(MainWindowParts& parts, qint16 place);

// Ctrl+Left, or a drag from lst_Output to lst_Import: as "<", the title then selected at
// the end of lst_Import. Returns whether it moved.
bool removeSelectedStation(MainWindowParts& parts);

// Alt+Up, Alt+Down, a drag within lst_Output: the selected title of lst_Output to the
// position `to`, where it stays selected. Without a selection, or with `to` outside the
// list or where the title stands, nothing happens. Returns whether it moved.
bool moveOutputStation(MainWindowParts& parts, qint16 to);

} // namespace orvanta
