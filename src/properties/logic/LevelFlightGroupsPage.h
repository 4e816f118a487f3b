#pragma once

#include "properties/logic/PageModel.h"

namespace vantorel {

struct FlightGroup;
struct Mission;

// The level sheet's Flight Group tab: every flight group in list order, the
// selected ones selected. Choosing entries selects flight groups at once
// (selection is not an edit); a double click opens their property window.
class LevelFlightGroupsPage final : public PageModel {
public:
    static constexpr int kList = 1002;

    LevelFlightGroupsPage();
    void Activate(PageContext& context, int id) override;

    // The entry of a flight group: "2 X-wings Red".
    static std::string EntryText(const FlightGroup& fg);
    // What the list's Find box looks through for the flight group at the
    // position: its name, its craft's names, its team's name and its number
    // (counted from 0, as the mission check names flight groups), one a line.
    static std::string FindText(const Mission& mission, int position);

protected:
    void OnLoad(PageContext& context) override;
    void OnChanging(PageContext& context, int id) override;
    void OnChanged(PageContext& context, int id) override;
};

}  // namespace vantorel
