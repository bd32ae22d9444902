#pragma once

#include <QByteArrayView>
#include <QString>

namespace orvanta {

// Whether every byte is below 0x80: then bytes and characters are one in either encoding.
bool isAscii(QByteArrayView bytes);

// The text of one line of a playlist file: UTF-8 when its bytes are valid UTF-8, with a
// byte-order mark kept as U+FEFF; otherwise Windows-1252, so legacy lines keep their
// accented titles and no byte is lost. Line by line, one odd line spoils no other.
QString decodePlaylistLine(QByteArrayView bytes);

} // namespace orvanta
