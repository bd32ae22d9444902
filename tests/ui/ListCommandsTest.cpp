// The five buttons between the lists. (Each move and delete through the window's own
// clicks: the window tests, tests/ui/qt/MainWindowTest.cpp; undo and redo of every step into
// lists with room, and stations without an address: ProgramPropertyTest's random walk.)
#include "HeadlessProgramTest.h"

#include "ui/ListCommands.h"

#include <QUndoStack>

using namespace orvanta;
using namespace orvanta::testing;

namespace {

// One list holding `filled` numbered titles with no station behind them, the other the
// titles with stations, the first of them selected.
struct FullCase {
    const char* name;
    void (*click)(MainWindowParts&);
    bool intoOutput;
    int filled;
    QStringList titles;
    // The leading titles that fit, then at the end of the other list, and whether the user is told.
    QStringList moved;
    bool told;
};
class IntoANearlyFullList : public HeadlessProgramTest, public ::testing::WithParamInterface<FullCase> {
protected:
    void SetUp() override
    {
        HeadlessProgramTest::SetUp();
        for (int i = 0; i < GetParam().filled; ++i)
            to.AddItem(QString::number(i));
        for (const QString& title : GetParam().titles)
            listStation(from, title, "http://" + title);
        from.Select(0);
    }
    MemoryListBox& from = GetParam().intoOutput ? program.lst_Import : program.lst_Output;
    MemoryListBox& to = GetParam().intoOutput ? program.lst_Output : program.lst_Import;
};

TEST_P(IntoANearlyFullList, MovesWhatFitsInOrderAndSaysOnceWhereNotAllFitted)
{
    GetParam().click(program.parts);
    EXPECT_EQ(to.items().mid(GetParam().filled), GetParam().moved);
    EXPECT_EQ(from.items(), GetParam().titles.mid(GetParam().moved.size()));
    const QString full = QString("%1|The %2 list is full: it holds 32,767 stations.")
                             .arg(AppTitle, GetParam().intoOutput ? "output" : "import");
    EXPECT_EQ(program.messages.shown, GetParam().told ? QStringList(full) : QStringList());
}

// What moved goes back to the front of the list it came from, which a move of every title
// would leave empty.
TEST_P(IntoANearlyFullList, UndoPutsBackWhatMovedAndRedoMovesItAgain)
{
    const std::string before = render(program);
    GetParam().click(program.parts);
    const std::string after = render(program);
    program.undoStack.undo();
    EXPECT_EQ(render(program), before);
    program.undoStack.redo();
    EXPECT_EQ(render(program), after);
}

INSTANTIATE_TEST_SUITE_P(
    , IntoANearlyFullList,
    ::testing::Values(
        FullCase{"Add", btn_Add_Click, true, 32767, {"A"}, {}, true},
        FullCase{"AllRemIntoRoomForThree", btn_AllRem_Click, false, 32764, {"W", "X", "Y", "Z"}, {"W", "X", "Y"}, true},
        FullCase{"AllAddIntoExactlyTheRoomLeft", btn_AllAdd_Click, true, 32765, {"A", "B"}, {"A", "B"}, false}),
    byName);

// Jazz and A in lst_Import, another Jazz and X in lst_Output, each with a station; the list
// ListFocus names and the item selected in each list (-1: none).
struct DeleteCase {
    const char* name;
    qint16 focus, importSelected, outputSelected;
    QStringList import, output, stations;
};
class DeleteItem : public HeadlessProgramTest, public ::testing::WithParamInterface<DeleteCase> {};

// Only the selected item of the list ListFocus names goes, and the first station with its title.
TEST_P(DeleteItem, TakesTheFocusListsSelectedItemAndTheFirstStationWithItsTitle)
{
    for (const QString title : {"Jazz", "A"})
        listStation(program.lst_Import, title, "http://import/" + title);
    for (const QString title : {"Jazz", "X"})
        listStation(program.lst_Output, title, "http://output/" + title);
    program.lst_Import.Select(GetParam().importSelected);
    program.lst_Output.Select(GetParam().outputSelected);
    Module1::setListFocus(GetParam().focus);
    btn_DelI_Click(program.parts);
    EXPECT_EQ(program.lst_Import.items(), GetParam().import);
    EXPECT_EQ(program.lst_Output.items(), GetParam().output);
    QStringList stations;
    for (const PlaylistEntry& station : Module1::Playlists())
        stations << station->Title();
    EXPECT_EQ(stations, GetParam().stations);
}

constexpr qint16 NoFocus = Module1::NoListFocus, ImportFocus = Module1::ImportListFocus,
                 OutputFocus = Module1::OutputListFocus;
INSTANTIATE_TEST_SUITE_P(
    , DeleteItem,
    ::testing::Values(
        DeleteCase{"InTheOutputList", OutputFocus, 0, 1, {"Jazz", "A"}, {"Jazz"}, {"Jazz", "A", "Jazz"}},
        DeleteCase{"InTheImportList", ImportFocus, 1, 1, {"Jazz"}, {"Jazz", "X"}, {"Jazz", "Jazz", "X"}},
        DeleteCase{"OnATitleListedTwice", OutputFocus, -1, 0, {"Jazz", "A"}, {"X"}, {"A", "Jazz", "X"}},
        DeleteCase{
            "NoneBeforeAnyListHadTheFocus", NoFocus, 1, 1, {"Jazz", "A"}, {"Jazz", "X"}, {"Jazz", "A", "Jazz", "X"}}),
    byName);

} // namespace
