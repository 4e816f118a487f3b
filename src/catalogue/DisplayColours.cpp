#include "catalogue/DisplayColours.h"

#include <array>

namespace vantorel {

namespace {

struct ColourPair {
    RgbColour bright;
    RgbColour dim;
};

constexpr std::array<ColourPair, 6> kIffColours = {{
    {{0, 255, 0}, {0, 128, 0}},
    {{255, 0, 0}, {128, 0, 0}},
    {{0, 255, 255}, {0, 128, 128}},
    {{255, 255, 0}, {128, 128, 0}},
    {{255, 64, 64}, {128, 0, 0}},
    {{255, 0, 255}, {128, 0, 128}},
}};

constexpr std::array<ColourPair, 4> kMessageColours = {{
    {{255, 0, 0}, {128, 0, 0}},
    {{0, 255, 0}, {0, 128, 0}},
    {{0, 255, 255}, {0, 128, 128}},
    {{255, 255, 0}, {128, 128, 0}},
}};

constexpr ColourPair kOther = {{255, 255, 255}, {0, 0, 0}};

template <std::size_t N>
RgbColour Pick(const std::array<ColourPair, N>& table, int index, bool dim) {
    const ColourPair& pair = index >= 0 && static_cast<std::size_t>(index) < N
                                 ? table[static_cast<std::size_t>(index)]
                                 : kOther;
    return dim ? pair.dim : pair.bright;
}

}  // namespace

RgbColour IffColour(int iff, bool dim) {
    return Pick(kIffColours, iff, dim);
}

RgbColour MessageColour(int colour, bool dim) {
    return Pick(kMessageColours, colour, dim);
}

}  // namespace vantorel
