#pragma once

#include <climits>
#include <cstdint>

#include "draw/Canvas.h"

namespace vantorel {

// A 32-bit pixel buffer to draw into: `stride` is counted in pixels.
// Drawing touches only rows `clipTop` to `clipBottom` (not included) of it,
// so a frame can be drawn band by band, each band while it is in the cache.
struct PixelBuffer {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    int clipTop = 0;
    int clipBottom = INT_MAX;

    int Top() const { return clipTop > 0 ? clipTop : 0; }
    int Bottom() const { return clipBottom < height ? clipBottom : height; }
};

// Draws a one-pixel line from (x1, y1) toward (x2, y2), the last pixel left
// out as the map's lines always have been. Dashes are 4 pixels on and 2 off,
// dots 1 on and 2 off, counted along the longer axis from (x1, y1). Any part
// outside the buffer is clipped, however far away the ends lie (3D
// projections can put them millions of pixels out).
//
// The map draws thousands of dotted lines per frame; doing it here instead
// of through a general stroker is what keeps a full mission within a frame.
// Cuts the segment to the rectangle (Liang-Barsky); false when none of it
// is inside.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double left, double top,
                 double right, double bottom);

void RasterLine(const PixelBuffer& target, int x1, int y1, int x2, int y2, std::uint32_t colour,
                PenStyle style);

}  // namespace vantorel
