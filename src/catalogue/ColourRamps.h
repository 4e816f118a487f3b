#pragma once

#include "catalogue/DisplayColours.h"

namespace vantorel {

inline constexpr int kColourRampCount = 11;
inline constexpr int kColourRampSize = 6;
inline constexpr int kGreyRamp = 10;

// The eleven icon colour ramps: 0 green, 1 red, 2 blue, 3 yellow, 4 red,
// 5 purple, 6 magenta, 7 orange, 8 lilac, 9 teal, 10 grey. Entry 0 is black
// (transparent in an icon), 1..4 dark to bright, 5 red.
RgbColour RampColour(int ramp, int index);

// The ramp an IFF is drawn in: the IFF itself up to 9, grey for 10 and
// above and for anything negative.
int RampForIff(int iff);

}  // namespace vantorel
