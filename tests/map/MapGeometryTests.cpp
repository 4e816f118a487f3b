#include <gtest/gtest.h>

#include <cmath>

#include "map/MapUnits.h"
#include "map/Projection.h"
#include "map/ScrollZoom.h"
#include "map/SnapDrag.h"

namespace vantorel {
namespace {

ViewState Window(int w, int h, int angle = kAngleTop) {
    ViewState v;
    v.Width = w;
    v.Height = h;
    v.Angle = angle;
    return v;
}

TEST(MapUnits, RawConversionRoundsHalfAwayFromZeroAndClampsWhenStored) {
    EXPECT_EQ(RawFromKm(0.05), 8);
    EXPECT_EQ(RawFromKm(-0.05), -8);
    EXPECT_EQ(RawFromKm(0.003), 0);
    EXPECT_DOUBLE_EQ(KmFromRaw(-32768), -204.8);

    // Beyond +-204.8 km a stored value stops at the end of the range; it
    // must never wrap to the opposite side of the map.
    EXPECT_EQ(RawFromKm(250.0), 40000);
    EXPECT_EQ(StoredRawFromKm(250.0), 32767);
    EXPECT_EQ(StoredRawFromKm(-250.0), -32768);
    EXPECT_EQ(StoredRawFromKm(1e300), 32767);
    EXPECT_EQ(RawFromKm(-1e300), INT32_MIN);
}

TEST(MapProjection, InitialViewCentredOn600x400ReadsZeroAtTheMiddle) {
    ViewState v = Window(600, 400);
    CentreOnMap(v);
    EXPECT_EQ(v.ScrollX, 14700);
    EXPECT_EQ(v.ScrollY, 14800);
    EXPECT_EQ(StatusReadout(v, 300, 200), "0.00, 0.00");
    EXPECT_EQ(ScreenFromWorld(v, 0, 0, 0), (ScreenPoint{300, 200}));
    // One pixel to the left and up is a negative x and y in the top view.
    EXPECT_EQ(StatusReadout(v, 240, 140), "-1.00, -1.00");

    v.Angle = kAngle3D;
    EXPECT_EQ(StatusReadout(v, 300, 200), "");
}

TEST(MapProjection, FrontViewTurnsZUpward) {
    ViewState v = Window(600, 1000, kAngleFront);
    CentreOnMap(v);
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
    ViewState v = Window(600, 400);
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
    ViewState v = Window(600, 400, kAngle3D);
    CentreOnMap(v);
    EXPECT_EQ(ProjectPoint3D(v, 0, 0, 0), (ScreenPoint{300, 200}));

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
    ViewState v = Window(600, 400);
    SetScrollPosition(v, -5, 1000000);
    EXPECT_EQ(v.ScrollX, 0);
    EXPECT_EQ(v.ScrollY, 500 * 60 - 400);

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

    ViewState v = Window(600, 400);
    v.Zoom = 1000;
    EXPECT_FALSE(ZoomInEnabled(v));
    v.Zoom = 2;
    EXPECT_FALSE(ZoomOutEnabled(v));
}

TEST(MapZoom, CommandsKeepTheCentreAndStep3DWithinTheSliderRange) {
    ViewState v = Window(600, 400);
    CentreOnMap(v);
    SetScrollPosition(v, v.ScrollX + 600, v.ScrollY - 120);  // centre at (10, -2) km
    ZoomIn(v);
    EXPECT_EQ(v.Zoom, 70);
    WorldPair c = WorldFromScreen(v, 300, 200);
    EXPECT_NEAR(c.first, 10.0, 1.0 / 70);
    EXPECT_NEAR(c.second, -2.0, 1.0 / 70);
    ZoomOut(v);
    ZoomOut(v);
    EXPECT_EQ(v.Zoom, 50);
    c = WorldFromScreen(v, 300, 200);
    EXPECT_NEAR(c.first, 10.0, 1.0 / 50);

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

TEST(MapCentre, OnBoundsAndOnNothing) {
    ViewState v = Window(600, 400);
    CentreOnRawBounds(v, RawBounds{});
    EXPECT_EQ(v.ScrollX, 14700);
    EXPECT_EQ(v.ScrollY, 14800);

    RawBounds b;
    b.Add(1600, 320);   // (10, 2) km
    b.Add(3200, -320);  // (20, -2) km
    CentreOnRawBounds(v, b);
    WorldPair c = WorldFromScreen(v, 300, 200);
    EXPECT_DOUBLE_EQ(c.first, 15.0);
    EXPECT_DOUBLE_EQ(c.second, 0.0);

    // Front: the pair is (x, z) and z runs up the screen.
    v.Angle = kAngleFront;
    RawBounds up;
    up.Add(0, 1600);
    CentreOnRawBounds(v, up);
    EXPECT_DOUBLE_EQ(WorldFromScreen(v, 300, 200).second, 10.0);
}

TEST(MapSnap, LandsTheAnchorOnTheGridRoundingFromItsOldSide) {
    ViewState v = Window(600, 400);
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

    // A small move that does not reach the next grid line moves nothing and
    // keeps the reference so it adds up with the next one.
    RawPoint onGrid{160, 80, 0};
    s = SnapDrag(v, -10, 0, &onGrid);
    EXPECT_FALSE(s.Moves());
    EXPECT_FALSE(s.renewRefX);

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
    ViewState v = Window(600, 400);
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

}  // namespace
}  // namespace vantorel
