#include "properties/logic/LevelTeamsPage.h"

#include "catalogue/TeamName.h"
#include "document/LevelDocument.h"
#include "mission/Win1252.h"

namespace vantorel {

LevelTeamsPage::LevelTeamsPage() : PageModel("Teams", "Teams") {
    AddControl(kList, ControlKind::List).listBox = true;
}

void LevelTeamsPage::OnLoad(PageContext& context) {
    ControlState& list = *Find(kList);
    list.items.clear();
    for (int t = 0; t < kTeamsListed; ++t)
        list.items.push_back(Win1252ToUtf8(TeamName(t, &context.document.GetMission())));
    // The list always has a team: the current one, else the first, which
    // then becomes the current one.
    list.value.index = context.team >= 0 && context.team < kTeamsListed ? context.team : 0;
    if (list.value.index != context.team) TakeTeam(context);
}

void LevelTeamsPage::TakeTeam(PageContext& context) {
    context.team = Find(kList)->value.index;
    context.document.SetCurrentTeam(context.team);
}

void LevelTeamsPage::OnChanging(PageContext& context, int id) {
    // The team window writes to the team it shows before another is chosen.
    if (id == kList) context.document.Bar().ApplyAll();
}

void LevelTeamsPage::OnChanged(PageContext& context, int id) {
    if (id != kList) return;
    TakeTeam(context);
    context.document.Bar().UpdateViews();
    context.document.Bar().RefreshTeamProperties();
}

void LevelTeamsPage::Activate(PageContext& context, int id) {
    if (id == kList) context.document.Bar().ShowTeamProperties();
}

}  // namespace vantorel
