#include "briefing/BriefingViewport.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "map/ZoomToFit.h"
#include "mission/MapUnits.h"

namespace vantorel {

namespace {

double ZoomOf(int zoom) {
    return std::max(zoom, 1) * kBriefingPixelsPerKmPerZoomUnit;
}

int Word(double v) {
    return int(std::clamp(std::round(v), double(INT16_MIN), double(INT16_MAX)));
}

}  // namespace

BriefingViewport::BriefingViewport(int areaWidth, int areaHeight, const BriefingView& view)
    : view_(view) {
    areaWidth = std::max(areaWidth, 1);
    areaHeight = std::max(areaHeight, 1);
    scale_ =
        std::min(double(areaWidth) / kBriefingMapWidth, double(areaHeight) / kBriefingMapHeight);
    width_ = std::max(1, int(std::lround(kBriefingMapWidth * scale_)));
    height_ = std::max(1, int(std::lround(kBriefingMapHeight * scale_)));
    left_ = (areaWidth - width_) / 2;
    top_ = (areaHeight - height_) / 2;
}

double BriefingViewport::PixelsPerKmX() const {
    return ZoomOf(view_.zoomX) * scale_;
}
double BriefingViewport::PixelsPerKmY() const {
    return ZoomOf(view_.zoomY) * scale_;
}

ScreenPoint BriefingViewport::ScreenFromUnits(int x, int y) const {
    const double dx = KmFromRaw(x) - KmFromRaw(view_.x);
    const double dy = KmFromRaw(y) - KmFromRaw(view_.y);
    return {left_ + width_ / 2 + TruncToInt(std::floor(dx * PixelsPerKmX())),
            top_ + height_ / 2 + TruncToInt(std::floor(dy * PixelsPerKmY()))};
}

void BriefingViewport::UnitsFromScreen(int sx, int sy, double& x, double& y) const {
    x = view_.x + (sx - (left_ + width_ / 2)) / PixelsPerKmX() * kRawPerKm;
    y = view_.y + (sy - (top_ + height_ / 2)) / PixelsPerKmY() * kRawPerKm;
}

void UnitBounds::Add(int x, int y) {
    if (empty) {
        minX = maxX = x;
        minY = maxY = y;
        empty = false;
        return;
    }
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
}

BriefingView FitBriefingView(const UnitBounds& b) {
    if (b.empty) return {};
    ViewState map;
    map.Width = kBriefingMapWidth;
    map.Height = kBriefingMapHeight;
    ZoomToFitPlane(map, KmFromRaw(b.minX), KmFromRaw(b.maxX), KmFromRaw(b.minY), KmFromRaw(b.maxY));
    // The point at the window's centre: the margins of Zoom to Fit are not
    // the same on both sides, and the briefing keeps them.
    const double h = (map.ScrollX + map.Width / 2.0) / map.Zoom - kMapHalfKm;
    const double v = (map.ScrollY + map.Height / 2.0) / map.Zoom - kMapHalfKm;
    const double zoom = map.Zoom / kBriefingPixelsPerKmPerZoomUnit;
    return ClampBriefingView(h * kRawPerKm, v * kRawPerKm, zoom, zoom);
}

BriefingView ZoomBriefingView(const BriefingViewport& vp, int mx, int my, int steps) {
    double x = 0, y = 0;
    vp.UnitsFromScreen(mx, my, x, y);
    const double factor = std::pow(1.25, steps);
    const BriefingView& v = vp.View();
    const double oldX = std::max(1, v.zoomX), oldY = std::max(1, v.zoomY);
    const BriefingView zoomed = ClampBriefingView(0, 0, oldX * factor, oldY * factor);
    // The point under the mouse stays: its distance from the centre shrinks
    // by what the zoom grew.
    const double fx = zoomed.zoomX / oldX, fy = zoomed.zoomY / oldY;
    return ClampBriefingView(x - (x - v.x) / fx, y - (y - v.y) / fy, zoomed.zoomX, zoomed.zoomY);
}

BriefingView PanBriefingView(const BriefingViewport& vp, int dx, int dy) {
    const BriefingView& v = vp.View();
    return ClampBriefingView(v.x - dx / vp.PixelsPerKmX() * kRawPerKm,
                             v.y - dy / vp.PixelsPerKmY() * kRawPerKm, v.zoomX, v.zoomY);
}

BriefingView ClampBriefingView(double x, double y, double zoomX, double zoomY) {
    BriefingView v;
    v.x = Word(x);
    v.y = Word(y);
    v.zoomX = std::max(1, Word(zoomX));
    v.zoomY = std::max(1, Word(zoomY));
    return v;
}

}  // namespace vantorel
