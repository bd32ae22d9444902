#pragma once

#include <QString>
#include <QtGlobal>

namespace orvanta {

// One station as the reader completes it, in the order the collection takes its fields.
struct PlaylistStation {
    qint16 NumEntries = 0;
    QString File;
    QString Title;
    qint16 Length = 0;

    bool operator==(const PlaylistStation&) const = default;
};

} // namespace orvanta
