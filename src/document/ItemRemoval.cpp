#include "document/ItemRemoval.h"

#include <algorithm>

#include "catalogue/CraftTypes.h"
#include "document/FlightGroupReferences.h"
#include "document/LevelDocument.h"
#include "document/ListChange.h"
#include "mission/Win1252.h"

namespace vantorel {

namespace {

// Sorted, without repeats or positions the list does not have.
std::vector<int> Valid(std::vector<int> positions, int count) {
    std::erase_if(positions, [count](int p) { return p < 0 || p >= count; });
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

std::string Question(const Mission& mission, const std::vector<int>& positions,
                     const std::vector<std::string>& broken) {
    std::string text = "Are you sure you want to delete these flightgroups?\n";
    for (int p : positions) {
        const FlightGroupRecord& r = mission.FlightGroups[size_t(p)]->File;
        const int count = r.NumberOfCraft();
        text += std::to_string(count) + " " + CraftNameForCount(r.CraftType(), count) + " " +
                Win1252ToUtf8(r.Name()) + "\n";
    }
    if (!broken.empty()) {
        text += "\nThese fields name them and will then name no flight group:\n";
        for (const std::string& line : broken) text += line + "\n";
    }
    return text;
}

}  // namespace

RemovalResult RemoveItems(LevelDocument& document, ItemsToRemove items, const std::string& name,
                          RemovalQuestion ask) {
    Mission& mission = document.GetMission();
    const std::vector<int> groups =
        Valid(std::move(items.flightGroups), mission.CountFlightGroups());
    const std::vector<int> messages = Valid(std::move(items.messages), mission.CountMessages());
    RemovalResult result;
    // Asking to delete nothing would be a question without a subject.
    if (groups.empty() && messages.empty()) return result;

    // Fields that name the groups going away cannot follow them: the question
    // says which, before anything happens.
    const std::vector<std::string> broken =
        groups.empty() ? std::vector<std::string>() : ReferencesToFlightGroups(mission, groups);
    const bool asks = !groups.empty() &&
                      document.GetSettings().GetInt("Settings", "ConfirmDelete", 1) == 1 &&
                      (ask == RemovalQuestion::Always || !broken.empty());
    if (asks && !document.GetPrompter().AskYesNo(Question(mission, groups, broken))) return result;

    // Every other reference keeps naming its flight group: one edit with the
    // removal, so Undo restores the numbers too.
    auto edit = std::make_unique<CompositeEdit>(name);
    if (!groups.empty()) {
        edit->Add(KeepReferencesAcrossDeletion(mission, groups));
        edit->Add(FlightGroupListChange::Removing(name, &Mission::FlightGroups, groups));
    }
    edit->Add(MessageListChange::Removing(name, &Mission::Messages, messages));
    result.removed = document.Commit(std::move(edit));
    result.brokeReferences = result.removed && !broken.empty();
    if (!result.removed) return result;
    if (!groups.empty()) document.NotifySelectionChanged();
    document.Bar().RefreshAll();
    if (!groups.empty()) document.Bar().UpdateViews();
    return result;
}

}  // namespace vantorel
