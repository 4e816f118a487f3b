#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "draw/PixelSprite.h"

namespace vantorel {
namespace {

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

// A premultiplied picture with transparent holes, opaque stretches and
// partly covered pixels, like a name or an icon.
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
            BlendSprite({got.data(), 40, 12, 40}, x, y, sprite);
            for (int sy = 0; sy < h; ++sy)
                for (int sx = 0; sx < w; ++sx) {
                    const int tx = x + sx, ty = y + sy;
                    if (tx < 0 || tx >= 40 || ty < 0 || ty >= 12) continue;
                    auto& d = want[std::size_t(ty * 40 + tx)];
                    d = QtOver(picture[std::size_t(sy * w + sx)], d);
                }
            ASSERT_EQ(got, want) << "kernel " << kernel << ", picture " << i;
        }
    }
    UseBlendKernel(widest);
}

}  // namespace
}  // namespace vantorel
