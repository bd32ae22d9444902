#include "model/KeyFolding.h"

#include <algorithm>

namespace orvanta {

QString foldKey(const QString& key)
{
    // Qt's folding maps each character to one character, and hands back the text itself,
    // shared rather than copied, when nothing changes: a lower-case address costs no copy.
    const QString simple = key.toCaseFolded();
    // Every character whose full folding is longer than one character lies beyond ASCII.
    if (std::all_of(simple.cbegin(), simple.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return simple;
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

} // namespace orvanta
