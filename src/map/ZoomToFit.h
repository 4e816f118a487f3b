#pragma once

#include "map/ViewState.h"

namespace vantorel {

struct Mission;

// Room left between the outermost points and the window's edges after Zoom
// to Fit, in pixels: enough for a marker, and on the right for its name.
inline constexpr int kFitMarginLeft = 40;
inline constexpr int kFitMarginTop = 28;
inline constexpr int kFitMarginRight = 120;
inline constexpr int kFitMarginBottom = 28;
// Points all in one place are shown as if they spanned this many km, so a
// lone flight group is not blown up to the largest zoom.
inline constexpr int kFitLeastSpanKm = 10;

// Zoom to Fit: zooms and scrolls so every point the map draws in the view's
// mode (DrawnPoints: positions, or every enabled point S1..HYP of the groups
// whose waypoints show) is in view, inside the margins above. In the flat views
// the zoom is the largest that fits (2..1000) and the points are centred; in
// 3D the look-at centre goes to the middle of the points and Zoom3D is the
// largest that fits (-970..1000). With no enabled point the map is centred
// and the zoom left as it is.
void ZoomToFit(ViewState& view, const Mission& mission);

// The flat-view part of Zoom to Fit for points of the view plane (km, v
// downward) between the bounds given: the zoom that fits them, centred
// between the margins. The briefing frames its flight groups with it.
void ZoomToFitPlane(ViewState& view, double minH, double maxH, double minV, double maxV);

// The map draws markers, but none of them inside the window (flat views;
// 3D culls nothing). A mission that first shows like this is offered Zoom
// to Fit.
bool AllMarkersOutOfView(const ViewState& view, const Mission& mission);

}  // namespace vantorel
