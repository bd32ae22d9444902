#include "pls/IntegerConversion.h"

#include <cmath>
#include <limits>

namespace orvanta {

std::optional<qint16> toInteger16(const QString& text, const QLocale& locale)
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    // toDouble also reads "inf" and "nan", which are no numbers for a length.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // nearbyint rounds in the current mode, which is to nearest, ties to even.
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

} // namespace orvanta
