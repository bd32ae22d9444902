#include "formats/IntegerConversion.h"
#include "formats/PlaylistReader.h"
#include "formats/PlaylistText.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace orvanta;

namespace {

// The committed stations as "NumEntries|File|Title|Length", joined by "; ", then
// "failed@<line>" if the reading threw.
std::string readStations(const QByteArray& bytes, CommitResult answer = CommitResult::KeepReading)
{
    QStringList read;
    try {
        readPlaylist(bytes, QLocale::c(), [&](const PlaylistStation& s) {
            read.append(QString("%1|%2|%3|%4").arg(s.NumEntries).arg(s.File, s.Title).arg(s.Length));
            return answer;
        });
    } catch (const PlaylistReadError& error) {
        read.append(QString("failed@%1").arg(error.line()));
    }
    return read.join("; ").toStdString();
}

} // namespace

TEST(IntegerConversionTest, RoundsHalfToEvenWithin16BitsAsTheLocaleReads)
{
    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    const std::optional<qint16> none;
    const std::tuple<QLocale, const char*, std::optional<qint16>> cases[] = {
        {c, "2.5", 2},    {c, "3.5", 4},           {c, "-0.5", 0},       {c, "-1.5", -2},
        {c, "2.51", 3},   {c, "-32768.5", -32768}, {c, "32767.5", none}, {c, "1e9", none},
        {c, " 42 ", 42},  {c, "\t-7", -7},         {c, "+7", 7},         {c, "", none},
        {c, "=5", none},  {c, "12a", none},        {c, "inf", none},     {c, "nan", none},
        {c, "2,5", none}, {german, "2,5", 2},      {german, "2.5", none}};
    for (const auto& [locale, text, expected] : cases)
        EXPECT_EQ(toInteger16(text, locale), expected) << '[' << text << "] " << locale.name().toStdString();
}

TEST(PlaylistTextDecodingTest, EachLineIsUtf8WhenValidElseWindows1252KeepingEveryByte)
{
    const std::pair<QByteArray, QString> cases[] = {
        {"Caf\xC3\xA9", QString::fromUtf8(u8"Café")},
        {"\xEF\xBB\xBF[playlist]", QStringLiteral(u"\uFEFF[playlist]")},
        // One invalid byte makes the line Windows-1252, its valid UTF-8 pairs included.
        {"\xC3\xA9 Caf\xE9 \x80", QString::fromUtf8(u8"Ã© Café €")},
        {"ok\xC3", QString::fromUtf8(u8"okÃ")},
        // The bytes Windows-1252 leaves undefined become the C1 controls of the same code.
        {"\x81\x8D\x8F\x90\x9D", QStringLiteral(u"\u0081\u008D\u008F\u0090\u009D")}};
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(decodePlaylistLine(bytes).toStdString(), expected.toStdString()) << bytes.toHex().toStdString();
}

TEST(PlaylistReaderTest, ReadsStationsOrFailsAtTheLineAnEditorShows)
{
    const QByteArray scanStation = "File1=a\nTitle1=A\nLength1=5\n";
    const std::tuple<const char*, QByteArray, const char*> cases[] = {
        // Line mode: values after the "=" of keys numbered past nine, else at fixed positions.
        {"numbered past nine",
         "[playlist]\r\nFile9=a\r\nTitle9=A\r\nLength9=9\r\nFile10=b=\r\nTitle123=B\r\nLength10= 7",
         "1|a|A|9; 1|b=|B|7"},
        {"not numbered", "[playlist]\rFile=a\rTitle1x=A\rLength1=0\rLength12==1", "1||=A|0; failed@5"},
        {"header in any case, CR only", "[PlayList]\rNumberOfEntries=1\rFile1=x\rTitle1=X\rLength1=1", "1|x|X|1"},
        {"no trimming, carry-over", "[playlist]\rFileX= a \rTitles= b \rLengthy= 3 \rLength2=2",
         "1| a | b |3; 1| a | b |2"},
        {"lower-case keys", "[playlist]\r\nfile1=a\r\ntitle1=A\r\nlength1=1\r\n", ""},
        {"LF-only lines after the header", "[playlist]\r\nFile1=a\nTitle1=A\nLength1=1\n", ""},
        {"line too short for its value", "[playlist]\r\nFile1=a\nb\r\nFile1", "failed@4"},
        {"a bad length after a line holding LF", "[playlist]\r\nTitle1=a\nb\r\nLength1=x", "failed@4"},
        // Each line decodes alone; positions count characters, not bytes.
        {"mixed encodings",
         "[playlist]\r\nTitle1=Caf\xC3\xA9\r\nLength1=1\r\nTitl\xE9"
         "1=Caf\xE9\r\nLength1=2\r\nTitl\xC3\xA9"
         "1=X\r\nLength1=3",
         "1||Caf\u00e9|1; 1||Caf\u00e9|2; 1||X|3"},
        {"empty file", "", ""},
        // Scan mode: any other first line, split at LF.
        {"entry count's last digit", "[playlist]\nnumberofentries=12\nFile1=h\nTitle1=A\nLength1=-1\n", "2|h|A|-1"},
        {"text after the last LF", "File1=a\nTitle1=A\nLength1=3\nLength1=4", "0|a|A|3"},
        {"keys exact", "NumberOfEntries=1\nFile1=a\nTitle1=A\nLength1=3\n", ""},
        {"pending text completes a key", "File\n1=a\nTitle1=A\nLength1=3\n", "0|a|A|3"},
        {"first line only", "File1=a\nTitle1=A\r\nLength1=3\n", ""},
        {"byte-order mark", "\xEF\xBB\xBF[playlist]\r\nFile1=a\r\nTitle1=A\r\nLength1=3", ""},
        {"entry count no number", "File1=a\nnumberofentries=x\nTitle1=A\nLength1=3\n", "failed@2"},
        {"longest scanned line", scanStation.leftJustified(MaxScanModeLength), "0|a|A|5"},
        {"line too long to scan", scanStation.leftJustified(MaxScanModeLength + 1), "failed@1"}};
    for (const auto& [name, bytes, read] : cases)
        EXPECT_EQ(readStations(bytes), QString::fromUtf8(read).toStdString()) << name;
}

TEST(PlaylistReaderTest, NoLineLongerThanTheBoundIsRead)
{
    // Any line counts, one the reader skips too; characters count, not bytes.
    const auto read = [](const QByteArray& line) { return readStations("[playlist]\r\n" + line + "\r\nLength1=1"); };
    const auto title = [](qsizetype length) { return "Title1=" + QByteArray(length - 7, 'x'); };
    const auto skipped = [](qsizetype length) { return "Note " + QString(length - 5, QChar(0xE9)).toUtf8(); };
    EXPECT_EQ(read(title(MaxLineLength)), "1||" + std::string(MaxLineLength - 7, 'x') + "|1");
    EXPECT_EQ(read(skipped(MaxLineLength)), "1|||1");
    EXPECT_EQ(read(title(MaxLineLength + 1)), "failed@2");
    EXPECT_EQ(read(skipped(MaxLineLength + 1)), "failed@2");
}

TEST(PlaylistReaderTest, CommitCanEndTheReadingQuietlyInEitherMode)
{
    const std::pair<QByteArray, const char*> cases[] = {{"[playlist]\rLength1=1\rLength1=x", "1|||1"},
                                                        {"Length1=1\nLength1=x\n", "0|||1"}};
    for (const auto& [text, read] : cases)
        EXPECT_EQ(readStations(text, CommitResult::StopReading), read) << text.toStdString();
}
