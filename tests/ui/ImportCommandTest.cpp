#include "HeadlessProgram.h"
#include "ui/ImportCommand.h"

#include <QDir>
#include <QTemporaryDir>

using namespace orvanta;
using namespace orvanta::testing;

namespace {

// One exported station per letter, titled with it.
QByteArray exported(const char* titles)
{
    return playlistOf(QString(titles).split(QString(), Qt::SkipEmptyParts));
}

class ImportCommandTest : public HeadlessProgramTest {
protected:
    // Imports the bytes as the file the user picks.
    void importBytes(const QByteArray& bytes)
    {
        program.chooser.answers.push_back(writeFile(folder.filePath("chosen.pls"), bytes));
        btn_Import_Click(program.parts);
    }

    QTemporaryDir folder;
    HeadlessProgram program;
};

} // namespace

// A failed read and a taken address both end the import quietly, keeping what came before;
// a later cancel changes nothing.
TEST_F(ImportCommandTest, AFailureOrACancelKeepsTheStationsBeforeIt)
{
    const qsizetype openBefore = QDir("/proc/self/fd").count();
    importBytes(exported("AB") + "Title1=C\r\nLength1=x\r\n");
    EXPECT_EQ(QDir("/proc/self/fd").count(), openBefore) << "the playlist file was left open";
    // Were the last path kept and the cancel no error, the cancel would read that file again.
    program.CommDL.CancelError = false;
    program.chooser.answers = {ScriptedChooser::cancel()};
    btn_Import_Click(program.parts);
    // D's address is A's, a key already taken.
    importBytes("[playlist]\r\nFile1=http://A/\r\nTitle1=D\r\nLength1=1\r\n" + exported("E"));

    EXPECT_EQ(render(program), "[A B] [] A B");
    EXPECT_TRUE(program.messages.shown.empty());
    const FileDialogRequest& last = program.chooser.opened.at(1);
    EXPECT_EQ(last.title, "Select a Shoutcast Playlist");
    EXPECT_EQ(last.filters, QList<FileTypeFilter>({{"(Shoutcast Playlist) *.pls", "*.pls"}}));
    EXPECT_EQ(last.fileName, "");
}

TEST_F(ImportCommandTest, ATitleInEitherListShowsDuplicateAndEndsTheImport)
{
    // B came in earlier, from another address, and was moved to lst_Output.
    Module1::Playlists().Add(1, "http://earlier/", "B", -1, "http://earlier/");
    program.lst_Output.AddItem("B");
    importBytes(exported("ABC"));
    importBytes(exported("AD"));
    EXPECT_EQ(render(program), "[A] [B] B A");
    EXPECT_EQ(program.messages.shown, QStringList(2, "Orvanta Playlist Builder|Duplicate Item: Ignoring."));
}

TEST_F(ImportCommandTest, ReadsLengthsInTheNumberLocaleAndStoresTheStationUnderItsAddress)
{
    program.parts.numberLocale = QLocale(QLocale::German, QLocale::Germany);
    importBytes("[playlist]\nnumberofentries=13\nFile1=http://a/\nTitle1=A\nLength1=2,5\n");
    EXPECT_EQ(Module1::Playlists().Item("HTTP://A/")->Length(), 2);
    EXPECT_EQ(render(program), "[A] [] A");
}

// The import hands lst_Import its titles in one batch. Nothing may tell: the titles are
// listed by the time anything can look at the list, and a list with room for only some
// stations takes exactly those.
TEST_F(ImportCommandTest, TheStationsBeforeADuplicateAreListedWhenItsMessageShows)
{
    QStringList seen;
    program.messages.whileShown = [&] { seen = program.lst_Import.items(); };
    importBytes(exported("ABAC"));
    EXPECT_EQ(seen, QStringList({"A", "B"}));
    EXPECT_EQ(program.lst_Import.items(), QStringList({"A", "B"}));
}

TEST_F(ImportCommandTest, AListWithRoomForSomeStationsTakesThoseAndTheNextIsNotAdded)
{
    for (int i = 0; i < ListBox::MaxItems - 2; ++i)
        program.lst_Import.AddItem(QString::number(i));
    importBytes(exported("ABCD"));
    EXPECT_EQ(program.lst_Import.ListCount(), ListBox::MaxItems);
    EXPECT_EQ(program.lst_Import.List(ListBox::MaxItems - 2), "A");
    EXPECT_EQ(program.lst_Import.List(ListBox::MaxItems - 1), "B");
    EXPECT_EQ(Module1::Playlists().Count(), 2);
    EXPECT_EQ(Module1::Playlists().findPlaylist("C"), nullptr);
    EXPECT_TRUE(program.messages.shown.empty());
}
