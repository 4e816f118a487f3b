#include "catalogue/ConditionWordLists.h"

#include <array>

namespace vantorel {

namespace {

// Entries such as "(unknown: 11)" are part of the lists as the game's tools
// showed them, so a list position and its word always agree.
constexpr std::array<const char*, 47> kConditions = {
    "true",
    "must arrive",
    "must be destroyed",
    "must be attacked",
    "must be captured",
    "must be inspected",
    "must be boarded",
    "must finish docking",
    "must be disabled",
    "must exist",
    "false",
    "(unknown: 11)",
    "must complete its mission",
    "must complete its primary goal",
    "must fail its primary goal",
    "must complete its secondary goal",
    "must fail its secondary goal",
    "must complete bonus goal",
    "must fail bonus goal",
    "must be dropped off",
    "must be reinforced",
    "must have 0% shields",
    "must be at 50% hull",
    "must run out of missiles",
    "must arrive (?)",
    "must be dropped off",
    "must be destroyed in one shot",
    "must not be disabled",
    "must not be bagged",
    "must be destroyed without inspection",
    "must be docked with",
    "must not be docked with",
    "must begin boarding",
    "must not begin boarding",
    "must have 50% shields",
    "must have 25% shields",
    "must be at 75% hull",
    "must be at 25% hull",
    "(unknown: 38)",
    "(unknown: 39)",
    "(unknown: 40)",
    "must be all player craft",
    "must reinforced by AI (?)",
    "must come and go",
    "must be bagged",
    "must withdraw",
    "must be carried away",
};

constexpr std::array<const char*, 24> kVariableTypes = {
    "none",          "flight group",         "ship type",     "ship category", "object category",
    "IFF code",      "craft with orders to", "craft when",    "global group",  "(unknown: 9)",
    "(unknown: 10)", "(unknown: 11)",        "team",          "(unknown: 13)", "(unknown: 14)",
    "(unknown: 15)", "(unknown: 16)",        "(unknown: 17)", "(unknown: 18)", "(unknown: 19)",
    "(unknown: 20)", "all teams except",     "(unknown: 22)", "global unit",
};

constexpr std::array<const char*, 19> kAmounts = {
    "100% of",
    "75% of",
    "50% of",
    "25% of",
    "At least one of",
    "All but one of",
    "The special craft in",
    "All non-special craft in",
    "All non-player craft in",
    "All player craft in",
    "(unknown: 10)",
    "(unknown: 11)",
    "(unknown: 12)",
    "(unknown: 13)",
    "(unknown: 14)",
    "(unknown: 15)",
    "66% of",
    "33% of",
    "Each craft in",
};

constexpr std::array<const char*, 7> kShipCategories = {
    "starfighters", "transport craft", "freighters & containers", "starships", "utility craft",
    "platforms",    "mines",
};

constexpr std::array<const char*, 3> kObjectCategories = {
    "space craft",
    "weapons",
    "satellites",
};

constexpr std::array<const char*, 13> kCraftWhenCases = {
    "(unknown: 0)", "inspected",       "finished docking", "(unknown: 3)",      "disabled",
    "attacked",     "shields are out", "special craft",    "not special craft", "players",
    "not players",  "(unknown: 11)",   "not disabled",
};

constexpr std::array<const char*, 4> kGoalSenses = {
    "Must",
    "Must not",
    "Must (as bonus)",
    "Must not (as bonus)",
};

}  // namespace

WordList Conditions() {
    return kConditions;
}
WordList VariableTypes() {
    return kVariableTypes;
}
WordList Amounts() {
    return kAmounts;
}
WordList ShipCategories() {
    return kShipCategories;
}
WordList ObjectCategories() {
    return kObjectCategories;
}
WordList CraftWhenCases() {
    return kCraftWhenCases;
}
WordList GoalSenses() {
    return kGoalSenses;
}

}  // namespace vantorel
