// The integer conversion reads an optional "-" and up to five ASCII digits by itself,
// without the locale. That holds only while every locale reads such text as the number
// itself, whatever its own digits and minus sign; this checks it over all of Qt's locales.
#include "pls/IntegerConversion.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace orvanta;

TEST(PlainDecimalTest, EveryLocaleReadsItAsTheNumberItselfAndTheConversionAgrees)
{
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        for (const QString text : {"-0", "00042", "32767", "-32768", "32768", "-32769"}) {
            bool ok = false;
            const int number = text.toInt();
            EXPECT_TRUE(locale.toDouble(text, &ok) == number && ok)
                << locale.name().toStdString() << " reads " << text.toStdString();
            const auto expected = qint16(number) == number ? std::optional<qint16>(qint16(number)) : std::nullopt;
            EXPECT_EQ(toInteger16(text, locale), expected) << locale.name().toStdString() << ' ' << text.toStdString();
        }
    }
}
