#include "model/PlaylistErrors.h"
#include "model/colPlaylist.h"
#include "pls/PlaylistReader.h"
#include "pls/PlaylistFile.h"

#include <QByteArrayView>
#include <QLocale>

#include <cstdint>
#include <cstdlib>

using namespace orvanta;

// Arbitrary bytes through decoding and both ways of reading, committed the way the import
// commits: a repeated title stops the reading, a repeated address fails it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = decodePlaylistText(QByteArrayView(data, static_cast<qsizetype>(size)));
    colPlaylist playlists;
    qint32 committed = 0;
    try {
        readPlaylistText(text, QLocale::c(), [&](const PlaylistStation& station) {
            if (playlists.findPlaylist(station.Title))
                return CommitResult::StopReading;
            playlists.Add(station.NumEntries, station.File, station.Title, station.Length, station.File);
            ++committed;
            return CommitResult::KeepReading;
        });
    } catch (const PlaylistReadError&) {
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
