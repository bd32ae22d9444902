#include "NamedCases.h"
#include "QStringPrinting.h"
#include "pls/IntegerConversion.h"
#include "pls/PlaylistReader.h"
#include "pls/PlsScanReader.h"
#include "pls/XspfReader.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

namespace orvanta {
void PrintTo(const PlaylistStation& station, std::ostream* out)
{
    *out << "line " << station.line << ": " << station.NumEntries << " \"" << station.File.toStdString() << "\" \""
         << station.Title.toStdString() << "\" " << station.Length;
}
} // namespace orvanta

using namespace orvanta;
using orvanta::testing::byName;

namespace {

struct ConversionCase {
    const char* name;
    QLocale locale;
    const char* text;
    std::optional<qint16> value;
};
class IntegerConversionTest : public ::testing::TestWithParam<ConversionCase> {};

const QLocale c = QLocale::c(), german(QLocale::German, QLocale::Germany);
const std::optional<qint16> none;
const ConversionCase conversions[] = {
    {"HalfUp", c, "3.5", 4},      {"Lowest", c, "-32768.5", -32768},   {"OverAfterRounding", c, "32767.5", none},
    {"CommaInC", c, "2,5", none}, {"CommaInGerman", german, "2,5", 2}, {"DotInGerman", german, "2.5", none}};

} // namespace

TEST_P(IntegerConversionTest, RoundsHalfToEvenWithin16BitsAsTheLocaleReads)
{
    EXPECT_EQ(toInteger16(QString(GetParam().text), GetParam().locale), GetParam().value);
}
INSTANTIATE_TEST_SUITE_P(Cases, IntegerConversionTest, ::testing::ValuesIn(conversions), byName);

namespace {

// A station as read: the line it is named by first.
PlaylistStation at(int line, const QString& file, const QString& title, qint16 length = -1, qint16 entries = 1)
{
    return {entries, file, title, length, line};
}
// The stations read, in order.
template <typename... Station>
QList<PlaylistStation> read(const Station&... stations)
{
    return {stations...};
}

struct ReadCase {
    const char* name;
    const char* fileName;
    QByteArray bytes;
    QList<PlaylistStation> stations;
};
struct FailureCase {
    const char* name;
    const char* fileName;
    QByteArray bytes;
    int line;
    QList<PlaylistStation> kept;
};
class PlaylistReaderTest : public ::testing::TestWithParam<ReadCase> {};
class PlaylistReaderFailureTest : public ::testing::TestWithParam<FailureCase> {};

QByteArray utf16(QStringEncoder::Encoding encoding, QStringView text)
{
    return QStringEncoder(encoding, QStringEncoder::Flag::WriteBom).encode(text);
}

const QByteArray xspfHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<playlist version=\"1\" "
                            "xmlns=\"http://xspf.org/ns/0/\"><title>List</title>\n<trackList>\n";
const QByteArray xspfTail = "</trackList></playlist>";
const QByteArray longest(MaxValueLength, 'x');
const QString longestText(longest);

const ReadCase withHeader[] = {
    {"ByNumberInAnyOrder", "f.pls", "[playlist]\r\nTitle10=B\r\nFile10=b\r\nLength9=1\r\nFile9=a",
     read(at(5, "a", "a", 1), at(3, "b", "B"))},
    {"RepeatedNumbersTakenRoundByRound", "f.pls",
     "[playlist]\nFile1=a\nFile200000=b\nFile1=c\nTitle1=C\nFile200000=d\nFile3=e",
     read(at(2, "a", "a"), at(7, "e", "e"), at(3, "b", "b"), at(4, "c", "C"), at(6, "d", "d"))},
    {"UnnumberedKeyJoinsTheStationBefore", "f.pls", "[playlist]\nFile1=a\nTitle: A\nLength12==1",
     read(at(2, "a", "A"), at(4, "", ""))},
    {"BlanksAroundEqualsAndAddresses", "f.pls",
     "[playlist]\nfile1 = \t http://a/ \t\ntitle1 =  A \nTITLE2= B \nFile2=\tb ",
     read(at(2, "http://a/", "A "), at(5, "b", " B "))},
    {"EmptyOrBlankTitlesAreTheAddress", "f.pls", "[playlist]\nTitle1=\nFile1=a\nTitle2= \t \nFile2=b",
     read(at(3, "a", "a"), at(5, "b", "b"))},
    {"LengthsEmptyOrOutOfRangeAreUnknown", "f.pls",
     "[playlist]\nFile1=a\nLength1=\nFile2=b\nLength2=40000\nFile3=c\nLength3= 2.5 ",
     read(at(2, "a", "a"), at(4, "b", "b"), at(6, "c", "c", 2))},
    {"HeaderAfterBlankLinesCommentsAndTypeInAnyCase", "f.pls",
     "\r\n; made by hand\r\naudio/x-scpls\r\n \t[PlayList] \rNumberOfEntries=1\rFile1=x\rTitle1=X\rLength1=1",
     read(at(6, "x", "X", 1))},
    // Runs of empty lines count as the lines they are, whatever ends them.
    {"KeysInAnyCaseAndEveryLineEnd", "f.pls",
     "[playlist]\nfile1=a\r\nTITLE1=A\rLeNgTh1=1\n" + QByteArray("\r\n").repeated(4) + QByteArray(8, '\r')
         + QByteArray(9, '\n') + "File2=b",
     read(at(2, "a", "A", 1), at(25, "b", "b"))},
    {"HeaderBeforeTheName", "f.m3u", "[playlist]\nFile1=a\nTitle1=A", read(at(2, "a", "A"))},
    // Each line decodes alone, as UTF-8 where valid, else Windows-1252, whose undefined bytes
    // stay C1 controls; positions count characters, not bytes.
    {"MixedEncodings", "f.pls",
     "[playlist]\r\nFile1=a\r\nTitle1=Caf\xC3\xA9\r\nFile2=b\r\nTitl\xE9"
     "2=Caf\xE9 \x80\x81",
     read(at(2, "a", "Caf\u00e9"), at(4, "b", "Caf\u00e9 \u20ac\u0081"))},
    {"Utf8ByteOrderMarkDroppedOnlyAtTheStart", "f.pls",
     "\xEF\xBB\xBF[playlist]\r\nFile1=a\r\nTitle1=\xEF\xBB\xBF\xEF\xBB\xBF"
     "A",
     read(at(2, "a", QStringView(u"\uFEFF\uFEFFA").toString()))},
    {"Utf16LittleEndian", "f.pls", utf16(QStringEncoder::Utf16LE, u"[playlist]\r\nFile1=\u00e9\r\nLength1=3"),
     read(at(2, "\u00e9", "\u00e9", 3))},
    {"LongestValues", "f.pls", "[playlist]\nTitle12345=" + longest + "\nFile12345= " + longest,
     read(at(3, longestText, longestText))},
    {"LongLineSkipped", "f.pls", "[playlist]\nNote=" + longest + longest + "\nFile1=a", read(at(3, "a", "a"))}};
INSTANTIATE_TEST_SUITE_P(Pls, PlaylistReaderTest, ::testing::ValuesIn(withHeader), byName);

const FailureCase withHeaderFailing[] = {
    {"AddressTooLong", "f.pls", "[playlist]\nFile10=" + longest + "x", 2, read()},
    {"TitleTooLongInCharacters", "f.pls",
     "[playlist]\nFile1=a\nTitle1=" + QString(MaxValueLength + 1, u'\u00e9').toUtf8(), 3, read()},
    // Stations with an address line before, with what was read of them, but for the one
    // the failing line belongs to.
    {"StationsWithAnAddressBeforeKept", "f.pls",
     "[playlist]\nFile1=a\nTitle2=B\nFile3=c\nTitle3=" + longest + "x\nFile2=b", 5, read(at(2, "a", "a"))},
    {"LineTooShortForItsValue", "f.pls", "[playlist]\r\nFile1=a\nFile2=b\r\nLeng", 4, read(at(2, "a", "a"))}};
INSTANTIATE_TEST_SUITE_P(Pls, PlaylistReaderFailureTest, ::testing::ValuesIn(withHeaderFailing), byName);

// Without a header, only the text before the first CR is read, split at LF, and a line
// not recognised stays pending, joined by all that follows.
const ReadCase withoutHeader[] = {
    {"EntryCountsLastDigit", "f.pls", "numberofentries=12\nFile1=h\nTitle1=A\nLength1=-1\n",
     read(at(2, "h", "A", -1, 2))},
    {"TextAfterTheLastLineFeed", "f.pls", "File1=a\nTitle1=A\nLength1=3\nLength1=4", read(at(1, "a", "A", 3, 0))},
    {"KeysExact", "f.pls", "NumberOfEntries=1\nFile1=a\nTitle1=A\nLength1=3\n", read()},
    {"PendingTextCompletesAKey", "f.pls", "File\n1=a\nTitle1=A\nLength1=3\n", read(at(2, "a", "A", 3, 0))},
    {"FirstLineOnly", "f.pls", "File1=a\nTitle1=A\r\nLength1=3\n", read()},
    {"HeaderAfterAnAddress", "f.pls", "File1=a\nTitle1=A\nLength1=3\n[playlist]\nFile2=b\nLength2=4\n",
     read(at(1, "a", "A", 3, 0))},
    {"NothingCarriesOverAndLengthsMayBeUnknown", "f.pls", "File1=a\nLength1=x\nLength1=2\n",
     read(at(1, "a", "a", -1, 0), at(3, "", "", 2, 0))},
    {"EachLineDecodedAlone", "f.pls", "File1=caf\xE9\nTitle1=Caf\xC3\xA9\nLength1=1\n",
     read(at(1, "caf\u00e9", "Caf\u00e9", 1, 0))},
    {"LongestText", "f.pls", QByteArray("File1=a\nTitle1=A\nLength1=5\n").leftJustified(MaxScanModeLength),
     read(at(1, "a", "A", 5, 0))},
    {"NotOnlyAddresses", "f.txt", "music/a.mp3\nhttp://b/\n", read()}};
INSTANTIATE_TEST_SUITE_P(PlsWithoutHeader, PlaylistReaderTest, ::testing::ValuesIn(withoutHeader), byName);

const FailureCase withoutHeaderFailing[] = {
    {"EntryCountNoNumber", "f.pls", "File1=a\nnumberofentries=x\nTitle1=A\nLength1=3\n", 2, read()},
    {"TextTooLong", "f.pls", QByteArray("File1=a\nTitle1=A\nLength1=5\n").leftJustified(MaxScanModeLength + 1), 1,
     read()}};
INSTANTIATE_TEST_SUITE_P(PlsWithoutHeader, PlaylistReaderFailureTest, ::testing::ValuesIn(withoutHeaderFailing),
                         byName);

const ReadCase m3u[] = {
    {"Extended", "f.m3u",
     "#EXTM3U\n#EXTINF:abc,Jazz\nhttp://a/\n\n# comment\n  \n http://b/\t\n"
     "#EXTINF:-1 tvg-name=\"x, y\",Rock, Pop\nhttp://c/\n#EXTINF:, \nhttp://d/",
     read(at(3, "http://a/", "Jazz"), at(7, "http://b/", "http://b/"), at(9, "http://c/", "Rock, Pop"),
          at(11, "http://d/", "http://d/"))},
    {"ExtInfWithoutComma", "f.m3u", "#EXTINF:5\nhttp://a/", read(at(2, "http://a/", "http://a/", 5))},
    {"ExtInfWithoutAddress", "f.m3u", "#EXTM3U\n#EXTINF:1,A\n#EXTINF:2,B\nhttp://b/\n#EXTINF:32768,C",
     read(at(2, "", "A", 1), at(4, "http://b/", "B", 2), at(5, "", "C"))},
    {"ByContentWhateverTheName", "f.pls", "#EXTM3U\r\nhttp://a/", read(at(2, "http://a/", "http://a/"))},
    {"ByNameWithoutHeader", "f.M3U", "a.mp3\nb.mp3", read(at(1, "a.mp3", "a.mp3"), at(2, "b.mp3", "b.mp3"))},
    {"OnlyAddressesWhateverTheName", "f.xspf", "# list\n\nHTTP://a/\nhttps://b/\nmms://c/\nrtsp://d/\nfile:///e",
     read(at(3, "HTTP://a/", "HTTP://a/"), at(4, "https://b/", "https://b/"), at(5, "mms://c/", "mms://c/"),
          at(6, "rtsp://d/", "rtsp://d/"), at(7, "file:///e", "file:///e"))},
    {"M3uDecodedLineByLine", "f.m3u", "#EXTINF:1,Caf\xE9\nhttp://a/", read(at(2, "http://a/", "Caf\u00e9", 1))},
    {"M3u8IsUtf8", "f.m3u8", "#EXTINF:1,Caf\xE9\nhttp://a/", read(at(2, "http://a/", "Caf\ufffd", 1))},
    {"Utf16OddByteDropped", "f.m3u", utf16(QStringEncoder::Utf16BE, u"http://a/\n") + '\0',
     read(at(1, "http://a/", "http://a/"))},
    {"LongestValues", "f.m3u", "#EXTINF:1," + longest + "\n" + longest, read(at(2, longestText, longestText, 1))}};
INSTANTIATE_TEST_SUITE_P(M3u, PlaylistReaderTest, ::testing::ValuesIn(m3u), byName);

const FailureCase m3uFailing[] = {{"TitleTooLong", "f.m3u", "http://a/\n#EXTINF:1," + longest + "x\nhttp://b/", 2,
                                   read(at(1, "http://a/", "http://a/"))}};
INSTANTIATE_TEST_SUITE_P(M3u, PlaylistReaderFailureTest, ::testing::ValuesIn(m3uFailing), byName);

const ReadCase xspf[] = {
    {"Tracks", "f.xml",
     xspfHead
         + "<track><location>http://a/?x=1&amp;y=2</location><location>http://alt/</location>"
           "<title>A &amp; B\nC</title><duration>1500</duration></track>\n"
           "<track><title/><location>\n  http://b/\n</location><duration>32767501</duration></track>\n"
           "<track><title>no location</title></track>"
         + xspfTail,
     read(at(4, "http://a/?x=1&y=2", "A & B C", 2), at(6, "http://b/", "http://b/"), at(9, "", "no location"))},
    {"ByNameWithoutNamespace", "f.xspf",
     "<playlist><trackList><track><location>a</location></track></trackList></playlist>", read(at(1, "a", "a"))},
    {"NoExternalEntityLoaded", "f.xspf",
     "<?xml version=\"1.0\"?>\n<!DOCTYPE playlist [<!ENTITY x SYSTEM \"file:///etc/os-release\">]>\n"
     "<playlist xmlns=\"http://xspf.org/ns/0/\"><trackList><track><location>a</location>"
     "<title>[&x;]</title></track></trackList></playlist>",
     read(at(3, "a", "[]"))},
    {"Utf16", "f.xspf",
     utf16(QStringEncoder::Utf16LE,
           u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><playlist xmlns=\"http://xspf.org/"
           u"ns/0/\"><trackList><track><location>\u00e9</location></track></trackList></playlist>")
         + '\0',
     read(at(1, "\u00e9", "\u00e9"))},
    {"LongestValues", "f.xspf",
     xspfHead + "<track><location>" + longest + "</location><title>" + longest + "</title></track>" + xspfTail,
     read(at(4, longestText, longestText))}};
INSTANTIATE_TEST_SUITE_P(Xspf, PlaylistReaderTest, ::testing::ValuesIn(xspf), byName);

const FailureCase xspfFailing[] = {
    {"Malformed", "f.xml", xspfHead + "<track><location>a</location></track>\n<track><location>b</track>", 5,
     read(at(4, "a", "a"))},
    {"TitleTooLong", "f.xspf",
     xspfHead + "<track><location>a</location><title>" + longest + "x</title></track>" + xspfTail, 4, read()},
    {"NestedTooDeep", "f.xspf",
     xspfHead + "<track><location>a</location></track>\n<track><title>" + QByteArray("<b>").repeated(60000)
         + QByteArray("</b>").repeated(60000) + "</title></track>" + xspfTail,
     5, read(at(4, "a", "a"))}};
INSTANTIATE_TEST_SUITE_P(Xspf, PlaylistReaderFailureTest, ::testing::ValuesIn(xspfFailing), byName);

} // namespace

TEST_P(PlaylistReaderTest, ReadsEveryStationInOrderNamedByItsLine)
{
    const PlaylistContent content = readPlaylist(GetParam().bytes, GetParam().fileName, QLocale::c());
    EXPECT_FALSE(content.failure) << content.failure->reason().toStdString();
    EXPECT_EQ(content.stations, GetParam().stations);
}

TEST_P(PlaylistReaderFailureTest, StopsAtTheLineAnEditorShowsKeepingTheStationsBefore)
{
    const PlaylistContent content = readPlaylist(GetParam().bytes, GetParam().fileName, QLocale::c());
    EXPECT_EQ(content.failure ? content.failure->line() : -1, GetParam().line);
    EXPECT_EQ(content.stations, GetParam().kept);
}

// A file of 32 MiB could hold millions, an .m3u one every two bytes.
TEST(PlaylistReaderTest, NoFileIsReadPastMaxStations)
{
    QByteArray past = QByteArray("a\n").repeated(MaxStations + 1);
    const PlaylistContent m3u = readPlaylist(past, "f.m3u", QLocale::c());
    const PlaylistContent pls = readPlaylist("[playlist]\n" + past.replace("a", "File1=a"), "f.pls", QLocale::c());
    EXPECT_EQ(std::pair(m3u.stations.size(), m3u.failure.value().line()), std::pair(MaxStations, 100001));
    EXPECT_EQ(std::pair(pls.stations.size(), pls.failure.value().line()), std::pair(MaxStations, 100002));
}
