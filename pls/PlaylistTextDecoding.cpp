#include "pls/PlaylistTextDecoding.h"

#include <QStringDecoder>

namespace orvanta {

QString decodePlaylistText(QByteArrayView bytes)
{
    // Stateless so that a sequence cut off at the end counts as invalid; the byte-order
    // mark must stay in the text, since it decides how the first line is read.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;

    QStringDecoder windows1252("windows-1252");
    if (windows1252.isValid())
        return windows1252.decode(bytes);
    // Without the codec every byte still becomes one character; only 0x80..0x9F differ.
    return QString::fromLatin1(bytes);
}

} // namespace orvanta
