#include "map/Projection.h"

#include <cmath>
#include <cstdio>

#include "mission/MapUnits.h"

namespace vantorel {

PlanePoint PlaneFromWorld(int angle, double x, double y, double z) {
    switch (angle) {
        case kAngleFront:
            return {x, -z};
        case kAngleSide:
            return {y, -z};
        default:
            return {x, y};
    }
}

ScreenPoint ScreenFromPlane(const ViewState& view, PlanePoint p) {
    return {TruncToInt((p.h + kMapHalfKm) * view.Zoom - view.ScrollX),
            TruncToInt((p.v + kMapHalfKm) * view.Zoom - view.ScrollY)};
}

ScreenPoint ScreenFromWorld(const ViewState& view, double x, double y, double z) {
    if (view.Angle == kAngle3D) return ProjectPoint3D(view, x, y, z);
    return ScreenFromPlane(view, PlaneFromWorld(view.Angle, x, y, z));
}

WorldPair WorldFromScreen(const ViewState& view, int mx, int my) {
    double h = static_cast<double>(mx + view.ScrollX) / view.Zoom - kMapHalfKm;
    double v = static_cast<double>(my + view.ScrollY) / view.Zoom - kMapHalfKm;
    if (view.Angle == kAngleFront || view.Angle == kAngleSide) return {h, -v};
    return {h, v};
}

VisibleWindow VisibleWorldWindow(const ViewState& view) {
    const double zoom = view.Zoom;
    return {view.ScrollX / zoom - kMapHalfKm, (view.ScrollX + view.Width) / zoom - kMapHalfKm,
            view.ScrollY / zoom - kMapHalfKm, (view.ScrollY + view.Height) / zoom - kMapHalfKm};
}

std::string StatusReadout(const ViewState& view, int mx, int my) {
    if (view.Angle == kAngle3D) return {};
    WorldPair w = WorldFromScreen(view, mx, my);
    auto onMap = [](double c) { return c >= -kMapHalfKm && c < kMapHalfKm; };
    if (!onMap(w.first) || !onMap(w.second)) return {};
    char text[64];
    std::snprintf(text, sizeof text, "%.2f, %.2f", w.first, w.second);
    return text;
}

void RotatePair(double& a, double& b, double t) {
    const double c = std::cos(t), s = std::sin(t);
    const double a1 = c * a + s * b;
    const double b1 = c * b - s * a;
    a = a1;
    b = b1;
}

void RotatePairInt(int& a, int& b, double t) {
    const double c = std::cos(t), s = std::sin(t);
    const int a1 = TruncToInt(s * b + c * a);
    const int b1 = TruncToInt(c * b - s * a);
    a = a1;
    b = b1;
}

namespace {

struct Projected {
    ScreenPoint screen;
    bool flat;  // the depth came out exactly 0
};

Projected Project(const ViewState& view, double x, double y, double z) {
    const double cx = (view.Width * 0.5 + view.ScrollX) / view.Zoom - kMapHalfKm;
    const double cy = (view.Height * 0.5 + view.ScrollY) / view.Zoom - kMapHalfKm;
    double X = x - cx, Y = y - cy, Z = z;
    RotatePair(X, Y, view.Yaw);
    RotatePair(Y, Z, view.Pitch);
    double d = Z - 500;
    const bool flat = d == 0;
    if (flat) d = 1;
    const int D = (view.Zoom3D + 1000) * 20;
    // Kept away from the int limits so adding the half window cannot overflow.
    auto offset = [](double value) {
        constexpr double kLimit = 1 << 30;
        if (value > kLimit) value = kLimit;
        if (value < -kLimit) value = -kLimit;
        return TruncToInt(value);
    };
    return {{view.Width / 2 + offset(D * X / d), view.Height / 2 + offset(D * Y / d)}, flat};
}

}  // namespace

ScreenPoint ProjectPoint3D(const ViewState& view, double x, double y, double z) {
    return Project(view, x, y, z).screen;
}

std::optional<ScreenPoint> ProjectPoint3DUnlessFlat(const ViewState& view, double x, double y,
                                                    double z) {
    Projected p = Project(view, x, y, z);
    if (p.flat) return std::nullopt;
    return p.screen;
}

std::optional<WorldPair> ZeroPlaneUnder3D(const ViewState& view, int mx, int my) {
    const double D = (view.Zoom3D + 1000) * 20;
    if (D <= 0) return std::nullopt;
    // With Z = 0 the projection gives Y2 = cos(Pitch) Y1 and depth
    // d = -sin(Pitch) Y1 - 500; the screen offsets are D X1 / d and D Y2 / d.
    const double a = (my - view.Height / 2) / D;
    const double b = (mx - view.Width / 2) / D;
    const double c = std::cos(view.Pitch), s = std::sin(view.Pitch);
    const double denominator = c + a * s;
    if (std::abs(denominator) < 1e-9) return std::nullopt;
    const double y1 = -500 * a / denominator;
    const double d = -s * y1 - 500;
    if (!(d < -1e-6)) return std::nullopt;  // behind the eye, or on it
    double X = b * d, Y = y1;
    RotatePair(X, Y, -view.Yaw);
    const double cx = (view.Width * 0.5 + view.ScrollX) / view.Zoom - kMapHalfKm;
    const double cy = (view.Height * 0.5 + view.ScrollY) / view.Zoom - kMapHalfKm;
    return WorldPair{X + cx, Y + cy};
}

}  // namespace vantorel
