#pragma once

#include <QString>

namespace orvanta {

// Full Unicode case folding, so that keys differing only in letter case
// ("Straße", "STRASSE") are one key.
QString foldKey(const QString& key);

} // namespace orvanta
