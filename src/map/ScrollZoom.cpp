#include "map/ScrollZoom.h"

#include <algorithm>
#include <cmath>

#include "map/Projection.h"
#include "mission/MapUnits.h"

namespace vantorel {

namespace {

constexpr int kZoomMax = 1000;
constexpr int kZoomMin = 2;
constexpr int kZoom3DMin = -970;
constexpr int kZoom3DMax = 1000;

int ClampAxis(int value, int extent, int total) {
    if (value < 0) return 0;
    if (value + extent > total) return extent < total ? total - extent : 0;
    return value;
}

}  // namespace

void SetScrollPosition(ViewState& view, int x, int y) {
    const int total = kMapSizeKm * view.Zoom;
    view.ScrollX = ClampAxis(x, view.Width, total);
    view.ScrollY = ClampAxis(y, view.Height, total);
}

void CentreOnMap(ViewState& view) {
    SetScrollPosition(view, std::max(kMapHalfKm * view.Zoom - view.Width / 2, 0),
                      std::max(kMapHalfKm * view.Zoom - view.Height / 2, 0));
}

int ZoomInStep(int zoom) {
    return zoom < 10 ? zoom + 1 : zoom + 10;
}
int ZoomOutStep(int zoom) {
    return zoom < 11 ? zoom - 1 : zoom - 10;
}

void SetZoomAboutCentre(ViewState& view, int zoom) {
    if (zoom < 1) zoom = 1;  // the pixel plane must keep a size
    const double ch = (view.Width * 0.5 + view.ScrollX) / view.Zoom;
    const double cv = (view.Height * 0.5 + view.ScrollY) / view.Zoom;
    view.Zoom = zoom;
    SetScrollPosition(view, std::max(TruncToInt(TruncToInt(zoom * ch) - view.Width * 0.5), 0),
                      std::max(TruncToInt(TruncToInt(zoom * cv) - view.Height * 0.5), 0));
}

void ZoomIn(ViewState& view) {
    if (view.Angle == kAngle3D) {
        view.Zoom3D = std::clamp(ZoomInStep(view.Zoom3D), kZoom3DMin, kZoom3DMax);
        return;
    }
    SetZoomAboutCentre(view, ZoomInStep(view.Zoom));
}

void ZoomOut(ViewState& view) {
    if (view.Angle == kAngle3D) {
        view.Zoom3D = std::clamp(ZoomOutStep(view.Zoom3D), kZoom3DMin, kZoom3DMax);
        return;
    }
    SetZoomAboutCentre(view, ZoomOutStep(view.Zoom));
}

bool ZoomInEnabled(const ViewState& view) {
    return view.Zoom < kZoomMax;
}
bool ZoomOutEnabled(const ViewState& view) {
    return view.Zoom >= 3;
}

void SetZoom(ViewState& view, int sliderValue) {
    if (view.Angle == kAngle3D) {
        view.Zoom3D = sliderValue;
        return;
    }
    SetZoomAboutCentre(view, sliderValue);
}

void ZoomAboutPoint(ViewState& view, int mx, int my, bool zoomOut) {
    const int ch = (mx + view.ScrollX) / view.Zoom;
    const int cv = (my + view.ScrollY) / view.Zoom;
    if (zoomOut) {
        if (view.Zoom > kZoomMin) view.Zoom = ZoomOutStep(view.Zoom);
    } else {
        if (view.Zoom < kZoomMax) view.Zoom = ZoomInStep(view.Zoom);
    }
    SetScrollPosition(view, view.Zoom * ch - view.Width / 2, view.Zoom * cv - view.Height / 2);
}

namespace {

// Sets the scroll position that puts the flat-plane km (h, v) (map
// coordinates, 0..500) at the client point (px, py).
void ScrollToPut(ViewState& view, double h, double v, double px, double py) {
    SetScrollPosition(view, TruncToInt(std::round(h * view.Zoom - px)),
                      TruncToInt(std::round(v * view.Zoom - py)));
}

void ZoomAboutCursor3D(ViewState& view, int mx, int my, int steps) {
    const auto before = ZeroPlaneUnder3D(view, mx, my);
    int zoom = view.Zoom3D;
    for (; steps > 0; --steps) zoom = std::clamp(ZoomInStep(zoom), kZoom3DMin, kZoom3DMax);
    for (; steps < 0; ++steps) zoom = std::clamp(ZoomOutStep(zoom), kZoom3DMin, kZoom3DMax);
    view.Zoom3D = zoom;
    const auto after = ZeroPlaneUnder3D(view, mx, my);
    if (!before || !after) return;
    // What lies under a point of the window depends on the look-at centre
    // only by a shift, so shifting the centre by the difference brings the
    // old point back under the mouse.
    const double cx = (view.Width * 0.5 + view.ScrollX) / view.Zoom + before->first - after->first;
    const double cy =
        (view.Height * 0.5 + view.ScrollY) / view.Zoom + before->second - after->second;
    ScrollToPut(view, cx, cy, view.Width * 0.5, view.Height * 0.5);
}

}  // namespace

void ZoomAboutCursor(ViewState& view, int mx, int my, int steps) {
    if (steps == 0) return;
    if (view.Angle == kAngle3D) {
        ZoomAboutCursor3D(view, mx, my, steps);
        return;
    }
    const double h = static_cast<double>(mx + view.ScrollX) / view.Zoom;
    const double v = static_cast<double>(my + view.ScrollY) / view.Zoom;
    int zoom = view.Zoom;
    for (; steps > 0 && zoom < kZoomMax; --steps) zoom = ZoomInStep(zoom);
    for (; steps < 0 && zoom > kZoomMin; ++steps) zoom = ZoomOutStep(zoom);
    view.Zoom = zoom;
    ScrollToPut(view, h, v, mx, my);
}

void PanBy(ViewState& view, int dx, int dy) {
    if (view.Angle == kAngle3D) {
        // Turn the movement into the rotated map so the map follows the
        // mouse however it is turned.
        RotatePairInt(dx, dy, -view.Yaw);
        dx = -dx;
        dy = -dy;
    }
    SetScrollPosition(view, view.ScrollX + dx, view.ScrollY + dy);
}

void ResizeKeepingCentre(ViewState& view, int width, int height) {
    const double h = (view.Width * 0.5 + view.ScrollX) / view.Zoom;
    const double v = (view.Height * 0.5 + view.ScrollY) / view.Zoom;
    view.Width = width;
    view.Height = height;
    ScrollToPut(view, h, v, width * 0.5, height * 0.5);
}

ZoomSlider ZoomSliderState(const ViewState& view) {
    if (view.Angle == kAngle3D) return {kZoom3DMin, kZoom3DMax, view.Zoom3D};
    return {kZoomMin, kZoomMax, view.Zoom};
}

void SetAngle(ViewState& view, int angle) {
    if (angle < kAngleTop || angle > kAngle3D) return;
    view.Angle = angle;
}

void SetRotationDegrees(ViewState& view, int yawDegrees, int pitchDegrees) {
    view.YawDegrees = ((yawDegrees % 360) + 360) % 360;
    view.PitchDegrees = std::clamp(pitchDegrees, 0, 90);
    view.Yaw = view.YawDegrees * kRadiansPerDegree;
    view.Pitch = view.PitchDegrees * kRadiansPerDegree;
}

void RawBounds::Add(int h, int v) {
    minH = std::min(minH, h);
    maxH = std::max(maxH, h);
    minV = std::min(minV, v);
    maxV = std::max(maxV, v);
}

void CentreOnRawBounds(ViewState& view, const RawBounds& b) {
    const double h = KmFromRaw(b.minH + (b.maxH - b.minH) / 2);
    const double c = KmFromRaw(b.minV + (b.maxV - b.minV) / 2);
    const double v = (view.Angle == kAngleFront || view.Angle == kAngleSide) ? -c : c;
    SetScrollPosition(
        view, std::max(TruncToInt(view.Zoom * h) + kMapHalfKm * view.Zoom - view.Width / 2, 0),
        std::max(TruncToInt(view.Zoom * v) + kMapHalfKm * view.Zoom - view.Height / 2, 0));
}

}  // namespace vantorel
