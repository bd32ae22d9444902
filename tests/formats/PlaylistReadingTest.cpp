#include "NamedCases.h"
#include "formats/IntegerConversion.h"
#include "formats/PlaylistReader.h"
#include "formats/PlaylistText.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

#include <tuple>

using namespace orvanta;
using orvanta::testing::byName;

namespace {

// The committed stations as "NumEntries|File|Title|Length", joined by "; ", then
// "failed@<line>" if the reading threw.
std::string readStations(const QByteArray& bytes, const QString& fileName = "f.pls",
                         CommitResult answer = CommitResult::KeepReading)
{
    QStringList read;
    try {
        readPlaylist(bytes, fileName, QLocale::c(), [&](const PlaylistStation& s) {
            read.append(QString("%1|%2|%3|%4").arg(s.NumEntries).arg(s.File, s.Title).arg(s.Length));
            return answer;
        });
    } catch (const PlaylistReadError& error) {
        read.append(QString("failed@%1").arg(error.line()));
    }
    return read.join("; ").toStdString();
}

QByteArray utf16(QStringEncoder::Encoding encoding, QStringView text)
{
    return QStringEncoder(encoding, QStringEncoder::Flag::WriteBom).encode(text);
}

struct ConversionCase {
    const char* name;
    QLocale locale;
    const char* text;
    std::optional<qint16> value;
};
class IntegerConversionTest : public ::testing::TestWithParam<ConversionCase> {};

const QLocale c = QLocale::c();
const QLocale german(QLocale::German, QLocale::Germany);
const std::optional<qint16> none;

} // namespace

TEST_P(IntegerConversionTest, RoundsHalfToEvenWithin16BitsAsTheLocaleReads)
{
    EXPECT_EQ(toInteger16(QString(GetParam().text), GetParam().locale), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntegerConversionTest,
    ::testing::Values(ConversionCase{"HalfDown", c, "2.5", 2}, ConversionCase{"HalfUp", c, "3.5", 4},
                      ConversionCase{"NegativeHalfToZero", c, "-0.5", 0},
                      ConversionCase{"NegativeHalfToEven", c, "-1.5", -2}, ConversionCase{"AboveHalf", c, "2.51", 3},
                      ConversionCase{"LowestAfterRounding", c, "-32768.5", -32768},
                      ConversionCase{"OverAfterRounding", c, "32767.5", none},
                      ConversionCase{"Exponent", c, "1e9", none}, ConversionCase{"Blanks", c, " 42 ", 42},
                      ConversionCase{"Tab", c, "\t-7", -7}, ConversionCase{"Plus", c, "+7", 7},
                      ConversionCase{"Empty", c, "", none}, ConversionCase{"AfterEquals", c, "=5", none},
                      ConversionCase{"Letters", c, "12a", none}, ConversionCase{"Infinity", c, "inf", none},
                      ConversionCase{"NotANumber", c, "nan", none}, ConversionCase{"CommaInC", c, "2,5", none},
                      ConversionCase{"CommaInGerman", german, "2,5", 2},
                      ConversionCase{"DotInGerman", german, "2.5", none}),
    byName);

TEST(PlaylistTextTest, EachLineIsUtf8WhenValidElseWindows1252KeepingEveryByte)
{
    const std::pair<QByteArray, QString> cases[] = {
        {"Caf\xC3\xA9", QString::fromUtf8(u8"Café")},
        // Byte-order marks in a value stay, the second as much as the first.
        {"\xEF\xBB\xBF\xEF\xBB\xBFx", QStringLiteral(u"\uFEFF\uFEFFx")},
        // One invalid byte makes the line Windows-1252, its valid UTF-8 pairs included.
        {"\xC3\xA9 Caf\xE9 \x80", QString::fromUtf8(u8"Ã© Café €")},
        {"ok\xC3", QString::fromUtf8(u8"okÃ")},
        // The bytes Windows-1252 leaves undefined become the C1 controls of the same code.
        {"\x81\x8D\x8F\x90\x9D", QStringLiteral(u"\u0081\u008D\u008F\u0090\u009D")}};
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(decodePlaylistLine(bytes).toStdString(), expected.toStdString()) << bytes.toHex().toStdString();
}

namespace {

struct ReadCase {
    const char* name;
    QByteArray bytes;
    const char* read;
    const char* fileName = "f.pls";
};
class PlaylistReaderTest : public ::testing::TestWithParam<ReadCase> {};

const QByteArray xspfHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<playlist version=\"1\" "
                            "xmlns=\"http://xspf.org/ns/0/\"><title>List</title>\n<trackList>\n";

} // namespace

TEST_P(PlaylistReaderTest, ReadsTheStationsInOrderOrFailsAtTheLineAnEditorShows)
{
    EXPECT_EQ(readStations(GetParam().bytes, GetParam().fileName), QString::fromUtf8(GetParam().read).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Pls, PlaylistReaderTest,
    ::testing::Values(
        ReadCase{"NumberedPastNine",
                 "[playlist]\r\nFile9=a\r\nTitle9=A\r\nLength9=9\r\nFile10=b=\r\nTitle123=B\r\nLength10= 7",
                 "1|a|A|9; 1|b=|B|7"},
        // Lines that only start like a key take their values at fixed positions.
        ReadCase{"NotNumbered", "[playlist]\rFile=a\rTitle1x=A\rLength1=0\rLength12==1", "1||=A|0; failed@5"},
        ReadCase{"NoTrimmingAndTheAddressCarriesOver", "[playlist]\rFileX= a \rTitles= b \rLengthy= 3 \rLength2=2",
                 "1| a | b |3; 1| a | a |2"},
        ReadCase{
            "HeaderAfterBlankLinesCommentsAndTypeInAnyCase",
            "\r\n; made by hand\r\naudio/x-scpls\r\n \t[PlayList] \rNumberOfEntries=1\rFile1=x\rTitle1=X\rLength1=1",
            "1|x|X|1"},
        ReadCase{"KeysInAnyCase", "[playlist]\nfile1=a\nTITLE1=A\nLeNgTh1=1\n", "1|a|A|1"},
        ReadCase{"EveryLineEnd", "[playlist]\r\nFile1=a\nTitle1=A\rLength1=1\r\n", "1|a|A|1"},
        ReadCase{"StationsWithoutLengthOrTitle",
                 "[playlist]\nNumberOfEntries=3\nFile1=a\nTitle1=A\nFile2=b\nFile3=c\nTitle3=\nVersion=2",
                 "1|a|A|-1; 1|b|b|-1; 1|c||-1"},
        ReadCase{"StationWithoutAddress", "[playlist]\nFile1=a\nLength1=1\nTitle2=B\nLength2=2\n", "1|a|a|1; 1|a|B|2"},
        ReadCase{"LineTooShortForItsValue", "[playlist]\r\nFile1=a\nb\r\nFile1", "1|a|a|-1; failed@4"},
        ReadCase{"BadLength", "[playlist]\r\nTitle1=a\nb\r\nLength1=x", "failed@4"},
        // Each line decodes alone; positions count characters, not bytes.
        ReadCase{"MixedEncodings",
                 "[playlist]\r\nTitle1=Caf\xC3\xA9\r\nLength1=1\r\nTitl\xE9"
                 "1=Caf\xE9\r\nLength1=2\r\nTitl\xC3\xA9"
                 "1=X\r\nLength1=3",
                 "1||Caf\u00e9|1; 1||Caf\u00e9|2; 1||X|3"},
        ReadCase{"Utf8ByteOrderMarkDroppedOnlyAtTheStart",
                 "\xEF\xBB\xBF[playlist]\r\nFile1=a\r\nTitle1=\xEF\xBB\xBF\xEF\xBB\xBF"
                 "A\r\nLength1=3",
                 "1|a|\uFEFF\uFEFFA|3"},
        ReadCase{"Utf16LittleEndian", utf16(QStringEncoder::Utf16LE, u"[playlist]\r\nFile1=\u00e9\r\nLength1=3"),
                 "1|\u00e9|\u00e9|3"},
        ReadCase{"Utf16BigEndian", utf16(QStringEncoder::Utf16BE, u"[playlist]\nFile1=a\nTitle1=\u65e5\n"),
                 "1|a|\u65e5|-1"},
        ReadCase{"Empty", "", ""}),
    byName);

// Without a header, only the text before the first CR is read, split at LF, and a line
// not recognised stays pending, joined by all that follows.
INSTANTIATE_TEST_SUITE_P(
    PlsWithoutHeader, PlaylistReaderTest,
    ::testing::Values(
        ReadCase{"EntryCountsLastDigit", "numberofentries=12\nFile1=h\nTitle1=A\nLength1=-1\n", "2|h|A|-1"},
        ReadCase{"TextAfterTheLastLineFeed", "File1=a\nTitle1=A\nLength1=3\nLength1=4", "0|a|A|3"},
        ReadCase{"KeysExact", "NumberOfEntries=1\nFile1=a\nTitle1=A\nLength1=3\n", ""},
        ReadCase{"PendingTextCompletesAKey", "File\n1=a\nTitle1=A\nLength1=3\n", "0|a|A|3"},
        ReadCase{"FirstLineOnly", "File1=a\nTitle1=A\r\nLength1=3\n", ""},
        ReadCase{"HeaderAfterAnAddress", "File1=a\nTitle1=A\nLength1=3\n[playlist]\nFile2=b\nLength2=4\n", "0|a|A|3"},
        ReadCase{"EntryCountNoNumber", "File1=a\nnumberofentries=x\nTitle1=A\nLength1=3\n", "failed@2"},
        ReadCase{"EachLineDecodedAlone", "File1=caf\xE9\nTitle1=Caf\xC3\xA9\nLength1=1\n", "0|caf\u00e9|Caf\u00e9|1"},
        ReadCase{"LongestText", QByteArray("File1=a\nTitle1=A\nLength1=5\n").leftJustified(MaxScanModeLength),
                 "0|a|A|5"},
        ReadCase{"TextTooLong", QByteArray("File1=a\nTitle1=A\nLength1=5\n").leftJustified(MaxScanModeLength + 1),
                 "failed@1"},
        ReadCase{"NoFormatByNameOrContent", "http://a/\n", "", "f.txt"}),
    byName);

INSTANTIATE_TEST_SUITE_P(
    M3u, PlaylistReaderTest,
    ::testing::Values(
        ReadCase{"Extended",
                 "#EXTM3U\n#EXTINF:123,Jazz\nhttp://a/\n\n# comment\n  \nhttp://b/\n"
                 "#EXTINF:-1 tvg-name=\"x, y\",Rock, Pop\nhttp://c/\n#EXTINF:,\nhttp://d/",
                 "1|http://a/|Jazz|123; 1|http://b/|http://b/|-1; 1|http://c/|Rock, Pop|-1; 1|http://d/||-1", "f.m3u"},
        ReadCase{"LengthNoNumber", "#EXTINF:abc,T\r\nhttp://a/\r\n#EXTINF:32768,U\r\nhttp://b/",
                 "1|http://a/|T|-1; 1|http://b/|U|-1", "f.m3u"},
        ReadCase{"ByContentWhateverTheName", "#EXTM3U\r\nhttp://a/", "1|http://a/|http://a/|-1", "f.pls"},
        ReadCase{"ByNameWithoutHeader", "http://a/\nhttp://b/", "1|http://a/|http://a/|-1; 1|http://b/|http://b/|-1",
                 "f.M3U"},
        ReadCase{"M3uDecodedLineByLine", "#EXTINF:1,Caf\xE9\nhttp://a/", "1|http://a/|Caf\u00e9|1", "f.m3u"},
        ReadCase{"M3u8IsUtf8", "#EXTINF:1,Caf\xE9\nhttp://a/", "1|http://a/|Caf\ufffd|1", "f.m3u8"}),
    byName);

INSTANTIATE_TEST_SUITE_P(
    Xspf, PlaylistReaderTest,
    ::testing::Values(
        ReadCase{"Tracks",
                 xspfHead
                     + "<track><location>http://a/?x=1&amp;y=2</location><location>http://alt/</location>"
                       "<title>A &amp; B\nC</title><duration>1500</duration></track>\n"
                       "<track><location>\n  http://b/\n</location><duration>32767501</duration></track>\n"
                       "<track><title>no location</title></track></trackList></playlist>",
                 "1|http://a/?x=1&y=2|A & B C|2; 1|http://b/|http://b/|-1", "f.xml"},
        ReadCase{"Malformed", xspfHead + "<track><location>a</location></track>\n<track><location>b</track>",
                 "1|a|a|-1; failed@5", "f.xml"},
        ReadCase{"ByNameWithoutNamespace",
                 "<playlist><trackList><track><location>a</location></track></trackList></playlist>", "1|a|a|-1",
                 "f.xspf"},
        ReadCase{"NoExternalEntityLoaded",
                 "<?xml version=\"1.0\"?>\n<!DOCTYPE playlist [<!ENTITY x SYSTEM \"file:///etc/os-release\">]>\n"
                 "<playlist xmlns=\"http://xspf.org/ns/0/\"><trackList><track><location>a</location>"
                 "<title>[&x;]</title></track></trackList></playlist>",
                 "1|a|[]|-1", "f.xspf"},
        ReadCase{"Utf16",
                 utf16(QStringEncoder::Utf16LE,
                       u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><playlist xmlns=\"http://xspf.org/ns/0/\">"
                       u"<trackList><track><location>\u00e9</location></track></trackList></playlist>"),
                 "1|\u00e9|\u00e9|-1", "f.xspf"}),
    byName);

// Each stops at once: the bad value after the first station is never read.
TEST(PlaylistReaderTest, EveryReaderStopsWhenTheCommitSaysSo)
{
    const std::tuple<QByteArray, QString, const char*> cases[] = {
        {"[playlist]\rLength1=1\rLength1=x", "f.pls", "1|||1"},
        {"Length1=1\nLength1=x\n", "f.pls", "0|||1"},
        {"a\n#EXTINF:1," + QByteArray(MaxValueLength + 1, 'x') + "\nb", "f.m3u", "1|a|a|-1"},
        {xspfHead + "<track><location>a</location></track><track>", "f.xspf", "1|a|a|-1"}};
    for (const auto& [bytes, name, read] : cases)
        EXPECT_EQ(readStations(bytes, name, CommitResult::StopReading), read) << name.toStdString();
}

// No address or title longer than the bound is read, whatever the key's number; lines
// skipped are not values.
TEST(PlaylistReaderTest, NoValueLongerThanTheBoundIsRead)
{
    const QByteArray longest(MaxValueLength, 'x');
    const auto pls = [](const QByteArray& line) { return readStations("[playlist]\r\n" + line + "\r\nLength1=1"); };
    EXPECT_EQ(pls("Title12345=" + longest), "1||" + longest.toStdString() + "|1");
    EXPECT_EQ(pls("Note=" + longest + longest), "1|||1");
    EXPECT_EQ(pls("File10=" + longest + 'x'), "failed@2");
    EXPECT_EQ(pls("Title1=" + QString(MaxValueLength + 1, QChar(0xE9)).toUtf8()), "failed@2");
    EXPECT_EQ(readStations("#EXTINF:1," + longest + "x\nhttp://a/", "f.m3u"), "failed@1");
    EXPECT_EQ(readStations(xspfHead + "<track><location>" + longest + "x</location></track>", "f.xspf"), "failed@4");
}
