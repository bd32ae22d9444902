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

TEST(PlaylistWriterTest, HeaderThenOneFourLineBlockPerStationAllKeyedWithOne)
{
    EXPECT_EQ(writePlaylist({}), QByteArray("[playlist]\r\n"));
    EXPECT_EQ(writePlaylist({}).size(), 12);

    EXPECT_EQ(writePlaylist({station("http://a.example:8000", "Alpha FM", 300)}),
              QByteArray("[playlist]\r\nFile1=http://a.example:8000\r\nTitle1=Alpha FM\r\nLength1=300\r\n\r\n"));

    const QByteArray three = writePlaylist({station("http://a:1", "A", -1), station("http://b:2", "B", 0),
                                            station("http://c:3", "C", -32768)});
    EXPECT_EQ(three, QByteArray("[playlist]\r\n"
                                "File1=http://a:1\r\nTitle1=A\r\nLength1=-1\r\n\r\n"
                                "File1=http://b:2\r\nTitle1=B\r\nLength1=0\r\n\r\n"
                                "File1=http://c:3\r\nTitle1=C\r\nLength1=-32768\r\n\r\n"));
    // 13 lines, each closed by CR LF: no lone CR or LF anywhere.
    EXPECT_EQ(three.count("\r\n"), 13);
    EXPECT_EQ(three.count('\n'), 13);
    EXPECT_EQ(three.count('\r'), 13);
}

TEST(PlaylistWriterTest, ValuesAreWrittenExactlyAsStored)
{
    // An "=" in a title, blanks around values and empty values pass untouched.
    EXPECT_EQ(writePlaylist({station(" http://a:1/x?y=z ", "Rock = Roll ", 32767), station("", "", 0)}),
              QByteArray("[playlist]\r\n"
                         "File1= http://a:1/x?y=z \r\nTitle1=Rock = Roll \r\nLength1=32767\r\n\r\n"
                         "File1=\r\nTitle1=\r\nLength1=0\r\n\r\n"));
}

TEST(PlaylistWriterTest, TextIsUtf8WithoutByteOrderMark)
{
    // Latin letters with accents, a CJK letter and a character outside the basic plane.
    const QString title = QString::fromUtf8("Caf\xC3\xA9 \xC3\x96 \xE6\x97\xA5 \xF0\x9F\x8E\xB5");
    const QString file = QString::fromUtf8("http://st\xC3\xA4tion.example/\xC3\xBC");

    EXPECT_EQ(writePlaylist({station(file, title, -1)}),
              QByteArray("[playlist]\r\n"
                         "File1=http://st\xC3\xA4tion.example/\xC3\xBC\r\n"
                         "Title1=Caf\xC3\xA9 \xC3\x96 \xE6\x97\xA5 \xF0\x9F\x8E\xB5\r\n"
                         "Length1=-1\r\n\r\n"));
}
