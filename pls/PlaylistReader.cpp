#include "pls/PlaylistReader.h"

#include "pls/PlaylistFile.h"
#include "pls/PlaylistFormats.h"

#include <QFileInfo>

namespace orvanta {

QString boundedValue(QString value, const char* what, int line)
{
    if (value.size() > MaxValueLength)
        throw PlaylistReadError(line,
                                QStringLiteral("the %1 is longer than %2 characters")
                                    .arg(QLatin1StringView(what), QLocale(QLocale::English).toString(MaxValueLength)));
    return value;
}

void readPlaylist(QByteArray bytes, const QString& fileName, const QLocale& locale, const StationCommit& commit)
{
    const QByteArray text = withoutByteOrderMark(bytes);
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    const bool m3u8 = suffix == u"m3u8";
    // The two marks that stand at the very start come first: looking for a .pls header
    // would walk all the lines of an M3U or XSPF playlist.
    if (text.startsWith("#EXTM3U"))
        return readM3u(text, m3u8, commit);
    // The XML reader takes the bytes as they are: it reads their byte-order mark and
    // encoding declaration itself.
    if (isXspf(bytes))
        return readXspf(bytes, commit);
    PlaylistLines lines(text);
    if (skipPlsHeader(lines))
        return readPlsLines(lines, locale, commit);
    if (suffix == u"m3u" || m3u8)
        return readM3u(text, m3u8, commit);
    if (suffix == u"xspf")
        return readXspf(bytes, commit);
    readPlsWithoutHeader(text, locale, commit);
}

void readPlaylistFile(const QString& path, const QLocale& locale, const StationCommit& commit)
{
    readPlaylist(readPlaylistBytes(path), path, locale, commit);
}

} // namespace orvanta
