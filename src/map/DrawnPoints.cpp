#include "map/DrawnPoints.h"

#include "mission/Mission.h"

namespace vantorel {

bool WaypointsShownFor(const ViewState& view, const FlightGroup& fg) {
    return view.ShowWaypoints || (view.ShowSelectionWaypoints && fg.Selected != 0);
}

DrawnPointList DrawnPoints(const ViewState& view, const FlightGroup& fg) {
    DrawnPointList list;
    if (WaypointsShownFor(view, fg)) {
        for (int p = 0; p < kMapPointCount; ++p)
            if (fg.File.WaypointEnabled(p) != 0) list.index[std::size_t(list.count++)] = p;
    } else if (auto start = fg.FirstEnabledStartPoint()) {
        list.index[0] = *start;
        list.count = 1;
    }
    return list;
}

}  // namespace vantorel
