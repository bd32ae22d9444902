#include "formats/PlaylistWriter.h"

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

} // namespace

TEST(PlaylistWriterTest, WritesEitherFormInExactBytes)
{
    const QList<PlaylistEntry> two = {
        station("http://a.example:8000/s?id=7&fmt=mp3", QString::fromUtf8(u8"Café = Zürich"), -1),
        station("http://b.example/\r", "Line\nbreak\r\n", 0)};
    const std::tuple<const char*, QList<PlaylistEntry>, PlaylistFormat, QByteArray> cases[] = {
        {"no station, Orvanta", {}, PlaylistFormat::Orvanta, "[playlist]\r\n"},
        {"no station, standard", {}, PlaylistFormat::Standard, "[playlist]\r\nNumberOfEntries=0\r\nVersion=2\r\n"},
        // Values as stored: an LF alone stays inside its line, which the Orvanta player reads whole.
        {"two, Orvanta", two, PlaylistFormat::Orvanta,
         "[playlist]\r\nFile1=http://a.example:8000/s?id=7&fmt=mp3\r\nTitle1=Caf\xC3\xA9 = "
         "Z\xC3\xBCrich\r\nLength1=-1\r\n\r\n"
         "File1=http://b.example/\r\r\nTitle1=Line\nbreak\r\n\r\nLength1=0\r\n\r\n"},
        // Other players end a line at CR or LF alone, so each becomes a blank.
        {"two, standard", two, PlaylistFormat::Standard,
         "[playlist]\r\nFile1=http://a.example:8000/s?id=7&fmt=mp3\r\nTitle1=Caf\xC3\xA9 = "
         "Z\xC3\xBCrich\r\nLength1=-1\r\n"
         "File2=http://b.example/ \r\nTitle2=Line break  \r\nLength2=0\r\nNumberOfEntries=2\r\nVersion=2\r\n"},
    };
    for (const auto& [name, stations, format, bytes] : cases)
        EXPECT_EQ(writePlaylist(stations, format).toStdString(), bytes.toStdString()) << name;
}
