#include "map/ScrollZoom.h"

#include <algorithm>

#include "map/MapUnits.h"

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
