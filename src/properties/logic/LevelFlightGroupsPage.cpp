#include "properties/logic/LevelFlightGroupsPage.h"

#include "catalogue/CraftTypes.h"
#include "catalogue/TeamName.h"
#include "document/FlightGroupSelection.h"
#include "document/LevelDocument.h"
#include "map/InteractionCommands.h"
#include "mission/Win1252.h"

namespace vantorel {

LevelFlightGroupsPage::LevelFlightGroupsPage() : PageModel("Flight Group", "Select") {
    ControlState& list = AddControl(kList, ControlKind::List);
    list.listBox = true;
    list.multiSelect = true;
}

std::string LevelFlightGroupsPage::EntryText(const FlightGroup& fg) {
    const int count = fg.File.NumberOfCraft();
    return std::to_string(count) + " " + CraftNameForCount(fg.File.CraftType(), count) + " " +
           Win1252ToUtf8(fg.File.Name());
}

std::string LevelFlightGroupsPage::FindText(const Mission& mission, int position) {
    if (position < 0 || position >= mission.CountFlightGroups()) return {};
    const FlightGroupRecord& r = mission.FlightGroups[size_t(position)]->File;
    return Win1252ToUtf8(r.Name()) + "\n" + CraftTypeName(r.CraftType()) + "\n" +
           CraftNameForCount(r.CraftType(), 2) + "\n" +
           Win1252ToUtf8(TeamName(r.Team(), &mission)) + "\n" + std::to_string(position);
}

void LevelFlightGroupsPage::OnLoad(PageContext& context) {
    ControlState& list = *Find(kList);
    list.items.clear();
    list.value.states.clear();
    const auto& fgs = context.document.GetMission().FlightGroups;
    for (size_t i = 0; i < fgs.size(); ++i) {
        list.items.push_back(EntryText(*fgs[i]));
        if (fgs[i]->Selected) list.value.states.push_back(int(i));
    }
}

void LevelFlightGroupsPage::OnChanging(PageContext& context, int id) {
    // Open property windows write to the old selection first.
    if (id == kList) context.document.Bar().ApplyAll();
}

void LevelFlightGroupsPage::OnChanged(PageContext& context, int id) {
    if (id != kList) return;
    LevelDocument& doc = context.document;
    auto& fgs = doc.GetMission().FlightGroups;
    std::vector<bool> chosen(fgs.size(), false);
    for (int p : Find(kList)->value.states)
        if (p >= 0 && size_t(p) < fgs.size()) chosen[size_t(p)] = true;
    // Only the flight groups whose state changes get new point marks, so the
    // points picked on the map of the others stay picked.
    for (size_t i = 0; i < fgs.size(); ++i) SetFlightGroupSelected(*fgs[i], chosen[i]);
    doc.NotifySelectionChanged();
    if (AutoSelZoom()) doc.Bar().MoveViewsToSelection();
    doc.Bar().UpdateViews();
    doc.Bar().RefreshFlightGroupProperties();
}

void LevelFlightGroupsPage::Activate(PageContext& context, int id) {
    if (id == kList) context.document.Bar().ShowFlightGroupProperties();
}

}  // namespace vantorel
