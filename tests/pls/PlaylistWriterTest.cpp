#include "pls/PlaylistWriter.h"

#include <gtest/gtest.h>

#include <memory>

using namespace orvanta;

namespace {

PlaylistEntry station(const QString& file, const QString& title, qint16 length)
{
    auto entry = std::make_shared<clsPlaylist>();
    entry->setNumEntries(7);
    entry->setFile(file);
    entry->setTitle(title);
    entry->setLength(length);
    return entry;
}

} // namespace

TEST(PlaylistWriterTest, EmptyListIsTheHeaderLineAlone)
{
    const QByteArray bytes = writePlaylist({});
    EXPECT_EQ(bytes, QByteArray("[playlist]\r\n"));
    EXPECT_EQ(bytes.size(), 12);
}

TEST(PlaylistWriterTest, EveryStationIsAFourLineBlockKeyedWithNumberOne)
{
    EXPECT_EQ(writePlaylist({station("http://a.example:8000", "Alpha FM", -1)}),
              QByteArray("[playlist]\r\n"
                         "File1=http://a.example:8000\r\n"
                         "Title1=Alpha FM\r\n"
                         "Length1=-1\r\n"
                         "\r\n"));

    const QByteArray three = writePlaylist({station("http://a:1", "A", -1), station("http://b:2", "B", 0),
                                            station("http://c:3", "C", 300)});
    EXPECT_EQ(three, QByteArray("[playlist]\r\n"
                                "File1=http://a:1\r\nTitle1=A\r\nLength1=-1\r\n\r\n"
                                "File1=http://b:2\r\nTitle1=B\r\nLength1=0\r\n\r\n"
                                "File1=http://c:3\r\nTitle1=C\r\nLength1=300\r\n\r\n"));
    // 13 lines, each closed by CR LF, with nothing after the last line end.
    EXPECT_EQ(three.count("\r\n"), 13);
    EXPECT_EQ(three.count('\n'), 13);
    EXPECT_EQ(three.count('\r'), 13);
    EXPECT_TRUE(three.endsWith("\r\n\r\n"));
}

TEST(PlaylistWriterTest, LengthIsPlainDecimalAcrossTheWholeRange)
{
    const QByteArray bytes = writePlaylist({station("u", "t", -1), station("u", "t", 0), station("u", "t", -32768),
                                            station("u", "t", 32767), station("u", "t", 7)});
    EXPECT_TRUE(bytes.contains("\r\nLength1=-1\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nLength1=0\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nLength1=-32768\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nLength1=32767\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nLength1=7\r\n"));
}

TEST(PlaylistWriterTest, ValuesAreWrittenExactlyAsStored)
{
    // An "=" in a title, blanks around values and empty values pass untouched.
    EXPECT_EQ(writePlaylist({station(" http://a:1/x?y=z ", "Rock = Roll ", 5), station("", "", 0)}),
              QByteArray("[playlist]\r\n"
                         "File1= http://a:1/x?y=z \r\nTitle1=Rock = Roll \r\nLength1=5\r\n\r\n"
                         "File1=\r\nTitle1=\r\nLength1=0\r\n\r\n"));
}

TEST(PlaylistWriterTest, TextIsUtf8WithoutByteOrderMark)
{
    // "Café Ö" then a CJK letter and a character outside the basic plane (a surrogate pair).
    const QString title = QString::fromUtf8("Caf\xC3\xA9 \xC3\x96 \xE6\x97\xA5 \xF0\x9F\x8E\xB5");
    const QString file = QString::fromUtf8("http://st\xC3\xA4tion.example/\xC3\xBC");

    const QByteArray bytes = writePlaylist({station(file, title, -1)});

    EXPECT_EQ(bytes, QByteArray("[playlist]\r\n"
                                "File1=http://st\xC3\xA4tion.example/\xC3\xBC\r\n"
                                "Title1=Caf\xC3\xA9 \xC3\x96 \xE6\x97\xA5 \xF0\x9F\x8E\xB5\r\n"
                                "Length1=-1\r\n\r\n"));
}
