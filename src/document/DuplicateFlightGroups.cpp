#include "document/DuplicateFlightGroups.h"

#include "document/LevelDocument.h"
#include "document/MissionClipboard.h"
#include "mission/MapUnits.h"

namespace vantorel {

std::vector<int> DuplicateSelectedFlightGroups(LevelDocument& document, int dx, int dy, int dz) {
    MissionClip clip = CopySelectedFlightGroups(document.GetMission());
    if (clip.flightGroups.empty()) return {};
    for (auto& copy : clip.flightGroups) {
        FlightGroupRecord& r = copy.file;
        for (int p = kFirstStartPoint; p < kFirstStartPoint + kStartPointCount; ++p) {
            r.SetWaypointX(p, ClampRaw(static_cast<long long>(r.WaypointX(p)) + dx));
            r.SetWaypointY(p, ClampRaw(static_cast<long long>(r.WaypointY(p)) + dy));
            r.SetWaypointZ(p, ClampRaw(static_cast<long long>(r.WaypointZ(p)) + dz));
        }
    }
    PasteResult pasted = PasteClip(document, clip, "Duplicate");
    if (!pasted.pasted) return {};
    return pasted.flightGroups;
}

}  // namespace vantorel
