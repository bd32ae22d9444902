#include "NamedCases.h"
#include "pls/IntegerConversion.h"
#include "pls/PlaylistReader.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

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
const ConversionCase conversions[] = {{"HalfDown", c, "2.5", 2},
                                      {"HalfUp", c, "3.5", 4},
                                      {"NegativeHalfToEven", c, "-1.5", -2},
                                      {"Lowest", c, "-32768.5", -32768},
                                      {"OverAfterRounding", c, "32767.5", none},
                                      {"Blanks", c, " 42 ", 42},
                                      {"Plus", c, "+7", 7},
                                      {"Empty", c, "", none},
                                      {"AfterEquals", c, "=5", none},
                                      {"Letters", c, "12a", none},
                                      {"Infinity", c, "inf", none},
                                      {"CommaInC", c, "2,5", none},
                                      {"CommaInGerman", german, "2,5", 2},
                                      {"DotInGerman", german, "2.5", none}};

} // namespace

TEST_P(IntegerConversionTest, RoundsHalfToEvenWithin16BitsAsTheLocaleReads)
{
    EXPECT_EQ(toInteger16(QString(GetParam().text), GetParam().locale), GetParam().value);
}
INSTANTIATE_TEST_SUITE_P(Cases, IntegerConversionTest, ::testing::ValuesIn(conversions), byName);

namespace {

struct ReadCase {
    const char* name;
    QByteArray bytes;
    // The stations committed as "NumEntries|File|Title|Length", joined by "; ", then
    // "failed@<line>" if the reading threw.
    std::string read;
    const char* fileName = "f.pls";
    CommitResult answer = CommitResult::KeepReading;
};
class PlaylistReaderTest : public ::testing::TestWithParam<ReadCase> {};

QByteArray utf16(QStringEncoder::Encoding encoding, QStringView text)
{
    return QStringEncoder(encoding, QStringEncoder::Flag::WriteBom).encode(text);
}

const QByteArray xspfHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<playlist version=\"1\" "
                            "xmlns=\"http://xspf.org/ns/0/\"><title>List</title>\n<trackList>\n";
const QByteArray longest(MaxValueLength, 'x');

const ReadCase withHeader[] = {
    {"NumberedPastNine", "[playlist]\r\nFile9=a\r\nTitle9=A\r\nLength9=9\r\nFile10=b=\r\nTitle123=B\r\nLength10= 7",
     "1|a|A|9; 1|b=|B|7"},
    // Lines that only start like a key take their values at fixed positions.
    {"NotNumbered", "[playlist]\rFile=a\rTitle1x=A\rLength1=0\rLength12==1", "1||=A|0; failed@5"},
    {"NoTrimmingAndTheAddressCarriesOver", "[playlist]\rFileX= a \rTitles= b \rLengthy= 3 \rLength2=2",
     "1| a | b |3; 1| a | a |2"},
    {"HeaderAfterBlankLinesCommentsAndTypeInAnyCase",
     "\r\n; made by hand\r\naudio/x-scpls\r\n \t[PlayList] \rNumberOfEntries=1\rFile1=x\rTitle1=X\rLength1=1",
     "1|x|X|1"},
    {"KeysInAnyCaseAndEveryLineEnd", "[playlist]\nfile1=a\r\nTITLE1=A\rLeNgTh1=1\n", "1|a|A|1"},
    {"StationsWithoutLengthOrTitle",
     "[playlist]\nNumberOfEntries=3\nFile1=a\nTitle1=A\nFile2=b\nFile3=c\nTitle3=\nVersion=2",
     "1|a|A|-1; 1|b|b|-1; 1|c||-1"},
    {"StationWithoutAddress", "[playlist]\nFile1=a\nLength1=1\nTitle2=B\nLength2=2\n", "1|a|a|1; 1|a|B|2"},
    {"LineTooShortForItsValue", "[playlist]\r\nFile1=a\nb\r\nFile1", "1|a|a|-1; failed@4"},
    {"BadLength", "[playlist]\r\nTitle1=a\nb\r\nLength1=x", "failed@4"},
    // Each line decodes alone, as UTF-8 where valid, else Windows-1252, whose undefined bytes
    // stay C1 controls; positions count characters, not bytes.
    {"MixedEncodings",
     "[playlist]\r\nTitle1=Caf\xC3\xA9\r\nLength1=1\r\nTitl\xE9"
     "1=Caf\xE9 \x80\x81\r\nLength1=2\r\nTitl\xC3\xA9"
     "1=X\r\nLength1=3",
     "1||Caf\u00e9|1; 1||Caf\u00e9 \u20ac\u0081|2; 1||X|3"},
    {"Utf8ByteOrderMarkDroppedOnlyAtTheStart",
     "\xEF\xBB\xBF[playlist]\r\nFile1=a\r\nTitle1=\xEF\xBB\xBF\xEF\xBB\xBF"
     "A\r\nLength1=3",
     "1|a|\uFEFF\uFEFFA|3"},
    {"Utf16LittleEndian", utf16(QStringEncoder::Utf16LE, u"[playlist]\r\nFile1=\u00e9\r\nLength1=3"),
     "1|\u00e9|\u00e9|3"},
    {"Utf16BigEndian", utf16(QStringEncoder::Utf16BE, u"[playlist]\nFile1=a\nTitle1=\u65e5\n"), "1|a|\u65e5|-1"},
    // No address or title longer than the bound is read, whatever the key's number; lines
    // skipped are no values.
    {"LongestTitle", "[playlist]\nTitle12345=" + longest + "\nLength1=1", "1||" + longest.toStdString() + "|1"},
    {"LongLineSkipped", "[playlist]\nNote=" + longest + longest + "\nLength1=1", "1|||1"},
    {"AddressTooLong", "[playlist]\nFile10=" + longest + "x", "failed@2"},
    {"TitleTooLongInCharacters", "[playlist]\nTitle1=" + QString(MaxValueLength + 1, u'\u00e9').toUtf8(), "failed@2"},
    {"StopsWhenTold", "[playlist]\rLength1=1\rLength1=x", "1|||1", "f.pls", CommitResult::StopReading}};
INSTANTIATE_TEST_SUITE_P(Pls, PlaylistReaderTest, ::testing::ValuesIn(withHeader), byName);

// Without a header, only the text before the first CR is read, split at LF, and a line
// not recognised stays pending, joined by all that follows.
const ReadCase withoutHeader[] = {
    {"EntryCountsLastDigit", "numberofentries=12\nFile1=h\nTitle1=A\nLength1=-1\n", "2|h|A|-1"},
    {"TextAfterTheLastLineFeed", "File1=a\nTitle1=A\nLength1=3\nLength1=4", "0|a|A|3"},
    {"KeysExact", "NumberOfEntries=1\nFile1=a\nTitle1=A\nLength1=3\n", ""},
    {"PendingTextCompletesAKey", "File\n1=a\nTitle1=A\nLength1=3\n", "0|a|A|3"},
    {"FirstLineOnly", "File1=a\nTitle1=A\r\nLength1=3\n", ""},
    {"HeaderAfterAnAddress", "File1=a\nTitle1=A\nLength1=3\n[playlist]\nFile2=b\nLength2=4\n", "0|a|A|3"},
    {"EntryCountNoNumber", "File1=a\nnumberofentries=x\nTitle1=A\nLength1=3\n", "failed@2"},
    {"EachLineDecodedAlone", "File1=caf\xE9\nTitle1=Caf\xC3\xA9\nLength1=1\n", "0|caf\u00e9|Caf\u00e9|1"},
    {"LongestText", QByteArray("File1=a\nTitle1=A\nLength1=5\n").leftJustified(MaxScanModeLength), "0|a|A|5"},
    {"TextTooLong", QByteArray("File1=a\nTitle1=A\nLength1=5\n").leftJustified(MaxScanModeLength + 1), "failed@1"},
    {"NoFormatByNameOrContent", "http://a/\n", "", "f.txt"},
    {"StopsWhenTold", "Length1=1\nLength1=x\n", "0|||1", "f.pls", CommitResult::StopReading}};
INSTANTIATE_TEST_SUITE_P(PlsWithoutHeader, PlaylistReaderTest, ::testing::ValuesIn(withoutHeader), byName);

const ReadCase m3u[] = {
    {"Extended",
     "#EXTM3U\n#EXTINF:123,Jazz\nhttp://a/\n\n# comment\n  \nhttp://b/\n"
     "#EXTINF:-1 tvg-name=\"x, y\",Rock, Pop\nhttp://c/\n#EXTINF:,\nhttp://d/",
     "1|http://a/|Jazz|123; 1|http://b/|http://b/|-1; 1|http://c/|Rock, Pop|-1; 1|http://d/||-1", "f.m3u"},
    {"LengthNoNumber", "#EXTINF:abc,T\r\nhttp://a/\r\n#EXTINF:32768,U\r\nhttp://b/",
     "1|http://a/|T|-1; 1|http://b/|U|-1", "f.m3u"},
    {"ByContentWhateverTheName", "#EXTM3U\r\nhttp://a/", "1|http://a/|http://a/|-1", "f.pls"},
    {"ByNameWithoutHeader", "http://a/\nhttp://b/", "1|http://a/|http://a/|-1; 1|http://b/|http://b/|-1", "f.M3U"},
    {"M3uDecodedLineByLine", "#EXTINF:1,Caf\xE9\nhttp://a/", "1|http://a/|Caf\u00e9|1", "f.m3u"},
    {"M3u8IsUtf8", "#EXTINF:1,Caf\xE9\nhttp://a/", "1|http://a/|Caf\ufffd|1", "f.m3u8"},
    {"TitleTooLong", "#EXTINF:1," + longest + "x\nhttp://a/", "failed@1", "f.m3u"},
    {"StopsWhenTold", "a\n#EXTINF:1," + longest + "x\nb", "1|a|a|-1", "f.m3u", CommitResult::StopReading}};
INSTANTIATE_TEST_SUITE_P(M3u, PlaylistReaderTest, ::testing::ValuesIn(m3u), byName);

const ReadCase xspf[] = {
    {"Tracks",
     xspfHead
         + "<track><location>http://a/?x=1&amp;y=2</location><location>http://alt/</location>"
           "<title>A &amp; B\nC</title><duration>1500</duration></track>\n"
           "<track><location>\n  http://b/\n</location><duration>32767501</duration></track>\n"
           "<track><title>no location</title></track></trackList></playlist>",
     "1|http://a/?x=1&y=2|A & B C|2; 1|http://b/|http://b/|-1", "f.xml"},
    {"Malformed", xspfHead + "<track><location>a</location></track>\n<track><location>b</track>", "1|a|a|-1; failed@5",
     "f.xml"},
    {"ByNameWithoutNamespace", "<playlist><trackList><track><location>a</location></track></trackList></playlist>",
     "1|a|a|-1", "f.xspf"},
    {"NoExternalEntityLoaded",
     "<?xml version=\"1.0\"?>\n<!DOCTYPE playlist [<!ENTITY x SYSTEM \"file:///etc/os-release\">]>\n"
     "<playlist xmlns=\"http://xspf.org/ns/0/\"><trackList><track><location>a</location>"
     "<title>[&x;]</title></track></trackList></playlist>",
     "1|a|[]|-1", "f.xspf"},
    {"Utf16",
     utf16(QStringEncoder::Utf16LE,
           u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><playlist xmlns=\"http://xspf.org/"
           u"ns/0/\"><trackList><track><location>\u00e9</location></track></trackList></playlist>"),
     "1|\u00e9|\u00e9|-1", "f.xspf"},
    {"AddressTooLong", xspfHead + "<track><location>" + longest + "x</location></track>", "failed@4", "f.xspf"},
    {"StopsWhenTold", xspfHead + "<track><location>a</location></track><track>", "1|a|a|-1", "f.xspf",
     CommitResult::StopReading}};
INSTANTIATE_TEST_SUITE_P(Xspf, PlaylistReaderTest, ::testing::ValuesIn(xspf), byName);

} // namespace

TEST_P(PlaylistReaderTest, ReadsTheStationsInOrderOrFailsAtTheLineAnEditorShows)
{
    QStringList read;
    try {
        readPlaylist(GetParam().bytes, GetParam().fileName, QLocale::c(), [&](const PlaylistStation& s) {
            read.append(QString("%1|%2|%3|%4").arg(s.NumEntries).arg(s.File, s.Title).arg(s.Length));
            return GetParam().answer;
        });
    } catch (const PlaylistReadError& error) {
        read.append(QString("failed@%1").arg(error.line()));
    }
    EXPECT_EQ(read.join("; ").toStdString(), GetParam().read);
}
