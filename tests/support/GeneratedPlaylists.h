#pragma once

#include <QFile>
#include <QStringList>

namespace orvanta::testing {

// One station's lines as the Orvanta export writes them: address, title, length, empty line.
inline QByteArray stationBlock(const QString& file, const QString& title, const QByteArray& length = "-1")
{
    return "File1=" + file.toUtf8() + "\r\nTitle1=" + title.toUtf8() + "\r\nLength1=" + length + "\r\n\r\n";
}

// A playlist as the Orvanta export writes it, one station per title at "http://<title>/".
inline QByteArray playlistOf(const QStringList& titles)
{
    QByteArray bytes = "[playlist]\r\n";
    for (const QString& title : titles)
        bytes += stationBlock("http://" + title + '/', title);
    return bytes;
}

// Titles like real ones, "Station <n> - Jazz & Blues", for n from first on.
inline QStringList generatedTitles(int count, int first = 1)
{
    QStringList titles;
    for (int n = first; n < first + count; ++n)
        titles.append(QStringLiteral("Station %1 - Jazz & Blues").arg(n));
    return titles;
}

// A playlist as the Orvanta export writes it, of the generated titles at addresses like
// real ones, "http://stream-<n>.example.org:8000/live": two playlists with different
// `first` hold different stations.
inline QByteArray generatedPlaylist(int count, int first = 1)
{
    QByteArray bytes = "[playlist]\r\n";
    const QStringList titles = generatedTitles(count, first);
    for (int i = 0; i < count; ++i)
        bytes += stationBlock(QStringLiteral("http://stream-%1.example.org:8000/live").arg(first + i), titles[i]);
    return bytes;
}

// Writes the file the user will pick, replacing any earlier one, and gives its path; a
// file that cannot be written gives a null path, which a file dialog answers as a cancel.
inline QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size())
        return path;
    return {};
}

} // namespace orvanta::testing
