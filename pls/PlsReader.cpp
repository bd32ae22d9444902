// Shoutcast .pls files: the header, the lines after it, and files without a header.
#include "pls/IntegerConversion.h"
#include "pls/PlaylistFormats.h"

#include <algorithm>

namespace orvanta {

namespace {

// A value as a message quotes it: a long one is cut, it may be a whole line.
QString quoted(QStringView value)
{
    constexpr qsizetype shown = 40;
    if (value.size() > shown)
        return QStringLiteral("\"%1\u2026\"").arg(value.first(shown));
    return QStringLiteral("\"%1\"").arg(value);
}

qint16 requireInteger16(QStringView value, const QLocale& locale, int line)
{
    const auto converted = toInteger16(value, locale);
    if (!converted)
        throw PlaylistReadError(line,
                                QStringLiteral("%1 is not a whole number from -32,768 to 32,767").arg(quoted(value)));
    return *converted;
}

enum class Key { None, File, Title, Length };

// The key of a line after the header, and where its value starts, in characters.
struct KeyedLine {
    Key key = Key::None;
    qsizetype valueStart = 0;
    // Whether the line was recognised by its exact key and number, whose "=" is followed by
    // the value: all before it is ASCII, so bytes and characters are one.
    bool numbered = false;
};

// Whether the line starts with the lower-case letters of name, in any letter case: setting
// bit 0x20 lowers an ASCII capital and leaves the lower-case letter as it is.
bool startsWithInAnyCase(QByteArrayView line, QByteArrayView name)
{
    return line.size() >= name.size() && std::equal(name.begin(), name.end(), line.begin(), [](char letter, char c) {
               return (c | 0x20) == letter;
           });
}

KeyedLine keyOf(QByteArrayView line)
{
    QByteArrayView name;
    Key key = Key::None;
    // Each key has a first letter of its own.
    switch (line.isEmpty() ? 0 : line[0] | 0x20) {
    case 'f':
        name = "file";
        key = Key::File;
        break;
    case 't':
        name = "title";
        key = Key::Title;
        break;
    case 'l':
        name = "length";
        key = Key::Length;
        break;
    default:
        return {};
    }
    if (startsWithInAnyCase(line, name)) {
        qsizetype end = name.size();
        while (end < line.size() && line[end] >= '0' && line[end] <= '9')
            ++end;
        if (end > name.size() && end < line.size() && line[end] == '=')
            return {key, end + 1, true};
    }
    // Lines that only start like a key take their value where "File1=", "Title1=" and
    // "Length1=" would end theirs.
    if (line.startsWith("File"))
        return {Key::File, 6};
    if (line.startsWith("Titl"))
        return {Key::Title, 7};
    if (line.startsWith("Leng"))
        return {Key::Length, 8};
    return {};
}

QString valueOf(QByteArrayView line, const KeyedLine& keyed, int number)
{
    if (keyed.numbered)
        return decodePlaylistLine(line.sliced(keyed.valueStart));
    const QString text = decodePlaylistLine(line);
    if (text.size() < keyed.valueStart)
        throw PlaylistReadError(number, QStringLiteral("the line is too short to hold its value"));
    return text.sliced(keyed.valueStart);
}

} // namespace

bool skipPlsHeader(PlaylistLines& lines)
{
    while (!lines.atEnd()) {
        const QByteArrayView line = lines.next();
        if (line.trimmed().compare("[playlist]", Qt::CaseInsensitive) == 0)
            return true;
        if (keyOf(line).key != Key::None)
            return false;
    }
    return false;
}

void readPlsLines(PlaylistLines& lines, const QLocale& locale, const StationCommit& commit)
{
    // Address and title carry over from one station to the next, as the lines left them.
    PlaylistStation station;
    station.NumEntries = 1;
    bool addressPending = false; // an address line came, and its station is not complete yet
    int addressLine = 0;
    bool ownTitle = false; // a title line came since the last station completed
    const auto complete = [&](int line) {
        // Players show a station without a title by its address; the title of the station
        // before would stand twice.
        if (!ownTitle)
            station.Title = station.File;
        station.line = line;
        addressPending = ownTitle = false;
        return commit(station) == CommitResult::KeepReading;
    };
    // Most published files have no length lines: a station then ends where the next one
    // starts, or with the file, as a stream without a length.
    const auto completeWithoutLength = [&] {
        station.Length = -1;
        return complete(addressLine);
    };

    while (!lines.atEnd()) {
        const QByteArrayView line = lines.next();
        const int number = lines.number();
        const KeyedLine keyed = keyOf(line);
        switch (keyed.key) {
        case Key::File:
            if (addressPending && !completeWithoutLength())
                return;
            station.File = boundedValue(valueOf(line, keyed, number), "address", number);
            addressPending = true;
            addressLine = number;
            break;
        case Key::Title:
            station.Title = boundedValue(valueOf(line, keyed, number), "title", number);
            ownTitle = true;
            break;
        case Key::Length:
            station.Length = requireInteger16(valueOf(line, keyed, number), locale, number);
            if (!complete(number))
                return;
            break;
        case Key::None:
            break;
        }
    }
    if (addressPending)
        completeWithoutLength();
}

namespace {

constexpr QStringView Header = u"[playlist]";
constexpr QStringView EntryCountKey = u"numberofentries=";
constexpr QStringView FileKey = u"File1=";
constexpr QStringView TitleKey = u"Title1=";
constexpr QStringView LengthKey = u"Length1=";

// Applies the pending line when it is one the scan recognises, emptying it then.
// Returns whether it completed a station.
bool applyPendingLine(QString& pending, PlaylistStation& station, const QLocale& locale, int number)
{
    bool completesStation = false;
    if (pending == Header) {
        // Skipped.
    } else if (pending.startsWith(EntryCountKey)) {
        // Only the last character counts: "numberofentries=12" gives 2.
        station.NumEntries = requireInteger16(QStringView(pending).last(1), locale, number);
    } else if (pending.startsWith(FileKey)) {
        station.File = pending.sliced(FileKey.size());
    } else if (pending.startsWith(TitleKey)) {
        station.Title = pending.sliced(TitleKey.size());
    } else if (pending.startsWith(LengthKey)) {
        station.Length = requireInteger16(QStringView(pending).sliced(LengthKey.size()), locale, number);
        station.line = number;
        completesStation = true;
    } else {
        return false;
    }
    pending.clear();
    return completesStation;
}

} // namespace

void readPlsWithoutHeader(QByteArrayView text, const QLocale& locale, const StationCommit& commit)
{
    const qsizetype returnAt = text.indexOf('\r');
    const QByteArrayView firstLine = returnAt < 0 ? text : text.first(returnAt);
    // Its LF-ended lines decoded one by one, each as the line of its own that it is.
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

    PlaylistStation station;
    QString pending;
    int number = 0;
    for (qsizetype start = 0;;) {
        const qsizetype lineFeed = scanned.indexOf(u'\n', start);
        if (lineFeed < 0)
            return;
        pending += QStringView(scanned).sliced(start, lineFeed - start);
        start = lineFeed + 1;
        ++number;
        if (applyPendingLine(pending, station, locale, number) && commit(station) == CommitResult::StopReading)
            return;
    }
}

} // namespace orvanta
