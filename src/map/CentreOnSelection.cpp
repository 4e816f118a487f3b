#include "map/CentreOnSelection.h"

#include "map/DrawnPoints.h"
#include "map/ScrollZoom.h"
#include "mission/Mission.h"

namespace vantorel {

void CentreOnSelection(ViewState& view, const Mission& mission) {
    const bool waypointsShown = view.ShowWaypoints || view.ShowSelectionWaypoints;
    RawBounds bounds;
    for (const auto& fg : mission.FlightGroups) {
        if (!fg->Selected) continue;
        const auto start = fg->FirstEnabledStartPoint();
        for (int p = 0; p < kMapPointCount; ++p) {
            const bool counts =
                (start && p == *start) || (waypointsShown && fg->PointSelected[std::size_t(p)]);
            if (!counts) continue;
            const auto& r = fg->File;
            switch (view.Angle) {
                case kAngleFront:
                    bounds.Add(r.WaypointX(p), r.WaypointZ(p));
                    break;
                case kAngleSide:
                    bounds.Add(r.WaypointY(p), r.WaypointZ(p));
                    break;
                default:
                    bounds.Add(r.WaypointX(p), r.WaypointY(p));
                    break;
            }
        }
    }
    CentreOnRawBounds(view, bounds);
}

}  // namespace vantorel
