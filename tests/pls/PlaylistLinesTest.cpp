#include "pls/PlaylistLines.h"
#include "pls/PlaylistReadError.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

using namespace orvanta;

namespace {

struct Splitting {
    const char* name;
    QString text;
    QStringList expected;
};

void PrintTo(const Splitting& splitting, std::ostream* out)
{
    *out << splitting.name;
}

class PlaylistLinesTest : public ::testing::TestWithParam<Splitting> {};

} // namespace

TEST_P(PlaylistLinesTest, EndsLinesAtCrOrCrLfOnly)
{
    PlaylistLines lines(GetParam().text);
    QStringList read;
    while (!lines.atEnd())
        read.append(lines.readLine().toString());
    EXPECT_EQ(read, GetParam().expected);
    EXPECT_THROW(lines.readLine(), PlaylistReadError);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaylistLinesTest,
    ::testing::Values(Splitting{"Empty", "", {}},
                      Splitting{"LastLineWithoutEnd", "a\r\nb", {"a", "b"}},
                      Splitting{"TrailingCrLfStartsNoLine", "a\r\nb\r\n", {"a", "b"}},
                      Splitting{"TrailingCrStartsNoLine", "a\rb\r", {"a", "b"}},
                      Splitting{"LoneLfStaysInLine", "a\nb\r\nc\n", {"a\nb", "c\n"}},
                      Splitting{"LfBeforeCrStays", "a\n\rb", {"a\n", "b"}},
                      Splitting{"EmptyLines", "\r\r\n\r\nx", {"", "", "", "x"}}),
    [](const auto& info) { return std::string(info.param.name); });
