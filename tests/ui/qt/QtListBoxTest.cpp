// The list box on a QListView: a title's first 1,000 characters drawn with its hidden
// controls marked, in rows no wider than the list, and a full list refusing more. That the
// list keeps its selection as the in-memory list does, against which the commands are
// tested (tests/ui), MainWindowTest checks through the real commands.
#include "ui/qt/QtListBox.h"
#include "NamedCases.h"
#include "QStringPrinting.h"

#include <QListView>
#include <gtest/gtest.h>

using namespace orvanta;
using namespace Qt::StringLiterals;

namespace {

struct Shown {
    const char* name;
    QString title, shown;
    friend void PrintTo(const Shown& row, std::ostream* out) { *out << row.name; }
};

class ListDisplay : public ::testing::TestWithParam<Shown> {};

TEST_P(ListDisplay, ShowsTheTitleCutAndItsControlsMarked)
{
    TitleListModel model;
    model.append({GetParam().title});
    EXPECT_EQ(model.index(0).data().toString(), GetParam().shown);
    EXPECT_EQ(model.titles().first(), GetParam().title) << "kept whole";
}

const QString x999(999, u'x');
INSTANTIATE_TEST_SUITE_P(
    , ListDisplay,
    ::testing::Values(Shown{"LongTitleCutAfterItsFirst1000Characters", x999 + "yz", x999 + u"y\u2026"_s},
                      Shown{"TitleOf1000CharactersWhole", x999 + "y", x999 + "y"},
                      Shown{"RightToLeftOverrideMarked", u"abc\u202Egpj.exe"_s, "abc<U+202E>gpj.exe"},
                      Shown{"OtherBidiControlsMarked", u"\u061C\u200E\u200F\u202A\u202D\u2066\u2069"_s,
                            "<U+061C><U+200E><U+200F><U+202A><U+202D><U+2066><U+2069>"},
                      Shown{"C0AndC1ControlsAndDelMarked", QString::fromUtf16(u"\0a\tb\n\r\037\177\200\237", 10),
                            "<U+0000>a<U+0009>b<U+000A><U+000D><U+001F><U+007F><U+0080><U+009F>"},
                      Shown{"NeighboursOfTheControlsAsThemselves",
                            u" ~\u00A0\u061B\u200D\u2010\u2029\u202F\u2065\u206A"_s,
                            u" ~\u00A0\u061B\u200D\u2010\u2029\u202F\u2065\u206A"_s},
                      Shown{"ControlsBeyondTheCutDropped", x999 + u"\u202E\u202E"_s, x999 + u"<U+202E>\u2026"_s}),
    orvanta::testing::byName);

// The view measures one row for all; a long title measured must not widen every row.
TEST(ListRows, AreNoWiderThanTheListSoALongTitleEndsInAnEllipsis)
{
    QListView view;
    QtListBox list(view);
    list.AddItems({"short", QString(300, u'x')});
    view.show();
    EXPECT_EQ(view.visualRect(view.model()->index(1, 0)).width(), view.viewport()->width());
}

} // namespace
