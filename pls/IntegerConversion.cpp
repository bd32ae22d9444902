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
// otherwise costs as much as the rest of reading a station. Nothing for any other text.
template <typename Char>
std::optional<int> plainDecimal(const Char* text, qsizetype size)
{
    const bool negative = size > 0 && text[0] == '-';
    const qsizetype digits = size - (negative ? 1 : 0);
    if (digits == 0 || digits > MaxPlainDigits)
        return std::nullopt;
    int value = 0;
    for (const Char* digit = text + (negative ? 1 : 0); digit != text + size; ++digit) {
        if (*digit < '0' || *digit > '9')
            return std::nullopt;
        value = value * 10 + (*digit - '0');
    }
    return negative ? -value : value;
}

std::optional<qint16> fromPlainDecimal(int value)
{
    if (!fitsInteger16(value))
        return std::nullopt;
    return static_cast<qint16>(value);
}

} // namespace

std::optional<qint16> toInteger16(QLatin1StringView text, const QLocale& locale)
{
    if (const auto plain = plainDecimal(text.data(), text.size()))
        return fromPlainDecimal(*plain);
    return toInteger16(QString(text), locale);
}

std::optional<qint16> toInteger16(QStringView text, const QLocale& locale)
{
    if (const auto plain = plainDecimal(text.utf16(), text.size()))
        return fromPlainDecimal(*plain);
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
