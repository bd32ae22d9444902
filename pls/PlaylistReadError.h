#pragma once

#include <stdexcept>

namespace orvanta {

// A playlist file that cannot be read as one: missing, unreadable, too large, not a regular
// file, empty, or holding a line or value the reader cannot take.
class PlaylistReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace orvanta
