#pragma once

#include "map/ViewState.h"

namespace vantorel {

// None of these repaint: the caller repaints after changing the view.

// Clamps the scroll position so the window stays inside the pixel plane of
// 500 x Zoom pixels per axis (a window larger than the plane scrolls to 0).
// Also the thing to call after a resize, with the current position.
void SetScrollPosition(ViewState& view, int x, int y);

// Puts world (0, 0) at the window centre.
void CentreOnMap(ViewState& view);

// One zoom step from a given zoom: by 1 below 10 (in) / 11 (out), else by 10.
int ZoomInStep(int zoom);
int ZoomOutStep(int zoom);

// The Zoom In / Zoom Out commands. In the flat views the zoom changes about
// the window centre; in 3D they step Zoom3D, kept within the slider's
// -970..1000 so the perspective never degenerates.
void ZoomIn(ViewState& view);
void ZoomOut(ViewState& view);
bool ZoomInEnabled(const ViewState& view);
bool ZoomOutEnabled(const ViewState& view);

// Sets the flat zoom keeping the map point at the window centre where it is.
void SetZoomAboutCentre(ViewState& view, int zoom);

// The zoom slider moved: the flat zoom about the centre, or Zoom3D in 3D.
void SetZoom(ViewState& view, int sliderValue);

// A right click without dragging at (mx, my): one zoom step in (out when
// zoomOut), held at 1000 / 2, and the clicked km brought to the centre.
void ZoomAboutPoint(ViewState& view, int mx, int my, bool zoomOut);

// The mouse wheel: `steps` zoom steps (positive in, negative out) in the
// steps of the zoom commands, with what lies under (mx, my) kept there. The
// flat zoom stops at 2 and 1000 like a right click; in 3D Zoom3D steps
// within -970..1000 and the point of the zero plane under the mouse stays
// put (the look-at centre moves), unless the mouse is above the horizon.
void ZoomAboutCursor(ViewState& view, int mx, int my, int steps);

// Moves the map by (dx, dy) pixels of scroll, as a pan drag does: in 3D the
// movement is first turned with the view so the map follows the mouse.
void PanBy(ViewState& view, int dx, int dy);

// The window was resized: the map point at the window centre stays there
// (clamped like any scroll position), so a window made smaller by Cascade
// or Tile still shows what it showed.
void ResizeKeepingCentre(ViewState& view, int width, int height);

struct ZoomSlider {
    int min = 0;
    int max = 0;
    int position = 0;
};
// Range and position of the toolbar's zoom slider for the current angle.
ZoomSlider ZoomSliderState(const ViewState& view);

// Changes the angle (0..3; others ignored). The flat views share one scroll
// position and zoom, so nothing else changes.
void SetAngle(ViewState& view, int angle);

// Sets the 3D rotation: yaw wraps into 0..359, pitch is held at 0..90, and
// the radians follow.
void SetRotationDegrees(ViewState& view, int yawDegrees, int pitchDegrees);

// Bounds of raw view-plane pairs, starting empty the way the centring code
// always has (minima 65535, maxima -65535).
struct RawBounds {
    int minH = 65535, maxH = -65535;
    int minV = 65535, maxV = -65535;
    void Add(int h, int v);
};

// Scrolls so the middle of the bounds is at the window centre. The bounds
// hold raw (x, y) in Top and 3D, (x, z) in Front and Side; with nothing
// added the world origin is centred.
void CentreOnRawBounds(ViewState& view, const RawBounds& bounds);

}  // namespace vantorel
