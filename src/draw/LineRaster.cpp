#include "draw/LineRaster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace vantorel {

namespace {

// Ends beyond this are first pulled in along the line, so the integer
// stepping below cannot overflow; far outside any buffer either way.
constexpr double kFar = 1 << 22;

// Rounds up; the divisor is positive.
long long CeilDiv(long long a, long long b) {
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

// Steps along a line whose every pixel is inside the buffer: one pixel
// along the major axis per step, and one along the minor axis whenever the
// error term runs over.
struct Walk {
    std::uint32_t* pixels = nullptr;
    std::ptrdiff_t at = 0;                // index of the current pixel
    std::ptrdiff_t major = 0, minor = 0;  // index steps
    long long err = 0, rise = 0, run = 0;

    void Step() {
        at += major;
        err += rise;
        if (err >= run) {
            err -= run;
            at += minor;
        }
    }
    void Solid(long long count, std::uint32_t colour) {
        for (; count > 0; --count) {
            pixels[at] = colour;
            Step();
        }
    }
    // `on` pixels drawn and the rest of `period` left out, starting at
    // `phase` of the period. The left-out steps of a whole period are taken
    // in one go: n steps move n along the major axis and, along the minor
    // one, n * rise / run plus one more when the error runs over.
    void Pattern(long long count, long long phase, int on, int period, std::uint32_t colour) {
        if (on == 1) return Dots(count, phase, period, colour);
        const long long gap = period - on;
        const std::ptrdiff_t gapMajor = gap * major + (gap * rise / run) * minor;
        const long long gapRise = gap * rise % run;
        while (count > 0) {
            for (; phase < on && count > 0; ++phase, --count) {
                pixels[at] = colour;
                Step();
            }
            if (phase == on && count >= gap) {
                at += gapMajor;
                err += gapRise;
                if (err >= run) {
                    err -= run;
                    at += minor;
                }
                count -= gap;
            } else {
                for (; phase < period && count > 0; ++phase, --count) Step();
            }
            phase = 0;
        }
    }
    // One pixel on in each period: from one dot to the next is a whole
    // period taken in one go, as the gaps above are.
    void Dots(long long count, long long phase, int period, std::uint32_t colour) {
        if (phase != 0) {
            const long long skip = period - phase;
            if (count <= skip) return;
            for (long long k = 0; k < skip; ++k) Step();
            count -= skip;
        }
        const std::ptrdiff_t periodMajor = period * major + (period * rise / run) * minor;
        const long long periodRise = period * rise % run;
        for (;;) {
            pixels[at] = colour;
            count -= period;
            if (count <= 0) return;
            at += periodMajor;
            err += periodRise;
            if (err >= run) {
                err -= run;
                at += minor;
            }
        }
    }
};

// Draws `count` steps of the walk, the first being step `first` of the
// whole line (where its dash or dot pattern stands).
void Draw(Walk walk, long long count, long long first, std::uint32_t colour, PenStyle style) {
    switch (style) {
        case PenStyle::Dash:
            walk.Pattern(count, first % 6, 4, 6, colour);
            break;
        case PenStyle::Dot:
            walk.Pattern(count, first % 3, 1, 3, colour);
            break;
        default:
            walk.Solid(count, colour);
            break;
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
    // The rows and columns that may be drawn, along each axis.
    const long long top = target.Top(), bottom = target.Bottom() - 1;
    if (top > bottom) return;
    const long long aMin = xMajor ? 0 : top, aMax = xMajor ? target.width - 1 : bottom;
    const long long bMin = xMajor ? top : 0, bMax = xMajor ? bottom : target.width - 1;

    const bool inside = !endClipped && ax >= 0 && bx >= 0 && ay >= top && by >= top &&
                        ax < target.width && bx < target.width && ay <= bottom && by <= bottom;
    if (inside) {
        // Nearly every line of a map: no step is cut, so none of the
        // divisions that find the first and last visible step are needed.
        Walk walk;
        walk.err = ada;  // the remainder at step 0
        walk.rise = 2 * adb;
        walk.run = 2 * ada;
        walk.pixels = target.pixels;
        walk.at = ay * target.stride + ax;
        walk.major = xMajor ? sa : sa * target.stride;
        walk.minor = xMajor ? sb * target.stride : sb;
        Draw(walk, n, 0, colour, style);
        return;
    }

    // Steps k whose major coordinate a0 + sa k lies inside.
    long long kLo = sa > 0 ? aMin - a0 : a0 - aMax;
    long long kHi = sa > 0 ? aMax - a0 : a0 - aMin;
    kLo = std::max<long long>(kLo, 0);
    kHi = std::min<long long>(kHi, n - 1);
    // And exactly those whose minor coordinate does: the minor offset at
    // step k is off(k) = floor((2 k |db| + |da|) / (2 |da|)), which never
    // falls as k grows, so the steps with off(k) in [lo, hi] are a range.
    const long long lo = sb > 0 ? bMin - b0 : b0 - bMax;
    const long long hi = sb > 0 ? bMax - b0 : b0 - bMin;
    if (adb == 0) {
        if (lo > 0 || hi < 0) return;
    } else {
        // off(k) >= m  <=>  k >= ceil((2 |da| m - |da|) / (2 |db|)), and
        // off(k) <= m  <=>  k <  ceil((2 |da| (m + 1) - |da|) / (2 |db|)).
        if (lo > 0) kLo = std::max(kLo, CeilDiv(2 * ada * lo - ada, 2 * adb));
        kHi = std::min(kHi, CeilDiv(2 * ada * (hi + 1) - ada, 2 * adb) - 1);
    }
    if (kLo > kHi) return;

    // Everything from kLo to kHi is inside: walk it with a pointer.
    const long long num = 2 * kLo * adb + ada;
    const long long off = num / (2 * ada);
    Walk walk;
    walk.err = num % (2 * ada);
    walk.rise = 2 * adb;
    walk.run = 2 * ada;
    const long long a = a0 + sa * kLo, b = b0 + sb * off;
    const long long x = xMajor ? a : b, y = xMajor ? b : a;
    walk.pixels = target.pixels;
    walk.at = y * target.stride + x;
    walk.major = xMajor ? sa : sa * target.stride;
    walk.minor = xMajor ? sb * target.stride : sb;
    Draw(walk, kHi - kLo + 1, kLo, colour, style);
}

}  // namespace vantorel
