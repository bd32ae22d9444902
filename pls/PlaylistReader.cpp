#include "pls/PlaylistReader.h"

#include "pls/IntegerConversion.h"
#include "pls/PlaylistFile.h"

namespace orvanta {

namespace {

// Reads a playlist's text one line at a time. A line ends at CR or at CR LF; an LF alone
// is part of the line. The last line counts also without a line end, and a line end at the
// very end of the text starts no further line. The text must outlive the reader and the
// lines it hands out.
class PlaylistLines {
public:
    explicit PlaylistLines(QStringView text) : m_text(text) {}

    bool atEnd() const { return m_position >= m_text.size(); }

    // The next line without its line end; throws PlaylistReadError when atEnd().
    QStringView readLine();

private:
    QStringView m_text;
    qsizetype m_position = 0;
};

QStringView PlaylistLines::readLine()
{
    if (atEnd())
        throw PlaylistReadError("read past the end of the playlist");

    qsizetype lineEnd = m_text.indexOf(u'\r', m_position);
    if (lineEnd < 0)
        lineEnd = m_text.size();
    const QStringView line = m_text.sliced(m_position, lineEnd - m_position);

    m_position = lineEnd;
    if (m_position < m_text.size()) {
        ++m_position;
        if (m_position < m_text.size() && m_text[m_position] == u'\n')
            ++m_position;
    }
    return line;
}

// A playlist value through the integer conversion; throws PlaylistReadError where the
// conversion gives nothing, since such a value ends the reading.
qint16 requireInteger16(QStringView value, const QLocale& locale)
{
    const auto number = toInteger16(value, locale);
    if (!number)
        throw PlaylistReadError("not a 16-bit number: " + value.toString().toStdString());
    return *number;
}

// The text from the 0-based valueStart to the end. A line shorter than valueStart has no
// value at all, which the reader treats as a broken file rather than an empty value.
QStringView valueAt(QStringView line, qsizetype valueStart)
{
    if (line.size() < valueStart)
        throw PlaylistReadError("line too short for its value: " + line.toString().toStdString());
    return line.sliced(valueStart);
}

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

} // namespace

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
