// The integer conversion reads an optional "-" and up to five ASCII digits by itself,
// without the locale. That holds only while every locale reads such text as that number,
// whatever its own digits and minus sign: this checks it over all of Qt's locales.
#include "pls/IntegerConversion.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace orvanta;

TEST(PlainDecimalTest, EveryLocaleReadsPlainDecimalsAsTheConversionDoes)
{
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        for (const QString text : {"-0", "00042", "32767", "-32768", "32768", "-32769"}) {
            bool read = false;
            const double number = locale.toDouble(text, &read);
            const bool fits = read && number >= -32768 && number <= 32767;
            EXPECT_EQ(toInteger16(text, locale), fits ? std::optional<qint16>(qint16(number)) : std::nullopt)
                << locale.name().toStdString() << ' ' << text.toStdString();
        }
    }
}
