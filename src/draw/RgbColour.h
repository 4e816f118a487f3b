#pragma once

#include <cstdint>

namespace vantorel {

// A colour as the map and the lists draw it: 8 bits a channel, no alpha.
struct RgbColour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

}  // namespace vantorel
