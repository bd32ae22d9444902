// What the import adds to the readers, whose dialects PlaylistReadingTest covers: which
// stations it leaves out and why, what it says of each file, and one message for all the
// files of one choice. (Lengths in the window's number locale: tests/ui/qt/MainWindowTest.cpp.)
#include "HeadlessProgramTest.h"

#include <QDir>

using namespace orvanta;
using namespace orvanta::testing;

using ImportCommandTest = HeadlessProgramTest;

// One message after the last file, a paragraph for each file with something to say, shown
// once every title is listed, since its modal loop repaints the window; no file left open.
TEST_F(ImportCommandTest, TheFilesOfOneChoiceSayWhatTheyLeftOutInOneMessage)
{
    // B came in earlier, from another address, and was moved to lst_Output.
    listStation(program.lst_Output, "B", "http://earlier/");
    const qsizetype openBefore = QDir("/proc/self/fd").count();
    QStringList seen;
    program.messages.whileShown = [&] { seen << program.lst_Import.items().join(' '); };
    import(
        {writeFile(at("Rock%2C Pop.pls"), playlistOf({"A", "B", "C"}) + stationBlock("HTTP://a/", "D")),
         writeFile(at("whole.pls"), playlistOf({"E"})), writeFile(at("empty.pls"), ""), at("missing.pls"),
         "http://example.org/list.pls",
         writeFile(at("long.pls"), "[playlist]\r\nFile1=http://f/\r\nTitle1=F\r\nTitle2=" + QByteArray(65537, 'x'))});
    EXPECT_EQ(QDir("/proc/self/fd").count(), openBefore) << "a playlist file was left open";
    EXPECT_EQ(render(program), "[A C E F] [B] B A C E F");
    EXPECT_EQ(seen, QStringList("A C E F"));
    EXPECT_EQ(program.messages.shown,
              QStringList(AppTitle + "|Duplicate Item: Ignoring.\n" + at("Rock%2C Pop.pls")
                          + ": 2 of 4 stations imported.\n" + "line 6: B: a list already shows this title\n"
                          + "line 14: D: another station already has this address\n\n"
                          + "No station was found in this file.\n" + at("empty.pls") + "\n\n"
                          + "The playlist was not imported completely.\n" + at("missing.pls")
                          + ": the file does not exist\n\n"
                          + "The playlist was not imported completely.\nhttp://example.org/list.pls: this is an "
                          + "address on the network, and only files on this computer can be imported\n\n"
                          + "The playlist was not imported completely.\n" + at("long.pls")
                          + ", line 4: the title is longer than 65,536 characters"));
}

TEST_F(ImportCommandTest, ManyFilesAskForOneAnswerNamingTwentyOfThem)
{
    QStringList paths;
    for (int i = 0; i < 25; ++i)
        paths << writeFile(at(QString::number(i)), "");
    import(paths);
    ASSERT_EQ(program.messages.shown.size(), 1);
    EXPECT_TRUE(program.messages.shown[0].endsWith(at("19") + "\n\nand 5 more files with stations left out."));
}

// The same file twice: all it holds is listed already.
TEST_F(ImportCommandTest, AFileNamesTenStationsLeftOutAndCountsTheRest)
{
    const QString path = writeFile(at("13.pls"), generatedPlaylist(13));
    import({path});
    import({path});
    QStringList said = {"Duplicate Item: Ignoring.", path + ": 0 of 13 stations imported."};
    for (int i = 0; i < 10; ++i)
        said
            << QString("line %1: Station %2 - Jazz & Blues: a list already shows this title").arg(2 + 4 * i).arg(i + 1);
    EXPECT_EQ(program.messages.shown, QStringList(AppTitle + '|' + said.join('\n') + "\nand 3 more."));
}

// A radio site's mirrors under one name: the first is taken, and the stations after them too.
TEST_F(ImportCommandTest, ARepeatedTitleIsLeftOutAndTheImportGoesOn)
{
    import({writeFile(at("mirrors.pls"), "[playlist]\nFile1=http://a/\nTitle1=Jazz\nFile2=http://b/\nTitle2=Jazz\n"
                                         "File3=http://c/\nTitle3=Rock\n")});
    EXPECT_EQ(render(program), "[Jazz Rock] [] Jazz Rock");
    EXPECT_EQ(program.messages.shown,
              QStringList(AppTitle + "|Duplicate Item: Ignoring.\n" + at("mirrors.pls")
                          + ": 2 of 3 stations imported.\nline 4: Jazz: a list already shows this title"));
}

TEST_F(ImportCommandTest, ALeftOutStationIsNamedByItsAddressLineOrItsFirstLine)
{
    import({writeFile(at("f.pls"), "[playlist]\nTitle1=A\nLength1=1\nFile2=http://b/\nNumberOfEntries=3\nTitle3=B\n"
                                   "File3=HTTP://B/\n")});
    EXPECT_EQ(program.messages.shown,
              QStringList(AppTitle + "|The playlist was not imported completely.\n" + at("f.pls")
                          + ": 1 of 3 stations imported.\nline 2: A: it has no address\n"
                          + "line 7: B: another station already has this address"));
}

// Without "#EXTM3U", and with lines that are no addresses a player streams from.
TEST_F(ImportCommandTest, AnM3uIsToldByItsNameAlone)
{
    import({writeFile(at("list.m3u"), "music/a.mp3\nmusic/b.mp3\n")});
    EXPECT_EQ(render(program), "[music/a.mp3 music/b.mp3] [] music/a.mp3 music/b.mp3");
    EXPECT_EQ(program.messages.shown, QStringList());
}

// Its media segments or its variants are no stations, even after one; the path is shown with
// its invisible characters as codes.
TEST_F(ImportCommandTest, AnHlsManifestIsNamedAsASingleStream)
{
    import({writeFile(at(QString::fromUtf16(u"Pop\u202E.m3u8")), "#EXTM3U\n#EXT-X-TARGETDURATION:10\nseg.ts\n"),
            writeFile(at("master.m3u8"), "#EXTM3U\nhttp://a/\n#EXT-X-STREAM-INF:BANDWIDTH=1280000\nlow.m3u8\n")});
    const QString hls = "This file is the playlist of a single stream (HLS), not a list of stations.\n";
    EXPECT_EQ(render(program), "[] []");
    EXPECT_EQ(program.messages.shown,
              QStringList(AppTitle + '|' + hls + at("Pop<U+202E>.m3u8") + "\n\n" + hls + at("master.m3u8")));
}

// An address held is named as such even then.
TEST_F(ImportCommandTest, AFullImportListLeavesTheRestOut)
{
    for (int i = 1; i < ListBox::MaxItems - 1; ++i)
        program.lst_Import.AddItem(QString::number(i));
    listStation(program.lst_Output, "X", "http://x/");
    import({writeFile(at("full.pls"),
                      playlistOf({"A", "B"}) + stationBlock("http://x/", "C") + stationBlock("http://d/", "D"))});
    EXPECT_EQ(render(program), "[1 2 3 ... 32765 A B (32767)] [X] X A B");
    EXPECT_EQ(program.messages.shown,
              QStringList(AppTitle + "|The playlist was not imported completely.\n" + at("full.pls")
                          + ": 2 of 4 stations imported.\n" + "line 10: C: another station already has this address\n"
                          + "line 14: D: the import list is full"));
}
