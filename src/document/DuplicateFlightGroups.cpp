#include "document/DuplicateFlightGroups.h"

#include <algorithm>
#include <string>

#include "catalogue/NameLists.h"
#include "document/LevelDocument.h"
#include "document/MissionClipboard.h"
#include "mission/MapUnits.h"

namespace vantorel {

std::vector<int> DuplicateSelectedFlightGroups(LevelDocument& document, int dx, int dy, int dz) {
    MissionClip clip = CopySelectedFlightGroups(document.GetMission());
    if (clip.flightGroups.empty()) return {};
    std::vector<std::string> given;
    for (auto& copy : clip.flightGroups) {
        FlightGroupRecord& r = copy.file;
        // A copy takes the next name of its team's list that no flight group
        // has, as the wizard names new ones; with none left it keeps its own.
        const std::vector<std::string> names = OfferedNames(r.Team(), r.CraftType());
        const auto own = std::find(names.begin(), names.end(), r.Name());
        const int from = own == names.end() ? 0 : int(own - names.begin()) + 1;
        if (const int free = NextFreeName(names, from, document.GetMission(), given); free >= 0) {
            r.SetName(names[size_t(free)]);
            given.push_back(names[size_t(free)]);
        }
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
