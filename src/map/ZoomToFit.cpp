#include "map/ZoomToFit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "map/DrawnPoints.h"
#include "map/Projection.h"
#include "map/ScrollZoom.h"
#include "mission/MapUnits.h"
#include "mission/Mission.h"

namespace vantorel {

namespace {

constexpr int kZoomMin = 2;
constexpr int kZoomMax = 1000;
constexpr int kZoom3DMin = -970;
constexpr int kZoom3DMax = 1000;

// Exactly what the map draws in the view's mode: a waypoint that is not
// shown must not shrink the markers into a corner.
template <class Visit>
void ForEachDrawnPoint(const ViewState& view, const Mission& mission, Visit visit) {
    for (const auto& fg : mission.FlightGroups) {
        const auto& r = fg->File;
        for (int p : DrawnPoints(view, *fg))
            visit(KmFromRaw(r.WaypointX(p)), KmFromRaw(r.WaypointY(p)), KmFromRaw(r.WaypointZ(p)));
    }
}

struct Bounds {
    double minH = std::numeric_limits<double>::max();
    double maxH = std::numeric_limits<double>::lowest();
    double minV = std::numeric_limits<double>::max();
    double maxV = std::numeric_limits<double>::lowest();
    bool Empty() const { return minH > maxH; }
    void Add(double h, double v) {
        minH = std::min(minH, h);
        maxH = std::max(maxH, h);
        minV = std::min(minV, v);
        maxV = std::max(maxV, v);
    }
};

void FitFlat(ViewState& view, const Bounds& b) {
    const int roomH = std::max(1, view.Width - kFitMarginLeft - kFitMarginRight);
    const int roomV = std::max(1, view.Height - kFitMarginTop - kFitMarginBottom);
    // The points fill the room; only points all in one place (nothing to
    // span) are shown as if they spanned the least span.
    const double spanH = b.maxH - b.minH, spanV = b.maxV - b.minV;
    const double unbounded = std::numeric_limits<double>::max();
    const double fit = spanH <= 0 && spanV <= 0 ? std::min(roomH, roomV) / double(kFitLeastSpanKm)
                                                : std::min(spanH > 0 ? roomH / spanH : unbounded,
                                                           spanV > 0 ? roomV / spanV : unbounded);
    view.Zoom = std::clamp(static_cast<int>(std::floor(fit)), kZoomMin, kZoomMax);
    // The middle of the points at the middle of the room between the margins.
    const double h = (b.minH + b.maxH) / 2 + kMapHalfKm;
    const double v = (b.minV + b.maxV) / 2 + kMapHalfKm;
    const double px = kFitMarginLeft + roomH / 2.0;
    const double py = kFitMarginTop + roomV / 2.0;
    SetScrollPosition(view, TruncToInt(std::round(h * view.Zoom - px)),
                      TruncToInt(std::round(v * view.Zoom - py)));
}

void Fit3D(ViewState& view, const Mission& mission, const Bounds& b) {
    // The look-at centre is the flat view's window centre.
    const double h = (b.minH + b.maxH) / 2 + kMapHalfKm;
    const double v = (b.minV + b.maxV) / 2 + kMapHalfKm;
    SetScrollPosition(view, TruncToInt(std::round(h * view.Zoom - view.Width * 0.5)),
                      TruncToInt(std::round(v * view.Zoom - view.Height * 0.5)));
    const double cx = (view.Width * 0.5 + view.ScrollX) / view.Zoom - kMapHalfKm;
    const double cy = (view.Height * 0.5 + view.ScrollY) / view.Zoom - kMapHalfKm;

    // The screen offset of a point from the window centre is D times its
    // offset at D = 1, so the largest D that fits is a minimum over the
    // points. Points behind the eye no zoom brings into view.
    const double left = view.Width / 2 - kFitMarginLeft, right = view.Width / 2 - kFitMarginRight;
    const double up = view.Height / 2 - kFitMarginTop, down = view.Height / 2 - kFitMarginBottom;
    double most = std::numeric_limits<double>::max();
    ForEachDrawnPoint(view, mission, [&](double x, double y, double z) {
        double X = x - cx, Y = y - cy, Z = z;
        RotatePair(X, Y, view.Yaw);
        RotatePair(Y, Z, view.Pitch);
        const double d = Z - 500;
        if (d >= 0) return;
        const double ox = X / d, oy = Y / d;
        if (ox > 0) most = std::min(most, std::max(right, 1.0) / ox);
        if (ox < 0) most = std::min(most, std::max(left, 1.0) / -ox);
        if (oy > 0) most = std::min(most, std::max(down, 1.0) / oy);
        if (oy < 0) most = std::min(most, std::max(up, 1.0) / -oy);
    });
    if (most == std::numeric_limits<double>::max()) return;
    // D = (Zoom3D + 1000) * 20.
    const double zoom3D = std::floor(most / 20) - 1000;
    view.Zoom3D = static_cast<int>(std::clamp<double>(zoom3D, kZoom3DMin, kZoom3DMax));
}

}  // namespace

void ZoomToFit(ViewState& view, const Mission& mission) {
    const bool is3D = view.Angle == kAngle3D;
    Bounds b;
    ForEachDrawnPoint(view, mission, [&](double x, double y, double z) {
        // The plane of the view, v downward; 3D centres on the x/y plane.
        const PlanePoint p = PlaneFromWorld(is3D ? kAngleTop : view.Angle, x, y, z);
        b.Add(p.h, p.v);
    });
    if (b.Empty()) {
        CentreOnMap(view);
        return;
    }
    if (is3D)
        Fit3D(view, mission, b);
    else
        FitFlat(view, b);
}

void ZoomToFitPlane(ViewState& view, double minH, double maxH, double minV, double maxV) {
    Bounds b;
    b.Add(minH, minV);
    b.Add(maxH, maxV);
    FitFlat(view, b);
}

bool AllMarkersOutOfView(const ViewState& view, const Mission& mission) {
    if (view.Angle == kAngle3D) return false;
    const VisibleWindow window = VisibleWorldWindow(view);
    bool any = false;
    for (const auto& fg : mission.FlightGroups) {
        const auto& r = fg->File;
        for (int p : DrawnPoints(view, *fg)) {
            const PlanePoint at =
                PlaneFromWorld(view.Angle, KmFromRaw(r.WaypointX(p)), KmFromRaw(r.WaypointY(p)),
                               KmFromRaw(r.WaypointZ(p)));
            if (window.Contains(at)) return false;
            any = true;
        }
    }
    return any;
}

}  // namespace vantorel
