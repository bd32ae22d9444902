#include "pls/PlaylistReader.h"

#include "pls/LineModeReader.h"
#include "pls/PlaylistFileBytes.h"
#include "pls/PlaylistLines.h"
#include "pls/PlaylistTextDecoding.h"
#include "pls/ScanModeReader.h"

namespace orvanta {

void readPlaylistText(const QString& text, const QLocale& locale, const StationCommit& commit)
{
    PlaylistLines lines(text);
    const QStringView firstLine = lines.readLine();
    if (firstLine.toString().toLower() == u"[playlist]")
        readLineMode(lines, locale, commit);
    else
        readScanMode(firstLine, locale, commit);
}

void readPlaylistFile(const QString& path, const QLocale& locale, const StationCommit& commit)
{
    readPlaylistText(decodePlaylistText(readPlaylistBytes(path)), locale, commit);
}

} // namespace orvanta
