#pragma once

// Small missions for the flow tests: flight groups Alpha, Bravo, Charlie, ...
// that arrive at once (every condition "true") until a test says otherwise.
#include <string>

#include "mission/Mission.h"
#include "support/MissionGenerator.h"

namespace vantorel::testing {

inline Mission FlowMission(int flightGroups, int messages = 0) {
    static const char* const kNames[] = {"Alpha", "Bravo",   "Charlie", "Delta",
                                         "Echo",  "Foxtrot", "Golf",    "Hotel"};
    Mission m = MakeEmptyMission(14, flightGroups, messages);
    for (int i = 0; i < flightGroups; ++i) {
        FlightGroupRecord& r = m.FlightGroups[size_t(i)]->File;
        r.SetName(i < 8 ? kNames[i] : "FG" + std::to_string(i));
        r.SetNumberOfCraft(1);
        r.SetCraftType(1);  // X-wing
        r.SetWaypointEnabled(0, 1);
        // New flight groups stay: their departure and goals say "false".
        r.SetDepartureTrigger(0, {10, 0, 0, 0});
        r.SetDepartureTrigger(1, {10, 0, 0, 0});
        for (int g = 0; g < FlightGroupRecord::kGoalCount; ++g) r.Goals(g).SetCondition(10);
    }
    return m;
}

inline FlightGroupRecord& Fg(Mission& m, int i) {
    return m.FlightGroups[size_t(i)]->File;
}

inline constexpr uint8_t kMustArrive = 1, kMustBeDestroyed = 2, kMustBeDroppedOff = 19;

inline Trigger Destroyed(int fg) {
    return {kMustBeDestroyed, 1, uint8_t(fg), 0};
}
inline Trigger Arrived(int fg) {
    return {kMustArrive, 1, uint8_t(fg), 0};
}
inline Trigger False() {
    return {10, 0, 0, 0};
}

}  // namespace vantorel::testing
