// The five buttons between the lists. (Each move and delete through the window's own
// clicks: the window tests, tests/ui/qt/MainWindowTest.cpp; stations without an address,
// deleted by identity: ProgramPropertyTest's random walk.)
#include "HeadlessProgramTest.h"

#include "ui/ListCommands.h"

#include <QUndoStack>

using namespace orvanta;
using namespace orvanta::testing;

namespace {

constexpr qint16 Import = Module1::ImportListFocus, Output = Module1::OutputListFocus;

struct Case {
    const char* name;
    // Both lists as render() shows them: titles in order, each with a station at an address
    // of its own, "*" after the selected one; "<n>+" first fills the list with numbered
    // titles, with no station behind them, up to n items in all.
    const char* before;
    qint16 focus;
    void (*click)(MainWindowParts&);
    // render() afterwards: both lists, then the stations' titles in the collection's order.
    const char* after;
    // "output" or "import": the list the one message shown calls full.
    const char* full = "";
};
class ListCommandsTest : public HeadlessProgramTest, public ::testing::WithParamInterface<Case> {
protected:
    static void fill(MemoryListBox& list, const QString& items)
    {
        QStringList titles = items.split(' ', Qt::SkipEmptyParts);
        const int filled = titles.value(0).endsWith('+') ? titles.takeFirst().chopped(1).toInt() : 0;
        for (int i = 0; i < filled - titles.size(); ++i)
            list.AddItem(QString::number(i));
        for (const QString& item : titles) {
            listStation(list, item.endsWith('*') ? item.chopped(1) : item,
                        QString("http://%1").arg(Module1::Playlists().Count()));
            if (item.endsWith('*'))
                list.Select(qint16(list.ListCount() - 1));
        }
    }
};

} // namespace

TEST_P(ListCommandsTest, LeavesTheListsStationsAndMessageAsTheRowSays)
{
    const QStringList before = QString(GetParam().before).mid(1).chopped(1).split("] [");
    fill(program.lst_Import, before.at(0));
    fill(program.lst_Output, before.at(1));
    Module1::setListFocus(GetParam().focus);
    const std::string rendered = render(program);
    GetParam().click(program.parts);
    EXPECT_EQ(render(program), GetParam().after);
    const QString full = QString("%1|The %2 list is full: it holds 32,767 stations.").arg(AppTitle, GetParam().full);
    EXPECT_EQ(program.messages.shown, *GetParam().full ? QStringList(full) : QStringList());
    // A change is one step, which undo takes back and redo does again.
    EXPECT_EQ(program.undoStack.count(), rendered == GetParam().after ? 0 : 1);
    program.undoStack.undo();
    EXPECT_EQ(render(program), rendered);
    program.undoStack.redo();
    EXPECT_EQ(render(program), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ListCommandsTest,
    ::testing::Values(
        // Into a full list no single title moves, and moving all moves what fits, in order;
        // either way the user is told once. Moving all into exactly the room left needs no word.
        Case{"AddIntoAFullList", "[A*] [32767+]", Import, btn_Add_Click, "[A*] [0 1 2 ... 32764 32765 32766 (32767)] A",
             "output"},
        Case{"RemIntoAFullList", "[32767+] [X*]", Output, btn_Rem_Click, "[0 1 2 ... 32764 32765 32766 (32767)] [X*] X",
             "import"},
        Case{"AllAddIntoRoomForTwo", "[A B C D] [32765+]", Import, btn_AllAdd_Click,
             "[C D] [0 1 2 ... 32764 A B (32767)] A B C D", "output"},
        Case{"AllRemIntoRoomForThree", "[32764+] [W X Y Z]", Output, btn_AllRem_Click,
             "[0 1 2 ... W X Y (32767)] [Z] W X Y Z", "import"},
        Case{"AllAddIntoExactlyTheRoomLeft", "[A B] [32765+]", Import, btn_AllAdd_Click,
             "[] [0 1 2 ... 32764 A B (32767)] A B"},
        // Delete takes the selected item of the list ListFocus names, and the first station
        // with its title.
        Case{"DelIInTheOutputList", "[A B*] [X* Y]", Output, btn_DelI_Click, "[A B*] [Y] A B Y"},
        Case{"DelIInTheImportList", "[A B*] [X* Y]", Import, btn_DelI_Click, "[A] [X* Y] A X Y"},
        Case{"DelIOnATitleListedTwice", "[Jazz X] [Jazz*]", Output, btn_DelI_Click, "[Jazz X] [] X Jazz"},
        // Without its condition, nothing changes.
        Case{"DelIBeforeAnyListHadTheFocus", "[A* B] [X*]", Module1::NoListFocus, btn_DelI_Click, "[A* B] [X*] A B X"},
        Case{"DelIWithoutSelectionInTheFocusList", "[A B] [X*]", Import, btn_DelI_Click, "[A B] [X*] A B X"}),
    byName);
