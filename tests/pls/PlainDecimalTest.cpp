// The integer conversion reads an optional "-" and up to five ASCII digits by itself,
// without the locale. That holds only while every locale reads such text as the number
// itself, whatever its own digits and minus sign; this checks it over all of Qt's locales.
#include "pls/IntegerConversion.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <optional>

using namespace orvanta;

TEST(PlainDecimalTest, EveryLocaleReadsItAsTheNumberItselfAndTheConversionAgrees)
{
    struct Case {
        const char* text;
        std::optional<qint16> expected;
    };
    const Case cases[] = {{"0", 0},           {"-0", 0},          {"7", 7},
                          {"-1", -1},         {"00042", 42},      {"32767", 32767},
                          {"-32768", -32768}, {"32768", std::nullopt}, {"-32769", std::nullopt},
                          {"99999", std::nullopt}};
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_FALSE(locales.isEmpty());
    for (const QLocale& locale : locales) {
        for (const Case& c : cases) {
            const QString text = QString::fromLatin1(c.text);
            bool ok = false;
            const double read = locale.toDouble(text, &ok);
            EXPECT_TRUE(ok && read == text.toInt()) << locale.name().toStdString() << " reads " << c.text;
            EXPECT_EQ(toInteger16(text, locale), c.expected) << locale.name().toStdString() << ' ' << c.text;
        }
    }
}
