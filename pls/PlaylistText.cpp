#include "pls/PlaylistText.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace orvanta {

namespace {

// Windows-1252 is Latin-1 but for 0x80..0x9F; the five bytes it leaves undefined stay the
// C1 controls of the same code, as Latin-1 has them.
constexpr char16_t Windows1252From80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isMarkedUtf16(QByteArrayView bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

} // namespace

QByteArray withoutOddUtf16Byte(QByteArray bytes)
{
    if (isMarkedUtf16(bytes) && bytes.size() % 2 != 0)
        bytes.chop(1);
    return bytes;
}

QByteArray withoutByteOrderMark(QByteArray bytes)
{
    if (isMarkedUtf16(bytes)) {
        QStringDecoder decoder(bytes[0] == '\xFF' ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::Stateless);
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

bool PlaylistLines::skipEmptyLines()
{
    const char* const bytes = m_bytes.data();
    if (m_position < m_bytes.size() && bytes[m_position] != '\r' && bytes[m_position] != '\n')
        return true;
    // Eight bytes at a time while they are line ends of one kind: a long run of them costs
    // the same by the byte whether CR LF ends each line or CR alone, though CR alone ends
    // twice as many.
    const auto word = [](const char* eight) {
        quint64 value;
        std::memcpy(&value, eight, sizeof value);
        return value;
    };
    static const quint64 crs = word("\r\r\r\r\r\r\r\r"), crLfs = word("\r\n\r\n\r\n\r\n"),
                         lfs = word("\n\n\n\n\n\n\n\n");
    for (; m_position + 8 <= m_bytes.size(); m_position += 8) {
        const quint64 eight = word(bytes + m_position);
        // The last of eight CRs and an LF after it end one line.
        if (eight == crLfs)
            m_number += 4;
        else if (eight == lfs || (eight == crs && (m_position + 8 == m_bytes.size() || bytes[m_position + 8] != '\n')))
            m_number += 8;
        else
            break;
    }
    while (m_position < m_bytes.size()) {
        if (bytes[m_position] == '\r')
            m_position += m_position + 1 < m_bytes.size() && bytes[m_position + 1] == '\n' ? 2 : 1;
        else if (bytes[m_position] == '\n')
            ++m_position;
        else
            return true;
        ++m_number;
    }
    return false;
}

QByteArrayView PlaylistLines::next()
{
    const auto nextOf = [this](char c) {
        const char* const start = m_bytes.data() + m_position;
        const auto* found = static_cast<const char*>(std::memchr(start, c, m_bytes.size() - m_position));
        return found ? m_position + (found - start) : m_bytes.size();
    };
    if (m_carriageReturn < m_position)
        m_carriageReturn = nextOf('\r');
    if (m_lineFeed < m_position)
        m_lineFeed = nextOf('\n');
    const qsizetype end = std::min(m_carriageReturn, m_lineFeed);
    const QByteArrayView line = m_bytes.sliced(m_position, end - m_position);
    m_position = end + (end == m_carriageReturn && end + 1 == m_lineFeed ? 2 : 1);
    ++m_number;
    return line;
}

} // namespace orvanta
