// What the random walk of ProgramPropertyTest seldom reaches about closing. (Each answer
// through the real question, and a disabled window: tests/ui/qt/MainWindowTest.cpp.)
#include "HeadlessProgramTest.h"

#include "ui/LastExport.h"
#include "ui/ListCommands.h"

using namespace orvanta;
using namespace orvanta::testing;

namespace {

using ClosingTest = HeadlessProgramTest;

// A exported, then deleted and another station titled A put in its place: an export now
// would write another address.
TEST_F(ClosingTest, AsksWhereAnotherStationStandsUnderAnExportedTitle)
{
    listStation(program.lst_Output, "A", "http://a/");
    program.chooser.answers = {at("out.pls")};
    ASSERT_TRUE(exportOutputList(program.parts, program.lastExport));
    program.lst_Output.Select(0);
    Module1::setListFocus(Module1::OutputListFocus);
    btn_DelI_Click(program.parts);
    listStation(program.lst_Output, "A", "http://other/");
    program.closeQuestion.answers = {CloseAnswer::Cancel};
    EXPECT_FALSE(mayCloseWindow(program.parts, program.lastExport, program.closeQuestion));
}

} // namespace
