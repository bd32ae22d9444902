// What closing the window does besides asking. (When it asks: ProgramPropertyTest's random
// walk; each answer through the real question: tests/ui/qt/MainWindowTest.cpp.)
#include "HeadlessProgramTest.h"

#include "ui/LastExport.h"
#include "ui/ListCommands.h"

using namespace orvanta;
using namespace orvanta::testing;

namespace {

// A and B imported and moved to lst_Output, never exported.
class ClosingTest : public HeadlessProgramTest {
protected:
    void SetUp() override
    {
        HeadlessProgramTest::SetUp();
        import({writeFile(at("in.pls"), playlistOf({"A", "B"}))});
        btn_AllAdd_Click(program.parts);
    }
    bool close(CloseAnswer answer)
    {
        program.closeQuestion.answers = {answer};
        return mayCloseWindow(program.parts, program.lastExport, program.closeQuestion);
    }
};

TEST_F(ClosingTest, AFailedExportSaysWhyAndKeepsTheWindow)
{
    program.chooser.answers = {at("missing/out.pls")};
    EXPECT_FALSE(close(CloseAnswer::Export));
    EXPECT_EQ(program.messages.shown.size(), 1);
}

// A deleted and another station titled A put in its place, which the random walk seldom
// reaches: an export now would write another address.
TEST_F(ClosingTest, AsksWhereAnotherStationStandsUnderAnExportedTitle)
{
    program.chooser.answers = {at("out.pls")};
    ASSERT_TRUE(exportOutputList(program.parts, program.lastExport));
    program.lst_Output.Select(0);
    Module1::setListFocus(Module1::OutputListFocus);
    btn_DelI_Click(program.parts);
    Module1::Playlists().Add(1, "http://other/", "A", -1, "http://other/");
    program.lst_Output.InsertItems(0, {"A"});
    EXPECT_FALSE(close(CloseAnswer::Cancel));
}

// While the edit dialog has the window disabled it stays open, and nobody is asked.
TEST_F(ClosingTest, ADisabledWindowStaysOpenUnasked)
{
    program.window.enabled = false;
    EXPECT_FALSE(close(CloseAnswer::Discard));
    EXPECT_EQ(program.closeQuestion.asked, 0);
}

} // namespace
