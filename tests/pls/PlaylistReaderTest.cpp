#include "pls/PlaylistReadError.h"
#include "pls/PlaylistReader.h"
#include "pls/ScanModeReader.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using namespace orvanta;

namespace orvanta {
static void PrintTo(const PlaylistStation& s, std::ostream* out)
{
    *out << "{" << s.NumEntries << ", " << s.File.toStdString() << ", " << s.Title.toStdString() << ", "
         << s.Length << "}";
}
} // namespace orvanta

namespace {

using Stations = std::vector<PlaylistStation>;

struct Reading {
    const char* name;
    QString text;
    Stations expected;
    bool fails = false;
};

void PrintTo(const Reading& reading, std::ostream* out)
{
    *out << reading.name;
}

// Blocks numbered 1..count as key=value lines, each ended by lineEnd.
QString numberedBlocks(int count, const QString& lineEnd)
{
    QString text = "[playlist]" + lineEnd;
    for (int n = 1; n <= count; ++n)
        text += QString("File%1=http://host-%1/").arg(n) + lineEnd + QString("Title%1=S%1").arg(n) + lineEnd
            + QString("Length%1=-1").arg(n) + lineEnd;
    return text;
}

Stations firstNineOfTwelve()
{
    Stations stations;
    for (int n = 1; n <= 9; ++n)
        stations.push_back({1, QString("http://host-%1/").arg(n), QString("S%1").arg(n), -1});
    return stations;
}

// An LF-only station padded with blanks after its last LF to the given first-line length.
QString scanLineOfLength(qsizetype length)
{
    const QString station = "File1=a\nTitle1=A\nLength1=5\n";
    return station + QString(length - station.size(), u' ');
}

class PlaylistReaderTest : public ::testing::TestWithParam<Reading> {};

} // namespace

TEST_P(PlaylistReaderTest, YieldsStations)
{
    Stations read;
    const auto readAll = [&] {
        readPlaylistText(GetParam().text, QLocale::c(), [&](const PlaylistStation& station) {
            read.push_back(station);
            return CommitResult::KeepReading;
        });
    };
    if (GetParam().fails)
        EXPECT_THROW(readAll(), PlaylistReadError);
    else
        EXPECT_NO_THROW(readAll());
    EXPECT_EQ(read, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    LineMode, PlaylistReaderTest,
    ::testing::Values(
        Reading{"ExportedBlocks", "[playlist]\r\nFile1=http://a:8000/\r\nTitle1=A\r\nLength1=-1\r\n\r\n"
                                  "File1=http://b/\r\nTitle1=B\r\nLength1=7\r\n\r\n",
                {{1, "http://a:8000/", "A", -1}, {1, "http://b/", "B", 7}}},
        Reading{"HeaderInAnyCaseAndCrOnly", "[PlayList]\rNumberOfEntries=1\rFile1=x\rTitle1=X\rLength1=1",
                {{1, "x", "X", 1}}},
        Reading{"FixedPositionsNoTrimming", "[playlist]\r\nFileX= a \r\nTitles= b \r\nLengthy= 3 \r\n",
                {{1, " a ", " b ", 3}}},
        Reading{"NumberingPastNineStopsAtTen", numberedBlocks(12, "\r\n"), firstNineOfTwelve(), true},
        Reading{"MissingLinesCarryOver", "[playlist]\r\nFile1=a\r\nTitle1=A\r\nLength1=1\r\nLength2=2\r\n",
                {{1, "a", "A", 1}, {1, "a", "A", 2}}},
        Reading{"LowerCaseKeysIgnored", "[playlist]\r\nfile1=a\r\ntitle1=A\r\nlength1=1\r\n", {}},
        Reading{"LfOnlyAfterHeaderHidesEverything", "[playlist]\r\n" + numberedBlocks(2, "\n"), {}},
        Reading{"AddressLineTooShort", "[playlist]\r\nFile1\r\n", {}, true},
        Reading{"TitleLineTooShort", "[playlist]\r\nTitle1\r\n", {}, true},
        Reading{"LengthLineTooShort", "[playlist]\r\nLength1\r\n", {}, true},
        Reading{"LengthValueEmpty", "[playlist]\r\nLength1=\r\n", {}, true},
        Reading{"LengthValueLetters", "[playlist]\r\nFile1=a\r\nTitle1=A\r\nLength1=1\r\nLength1=x\r\n",
                {{1, "a", "A", 1}}, true}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    ScanMode, PlaylistReaderTest,
    ::testing::Values(
        Reading{"LfOnlyStationTakesLastDigitOfEntryCount",
                "[playlist]\nnumberofentries=12\nFile1=http://a/\nTitle1=A\nLength1=-1\nVersion=2\n",
                {{2, "http://a/", "A", -1}}},
        Reading{"NoEntryCountGivesZero", "File1=a\nTitle1=A\nLength1=3\n", {{0, "a", "A", 3}}},
        Reading{"OnlyFirstOfSeveralStations", numberedBlocks(3, "\n"), {{0, "http://host-1/", "S1", -1}}},
        Reading{"LastLineWithoutLfNotExamined", "[playlist]\nFile1=a\nTitle1=A\nLength1=3", {}},
        Reading{"CapitalisedHeaderJoinsEverything", "[Playlist]\nFile1=a\nTitle1=A\nLength1=3\n", {}},
        Reading{"CapitalisedEntryCountJoinsEverything", "NumberOfEntries=1\nFile1=a\nTitle1=A\nLength1=3\n", {}},
        // The pending line is tested again after each LF, so a key can complete across lines.
        Reading{"PendingTextCompletesAKey", "File\n1=a\nTitle1=A\nLength1=3\n", {{0, "a", "A", 3}}},
        Reading{"OnlyTheFirstLineIsScanned", "File1=a\nTitle1=A\r\nLength1=3\n", {}},
        Reading{"ByteOrderMarkBeforeHeader", QStringLiteral(u"\uFEFF[playlist]\r\n") + "File1=a\r\nTitle1=A\r\n"
                                                                                  "Length1=3\r\n",
                {}},
        Reading{"HeaderWithTrailingBlank", "[playlist] \r\nFile1=a\r\nTitle1=A\r\nLength1=3\r\n", {}},
        Reading{"EntryCountLastCharNoNumber", "numberofentries=x\nFile1=a\nTitle1=A\nLength1=3\n", {}, true},
        Reading{"LongestScannedLine", scanLineOfLength(MaxScanModeLength), {{0, "a", "A", 5}}},
        Reading{"LineTooLongToScan", scanLineOfLength(MaxScanModeLength + 1), {}, true},
        Reading{"EmptyText", "", {}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlaylistReaderStopTest, CommitCanEndTheReadingQuietlyInEitherMode)
{
    for (const QString& text : {numberedBlocks(3, "\r\n"), QString("File1=a\nTitle1=A\nLength1=3\nLength1=x\n")}) {
        int commits = 0;
        EXPECT_NO_THROW(readPlaylistText(text, QLocale::c(), [&](const PlaylistStation&) {
            ++commits;
            return CommitResult::StopReading;
        }));
        EXPECT_EQ(commits, 1);
    }
}
