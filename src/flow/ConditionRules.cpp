#include "flow/ConditionRules.h"

#include <array>

namespace vantorel {

namespace {

using enum ConditionNeed;

// The conditions that need their flight group in space are the events that
// happen to craft that are there: arriving, being destroyed, attacked,
// captured, inspected, boarded, docking, disabled, dropped off, reinforced,
// the shield and hull levels, missiles run out, boarding begun, bagged,
// withdrawing, carried away. The "not" conditions hold for a group that never
// came, "exist" and the goal conditions are the game's own business, and the
// rows marked (?) or unknown are not understood: all of those stay possible.
constexpr std::array<ConditionRule, 47> kRules = {{
    {0, "true", Always, nullptr, nullptr},
    {1, "must arrive", FlightGroupHere, "to arrive", "arrives"},
    {2, "must be destroyed", FlightGroupHere, "destroyed", "is destroyed"},
    {3, "must be attacked", FlightGroupHere, "attacked", "is attacked"},
    {4, "must be captured", FlightGroupHere, "captured", "is captured"},
    {5, "must be inspected", FlightGroupHere, "inspected", "is inspected"},
    {6, "must be boarded", FlightGroupHere, "boarded", "is boarded"},
    {7, "must finish docking", FlightGroupHere, "to finish docking", "finishes docking"},
    {8, "must be disabled", FlightGroupHere, "disabled", "is disabled"},
    {9, "must exist", Possible, nullptr, nullptr},
    {10, "false", Never, nullptr, nullptr},
    {11, "(unknown: 11)", Possible, nullptr, nullptr},
    {12, "must complete its mission", Possible, nullptr, nullptr},
    {13, "must complete its primary goal", Possible, nullptr, nullptr},
    {14, "must fail its primary goal", Possible, nullptr, nullptr},
    {15, "must complete its secondary goal", Possible, nullptr, nullptr},
    {16, "must fail its secondary goal", Possible, nullptr, nullptr},
    {17, "must complete bonus goal", Possible, nullptr, nullptr},
    {18, "must fail bonus goal", Possible, nullptr, nullptr},
    {19, "must be dropped off", FlightGroupHere, "dropped off", "is dropped off"},
    {20, "must be reinforced", FlightGroupHere, "reinforced", "is reinforced"},
    {21, "must have 0% shields", FlightGroupHere, "at 0% shields", "has 0% shields"},
    {22, "must be at 50% hull", FlightGroupHere, "at 50% hull", "is at 50% hull"},
    {23, "must run out of missiles", FlightGroupHere, "to run out of missiles",
     "runs out of missiles"},
    {24, "must arrive (?)", Possible, nullptr, nullptr},
    {25, "must be dropped off", FlightGroupHere, "dropped off", "is dropped off"},
    {26, "must be destroyed in one shot", Possible, nullptr, nullptr},
    {27, "must not be disabled", Possible, nullptr, nullptr},
    {28, "must not be bagged", Possible, nullptr, nullptr},
    {29, "must be destroyed without inspection", Possible, nullptr, nullptr},
    {30, "must be docked with", Possible, nullptr, nullptr},
    {31, "must not be docked with", Possible, nullptr, nullptr},
    {32, "must begin boarding", FlightGroupHere, "to begin boarding", "begins boarding"},
    {33, "must not begin boarding", Possible, nullptr, nullptr},
    {34, "must have 50% shields", FlightGroupHere, "at 50% shields", "has 50% shields"},
    {35, "must have 25% shields", FlightGroupHere, "at 25% shields", "has 25% shields"},
    {36, "must be at 75% hull", FlightGroupHere, "at 75% hull", "is at 75% hull"},
    {37, "must be at 25% hull", FlightGroupHere, "at 25% hull", "is at 25% hull"},
    {38, "(unknown: 38)", Possible, nullptr, nullptr},
    {39, "(unknown: 39)", Possible, nullptr, nullptr},
    {40, "(unknown: 40)", Possible, nullptr, nullptr},
    {41, "must be all player craft", Possible, nullptr, nullptr},
    {42, "must reinforced by AI (?)", Possible, nullptr, nullptr},
    {43, "must come and go", Possible, nullptr, nullptr},
    {44, "must be bagged", FlightGroupHere, "bagged", "is bagged"},
    {45, "must withdraw", FlightGroupHere, "to withdraw", "withdraws"},
    {46, "must be carried away", FlightGroupHere, "carried away", "is carried away"},
}};

}  // namespace

std::span<const ConditionRule> ConditionRules() {
    return kRules;
}

const ConditionRule* FindConditionRule(int condition) {
    if (condition < 0 || condition >= int(kRules.size())) return nullptr;
    return &kRules[size_t(condition)];
}

ConditionNeed NeedOf(int condition) {
    const ConditionRule* rule = FindConditionRule(condition);
    return rule ? rule->need : Possible;
}

}  // namespace vantorel
