// The pictures of the Ship tab's formation list: every craft seen from above
// and from behind, inside the picture, the leader marked, and no two
// formations looking alike.
#include <gtest/gtest.h>

#include <set>

#include "catalogue/CraftWordLists.h"
#include "catalogue/FormationPictures.h"
#include "support/RecordingCanvas.h"

namespace vantorel {
namespace {

using testing::RecordingCanvas;

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
