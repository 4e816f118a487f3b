#pragma once

#include "draw/Canvas.h"
#include "map/ViewState.h"

namespace vantorel {

struct FlightGroup;
struct Mission;

// One complete paint of the map: black background, the grid (always in the
// flat views, in 3D only with 3D Grid on), then every flight group in list
// order. The canvas must be view.Width x view.Height pixels. Repeating a
// paint without changing the view state gives the same picture.
void PaintMap(Canvas& canvas, const ViewState& view, const Mission& mission);

// The grid of the current angle. Flat views: red lines every km (only above
// Zoom 5), 10 km and 50 km, the main lines through the origin brighter, and
// coordinate labels with axis letters unless a mouse drag is in progress. 3D:
// a blue grid on the zero plane, no labels.
void DrawGrid(Canvas& canvas, const ViewState& view);

// One flight group: its drawn points (DrawnPoints.h) with joining lines,
// stalks in 3D, and markers. Flat views leave out the markers outside the
// window but draw every line.
void DrawFlightGroup(Canvas& canvas, const ViewState& view, const FlightGroup& fg);

// The marker of one point at screen (sx, sy): the craft icon centred on it
// (faded when selected), the selection box, the short point name and the
// flight group's label, as the view's switches ask.
void DrawMarker(Canvas& canvas, const ViewState& view, int sx, int sy, const FlightGroup& fg,
                bool selected, int point);

}  // namespace vantorel
