#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/MissionEdit.h"
#include "mission/Mission.h"

namespace vantorel {

// Flight groups are named by their place in the list: triggers (of flight
// groups, messages and team goals), order targets, motherships and the
// flight group tags of briefings hold a position. Deleting flight groups
// moves every later one up, so these fields have to follow, or they would
// quietly name another flight group.

// A field that names no flight group: no group can stand there once a delete
// has brought the list below the game's limit of 255.
inline constexpr uint8_t kNoFlightGroup = 255;

// One line for every field that matters to the game (a trigger that is not
// plain true or false, an order target, a mothership the group comes or goes
// through, a briefing's flight group tag) and names one of the flight groups
// at `positions`, outside those groups themselves: "Arrival of Alpha: 100% of
// flight group X-wing Bravo must be destroyed", "Briefing 1 at 0:04.00:
// flight group tag 1: Bravo (3)".
std::vector<std::string> ReferencesToFlightGroups(const Mission& mission,
                                                  const std::vector<int>& positions);

// The edit that keeps every field of the flight groups that stay, the
// messages, the team goals and the briefings on the flight group it names
// once the groups at `deleted` are taken out: later groups are renumbered,
// the deleted ones become kNoFlightGroup. Made before the delete, applied
// with it.
std::unique_ptr<MissionEdit> KeepReferencesAcrossDeletion(Mission& mission,
                                                          const std::vector<int>& deleted);

}  // namespace vantorel
