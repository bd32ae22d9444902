#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace orvanta::testing {

// One station's lines as the Orvanta export writes them: address, title, length, empty line.
QByteArray stationBlock(const QString& file, const QString& title, const QByteArray& length = "-1");

// A playlist as the Orvanta export writes it, one station per title at "http://<title>/".
QByteArray playlistOf(const QStringList& titles);

// Titles like real ones, "Station <n> - Jazz & Blues", for n from first on.
QStringList generatedTitles(int count, int first = 1);

// A playlist as the Orvanta export writes it, of the generated titles at addresses like
// real ones, "http://stream-<n>.example.org:8000/live": two playlists with different
// `first` hold different stations.
QByteArray generatedPlaylist(int count, int first = 1);

// Writes the file the user will pick, replacing any earlier one, and gives its path; a
// file that cannot be written fails the running test and gives a null path.
QString writeFile(const QString& path, const QByteArray& bytes);

} // namespace orvanta::testing
