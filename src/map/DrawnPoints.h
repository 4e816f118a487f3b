#pragma once

#include <array>

#include "map/ViewState.h"

namespace vantorel {

struct FlightGroup;

// The map shows points S1..S4, WP1..WP8, RVZ and HYP; the briefing points
// after them never appear.
inline constexpr int kMapPointCount = 14;

// Whether all of a flight group's points are shown, or only its position:
// Show Waypoints is on, or Show Selection Waypoints and the group is
// selected.
bool WaypointsShownFor(const ViewState& view, const FlightGroup& fg);

// The points the map draws (and the mouse can grab) for a flight group, in
// index order: its enabled points 0..13 when waypoints are shown, otherwise
// just its first enabled start point, and nothing without one.
struct DrawnPointList {
    std::array<int, kMapPointCount> index{};
    int count = 0;
    const int* begin() const { return index.data(); }
    const int* end() const { return index.data() + count; }
};
DrawnPointList DrawnPoints(const ViewState& view, const FlightGroup& fg);

}  // namespace vantorel
