#include "formats/PlaylistReader.h"
#include "model/PlaylistErrors.h"
#include "model/colPlaylist.h"

#include <QByteArrayView>
#include <QLocale>

#include <cstdint>
#include <cstdlib>

using namespace orvanta;

// Arbitrary bytes through decoding and both ways of reading, committed the way the import
// commits: a repeated title stops the reading, a repeated address fails it. No value may
// be longer than a line may be, and a failure names a line of the input or none.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    colPlaylist playlists;
    qint32 committed = 0;
    try {
        readPlaylist(bytes, QLocale::c(), [&](const PlaylistStation& station) {
            if (station.File.size() > MaxLineLength || station.Title.size() > MaxLineLength)
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
