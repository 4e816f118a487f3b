#pragma once

#include <optional>

#include "map/DrawnPoints.h"
#include "map/SnapDrag.h"
#include "map/ViewState.h"

namespace vantorel {

struct FlightGroup;
struct Mission;

struct MapHit {
    int point = -1;    // the point that was hit
    int distance = 0;  // raw units from the mouse, truncated
};

struct MissionHit {
    FlightGroup* flightGroup = nullptr;
    int index = -1;  // position of the flight group in the list
    int point = -1;
};

// The raw pair of a point on the plane of a flat view: (x, y) in Top and 3D,
// (x, z) in Front, (y, z) in Side.
void RawViewPair(int angle, const RawPoint& p, int& h, int& v);
RawPoint RawPointOf(const FlightGroup& fg, int point);
void SetRawPoint(FlightGroup& fg, int point, const RawPoint& p);

// The mouse position in raw view-plane units, as hit tests and bands use it:
// v is a raw y in Top and a raw z (upward) in Front and Side.
void RawFromMouse(const ViewState& view, int mx, int my, int& h, int& v);

// Which of a flight group's shown points lies under the mouse: within 9
// pixels across and 11 down at the current zoom. The nearest candidate is
// kept (the later one on a tie) and must be inside that box. Flat views
// only: nothing is ever hit in 3D.
std::optional<MapHit> HitTest(const ViewState& view, const FlightGroup& fg, int mx, int my);

// The hit nearest to the mouse over the whole list. Of hits as near, a
// selected flight group wins, else the earlier one.
std::optional<MissionHit> HitTestMission(const ViewState& view, Mission& mission, int mx, int my);

}  // namespace vantorel
