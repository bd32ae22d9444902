#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace orvanta {

// Text to a 16-bit signed integer as the locale reads numbers: blanks around the
// number ignored, a sign allowed, a fraction rounded half to even. Nothing when the
// text is no finite number or the rounded value lies outside -32,768..32,767.
std::optional<qint16> toInteger16(QStringView text, const QLocale& locale);
inline std::optional<qint16> toInteger16(const QString& text, const QLocale& locale)
{
    return toInteger16(QStringView(text), locale);
}
// The same for text of one-byte characters, such as the ASCII bytes of a playlist line.
std::optional<qint16> toInteger16(QLatin1StringView text, const QLocale& locale);

} // namespace orvanta
