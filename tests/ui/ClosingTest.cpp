// Whether closing the window asks before the output list is lost, and what each answer does.
// (The question's look and the window's close box: tests/ui/qt/MainWindowTest.cpp.)
#include "HeadlessProgramTest.h"

#include "ui/LastExport.h"
#include "ui/ListCommands.h"

#include <QFile>
#include <QUndoStack>

using namespace orvanta;
using namespace orvanta::testing;

namespace {

// A and B imported and moved to lst_Output.
class ClosingTest : public HeadlessProgramTest {
protected:
    void SetUp() override
    {
        HeadlessProgramTest::SetUp();
        import({writeFile(at("in.pls"), playlistOf({"A", "B"}))});
        btn_AllAdd_Click(program.parts);
    }
    bool exportTo(const QString& path)
    {
        program.chooser.answers = {path};
        return exportOutputList(program.parts, program.lastExport);
    }
    bool close(CloseAnswer answer)
    {
        program.closeQuestion.answers = {answer};
        return mayCloseWindow(program.parts, program.lastExport, program.closeQuestion);
    }
};

struct AskCase {
    const char* name;
    bool exported;
    // What the user does after the export, if any.
    void (*then)(HeadlessProgram&);
    bool asks;
};
class WhetherClosingAsks : public ClosingTest, public ::testing::WithParamInterface<AskCase> {};

void moveBDown(HeadlessProgram& program)
{
    program.lst_Output.Select(0);
    moveOutputStation(program.parts, 1);
}

TEST_P(WhetherClosingAsks, AsTheRowSays)
{
    if (GetParam().exported) {
        ASSERT_TRUE(exportTo(at("out.pls")));
    }
    if (GetParam().then)
        GetParam().then(program);
    EXPECT_EQ(close(CloseAnswer::Cancel), !GetParam().asks);
    EXPECT_EQ(program.closeQuestion.asked, GetParam().asks ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    , WhetherClosingAsks,
    ::testing::Values(AskCase{"NeverExported", false, nullptr, true}, AskCase{"AsExported", true, nullptr, false},
                      AskCase{"EmptiedSinceTheExport", true,
                              [](HeadlessProgram& program) { btn_AllRem_Click(program.parts); }, false},
                      AskCase{"ReorderedSinceTheExport", true, moveBDown, true},
                      AskCase{"ReorderedAndUndone", true,
                              [](HeadlessProgram& program) { moveBDown(program), program.undoStack.undo(); }, false},
                      AskCase{"TheOtherVersionChosen", true,
                              [](HeadlessProgram& program) { program.opt_V2.value = true; }, true},
                      // A deleted, another station titled A put in its place.
                      AskCase{"AnotherStationUnderTheSameTitle", true,
                              [](HeadlessProgram& program) {
                                  program.lst_Output.Select(0);
                                  Module1::setListFocus(Module1::OutputListFocus);
                                  btn_DelI_Click(program.parts);
                                  Module1::Playlists().Add(1, "http://other/", "A", -1, "http://other/");
                                  program.lst_Output.InsertItems(0, {"A"});
                              },
                              true},
                      AskCase{"OnlyTheImportListChanged", true,
                              [](HeadlessProgram& program) {
                                  program.lst_Output.Select(1);
                                  Module1::setListFocus(Module1::OutputListFocus);
                                  removeSelectedStation(program.parts);
                                  program.undoStack.undo();
                                  Module1::Playlists().Add(1, "http://c/", "C", -1, "http://c/");
                                  program.lst_Import.AddItem("C");
                              },
                              false}),
    byName);

struct AnswerCase {
    const char* name;
    CloseAnswer answer;
    // Where the save dialog saves: a path in the scratch folder, or a cancel.
    QString (*saveTo)(const QTemporaryDir&);
    bool closes;
};
class EachAnswer : public ClosingTest, public ::testing::WithParamInterface<AnswerCase> {};

// Export closes once saved, and what it saved closes at once after; Discard closes, Cancel
// keeps the window; neither writes anything. A failed export says why and keeps the window.
TEST_P(EachAnswer, ClosesOrNotAsTheRowSays)
{
    const AnswerCase& row = GetParam();
    program.chooser.answers = {row.saveTo ? row.saveTo(folder) : ScriptedChooser::cancel()};
    EXPECT_EQ(close(row.answer), row.closes);
    const bool saved = QFile::exists(at("out.pls"));
    EXPECT_EQ(saved, row.closes && row.answer == CloseAnswer::Export);
    EXPECT_EQ(program.chooser.saved.size(), row.answer == CloseAnswer::Export ? 1u : 0u);
    program.closeQuestion.asked = 0;
    EXPECT_EQ(close(CloseAnswer::Cancel), saved);
    EXPECT_EQ(program.closeQuestion.asked, saved ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    , EachAnswer,
    ::testing::Values(AnswerCase{"ExportSaved", CloseAnswer::Export,
                                 [](const QTemporaryDir& dir) { return dir.filePath("out.pls"); }, true},
                      AnswerCase{"ExportCancelled", CloseAnswer::Export, nullptr, false},
                      AnswerCase{"ExportFailed", CloseAnswer::Export,
                                 [](const QTemporaryDir& dir) { return dir.filePath("missing/out.pls"); }, false},
                      AnswerCase{"Discard", CloseAnswer::Discard, nullptr, true},
                      AnswerCase{"Cancel", CloseAnswer::Cancel, nullptr, false}),
    byName);

// While the edit dialog has the window disabled it stays open, and nobody is asked.
TEST_F(ClosingTest, ADisabledWindowStaysOpenUnasked)
{
    program.window.enabled = false;
    EXPECT_FALSE(close(CloseAnswer::Discard));
    EXPECT_EQ(program.closeQuestion.asked, 0);
}

} // namespace
