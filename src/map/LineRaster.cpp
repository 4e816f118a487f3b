#include "map/LineRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vantorel {

namespace {

// Ends beyond this are first pulled in along the line, so the integer
// stepping below cannot overflow; far outside any buffer either way.
constexpr double kFar = 1 << 22;

bool PatternOn(PenStyle style, long long step) {
    switch (style) {
        case PenStyle::Dash:
            return step % 6 < 4;
        case PenStyle::Dot:
            return step % 3 == 0;
        default:
            return true;
    }
}

}  // namespace

bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double left, double top,
                 double right, double bottom) {
    double t0 = 0, t1 = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - left, right - x1, y1 - top, bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double ox = x1, oy = y1;
    x1 = ox + t0 * dx, y1 = oy + t0 * dy;
    x2 = ox + t1 * dx, y2 = oy + t1 * dy;
    return true;
}

void RasterLine(const PixelBuffer& target, int x1, int y1, int x2, int y2, std::uint32_t colour,
                PenStyle style) {
    if (target.pixels == nullptr || target.width <= 0 || target.height <= 0) return;
    long long ax = x1, ay = y1, bx = x2, by = y2;
    bool endClipped = false;
    if (std::llabs(ax) > kFar || std::llabs(ay) > kFar || std::llabs(bx) > kFar ||
        std::llabs(by) > kFar) {
        double fx1 = double(x1), fy1 = double(y1), fx2 = double(x2), fy2 = double(y2);
        if (!ClipSegment(fx1, fy1, fx2, fy2, -kFar, -kFar, kFar, kFar)) return;
        endClipped = fx2 != double(x2) || fy2 != double(y2);
        ax = std::llround(fx1), ay = std::llround(fy1), bx = std::llround(fx2),
        by = std::llround(fy2);
    }

    const long long dx = bx - ax, dy = by - ay;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    // Major axis a, minor axis b.
    const long long a0 = xMajor ? ax : ay, b0 = xMajor ? ay : ax;
    const long long da = xMajor ? dx : dy, db = xMajor ? dy : dx;
    const long long n = std::llabs(da) + (endClipped ? 1 : 0);  // steps drawn
    if (n == 0) return;
    const long long sa = da >= 0 ? 1 : -1, sb = db >= 0 ? 1 : -1;
    const long long adb = std::llabs(db), ada = std::max<long long>(std::llabs(da), 1);
    const long long aSize = xMajor ? target.width : target.height;
    const long long bSize = xMajor ? target.height : target.width;

    // Steps k whose major coordinate a0 + sa k lies inside the buffer.
    long long kLo = sa > 0 ? -a0 : a0 - (aSize - 1);
    long long kHi = sa > 0 ? aSize - 1 - a0 : a0;
    kLo = std::max<long long>(kLo, 0);
    kHi = std::min<long long>(kHi, n - 1);
    // And roughly those whose minor coordinate does (exactly per pixel below).
    if (adb != 0) {
        const double slope = double(adb) / double(ada);
        const double bLo = sb > 0 ? -double(b0) : double(b0) - double(bSize - 1);
        const double bHi = sb > 0 ? double(bSize - 1 - b0) : double(b0);
        // The offset at step k is within half a pixel of k * slope.
        kLo = std::max<long long>(kLo, (long long)std::floor((bLo - 1) / slope) - 1);
        kHi = std::min<long long>(kHi, (long long)std::ceil((bHi + 1) / slope) + 1);
    } else if (b0 < 0 || b0 >= bSize) {
        return;
    }
    if (kLo > kHi) return;

    // Minor offset at step k is floor((2 k |db| + |da|) / (2 |da|)); step it
    // incrementally from kLo.
    long long num = 2 * kLo * adb + ada;
    long long off = num / (2 * ada);
    long long err = num % (2 * ada);
    for (long long k = kLo; k <= kHi; ++k) {
        const long long a = a0 + sa * k;
        const long long b = b0 + sb * off;
        if (b >= 0 && b < bSize && PatternOn(style, k)) {
            const long long x = xMajor ? a : b, y = xMajor ? b : a;
            target.pixels[y * target.stride + x] = colour;
        }
        err += 2 * adb;
        while (err >= 2 * ada) {
            err -= 2 * ada;
            ++off;
        }
    }
}

}  // namespace vantorel
