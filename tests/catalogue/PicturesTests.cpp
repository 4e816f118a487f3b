// The small pictures the editor draws: the craft icons of the map, and the
// formation pictures of the Ship tab's list (every craft seen from above and
// from behind, inside the picture, the leader marked, no two alike).
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "catalogue/ColourRamps.h"
#include "catalogue/CraftIcons.h"
#include "catalogue/CraftTypes.h"
#include "catalogue/CraftWordLists.h"
#include "catalogue/FormationPictures.h"
#include "support/RecordingCanvas.h"

namespace vantorel {
namespace {

using testing::RecordingCanvas;

std::vector<int> PictureOf(int picture) {
    std::vector<int> px;
    for (int y = 0; y < kCraftIconHeight; ++y)
        for (int x = 0; x < kCraftIconWidth; ++x) px.push_back(CraftIconPixel(picture, x, y));
    return px;
}

TEST(CraftIconTable, HoldsOnlyIndexesZeroToFourAndEnoughPictures) {
    for (std::size_t i = 0; i < kCraftIconTableSize; ++i) ASSERT_LE(kCraftIconPixels[i], 4) << i;
    int highest = -1;
    for (int t = 0; t < CraftTypeCount; ++t)
        highest = std::max(highest, GetCraftTypeInfo(t)->iconIndex);
    EXPECT_EQ(highest + 2, kCraftIconPictureCount);
}

TEST(CraftIconTable, PictureZeroIsASmallDiamondOnTheHotSpot) {
    for (int y = 0; y < kCraftIconHeight; ++y)
        for (int x = 0; x < kCraftIconWidth; ++x) {
            const bool inside = std::abs(x - 9) + std::abs(y - 11) <= 2;
            EXPECT_EQ(CraftIconPixel(0, x, y) != 0, inside) << x << "," << y;
        }
}

TEST(CraftIconTable, EveryCraftPictureSitsOnItsPointAndCraftTellApart) {
    // The marker is drawn 9 left and 11 up from the point, so each picture
    // must cover (9, 11) within its outline, or the icon floats off its point.
    std::set<int> used;
    for (int t = 0; t < CraftTypeCount; ++t)
        used.insert(PictureForIconIndex(GetCraftTypeInfo(t)->iconIndex));
    for (int p : used) {
        int minX = 99, maxX = -1, minY = 99, maxY = -1;
        for (int y = 0; y < kCraftIconHeight; ++y)
            for (int x = 0; x < kCraftIconWidth; ++x)
                if (CraftIconPixel(p, x, y)) {
                    minX = std::min(minX, x), maxX = std::max(maxX, x);
                    minY = std::min(minY, y), maxY = std::max(maxY, y);
                }
        EXPECT_TRUE(minX <= 9 && 9 <= maxX && minY <= 11 && 11 <= maxY) << "picture " << p;
        // Roughly centred: no more than two pixels lopsided across.
        EXPECT_LE(std::abs((minX + maxX) - 18), 4) << "picture " << p;
    }
    // Different icon numbers in use must not share a picture by accident.
    std::set<std::vector<int>> distinct;
    for (int p : used) EXPECT_TRUE(distinct.insert(PictureOf(p)).second) << "picture " << p;
}

TEST(CraftIconImages, RampsAndFadingFollowTheirOwnRules) {
    // Find a pixel of each index in the X-wing (picture 1).
    auto pixelWith = [](int picture, int index) {
        for (int i = 0; i < kCraftIconPixelsPerPicture; ++i)
            if (CraftIconPixel(picture, i % kCraftIconWidth, i / kCraftIconWidth) == index)
                return i;
        return -1;
    };
    const int bright = pixelWith(1, 4), transparent = pixelWith(1, 0);
    ASSERT_GE(bright, 0);
    auto at = [](int ramp, bool faded, int i) {
        return GetCraftIconImage(ramp, 1, faded).argb[std::size_t(i)];
    };

    EXPECT_EQ(at(0, false, transparent), 0u);
    EXPECT_EQ(at(0, true, transparent), 0u);
    EXPECT_EQ(at(0, false, bright), 0xFF3CD400u);  // 60,212,0
    EXPECT_EQ(at(0, true, bright), 0xFF9DE97Fu);   // half way to white
    EXPECT_EQ(at(7, false, bright), 0xFFFC8000u);  // 252,128,0
    EXPECT_EQ(at(7, true, bright), 0xFFFC8080u);   // high bit set
    EXPECT_EQ(at(10, false, bright), 0xFFFCFCFCu);
    EXPECT_EQ(at(4, false, bright), at(1, false, bright));  // ramp 4 is ramp 1 again

    // Out of range asks fall back instead of reading past the table.
    EXPECT_EQ(GetCraftIconImage(99, 1, false).argb, GetCraftIconImage(10, 1, false).argb);
    EXPECT_EQ(GetCraftIconImage(0, 500, false).argb, GetCraftIconImage(0, 0, false).argb);

    DestroyCraftIcons();
    EXPECT_EQ(at(0, false, bright), 0xFF3CD400u);  // rebuilt on demand
}

TEST(CraftIconDrawing, IffTwelveDrawsGreyAndUnknownIconsTheDiamond) {
    testing::RecordingCanvas canvas;
    DrawCraftIcon(canvas, 5, 6, RampForIff(12), 4, true);
    DrawCraftIcon(canvas, 0, 0, 12, -1, false);
    DrawCraftIcon(canvas, 0, 0, 3, 900, false);
    ASSERT_EQ(canvas.calls.size(), 3u);
    EXPECT_EQ(canvas.calls[0].ramp, 10);
    EXPECT_EQ(canvas.calls[0].picture, 5);
    EXPECT_TRUE(canvas.calls[0].faded);
    EXPECT_EQ(canvas.calls[1].ramp, 10);
    EXPECT_EQ(canvas.calls[1].picture, 0);
    EXPECT_EQ(canvas.calls[2].picture, 0);
    EXPECT_EQ(RampForIff(9), 9);
    // A ramp outside the table is the grey one, never a read past the table.
    for (int ramp : {-1, kColourRampCount, 1000})
        EXPECT_TRUE(RampColour(ramp, 2) == RampColour(kGreyRamp, 2)) << ramp;
}

TEST(FormationPictures, EveryFormationDrawsItsCraftInsideItsPictureAndNoTwoAlike) {
    ASSERT_EQ(Formations().size(), 21u);
    constexpr int kX = 100, kY = 50;
    std::set<std::vector<std::pair<int, int>>> pictures;
    for (int f = 0; f < 21; ++f) {
        const std::string name = Formations()[size_t(f)].name;
        RecordingCanvas canvas;
        DrawFormationPicture(canvas, f, kX, kY);
        const auto fills = canvas.Of(RecordingCanvas::Kind::Fill);
        const auto& slots = FormationSlots(f);
        // Each craft twice, the leader drawn last in each view, in red.
        ASSERT_EQ(fills.size(), 2 * slots.size()) << name;
        for (size_t i = 0; i < fills.size(); ++i) {
            const auto& c = fills[i];
            EXPECT_GE(c.x1, kX) << name;
            EXPECT_GE(c.y1, kY) << name;
            EXPECT_LE(c.x1 + c.x2, kX + kFormationPictureWidth) << name;
            EXPECT_LE(c.y1 + c.y2, kY + kFormationPictureHeight) << name;
            const bool leader = (i + 1) % slots.size() == 0;
            EXPECT_EQ(c.colour == (RgbColour{200, 0, 0}), leader) << name << " " << i;
        }
        // The plan on the left of the divider, the rear view on its right.
        const auto lines = canvas.Of(RecordingCanvas::Kind::Line);
        ASSERT_EQ(lines.size(), 1u);
        for (size_t i = 0; i < fills.size(); ++i)
            EXPECT_EQ(fills[i].x1 + fills[i].x2 <= lines[0].x1, i < slots.size()) << name;
        // The shape, relative to the leader in each view.
        std::vector<std::pair<int, int>> shape;
        const auto& planLeader = fills[slots.size() - 1];
        const auto& rearLeader = fills.back();
        for (size_t i = 0; i < fills.size(); ++i) {
            const auto& leader = i < slots.size() ? planLeader : rearLeader;
            shape.push_back({fills[i].x1 - leader.x1, fills[i].y1 - leader.y1});
        }
        EXPECT_TRUE(pictures.insert(shape).second) << name;
    }
    // A flat formation is level from behind; a stacked one climbs.
    RecordingCanvas vic, stacked;
    DrawFormationPicture(vic, 0, 0, 0);
    DrawFormationPicture(stacked, 8, 0, 0);
    for (size_t i = 5; i < 10; ++i) EXPECT_EQ(vic.calls[i + 1].y1, vic.calls.back().y1);
    EXPECT_LT(stacked.calls[5].y1, stacked.calls.back().y1);  // the last wingman is higher

    RecordingCanvas none;
    DrawFormationPicture(none, 21, 0, 0);
    DrawFormationPicture(none, -1, 0, 0);
    EXPECT_TRUE(none.calls.empty());
}

}  // namespace
}  // namespace vantorel
