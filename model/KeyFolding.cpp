#include "model/KeyFolding.h"

#include <cstddef>
#include <cstring>

namespace orvanta {

namespace {

struct AsciiScan {
    bool ascii = true;
    bool hasCapital = false;
};

// Four UTF-16 characters at a time in a 64-bit word of 16-bit lanes. A character from
// 0x80 up has a bit in 0xFF80. Below that, adding 0x3F sets bit 0x80 from 'A' up and
// adding 0x25 sets it from '[' up, so 'A' to 'Z' have the first bit and not the second;
// no lane carries into the next while all of them are ASCII.
AsciiScan scanAscii(const QString& text)
{
    constexpr quint64 lanes = 0x0001'0001'0001'0001;
    quint64 high = 0;
    quint64 capitals = 0;
    const auto take = [&](quint64 word) {
        high |= word & (0xFF80 * lanes);
        capitals |= (word + 0x3F * lanes) & ~(word + 0x25 * lanes);
    };
    const char16_t* chars = QStringView(text).utf16();
    const qsizetype size = text.size();
    qsizetype i = 0;
    for (; i + 4 <= size; i += 4) {
        quint64 word;
        std::memcpy(&word, chars + i, sizeof word);
        take(word);
    }
    if (i < size) {
        quint64 rest = 0; // zero lanes count as neither
        std::memcpy(&rest, chars + i, sizeof(char16_t) * static_cast<std::size_t>(size - i));
        take(rest);
    }
    return {high == 0, (capitals & (0x80 * lanes)) != 0};
}

QString lowerAscii(const QString& text)
{
    QString lowered = text;
    for (QChar& c : lowered) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return lowered;
}

} // namespace

QString foldKey(const QString& key)
{
    // Stream addresses are nearly always plain ASCII, and their folding is lower-casing
    // A to Z; the three passes over Qt's case tables below cost more than the rest of
    // adding a station. Text without capitals comes back shared, not copied.
    if (const AsciiScan scan = scanAscii(key); scan.ascii)
        return scan.hasCapital ? lowerAscii(key) : key;
    // Qt folds one character to one character only. Its upper-casing does apply the
    // one-to-many mappings (ß -> SS, ﬁ -> FI), so fold, upper-case and fold again to
    // reach the full folding; the capital sharp s needs the first fold to become ß.
    QString folded = key.toCaseFolded().toUpper().toCaseFolded();
    // The dotted capital I is the one letter whose full folding keeps its dot.
    folded.replace(QChar(0x0130), QStringLiteral("i\u0307"));
    return folded;
}

} // namespace orvanta
