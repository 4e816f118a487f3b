#pragma once

#include "catalogue/WordList.h"

namespace vantorel {

// Words of the 4-byte trigger, of order targets and of flight group goals.
WordList Conditions();        // 47; 0 "true" and 10 "false" are the constant conditions
WordList VariableTypes();     // 24
WordList Amounts();           // 19
WordList ShipCategories();    // 7, variable of type 3
WordList ObjectCategories();  // 3, variable of type 4
WordList CraftWhenCases();    // 13, variable of type 7
WordList GoalSenses();        // 4, as the goal dialog lists them

// Condition numbers that need no flight group, craft or amount.
inline constexpr int kConditionTrue = 0;
inline constexpr int kConditionFalse = 10;

// Variable types the composers treat specially.
enum VariableTypeCode : int {
    kVariableNone = 0,
    kVariableFlightGroup = 1,
    kVariableShipType = 2,
    kVariableShipCategory = 3,
    kVariableObjectCategory = 4,
    kVariableIffCode = 5,
    kVariableOrders = 6,
    kVariableCraftWhen = 7,
    kVariableTeam = 12,
    kVariableAllTeamsExcept = 21,
    kVariableTeam22 = 22,  // a second team code found in triggers
};

// Any argument of the composers and list fillers that is -1 stands for
// "the selected records differ here".
inline constexpr int kMixed = -1;

}  // namespace vantorel
