#include <gtest/gtest.h>

#include <cmath>

#include "map/Projection.h"
#include "map/ScrollZoom.h"
#include "map/SnapDrag.h"
#include "mission/MapUnits.h"
#include "support/MapScene.h"

namespace vantorel {
namespace {

using testing::MapWindow;

// The scroll position as one comparable pair.
std::pair<int, int> Scroll(const ViewState& v) {
    return {v.ScrollX, v.ScrollY};
}

void ExpectNear(WorldPair got, double x, double y, double within) {
    EXPECT_NEAR(got.first, x, within);
    EXPECT_NEAR(got.second, y, within);
}

TEST(MapUnits, RawConversionRoundsHalfAwayFromZeroAndClampsWhenStored) {
    EXPECT_EQ(RawFromKm(0.05), 8);
    EXPECT_EQ(RawFromKm(-0.05), -8);
    EXPECT_EQ(RawFromKm(0.003), 0);
    EXPECT_DOUBLE_EQ(KmFromRaw(-32768), -204.8);

    // Beyond +-204.8 km a stored value stops at the end, never wrapping to the other side.
    EXPECT_EQ(RawFromKm(250.0), 40000);
    EXPECT_EQ(StoredRawFromKm(250.0), 32767);
    EXPECT_EQ(StoredRawFromKm(-250.0), -32768);
    EXPECT_EQ(StoredRawFromKm(1e300), 32767);
    EXPECT_EQ(RawFromKm(-1e300), INT32_MIN);
}

TEST(MapProjection, InitialViewCentredOn600x400ReadsZeroAtTheMiddle) {
    ViewState v = MapWindow(600, 400);
    EXPECT_EQ(Scroll(v), std::pair(14700, 14800));
    EXPECT_EQ(StatusReadout(v, 300, 200), "0.00, 0.00");
    EXPECT_EQ(ScreenFromWorld(v, 0, 0, 0), (ScreenPoint{300, 200}));
    // One pixel to the left and up is a negative x and y in the top view.
    EXPECT_EQ(StatusReadout(v, 240, 140), "-1.00, -1.00");

    v.Angle = kAngle3D;
    EXPECT_EQ(StatusReadout(v, 300, 200), "");
}

TEST(MapProjection, FrontViewTurnsZUpward) {
    ViewState v = MapWindow(600, 1000, kAngleFront);
    ScreenPoint ground = ScreenFromWorld(v, 0, 0, 0);
    ScreenPoint raised = ScreenFromWorld(v, 0, 0, 10);
    EXPECT_EQ(ground.x, raised.x);
    EXPECT_EQ(ground.y - raised.y, 600);
    WorldPair read = WorldFromScreen(v, raised.x, raised.y);
    EXPECT_DOUBLE_EQ(read.second, 10.0);
    EXPECT_EQ(StatusReadout(v, raised.x, raised.y), "0.00, 10.00");

    // Side shows y across and z up.
    v.Angle = kAngleSide;
    EXPECT_EQ(ScreenFromWorld(v, 99, 1, 0).x - ScreenFromWorld(v, 99, 0, 0).x, 60);
}

TEST(MapProjection, ReadoutIsEmptyOffTheMapAndAtItsFarEdge) {
    ViewState v = MapWindow(600, 400);
    SetScrollPosition(v, 0, 0);
    EXPECT_EQ(StatusReadout(v, 0, 0), "-250.00, -250.00");
    v.Zoom = 1;
    v.Width = 800;
    v.Height = 800;
    SetScrollPosition(v, 0, 0);
    EXPECT_EQ(StatusReadout(v, 500, 10), "");  // x = +250 is past the map
    EXPECT_EQ(StatusReadout(v, 499, 10), "249.00, -240.00");
}

TEST(MapProjection3D, CentreProjectsToWindowCentreAndDepthZeroDoesNotFail) {
    ViewState v = MapWindow(600, 400, kAngle3D);
    EXPECT_EQ(ProjectPoint3D(v, 0, 0, 0), (ScreenPoint{300, 200}));
    // A new window is turned as its angles say, before any drag turns it.
    ViewState turned = v;
    SetRotationDegrees(turned, v.YawDegrees, v.PitchDegrees);
    EXPECT_EQ(ProjectPoint3D(v, 40, 30, 20), ProjectPoint3D(turned, 40, 30, 20));

    // With no pitch, a point 500 km up has a rotated depth of exactly 0: it is
    // projected with depth 1 and lands far away, and the grid variant skips it.
    SetRotationDegrees(v, 0, 0);
    ScreenPoint far = ProjectPoint3D(v, 1, 0, 500);
    EXPECT_EQ(far.x, 300 + 22000);
    EXPECT_EQ(far.y, 200);
    EXPECT_FALSE(ProjectPoint3DUnlessFlat(v, 1, 0, 500).has_value());
    EXPECT_TRUE(ProjectPoint3DUnlessFlat(v, 1, 0, 0).has_value());

    // Points right next to the eye give huge offsets but no overflow.
    EXPECT_GT(std::abs(ProjectPoint3D(v, 200, 0, 500 - 1e-12).x - 300), 1000000);

    // The picture scales with (Zoom3D + 1000) * 20.
    SetRotationDegrees(v, 225, 45);
    ScreenPoint px = ProjectPoint3D(v, 10, 0, 0);
    EXPECT_NE(px.x, 300);
    v.Zoom3D = 1000;
    EXPECT_NEAR(ProjectPoint3D(v, 10, 0, 0).x - 300, (px.x - 300) * 40000.0 / 22000.0, 1.0);

    // The pan of the 3D view turns mouse moves with truncating integers.
    int a = 10, b = 0;
    RotatePairInt(a, b, -kPi / 4);
    EXPECT_EQ(a, 7);  // 7.07
    EXPECT_EQ(b, 7);  // -sin(-pi/4) * 10
}

TEST(MapScroll, ClampsToThePixelPlane) {
    ViewState v = MapWindow(600, 400);
    SetScrollPosition(v, -5, 1000000);
    EXPECT_EQ(Scroll(v), std::pair(0, 500 * 60 - 400));

    // A window wider than the plane always sits at 0.
    v.Zoom = 2;
    v.Width = 1000;
    SetScrollPosition(v, 5, 0);
    EXPECT_EQ(v.ScrollX, 0);
    v.Width = 999;
    SetScrollPosition(v, 5, 0);
    EXPECT_EQ(v.ScrollX, 1);
}

TEST(MapZoom, StepsAroundTenAndTwenty) {
    EXPECT_EQ(ZoomOutStep(11), 1);
    EXPECT_EQ(ZoomInStep(9), 10);
    EXPECT_EQ(ZoomInStep(10), 20);
    EXPECT_EQ(ZoomOutStep(10), 9);

    ViewState v = MapWindow(600, 400);
    v.Zoom = 1000;
    EXPECT_FALSE(ZoomInEnabled(v));
    v.Zoom = 2;
    EXPECT_FALSE(ZoomOutEnabled(v));
}

TEST(MapZoom, CommandsKeepTheCentreAndStep3DWithinTheSliderRange) {
    ViewState v = MapWindow(600, 400);
    SetScrollPosition(v, v.ScrollX + 600, v.ScrollY - 120);  // centre at (10, -2) km
    ZoomIn(v);
    EXPECT_EQ(v.Zoom, 70);
    ExpectNear(WorldFromScreen(v, 300, 200), 10.0, -2.0, 1.0 / 70);
    ZoomOut(v);
    ZoomOut(v);
    EXPECT_EQ(v.Zoom, 50);
    ExpectNear(WorldFromScreen(v, 300, 200), 10.0, -2.0, 1.0 / 50);

    v.Angle = kAngle3D;
    const int scrollX = v.ScrollX;
    ZoomIn(v);
    EXPECT_EQ(v.Zoom3D, 110);
    EXPECT_EQ(v.Zoom, 50);
    EXPECT_EQ(v.ScrollX, scrollX);
    v.Zoom3D = 995;
    ZoomIn(v);
    EXPECT_EQ(v.Zoom3D, 1000);
    v.Zoom3D = -969;
    ZoomOut(v);
    ZoomOut(v);
    EXPECT_EQ(v.Zoom3D, -970);

    EXPECT_EQ(ZoomSliderState(v).min, -970);
    SetAngle(v, kAngleSide);
    EXPECT_EQ(ZoomSliderState(v).position, 50);
    SetAngle(v, 7);
    EXPECT_EQ(v.Angle, kAngleSide);
}

TEST(MapZoom, WheelKeepsWhatIsUnderTheMouseUnderIt) {
    ViewState v = MapWindow(600, 400);
    const WorldPair before = WorldFromScreen(v, 100, 350);
    ZoomAboutCursor(v, 100, 350, 1);
    EXPECT_EQ(v.Zoom, 70);
    ExpectNear(WorldFromScreen(v, 100, 350), before.first, before.second, 1.0 / 70);
    // Three notches out in the steps of the commands: 70, 60, 50, 40.
    ZoomAboutCursor(v, 100, 350, -3);
    EXPECT_EQ(v.Zoom, 40);
    ExpectNear(WorldFromScreen(v, 100, 350), before.first, before.second, 1.0 / 40);
    // Held at the ends as a right click is.
    ZoomAboutCursor(v, 0, 0, -20);
    EXPECT_EQ(v.Zoom, 2);
    v.Zoom = 995;
    ZoomAboutCursor(v, 0, 0, 3);
    EXPECT_EQ(v.Zoom, 1005);

    // Side view: the same, with z upward.
    ViewState side = MapWindow(600, 400, kAngleSide);
    const WorldPair s0 = WorldFromScreen(side, 580, 20);
    ZoomAboutCursor(side, 580, 20, 2);
    EXPECT_NEAR(WorldFromScreen(side, 580, 20).second, s0.second, 1.0 / 80);

    // 3D: the point of the zero plane under the mouse stays under it, and
    // Zoom3D takes the commands' steps within the slider's range.
    ViewState v3 = MapWindow(800, 600, kAngle3D);
    const auto ground = ZeroPlaneUnder3D(v3, 650, 500);
    ASSERT_TRUE(ground);
    const ScreenPoint back = ProjectPoint3D(v3, ground->first, ground->second, 0);
    EXPECT_NEAR(back.x, 650, 1);
    EXPECT_NEAR(back.y, 500, 1);
    ZoomAboutCursor(v3, 650, 500, 30);
    EXPECT_EQ(v3.Zoom3D, 400);
    const ScreenPoint kept = ProjectPoint3D(v3, ground->first, ground->second, 0);
    EXPECT_NEAR(kept.x, 650, 2);
    EXPECT_NEAR(kept.y, 500, 2);
    ZoomAboutCursor(v3, 650, 500, 100);
    EXPECT_EQ(v3.Zoom3D, 1000);
    // Above the horizon there is no ground to hold: only the zoom changes.
    SetRotationDegrees(v3, 0, 85);
    v3.Zoom3D = -900;
    const int scrollY = v3.ScrollY;
    EXPECT_FALSE(ZeroPlaneUnder3D(v3, 400, 0));
    EXPECT_TRUE(ZeroPlaneUnder3D(v3, 400, 599));
    ZoomAboutCursor(v3, 400, 0, -1);
    EXPECT_EQ(v3.Zoom3D, -901);  // below 11 the steps are of 1, as the commands take them
    EXPECT_EQ(v3.ScrollY, scrollY);
}

TEST(MapScroll, ResizeKeepsTheCentreAndPanTurnsIn3D) {
    ViewState v = MapWindow(1200, 800);
    SetScrollPosition(v, v.ScrollX + 600, v.ScrollY);  // (10, 0) km at the centre
    ResizeKeepingCentre(v, 500, 300);
    ExpectNear(WorldFromScreen(v, 250, 150), 10.0, 0.0, 1.0 / 60);
    EXPECT_EQ(v.Width, 500);
    // Still clamped to the plane.
    v.Zoom = 2;
    ResizeKeepingCentre(v, 1200, 800);
    EXPECT_EQ(v.ScrollX, 0);

    ViewState flat = MapWindow(600, 400);
    const int x = flat.ScrollX;
    PanBy(flat, 15, -5);
    EXPECT_EQ(flat.ScrollX, x + 15);
    ViewState turned = MapWindow(600, 400, kAngle3D);
    SetRotationDegrees(turned, 180, 45);
    const auto [tx, ty] = Scroll(turned);
    PanBy(turned, 15, -5);  // turned half round: the pan runs the other way
    EXPECT_EQ(Scroll(turned), std::pair(tx + 15, ty - 5));
}

TEST(MapCentre, OnBoundsAndOnNothing) {
    ViewState v = MapWindow(600, 400);
    SetScrollPosition(v, 0, 0);
    CentreOnRawBounds(v, RawBounds{});
    EXPECT_EQ(Scroll(v), std::pair(14700, 14800));

    RawBounds b;
    b.Add(1600, 320);   // (10, 2) km
    b.Add(3200, -320);  // (20, -2) km
    CentreOnRawBounds(v, b);
    ExpectNear(WorldFromScreen(v, 300, 200), 15.0, 0.0, 1e-9);

    // Front: the pair is (x, z) and z runs up the screen.
    v.Angle = kAngleFront;
    RawBounds up;
    up.Add(0, 1600);
    CentreOnRawBounds(v, up);
    EXPECT_DOUBLE_EQ(WorldFromScreen(v, 300, 200).second, 10.0);
}

TEST(MapSnap, LandsTheAnchorOnTheGridRoundingFromItsOldSide) {
    ViewState v = MapWindow(600, 400);
    v.SnapIndex = 5;
    EXPECT_EQ(SnapStepRaw(5), 80);
    EXPECT_EQ(SnapStepRaw(3), 48);
    EXPECT_EQ(SnapStepRaw(0), 0);

    // The mouse moved 30 raw to the right at Zoom 160 (1 pixel = 1 raw).
    v.Zoom = 160;
    RawPoint anchor{100, 0, 0};
    SnapStep s = SnapDrag(v, -30, 0, &anchor);
    EXPECT_EQ(ApplySnapStep(kAngleTop, anchor, s).x, 160);
    EXPECT_TRUE(s.renewRefX);
    EXPECT_FALSE(s.renewRefY);

    RawPoint atZero{0, 0, 0};
    s = SnapDrag(v, -130, 0, &atZero);
    EXPECT_EQ(ApplySnapStep(kAngleTop, atZero, s).x, 80);

    // Front: dragging down lowers z.
    v.Angle = kAngleFront;
    RawPoint high{0, 7, 160};
    s = SnapDrag(v, 0, -80, &high);
    RawPoint moved = ApplySnapStep(kAngleFront, high, s);
    EXPECT_EQ(moved.z, 80);
    EXPECT_EQ(moved.y, 7);
    EXPECT_TRUE(s.renewRefY);

    // Without snap the raw step is used as it is and both references renew.
    v.SnapIndex = 0;
    s = SnapDrag(v, -7, 3, &anchor);
    EXPECT_EQ(s.dH, -7);
    EXPECT_EQ(s.dV, 3);
    EXPECT_TRUE(s.renewRefX && s.renewRefY);
    v.SnapIndex = 5;
    s = SnapDrag(v, -7, 3, nullptr);
    EXPECT_EQ(s.dH, -7);
}

TEST(MapSnap, DragPastTheStoredRangeStopsAtItsEnd) {
    ViewState v = MapWindow(600, 400);
    v.Zoom = 2;
    RawPoint p{32000, -32000, 0};
    // 1000 pixels at zoom 2 is 500 km: far more than a coordinate holds.
    SnapStep s = SnapDrag(v, -1000, 1000, &p);
    RawPoint moved = ApplySnapStep(kAngleTop, p, s);
    EXPECT_EQ(moved.x, 32767);
    EXPECT_EQ(moved.y, -32768);

    v.SnapIndex = 10;
    s = SnapDrag(v, -1000, 0, &p);
    EXPECT_EQ(ApplySnapStep(kAngleTop, p, s).x, 32767);

    RawPoint side{0, -32760, 32760};
    SnapStep manual{100, 100, true, true};
    EXPECT_EQ(ApplySnapStep(kAngleSide, side, manual), (RawPoint{0, -32768, 32767}));
}

TEST(MapSnap, AGroupOfPointsStopsTogetherAtTheEdge) {
    RawBox box;
    box.Add({32000, 100, -32700});
    box.Add({32700, -200, -32000});
    // 400 raw to the right and down in Top: x may only grow by 67.
    SnapStep s = FitStepToRange(kAngleTop, {-400, -400, true, true}, box, nullptr, 0);
    EXPECT_EQ(s.dH, -67);
    EXPECT_EQ(s.dV, -400);  // y is far from its ends
    EXPECT_TRUE(s.renewRefX && s.renewRefY);
    // Front: z grows with dV, and the lowest z is 68 above the bottom.
    s = FitStepToRange(kAngleFront, {0, -100, false, true}, box, nullptr, 0);
    EXPECT_EQ(s.dV, -68);
    // Side: y is across; nothing to shorten.
    s = FitStepToRange(kAngleSide, {5000, 0, true, false}, box, nullptr, 0);
    EXPECT_EQ(s.dH, 5000);

    // With snap the anchor stops on the last grid line short of the edge:
    // at 32000 + 80k <= 32000 + 67 that is where it already is.
    RawPoint anchor{32000, 100, -32700};
    s = FitStepToRange(kAngleTop, {-80, 0, true, false}, box, &anchor, 80);
    EXPECT_FALSE(s.Moves());
    RawBox one;
    one.Add({32600, 0, 0});
    RawPoint lone{32600, 0, 0};
    s = FitStepToRange(kAngleTop, {-400, 0, true, false}, one, &lone, 80);
    EXPECT_EQ(lone.x - s.dH, 32720);  // 409 * 80
    // Off the grid with no grid line within reach: it goes to the edge.
    RawBox tight;
    tight.Add({32700, 0, 0});
    RawPoint near{32700, 0, 0};
    s = FitStepToRange(kAngleTop, {-160, 0, true, false}, tight, &near, 160);
    EXPECT_EQ(near.x - s.dH, 32767);
}

}  // namespace
}  // namespace vantorel
