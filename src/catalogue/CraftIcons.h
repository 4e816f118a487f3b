#pragma once

#include <array>
#include <cstdint>

#include "catalogue/CraftIconPixels.h"

namespace vantorel {

class Canvas;

// One rendered icon: premultiplied ARGB, 0 for transparent pixels, row by
// row from the top. Ready to wrap as an image without conversion.
struct CraftIconImage {
    std::array<std::uint32_t, kCraftIconPixelsPerPicture> argb{};
};

// Renders every picture in every colour ramp, plain and faded, now.
// Without it GetCraftIconImage renders each picture the first time it is
// asked for, which is how the editor starts.
void BuildCraftIcons();
void DestroyCraftIcons();

// The picture (0..77) as drawn in ramp 0..10. Ramps 0..5 behave like the
// prebuilt image lists: faded blends the picture 50 % with white. Ramps 6..10
// are painted pixel by pixel: faded sets the high bit of each component.
const CraftIconImage& GetCraftIconImage(int ramp, int picture, bool faded);

// The colour index (0..4) of one pixel of a picture.
int CraftIconPixel(int picture, int x, int y);

// Draws picture iconIndex + 1 with its top left at (x, y). A ramp above 10
// (or below 0) draws grey; an icon index the table does not hold draws
// picture 0, the small diamond.
void DrawCraftIcon(Canvas& canvas, int x, int y, int colourRamp, int iconIndex, bool faded);

// The picture DrawCraftIcon uses for an icon index.
int PictureForIconIndex(int iconIndex);

}  // namespace vantorel
