// The list box on a QListView: a title's first 1,000 characters drawn with its invisible
// characters marked, in rows no wider than the list, and a full list refusing more. That the
// list keeps its selection as the in-memory list does, against which the commands are
// tested (tests/ui), MainWindowTest checks through the real commands.
#include "ui/qt/QtListBox.h"
#include "QStringPrinting.h"

#include <QListView>
#include <gtest/gtest.h>

using namespace orvanta;
using namespace Qt::StringLiterals;

namespace {

// A row shows the title as visibleTitle does with the first 1,000 characters; the model
// keeps the title whole.
TEST(ListDisplay, ShowsTheFirst1000CharactersWithTheirInvisibleCharactersMarked)
{
    TitleListModel model;
    const QString title = u"\u202E"_s + QString(999, u'x') + "yz";
    model.insert(0, {title});
    EXPECT_EQ(model.index(0).data().toString(), "<U+202E>" + QString(999, u'x') + u"\u2026"_s);
    EXPECT_EQ(model.titles().first(), title);
}

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
