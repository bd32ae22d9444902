#include "ui/VisibleText.h"

#include <QChar>

#include <algorithm>

namespace orvanta {

namespace {

bool drawsNothingOrABlank(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    case QChar::Separator_Space:
        return c != U' ';
    default:
        // Letters and marks that fonts draw as nothing: the Hangul fillers, the combining
        // grapheme joiner, the Khmer inherent vowels, the Mongolian variation selectors, and
        // the braille pattern without dots.
        return c == 0x115F || c == 0x1160 || c == 0x3164 || c == 0xFFA0 || c == 0x034F || c == 0x17B4 || c == 0x17B5
               || (c >= 0x180B && c <= 0x180F) || c == 0x2800;
    }
}

// Printable ASCII draws as itself, and nearly every title and path is nothing else.
bool isPlainAscii(QChar c)
{
    return c.unicode() >= 0x20 && c.unicode() < 0x7F;
}

void appendCode(QString& shown, char32_t c)
{
    shown += QStringLiteral("<U+%1>").arg(QString::number(c, 16).toUpper().rightJustified(4, u'0'));
}

// Marks from the start to the end of text, or until maxCharacters are shown; a plain space
// is marked where it stands at the start or the end of the whole text and markEnds is set.
QString marked(const QString& text, qsizetype maxCharacters, bool markEnds)
{
    const bool endsInBlank = markEnds && (text.startsWith(u' ') || text.endsWith(u' '));
    if (text.size() <= maxCharacters && !endsInBlank && std::all_of(text.begin(), text.end(), isPlainAscii))
        return text;
    // Where the blanks at the start end, and where those at the end begin.
    qsizetype leadEnd = 0, trailStart = text.size();
    while (markEnds && leadEnd < text.size() && text[leadEnd] == u' ')
        ++leadEnd;
    while (markEnds && trailStart > leadEnd && text[trailStart - 1] == u' ')
        --trailStart;

    QString shown;
    shown.reserve(std::min(text.size(), maxCharacters) + 8);
    qsizetype count = 0;
    for (qsizetype at = 0, next = 0; at < text.size(); at = next, ++count) {
        if (count == maxCharacters) {
            shown += u'\u2026';
            break;
        }
        // A lone surrogate is no character, and is shown as the code it has.
        char32_t c = text[at].unicode();
        next = at + 1;
        if (text[at].isHighSurrogate() && next < text.size() && text[next].isLowSurrogate())
            c = QChar::surrogateToUcs4(text[at], text[next++]);
        if (drawsNothingOrABlank(c) || (c == U' ' && (at < leadEnd || at >= trailStart)))
            appendCode(shown, c);
        else
            shown += QStringView(text).sliced(at, next - at);
    }
    return shown;
}

} // namespace

QString visibleText(const QString& text)
{
    return marked(text, text.size(), false);
}

QString visibleTitle(const QString& title, qsizetype maxCharacters)
{
    return marked(title, maxCharacters, true);
}

} // namespace orvanta
