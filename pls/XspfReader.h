#pragma once

// XSPF playlists ("spiff"), as VLC and totem-pl-parser write them:
// - Each <track> in a <trackList> of the <playlist> root is a station: its first <location>
//   the address, its first <title> the title, its <duration> in milliseconds the length in
//   whole seconds (-1 where there is none, or it is negative or over 32,767 s). An element's
//   text takes in that of the elements inside it; a line break in it becomes a blank.
// - Elements count in the XSPF namespace or in none; a track without a location is a
//   station without an address.
// - No external entity or DTD is loaded; a document nesting elements deeper than
//   MaxXmlDepth is refused at the line where it goes too deep.

#include "pls/PlaylistReader.h"

namespace orvanta {

inline constexpr int MaxXmlDepth = 256;

// Whether the document's root element is an XSPF playlist.
bool isXspf(const QByteArray& bytes);

void readXspf(const QByteArray& bytes, PlaylistContent& content);

} // namespace orvanta
