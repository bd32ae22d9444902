#include "pls/IntegerConversion.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <cstdlib>

using namespace orvanta;

// Arbitrary text through the integer conversion in two number formats. Whatever it
// accepts must come back unchanged from its own plain decimal text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        const auto value = toInteger16(text, locale);
        if (value && toInteger16(QString::number(*value), locale) != value)
            std::abort();
    }
    return 0;
}
