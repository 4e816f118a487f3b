// The map's own pixel work: lines stepped and clipped, sprites blended as Qt blends them.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "draw/DrawList.h"
#include "draw/LineRaster.h"
#include "draw/PixelSprite.h"

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

// Every pixel of the whole line, each tested for bounds (rows top..bottom):
// what clipping must reproduce.
void Reference(Buffer& b, int x1, int y1, int x2, int y2, PenStyle style, int top = 0,
               int bottom = INT_MAX) {
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
        if (on && x >= 0 && x < b.width && y >= std::max(top, 0) && y < std::min(bottom, b.height))
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
        // Every other line within a window of rows, as a band of a frame is drawn.
        const int top = i % 2 ? coord(rng) / 4 : 0, bottom = i % 2 ? top + 1 + i % 13 : INT_MAX;
        Buffer got(32, 24), want(32, 24);
        PixelBuffer view = got.View();
        view.clipTop = top;
        view.clipBottom = bottom;
        RasterLine(view, x1, y1, x2, y2, 1, s);
        Reference(want, x1, y1, x2, y2, s, top, bottom);
        ASSERT_EQ(got.Rows(), want.Rows())
            << x1 << "," << y1 << " -> " << x2 << "," << y2 << " rows " << top << ".." << bottom;
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

// Source over destination for one pixel as Qt's raster engine computes it,
// channel by channel: c * a / 255 rounded as (t + (t >> 8) + 0x80) >> 8.
std::uint32_t QtOver(std::uint32_t s, std::uint32_t d) {
    if (s >= 0xff000000u) return s;
    const std::uint32_t a = 255 - (s >> 24);
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t t = ((d >> shift) & 0xff) * a;
        const std::uint32_t scaled = (t + (t >> 8) + 0x80) >> 8;
        out |= (((s >> shift) & 0xff) + scaled) << shift;
    }
    return out;
}

// A premultiplied picture with holes, opaque stretches and partly covered pixels.
std::vector<std::uint32_t> Picture(std::mt19937& rng, int w, int h) {
    std::vector<std::uint32_t> p(std::size_t(w * h));
    std::uniform_int_distribution<int> kind(0, 3), byte(0, 255);
    for (auto& px : p) {
        const int k = kind(rng);
        const std::uint32_t a = k == 0 ? 0 : k == 1 ? 255 : std::uint32_t(byte(rng));
        auto c = [&] { return std::uint32_t(byte(rng)) * a / 255; };
        px = a == 0 ? 0 : (a << 24) | (c() << 16) | (c() << 8) | c();
    }
    return p;
}

TEST(PixelSprite, KeepsTheRunsThatAreNotTransparent) {
    // One row: 2 pixels, a gap of 2, 1 pixel, a gap of 6, 2 opaque pixels.
    const std::uint32_t o = 0xff102030, h = 0x80101010;
    const std::vector<std::uint32_t> row = {h, h, 0, 0, h, 0, 0, 0, 0, 0, 0, o, o};
    PixelSprite s = MakeSprite(row.data(), int(row.size()), 1, int(row.size()));
    ASSERT_EQ(s.runs.size(), 2u);  // the short gap is kept inside the first run
    EXPECT_EQ(s.runs[0].x, 0);
    EXPECT_EQ(s.runs[0].length, 5);
    EXPECT_FALSE(s.runs[0].opaque);
    EXPECT_EQ(s.runs[1].x, 11);
    EXPECT_TRUE(s.runs[1].opaque);
    // Whole rows, lengthened to a multiple of 8 with transparent pixels.
    s = MakeSprite(row.data(), int(row.size()), 1, int(row.size()), 100, 8);
    ASSERT_EQ(s.runs.size(), 1u);
    EXPECT_EQ(s.runs[0].length, 16);
    EXPECT_EQ(s.pixels[15], 0u);
    // The padding counts as the sprite's own: a sprite is blended unclipped
    // when its width fits, and the padding must not run past a row's end.
    EXPECT_EQ(s.width, 16);
    // A run already a multiple of 8 long takes no padding.
    const std::vector<std::uint32_t> eight(8, h);
    const PixelSprite whole = MakeSprite(eight.data(), 8, 1, 8, 100, 8);
    ASSERT_EQ(whole.runs.size(), 1u);
    EXPECT_EQ(whole.runs[0].length, 8);
}

TEST(PixelSprite, BlendsAsQtDoesAtEveryWidthAndEveryEdge) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> pos(-30, 40), gap(0, 20);
    const int widest = UseBlendKernel(3);
    for (int kernel = 0; kernel <= widest; ++kernel) {
        UseBlendKernel(kernel);
        for (int i = 0; i < 300; ++i) {
            const int w = 1 + i % 37, h = 1 + i % 5;
            const auto picture = Picture(rng, w, h);
            const PixelSprite sprite = MakeSprite(picture.data(), w, h, w, gap(rng), 1 + i % 9);
            std::vector<std::uint32_t> got = Picture(rng, 40, 12), want = got;
            for (auto& d : got) d |= 0xff000000u;  // an opaque frame, as the map's
            want = got;
            const int x = pos(rng), y = pos(rng) / 3;
            // Every third within a window of rows, as a band of a frame is drawn.
            const int top = i % 3 ? 0 : 1 + i % 7, bottom = i % 3 ? 12 : top + 1 + i % 4;
            BlendSprite({got.data(), 40, 12, 40, top, bottom}, x, y, sprite);
            for (int sy = 0; sy < h; ++sy)
                for (int sx = 0; sx < w; ++sx) {
                    const int tx = x + sx, ty = y + sy;
                    if (tx < 0 || tx >= 40 || ty < top || ty >= bottom) continue;
                    auto& d = want[std::size_t(ty * 40 + tx)];
                    d = QtOver(picture[std::size_t(sy * w + sx)], d);
                }
            ASSERT_EQ(got, want) << "kernel " << kernel << ", picture " << i;
        }
    }
    UseBlendKernel(widest);
}

// A frame's worth of fills, lines (some reaching far outside) and sprites,
// overlapping one another: drawn through a DrawList, band by band and by
// two threads, they give the same pixels as drawn one by one in order,
// also into a window of rows.
TEST(DrawList, DrawsTheSamePixelsAsDrawingEachInTurn) {
    std::mt19937 rng(5);
    std::vector<PixelSprite> sprites;
    for (int i = 0; i < 24; ++i) {
        const int w = 1 + i * 3, h = 1 + i % 23;
        const auto picture = Picture(rng, w, h);
        sprites.push_back(MakeSprite(picture.data(), w, h, w, i % 2 ? w : 4, i % 2 ? 8 : 1));
    }
    std::uniform_int_distribution<int> x(-80, 380), y(-80, 980), kind(0, 9), pick(0, 23);
    const int far[] = {INT_MIN, -3000000, 0, 5000000, INT_MAX};
    const PenStyle styles[] = {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot};
    for (const auto& [top, bottom] : {std::pair{0, INT_MAX}, std::pair{130, 777}}) {
        std::vector<std::uint32_t> got(300 * 900, 0xff000000u), want = got;
        PixelBuffer gotView{got.data(), 300, 900, 300, top, bottom};
        PixelBuffer wantView{want.data(), 300, 900, 300, top, bottom};
        DrawList list;
        for (int i = 0; i < 3000; ++i) {
            const std::uint32_t colour = 0xff000000u | std::uint32_t(rng());
            const int k = kind(rng);
            if (k == 0) {
                const int fx = x(rng), fy = y(rng), fw = x(rng) / 4, fh = y(rng) / 8;
                list.Fill(fx, fy, fw, fh, colour);
                for (int ry = std::max({fy, top, 0}); ry < std::min({fy + fh, bottom, 900}); ++ry)
                    for (int rx = std::max(fx, 0); rx < std::min(fx + fw, 300); ++rx)
                        want[std::size_t(ry * 300 + rx)] = colour;
            } else if (k < 5) {
                int x1 = x(rng), y1 = y(rng), x2 = x(rng), y2 = y(rng);
                if (k == 1) x2 = far[i % 5], y2 = far[(i / 5) % 5];
                const PenStyle style = styles[i % 3];
                list.Line(x1, y1, x2, y2, colour, style);
                RasterLine(wantView, x1, y1, x2, y2, colour, style);
            } else {
                const PixelSprite& sprite = sprites[std::size_t(pick(rng))];
                const int sx = x(rng), sy = y(rng);
                list.Sprite(sx, sy, sprite);
                BlendSprite(wantView, sx, sy, sprite);
            }
        }
        ASSERT_FALSE(list.Empty());
        list.Draw(gotView);
        EXPECT_TRUE(list.Empty());
        ASSERT_EQ(got, want) << "rows " << top << ".." << bottom;
    }
}

}  // namespace
}  // namespace vantorel
