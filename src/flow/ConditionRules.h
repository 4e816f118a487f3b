#pragma once

#include <span>

namespace vantorel {

// What a trigger's condition needs before the game can find it true, for the
// "never" analysis of the mission's flow. The rule of that analysis is never
// to call something impossible that might happen: only "false" and the
// conditions that need their flight group to have been in space can make a
// trigger impossible; everything else, known or not, may come true.
enum class ConditionNeed {
    Always,           // "true"
    Never,            // "false"
    FlightGroupHere,  // true only once its flight group has been in space
    Possible,         // may come true whatever arrives: exists, "not" and goal conditions, ...
};

struct ConditionRule {
    int condition;     // the stored Condition byte
    const char* word;  // its word in the catalogue's condition list
    ConditionNeed need;
    // For FlightGroupHere, what the chains of the check say: "Bravo destroyed"
    // is what a goal needs, and "Alpha is destroyed" when a group arrives.
    const char* needs;
    const char* when;
};

// One row for each of the catalogue's 47 conditions, in order.
std::span<const ConditionRule> ConditionRules();

// The row of a condition; null for a value past the list, whose meaning is
// not known (it is taken as possible).
const ConditionRule* FindConditionRule(int condition);
ConditionNeed NeedOf(int condition);

}  // namespace vantorel
