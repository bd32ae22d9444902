#include "pls/PlsReader.h"

#include "pls/IntegerConversion.h"
#include "pls/StationDraft.h"

#include <QHash>

#include <algorithm>
#include <limits>
#include <vector>

namespace orvanta {

namespace {

enum class Key { File, Title, Length, None };

// The key of a line, where its value starts, in characters, and the station number.
struct KeyedLine {
    Key key = Key::None;
    qsizetype valueStart = 0;
    // Whether the line was recognised by its key and number, followed by "=" and the value:
    // all before the value is ASCII, so bytes and characters are one.
    bool numbered = false;
    quint64 number = 0;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Whether the line starts with the lower-case letters of name, in any letter case: setting
// bit 0x20 lowers an ASCII capital and leaves the lower-case letter as it is.
bool startsWithInAnyCase(QByteArrayView line, QByteArrayView name)
{
    return line.size() >= name.size() && std::equal(name.begin(), name.end(), line.begin(), [](char letter, char c) {
               return (c | 0x20) == letter;
           });
}

// The key, its number, blanks and "=" at line[start...]; numbers of more than 18 digits
// count as one.
KeyedLine numberedKey(QByteArrayView line, Key key, qsizetype start)
{
    constexpr qsizetype MaxDigits = 18;
    KeyedLine keyed{key};
    qsizetype end = start;
    for (; end < line.size() && line[end] >= '0' && line[end] <= '9'; ++end) {
        if (end - start < MaxDigits)
            keyed.number = keyed.number * 10 + quint64(line[end] - '0');
        else
            keyed.number = std::numeric_limits<quint64>::max();
    }
    qsizetype equals = end;
    while (equals < line.size() && isBlank(line[equals]))
        ++equals;
    if (end == start || equals == line.size() || line[equals] != '=')
        return {};
    keyed.valueStart = equals + 1;
    // "File1 = http://…", as configparser writes: the blanks after "=" go with those before.
    if (equals > end) {
        while (keyed.valueStart < line.size() && isBlank(line[keyed.valueStart]))
            ++keyed.valueStart;
    }
    keyed.numbered = true;
    return keyed;
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
        if (const KeyedLine keyed = numberedKey(line, key, name.size()); keyed.numbered)
            return keyed;
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

// The stations of one file, gathered by number and round as their lines come.
class NumberedStations {
public:
    // The station a key line belongs to, begun at that line where it is the first of it.
    qsizetype stationOf(const KeyedLine& keyed, int line)
    {
        if (!keyed.numbered && m_previous >= 0)
            return m_previous;
        // The station of the line before is its number's latest, noted only once a line of
        // another number comes: most files give one number's lines together, and the export's
        // first form gives every station the number 1.
        qsizetype at = m_previous;
        if (at < 0 || m_stations[at].number != keyed.number) {
            if (at >= 0)
                noteLatest(m_stations[at].number, at);
            at = latestOf(keyed.number);
        }
        if (at < 0 || (keyed.numbered && m_stations[at].has[int(keyed.key)])) {
            StationDraft::requireRoom(qsizetype(m_stations.size()), line);
            const qsizetype round = at < 0 ? 0 : m_stations[at].round + 1;
            m_stations.push_back({keyed.number, round, StationDraft(line)});
            at = qsizetype(m_stations.size()) - 1;
        }
        m_previous = at;
        m_stations[at].has[int(keyed.key)] = true;
        return at;
    }

    StationDraft& draft(qsizetype at) { return m_stations[at].draft; }

    // Round by round, each in the order of its numbers; where reading stopped early, only
    // those with an address, and not the one the failing line belongs to.
    void takeInto(PlaylistContent& content, qsizetype failedAt = -1)
    {
        if (failedAt >= 0)
            m_stations.erase(m_stations.begin() + failedAt);
        const auto order = [](const Station& a, const Station& b) {
            return a.round != b.round ? a.round < b.round : a.number < b.number;
        };
        // Files written one station after another are in order already.
        if (!std::is_sorted(m_stations.begin(), m_stations.end(), order))
            std::stable_sort(m_stations.begin(), m_stations.end(), order);
        content.stations.reserve(content.stations.size() + qsizetype(m_stations.size()));
        for (Station& station : m_stations) {
            if (failedAt < 0 || station.draft.hasAddress())
                std::move(station.draft).completeInto(content);
        }
    }

private:
    struct Station {
        quint64 number;
        qsizetype round;
        StationDraft draft;
        bool has[3] = {}; // which keys came, by Key
    };
    // Each number's station of its latest round: the small numbers files use by position,
    // far faster than a hash for the many files whose numbers change every line or two.
    qsizetype latestOf(quint64 number) const
    {
        if (number >= quint64(MaxStations))
            return m_latestOfLarge.value(number, -1);
        return number < m_latestOfSmall.size() ? m_latestOfSmall[number] : -1;
    }
    void noteLatest(quint64 number, qsizetype at)
    {
        if (number >= quint64(MaxStations)) {
            m_latestOfLarge.insert(number, at);
            return;
        }
        if (number >= m_latestOfSmall.size())
            m_latestOfSmall.resize(number + 1, -1);
        m_latestOfSmall[number] = at;
    }

    std::vector<Station> m_stations;
    std::vector<qsizetype> m_latestOfSmall;
    QHash<quint64, qsizetype> m_latestOfLarge;
    qsizetype m_previous = -1; // the station of the key line before
};

} // namespace

bool skipPlsHeader(PlaylistLines& lines)
{
    while (lines.skipEmptyLines()) {
        const QByteArrayView line = lines.next();
        if (line.trimmed().compare("[playlist]", Qt::CaseInsensitive) == 0)
            return true;
        if (keyOf(line).key != Key::None)
            return false;
    }
    return false;
}

void readPls(PlaylistLines& lines, const QLocale& locale, PlaylistContent& content)
{
    NumberedStations stations;
    while (lines.skipEmptyLines()) {
        const QByteArrayView line = lines.next();
        const int number = lines.number();
        const KeyedLine keyed = keyOf(line);
        if (keyed.key == Key::None)
            continue;
        qsizetype at = -1;
        try {
            at = stations.stationOf(keyed, number);
            StationDraft& draft = stations.draft(at);
            if (keyed.key == Key::File)
                draft.setAddress(valueOf(line, keyed, number), number);
            else if (keyed.key == Key::Title)
                draft.setTitle(valueOf(line, keyed, number), number);
            else
                draft.setLength(toInteger16(valueOf(line, keyed, number), locale).value_or(-1));
        } catch (const PlaylistReadError&) {
            stations.takeInto(content, at);
            throw;
        }
    }
    stations.takeInto(content);
}

} // namespace orvanta
