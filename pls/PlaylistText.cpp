#include "pls/PlaylistText.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <optional>

namespace orvanta {

namespace {

// Windows-1252 is Latin-1 but for 0x80..0x9F; the five bytes it leaves undefined stay the
// C1 controls of the same code, as Latin-1 has them.
constexpr char16_t Windows1252From80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QByteArray withoutByteOrderMark(QByteArray bytes)
{
    const auto utf16 = bytes.startsWith("\xFF\xFE")   ? QStringDecoder::Utf16LE
                       : bytes.startsWith("\xFE\xFF") ? QStringDecoder::Utf16BE
                                                      : std::optional<QStringDecoder::Encoding>();
    if (utf16) {
        QStringDecoder decoder(*utf16, QStringDecoder::Flag::Stateless);
        return QString(decoder.decode(QByteArrayView(bytes).sliced(2))).toUtf8();
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    return bytes;
}

QString decodePlaylistLine(QByteArrayView bytes)
{
    // Nearly every line is ASCII, the same text in either encoding: copied, not decoded, it
    // costs a third.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<uchar>(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    if (bytes.isValidUtf8()) {
        // QString::fromUtf8 would drop a mark at the start, where a value keeps all it has.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return utf8.decode(bytes);
    }
    QString text = QString::fromLatin1(bytes);
    for (QChar& c : text) {
        if (c.unicode() >= 0x80 && c.unicode() < 0xA0)
            c = QChar(Windows1252From80[c.unicode() - 0x80]);
    }
    return text;
}

QByteArrayView PlaylistLines::next()
{
    // The line up to its LF, then up to a CR in that: each search is bounded by the line.
    const char* const start = m_bytes.data() + m_position;
    const auto* lineFeed = static_cast<const char*>(std::memchr(start, '\n', m_bytes.size() - m_position));
    QByteArrayView line(start, lineFeed ? lineFeed : m_bytes.end());
    if (const auto* carriageReturn = static_cast<const char*>(std::memchr(start, '\r', line.size())))
        line = QByteArrayView(start, carriageReturn);
    const qsizetype end = m_position + line.size();
    m_position = end + 1;
    if (end < m_bytes.size() && m_bytes[end] == '\r' && m_position < m_bytes.size() && m_bytes[m_position] == '\n')
        ++m_position;
    ++m_number;
    return line;
}

} // namespace orvanta
