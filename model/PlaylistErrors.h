#pragma once

#include <stdexcept>

namespace orvanta {

// Failures of the station collection; callers that only need "it failed" catch the base.
class PlaylistError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class DuplicateKeyError : public PlaylistError {
public:
    using PlaylistError::PlaylistError;
};

class EntryNotFoundError : public PlaylistError {
public:
    using PlaylistError::PlaylistError;
};

} // namespace orvanta
