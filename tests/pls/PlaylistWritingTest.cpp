#include "pls/PlaylistReader.h"
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

// Twelve stations number on past nine, and the reader takes them all back in order.
TEST(PlaylistWriterTest, AStandardPlaylistOfTwelveReadsBackWhole)
{
    QList<PlaylistEntry> stations;
    for (int n = 1; n <= 12; ++n)
        stations.append(station(QString("http://%1.example/").arg(n), QString("Station %1").arg(n), qint16(-n)));
    const QByteArray bytes = writePlaylist(stations, PlaylistFormat::Standard);
    EXPECT_TRUE(bytes.contains("\r\nTitle12=Station 12\r\nLength12=-12\r\nNumberOfEntries=12\r\nVersion=2\r\n"));
    QStringList read;
    readPlaylist(bytes, QLocale::c(), [&](const PlaylistStation& s) {
        read.append(QString("%1|%2|%3").arg(s.File, s.Title).arg(s.Length));
        return CommitResult::KeepReading;
    });
    ASSERT_EQ(read.size(), 12);
    EXPECT_EQ(read[9], "http://10.example/|Station 10|-10");
    EXPECT_EQ(read[11], "http://12.example/|Station 12|-12");
}
