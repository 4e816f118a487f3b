#pragma once

#include <vector>

#include "flow/TriggerLogic.h"

namespace vantorel {

class FlightGroupRecord;
class MessageRecord;
struct Mission;

// What can never happen in a mission, decided as a least fixed point: no
// flight group arrives at first; then every group whose arrival can be true,
// given the groups found so far, is added, and every group that a group found
// so far drops off (Drop Off Craft), until nothing changes. What the rules
// do not know (a variable type other than a flight group, a condition of
// unknown meaning, an amount the lists do not name) counts as possible, so
// "never" is only ever said of what cannot happen.

// Difficulty levels 6 and 7 read "Never Appears".
bool NeverAppears(const FlightGroupRecord& fg);

// The conditions of each kind, as stored.
ConditionSet ArrivalConditions(const FlightGroupRecord& fg);
ConditionSet DepartureConditions(const FlightGroupRecord& fg);
ConditionSet JumpToOrder4Conditions(const FlightGroupRecord& fg);
ConditionSet MessageConditions(const MessageRecord& message);
ConditionSet GoalSetConditions(const Mission& mission, int team, int set);

// Whether one trigger can be true, given which flight groups can arrive.
bool TriggerCanBeTrue(const Trigger& trigger, const std::vector<bool>& arrives);
// Whether it is impossible because its condition needs a flight group that
// never arrives (as opposed to "false").
bool TriggerWaitsInVain(const Trigger& trigger, const std::vector<bool>& arrives);

bool SetCanBeTrue(const ConditionSet& set, const std::vector<bool>& arrives);
// Impossible whatever arrives: made so by "false" conditions alone, which is
// how a designer says "never" (a flight group that stays has departure
// conditions "false").
bool SetIsFalse(const ConditionSet& set);
// The triggers that make an impossible set impossible (BlameTriggers).
std::vector<int> SetBlame(const ConditionSet& set, const std::vector<bool>& arrives);

// Whether a flight group goal with this sense and condition can be met:
// "must" and "must (as bonus)" goals of a condition that needs the group in
// space cannot when the group never arrives; "must not" goals always can.
bool GoalCanBeMet(int sense, const Trigger& onItsGroup, const std::vector<bool>& arrives);

// Per flight group, whether it can ever arrive.
std::vector<bool> FlightGroupsThatCanArrive(const Mission& mission);

// Flight groups that never arrive and wait for each other round a circle:
// each circle's groups in list order, the circles ordered by their first
// group. A group that waits for itself is a circle of one.
std::vector<std::vector<int>> WaitingCircles(const Mission& mission,
                                             const std::vector<bool>& arrives);

}  // namespace vantorel
