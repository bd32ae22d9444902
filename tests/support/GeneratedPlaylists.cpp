#include "GeneratedPlaylists.h"

#include <QFile>

#include <gtest/gtest.h>

namespace orvanta::testing {

QByteArray stationBlock(const QString& file, const QString& title, const QByteArray& length)
{
    return "File1=" + file.toUtf8() + "\r\nTitle1=" + title.toUtf8() + "\r\nLength1=" + length + "\r\n\r\n";
}

QByteArray playlistOf(const QStringList& titles)
{
    QByteArray bytes = "[playlist]\r\n";
    for (const QString& title : titles)
        bytes += stationBlock("http://" + title + '/', title);
    return bytes;
}

QStringList generatedTitles(int count, int first)
{
    QStringList titles;
    titles.reserve(count);
    for (int n = first; n < first + count; ++n)
        titles.append(QStringLiteral("Station %1 - Jazz & Blues").arg(n));
    return titles;
}

QByteArray generatedPlaylist(int count, int first)
{
    QByteArray bytes = "[playlist]\r\n";
    const QStringList titles = generatedTitles(count, first);
    for (int i = 0; i < count; ++i)
        bytes += stationBlock(QStringLiteral("http://stream-%1.example.org:8000/live").arg(first + i), titles[i]);
    return bytes;
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size())
        return path;
    ADD_FAILURE() << "cannot write " << path.toStdString();
    return {};
}

} // namespace orvanta::testing
