#pragma once

#include "model/clsPlaylist.h"

#include <QByteArray>
#include <QList>

namespace orvanta {

// The two forms a playlist is written in.
enum class PlaylistFormat {
    // What the Orvanta player reads, by fixed positions: every station's address, title
    // and length keyed with the number 1, each block closed by an empty line. Values go
    // out exactly as stored.
    Orvanta,
    // PLS version 2, as other players read it: stations numbered 1 to N without empty
    // lines, then NumberOfEntries and Version=2. Those players end a line at LF as well as
    // at CR, so each CR or LF inside a value goes out as a blank.
    Standard,
};

// The complete bytes of a .pls file holding the given stations in order, after a
// "[playlist]" header. Every line ends with CR LF; text is UTF-8 without a byte-order
// mark. Every entry must be non-null.
QByteArray writePlaylist(const QList<PlaylistEntry>& stations, PlaylistFormat format);

} // namespace orvanta
