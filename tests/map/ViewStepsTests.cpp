// The arrow keys' step and move of the selection, and where Duplicate sets its copies.
#include <gtest/gtest.h>

#include "document/MissionEdit.h"
#include "map/InteractionHitTest.h"
#include "map/ViewSteps.h"
#include "support/MissionGenerator.h"

namespace vantorel {
namespace {

ViewState View(int angle, int snap, int zoom = 60) {
    return {.Angle = angle, .Zoom = zoom, .SnapIndex = snap};
}

TEST(ViewStepsTest, AKeyStepsOneSnapStepOrOnePixelAndTenWithShift) {
    struct Case {
        int snap, zoom;
        ArrowKey key;
        bool tenfold;
        int dH, dV;
    } cases[] = {
        {5, 60, ArrowKey::Right, false, -80, 0},  {5, 60, ArrowKey::Left, true, 800, 0},
        {5, 60, ArrowKey::Up, false, 0, 80},      {5, 60, ArrowKey::Down, false, 0, -80},
        {0, 60, ArrowKey::Right, false, -3, 0},   {0, 1000, ArrowKey::Left, false, 1, 0},
        {0, 1, ArrowKey::Down, true, 0, -1600},   {0, 0, ArrowKey::Up, false, 0, 160},
    };
    for (const Case& c : cases) {
        const SnapStep s = ArrowKeyStep(View(kAngleTop, c.snap, c.zoom), c.key, c.tenfold);
        EXPECT_EQ(s.dH, c.dH) << c.snap << " " << c.zoom << " " << int(c.key);
        EXPECT_EQ(s.dV, c.dV) << c.snap << " " << c.zoom << " " << int(c.key);
    }
}

TEST(ViewStepsTest, AMoveTakesTheMarkedPointsOfTheSelectedTogetherToTheEdge) {
    Mission m = testing::MakeEmptyMission(12, 3);
    auto& a = *m.FlightGroups[0];
    auto& b = *m.FlightGroups[1];
    a.Selected = b.Selected = m.FlightGroups[2]->Selected = 1;
    a.PointSelected[0] = b.PointSelected[0] = b.PointSelected[13] = 1;
    a.File.SetWaypointX(0, 32700);
    b.File.SetWaypointX(0, 32000);
    auto edit = MoveSelectionEdit(View(kAngleTop, 5), m, {-800, 80});
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->Name(), "Move");
    edit->Apply(m);
    EXPECT_EQ(a.File.WaypointX(0), 32767);
    EXPECT_EQ(b.File.WaypointX(0), 32067);
    EXPECT_EQ(a.File.WaypointY(0), -80);
    EXPECT_EQ(RawPointOf(b, 13), (RawPoint{67, -80, 0}));
    EXPECT_EQ(m.FlightGroups[2]->File.WaypointX(0), 0);  // selected, no point marked

    // Front and Side: Up raises z, Right moves along the screen's axis.
    a.Selected = 0;
    MoveSelectionEdit(View(kAngleFront, 5), m, {-80, 80})->Apply(m);
    EXPECT_EQ(RawPointOf(b, 0), (RawPoint{32147, -80, 80}));
    MoveSelectionEdit(View(kAngleSide, 5), m, {-80, 0})->Apply(m);
    EXPECT_EQ(RawPointOf(b, 0), (RawPoint{32147, 0, 80}));

    // Nothing to move: in 3D, at the edge already, or nothing marked.
    EXPECT_FALSE(MoveSelectionEdit(View(kAngle3D, 5), m, {-80, 0}));
    a.Selected = 1;
    b.Selected = 0;
    EXPECT_FALSE(MoveSelectionEdit(View(kAngleTop, 5), m, {-80, 0}));
    a.PointSelected[0] = 0;
    EXPECT_FALSE(MoveSelectionEdit(View(kAngleTop, 5), m, {0, 80}));
}

TEST(ViewStepsTest, DuplicatesStandOneGridStepRightAndDownOnTheScreen) {
    EXPECT_EQ(GridStepBeside(View(kAngleTop, 5)), (RawPoint{80, 80, 0}));
    EXPECT_EQ(GridStepBeside(View(kAngle3D, 0)), (RawPoint{160, 160, 0}));
    EXPECT_EQ(GridStepBeside(View(kAngleFront, 5)), (RawPoint{80, 0, -80}));
    EXPECT_EQ(GridStepBeside(View(kAngleSide, 1)), (RawPoint{0, 16, -16}));
}

}  // namespace
}  // namespace vantorel
