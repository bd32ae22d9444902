// The five buttons between the lists.
#include "HeadlessProgram.h"

#include "ui/ListCommands.h"

using namespace orvanta;
using namespace orvanta::testing;

namespace {

constexpr qint16 Import = Module1::ImportListFocus;
constexpr qint16 Output = Module1::OutputListFocus;

// "A B* C": the items in order, "*" marking the selected one; "#3" stands for "~0 ~1 ~2".
void fill(MemoryListBox& list, const QString& items)
{
    for (const QString& token : items.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = token.endsWith(u'*') ? token.chopped(1) : token;
        for (int i = 0, count = name.startsWith(u'#') ? name.mid(1).toInt() : 1; i < count; ++i)
            list.AddItem(name.startsWith(u'#') ? u'~' + QString::number(i) : name);
        if (token.endsWith(u'*'))
            list.select(qint16(list.ListCount() - 1));
    }
}

using ListCommandsTest = HeadlessProgramTest;

TEST_F(ListCommandsTest, EachCommandLeavesTheListsAndStationsAsTheTableShows)
{
    // Each listed title has a station with its own address, added in list order; but a
    // title starting with "~" has none, and one starting with "-" has an empty address,
    // which stores it without a key.
    using Click = void (*)(MainWindowParts&);
    struct Case { const char* import; const char* output; qint16 focus; Click click; const char* after; };
    const Case cases[] = {
        // A move appends; the losing list has no selection, the gaining one keeps its own.
        {"A B* C", "X* Y", Import, btn_Add_Click, "[A C] [X* Y B] A B C X Y"},
        {"A* C", "X Y B*", Output, btn_Rem_Click, "[A* C B] [X Y] A C X Y B"},
        {"A B C*", "X Y*", Import, btn_AllAdd_Click, "[] [X Y* A B C] A B C X Y"},
        {"D*", "X Y A", Output, btn_AllRem_Click, "[D* X Y A] [] D X Y A"},
        // Into a full list no single title moves, and moving all moves what fits, in order.
        {"A*", "#32767", Import, btn_Add_Click, "[A*] [~0 ~1 ~2 ... ~32764 ~32765 ~32766 (32767)] A"},
        {"#32767", "X*", Output, btn_Rem_Click, "[~0 ~1 ~2 ... ~32764 ~32765 ~32766 (32767)] [X*] X"},
        {"A B C D", "#32765", Import, btn_AllAdd_Click, "[C D] [~0 ~1 ~2 ... ~32764 A B (32767)] A B C D"},
        {"A B C", "#32765 X Y", Output, btn_AllRem_Click,
         "[A B C ... ~32761 ~32762 ~32763 (32767)] [~32764 X Y] A B C X Y"},
        // Delete takes the selected item of the list ListFocus names, and the first station
        // with its title; an item without station goes alone, one without address by identity.
        {"A B*", "X* Y", Output, btn_DelI_Click, "[A B*] [Y] A B Y"},
        {"A B*", "X* Y", Import, btn_DelI_Click, "[A] [X* Y] A X Y"},
        {"Jazz X", "Jazz*", Output, btn_DelI_Click, "[Jazz X] [] X Jazz"},
        {"~Orphan* A", "", Import, btn_DelI_Click, "[A] [] A"},
        {"-K1* -K2", "", Import, btn_DelI_Click, "[-K2] [] -K2"},
        // Without their condition, nothing changes.
        {"A B", "X*", Import, btn_Add_Click, "[A B] [X*] A B X"},
        {"A* B", "X", Output, btn_Rem_Click, "[A* B] [X] A B X"},
        {"A* B", "X*", Module1::NoListFocus, btn_DelI_Click, "[A* B] [X*] A B X"},
        {"A B", "X*", Import, btn_DelI_Click, "[A B] [X*] A B X"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.import) + " / " + c.output);
        Module1::reset();
        HeadlessProgram program;
        fill(program.lst_Import, c.import);
        fill(program.lst_Output, c.output);
        const QStringList titles = program.lst_Import.items() + program.lst_Output.items();
        for (qsizetype i = 0; i < titles.size(); ++i) {
            const QString file = titles[i].startsWith(u'-') ? QString() : QStringLiteral("http://%1").arg(i);
            if (!titles[i].startsWith(u'~'))
                Module1::Playlists().Add(1, file, titles[i], -1, file);
        }
        const std::string before = render(program);
        Module1::setListFocus(c.focus);
        c.click(program.parts);
        EXPECT_EQ(render(program), c.after);
        // Nor may a command that changes nothing repaint a list.
        if (before == c.after) {
            EXPECT_EQ(program.lst_Import.refreshCount() + program.lst_Output.refreshCount(), 0);
        }
    }
}

} // namespace
