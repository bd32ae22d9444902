#include "model/PlaylistErrors.h"
#include "model/colPlaylist.h"
#include "pls/PlaylistReader.h"

#include <QByteArrayView>
#include <QLocale>

#include <cstdint>
#include <cstdlib>

using namespace orvanta;

namespace {

// Completed as every reader completes a station: no value longer than the bound or holding a
// line break, an address without blanks at its ends, a title blank only where the address is.
bool isComplete(const PlaylistStation& station)
{
    const auto fits = [](const QString& value) {
        return value.size() <= MaxValueLength && !value.contains(u'\r') && !value.contains(u'\n');
    };
    const QString& file = station.File;
    const QString blanks = QStringLiteral(" \t");
    return fits(file) && fits(station.Title)
           && (file.isEmpty() || (!blanks.contains(file.front()) && !blanks.contains(file.back())))
           && (!QString(station.Title).remove(u' ').remove(u'\t').isEmpty() || station.Title == file);
}

} // namespace

// Arbitrary bytes through decoding and every reader, the first byte choosing the name the file
// has, then taken the way the import takes them: a station whose title is held or which has no
// address is left out, a repeated address refused. Every station is complete and named by a
// line of the input, as is a failure, and every station taken is held, found by its title.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char* const names[] = {"f.pls", "f.m3u", "f.m3u8", "f.xspf"};
    const QString name = QString::fromLatin1(names[data[0] % 4]);
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1);
    const int lines = int(bytes.count('\r') + bytes.count('\n') + 1);
    const PlaylistContent content = readPlaylist(bytes, name, QLocale::c());
    if ((content.failure && (content.failure->line() < 0 || content.failure->line() > lines))
        || (content.singleStream && !content.stations.isEmpty()))
        std::abort();
    colPlaylist playlists;
    qint32 taken = 0;
    for (const PlaylistStation& station : content.stations) {
        if (!isComplete(station) || station.line < 1 || station.line > lines)
            std::abort();
        if (station.File.isEmpty() || playlists.findPlaylist(station.Title))
            continue;
        try {
            playlists.Add(station.NumEntries, station.File, station.Title, station.Length, station.File);
            ++taken;
        } catch (const DuplicateKeyError&) {
        }
    }
    if (playlists.Count() != taken)
        std::abort();
    for (const auto& entry : playlists) {
        if (playlists.findPlaylist(entry->Title()) != entry)
            std::abort();
    }
    return 0;
}
