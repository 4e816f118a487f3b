#pragma once

#include <string>

namespace vantorel {

struct Mission;

// The name a team is shown by: the team's own name, or "Team %d" (counted
// from 1) when it has none, when the index is beyond the ten team records or
// when no mission is open. -1 (teams differ) reads "(Multiple Teams)".
std::string TeamName(int team, const Mission* mission);

}  // namespace vantorel
