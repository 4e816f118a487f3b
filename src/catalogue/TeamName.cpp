#include "catalogue/TeamName.h"

#include "catalogue/ConditionWordLists.h"
#include "mission/Mission.h"

namespace vantorel {

std::string TeamName(int team, const Mission* mission) {
    if (team == kMixed) return "(Multiple Teams)";
    if (mission && team >= 0 && team < kTeamCount) {
        std::string name = mission->Teams[static_cast<std::size_t>(team)].Name();
        if (!name.empty()) return name;
    }
    return "Team " + std::to_string(team + 1);
}

}  // namespace vantorel
