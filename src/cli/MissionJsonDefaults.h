#pragma once

#include "mission/Mission.h"

namespace vantorel::cli {

// What `write` starts from where the JSON leaves something out, and what
// `dump` compares with to find the bytes no field names: the records of a
// new mission, flight group and message as the editor makes them.
const Mission& NewMissionTemplate();  // Balance of Power, a melee, no flight group
const MissionHeader& DefaultMissionHeader();
const FlightGroupRecord& DefaultFlightGroupRecord();
const TeamRecord& DefaultTeamRecord(int team);
const GlobalGoalsRecord& DefaultGlobalGoalsRecord();

}  // namespace vantorel::cli
