#include "pls/LineModeReader.h"

#include "pls/PlaylistReadError.h"
#include "pls/RequiredInteger16.h"

namespace orvanta {

namespace {

// The text from the 0-based valueStart to the end. A line shorter than valueStart has no
// value at all, which the reader treats as a broken file rather than an empty value.
QStringView valueAt(QStringView line, qsizetype valueStart)
{
    if (line.size() < valueStart)
        throw PlaylistReadError("line too short for its value: " + line.toString().toStdString());
    return line.sliced(valueStart);
}

} // namespace

void readLineMode(PlaylistLines& lines, const QLocale& locale, const StationCommit& commit)
{
    PlaylistStation station;
    station.NumEntries = 1;
    while (!lines.atEnd()) {
        const QStringView line = lines.readLine();
        const QStringView key = line.first(qMin<qsizetype>(4, line.size()));
        if (key == u"File") {
            station.File = valueAt(line, 6).toString();
        } else if (key == u"Titl") {
            station.Title = valueAt(line, 7).toString();
        } else if (key == u"Leng") {
            station.Length = requireInteger16(valueAt(line, 8), locale);
            if (commit(station) == CommitResult::StopReading)
                return;
        }
    }
}

} // namespace orvanta
