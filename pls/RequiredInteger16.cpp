#include "pls/RequiredInteger16.h"

#include "pls/IntegerConversion.h"
#include "pls/PlaylistReadError.h"

namespace orvanta {

qint16 requireInteger16(QStringView value, const QLocale& locale)
{
    const QString text = value.toString();
    const auto number = toInteger16(text, locale);
    if (!number)
        throw PlaylistReadError("not a 16-bit number: " + text.toStdString());
    return *number;
}

} // namespace orvanta
