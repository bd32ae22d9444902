#include "ui/ImportCommand.h"
#include "HeadlessProgram.h"
#include "formats/PlaylistReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace orvanta;
using namespace orvanta::testing;

namespace {

// One exported station per letter, titled with it, at "http://<letter>/".
QByteArray exported(const char* titles)
{
    return playlistOf(QString(titles).split(QString(), Qt::SkipEmptyParts));
}

class ImportCommandTest : public HeadlessProgramTest {
protected:
    // Imports the bytes as the file the user picks.
    void importBytes(const QByteArray& bytes) { importPath(writeFile(folder.filePath("chosen.pls"), bytes)); }
    void importPath(const QString& path)
    {
        program.chooser.answers.push_back(path);
        btn_Import_Click(program.parts);
    }

    QTemporaryDir folder;
    HeadlessProgram program;
};

} // namespace

// Whatever ends an import early is said once, with the line where it was found; the
// stations before it stay, and the file is closed.
TEST_F(ImportCommandTest, EachFailureIsReportedOnceWithItsLineAndKeepsTheStationsBefore)
{
    const QString chosen = folder.filePath("chosen.pls");
    QFile sparse(folder.filePath("huge.pls"));
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(64 << 20));
    const struct {
        const char* name;
        QByteArray bytes;
        QString path;
        const char* listed;
        QString where, reason;
    } rows[] = {
        {"a bad length on station 3",
         exported("AB") + "Title1=C\r\nLength1=x\r\n",
         {},
         "A B",
         ", line 11",
         "\"x\" is not a whole number from -32,768 to 32,767"},
        {"an address already held",
         exported("A") + "File1=HTTP://a/\r\nTitle1=D\r\nLength1=1\r\n",
         {},
         "A",
         ", line 8",
         "another station already has this address"},
        {"a line too short",
         exported("A") + "Title1\r\n",
         {},
         "A",
         ", line 6",
         "the line is too short to hold its value"},
        {"a title too long",
         exported("A") + "Title12=" + QByteArray(MaxValueLength + 1, 'x'),
         {},
         "A",
         ", line 6",
         "the title is longer than 65,536 characters"},
        {"a missing file", {}, folder.filePath("missing.pls"), "", "", "the file does not exist"},
        {"a folder", {}, folder.path(), "", "", "this is a folder, not a file"},
        {"a file over the size bound",
         {},
         sparse.fileName(),
         "",
         "",
         "the file is larger than 32 MiB, too large for a playlist"},
    };
    const qsizetype openBefore = QDir("/proc/self/fd").count();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Module1::reset();
        HeadlessProgram fresh;
        const QString path = row.path.isEmpty() ? writeFile(chosen, row.bytes) : row.path;
        fresh.chooser.answers = {path};
        btn_Import_Click(fresh.parts);
        EXPECT_EQ(fresh.lst_Import.items().join(' '), row.listed);
        EXPECT_EQ(fresh.messages.shown, QStringList(AppTitle + "|The playlist was not imported completely.\n" + path
                                                    + row.where + ": " + row.reason));
    }
    EXPECT_EQ(QDir("/proc/self/fd").count(), openBefore) << "a playlist file was left open";
}

// A full list stops the import at the first station it has no room for.
TEST_F(ImportCommandTest, AListWithRoomForSomeStationsTakesThoseAndReportsTheNext)
{
    for (int i = 0; i < ListBox::MaxItems - 2; ++i)
        program.lst_Import.AddItem(QString::number(i));
    importBytes(exported("ABCD"));
    EXPECT_EQ(program.lst_Import.ListCount(), ListBox::MaxItems);
    EXPECT_EQ(program.lst_Import.List(ListBox::MaxItems - 1), "B");
    EXPECT_EQ(render(program).substr(render(program).size() - 4), " A B");
    EXPECT_EQ(program.messages.shown.join('|').section('\n', 1),
              folder.filePath("chosen.pls") + ", line 12: the import list is full");
}

// A cancel reads no file, even one that the last import chose, and says nothing; a file
// that yields no station says so.
TEST_F(ImportCommandTest, ACancelSaysNothingAndAFileWithoutStationsSaysSo)
{
    importBytes(exported("A"));
    program.CommDL.CancelError = false;
    importPath(ScriptedChooser::cancel());
    importBytes("");
    EXPECT_EQ(render(program), "[A] [] A");
    EXPECT_EQ(program.messages.shown,
              QStringList(AppTitle + "|No station was found in this file.\n" + folder.filePath("chosen.pls")));
    const FileDialogRequest& last = program.chooser.opened.at(1);
    EXPECT_EQ(last.title, "Select a Shoutcast Playlist");
    EXPECT_EQ(last.filters,
              QList<FileTypeFilter>({{"(Shoutcast Playlist) *.pls", "*.pls"},
                                     {"(All Playlists) *.pls *.m3u *.m3u8 *.xspf", "*.pls;*.m3u;*.m3u8;*.xspf"}}));
    EXPECT_EQ(last.fileName, "");
}

// The duplicate message is the only one shown; the titles before it are listed by the
// time it shows, since its modal loop repaints the window.
TEST_F(ImportCommandTest, ATitleInEitherListShowsDuplicateAloneAndEndsTheImport)
{
    // B came in earlier, from another address, and was moved to lst_Output.
    Module1::Playlists().Add(1, "http://earlier/", "B", -1, "http://earlier/");
    program.lst_Output.AddItem("B");
    QStringList seen;
    program.messages.whileShown = [&] { seen = program.lst_Import.items(); };
    importBytes(exported("ACBD"));
    EXPECT_EQ(seen, QStringList({"A", "C"}));
    importBytes(exported("EA"));
    EXPECT_EQ(render(program), "[A C E] [B] B A C E");
    EXPECT_EQ(program.messages.shown, QStringList(2, "Orvanta Playlist Builder|Duplicate Item: Ignoring."));
}

// Each file of one choice is imported as if it alone had been chosen: a title already
// listed ends its own file only.
TEST_F(ImportCommandTest, SeveralFilesInOneChoiceAreImportedEachOnItsOwn)
{
    QStringList paths;
    for (const char* titles : {"AB", "CAD", "EF"})
        paths << writeFile(folder.filePath(titles), exported(titles));
    program.chooser.answers = {paths};
    btn_Import_Click(program.parts);
    EXPECT_EQ(render(program), "[A B C E F] [] A B C E F");
    EXPECT_EQ(program.messages.shown, QStringList(AppTitle + "|Duplicate Item: Ignoring."));
    EXPECT_TRUE(program.chooser.opened.at(0).multipleFiles);
}

// Without a header the entry count's last digit is kept; keys numbered past nine are read.
TEST_F(ImportCommandTest, StoresEachStationAsReadUnderItsAddressInTheNumberLocale)
{
    program.parts.numberLocale = QLocale(QLocale::German, QLocale::Germany);
    importBytes("numberofentries=13\nFile1=http://a/\nTitle1=A\nLength1=2,5\n");
    QByteArray numbered = "[playlist]\r\n";
    for (const int n : {9, 10, 11})
        numbered += QString("File%1=http://%1/\r\nTitle%1=T%1\r\nLength%1=-%1\r\n").arg(n).toUtf8();
    importBytes(numbered);
    EXPECT_EQ(render(program), "[A T9 T10 T11] [] A T9 T10 T11");
    const colPlaylist& playlists = Module1::Playlists();
    EXPECT_EQ(playlists.Item("HTTP://A/")->Length(), 2);
    EXPECT_EQ(playlists.Item("HTTP://A/")->NumEntries(), 3);
    EXPECT_EQ(playlists.Item("http://11/")->Length(), -11);
    EXPECT_EQ(playlists.Item("http://11/")->NumEntries(), 1);
}
