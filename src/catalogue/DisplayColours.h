#pragma once

#include "draw/RgbColour.h"

namespace vantorel {

// The colour of an IFF on the map and in the level sheet's lists: bright for
// selected or active entries, dim otherwise. Unknown IFFs are white / black.
RgbColour IffColour(int iff, bool dim);

// The colour of a radio message (0 Red, 1 Green, 2 Blue, 3 Gold).
RgbColour MessageColour(int colour, bool dim);

}  // namespace vantorel
