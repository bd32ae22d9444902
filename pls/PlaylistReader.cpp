#include "pls/PlaylistReader.h"

#include "pls/M3uReader.h"
#include "pls/PlaylistFile.h"
#include "pls/PlsReader.h"
#include "pls/PlsScanReader.h"
#include "pls/XspfReader.h"

#include <QFileInfo>

namespace orvanta {

namespace {

void readInItsFormat(const QByteArray& bytes, const QString& fileName, const QLocale& locale, PlaylistContent& content)
{
    const QByteArray text = withoutByteOrderMark(bytes);
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    const bool m3u8 = suffix == u"m3u8";
    // The two marks that stand at the very start come first: looking for a .pls header
    // would walk all the lines of an M3U or XSPF playlist.
    if (text.startsWith("#EXTM3U"))
        return readM3u(text, m3u8, content);
    // The XML reader takes the bytes as they are: it reads their byte-order mark and
    // encoding declaration itself.
    if (isXspf(bytes))
        return readXspf(bytes, content);
    if (PlaylistLines lines(text); skipPlsHeader(lines))
        return readPls(lines, locale, content);
    if (suffix == u"m3u" || m3u8 || holdsOnlyAddresses(text))
        return readM3u(text, m3u8, content);
    if (suffix == u"xspf")
        return readXspf(bytes, content);
    readPlsWithoutHeader(text, locale, content);
}

} // namespace

PlaylistContent readPlaylist(QByteArray bytes, const QString& fileName, const QLocale& locale)
{
    PlaylistContent content;
    try {
        readInItsFormat(withoutOddUtf16Byte(std::move(bytes)), fileName, locale, content);
    } catch (const PlaylistReadError& failure) {
        content.failure = failure;
    }
    return content;
}

PlaylistContent readPlaylistFile(const QString& path, const QLocale& locale)
{
    QByteArray bytes;
    try {
        bytes = readPlaylistBytes(path);
    } catch (const PlaylistReadError& failure) {
        PlaylistContent unread;
        unread.failure = failure;
        return unread;
    }
    return readPlaylist(std::move(bytes), path, locale);
}

} // namespace orvanta
