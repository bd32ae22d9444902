// The five buttons between the lists.
#include "HeadlessProgram.h"

#include "ui/ListCommands.h"

using namespace orvanta;
using namespace orvanta::testing;

namespace {

constexpr qint16 Import = Module1::ImportListFocus;
constexpr qint16 Output = Module1::OutputListFocus;
constexpr int Full = ListBox::MaxItems;

struct Case {
    const char* name;
    // Titles in order, "*" after the selected one, each with a station; `filled` first
    // fills the list with numbered titles, with no station behind them, up to that many items.
    const char* import;
    const char* output;
    int importFilled, outputFilled;
    qint16 focus;
    void (*click)(MainWindowParts&);
    // render() afterwards: both lists, then the stations' titles in the collection's order.
    const char* after;
    // "output" or "import": the list the one message shown calls full.
    const char* full = "";
    // Listed titles without a station, and stations stored without an address.
    const char* unstored = "";
    const char* unkeyed = "";
    friend void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }
};

const Case cases[] = {
    // A move appends; the losing list has no selection, the gaining one keeps its own.
    {"AddMovesTheSelectedTitle", "A B* C", "X* Y", 0, 0, Import, btn_Add_Click, "[A C] [X* Y B] A B C X Y"},
    {"RemMovesTheSelectedTitle", "A* C", "X Y B*", 0, 0, Output, btn_Rem_Click, "[A* C B] [X Y] A C X Y B"},
    {"AllAddMovesAll", "A B C*", "X Y*", 0, 0, Import, btn_AllAdd_Click, "[] [X Y* A B C] A B C X Y"},
    {"AllRemMovesAll", "D*", "X Y A", 0, 0, Output, btn_AllRem_Click, "[D* X Y A] [] D X Y A"},
    // Into a full list no single title moves, and moving all moves what fits, in order;
    // either way the user is told once. Moving all into exactly the room left needs no word.
    {"AddIntoAFullList", "A*", "", 0, Full, Import, btn_Add_Click, "[A*] [0 1 2 ... 32764 32765 32766 (32767)] A",
     "output"},
    {"RemIntoAFullList", "", "X*", Full, 0, Output, btn_Rem_Click, "[0 1 2 ... 32764 32765 32766 (32767)] [X*] X",
     "import"},
    {"AllAddIntoRoomForTwo", "A B C D", "", 0, Full - 2, Import, btn_AllAdd_Click,
     "[C D] [0 1 2 ... 32764 A B (32767)] A B C D", "output"},
    {"AllRemIntoRoomForThree", "A B C", "W X Y Z", Full - 3, 0, Output, btn_AllRem_Click,
     "[0 1 2 ... W X Y (32767)] [Z] A B C W X Y Z", "import"},
    {"AllAddIntoExactlyTheRoomLeft", "A B", "", 0, Full - 2, Import, btn_AllAdd_Click,
     "[] [0 1 2 ... 32764 A B (32767)] A B"},
    {"AllAddOfNothingIntoAFullList", "", "", 0, Full, Import, btn_AllAdd_Click,
     "[] [0 1 2 ... 32764 32765 32766 (32767)]"},
    // Delete takes the selected item of the list ListFocus names, and the first station
    // with its title; an item without a station goes alone, one without address by identity.
    {"DelIInTheOutputList", "A B*", "X* Y", 0, 0, Output, btn_DelI_Click, "[A B*] [Y] A B Y"},
    {"DelIInTheImportList", "A B*", "X* Y", 0, 0, Import, btn_DelI_Click, "[A] [X* Y] A X Y"},
    {"DelIOnATitleListedTwice", "Jazz X", "Jazz*", 0, 0, Output, btn_DelI_Click, "[Jazz X] [] X Jazz"},
    {"DelIOnATitleWithoutStation", "Orphan* A", "", 0, 0, Import, btn_DelI_Click, "[A] [] A", "", "Orphan"},
    {"DelIOnAStationWithoutAddress", "K1* K2", "", 0, 0, Import, btn_DelI_Click, "[K2] [] K2", "", "", "K1 K2"},
    // Without their condition, nothing changes and nothing is said, full list or not.
    {"AddWithoutSelection", "A B", "X*", 0, Full, Import, btn_Add_Click,
     "[A B] [0 1 2 ... 32764 32765 X* (32767)] A B X"},
    {"RemWithoutSelection", "A* B", "X", Full, 0, Output, btn_Rem_Click, "[0 1 2 ... 32764 A* B (32767)] [X] A B X"},
    {"DelIBeforeAnyListHadTheFocus", "A* B", "X*", 0, 0, Module1::NoListFocus, btn_DelI_Click, "[A* B] [X*] A B X"},
    {"DelIWithoutSelectionInTheFocusList", "A B", "X*", 0, 0, Import, btn_DelI_Click, "[A B] [X*] A B X"},
};

class ListCommandsTest : public HeadlessProgramTest, public ::testing::WithParamInterface<Case> {};

TEST_P(ListCommandsTest, LeavesTheListsStationsAndMessageAsTheRowSays)
{
    const Case& c = GetParam();
    HeadlessProgram program;
    QStringList stationTitles;
    const auto fill = [&](MemoryListBox& list, int filled, const QString& items) {
        const QStringList titles = items.split(' ', Qt::SkipEmptyParts);
        for (int i = 0; i < filled - titles.size(); ++i)
            list.AddItem(QString::number(i));
        for (const QString& item : titles) {
            list.AddItem(item.endsWith('*') ? item.chopped(1) : item);
            if (item.endsWith('*'))
                list.select(qint16(list.ListCount() - 1));
            stationTitles << list.List(qint16(list.ListCount() - 1));
        }
    };
    fill(program.lst_Import, c.importFilled, c.import);
    fill(program.lst_Output, c.outputFilled, c.output);
    for (qsizetype i = 0; i < stationTitles.size(); ++i) {
        const QString& title = stationTitles[i];
        const QString file = QString(c.unkeyed).split(' ').contains(title) ? QString() : QString("http://%1").arg(i);
        if (!QString(c.unstored).split(' ').contains(title))
            Module1::Playlists().Add(1, file, title, -1, file);
    }
    Module1::setListFocus(c.focus);
    c.click(program.parts);
    EXPECT_EQ(render(program), c.after);
    const QString full = QString("Orvanta Playlist Builder|The %1 list is full: it holds 32,767 stations.").arg(c.full);
    EXPECT_EQ(program.messages.shown, *c.full ? QStringList(full) : QStringList());
}

INSTANTIATE_TEST_SUITE_P(Rows, ListCommandsTest, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<Case>& row) { return std::string(row.param.name); });

} // namespace
