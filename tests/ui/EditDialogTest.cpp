// OK in the edit dialog with the title as it was: what the random walk of ProgramPropertyTest
// cannot tell from a refusal. (Changed titles, refusals and every way out of the dialog: the
// walk and tests/ui/qt/MainWindowTest.cpp.)
#include "HeadlessProgramTest.h"

#include "ui/EditDialog.h"

#include <QUndoStack>

using namespace orvanta;
using namespace orvanta::testing;

namespace {

class EditDialogTest : public HeadlessProgramTest {
protected:
    // A, B and C, each with an entry count of 3 as a scanned file gives, in lst_Import.
    void SetUp() override
    {
        HeadlessProgramTest::SetUp();
        for (const QString title : {"A", "B", "C"}) {
            Module1::Playlists().Add(3, "http://" + title, title, 7, "http://" + title);
            program.lst_Import.AddItem(title);
        }
    }
    // OK on the title at `index`, as the dialog filled it.
    void okUnchanged(qint16 index)
    {
        program.lst_Import.Select(index);
        lst_Import_DblClick(program.parts, program.frm_Edit);
        btn_OK_Click(program.parts, program.frm_Edit);
    }
    static QString station(const QString& title)
    {
        const PlaylistEntry entry = Module1::Playlists().findPlaylist(title);
        return QString("%1 %2 %3").arg(entry->NumEntries()).arg(entry->File()).arg(entry->Length());
    }
};

// The station moves to the end of lst_Import and of Playlists with an entry count of 1, its
// address and length as they were; undo puts it back where it stood, as it was.
TEST_F(EditDialogTest, OkWithTheTitleUnchangedMovesTheStationToTheEnd)
{
    okUnchanged(0);
    EXPECT_EQ(render(program), "[B C A] [] B C A");
    EXPECT_EQ(station("A"), "1 http://A 7");
    program.undoStack.undo();
    EXPECT_EQ(render(program), "[A* B C] [] A B C");
    EXPECT_EQ(station("A"), "3 http://A 7");
}

// Already last, the station still takes an entry count of 1. (That OK is then no step: the walk.)
TEST_F(EditDialogTest, OkUnchangedOnTheLastStationSetsItsEntryCountToOne)
{
    okUnchanged(2);
    EXPECT_EQ(station("C"), "1 http://C 7");
}

} // namespace
