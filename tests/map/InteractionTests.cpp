#include <gtest/gtest.h>

#include "map/Interaction.h"
#include "map/InteractionCommands.h"
#include "map/InteractionHitTest.h"
#include "map/InteractionSelection.h"
#include "map/ScrollZoom.h"
#include "support/FakeSettings.h"
#include "support/MapScene.h"

namespace vantorel {
namespace {

using testing::SetMapPoint;

// A 600 x 400 window at zoom 60 centred on the map: world (x, y) km is at
// pixel (300 + 60x, 200 + 60y) in Top, and a raw unit is 1/160 km.
class InteractionTest : public ::testing::Test {
protected:
    // A flight group starting at S1 = (x, y, z) raw.
    FlightGroup& AddFg(int x, int y, int z = 0) {
        FlightGroup& fg = mission.AppendFlightGroup();
        SetMapPoint(fg, 0, x, y, z);
        return fg;
    }
    // Pixel of a raw point in Top view.
    static int Px(int raw) { return 300 + raw * 60 / 160; }
    static int Py(int raw) { return 200 + raw * 60 / 160; }

    void Click(int x, int y, MouseKeys keys = {}) {
        ia.LeftDown(mission, x, y, keys);
        ia.LeftUp(mission, x, y, keys);
    }
    // The keys held may change between the press and the release.
    void Drag(int x0, int y0, int x1, int y1, MouseKeys down = {}, MouseKeys up = {}) {
        ia.LeftDown(mission, x0, y0, down);
        ia.MouseMove(mission, x1, y1);
        ia.LeftUp(mission, x1, y1, up);
    }
    static bool Sel(const FlightGroup& fg) { return fg.Selected != 0; }
    static bool PtSel(const FlightGroup& fg, int p) { return fg.PointSelected[size_t(p)] != 0; }

    ViewState view = testing::MapWindow(600, 400);
    Mission mission;
    MapInteraction ia{view};
};

TEST_F(InteractionTest, HitTestUsesTheToleranceBoxAndTheShownPoints) {
    FlightGroup& fg = AddFg(0, 0);
    SetMapPoint(fg, 4, 320, 0);  // WP1 at 2 km
    // 9 pixels across and 11 down at zoom 60 are 24 and 29 raw units.
    EXPECT_TRUE(HitTest(view, fg, 300 + 8, 200));
    EXPECT_FALSE(HitTest(view, fg, 300 + 10, 200));
    EXPECT_TRUE(HitTest(view, fg, 300, 200 + 10));
    EXPECT_FALSE(HitTest(view, fg, 300, 200 + 12));
    // Waypoints are candidates only while they are shown.
    EXPECT_FALSE(HitTest(view, fg, Px(320), 200));
    view.ShowSelectionWaypoints = true;
    EXPECT_FALSE(HitTest(view, fg, Px(320), 200));
    fg.Selected = 1;
    ASSERT_TRUE(HitTest(view, fg, Px(320), 200));
    EXPECT_EQ(HitTest(view, fg, Px(320), 200)->point, 4);
    // A disabled point is never hit, and nothing is hit in 3D.
    fg.File.SetWaypointEnabled(4, 0);
    EXPECT_FALSE(HitTest(view, fg, Px(320), 200));
    view.Angle = kAngle3D;
    EXPECT_FALSE(HitTest(view, fg, 300, 200));
    // Without an enabled start point a flight group has no marker to hit.
    view.Angle = kAngleTop;
    fg.File.SetWaypointEnabled(0, 0);
    EXPECT_FALSE(HitTest(view, fg, 300, 200));
}

TEST_F(InteractionTest, HitTestTiesGoToTheLaterPointAndTheSelectedOrEarlierFlightGroup) {
    FlightGroup& a = AddFg(0, 0);
    SetMapPoint(a, 1, 0, 0);  // S2 on top of S1
    view.ShowWaypoints = true;
    EXPECT_EQ(HitTest(view, a, 300, 200)->point, 1);
    FlightGroup& b = AddFg(0, 0);
    auto hit = HitTestMission(view, mission, 300, 200);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->flightGroup, &a);
    // Stacked, the selected one is taken (a press then drags what shows selected).
    b.Selected = 1;
    EXPECT_EQ(HitTestMission(view, mission, 300, 200)->flightGroup, &b);
    a.Selected = 1;
    EXPECT_EQ(HitTestMission(view, mission, 300, 200)->flightGroup, &a);
    a.Selected = b.Selected = 0;
    // A nearer marker of a later flight group wins.
    SetMapPoint(b, 0, 8, 0);
    hit = HitTestMission(view, mission, 303, 200);
    EXPECT_EQ(hit->flightGroup, &b);
    // In Front view the vertical axis is z, growing upward.
    view.Angle = kAngleFront;
    SetMapPoint(b, 0, 0, 0, 160);
    hit = HitTestMission(view, mission, 300, 140);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->flightGroup, &b);
}

TEST_F(InteractionTest, ClicksSelectAddAndClearWithoutToggling) {
    FlightGroup& a = AddFg(0, 0);
    FlightGroup& b = AddFg(320, 0);
    Click(300, 200);
    EXPECT_TRUE(Sel(a) && PtSel(a, 0));
    EXPECT_FALSE(Sel(b));

    // A plain click on another flight group selects it alone.
    Click(Px(320), 200);
    EXPECT_FALSE(Sel(a) || PtSel(a, 0));
    EXPECT_TRUE(Sel(b) && PtSel(b, 0));

    // Ctrl-click adds; Ctrl-click on a selected point changes nothing.
    Click(300, 200, {.ctrl = true});
    EXPECT_TRUE(Sel(a) && Sel(b));
    Click(300, 200, {.ctrl = true});
    EXPECT_TRUE(Sel(a) && PtSel(a, 0) && Sel(b));

    // Empty space: Ctrl keeps the selection, a plain click clears it.
    Click(100, 100, {.ctrl = true});
    EXPECT_TRUE(Sel(a) && Sel(b));
    Click(100, 100);
    EXPECT_FALSE(Sel(a) || Sel(b) || PtSel(a, 0) || PtSel(b, 0));
    EXPECT_EQ(view.MouseMode, kMouseNone);
}

TEST_F(InteractionTest, DraggingASelectedPointMovesEverySelectedPoint) {
    FlightGroup& a = AddFg(0, 0);
    SetMapPoint(a, 4, 160, 160);  // WP1, not selected: stays
    FlightGroup& b = AddFg(320, 0);
    FlightGroup& c = AddFg(-320, 0);  // never selected: stays
    Click(300, 200);
    Click(Px(320), 200, {.ctrl = true});

    auto fx = ia.LeftDown(mission, 300, 200, {});
    EXPECT_TRUE(fx.capture);
    EXPECT_TRUE(a.MapState == 1 && c.MapState == 0);
    fx = ia.MouseMove(mission, 330, 215);  // 30 and 15 pixels: 0.5 and 0.25 km
    EXPECT_TRUE(fx.modified);
    ia.LeftUp(mission, 330, 215, {});

    EXPECT_EQ(a.File.WaypointX(0), 80);
    EXPECT_EQ(a.File.WaypointY(0), 40);
    EXPECT_EQ(b.File.WaypointX(0), 400);
    EXPECT_EQ(a.File.WaypointX(4), 160);
    EXPECT_EQ(c.File.WaypointX(0), -320);
    // The drag ends: both stay selected and nobody takes part any more.
    EXPECT_TRUE(Sel(a) && Sel(b));
    EXPECT_EQ(a.MapState + b.MapState, 0u);
    EXPECT_EQ(ia.AnchorFlightGroup(), nullptr);

    // A press on a point of the multi-selection without moving keeps only its flight group.
    Click(Px(400), Py(40));
    EXPECT_TRUE(Sel(b));
    EXPECT_FALSE(Sel(a) || PtSel(a, 0));
}

TEST_F(InteractionTest, SnappedDragsLandTheGrabbedPointOnTheGrid) {
    FlightGroup& a = AddFg(100, 0);
    FlightGroup& b = AddFg(-300, 0);
    b.Selected = 1;
    b.PointSelected[0] = 1;
    view.SnapIndex = 5;  // 80 raw units

    ia.LeftDown(mission, Px(100), 200, {.ctrl = true});
    // 11 pixels right: asks for x = 100 + 29 = 129, which snaps to 160.
    auto fx = ia.MouseMove(mission, Px(100) + 11, 200);
    EXPECT_TRUE(fx.modified);
    EXPECT_EQ(a.File.WaypointX(0), 160);
    // The other selected flight group moves by the same step.
    EXPECT_EQ(b.File.WaypointX(0), -240);
    // A tiny move does not reach the next grid line: nothing moves, and moves add up.
    fx = ia.MouseMove(mission, Px(100) + 13, 200);
    EXPECT_FALSE(fx.modified);
    EXPECT_EQ(a.File.WaypointX(0), 160);
    ia.MouseMove(mission, Px(100) + 26, 200);
    EXPECT_EQ(a.File.WaypointX(0), 240);
    ia.LeftUp(mission, Px(100) + 26, 200, {});
    EXPECT_EQ(a.File.WaypointY(0), 0);
}

TEST_F(InteractionTest, MovesShorterThanTheDragDistanceAreClicks) {
    ia.SetDragThreshold(4);
    FlightGroup& a = AddFg(0, 0);
    FlightGroup& b = AddFg(320, 0);
    Click(300, 200);
    Click(Px(320), 200, {.ctrl = true});

    // A press on A with a pixel of jitter: nothing moves, and it is a click (only A selected).
    auto fx = ia.LeftDown(mission, 300, 200, {});
    EXPECT_TRUE(fx.beginChange);
    fx = ia.MouseMove(mission, 301, 200);
    EXPECT_FALSE(fx.modified || fx.invalidate);
    fx = ia.MouseMove(mission, 301, 201);
    fx = ia.LeftUp(mission, 301, 201, {});
    EXPECT_TRUE(fx.endChange);
    EXPECT_EQ(a.File.WaypointX(0), 0);
    EXPECT_EQ(a.File.WaypointY(0), 0);
    EXPECT_TRUE(Sel(a) && !Sel(b));

    // Past the distance the whole way counts (3 then 6 pixels right is 0.1 km = 16 raw).
    ia.LeftDown(mission, 300, 200, {});
    EXPECT_FALSE(ia.MouseMove(mission, 303, 200).modified);
    EXPECT_FALSE(ia.Dragging());
    EXPECT_TRUE(ia.MouseMove(mission, 306, 200).modified);
    EXPECT_TRUE(ia.Dragging());
    ia.LeftUp(mission, 306, 200, {});
    EXPECT_EQ(a.File.WaypointX(0), 16);

    // A trembling click on empty space clears but does not pan; a right one still zooms.
    const int scrollX = view.ScrollX;
    Drag(100, 100, 102, 101);
    EXPECT_EQ(view.ScrollX, scrollX);
    EXPECT_FALSE(Sel(a));
    ia.RightDown(400, 200, {});
    ia.MouseMove(mission, 401, 199);
    ia.RightUp(401, 199);
    EXPECT_EQ(view.Zoom, 70);

    // The band draws from the first pixel.
    ia.LeftDown(mission, 100, 100, {.alt = true});
    EXPECT_TRUE(ia.MouseMove(mission, 101, 100).drawBand);
    ia.LeftUp(mission, 101, 100, {});
}

TEST_F(InteractionTest, AFormationDraggedPastTheEdgeKeepsItsShape) {
    // Three selected flight groups near the right end of x dragged far right at zoom 2.
    FlightGroup& a = AddFg(32000, 100);
    FlightGroup& b = AddFg(32300, 200);
    FlightGroup& c = AddFg(32500, -100);
    for (FlightGroup* fg : {&a, &b, &c}) fg->Selected = fg->PointSelected[0] = 1;
    view.Zoom = 2;
    SetScrollPosition(view, 0, 0);
    const int px = int((32000 / 160.0 + 250) * 2), py = int((100 / 160.0 + 250) * 2);
    ia.LeftDown(mission, px, py, {});
    ASSERT_EQ(view.MouseMode, kMousePointDrag);
    ia.MouseMove(mission, px + 30, py + 2);
    ia.MouseMove(mission, px + 60, py + 2);
    ia.LeftUp(mission, px + 60, py + 2, {});
    // c stops at the end; a and b keep their distance to it.
    EXPECT_EQ(c.File.WaypointX(0), 32767);
    EXPECT_EQ(b.File.WaypointX(0), 32567);
    EXPECT_EQ(a.File.WaypointX(0), 32267);
    // The other axis still follows the mouse: 2 pixels down is 160 raw.
    EXPECT_EQ(a.File.WaypointY(0), 260);
    EXPECT_EQ(c.File.WaypointY(0), 60);

    // A further push moves nothing and changes nothing.
    const int ax = int((32267 / 160.0 + 250) * 2), ay = int((260 / 160.0 + 250) * 2);
    ia.LeftDown(mission, ax, ay, {.ctrl = true});
    ASSERT_EQ(view.MouseMode, kMousePointDrag);
    EXPECT_FALSE(ia.MouseMove(mission, ax + 50, ay).modified);
    ia.LeftUp(mission, ax + 50, ay, {});
    EXPECT_EQ(a.File.WaypointX(0), 32267);
}

TEST_F(InteractionTest, DeletingTheGrabbedFlightGroupMidDragLeavesTheRestMovable) {
    AddFg(100, 0);
    FlightGroup& b = AddFg(-300, 0);
    b.Selected = 1;
    b.PointSelected[0] = 1;
    view.SnapIndex = 5;
    ia.LeftDown(mission, Px(100), 200, {.ctrl = true});
    // The Delete key works while the button is held.
    mission.FlightGroups.erase(mission.FlightGroups.begin());
    // Without the grabbed point nothing snaps: b moves the plain 29 raw units of 11 pixels.
    EXPECT_TRUE(ia.MouseMove(mission, Px(100) + 11, 200).modified);
    EXPECT_EQ(b.File.WaypointX(0), -271);
    ia.LeftUp(mission, Px(100) + 11, 200, {});
}

TEST_F(InteractionTest, BandSelectionReplacesTogglesOrAdds) {
    FlightGroup& a = AddFg(0, 0);
    FlightGroup& b = AddFg(160, 0);
    FlightGroup& c = AddFg(320, 0);
    FlightGroup& far = AddFg(0, 800);
    Click(300, 200);
    Click(Px(160), 200, {.ctrl = true});

    // Alt-drag with Shift over two selected points and one unselected toggles each.
    auto fx = ia.LeftDown(mission, 280, 180, {.alt = true});
    EXPECT_EQ(fx.message, kBandSelectionHint);
    EXPECT_TRUE(ia.MouseMove(mission, Px(320) + 20, 220).drawBand);
    EXPECT_FALSE(ia.MouseMove(mission, Px(320) + 20, 220).drawBand);
    fx = ia.LeftUp(mission, Px(320) + 20, 220, {.shift = true});
    EXPECT_TRUE(fx.refreshAll);
    EXPECT_FALSE(Sel(a) || Sel(b));
    EXPECT_TRUE(Sel(c) && PtSel(c, 0));

    // Ctrl adds to the selection; a plain band replaces it.
    Drag(280, Py(800) - 20, 320, Py(800) + 20, {.alt = true}, {.alt = true});  // plain: only `far`
    EXPECT_TRUE(Sel(far));
    EXPECT_FALSE(Sel(c) || PtSel(c, 0));
    Drag(280, 180, 320, 220, {.alt = true}, {.ctrl = true});
    EXPECT_TRUE(Sel(far) && Sel(a));

    // A band drawn from bottom-right to top-left works the same.
    Drag(Px(160) + 20, 220, Px(160) - 20, 180, {.alt = true});
    EXPECT_TRUE(Sel(b));
    EXPECT_FALSE(Sel(a) || Sel(far));

    // With Band Select on, a plain drag on empty space draws the band too;
    // on a flight group it still drags it.
    view.BandSelect = true;
    Drag(280, 180, 320, 220);
    EXPECT_TRUE(Sel(a));
    EXPECT_FALSE(Sel(b));
    const int scrollX = view.ScrollX;
    Drag(300, 200, 300, 240);
    EXPECT_EQ(view.ScrollX, scrollX);
    EXPECT_NE(a.File.WaypointY(0), 0);
}

TEST_F(InteractionTest, BandInFrontViewSelectsByHeight) {
    FlightGroup& high = AddFg(0, 0, 160);  // 1 km up: 60 pixels above the centre line
    FlightGroup& low = AddFg(0, 0, -160);
    view.Angle = kAngleFront;
    Drag(280, 120, 320, 160, {.alt = true});
    EXPECT_TRUE(Sel(high));
    EXPECT_FALSE(Sel(low));
}

TEST_F(InteractionTest, PanFollowsTheMouseAndRightClicksZoomAboutThePoint) {
    AddFg(0, 0);
    Drag(100, 100, 50, 70);  // empty space: the map follows the mouse
    EXPECT_EQ(view.ScrollX, 14750);
    EXPECT_EQ(view.ScrollY, 14830);

    // Right click: a step in, the clicked point to the centre; Ctrl (at the press) zooms out.
    CentreOnMap(view);
    ia.RightDown(400, 200, {});
    auto fx = ia.RightUp(400, 200);
    EXPECT_TRUE(fx.updateSlider && fx.release);
    EXPECT_EQ(view.Zoom, 70);
    EXPECT_EQ(view.ScrollX, 70 * ((400 + 14700) / 60) - 300);
    ia.RightDown(300, 200, {.ctrl = true});
    ia.RightUp(300, 200);
    EXPECT_EQ(view.Zoom, 60);

    // At 1000 the zoom stays, but the clicked point still comes to the centre.
    view.Zoom = 1000;
    SetScrollPosition(view, 250000 - 300, 250000 - 200);
    ia.RightDown(500, 200, {});
    ia.RightUp(500, 200);
    EXPECT_EQ(view.Zoom, 1000);
    EXPECT_EQ(view.ScrollX, 1000 * ((500 + 249700) / 1000) - 300);

    // A right drag of many 5-pixel moves never zooms.
    view.Zoom = 60;
    CentreOnMap(view);
    ia.RightDown(300, 200, {});
    for (int y = 195; y > 0; y -= 5) ia.MouseMove(mission, 300, y);
    ia.RightUp(300, 0);
    EXPECT_EQ(view.Zoom, 60);
    // A 30-pixel move up zooms in by 3.
    ia.RightDown(300, 200, {});
    ia.MouseMove(mission, 300, 170);
    ia.RightUp(300, 170);
    EXPECT_EQ(view.Zoom, 63);
}

TEST_F(InteractionTest, RotationClampsPitchAndWrapsYaw) {
    view.Angle = kAngle3D;
    view.YawDegrees = 359;
    ia.LeftDown(mission, 100, 100, {});
    EXPECT_EQ(view.MouseMode, kMouseRotate);
    ia.MouseMove(mission, 99, 40);  // dx = 1, dy = 60
    EXPECT_EQ(view.YawDegrees, 0);
    EXPECT_EQ(view.PitchDegrees, 90);
    ia.MouseMove(mission, 99, 0);
    EXPECT_EQ(view.PitchDegrees, 90);
    ia.MouseMove(mission, 99, 200);
    EXPECT_EQ(view.PitchDegrees, 0);
    ia.LeftUp(mission, 99, 200, {});
    EXPECT_EQ(view.MouseMode, kMouseNone);

    // With Ctrl the left button pans in 3D; the right button zooms Zoom3D.
    ia.LeftDown(mission, 100, 100, {.ctrl = true});
    EXPECT_EQ(view.MouseMode, kMousePan);
    ia.LeftUp(mission, 100, 100, {});
    ia.RightDown(100, 100, {});
    ia.MouseMove(mission, 100, 0);
    EXPECT_EQ(view.Zoom3D, 200);
    ia.MouseMove(mission, 100, -5000);
    EXPECT_EQ(view.Zoom3D, 1000);
    ia.RightUp(100, -5000);
    EXPECT_EQ(view.MouseMode, kMouseNone);
}

TEST(InteractionCommandsTest, SwitchesAreStoredAtOnceAndWaypointSwitchesExcludeEachOther) {
    testing::FakeSettings settings;
    settings.SetInt("3D View", "Grid", 0);
    settings.SetInt("Settings", "Snap", 42);
    ViewState view;
    LoadMapSettings(view, settings);
    EXPECT_FALSE(view.ShowGrid3D);
    EXPECT_TRUE(view.ShowStalks);
    EXPECT_FALSE(view.BandSelect);  // off until chosen
    EXPECT_EQ(view.SnapIndex, 0);   // out of range: no snap

    InteractionEffects fx;
    CommandState st;
    // The 3D switches are disabled outside 3D, and then do nothing.
    ASSERT_TRUE(MapCommandState(view, kCmdStalks, st));
    EXPECT_FALSE(st.enabled);
    RunMapCommand(view, settings, kCmdStalks, fx);
    EXPECT_TRUE(view.ShowStalks);
    RunMapCommand(view, settings, kCmdView3D, fx);
    RunMapCommand(view, settings, kCmdStalks, fx);
    EXPECT_FALSE(view.ShowStalks);
    EXPECT_EQ(settings.GetInt("3D View", "Stalks", 1), 0);

    RunMapCommand(view, settings, kCmdBandSelect, fx);
    EXPECT_EQ(settings.GetInt("Settings", "BandSelect", 0), 1);
    LoadMapSettings(view, settings);
    EXPECT_TRUE(view.BandSelect);

    RunMapCommand(view, settings, kCmdShowWaypoints, fx);
    EXPECT_TRUE(view.ShowWaypoints);
    RunMapCommand(view, settings, kCmdShowSelectionWaypoints, fx);
    EXPECT_TRUE(view.ShowSelectionWaypoints);
    EXPECT_FALSE(view.ShowWaypoints);
    RunMapCommand(view, settings, kCmdShowWaypoints, fx);
    EXPECT_FALSE(view.ShowSelectionWaypoints);
    // Neither waypoint switch is stored.
    EXPECT_FALSE(settings.Has("Settings", "ShowWaypoints"));

    // Every command of the map has a state; anything else is left to others.
    for (int id : {kCmdStalks, kCmdGrid3D, kCmdSelectionBox, kCmdJoinWaypoints, kCmdShowFGNames,
                   kCmdShowPointNames, kCmdViewTop, kCmdViewFront, kCmdViewSide, kCmdView3D,
                   kCmdZoomIn, kCmdZoomOut, kCmdViewCenter, kCmdAutoSelZoom, kCmdShowWaypoints,
                   kCmdShowSelectionWaypoints, kCmdBandSelect})
        EXPECT_TRUE(MapCommandState(view, id, st)) << id;
    EXPECT_FALSE(MapCommandState(view, kCmdViewCenter + 10000, st));
}

}  // namespace
}  // namespace vantorel
