#include "pls/PlaylistTextDecoding.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace orvanta;

namespace {

struct Decoding {
    const char* name;
    QByteArray bytes;
    QString expected;
};

void PrintTo(const Decoding& decoding, std::ostream* out)
{
    *out << decoding.name;
}

class PlaylistTextDecodingTest : public ::testing::TestWithParam<Decoding> {};

} // namespace

TEST_P(PlaylistTextDecodingTest, Decodes)
{
    EXPECT_EQ(decodePlaylistText(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaylistTextDecodingTest,
    ::testing::Values(
        Decoding{"Utf8", "Caf\xC3\xA9 \xE2\x99\xAA", QString::fromUtf8(u8"Café ♪")},
        Decoding{"Utf8ByteOrderMarkKept", "\xEF\xBB\xBF[playlist]", QStringLiteral(u"\uFEFF[playlist]")},
        Decoding{"Windows1252", "Caf\xE9 \x80", QString::fromUtf8(u8"Café €")},
        // One invalid byte makes the whole file Windows-1252, the valid pairs included.
        Decoding{"MixedIsWindows1252", "\xC3\xA9\xE9", QString::fromUtf8(u8"Ã©é")},
        Decoding{"TruncatedUtf8AtEndIsWindows1252", "ok\xC3", QString::fromUtf8(u8"okÃ")},
        // The five bytes Windows-1252 leaves undefined survive as the C1 controls of the same code.
        Decoding{"UndefinedBytesKept", QByteArray("\x81\x8D\x8F\x90\x9D\xE9", 6),
                 QStringLiteral(u"\u0081\u008D\u008F\u0090\u009D\u00E9")},
        Decoding{"NulKept", QByteArray("a\0b", 3), QStringView(u"a\0b", 3).toString()}),
    [](const auto& info) { return std::string(info.param.name); });
