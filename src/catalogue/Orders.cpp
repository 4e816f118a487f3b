#include "catalogue/Orders.h"

#include <string_view>

#include <array>

namespace vantorel {

namespace {

// The help texts are the community's notes on how the game really behaves,
// kept word for word (spelling included) because designers quote them.
constexpr const char* kNone = "none";

constexpr const char* kM1 = "Stationary";
constexpr const char* kM2 = "Heads directly to hyperspace point or mothership.";
constexpr const char* kM3 = "Circles through designated waypoints.";
constexpr const char* kM4 =
    "Circles through designated waypoints, making evasive maneuvers if fired upon.";
constexpr const char* kM5 =
    "Flies directly to designated rendezvous waypoint, then waits for boarding.";
constexpr const char* kM6 = "Stationary (systems at 0%).";
constexpr const char* kM7 =
    "Patrols designated waypoints, or acquires and attacks all targets present.";
constexpr const char* kM8 =
    "Patrols designated waypoints, or acquires and attacks all targets with escort orders present.";
constexpr const char* kM9 =
    "Patrols designated waypoints, or acquires and attacks all ships attacking its designated "
    "targets.";
constexpr const char* kM10 =
    "Flies alongside designated targets, or acquires and attacks ships attacking targets.";
constexpr const char* kM11 =
    "Patrols designated waypoints, or acquires and attacks with intent to disable designated "
    "targets.";
constexpr const char* kM12 = "Stationary, or flies to designated targets.";
constexpr const char* kM13 = "Flies to first designated waypoint.";
constexpr const char* kM14 = "Stationary.";
constexpr const char* kM15 = "Patrols designated waypoints.";
constexpr const char* kM16 =
    "Patrols designated waypoints and attacks (but does not acquire) attackers of designated "
    "target.";
constexpr const char* kM17 =
    "Patrols designated waypoints and attacks (but does not acquire) designated targets.";
constexpr const char* kM18 =
    "Patrols designated waypoints and disables (but does not acquire) designated targets.";
constexpr const char* kD1 =
    "Turreted ships will return fire if fired upon. Non-turreted ships will ignore attacks";
constexpr const char* kD2 = "Ignores all attacks.";
constexpr const char* kD3 = "unknown";
constexpr const char* kT1 = "No effect.";
constexpr const char* kT2 =
    "Ship will attack any and all targets designated here. If the mission has NO targets of this "
    "type at any time, or if all the designated targets have been destroyed, this order is "
    "considered successfully completed.";
constexpr const char* kT3 =
    "Ship will attack any and all targets designated here IF THEY HAVE ESCORT ORDERS. If the "
    "mission has NO targets of this type at any time, or if all the designated targets have been "
    "destroyed, this order is considered successfully completed.";
constexpr const char* kT4 =
    "Ship will attack any and all ships that are ATTACKING the targets designated here.";
constexpr const char* kT5 =
    "Ship will attack any and all ships that are ATTACKING the targets designated here, EXCEPT if "
    "the attacker is the PLAYERS CRAFT, in which case s/he will be ignored. Use Value 2 to solve "
    "this problem.";
constexpr const char* kT6 =
    "Ship will attack, with intent to disable, all ships designated here. It will use its missiles "
    "to lower shields, but will NOT fire their normal blasters. Ships without ion cannons will set "
    "up for attack runs, but will not fire their normal blasters.";
constexpr const char* kT7 =
    "Ship will fly to all ships designated here and dock with them, so long as they are stationary "
    "(NOT Wait). If the target does not exist at all in the mission, or upon the successful "
    "completion of all boarding operations, this order is considered successfully completed.";
constexpr const char* kT8 =
    "Ship will fly to all ships designated here and dock with them, so long as they are stationary "
    "(NOT Wait). If the target does not exist at all in the mission, or upon successful completion "
    "of the docking, this order is considered successfully completed. Target craft will be "
    "physically attached to this ship for the remainder of the mission.";
constexpr const char* kT9 = "No effect";
constexpr const char* kT10 =
    "Turreted ships will open fire on all designated targets as soon as they are in range - Non "
    "turreted ships will take no action on designated targets.";
constexpr const char* kT11 =
    "Turreted ships will open fire on all designated targets as soon as they are in range - Non "
    "turreted ships will take no action on designated targets. If all the targets have been "
    "destroyed, or if no targets of the designated type exist at all in the mission, this order "
    "will be considered completed.";
constexpr const char* kT12 =
    "Turreted ships will open fire, with intent to disable, on all designated targets as soon as "
    "they are in range - Non turreted ships will take no action on designated targets. If all the "
    "targets have been destroyed, or if no targets of the designated type exist at all in the "
    "mission, this order will be considered completed.";
constexpr const char* kC1 = "This order is never considered completed.";
constexpr const char* kC2 = "Ship will have left mission if this order is successfully completed.";
constexpr const char* kC3 = "Ship will go to hyperspace point/mothership.";
constexpr const char* kC4 = "Ship will go to hyperspace point/mothership (systems at 100%).";
constexpr const char* kC5 = "Ship will go to next order.";
constexpr const char* kC6 = "This order is never considered completed (probably).";
constexpr const char* kC7 = "Ship will go to next order";
constexpr const char* kN1 =
    "Hold Station will ONLY work if it is the FIRST order - otherwise, the ship will go to its "
    "hyperspace point/mothership instead. If this order is the second or third order, the ship "
    "will go to its hyperspace point/mothership.";
constexpr const char* kN2 = "Appears to function identically to Awaiting Boarding (Disabled) I.";
constexpr const char* kN3 =
    "If a ship with this order has been patrolling its waypoints, and then a ship of the "
    "designated target type arrives, with or without escort orders, the patrolling ship will then "
    "move to its next order WITHOUT attacking the designated targets. Use two of these orders one "
    "right after the other to solve this problem, and I'm still trying to figure this out.";
constexpr const char* kN4 = "This order appears to work better than Escort";
constexpr const char* kN5 = "Protect seems to work much better than this order.";
constexpr const char* kN6 =
    "Experiment with this order somewhat, it isn't too hard to get to work properly but sometimes "
    "takes a little meddling. Ships that HAVE BEEN boarded act as follows:\nIf it was holding "
    "station, it will continue to do so indefinately.\nIf it was Awaiting Boarding (Disabled), it "
    "will either go to its hyperspace point/mothership, or remain disabled, depending on the "
    "number of boardings required to repair it, as set in the orders for that ship. It does NOT go "
    "to its next order.\nIf it was disabled in combat, it will then automatically go to its "
    "hyperspace point/mothership. It does NOT go to its next order.";
constexpr const char* kN7 =
    "The target craft will be physically attached to this ship for the remainder of the mission, "
    "and will be towed about wherever this ship goes. It's probably a good idea to set the targets "
    "mothership and arrival/departure methods via this ship. As with Boarding, mess around with "
    "this to get best results.";
constexpr const char* kN8 =
    "In order to get this to work properly, then the \"arrival\" conditions of the flight group "
    "BEING DROPPED OFF should be set to \"arrives when flight group (x) is dropped off\" with 0 "
    "time delay, where (x) is the number of the flight group BEING DROPPED OFF. For integrity's "
    "sake, you may want to set the arrival/departure methods as \"Mothership\" and set the "
    "mothership to the flight group DOING THE DROPPING OFF. It may ALSO work (though I haven't "
    "tested it this way but it shows up this way in some TIE missions) if you set \"arrive when "
    "flight group (x) is dropped off\", and set (x) to the flight group DOING THE DROPPING OFF. "
    "There may be more ways to use it than this, but these should work adequately. (I'm still "
    "trying to figure out how to get the craft being dropped off to exist but be attached to the "
    "craft doing the dropping off... ie, having a heavy lifter hyperspace in-system towing a "
    "container, rather than the above-mentioned system in which the container will just \"appear\" "
    "when the heavy-lifter does its thing at the first waypoint). Parameter 2 is the number of the "
    "flight group being dropped off (first FG is zero)";
constexpr const char* kN9 = "Appears to be identical to Wait I.";
constexpr const char* kN10 = "Fairly useless for non turreted ships.";
constexpr const char* kN11 =
    "This order will be considered successfully completed when all ships in the mission with this "
    "ship as their mothership have been destroyed or have returned to its hangar.";
constexpr const char* kN12 =
    "This order will be considered successfully completed when all ships in the mission with this "
    "ship as their mothership have been created/launched.";
constexpr const char* kN13 =
    "Fairly useless for non turreted ships. Appears to be identical to Patrol and Protect I.";
constexpr const char* kN14 =
    "Similar to Hold Station, but I think this one can be used at any point and the ship won't zip "
    "off into hyperspace on you.";
constexpr const char* kN15 =
    "Similar to Hold Station, but I think this one can be used at any point and the ship won't zip "
    "off into hyperspace on you. Appears to be identical to Hold Steady I.";
constexpr const char* kN16 =
    "Experiment with this order somewhat, it isn't too hard to get to work properly but sometimes "
    "takes a little meddling. Ships that HAVE BEEN boarded act as follows:\nIf it was holding "
    "station, it will continue to do so indefinitely.\nIf it was Awaiting Boarding (Disabled), it "
    "will either go to its hyperspace point/mothership, or remain disabled, depending on the "
    "number of boardings required as set in the orders for that ship. It does NOT go to its next "
    "order.\nIf it was disabled in combat, it will then automatically go to its hyperspace "
    "point/mothership. It does NOT go to its next order.";
constexpr const char* kN17 = "Appears to be identical to Go Home II.";
constexpr const char* kN18 =
    "Some of the explosions for capital ships appear to be rather too small";

constexpr std::array<OrderInfo, OrderCount> kOrders = {{
    {"Hold Station", kM1, kD1, "Parameter 1", "Parameter 2", kT1, kC1, kN1},
    {"Go Home I", kM2, kD2, "Parameter 1", "Parameter 2", kT1, kC2, kNone},
    {"Circle", kM3, kD1, "Number of loops", "Parameter 2", kT1, kC3, kNone},
    {"Circle and Evade", kM4, kD1, "Number of loops", "Parameter 2", kT1, kC3, kNone},
    {"Rendezvous", kM5, kD1, "Number of dockings", "Parameter 2", kT1, kC3, kNone},
    {"Disabled", kM6, kD1, "Number of dockings", "Parameter 2", kT1, kC4, kNone},
    {"Await Boarding", kM6, kD1, "Number of dockings", "Parameter 2", kT1, kC4, kN2},
    {"Attack Targets", kM7, kD3, "Parameter 1", "Parameter 2", kT2, kC5, kNone},
    {"Attack Escorters", kM8, kD3, "Parameter 1", "Parameter 2", kT3, kC5, kN3},
    {"Protect", kM9, kD1, "Parameter 1", "Parameter 2", kT4, kC6, kN4},
    {"Escort (Prevent Boarding)", kM10, kD3, "Parameter 1", "Attack players [1=yes]", kT5, kC1,
     kN5},
    {"Disable Targets", kM11, kD3, "Parameter 1", "Parameter 2", kT6, kC5, kNone},
    {"Board and Give", kM12, kD1, "Dock length x5 seconds", "Number of dockings", kT7, kC5, kN6},
    {"Board and Take", kM12, kD1, "Dock length x5 seconds", "Number of dockings", kT7, kC5, kN6},
    {"Board and Exchange", kM12, kD1, "Dock length x5 seconds", "Number of dockings", kT7, kC5,
     kN6},
    {"Board and Capture", kM12, kD1, "Dock length x5 seconds", "Number of dockings", kT7, kC5, kN6},
    {"Board and Contact/Destroy", kM12, kD1, "Dock length x5 seconds", "Number of dockings", kT7,
     kC5, kN6},
    {"Pick Up Craft", kM12, kD1, "Dock length x5 seconds", "Parameter 2", kT8, kC5, kN7},
    {"Drop Off Craft", kM13, kD1, "Deploy time x5 seconds?", "FG to drop (see notes)", kT9, kC5,
     kN8},
    {"Wait I", kM14, kD1, "Wait length x5 seconds", "Parameter 2", kT1, kC5, kNone},
    {"Wait II", kM14, kD1, "Wait length x5 seconds", "Parameter 2", kT1, kC5, kN9},
    {"Patrol Loop", kM15, kD1, "Number loops", "Parameter 2", kT10, kC5, kN10},
    {"Await Return", kM14, kD1, "Parameter 1", "Parameter 2", kT10, kC5, kN11},
    {"Launch Ships", kM14, kD1, "Parameter 1", "Parameter 2", kT10, kC5, kN12},
    {"Patrol and Protect I", kM16, kD1, "Parameter 1", "Parameter 2", kT10, kC1, kN10},
    {"Patrol and Protect II", kM16, kD1, "Parameter 1", "Parameter 2", kT10, kC1, kN13},
    {"Patrol and Attack", kM17, kD1, "Parameter 1", "Parameter 2", kT11, kC7, kN10},
    {"Patrol and Disable", kM18, kD1, "Parameter 1", "Parameter 2", kT12, kC7, kN10},
    {"Hold Steady I", kM14, kD2, "Parameter 1", "Parameter 2", kT1, kC1, kN14},
    {"Go Home II", kM2, kD1, "Parameter 1", "Parameter 2", kT1, kC2, kNone},
    {"Hold Steady II", kM14, kD2, "Parameter 1", "Parameter 2", kT1, kC1, kN15},
    {"Board", kM12, kD1, "Dock length x5 seconds", "Number of dockings", kT7, kC5, kN16},
    {"Board and Repair", kM12, kD1, "Dock length x5 seconds", "Number of dockings", kT7, kC5, kN16},
    {"Hold Steady III", kM14, kD2, "Parameter 1", "Parameter 2", kT1, kC1, kN15},
    {"Hold Steady IV", kM14, kD2, "Parameter 1", "Parameter 2", kT1, kC1, kN15},
    {"Go Home III", kM2, kD1, "Parameter 1", "Parameter 2", kT1, kC2, kN17},
    {"Self Destruct", kNone, kNone, "Delay x5 seconds", "Parameter 2", kNone, kNone, kN18},
    {"Kamikazi Attack", kNone, kNone, "Parameter 1", "Parameter 2", kNone, kNone, kNone},
    {"Parmanently Disabled", kM5, kD1, "Number of loops", "Parameter 2", kT1, kNone, kNone},
    {"Await Boarding (Disabled)", kM6, kD1, "Number of dockings", "Parameter 2", kT1, kNone, kNone},
    {"40", kNone, kNone, "Parameter 1", "Parameter 2", kNone, kNone, kNone},
    {"41", kNone, kNone, "Parameter 1", "Parameter 2", kNone, kNone, kNone},
    {"42", kNone, kNone, "Parameter 1", "Parameter 2", kNone, kNone, kNone},
    {"43", kNone, kNone, "Parameter 1", "Parameter 2", kNone, kNone, kNone},
    {"44", kNone, kNone, "Parameter 1", "Parameter 2", kNone, kNone, kNone},
    {"45", kNone, kNone, "Parameter 1", "Parameter 2", kNone, kNone, kNone},
    {"46", kNone, kNone, "Parameter 1", "Parameter 2", kNone, kNone, kNone},
    {"47", kNone, kNone, "Parameter 1", "Parameter 2", kNone, kNone, kNone},
    {"48", kNone, kNone, "Parameter 1", "Parameter 2", kNone, kNone, kNone},
    {"49", kNone, kNone, "Parameter 1", "Parameter 2", kNone, kNone, kNone},
    {"50", kNone, kNone, "Parameter 1", "Parameter 2", kNone, kNone, kNone},
}};

constexpr std::array<const char*, OrderCount> kOrderNames = [] {
    std::array<const char*, OrderCount> names{};
    for (std::size_t i = 0; i < kOrders.size(); ++i) names[i] = kOrders[i].name;
    return names;
}();

}  // namespace

const OrderInfo* GetOrderInfo(int order) {
    if (order < 0 || order >= OrderCount) return nullptr;
    return &kOrders[static_cast<std::size_t>(order)];
}

bool OrderTargetsHaveEffect(int order) {
    const OrderInfo* info = GetOrderInfo(order);
    return info && std::string_view(info->targets).rfind("No effect", 0) != 0;
}

std::string OrderName(int order) {
    const OrderInfo* info = GetOrderInfo(order);
    return info ? info->name : "(unknown order)";
}

WordList OrderNames() {
    return kOrderNames;
}

WordList ThrottleSteps() {
    static constexpr std::array<const char*, 11> kSteps = {"0%",  "10%", "20%", "30%", "40%", "50%",
                                                           "60%", "70%", "80%", "90%", "100%"};
    return kSteps;
}

std::pair<std::string, std::string> OrderParameterLabels(int order) {
    const OrderInfo* info = GetOrderInfo(order);
    if (!info) return {"Parameter 1:", "Parameter 2:"};
    return {std::string(info->parameter1Label) + ":", std::string(info->parameter2Label) + ":"};
}

std::string OrderInfoText(int order) {
    const OrderInfo* info = GetOrderInfo(order);
    if (!info) return {};
    std::string text = "Flightgroup movement:\n";
    text += info->movement;
    text += "\n\nSelf defence:\n";
    text += info->selfDefence;
    text += "\n\nTargets:\n";
    text += info->targets;
    text += "\n\nAction on completion:\n";
    text += info->onCompletion;
    text += "\n\nNotes:\n";
    text += info->notes;
    return text;
}

}  // namespace vantorel
