#include "model/KeyFolding.h"

namespace orvanta {

QString foldKey(const QString& key)
{
    // Qt folds one character to one character only. Its upper-casing does apply the
    // one-to-many mappings (ß -> SS, ﬁ -> FI), so fold, upper-case and fold again to
    // reach the full folding; the capital sharp s needs the first fold to become ß.
    QString folded = key.toCaseFolded().toUpper().toCaseFolded();
    // The dotted capital I is the one letter whose full folding keeps its dot.
    folded.replace(QChar(0x0130), QStringLiteral("i\u0307"));
    return folded;
}

} // namespace orvanta
