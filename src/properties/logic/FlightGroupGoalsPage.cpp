#include "properties/logic/FlightGroupGoalsPage.h"

#include "catalogue/CraftTypes.h"
#include "catalogue/GoalText.h"
#include "mission/Win1252.h"
#include "properties/logic/FlightGroupGoalDialog.h"

namespace vantorel {

std::string GoalSubjectText(const std::vector<FlightGroup*>& subjects, const char* several) {
    if (subjects.size() > 1) return several;
    return subjects.empty() ? std::string() : FlightGroupLabel(subjects.front()->File);
}

FlightGroupGoalsPage::FlightGroupGoalsPage() : FlightGroupPage("Goals", "Goals Properties") {
    for (int g = 0; g < FlightGroupRecord::kGoalCount; ++g) {
        AddControl(kSentences[g], ControlKind::Label);
        AddControl(kButtons[g], ControlKind::Button, "...");
    }
}

void FlightGroupGoalsPage::Finish(PageContext& context, const std::vector<FlightGroup*>& subjects) {
    const std::string subject = GoalSubjectText(subjects, kAllSelectedFgsText);
    for (int g = 0; g < FlightGroupRecord::kGoalCount; ++g) {
        MergedValue<int> sense, condition, amount, team;
        for (const FlightGroup* fg : subjects) {
            const ConstFgGoal goal = fg->File.Goals(g);
            sense.Add(goal.Argument());
            condition.Add(goal.Condition());
            amount.Add(goal.Amount());
            team.Add(goal.Team());
        }
        const auto merged = [](const MergedValue<int>& m) { return m.Value().value_or(-1); };
        Find(kSentences[g])->value.text =
            subjects.empty()
                ? std::string()
                : Win1252ToUtf8(GoalText(merged(team), merged(amount), subject, merged(sense),
                                         merged(condition), &context.document.GetMission()));
    }
}

std::vector<std::string> FlightGroupGoalsPage::DialogNames() const {
    return {"goal=0..7 (without a number: the current goal)"};
}

std::unique_ptr<PageModel> FlightGroupGoalsPage::OpenDialog(PageContext& context,
                                                            const std::string& name,
                                                            const std::string& which) {
    if (name != "goal") return nullptr;
    int goal = context.goal;
    if (!which.empty()) {
        if (which.size() != 1 || which[0] < '0' || which[0] > '7') return nullptr;
        goal = which[0] - '0';
    }
    if (goal < 0 || goal >= FlightGroupRecord::kGoalCount) return nullptr;
    return std::make_unique<FlightGroupGoalDialog>(goal);
}

}  // namespace vantorel
