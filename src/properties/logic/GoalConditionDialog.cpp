#include "properties/logic/GoalConditionDialog.h"

#include "document/LevelDocument.h"
#include "mission/Win1252.h"

namespace vantorel {

namespace {

constexpr std::pair<int, int> kTexts[3] = {
    {GoalConditionDialog::kIncomplete, GlobalGoalStrings::kIncomplete},
    {GoalConditionDialog::kSuccess, GlobalGoalStrings::kSuccess},
    {GoalConditionDialog::kFailure, GlobalGoalStrings::kFailure}};

TriggerSlots GoalCondition(int team, int goalSet, int condition) {
    return [team, goalSet, condition](PageContext& context) {
        GlobalGoalsRecord& goals = context.document.GetMission().GlobalGoals[size_t(team)];
        return std::vector<TriggerSlot>{
            {[&goals, goalSet, condition] { return goals.Set(goalSet).GetTrigger(condition); },
             [&goals, goalSet, condition](EditDraft& d, const Trigger& t) {
                 d.Edit(goals).Set(goalSet).SetTrigger(condition, t);
             }}};
    };
}

}  // namespace

GoalConditionDialog::GoalConditionDialog(int team, int goalSet, int condition)
    : ConditionDialog("Goal Condition", GoalCondition(team, goalSet, condition), "Goal Condition"),
      team_(team),
      slot_(GlobalGoalStringSlot(goalSet, condition)) {
    AddControl(kIncomplete, ControlKind::Text, "&Incomplete:").maxLength = kTextLength;
    ControlState& success = AddControl(kSuccess, ControlKind::Text, "&Success:");
    success.maxLength = kTextLength;
    success.visible = goalSet != GlobalGoalsRecord::kPrevent;
    AddControl(kFailure, ControlKind::Text, "Fail&ure:").maxLength = kTextLength;
}

void GoalConditionDialog::LoadMore(PageContext& context) {
    const GlobalGoalStrings& strings = *context.document.GetMission().GoalStrings;
    for (const auto& [id, kind] : kTexts)
        Find(id)->value.text = Win1252ToUtf8(strings.Get(team_, slot_, kind));
}

void GoalConditionDialog::ApplyMore(PageContext& context, EditDraft& draft) {
    GlobalGoalStrings& strings = *context.document.GetMission().GoalStrings;
    for (const auto& [id, kind] : kTexts) {
        const ControlState& text = *Find(id);
        // Only what was typed: a hidden Success text, and the bytes of an
        // untouched one, stay as they are.
        if (text.visible && text.Touched())
            draft.Edit(strings).Set(team_, slot_, kind, Utf8ToWin1252(text.value.text));
    }
}

}  // namespace vantorel
