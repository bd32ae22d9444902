#pragma once

#include <QHash>
#include <QString>

#include <cstddef>

namespace orvanta {

// Qt 6.4 gives QString no std::hash, so unordered containers hash through qHash.
struct QStringHash {
    std::size_t operator()(const QString& text) const noexcept { return qHash(text); }
};

} // namespace orvanta
