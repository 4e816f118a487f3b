#include "map/InteractionSelection.h"

#include "map/InteractionHitTest.h"
#include "mission/Mission.h"

namespace vantorel {

namespace {
void ClearPoints(FlightGroup& fg) {
    for (int i = 0; i < kMapPointCount; ++i) fg.PointSelected[size_t(i)] = 0;
}
}  // namespace

void ClearMapSelection(Mission& mission) {
    for (auto& fg : mission.FlightGroups) {
        fg->Selected = 0;
        ClearPoints(*fg);
    }
}

void KeepOnlySelected(Mission& mission, const FlightGroup& keep) {
    for (auto& fg : mission.FlightGroups) {
        if (fg.get() == &keep) {
            fg->Selected = 1;
        } else {
            fg->Selected = 0;
            ClearPoints(*fg);
        }
    }
}

bool AnyEnabledPointSelected(const FlightGroup& fg) {
    for (int i = 0; i < kMapPointCount; ++i)
        if (fg.File.WaypointEnabled(i) && fg.PointSelected[size_t(i)]) return true;
    return false;
}

}  // namespace vantorel
