#include "pls/PlaylistWriter.h"

#include <gtest/gtest.h>

#include <memory>

using namespace orvanta;

namespace {

PlaylistEntry station(const QString& file, const QString& title, qint16 length)
{
    auto entry = std::make_shared<clsPlaylist>();
    entry->setFile(file);
    entry->setTitle(title);
    entry->setLength(length);
    return entry;
}

// What the export writes, byte for byte; ProgramPropertyTest reads it back.
const QList<PlaylistEntry> two = {
    station("http://a.example:8000/s?id=7&fmt=mp3", QString::fromUtf8(u8"Café = Zürich"), -1),
    station("http://b.example/\r", "Line\nbreak\r\n", 0)};

} // namespace

// Values as stored: the Orvanta player reads a line to its CR LF.
TEST(PlaylistWriterTest, WritesTheOrvantaFormInExactBytes)
{
    EXPECT_EQ(writePlaylist({}, PlaylistFormat::Orvanta), "[playlist]\r\n");
    EXPECT_EQ(writePlaylist(two, PlaylistFormat::Orvanta).toStdString(),
              "[playlist]\r\nFile1=http://a.example:8000/s?id=7&fmt=mp3\r\nTitle1=Caf\xC3\xA9 = Z\xC3\xBCrich\r\n"
              "Length1=-1\r\n\r\nFile1=http://b.example/\r\r\nTitle1=Line\nbreak\r\n\r\nLength1=0\r\n\r\n");
}

// Other players end a line at CR or LF alone, so each becomes a blank.
TEST(PlaylistWriterTest, WritesTheStandardFormInExactBytes)
{
    EXPECT_EQ(writePlaylist({}, PlaylistFormat::Standard), "[playlist]\r\nNumberOfEntries=0\r\nVersion=2\r\n");
    EXPECT_EQ(writePlaylist(two, PlaylistFormat::Standard).toStdString(),
              "[playlist]\r\nFile1=http://a.example:8000/s?id=7&fmt=mp3\r\nTitle1=Caf\xC3\xA9 = Z\xC3\xBCrich\r\n"
              "Length1=-1\r\nFile2=http://b.example/ \r\nTitle2=Line break  \r\nLength2=0\r\n"
              "NumberOfEntries=2\r\nVersion=2\r\n");
}
