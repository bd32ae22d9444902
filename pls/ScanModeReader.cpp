#include "pls/ScanModeReader.h"

#include "pls/PlaylistReadError.h"
#include "pls/RequiredInteger16.h"

#include <QString>

namespace orvanta {

namespace {

constexpr QStringView Header = u"[playlist]";
constexpr QStringView EntryCountKey = u"numberofentries=";
constexpr QStringView FileKey = u"File1=";
constexpr QStringView TitleKey = u"Title1=";
constexpr QStringView LengthKey = u"Length1=";

// Applies the pending line when it is one the scan recognises, emptying it then.
// Returns whether it completed a station.
bool applyPendingLine(QString& pending, PlaylistStation& station, const QLocale& locale)
{
    bool completesStation = false;
    if (pending == Header) {
        // Skipped.
    } else if (pending.startsWith(EntryCountKey)) {
        // Only the last character counts: "numberofentries=12" gives 2.
        station.NumEntries = requireInteger16(QStringView(pending).last(1), locale);
    } else if (pending.startsWith(FileKey)) {
        station.File = pending.sliced(FileKey.size());
    } else if (pending.startsWith(TitleKey)) {
        station.Title = pending.sliced(TitleKey.size());
    } else if (pending.startsWith(LengthKey)) {
        station.Length = requireInteger16(QStringView(pending).sliced(LengthKey.size()), locale);
        completesStation = true;
    } else {
        return false;
    }
    pending.clear();
    return completesStation;
}

} // namespace

void readScanMode(QStringView firstLine, const QLocale& locale, const StationCommit& commit)
{
    if (firstLine.size() > MaxScanModeLength)
        throw PlaylistReadError("first line too long to scan");

    PlaylistStation station;
    QString pending;
    for (qsizetype start = 0;;) {
        const qsizetype lineFeed = firstLine.indexOf(u'\n', start);
        if (lineFeed < 0)
            return;
        pending += firstLine.sliced(start, lineFeed - start);
        start = lineFeed + 1;
        if (applyPendingLine(pending, station, locale) && commit(station) == CommitResult::StopReading)
            return;
    }
}

} // namespace orvanta
