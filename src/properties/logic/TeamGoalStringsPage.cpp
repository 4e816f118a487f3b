#include "properties/logic/TeamGoalStringsPage.h"

#include "mission/BriefingCommands.h"
#include "properties/logic/TeamPage.h"

namespace vantorel {

TeamGoalStringsPage::TeamGoalStringsPage() : BoundPage("Goal Strings", "Goal Strings") {
    using R = TeamRecord;
    struct Line {
        int id;
        const char* label;
        std::string (R::*get)() const;
        void (R::*set)(std::string_view);
    };
    // Each pair's caption stands over its first line.
    const Line lines[] = {
        {kPrimarySuccess1, "&Primary Success:", &R::PrimarySuccess1, &R::SetPrimarySuccess1},
        {kPrimarySuccess2, "", &R::PrimarySuccess2, &R::SetPrimarySuccess2},
        {kPrimaryFailure1, "Primary &Failure:", &R::PrimaryFailure1, &R::SetPrimaryFailure1},
        {kPrimaryFailure2, "", &R::PrimaryFailure2, &R::SetPrimaryFailure2},
        {kSecondarySuccess1, "&Secondary Success:", &R::SecondarySuccess1,
         &R::SetSecondarySuccess1},
        {kSecondarySuccess2, "", &R::SecondarySuccess2, &R::SetSecondarySuccess2},
    };
    for (const Line& line : lines) {
        AddControl(line.id, ControlKind::Text, line.label).maxLength = kTextLength;
        Bind(bind::TextField<R>(
            line.id, [get = line.get](const R& r) { return (r.*get)(); },
            [set = line.set](EditDraft& d, R& r, const std::string& v) { (d.Edit(r).*set)(v); },
            false));
    }
}

std::vector<TeamRecord*> TeamGoalStringsPage::Subjects(PageContext& context) {
    const int t = CurrentTeamOf(context);
    if (t < 0) return {};
    return {&context.document.GetMission().Teams[size_t(t)]};
}

TeamBriefingPage::TeamBriefingPage() : PageModel("Briefing", "Briefing") {
    AddControl(kNote, ControlKind::Label, kBriefingNoteText);
    AddControl(kWindow, ControlKind::Label);
}

void TeamBriefingPage::OnLoad(PageContext& context) {
    const int t = CurrentTeamOf(context);
    std::string shown;
    for (int b = 0; t >= 0 && b < kBriefingCount; ++b) {
        if (!BriefingShownTo(context.document.GetMission().Briefings[size_t(b)].Commands, t))
            continue;
        shown += (shown.empty() ? "" : ", ") + std::to_string(b + 1);
    }
    Find(kWindow)->value.text =
        "Briefings are played and edited in the Briefing window (Tools > Briefing, Ctrl+B). " +
        (shown.empty() ? std::string("This team is shown no briefing.")
                       : "This team is shown briefing " + shown + ".");
}

}  // namespace vantorel
