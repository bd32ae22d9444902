// What the import adds to the reader, whose dialects PlaylistReadingTest covers: its
// messages, with the file and line; a listed title ending its file; several files in one
// choice; a full list; the stations kept before a failure; the file closed. (Lengths in the
// window's number locale: the window tests, tests/ui/qt/MainWindowTest.cpp.)
#include "HeadlessProgram.h"

#include <QDir>

using namespace orvanta;
using namespace orvanta::testing;

using ImportCommandTest = HeadlessProgramTest;

// Whatever ends an import early is said once, naming the line where it was found; the
// stations before it stay, and the file is closed. A file without stations says so.
TEST_F(ImportCommandTest, EachFailureIsSaidOnceKeepingTheStationsBefore)
{
    const qsizetype openBefore = QDir("/proc/self/fd").count();
    import({writeFile(at("held.pls"), playlistOf({"A"}) + "File1=HTTP://a/\r\nTitle1=D\r\nLength1=1\r\n")});
    import({writeFile(at("empty.pls"), "")});
    for (int i = 1; i < ListBox::MaxItems - 2; ++i)
        program.lst_Import.AddItem(QString::number(i));
    import({writeFile(at("full.pls"), playlistOf({"B", "C", "D", "E"}))});
    EXPECT_EQ(QDir("/proc/self/fd").count(), openBefore) << "a playlist file was left open";
    EXPECT_EQ(render(program), "[A 1 2 ... 32764 B C (32767)] [] A B C");
    EXPECT_EQ(program.messages.shown,
              QStringList({AppTitle + "|The playlist was not imported completely.\n" + at("held.pls")
                               + ", line 8: another station already has this address",
                           AppTitle + "|No station was found in this file.\n" + at("empty.pls"),
                           AppTitle + "|The playlist was not imported completely.\n" + at("full.pls")
                               + ", line 12: the import list is full"}));
}

// Each file of one choice is imported as if it alone had been chosen: a title listed in
// either list ends its own file only, with the duplicate message alone, shown once the
// titles before it are listed, since its modal loop repaints the window. The entry count
// read is stored. A cancel then reads none of the files again.
TEST_F(ImportCommandTest, ATitleListedEndsItsOwnFileOfSeveralInOneChoice)
{
    // B came in earlier, from another address, and was moved to lst_Output.
    Module1::Playlists().Add(1, "http://earlier/", "B", -1, "http://earlier/");
    program.lst_Output.AddItem("B");
    QStringList seen;
    program.messages.whileShown = [&] { seen << program.lst_Import.items().join(' '); };
    import({writeFile(at("1.pls"), playlistOf({"A", "C", "B", "D"})), writeFile(at("2.pls"), playlistOf({"B", "E"})),
            writeFile(at("3.pls"), "numberofentries=13\nFile1=http://e/\nTitle1=E\nLength1=1\n")});
    program.CommDL.CancelError = false;
    import({});
    EXPECT_EQ(render(program), "[A C E] [B] B A C E");
    EXPECT_EQ(Module1::Playlists().Item("http://e/")->NumEntries(), 3);
    EXPECT_EQ(seen, QStringList({"A C", "A C"}));
    EXPECT_EQ(program.messages.shown, QStringList(2, AppTitle + "|Duplicate Item: Ignoring."));
}
