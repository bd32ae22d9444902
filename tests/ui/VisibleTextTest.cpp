// What the lists and messages show of a title or a path: every character that draws
// nothing, or draws as a blank though it is not the plain space, as its code.
#include "ui/VisibleText.h"
#include "NamedCases.h"
#include "QStringPrinting.h"

#include <gtest/gtest.h>

using namespace orvanta;
using namespace Qt::StringLiterals;

namespace {

struct Shown {
    const char* name;
    QString title, shown;
};
class VisibleTitleTest : public ::testing::TestWithParam<Shown> {};

const QString x999(999, u'x');
const Shown titles[] = {
    {"LettersMarksAndEmojiAsTheyAre", u"Caf\u0065\u0301 \u65e5\u672c \U0001F4FB \u0416"_s,
     u"Caf\u0065\u0301 \u65e5\u672c \U0001F4FB \u0416"_s},
    {"C0C1AndDel", QString::fromUtf16(u"\0a\tb\n\r\037\177\200\237", 10),
     "<U+0000>a<U+0009>b<U+000A><U+000D><U+001F><U+007F><U+0080><U+009F>"},
    {"ZeroWidthAndFormatCharacters", u"S\u200Bt\u2060a\u00ADt\uFEFFi\u200Do\u061Cn"_s,
     "S<U+200B>t<U+2060>a<U+00AD>t<U+FEFF>i<U+200D>o<U+061C>n"},
    {"TagCharactersBeyondTheFirstPlane", u"Station 1\U000E0041\U000E0042"_s, "Station 1<U+E0041><U+E0042>"},
    {"SpacesOtherThanThePlainOne", u"a\u00A0b\u2003c\u3000d\u202Fe"_s, "a<U+00A0>b<U+2003>c<U+3000>d<U+202F>e"},
    {"LineAndParagraphSeparators", u"Line\u2028hidden\u2029too"_s, "Line<U+2028>hidden<U+2029>too"},
    {"BlankFillers", u"\u3164\u115F\u2800x"_s, "<U+3164><U+115F><U+2800>x"},
    {"PlainSpacesAtTheEndsMarkedBetweenWordsNot", "  Station  1 ", "<U+0020><U+0020>Station  1<U+0020>"},
    {"LoneSurrogate", QString(QChar(0xD800)) + "x", "<U+D800>x"},
    {"CutAfterTheFirstCharacters", x999 + "yz", x999 + u"y\u2026"_s},
    {"MarksBeyondTheCutDropped", x999 + u"\u202E\u202E"_s, x999 + u"<U+202E>\u2026"_s},
    {"APairCountsAsOneCharacter", QString(999, u'x') + u"\U0001F4FB\U0001F4FB"_s, x999 + u"\U0001F4FB\u2026"_s}};
INSTANTIATE_TEST_SUITE_P(, VisibleTitleTest, ::testing::ValuesIn(titles), orvanta::testing::byName);

} // namespace

TEST_P(VisibleTitleTest, ShowsEveryCharacterThatDrawsNothingAsItsCode)
{
    EXPECT_EQ(visibleTitle(GetParam().title, 1000), GetParam().shown);
}

// A path is marked as a title is, but for blanks at its ends, which a file name may have.
TEST(VisibleTextTest, MarksAPathsInvisibleCharactersButNotItsBlanks)
{
    EXPECT_EQ(visibleText(u" /tmp/evil\u202Eslp.txt.pls"_s), " /tmp/evil<U+202E>slp.txt.pls");
}
