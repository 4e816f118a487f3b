#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "mission/Trigger.h"

namespace vantorel {

// The conditions of one arrival, departure, jump to order 4, radio message,
// team goal set or flight group goal, with the and/or bytes that join them.
struct ConditionSet {
    std::array<Trigger, 4> triggers{};
    int count = 4;  // 4 (arrival, message, goal set), 2 (departure, jump) or 1 (a goal)
    uint8_t andOr12 = kAnd;
    uint8_t andOr34 = kAnd;
    uint8_t andOr1234 = kAnd;
};

// How the game joins the conditions is decided here and nowhere else.
//
// The arrival page, the message page and the team goal page join 1 and 2
// with their first and/or byte, 3 and 4 with their second, and the two
// pairs with the third: (1 op 2) op (3 op 4), as `report` writes it. Two
// conditions are joined by their one byte; a goal has one condition.
//
// An and/or byte holds the index of the page's radio button, 0 AND and
// 1 OR. What the game makes of any other value is not known, so it counts as
// OR: that joining is true whenever AND would be, and the analysis must
// never call impossible what might happen.
bool JoinsByOr(uint8_t andOr);

// Whether the set can be true, given which of its triggers can.
bool CanBeTrue(const ConditionSet& set, const std::array<bool, 4>& triggerCanBeTrue);

// The triggers (0..count-1) that together make an impossible set
// impossible: of an AND the one side that is impossible, preferring a side
// made impossible by "false" alone (the shortest story); of an OR both
// sides. Empty when the set can be true. `isFalse` marks the triggers whose
// condition is "false".
std::vector<int> BlameTriggers(const ConditionSet& set, const std::array<bool, 4>& triggerCanBeTrue,
                               const std::array<bool, 4>& isFalse);

}  // namespace vantorel
