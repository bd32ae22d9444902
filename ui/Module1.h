#pragma once

#include "model/colPlaylist.h"

#include <QtGlobal>

namespace orvanta::Module1 {

// The program's one collection of stations, created on first use.
colPlaylist& Playlists();
bool playlistsExist();

// Which list had the input focus last: 0 neither yet, 1 lst_Import, 2 lst_Output.
inline constexpr qint16 NoListFocus = 0;
inline constexpr qint16 ImportListFocus = 1;
inline constexpr qint16 OutputListFocus = 2;
qint16 ListFocus();
void setListFocus(qint16 value);

// Back to the state at program start: no collection, ListFocus 0. For tests.
void reset();

} // namespace orvanta::Module1
