#pragma once

#include <cstdint>
#include <vector>

#include "draw/LineRaster.h"

namespace vantorel {

// A small premultiplied-ARGB picture (a craft icon, a name) kept as the
// runs of its pixels that are not transparent, so drawing it touches only
// those. A map frame draws thousands of them; most of each is empty.
struct PixelSprite {
    struct Run {
        int x = 0, y = 0;  // where the run starts in the picture
        int length = 0;
        int first = 0;        // its first pixel in `pixels`
        bool opaque = false;  // every pixel of it: it is copied, not blended
    };
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // the runs' pixels, one run after another
    std::vector<Run> runs;
};

// The runs of a picture given row by row (`stride` in pixels); a pixel of
// 0 is transparent. Transparent pixels between two runs join them into one
// when there are no more than `largestGap` of them: blending them changes
// nothing, and a long run is blended several pixels at a time. Opaque runs
// are copied, so pictures mostly opaque (icons) do best with small gaps,
// and antialiased text with whole rows. Runs are lengthened with
// transparent pixels to a multiple of `multipleOf`, for the same reason;
// the sprite is then as wide as its longest row so lengthened.
PixelSprite MakeSprite(const std::uint32_t* argb, int width, int height, int stride,
                       int largestGap = 4, int multipleOf = 1);

// Draws the sprite with its top left at (x, y), clipped to the buffer, as
// Qt's raster engine draws a premultiplied image over a 32-bit one: an
// opaque pixel replaces what is there, any other becomes
// source + destination * (255 - source alpha) / 255, divided per channel the
// way Qt rounds, so the result is the same byte for byte.
void BlendSprite(const PixelBuffer& target, int x, int y, const PixelSprite& sprite);

// The processor's wide instructions are used when it has them: 0 blends one
// pixel at a time, 1 four (SSE2), 2 eight (AVX2), 3 sixteen (AVX-512). This picks the widest to
// use at most, within what the processor has, and returns it; tests use it
// to check that every width gives the same bytes.
int UseBlendKernel(int widest);

}  // namespace vantorel
