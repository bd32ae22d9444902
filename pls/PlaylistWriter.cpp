#include "pls/PlaylistWriter.h"

namespace orvanta {

namespace {

void appendLine(QByteArray& bytes, QByteArrayView key, QByteArrayView value = {})
{
    bytes.append(key).append(value).append("\r\n");
}

QByteArray oneLine(const QString& value)
{
    QByteArray bytes = value.toUtf8();
    bytes.replace('\r', ' ').replace('\n', ' ');
    return bytes;
}

void appendOrvanta(QByteArray& bytes, const QList<PlaylistEntry>& stations)
{
    for (const PlaylistEntry& station : stations) {
        appendLine(bytes, "File1=", station->File().toUtf8());
        appendLine(bytes, "Title1=", station->Title().toUtf8());
        appendLine(bytes, "Length1=", QByteArray::number(station->Length()));
        appendLine(bytes, {});
    }
}

void appendStandard(QByteArray& bytes, const QList<PlaylistEntry>& stations)
{
    for (qsizetype i = 0; i < stations.size(); ++i) {
        const QByteArray number = QByteArray::number(i + 1);
        appendLine(bytes, "File" + number + '=', oneLine(stations[i]->File()));
        appendLine(bytes, "Title" + number + '=', oneLine(stations[i]->Title()));
        appendLine(bytes, "Length" + number + '=', QByteArray::number(stations[i]->Length()));
    }
    appendLine(bytes, "NumberOfEntries=", QByteArray::number(stations.size()));
    appendLine(bytes, "Version=2");
}

} // namespace

QByteArray writePlaylist(const QList<PlaylistEntry>& stations, PlaylistFormat format)
{
    QByteArray bytes;
    appendLine(bytes, "[playlist]");
    if (format == PlaylistFormat::Orvanta)
        appendOrvanta(bytes, stations);
    else
        appendStandard(bytes, stations);
    return bytes;
}

} // namespace orvanta
