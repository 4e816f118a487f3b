#include "properties/logic/TeamGeneralPage.h"

#include "catalogue/TeamName.h"
#include "catalogue/TeamThemes.h"
#include "mission/Win1252.h"
#include "platform/FileDialogs.h"
#include "properties/logic/TeamPage.h"

namespace vantorel {

TeamGeneralPage::TeamGeneralPage() : BoundPage("General", "Team Properties") {
    ControlState& name = AddControl(kName, ControlKind::List, "&Name:");
    name.editable = true;
    name.maxLength = kNameLength;
    name.items = {"Rebel", "Imperial", "Smugglers", "Pirates", "Spice Traders", "Trainee", "Red",
                  "Blue",  "Gold",     "Green",     "Yellow",  "Purple",        "One",     "Two",
                  "Three", "Four",     "Five",      "Six",     "Seven",         "Eight"};
    AddControl(kAllies, ControlKind::CheckList, "&Allies:");
    AddControl(kTheme, ControlKind::Text, "&Theme:").readOnly = true;
    AddControl(kChange, ControlKind::Button, "&Change...");

    // An empty name is written: the team is then shown as "Team n".
    Bind(bind::TextField<TeamRecord>(
        kName, [](const TeamRecord& t) { return t.Name(); },
        [](EditDraft& d, TeamRecord& t, const std::string& v) { d.Edit(t).SetName(v); }, false));
}

std::vector<TeamRecord*> TeamGeneralPage::Subjects(PageContext& context) {
    const int t = CurrentTeamOf(context);
    if (t < 0) return {};
    return {&context.document.GetMission().Teams[size_t(t)]};
}

std::string TeamGeneralPage::ThemeShown(int team) {
    const std::string name = ThemeName(team);
    return name.empty() ? kNoThemeText : Win1252ToUtf8(name);
}

void TeamGeneralPage::Prepare(PageContext& context) {
    ControlState& allies = *Find(kAllies);
    allies.items.clear();
    for (int t = 0; t < kTeamsListed; ++t)
        allies.items.push_back(Win1252ToUtf8(TeamName(t, &context.document.GetMission())));
}

void TeamGeneralPage::Finish(PageContext& context, const std::vector<TeamRecord*>& subjects) {
    ControlState& allies = *Find(kAllies);
    allies.value.states.assign(size_t(kTeamsListed), 0);
    const int t = CurrentTeamOf(context);
    Find(kTheme)->value.text = t < 0 ? std::string() : ThemeShown(t);
    Find(kChange)->enabled = t >= 0 && t < kThemeSlotCount;
    if (subjects.empty()) return;
    for (int i = 0; i < kTeamsListed; ++i)
        allies.value.states[size_t(i)] = subjects.front()->Allies(i) ? 1 : 0;
}

void TeamGeneralPage::ApplyExtra(PageContext&, EditDraft& draft,
                                 const std::vector<TeamRecord*>& subjects) {
    const ControlState& allies = *Find(kAllies);
    if (!allies.Touched()) return;
    TeamRecord& team = *subjects.front();
    for (int i = 0; i < kTeamsListed && size_t(i) < allies.value.states.size(); ++i) {
        // A stored non-zero other than 1 still means allied: it is kept.
        const bool allied = allies.value.states[size_t(i)] == 1;
        if (allied != (draft.Read(team).Allies(i) != 0)) draft.Edit(team).SetAllies(i, allied);
    }
}

void TeamGeneralPage::Activate(PageContext& context, int id) {
    if (id == kChange) ChangeTheme(context);
}

void TeamGeneralPage::ChangeTheme(PageContext& context) {
    const int t = CurrentTeamOf(context);
    if (t < 0 || t >= kThemeSlotCount || !context.fileDialogs) return;
    const auto chosen = context.fileDialogs->OpenFile(ThemePath(t), kTeamThemesFilter);
    if (!chosen) return;
    SetThemePath(t, *chosen);
    // Stores every team's theme path, then reads all eight themes again.
    LoadThemes(context.document.GetSettings(), context.document.GetPrompter(),
               context.programFolder);
    Find(kTheme)->value.text = ThemeShown(t);
}

}  // namespace vantorel
