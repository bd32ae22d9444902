#pragma once

#include "model/clsPlaylist.h"

#include <QByteArray>
#include <QList>

namespace orvanta {

// The complete bytes of a .pls file holding the given stations in order: the header,
// then per station its address, title and length lines (all keyed with the number 1)
// and an empty line. Every line ends with CR LF; text is UTF-8 without a byte-order
// mark; values go out exactly as stored. Every entry must be non-null.
QByteArray writePlaylist(const QList<PlaylistEntry>& stations);

} // namespace orvanta
