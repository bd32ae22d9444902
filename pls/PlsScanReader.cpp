#include "pls/PlsScanReader.h"

#include "pls/IntegerConversion.h"
#include "pls/PlaylistText.h"
#include "pls/StationDraft.h"

#include <optional>

namespace orvanta {

namespace {

constexpr QStringView Header = u"[playlist]";
constexpr QStringView EntryCountKey = u"numberofentries=";
constexpr QStringView FileKey = u"File1=";
constexpr QStringView TitleKey = u"Title1=";
constexpr QStringView LengthKey = u"Length1=";

// The text before the first CR, its LF-ended lines decoded one by one, each as the line of
// its own that it is.
QString scannedText(QByteArrayView text)
{
    const qsizetype returnAt = text.indexOf('\r');
    const QByteArrayView firstLine = returnAt < 0 ? text : text.first(returnAt);
    QString scanned;
    for (PlaylistLines lines(firstLine); !lines.atEnd();)
        scanned += decodePlaylistLine(lines.next()) + u'\n';
    if (!firstLine.endsWith('\n'))
        scanned.chop(1);
    if (scanned.size() > MaxScanModeLength) {
        const QString bound = QLocale(QLocale::English).toString(MaxScanModeLength);
        throw PlaylistReadError(
            1, scanned.contains(u'\n')
                   ? QStringLiteral("the file has no \"[playlist]\" header, and without one it is read only "
                                    "when it holds at most %1 characters")
                         .arg(bound)
                   : QStringLiteral("the first line is longer than %1 characters").arg(bound));
    }
    return scanned;
}

// "numberofentries=12" gives 2: only the last character counts.
qint16 entryCount(QStringView pending, const QLocale& locale, int number)
{
    const auto count = toInteger16(pending.last(1), locale);
    if (!count)
        throw PlaylistReadError(
            number, QStringLiteral("\"%1\" is not a whole number from -32,768 to 32,767").arg(pending.last(1)));
    return *count;
}

} // namespace

void readPlsWithoutHeader(QByteArrayView text, const QLocale& locale, PlaylistContent& content)
{
    const QString scanned = scannedText(text);
    qint16 entries = 0;
    std::optional<StationDraft> draft; // begun at the first line of a station
    QString pending;
    int number = 0;
    for (qsizetype start = 0;;) {
        const qsizetype lineFeed = scanned.indexOf(u'\n', start);
        if (lineFeed < 0)
            return;
        pending += QStringView(scanned).sliced(start, lineFeed - start);
        start = lineFeed + 1;
        ++number;
        const bool stationLine =
            pending.startsWith(FileKey) || pending.startsWith(TitleKey) || pending.startsWith(LengthKey);
        if (stationLine && !draft)
            draft.emplace(number);
        if (pending == Header) {
            // Skipped.
        } else if (pending.startsWith(EntryCountKey)) {
            entries = entryCount(pending, locale, number);
        } else if (pending.startsWith(FileKey)) {
            draft->setAddress(pending.sliced(FileKey.size()), number);
        } else if (pending.startsWith(TitleKey)) {
            draft->setTitle(pending.sliced(TitleKey.size()), number);
        } else if (pending.startsWith(LengthKey)) {
            draft->setLength(toInteger16(QStringView(pending).sliced(LengthKey.size()), locale).value_or(-1));
            draft->setNumEntries(entries);
            std::move(*draft).completeInto(content);
            draft.reset();
        } else {
            continue;
        }
        pending.clear();
    }
}

} // namespace orvanta
