#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "draw/LineRaster.h"

namespace vantorel {
namespace {

struct Buffer {
    Buffer(int w, int h) : width(w), height(h), pixels(std::size_t(w * h), 0) {}
    PixelBuffer View() { return {pixels.data(), width, height, width}; }
    // Rows as text: '#' set, '.' untouched.
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int y = 0; y < height; ++y) {
            std::string r;
            for (int x = 0; x < width; ++x) r += pixels[std::size_t(y * width + x)] ? '#' : '.';
            rows.push_back(r);
        }
        return rows;
    }
    int width, height;
    std::vector<std::uint32_t> pixels;
};

// Straightforward stepping over the whole line with a bounds test per pixel:
// what the clipped version must reproduce exactly.
void Reference(Buffer& b, int x1, int y1, int x2, int y2, PenStyle style) {
    const long long dx = x2 - x1, dy = y2 - y1;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long da = xMajor ? dx : dy, db = xMajor ? dy : dx;
    const long long n = std::llabs(da);
    for (long long k = 0; k < n; ++k) {
        const long long off = (2 * k * std::llabs(db) + std::llabs(da)) / (2 * std::llabs(da));
        const long long a = (xMajor ? x1 : y1) + (da >= 0 ? k : -k);
        const long long c = (xMajor ? y1 : x1) + (db >= 0 ? off : -off);
        const long long x = xMajor ? a : c, y = xMajor ? c : a;
        const bool on =
            style == PenStyle::Solid || (style == PenStyle::Dash ? k % 6 < 4 : k % 3 == 0);
        if (on && x >= 0 && x < b.width && y >= 0 && y < b.height)
            b.pixels[std::size_t(y * b.width + x)] = 1;
    }
}

TEST(LineRaster, LeavesOutTheLastPixelAndKeepsItsPattern) {
    Buffer b(10, 3);
    RasterLine(b.View(), 0, 0, 9, 0, 1, PenStyle::Solid);
    RasterLine(b.View(), 0, 1, 9, 1, 1, PenStyle::Dash);
    RasterLine(b.View(), 9, 2, 0, 2, 1, PenStyle::Dot);  // counted from its own start
    EXPECT_EQ(b.Rows(), (std::vector<std::string>{"#########.", "####..###.", "...#..#..#"}));

    Buffer d(5, 5);
    RasterLine(d.View(), 0, 0, 4, 4, 1, PenStyle::Solid);
    RasterLine(d.View(), 2, 2, 2, 2, 1, PenStyle::Solid);  // a point: nothing more
    EXPECT_EQ(d.Rows(), (std::vector<std::string>{"#....", ".#...", "..#..", "...#.", "....."}));
}

TEST(LineRaster, ClippingDrawsExactlyTheVisiblePixels) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(-60, 90);
    const PenStyle styles[] = {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot};
    for (int i = 0; i < 3000; ++i) {
        const int x1 = coord(rng), y1 = coord(rng), x2 = coord(rng), y2 = coord(rng);
        const PenStyle s = styles[i % 3];
        Buffer got(32, 24), want(32, 24);
        RasterLine(got.View(), x1, y1, x2, y2, 1, s);
        Reference(want, x1, y1, x2, y2, s);
        ASSERT_EQ(got.Rows(), want.Rows()) << x1 << "," << y1 << " -> " << x2 << "," << y2;
    }
}

TEST(LineRaster, FarEndsAreClippedWithoutOverflow) {
    Buffer b(10, 10);
    RasterLine(b.View(), -1000000000, 5, 1000000000, 5, 1, PenStyle::Solid);
    EXPECT_EQ(b.Rows()[5], "##########");
    EXPECT_EQ(b.Rows()[4], "..........");

    Buffer c(10, 10);
    RasterLine(c.View(), INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1, PenStyle::Solid);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(c.Rows()[std::size_t(i)][std::size_t(i)], '#') << i;

    Buffer e(10, 10);
    RasterLine(e.View(), INT_MIN, 0, INT_MIN, 9, 1, PenStyle::Dot);
    RasterLine(e.View(), 20, 20, 900000000, 400000000, 1, PenStyle::Solid);
    RasterLine(e.View(), 0, 0, 5, 5, 1, PenStyle::Solid);
    e.pixels.assign(e.pixels.size(), 0);  // only that nothing wrote out of bounds
    RasterLine(PixelBuffer{}, 0, 0, 5, 5, 1, PenStyle::Solid);
}

}  // namespace
}  // namespace vantorel
