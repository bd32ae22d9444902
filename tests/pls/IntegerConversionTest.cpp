#include "pls/IntegerConversion.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

using namespace orvanta;

namespace {

struct Conversion {
    QLocale locale;
    QString text;
    std::optional<qint16> expected;
};

void PrintTo(const Conversion& conversion, std::ostream* out)
{
    *out << "[" << conversion.text.toStdString() << "] in " << conversion.locale.name().toStdString();
}

class IntegerConversionTest : public ::testing::TestWithParam<Conversion> {};

const QLocale C = QLocale::c();
const QLocale German(QLocale::German, QLocale::Germany);

} // namespace

TEST_P(IntegerConversionTest, ConvertsOrFails)
{
    const Conversion& conversion = GetParam();
    EXPECT_EQ(toInteger16(conversion.text, conversion.locale), conversion.expected);
}

INSTANTIATE_TEST_SUITE_P(
    RoundsHalfToEven, IntegerConversionTest,
    ::testing::Values(Conversion{C, "2.5", 2}, Conversion{C, "3.5", 4}, Conversion{C, "-0.5", 0},
                      Conversion{C, "-1.5", -2}, Conversion{C, "2.51", 3}, Conversion{C, "-32768.5", -32768}));

INSTANTIATE_TEST_SUITE_P(
    KeepsTo16Bits, IntegerConversionTest,
    ::testing::Values(Conversion{C, "-32768", -32768}, Conversion{C, "32767", 32767},
                      Conversion{C, "32767.5", std::nullopt}, Conversion{C, "32768", std::nullopt},
                      Conversion{C, "-32769", std::nullopt}, Conversion{C, "1e9", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    AcceptsBlanksAndSign, IntegerConversionTest,
    ::testing::Values(Conversion{C, "-1", -1}, Conversion{C, " 42 ", 42}, Conversion{C, "\t7", 7},
                      Conversion{C, "+7", 7}));

INSTANTIATE_TEST_SUITE_P(
    RefusesNonNumbers, IntegerConversionTest,
    ::testing::Values(Conversion{C, "", std::nullopt}, Conversion{C, "   ", std::nullopt},
                      Conversion{C, "=5", std::nullopt}, Conversion{C, "=-1", std::nullopt},
                      Conversion{C, "abc", std::nullopt}, Conversion{C, "12a", std::nullopt},
                      Conversion{C, "inf", std::nullopt}, Conversion{C, "-inf", std::nullopt},
                      Conversion{C, "nan", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    ReadsTheLocalesDecimalSeparator, IntegerConversionTest,
    ::testing::Values(Conversion{German, "2,5", 2}, Conversion{German, "3,5", 4}, Conversion{German, " -1 ", -1},
                      Conversion{German, "2.5", std::nullopt}, Conversion{C, "2,5", std::nullopt}));
