#include "properties/logic/LevelFlightGroupsPage.h"

#include "catalogue/CraftTypes.h"
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
    for (size_t i = 0; i < fgs.size(); ++i) {
        FlightGroup& fg = *fgs[i];
        if ((fg.Selected != 0) == chosen[i]) continue;
        fg.PointSelected.fill(0);
        if (chosen[i])
            if (auto start = fg.FirstEnabledStartPoint()) fg.PointSelected[size_t(*start)] = 1;
        fg.Selected = chosen[i] ? 1 : 0;
    }
    doc.NotifySelectionChanged();
    if (AutoSelZoom()) doc.Bar().MoveViewsToSelection();
    doc.Bar().UpdateViews();
    doc.Bar().RefreshFlightGroupProperties();
}

void LevelFlightGroupsPage::Activate(PageContext& context, int id) {
    if (id == kList) context.document.Bar().ShowFlightGroupProperties();
}

}  // namespace vantorel
