#include "model/KeyFolding.h"

namespace orvanta {

namespace {

QString fullFolding(const QString& key)
{
    // Qt's folding maps each character to one character.
    const QString simple = key.toCaseFolded();
    QString full;
    full.reserve(simple.size());
    for (const QChar c : simple) {
        // The dotted capital I is the one letter whose full folding keeps its dot.
        if (c.unicode() == 0x0130) {
            full += QStringLiteral(u"i\u0307");
            continue;
        }
        // The other one-to-many foldings are those of the letters whose upper case is more
        // than one character (ß -> SS, ﬁ -> FI), which Qt's upper-casing does apply. Any
        // other letter keeps its simple folding: dotless ı is not i. No character beyond
        // the first plane has such an upper case, so a surrogate stays as it is.
        const QString upper = c.isSurrogate() ? QString() : QString(c).toUpper();
        if (upper.size() > 1)
            full += upper.toCaseFolded();
        else
            full += c;
    }
    return full;
}

} // namespace

QString foldKey(const QString& key)
{
    // Stream addresses are nearly always ASCII, whose folding lowers A to Z; Qt's folding
    // looks each character up in its tables, which cost as much as the rest of adding a
    // station. A lower-case address comes back shared, not copied.
    // One pass without a branch, which the compiler turns into a few instructions per
    // character: every bit any character has, and whether one is a capital.
    char16_t bits = 0;
    bool hasCapital = false;
    for (const QChar c : key) {
        bits |= c.unicode();
        hasCapital |= static_cast<char16_t>(c.unicode() - u'A') < 26;
    }
    if (bits >= 0x80)
        return fullFolding(key);
    if (!hasCapital)
        return key;
    QString lowered = key;
    for (QChar& c : lowered) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return lowered;
}

} // namespace orvanta
