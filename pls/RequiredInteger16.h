#pragma once

#include <QLocale>
#include <QStringView>
#include <QtGlobal>

namespace orvanta {

// A playlist value through the integer conversion; throws PlaylistReadError where the
// conversion gives nothing, since such a value ends the reading.
qint16 requireInteger16(QStringView value, const QLocale& locale);

} // namespace orvanta
