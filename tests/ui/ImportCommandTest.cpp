#include "HeadlessProgram.h"
#include "ui/ImportCommand.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace orvanta;
using namespace orvanta::testing;

namespace {

// One exported station per letter, titled with it.
QByteArray exported(const char* titles)
{
    QByteArray bytes = "[playlist]\r\n";
    for (const char* title = titles; *title; ++title)
        bytes += QByteArray("File1=http://") + *title + "/\r\nTitle1=" + *title + "\r\nLength1=-1\r\n\r\n";
    return bytes;
}

class ImportCommandTest : public HeadlessProgramTest {
protected:
    // Imports the bytes as the file the user picks.
    void importBytes(const QByteArray& bytes)
    {
        QFile file(folder.filePath("chosen.pls"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
        file.close();
        program.chooser.answers.push_back(file.fileName());
        btn_Import_Click(program.parts);
    }

    QTemporaryDir folder;
    HeadlessProgram program;
};

} // namespace

TEST_F(ImportCommandTest, AFailureEndsTheImportQuietlyKeepingTheStationsBeforeIt)
{
    const qsizetype openBefore = QDir("/proc/self/fd").count();
    importBytes(exported("AB") + "Title1=C\r\nLength1=x\r\n");
    EXPECT_EQ(QDir("/proc/self/fd").count(), openBefore) << "the playlist file was left open";
    // D's address is A's, a key already taken.
    importBytes("[playlist]\r\nFile1=http://A/\r\nTitle1=D\r\nLength1=1\r\n" + exported("E"));
    EXPECT_EQ(render(program), "[A B] [] A B");
    EXPECT_TRUE(program.messages.shown.empty());
}

TEST_F(ImportCommandTest, EveryOpenHasItsSettingsAndACancelChangesNothing)
{
    importBytes(exported("A"));
    // Were the last path kept and the cancel no error, the cancel would read that file again.
    program.CommDL.CancelError = false;
    program.chooser.answers = {ScriptedChooser::cancel()};
    btn_Import_Click(program.parts);

    ASSERT_EQ(program.chooser.opened.size(), 2u);
    const FileDialogRequest& last = program.chooser.opened[1];
    EXPECT_EQ(last.title, "Select a Shoutcast Playlist");
    EXPECT_EQ(last.filters, QList<FileTypeFilter>({{"(Shoutcast Playlist) *.pls", "*.pls"}}));
    EXPECT_EQ(last.fileName, "");
    EXPECT_TRUE(program.CommDL.CancelError);
    EXPECT_EQ(render(program), "[A] [] A");
    EXPECT_TRUE(program.messages.shown.empty());
}

TEST_F(ImportCommandTest, ATitleInEitherListShowsDuplicateAndEndsTheImport)
{
    // B came in earlier, from another address, and was moved to lst_Output.
    Module1::Playlists().Add(1, "http://earlier/", "B", -1, "http://earlier/");
    program.lst_Output.AddItem("B");
    importBytes(exported("ABC"));
    importBytes(exported("AD"));
    EXPECT_EQ(render(program), "[A] [B] B A");
    ASSERT_EQ(program.messages.shown.size(), 2u);
    EXPECT_EQ(program.messages.shown[0].prompt, "Duplicate Item: Ignoring.");
    EXPECT_EQ(program.messages.shown[0].title, "Orvanta Playlist Builder");
}

TEST_F(ImportCommandTest, AFullImportListEndsTheImportBeforeAnEntryIsAdded)
{
    for (int i = 0; i < ListBox::MaxItems; ++i)
        program.lst_Import.AddItem(QString::number(i));
    importBytes(exported("A"));
    EXPECT_EQ(render(program), "[0 1 2 ... 32764 32765 32766 (32767)] []");
    EXPECT_TRUE(program.messages.shown.empty());
}

TEST_F(ImportCommandTest, ReadsLengthsInTheNumberLocaleAndStoresTheStationUnderItsAddress)
{
    program.parts.numberLocale = QLocale(QLocale::German, QLocale::Germany);
    importBytes("[playlist]\nnumberofentries=13\nFile1=http://a/\nTitle1=A\nLength1=2,5\n");
    const PlaylistEntry entry = Module1::Playlists().Item("HTTP://A/");
    EXPECT_EQ(entry->NumEntries(), 3);
    EXPECT_EQ(entry->Length(), 2);
    EXPECT_EQ(program.lst_Import.items(), QStringList({"A"}));
}
