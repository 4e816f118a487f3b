#include "document/FlightGroupSelection.h"

#include "mission/Mission.h"

namespace vantorel {

namespace {

template <class Choice>
bool SelectEach(Mission& mission, Choice choice) {
    bool changed = false;
    for (auto& fg : mission.FlightGroups)
        changed = SetFlightGroupSelected(*fg, choice(*fg)) || changed;
    return changed;
}

}  // namespace

bool SetFlightGroupSelected(FlightGroup& fg, bool selected) {
    if ((fg.Selected != 0) == selected) return false;
    fg.PointSelected.fill(0);
    if (selected)
        if (auto start = fg.FirstEnabledStartPoint()) fg.PointSelected[size_t(*start)] = 1;
    fg.Selected = selected ? 1 : 0;
    return true;
}

bool SelectAllFlightGroups(Mission& mission) {
    return SelectEach(mission, [](const FlightGroup&) { return true; });
}

bool SelectNoFlightGroups(Mission& mission) {
    return SelectEach(mission, [](const FlightGroup&) { return false; });
}

bool InvertFlightGroupSelection(Mission& mission) {
    return SelectEach(mission, [](const FlightGroup& fg) { return fg.Selected == 0; });
}

}  // namespace vantorel
