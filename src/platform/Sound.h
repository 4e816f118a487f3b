#pragma once

#include <string>

namespace vantorel {

// Plays one wave file at a time without waiting for it to end.
class Sound {
public:
    virtual ~Sound() = default;
    // Starting a new sound stops the one playing. Returns false when the file
    // cannot be played at all.
    virtual bool Play(const std::string& path) = 0;
    virtual void Stop() = 0;
};

}  // namespace vantorel
