#include <gtest/gtest.h>

#include "map/Projection.h"
#include "map/ScrollZoom.h"
#include "map/ZoomToFit.h"
#include "support/MapScene.h"

namespace vantorel {
namespace {

using testing::SetMapPoint;

// Every waypoint shown, unless a test turns them off.
ViewState Window(int w, int h, int angle = kAngleTop) {
    ViewState v = testing::MapWindow(w, h, angle);
    v.ShowWaypoints = true;
    return v;
}

// Flight groups over most of the range, a waypoint further out, a disabled one beyond all.
Mission SpreadMission() {
    Mission m;
    SetMapPoint(m.AppendFlightGroup(), 0, -24000, -8000, 3000);
    SetMapPoint(m.AppendFlightGroup(), 1, 16000, 12000, -9000);
    FlightGroup& far = m.AppendFlightGroup();
    SetMapPoint(far, 0, 0, 0, 0);
    SetMapPoint(far, 13, 30000, -20000, 20000);  // HYP, drawn only with waypoints
    far.File.SetWaypointX(5, int16_t(-32000));   // WP2, not enabled
    // Briefing points never show on the map.
    SetMapPoint(far, 14, -32768, 32767, 0);
    return m;
}

// Where every enabled map point of the mission lands on the screen.
std::vector<ScreenPoint> Screen(const ViewState& v, const Mission& m) {
    std::vector<ScreenPoint> out;
    for (const auto& fg : m.FlightGroups)
        for (int p = 0; p < 14; ++p)
            if (fg->File.WaypointEnabled(p))
                out.push_back(ScreenFromWorld(v, fg->File.WaypointX(p) / 160.0,
                                              fg->File.WaypointY(p) / 160.0,
                                              fg->File.WaypointZ(p) / 160.0));
    return out;
}

bool InsideMargins(const ViewState& v, const Mission& m) {
    for (ScreenPoint p : Screen(v, m))
        if (p.x < kFitMarginLeft - 1 || p.x > v.Width - kFitMarginRight + 1 ||
            p.y < kFitMarginTop - 1 || p.y > v.Height - kFitMarginBottom + 1)
            return false;
    return true;
}

TEST(ZoomToFit, BringsEveryEnabledPointIntoViewAtTheLargestZoomThatFits) {
    const Mission m = SpreadMission();
    ViewState v = Window(1600, 1000);
    ZoomToFit(v, m);
    // x runs from -150 to 187.5 km: 337.5 km into 1440 pixels.
    EXPECT_EQ(v.Zoom, 4);
    EXPECT_TRUE(InsideMargins(v, m));
    // It is centred: as much room is left on one side as on the other.
    int left = v.Width, right = 0;
    for (ScreenPoint p : Screen(v, m)) left = std::min(left, p.x), right = std::max(right, p.x);
    EXPECT_NEAR(left - kFitMarginLeft, v.Width - kFitMarginRight - right, 2);

    // Front view fits x and z.
    ViewState front = Window(900, 700, kAngleFront);
    ZoomToFit(front, m);
    EXPECT_TRUE(InsideMargins(front, m));
    EXPECT_EQ(front.Zoom, 2);  // x spans 337.5 km across 740 pixels

    // Without waypoints only the positions are drawn and fitted: the HYP
    // 187.5 km out no longer squeezes them into a corner.
    ViewState positions = Window(1600, 1000);
    positions.ShowWaypoints = false;
    ZoomToFit(positions, m);
    EXPECT_EQ(positions.Zoom, 5);  // x from -150 to 100 km: 250 km into 1440 pixels

    // A melee 4 km across fills the window; the least span is not added.
    Mission melee;
    SetMapPoint(melee.AppendFlightGroup(), 0, -320, 0, 0);
    SetMapPoint(melee.AppendFlightGroup(), 0, 320, 80, 0);
    ViewState small = Window(800, 600);
    ZoomToFit(small, melee);
    EXPECT_EQ(small.Zoom, (800 - kFitMarginLeft - kFitMarginRight) / 4);
    // So does a line of them: no span across it is no reason for the least.
    melee.FlightGroups[1]->File.SetWaypointY(0, 0);
    ViewState line = Window(800, 600);
    ZoomToFit(line, melee);
    EXPECT_EQ(line.Zoom, small.Zoom);
    // Spans under a kilometre fit as well: 1 km down is the tighter one here.
    Mission pair;
    SetMapPoint(pair.AppendFlightGroup(), 0, 0, 0);
    SetMapPoint(pair.AppendFlightGroup(), 0, 80, 160);
    ViewState near = Window(800, 600);
    ZoomToFit(near, pair);
    EXPECT_EQ(near.Zoom, 600 - kFitMarginTop - kFitMarginBottom);

    // A lone flight group is shown as if it were 10 km across, not blown up.
    Mission lone;
    SetMapPoint(lone.AppendFlightGroup(), 0, 1600, 1600, 0);
    ViewState close = Window(800, 600);
    ZoomToFit(close, lone);
    EXPECT_EQ(close.Zoom, (600 - kFitMarginTop - kFitMarginBottom) / 10);
    const ScreenPoint at = ScreenFromWorld(close, 10, 10, 0);
    EXPECT_NEAR(at.x, kFitMarginLeft + (800 - kFitMarginLeft - kFitMarginRight) / 2, 1);
    EXPECT_NEAR(at.y, 300, 1);
}

TEST(ZoomToFit, EmptyMissionCentresTheMapAtTheSameZoom) {
    ViewState v = Window(800, 600);
    v.Zoom = 120;
    SetScrollPosition(v, 0, 0);
    ZoomToFit(v, Mission{});
    EXPECT_EQ(v.Zoom, 120);
    const WorldPair c = WorldFromScreen(v, 400, 300);
    EXPECT_DOUBLE_EQ(c.first, 0.0);
    EXPECT_DOUBLE_EQ(c.second, 0.0);

    // A flight group with no enabled point has nothing to fit either.
    Mission nothing;
    nothing.AppendFlightGroup();
    ZoomToFit(v, nothing);
    EXPECT_EQ(v.Zoom, 120);
    EXPECT_FALSE(AllMarkersOutOfView(v, nothing));
}

TEST(ZoomToFit, In3DEveryPointProjectsIntoTheWindow) {
    const Mission m = SpreadMission();
    ViewState v = Window(1000, 700, kAngle3D);
    ZoomToFit(v, m);
    EXPECT_LT(v.Zoom3D, 100);  // the default shows much less than this
    EXPECT_TRUE(InsideMargins(v, m));
    // It looks at the middle of the points (x -150 to 187.5 km, y -125 to
    // 75), which the flat view then has at its window's centre.
    ViewState flat = v;
    flat.Angle = kAngleTop;
    const WorldPair centre = WorldFromScreen(flat, v.Width / 2, v.Height / 2);
    EXPECT_NEAR(centre.first, 18.75, 0.5);
    EXPECT_NEAR(centre.second, -25, 0.5);
    // It is tight: a little closer and something is outside the margins.
    ViewState closer = v;
    closer.Zoom3D += 25;
    EXPECT_FALSE(InsideMargins(closer, m));
}

TEST(ZoomToFit, AMissionFarFromTheOriginStartsOutOfView) {
    Mission m;
    SetMapPoint(m.AppendFlightGroup(), 0, 16000, 16000, 0);  // 100 km out
    ViewState v = Window(1200, 800);
    EXPECT_TRUE(AllMarkersOutOfView(v, m));
    ZoomToFit(v, m);
    EXPECT_FALSE(AllMarkersOutOfView(v, m));
    // A drawn marker inside the window is enough, and 3D culls nothing.
    SetMapPoint(m.AppendFlightGroup(), 0, 0, 0, 0);
    EXPECT_FALSE(AllMarkersOutOfView(Window(1200, 800), m));
    EXPECT_FALSE(AllMarkersOutOfView(Window(1200, 800, kAngle3D), m));
    EXPECT_FALSE(AllMarkersOutOfView(Window(1200, 800), Mission{}));
}

}  // namespace
}  // namespace vantorel
