#pragma once

#include "map/Projection.h"

namespace vantorel {

// Where the briefing map looks and how close. The game's units for the move
// and zoom events are not documented, so this is our choice, made so that
// the numbers mean something to a designer and a briefing made by Make
// Briefing frames its groups as the map's Zoom to Fit frames them:
//
// - move map (x, y), and the place of a text tag, are in the units of the
//   flight groups' positions (1/160 km): the point at the map's centre;
// - zoom map (x, y) is pixels per km across and down on a map of
//   kBriefingMapWidth x kBriefingMapHeight pixels, the map's own Zoom unit.
//
// The preview scales that map to its window, so it approximates the game's
// framing rather than reproducing it.
inline constexpr int kBriefingMapWidth = 640;
inline constexpr int kBriefingMapHeight = 400;
// Pixels per km of the nominal map for one unit of a zoom event.
inline constexpr double kBriefingPixelsPerKmPerZoomUnit = 1.0;
// Before any zoom event: about 40 km across.
inline constexpr int kBriefingDefaultZoom = 16;

struct BriefingView {
    int x = 0;  // the centre, in position units (1/160 km)
    int y = 0;
    int zoomX = kBriefingDefaultZoom;
    int zoomY = kBriefingDefaultZoom;
    bool operator==(const BriefingView&) const = default;
};

// The game's map laid into a part of the canvas: the nominal map scaled to
// fit the area, centred in it, with the same proportions.
class BriefingViewport {
public:
    // The area is the canvas rectangle the map may use.
    BriefingViewport(int areaWidth, int areaHeight, const BriefingView& view);

    // The canvas rectangle the game's map covers.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Canvas pixels per pixel of the nominal map.
    double Scale() const { return scale_; }
    const BriefingView& View() const { return view_; }
    // Canvas pixels per km across and down; never 0 (a zoom of 0 or less
    // is drawn as 1, so nothing divides by 0).
    double PixelsPerKmX() const;
    double PixelsPerKmY() const;

    // A point in position units to canvas pixels, and back.
    ScreenPoint ScreenFromUnits(int x, int y) const;
    void UnitsFromScreen(int sx, int sy, double& x, double& y) const;

private:
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    double scale_ = 1;
    BriefingView view_;
};

// The view that frames every point of the bounds (position units) the way
// Zoom to Fit frames a map window of the nominal size.
struct UnitBounds {
    int minX = 0, maxX = 0, minY = 0, maxY = 0;
    bool empty = true;
    void Add(int x, int y);
};
BriefingView FitBriefingView(const UnitBounds& bounds);

// The preview looked at another way, before "Move map here" and "Zoom here"
// write it down: the mouse wheel zooms `steps` steps (positive in, each a
// quarter more) keeping what lies under (mx, my) there; a drag moves the map
// with the mouse by (dx, dy) pixels.
BriefingView ZoomBriefingView(const BriefingViewport& viewport, int mx, int my, int steps);
BriefingView PanBriefingView(const BriefingViewport& viewport, int dx, int dy);

// A view held within what events can say: centre and zoom are signed 16-bit.
BriefingView ClampBriefingView(double x, double y, double zoomX, double zoomY);

}  // namespace vantorel
