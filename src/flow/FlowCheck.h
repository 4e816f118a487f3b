#pragma once

#include <vector>

#include "document/MissionCheck.h"

namespace vantorel {

struct Mission;
struct MissionFlow;

// What the mission's flow shows can never happen, as problems of the
// mission check, each with the chain that explains it: a team whose primary
// goal can never be completed can never win (an error); flight groups that
// never arrive, groups that wait for each other round a circle, messages
// never sent, departures that never happen and goals that can never be
// completed are warnings. A group that never appears by its difficulty
// level is the check's own warning and is not said again here.
std::vector<Problem> CheckMissionFlow(const Mission& mission);
std::vector<Problem> CheckMissionFlow(const Mission& mission, const MissionFlow& flow);

}  // namespace vantorel
