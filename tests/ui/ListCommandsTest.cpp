// The five buttons between the lists.
#include "HeadlessProgram.h"

#include "ui/ListCommands.h"

using namespace orvanta;
using namespace orvanta::testing;

namespace {

constexpr qint16 Import = Module1::ImportListFocus;
constexpr qint16 Output = Module1::OutputListFocus;

using ListCommandsTest = HeadlessProgramTest;

TEST_F(ListCommandsTest, EachCommandLeavesTheListsStationsAndRepaintsAsTheTableShows)
{
    using Click = void (*)(MainWindowParts&);
    struct Case {
        const char* name;
        // Titles in order, "*" after the selected one; `filled` first fills the list with
        // titles "f0", "f1", ... up to that many items, with no station behind them.
        const char* import;
        const char* output;
        int importFilled, outputFilled;
        qint16 focus;
        Click click;
        // render() afterwards: both lists, then the stations' titles in the collection's order.
        const char* after;
        const char* repainted;
        // Listed titles without a station, and stations stored without an address.
        const char* unstored = "";
        const char* unkeyed = "";
    };
    constexpr int Full = ListBox::MaxItems;
    const Case cases[] = {
        // A move appends; the losing list has no selection, the gaining one keeps its own.
        {"> moves the selected title", "A B* C", "X* Y", 0, 0, Import, btn_Add_Click, "[A C] [X* Y B] A B C X Y",
         "output"},
        {"< moves the selected title", "A* C", "X Y B*", 0, 0, Output, btn_Rem_Click, "[A* C B] [X Y] A C X Y B",
         "output"},
        {">> moves all", "A B C*", "X Y*", 0, 0, Import, btn_AllAdd_Click, "[] [X Y* A B C] A B C X Y", "import"},
        {"<< moves all", "D*", "X Y A", 0, 0, Output, btn_AllRem_Click, "[D* X Y A] [] D X Y A", "output"},
        // Into a full list no single title moves, and moving all moves what fits, in order.
        {"> into a full list", "A*", "", 0, Full, Import, btn_Add_Click,
         "[A*] [f0 f1 f2 ... f32764 f32765 f32766 (32767)] A", ""},
        {"< into a full list", "", "X*", Full, 0, Output, btn_Rem_Click,
         "[f0 f1 f2 ... f32764 f32765 f32766 (32767)] [X*] X", ""},
        {">> into a list with room for two", "A B C D", "", 0, Full - 2, Import, btn_AllAdd_Click,
         "[C D] [f0 f1 f2 ... f32764 A B (32767)] A B C D", "import"},
        {"<< into a list with room for three", "A B C", "W X Y Z", Full - 3, 0, Output, btn_AllRem_Click,
         "[f0 f1 f2 ... W X Y (32767)] [Z] A B C W X Y Z", "output"},
        // Delete takes the selected item of the list ListFocus names, and the first station
        // with its title; an item without a station goes alone, one without address by identity.
        {"x in the output list", "A B*", "X* Y", 0, 0, Output, btn_DelI_Click, "[A B*] [Y] A B Y", ""},
        {"x in the import list", "A B*", "X* Y", 0, 0, Import, btn_DelI_Click, "[A] [X* Y] A X Y", ""},
        {"x on a title listed twice", "Jazz X", "Jazz*", 0, 0, Output, btn_DelI_Click, "[Jazz X] [] X Jazz", ""},
        {"x on a title without station", "Orphan* A", "", 0, 0, Import, btn_DelI_Click, "[A] [] A", "", "Orphan"},
        {"x on a station without address", "K1* K2", "", 0, 0, Import, btn_DelI_Click, "[K2] [] K2", "", "", "K1 K2"},
        // Without their condition, nothing changes and nothing is repainted.
        {"> without selection", "A B", "X*", 0, 0, Import, btn_Add_Click, "[A B] [X*] A B X", ""},
        {"< without selection", "A* B", "X", 0, 0, Output, btn_Rem_Click, "[A* B] [X] A B X", ""},
        {"x before any list had the focus", "A* B", "X*", 0, 0, Module1::NoListFocus, btn_DelI_Click,
         "[A* B] [X*] A B X", ""},
        {"x without selection in the focus list", "A B", "X*", 0, 0, Import, btn_DelI_Click, "[A B] [X*] A B X", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Module1::reset();
        HeadlessProgram program;
        const auto fill = [&](MemoryListBox& list, int filled, const QString& items) {
            for (int i = 0; i < filled - items.count(' ') - (items.isEmpty() ? 0 : 1); ++i)
                list.AddItem(QString("f%1").arg(i));
            for (const QString& item : items.split(' ', Qt::SkipEmptyParts)) {
                list.AddItem(item.endsWith('*') ? item.chopped(1) : item);
                if (item.endsWith('*'))
                    list.select(qint16(list.ListCount() - 1));
            }
        };
        fill(program.lst_Import, c.importFilled, c.import);
        fill(program.lst_Output, c.outputFilled, c.output);
        const QStringList titles = program.lst_Import.items() + program.lst_Output.items();
        for (qsizetype i = 0; i < titles.size(); ++i) {
            const QString file =
                QString(c.unkeyed).split(' ').contains(titles[i]) ? QString() : QString("http://%1").arg(i);
            if (!QString(c.unstored).split(' ').contains(titles[i]) && !titles[i].startsWith('f'))
                Module1::Playlists().Add(1, file, titles[i], -1, file);
        }
        Module1::setListFocus(c.focus);
        c.click(program.parts);
        EXPECT_EQ(render(program), c.after);
        const QString repainted = program.lst_Import.refreshCount()   ? "import"
                                  : program.lst_Output.refreshCount() ? "output"
                                                                      : "";
        EXPECT_EQ(repainted, QString(c.repainted));
        EXPECT_LE(program.lst_Import.refreshCount() + program.lst_Output.refreshCount(), 1);
    }
}

} // namespace
