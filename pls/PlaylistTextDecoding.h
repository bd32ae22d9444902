#pragma once

#include <QByteArrayView>
#include <QString>

namespace orvanta {

// The text of a playlist file: UTF-8 when the bytes are valid UTF-8, with a byte-order mark
// kept as U+FEFF; otherwise Windows-1252, so legacy files keep their accented titles and
// no byte is lost.
QString decodePlaylistText(QByteArrayView bytes);

} // namespace orvanta
