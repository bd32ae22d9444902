#pragma once

// M3U playlists, as VLC, MPD, mpv and totem-pl-parser write them, and their UTF-8 form .m3u8:
// - Each line that is neither blank nor a comment ("#" first) is a station's address.
// - "#EXTINF:<seconds>,<title>" before it gives its length (-1 where it is no whole number
//   from -32,768 to 32,767) and its title; attributes may stand between the two, and a comma
//   in quotes there ends nothing. An "#EXTINF:" line followed by no address is a station
//   without one.
// - A file holding any "#EXT-X-" line is the playlist of one stream (HLS): no stations.

#include "pls/PlaylistReader.h"

namespace orvanta {

// Whether every line of the text that is neither blank nor a comment is an address players
// stream from (http://, https://, mms://, rtsp://, file:, any letter case), and there is one.
bool holdsOnlyAddresses(QByteArrayView text);

// utf8 for .m3u8, whose lines are UTF-8 whatever their bytes.
void readM3u(QByteArrayView text, bool utf8, PlaylistContent& content);

} // namespace orvanta
