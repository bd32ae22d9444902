#include "pls/IntegerConversion.h"

#include <cmath>
#include <limits>

namespace orvanta {

namespace {

constexpr int MaxPlainDigits = 5;

bool fitsInteger16(double value)
{
    return value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max();
}

// A "-" and up to five ASCII digits, or the digits alone: every locale Qt knows reads
// such text as that very number, so it needs none of the locale's number parsing, which
// otherwise costs as much as the rest of reading a station.
std::optional<int> plainDecimal(QStringView text)
{
    const bool negative = text.startsWith(u'-');
    const QStringView digits = text.sliced(negative ? 1 : 0);
    if (digits.isEmpty() || digits.size() > MaxPlainDigits)
        return std::nullopt;
    int value = 0;
    for (const QChar digit : digits) {
        if (digit < u'0' || digit > u'9')
            return std::nullopt;
        value = value * 10 + (digit.unicode() - u'0');
    }
    return negative ? -value : value;
}

} // namespace

std::optional<qint16> toInteger16(QStringView text, const QLocale& locale)
{
    if (const auto plain = plainDecimal(text)) {
        if (!fitsInteger16(*plain))
            return std::nullopt;
        return static_cast<qint16>(*plain);
    }
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    // toDouble also reads "inf" and "nan", which are no numbers for a length.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // nearbyint rounds in the current mode, which is to nearest, ties to even.
    const double rounded = std::nearbyint(value);
    if (!fitsInteger16(rounded))
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

} // namespace orvanta
