#include "pls/RequiredInteger16.h"

#include "pls/IntegerConversion.h"
#include "pls/PlaylistReadError.h"

namespace orvanta {

qint16 requireInteger16(QStringView value, const QLocale& locale)
{
    const auto number = toInteger16(value, locale);
    if (!number)
        throw PlaylistReadError("not a 16-bit number: " + value.toString().toStdString());
    return *number;
}

} // namespace orvanta
