#include "model/KeyFolding.h"

#include <optional>
#include <utility>

namespace orvanta {

namespace {

// The full folding of ASCII text, which is lower-casing A to Z; nothing when the text
// holds any other character. Text without capitals comes back shared, not copied.
std::optional<QString> foldAscii(const QString& text)
{
    qsizetype firstCapital = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80)
            return std::nullopt;
        if (firstCapital < 0 && c >= u'A' && c <= u'Z')
            firstCapital = i;
    }
    if (firstCapital < 0)
        return text;
    QString folded = text;
    for (qsizetype i = firstCapital; i < folded.size(); ++i) {
        if (folded[i] >= u'A' && folded[i] <= u'Z')
            folded[i] = QChar(folded[i].unicode() + (u'a' - u'A'));
    }
    return folded;
}

} // namespace

QString foldKey(const QString& key)
{
    // Stream addresses are nearly always plain ASCII; the three passes over Qt's case
    // tables below cost more than the rest of adding a station.
    if (auto folded = foldAscii(key))
        return *std::move(folded);
    // Qt folds one character to one character only. Its upper-casing does apply the
    // one-to-many mappings (ß -> SS, ﬁ -> FI), so fold, upper-case and fold again to
    // reach the full folding; the capital sharp s needs the first fold to become ß.
    QString folded = key.toCaseFolded().toUpper().toCaseFolded();
    // The dotted capital I is the one letter whose full folding keeps its dot.
    folded.replace(QChar(0x0130), QStringLiteral("i\u0307"));
    return folded;
}

} // namespace orvanta
