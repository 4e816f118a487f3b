#pragma once

#include <string>
#include <utility>

#include "catalogue/WordList.h"

namespace vantorel {

// One order a flight group can be given, with the help the orders page shows.
// Help fields without content hold "none".
struct OrderInfo {
    const char* name;
    const char* movement;
    const char* selfDefence;
    const char* parameter1Label;
    const char* parameter2Label;
    const char* targets;
    const char* onCompletion;
    const char* notes;
};

inline constexpr int OrderCount = 51;

// Drop Off Craft: its second parameter is the flight group dropped off, by
// its place in the list like every other flight group reference.
inline constexpr int kOrderDropOffCraft = 18;

// The entry for 0 <= order < OrderCount, nullptr for any other number.
const OrderInfo* GetOrderInfo(int order);

// Whether what the order's targets name matters: the table's help says "No
// effect" for orders such as Hold Station, whose targets are left as they are.
bool OrderTargetsHaveEffect(int order);

// The order's name, "(unknown order)" outside the table.
std::string OrderName(int order);

// The 51 names in order, so that a list position is the order number.
WordList OrderNames();

// "0%" to "100%" in steps of 10: an order's throttle, by its value.
WordList ThrottleSteps();

// The labels of the two parameters, each with its ":"; with no order selected
// (order below 0) they are the generic "Parameter 1:" and "Parameter 2:".
std::pair<std::string, std::string> OrderParameterLabels(int order);

// The body of the order information message; its caption is OrderName(order).
// Empty for an order outside the table, which has no help to show.
std::string OrderInfoText(int order);

}  // namespace vantorel
