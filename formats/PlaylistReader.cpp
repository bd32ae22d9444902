#include "formats/PlaylistReader.h"

#include "formats/IntegerConversion.h"
#include "formats/PlaylistFile.h"
#include "formats/PlaylistText.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace orvanta {

namespace {

// Splits a playlist's bytes into lines that end at CR or CR LF; an LF alone stays part of
// its line. The last line counts also without a line end, and a line end at the very end
// starts no further line. Lines are numbered as an editor shows them, which also breaks a
// line at an LF alone, so that a message can point the user to the right one.
class PlaylistLines {
public:
    explicit PlaylistLines(QByteArrayView bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_position >= m_bytes.size(); }

    // The next line without its line end; only when not atEnd().
    QByteArrayView next()
    {
        qsizetype end = m_bytes.indexOf('\r', m_position);
        if (end < 0)
            end = m_bytes.size();
        const QByteArrayView line = m_bytes.sliced(m_position, end - m_position);
        m_position = end + 1;
        if (m_position < m_bytes.size() && m_bytes[m_position] == '\n')
            ++m_position;
        m_number = m_nextNumber++;
        for (const char* lineFeed = line.data();
             (lineFeed = static_cast<const char*>(std::memchr(lineFeed, '\n', line.end() - lineFeed))); ++lineFeed)
            ++m_nextNumber;
        return line;
    }

    // The editor's number of the line that next() gave last.
    int number() const { return m_number; }

private:
    QByteArrayView m_bytes;
    qsizetype m_position = 0;
    int m_number = 0;
    int m_nextNumber = 1;
};

QString englishNumber(qsizetype number)
{
    return QLocale(QLocale::English).toString(number);
}

// A value as a message quotes it: a long one is cut, it may be a whole line.
QString quoted(QStringView value)
{
    constexpr qsizetype shown = 40;
    if (value.size() > shown)
        return QStringLiteral("\"%1\u2026\"").arg(value.first(shown));
    return QStringLiteral("\"%1\"").arg(value);
}

// A character takes at least one byte, so only a line of many bytes needs counting.
void checkLength(QByteArrayView line, int number)
{
    if (line.size() > MaxLineLength && decodePlaylistLine(line).size() > MaxLineLength)
        throw PlaylistReadError(
            number, QStringLiteral("the line is longer than %1 characters").arg(englishNumber(MaxLineLength)));
}

qint16 requireInteger16(QStringView value, const QLocale& locale, int number)
{
    const auto converted = toInteger16(value, locale);
    if (!converted)
        throw PlaylistReadError(number,
                                QStringLiteral("%1 is not a whole number from -32,768 to 32,767").arg(quoted(value)));
    return *converted;
}

PlaylistReadError tooShort(int number)
{
    return PlaylistReadError(number, QStringLiteral("the line is too short to hold its value"));
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Where the value of a line-mode line that starts with the first four letters of key
// begins. After a key numbered with two digits or more ("File12="), it follows the "=";
// otherwise it starts at the fixed position that fits a one-digit number, which a shorter
// line does not reach. Gives the value's bytes while the bytes before it are ASCII, where
// bytes and characters are one; nothing where the decoded line must be counted.
std::optional<QByteArrayView> valueBytes(QByteArrayView line, QByteArrayView key, int number)
{
    if (line.startsWith(key)) {
        qsizetype end = key.size();
        while (end < line.size() && isDigit(line[end]))
            ++end;
        if (end - key.size() >= 2 && end < line.size() && line[end] == '=')
            return line.sliced(end + 1);
    }
    const qsizetype start = key.size() + 2;
    if (!isAscii(line.first(std::min(start, line.size()))))
        return std::nullopt;
    if (line.size() < start)
        throw tooShort(number);
    return line.sliced(start);
}

// The rest of an ASCII start decodes as the whole line would.
QString valueOf(QByteArrayView line, QByteArrayView key, int number)
{
    if (const auto bytes = valueBytes(line, key, number))
        return decodePlaylistLine(*bytes);
    const QString text = decodePlaylistLine(line);
    const qsizetype start = key.size() + 2;
    if (text.size() < start)
        throw tooShort(number);
    return text.sliced(start);
}

// A length is nearly always a few ASCII digits, read without decoding them first.
qint16 lengthOf(QByteArrayView line, const QLocale& locale, int number)
{
    const auto bytes = valueBytes(line, "Length", number);
    if (bytes && isAscii(*bytes)) {
        if (const auto length = toInteger16(QLatin1StringView(*bytes), locale))
            return *length;
    }
    return requireInteger16(valueOf(line, "Length", number), locale, number);
}

void readLineMode(PlaylistLines& lines, const QLocale& locale, const StationCommit& commit)
{
    PlaylistStation station;
    station.NumEntries = 1;
    while (!lines.atEnd()) {
        const QByteArrayView line = lines.next();
        const int number = lines.number();
        checkLength(line, number);
        // The first four characters, or the whole line if it is shorter: a key's four
        // ASCII letters are four bytes in either encoding.
        const auto startsWith = [&line](const char* letters) {
            return line.size() >= 4 && std::memcmp(line.data(), letters, 4) == 0;
        };
        if (startsWith("File")) {
            station.File = valueOf(line, "File", number);
        } else if (startsWith("Titl")) {
            station.Title = valueOf(line, "Title", number);
        } else if (startsWith("Leng")) {
            station.Length = lengthOf(line, locale, number);
            station.line = number;
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

// The first line's text, each of its LF-ended lines decoded on its own.
QString scannedText(QByteArrayView firstLine)
{
    QString text;
    for (qsizetype start = 0;;) {
        const qsizetype lineFeed = firstLine.indexOf('\n', start);
        text += decodePlaylistLine(firstLine.sliced(start, (lineFeed < 0 ? firstLine.size() : lineFeed) - start));
        if (lineFeed < 0)
            return text;
        text += u'\n';
        start = lineFeed + 1;
    }
}

void readScanMode(QByteArrayView firstLine, const QLocale& locale, const StationCommit& commit)
{
    const PlaylistReadError tooLong(
        1, QStringLiteral("the first line is longer than %1 characters").arg(englishNumber(MaxScanModeLength)));
    // A character takes at most four bytes, so a line of many more needs no decoding.
    if (firstLine.size() > 4 * MaxScanModeLength)
        throw tooLong;
    const QString text = scannedText(firstLine);
    if (text.size() > MaxScanModeLength)
        throw tooLong;

    PlaylistStation station;
    QString pending;
    int number = 0;
    for (qsizetype start = 0;;) {
        const qsizetype lineFeed = text.indexOf(u'\n', start);
        if (lineFeed < 0)
            return;
        pending += QStringView(text).sliced(start, lineFeed - start);
        start = lineFeed + 1;
        ++number;
        if (applyPendingLine(pending, station, locale, number) && commit(station) == CommitResult::StopReading)
            return;
    }
}

bool isHeader(QByteArrayView line)
{
    // Only ASCII letters lower to those of the header, and no character takes more than
    // four bytes: a longer line is none.
    return line.size() <= 4 * Header.size() && decodePlaylistLine(line).toLower() == Header;
}

} // namespace

void readPlaylist(QByteArrayView bytes, const QLocale& locale, const StationCommit& commit)
{
    PlaylistLines lines(bytes);
    if (lines.atEnd())
        return;
    const QByteArrayView firstLine = lines.next();
    if (isHeader(firstLine))
        readLineMode(lines, locale, commit);
    else
        readScanMode(firstLine, locale, commit);
}

void readPlaylistFile(const QString& path, const QLocale& locale, const StationCommit& commit)
{
    readPlaylist(readPlaylistBytes(path), locale, commit);
}

} // namespace orvanta
