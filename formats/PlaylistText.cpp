#include "formats/PlaylistText.h"

#include <cstring>

namespace orvanta {

namespace {

constexpr QByteArrayView Utf8ByteOrderMark = "\xEF\xBB\xBF";

// Windows-1252 is Latin-1 but for 0x80..0x9F; the five bytes it leaves undefined stay the
// C1 controls of the same code, as Latin-1 has them.
constexpr char16_t Windows1252From80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

bool isAscii(QByteArrayView bytes)
{
    // Eight bytes at a time: nearly every line of a playlist is ASCII, and each is looked at.
    constexpr quint64 HighBits = 0x8080808080808080;
    qsizetype i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        quint64 word;
        std::memcpy(&word, bytes.data() + i, sizeof word);
        if (word & HighBits)
            return false;
    }
    for (; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return false;
    }
    return true;
}

QString decodePlaylistLine(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    if (bytes.isValidUtf8()) {
        // fromUtf8 drops a leading byte-order mark; it stays, since it decides how a first
        // line is read.
        if (bytes.startsWith(Utf8ByteOrderMark))
            return QChar(0xFEFF) + QString::fromUtf8(bytes.sliced(Utf8ByteOrderMark.size()));
        return QString::fromUtf8(bytes);
    }
    QString text = QString::fromLatin1(bytes);
    for (QChar& c : text) {
        if (c.unicode() >= 0x80 && c.unicode() < 0xA0)
            c = QChar(Windows1252From80[c.unicode() - 0x80]);
    }
    return text;
}

} // namespace orvanta
