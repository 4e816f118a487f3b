#include "cli/MissionJsonDefaults.h"

#include "document/LevelDocument.h"

namespace vantorel::cli {

const Mission& NewMissionTemplate() {
    static const Mission mission = [] {
        Mission m;
        SetNewMissionDefaults(m, true, 2);
        return m;
    }();
    return mission;
}

const MissionHeader& DefaultMissionHeader() {
    return NewMissionTemplate().Header;
}

const FlightGroupRecord& DefaultFlightGroupRecord() {
    static const FlightGroupRecord record = MakeDefaultFlightGroup()->File;
    return record;
}

const TeamRecord& DefaultTeamRecord(int team) {
    return NewMissionTemplate().Teams[size_t(team)];
}

const GlobalGoalsRecord& DefaultGlobalGoalsRecord() {
    return NewMissionTemplate().GlobalGoals[0];
}

}  // namespace vantorel::cli
