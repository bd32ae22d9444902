#include "pls/M3uReader.h"

#include "pls/IntegerConversion.h"
#include "pls/PlaylistText.h"
#include "pls/StationDraft.h"

#include <optional>

namespace orvanta {

namespace {

bool isBlankLine(QByteArrayView line)
{
    return line.trimmed().isEmpty();
}

bool isStreamAddress(QByteArrayView line)
{
    for (const QByteArrayView scheme : {"http://", "https://", "mms://", "rtsp://", "file:"}) {
        if (line.size() >= scheme.size() && line.first(scheme.size()).compare(scheme, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// "<seconds>,<title>" after "#EXTINF:"; some writers put attributes after the seconds
// ("-1 tvg-name=\"Jazz, Blues\",Jazz"), whose quoted commas end nothing.
void readExtInf(const QString& text, int line, StationDraft& draft)
{
    qsizetype comma = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size() && comma < 0; ++i) {
        if (text[i] == u'"')
            quoted = !quoted;
        else if (text[i] == u',' && !quoted)
            comma = i;
    }
    const QStringView head = QStringView(text).first(comma < 0 ? text.size() : comma).trimmed();
    const qsizetype blank = head.indexOf(u' ');
    // Written by programs, so read as C, not in the user's number format.
    draft.setLength(toInteger16(blank < 0 ? head : head.first(blank), QLocale::c()).value_or(-1));
    if (comma >= 0)
        draft.setTitle(text.sliced(comma + 1), line);
}

} // namespace

bool holdsOnlyAddresses(QByteArrayView text)
{
    bool address = false;
    for (PlaylistLines lines(text); lines.skipEmptyLines();) {
        const QByteArrayView line = lines.next();
        if (isBlankLine(line) || line.startsWith('#'))
            continue;
        if (!isStreamAddress(line.trimmed()))
            return false;
        address = true;
    }
    return address;
}

void readM3u(QByteArrayView text, bool utf8, PlaylistContent& content)
{
    const auto decode = [utf8](QByteArrayView bytes) {
        return utf8 ? QString::fromUtf8(bytes) : decodePlaylistLine(bytes);
    };
    std::optional<StationDraft> draft; // begun at an "#EXTINF:" line
    for (PlaylistLines lines(text); lines.skipEmptyLines();) {
        const QByteArrayView line = lines.next();
        const int number = lines.number();
        if (isBlankLine(line))
            continue;
        if (line.startsWith("#EXT-X-")) {
            content = PlaylistContent();
            content.singleStream = true;
            return;
        }
        if (line.startsWith('#')) {
            if (line.startsWith("#EXTINF:")) {
                if (draft)
                    std::move(*draft).completeInto(content);
                readExtInf(decode(line.sliced(8)), number, draft.emplace(number));
            }
            continue;
        }
        if (!draft)
            draft.emplace(number);
        draft->setAddress(decode(line), number);
        std::move(*draft).completeInto(content);
        draft.reset();
    }
    if (draft)
        std::move(*draft).completeInto(content);
}

} // namespace orvanta
