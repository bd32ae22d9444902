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
// has: every station is complete and named by a line of the input, as is a failure, and its
// address, folded, is a key of the collection it is added to.
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
    for (const PlaylistStation& station : content.stations) {
        if (!isComplete(station) || station.line < 1 || station.line > lines)
            std::abort();
        if (station.File.isEmpty())
            continue;
        try {
            playlists.Add(station.NumEntries, station.File, station.Title, station.Length, station.File);
        } catch (const DuplicateKeyError&) {
        }
        playlists.Item(station.File); // throws, and so fails, where no station holds the key
    }
    return 0;
}
