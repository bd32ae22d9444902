// M3U playlists, as VLC, MPD, mpv and totem-pl-parser write them, and their UTF-8 form .m3u8.
#include "pls/IntegerConversion.h"
#include "pls/PlaylistFormats.h"

#include <optional>

namespace orvanta {

namespace {

// What an "#EXTINF:" line says of the station after it.
struct ExtInf {
    qint16 length = -1;
    std::optional<QString> title;
};

// "<seconds>,<title>"; some writers put attributes after the seconds
// ("-1 tvg-name=\"Jazz, Blues\",Jazz"), whose quoted commas end nothing.
ExtInf extInf(const QString& text, int line)
{
    qsizetype comma = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size() && comma < 0; ++i) {
        if (text[i] == u'"')
            quoted = !quoted;
        else if (text[i] == u',' && !quoted)
            comma = i;
    }
    const QStringView head = QStringView(text).first(comma < 0 ? text.size() : comma).trimmed();
    const qsizetype blank = head.indexOf(u' ');
    ExtInf info;
    // Written by programs, so read as C, not in the user's number format.
    info.length = toInteger16(blank < 0 ? head : head.first(blank), QLocale::c()).value_or(-1);
    if (comma >= 0)
        info.title = boundedValue(text.sliced(comma + 1), "title", line);
    return info;
}

} // namespace

void readM3u(QByteArrayView text, bool utf8, const StationCommit& commit)
{
    const auto decode = [utf8](QByteArrayView bytes) {
        return utf8 ? QString::fromUtf8(bytes) : decodePlaylistLine(bytes);
    };
    std::optional<ExtInf> info;
    for (PlaylistLines lines(text); !lines.atEnd();) {
        const QByteArrayView line = lines.next();
        const int number = lines.number();
        if (line.trimmed().isEmpty())
            continue;
        if (line.startsWith('#')) {
            if (line.startsWith("#EXTINF:"))
                info = extInf(decode(line.sliced(8)), number);
            continue;
        }
        PlaylistStation station;
        station.NumEntries = 1;
        station.File = boundedValue(decode(line), "address", number);
        station.Title = info && info->title ? *info->title : station.File;
        station.Length = info ? info->length : qint16(-1);
        station.line = number;
        info.reset();
        if (commit(station) == CommitResult::StopReading)
            return;
    }
}

} // namespace orvanta
