#include "properties/logic/FlightGroupGoalDialog.h"

#include <algorithm>

#include "catalogue/ConditionChoices.h"
#include "catalogue/ConditionWordLists.h"
#include "catalogue/GoalText.h"
#include "catalogue/TeamName.h"
#include "mission/Win1252.h"
#include "properties/logic/FlightGroupGoalsPage.h"
#include "properties/logic/FlightGroupOrdersPage.h"

namespace vantorel {

namespace {

constexpr int kListIds[4] = {FlightGroupGoalDialog::kSense, FlightGroupGoalDialog::kCondition,
                             FlightGroupGoalDialog::kAmount, FlightGroupGoalDialog::kTeam};

}  // namespace

FlightGroupGoalDialog::FlightGroupGoalDialog(int goal)
    : FlightGroupPage("Goal", "Flight Group Goal"), goal_(goal) {
    AddControl(kSubject, ControlKind::Label);
    AddControl(kTeam, ControlKind::List, "&Team:");
    AddControl(kAmount, ControlKind::List).items = AmountChoices();
    AddControl(kSense, ControlKind::List).items = ListWords(GoalSenses(), 4);
    AddControl(kCondition, ControlKind::List).items = ConditionChoices();
    ControlState& points = AddControl(kPoints, ControlKind::Number, "&Points:");
    points.spinMin = kPointsMin;
    points.spinMax = kPointsMax;
    AddControl(kPointsLabel, ControlKind::Label);
    ControlState& time = AddControl(kTimeLimit, ControlKind::Number, "Ti&me Limit (seconds):");
    time.spinMin = 0;
    time.spinMax = 255;
    AddControl(kSentence, ControlKind::Label);
    AddControl(kIncomplete, ControlKind::Text, "&Incomplete:").maxLength = kTextLength;
    AddControl(kComplete, ControlKind::Text, "&Complete:").maxLength = kTextLength;
    AddControl(kFailed, ControlKind::Text, "&Failed:").maxLength = kTextLength;

    using F = FlightGroup;
    auto get = [this](uint8_t (ConstFgGoal::*field)() const) {
        return [this, field](const F& fg) { return (fg.File.Goals(goal_).*field)(); };
    };
    auto put = [this](void (FgGoal::*field)(uint8_t) const) {
        return [this, field](EditDraft& d, F& fg, int64_t v) {
            (d.Edit(fg.File).Goals(goal_).*field)(uint8_t(v));
        };
    };
    Bind(bind::ListField<F>(kTeam, get(&ConstFgGoal::Team), put(&FgGoal::SetTeam)));
    Bind(bind::ListField<F>(kAmount, get(&ConstFgGoal::Amount), put(&FgGoal::SetAmount)));
    Bind(bind::ListField<F>(kSense, get(&ConstFgGoal::Argument), put(&FgGoal::SetArgument)));
    Bind(bind::ListField<F>(kCondition, get(&ConstFgGoal::Condition), put(&FgGoal::SetCondition)));
    Bind(bind::IntField<F>(
        kPoints, [this](const F& fg) { return fg.File.Goals(goal_).Points(); },
        [this](EditDraft& d, F& fg, int64_t v) {
            d.Edit(fg.File).Goals(goal_).SetPoints(int8_t(v));
        },
        bind::ShowNumber(), bind::TakeNumber(0, std::pair{kPointsMin, kPointsMax})));
    Bind(bind::IntField<F>(kTimeLimit, get(&ConstFgGoal::TimeLimit), put(&FgGoal::SetTimeLimit),
                           bind::ShowNumber(), bind::TakeNumber(0, std::pair{0, 255})));
    const std::pair<int, int> texts[] = {{kIncomplete, FgGoalStrings::kIncomplete},
                                         {kComplete, FgGoalStrings::kComplete},
                                         {kFailed, FgGoalStrings::kFailed}};
    for (const auto& text : texts) {
        // (A structured binding cannot be captured before clang 16.)
        const int id = text.first;
        const int kind = text.second;
        // Texts are merged and compared exactly: one differing only in case
        // is another text, not the same one.
        Bind(bind::TextField<F>(
            id, [this, kind](const F& fg) { return fg.GoalStrings.Get(goal_, kind); },
            [this, kind](EditDraft& d, F& fg, const std::string& v) {
                d.Edit(fg.GoalStrings).Set(goal_, kind, v);
            },
            false, kMultipleDescriptionsText));
    }
}

void FlightGroupGoalDialog::Prepare(PageContext& context) {
    ControlState& team = *Find(kTeam);
    team.items.clear();
    for (int t = 0; t < kTeamsListed; ++t)
        team.items.push_back(Win1252ToUtf8(TeamName(t, &context.document.GetMission())));
}

void FlightGroupGoalDialog::Finish(PageContext& context,
                                   const std::vector<FlightGroup*>& subjects) {
    MergedValue<int> merged[4];
    for (const FlightGroup* fg : subjects) {
        const ConstFgGoal goal = fg->File.Goals(goal_);
        merged[0].Add(goal.Argument());
        merged[1].Add(goal.Condition());
        merged[2].Add(goal.Amount());
        merged[3].Add(goal.Team());
    }
    for (int i = 0; i < 4; ++i) shared_[i] = merged[i].Value().value_or(-1);
    subject_ = GoalSubjectText(subjects, kAllSelectedFlightgroupsText);
    Find(kSubject)->value.text = Win1252ToUtf8(subject_);
    ShowSentence(context);
    ShowPoints();
}

int FlightGroupGoalDialog::ListValue(int id) const {
    const int index = Find(id)->value.index;
    if (index >= 0) return index;
    for (int i = 0; i < 4; ++i)
        if (kListIds[i] == id) return shared_[i];
    return -1;
}

void FlightGroupGoalDialog::ShowSentence(PageContext& context) {
    Find(kSentence)->value.text =
        Win1252ToUtf8(GoalText(ListValue(kTeam), ListValue(kAmount), subject_, ListValue(kSense),
                               ListValue(kCondition), &context.document.GetMission()));
}

void FlightGroupGoalDialog::ShowPoints() {
    const ControlState& points = *Find(kPoints);
    std::string text;
    if (!points.mixed) {
        // A number beyond the range shows its limit (OK refuses it).
        const long long n =
            std::clamp<long long>(bind::LeadingInteger(points.value.text), kPointsMin, kPointsMax);
        text = "x 250 = " + std::to_string(n * 250) + " pts";
    }
    Find(kPointsLabel)->value.text = text;
}

void FlightGroupGoalDialog::OnChanged(PageContext& context, int id) {
    if (id == kPoints)
        ShowPoints();
    else if (std::find(std::begin(kListIds), std::end(kListIds), id) != std::end(kListIds))
        ShowSentence(context);
}

}  // namespace vantorel
