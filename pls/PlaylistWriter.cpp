#include "pls/PlaylistWriter.h"

namespace orvanta {

namespace {

void appendLine(QByteArray& bytes, QByteArrayView key, QByteArrayView value = {})
{
    bytes.append(key).append(value).append("\r\n");
}

} // namespace

QByteArray writePlaylist(const QList<PlaylistEntry>& stations)
{
    QByteArray bytes;
    appendLine(bytes, "[playlist]");
    for (const PlaylistEntry& station : stations) {
        appendLine(bytes, "File1=", station->File().toUtf8());
        appendLine(bytes, "Title1=", station->Title().toUtf8());
        appendLine(bytes, "Length1=", QByteArray::number(station->Length()));
        appendLine(bytes, {});
    }
    return bytes;
}

} // namespace orvanta
