#pragma once

#include <optional>
#include <string>

#include "map/ViewState.h"

namespace vantorel {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// A point on the plane of a flat view, in km: h to the right, v downward.
struct PlanePoint {
    double h = 0;
    double v = 0;
};

// The two world coordinates a flat view shows, in km: (x, y) in Top, (x, z)
// in Front, (y, z) in Side.
struct WorldPair {
    double first = 0;
    double second = 0;
};

// The part of the view plane the window shows, in km, both ends included.
struct VisibleWindow {
    double hMin = 0, hMax = 0, vMin = 0, vMax = 0;
    bool Contains(const PlanePoint& p) const {
        return p.h >= hMin && p.h <= hMax && p.v >= vMin && p.v <= vMax;
    }
};

// Flat views. World coordinates in km; Front and Side turn z upward.
PlanePoint PlaneFromWorld(int angle, double x, double y, double z);
ScreenPoint ScreenFromPlane(const ViewState& view, PlanePoint p);
// The one mapping every flat-view operation uses; in 3D this is
// ProjectPoint3D.
ScreenPoint ScreenFromWorld(const ViewState& view, double x, double y, double z);
WorldPair WorldFromScreen(const ViewState& view, int mx, int my);
VisibleWindow VisibleWorldWindow(const ViewState& view);

// The coordinate read-out of the status bar for the mouse at (mx, my):
// "x, y" with two decimals, or empty off the map and always in 3D.
std::string StatusReadout(const ViewState& view, int mx, int my);

// Turns the pair (a, b) by angle t (radians): a' = cos t a + sin t b,
// b' = cos t b - sin t a.
void RotatePair(double& a, double& b, double t);
// The same on ints, each result truncated (used to pan in 3D).
void RotatePairInt(int& a, int& b, double t);

// Perspective projection of a world point (km) about the flat view's window
// centre. A depth of exactly 0 is taken as 1, so nothing ever divides by 0;
// points behind the eye are projected by the same formula.
ScreenPoint ProjectPoint3D(const ViewState& view, double x, double y, double z);
// As ProjectPoint3D, but no result when the depth is exactly 0 (the 3D grid
// leaves such segments out).
std::optional<ScreenPoint> ProjectPoint3DUnlessFlat(const ViewState& view, double x, double y,
                                                    double z);

// The inverse of ProjectPoint3D on the zero plane: the world (x, y) in km of
// the point at z = 0 that projects to the client point (mx, my). None when
// that ray misses the plane in front of the eye (the mouse is above the
// horizon, or the plane is seen edge on).
std::optional<WorldPair> ZeroPlaneUnder3D(const ViewState& view, int mx, int my);

}  // namespace vantorel
