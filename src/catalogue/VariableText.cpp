#include "catalogue/VariableText.h"

#include "catalogue/ConditionWordLists.h"
#include "catalogue/CraftTypes.h"
#include "catalogue/CraftWordLists.h"
#include "catalogue/Orders.h"
#include "catalogue/TeamName.h"
#include "mission/Mission.h"

namespace vantorel {

namespace {

std::string FlightGroupPhrase(int index, const Mission* mission) {
    const int count = mission ? mission->CountFlightGroups() : 0;
    if (index < 0 || index >= count)
        return "(out of range ship index: " + std::to_string(index) + ")";
    const FlightGroupRecord& fg = mission->FlightGroups[static_cast<std::size_t>(index)]->File;
    return CraftNameForCount(fg.CraftType(), fg.NumberOfCraft()) + " " + fg.Name();
}

std::string ShipTypePhrase(int value, bool fromXWing) {
    if (!fromXWing) return CraftTypeName(value);
    // Targets skip type 0 "(none)"; the last value that names a craft is 94.
    if (value < 0 || value >= CraftTypeCount - 1) return "(unknown ship)";
    return CraftNameForCount(value + 1, 2);
}

}  // namespace

std::string VariableText(int t, int v, const Mission* mission, const VariableWording& wording) {
    const bool mixed = v == kMixed;
    if (t == kMixed) return mixed ? "[multiple]" : "[multiple types] " + std::to_string(v);
    if (t == kVariableTeam || t == kVariableAllTeamsExcept ||
        (wording.team22 && t == kVariableTeam22))
        return mixed ? "[multiple teams]" : TeamName(v, mission);
    switch (t) {
        case kVariableFlightGroup:
            return mixed ? "[multiple flightgroups]" : FlightGroupPhrase(v, mission);
        case kVariableShipType:
            return mixed ? "[multiple ship types]" : ShipTypePhrase(v, wording.shipTypeFromXWing);
        case kVariableShipCategory:
            return mixed ? "[multiple ship categories]" : ListWord(ShipCategories(), v);
        case kVariableObjectCategory:
            return mixed ? "[multiple object categories]" : ListWord(ObjectCategories(), v);
        case kVariableIffCode:
            return mixed ? "[multiple IFF codes]" : ListWord(IffCodes(), v);
        case kVariableOrders:
            return mixed ? "[multiple orders]" : OrderName(v);
        case kVariableCraftWhen:
            return mixed ? "[multiple cases]" : ListWord(CraftWhenCases(), v);
        default:
            return mixed ? "[multiple indices]" : std::to_string(v);
    }
}

}  // namespace vantorel
