#include "model/PlaylistErrors.h"
#include "model/colPlaylist.h"
#include "pls/PlaylistReader.h"

#include <QByteArrayView>
#include <QLocale>

#include <cstdint>
#include <cstdlib>

using namespace orvanta;

namespace {

bool holdsLineBreak(const QString& value)
{
    return value.contains(u'\r') || value.contains(u'\n');
}

} // namespace

// Arbitrary bytes through decoding and every reader, the first byte choosing the name the file
// has, committed the way the import commits: a repeated title stops the reading, a repeated
// address fails it. No value may be longer than the bound or hold a line break, and a failure
// names a line of the input or none.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char* const names[] = {"f.pls", "f.m3u", "f.m3u8", "f.xspf"};
    const QString name = QString::fromLatin1(names[data[0] % 4]);
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1);
    colPlaylist playlists;
    qint32 committed = 0;
    try {
        readPlaylist(bytes, name, QLocale::c(), [&](const PlaylistStation& station) {
            if (station.File.size() > MaxValueLength || station.Title.size() > MaxValueLength
                || holdsLineBreak(station.File) || holdsLineBreak(station.Title))
                std::abort();
            if (playlists.findPlaylist(station.Title))
                return CommitResult::StopReading;
            playlists.Add(station.NumEntries, station.File, station.Title, station.Length, station.File);
            ++committed;
            return CommitResult::KeepReading;
        });
    } catch (const PlaylistReadError& error) {
        if (error.line() < 0 || error.line() > bytes.count('\r') + bytes.count('\n') + 1)
            std::abort();
    } catch (const PlaylistError&) {
    }
    // Whatever happened, every station committed is held, each found by its own title.
    if (playlists.Count() != committed)
        std::abort();
    for (const auto& entry : playlists) {
        if (playlists.findPlaylist(entry->Title()) != entry)
            std::abort();
    }
    return 0;
}
