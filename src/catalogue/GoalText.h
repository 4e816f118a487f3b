#pragma once

#include <string>

namespace vantorel {

struct Mission;

// The sentence for one flight group goal, e.g. "Imperial: 100% of flight
// group X-W Red must be destroyed". flightGroupText names the flight group
// (normally FlightGroupLabel); sense is the goal's must / must-not byte.
// -1 in any number means the selected records differ.
std::string GoalText(int team, int amount, const std::string& flightGroupText, int sense,
                     int condition, const Mission* mission);

}  // namespace vantorel
