#pragma once

#include "pls/PlaylistStation.h"

#include <functional>

namespace orvanta {

enum class CommitResult { KeepReading, StopReading };

// Takes each station as soon as the reader completes it. It may end the reading quietly
// (StopReading) or by throwing; stations it took before stay taken either way.
using StationCommit = std::function<CommitResult(const PlaylistStation&)>;

} // namespace orvanta
