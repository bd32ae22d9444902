#pragma once

#include <QString>

namespace orvanta {

// Text as the program shows it to the user, so that no text can pass itself off as another:
// each character that draws nothing, or draws as a blank though it is not the plain space,
// is shown as its code, "<U+202E>". These are the controls (C0, DEL, C1), Unicode's format
// characters (zero-width spaces and joiners, the soft hyphen, the byte-order mark, the
// bidirectional controls, tags), the line and paragraph separators, every space but U+0020,
// the Hangul fillers and the braille blank, and lone surrogates. Letters, marks, emoji and
// the plain space show as they are.

// A path or other text in a message: the whole of it, each such character as its code.
QString visibleText(const QString& text);

// A station's title in a list or a message: as visibleText, and a plain space at its start or
// its end as "<U+0020>" too. At most maxCharacters characters of the title are shown (a
// surrogate pair counting as one), followed by "…" where it goes on.
QString visibleTitle(const QString& title, qsizetype maxCharacters);

} // namespace orvanta
