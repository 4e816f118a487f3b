#include "properties/logic/TeamGoalsPage.h"

#include "properties/logic/ConditionDialog.h"
#include "properties/logic/GoalConditionDialog.h"
#include "properties/logic/TeamPage.h"

namespace vantorel {

namespace {
constexpr int kSetCount = 3;
}  // namespace

TeamGoalsPage::TeamGoalsPage() : BoundPage("Goals", "Team Goals") {
    ControlState& sets = AddControl(kSets, ControlKind::Radio);
    sets.items = {"Primary", "Prevent", "Secondary"};
    sets.tabs = true;
    sets.value.index = 0;
    ControlState& points = AddControl(kPoints, ControlKind::Number, "&Points:");
    points.suffix = "x 250";
    points.spinMin = kPointsMin;
    points.spinMax = kPointsMax;
    const int andOr[3] = {kAndOr12, kAndOr1234, kAndOr34};
    const std::vector<std::string> andOrItems[3] = {
        {"&AND", "&OR"}, {"A&ND", "OR"}, {"AN&D", "O&R"}};
    for (int i = 0; i < 4; ++i) {
        AddControl(kTrigger1 + i, ControlKind::Label);
        AddControl(kButton1 + i, ControlKind::Button, "...");
        if (i < 3) {
            ControlState& radio = AddControl(andOr[i], ControlKind::Radio);
            radio.items = andOrItems[i];
            radio.buttonIds = {andOr[i], andOr[i] + 1};
        }
    }

    // Every binding reads and writes the goal set of the current tab.
    using G = GlobalGoalsRecord;
    Bind(bind::IntField<G>(
        kPoints, [this](const G& g) { return g.Set(GoalSet()).Points(); },
        [this](EditDraft& d, G& g, int64_t v) { d.Edit(g).Set(GoalSet()).SetPoints(int8_t(v)); },
        bind::ShowNumber(), bind::TakeNumber(0, std::pair{kPointsMin, kPointsMax})));
    auto radio = [this](int id, uint8_t (ConstGoalSet::*get)() const,
                        void (GoalSet::*set)(uint8_t) const) {
        return bind::RadioField<G>(
            id, [this, get](const G& g) { return (g.Set(GoalSet()).*get)(); },
            [this, set](EditDraft& d, G& g, int64_t v) {
                (d.Edit(g).Set(GoalSet()).*set)(uint8_t(v));
            },
            {kAnd, kOr});
    };
    Bind(radio(kAndOr12, &ConstGoalSet::AndOr12, &GoalSet::SetAndOr12));
    Bind(radio(kAndOr1234, &ConstGoalSet::AndOr1234, &GoalSet::SetAndOr1234));
    Bind(radio(kAndOr34, &ConstGoalSet::AndOr34, &GoalSet::SetAndOr34));
}

int TeamGoalsPage::GoalSet() const {
    const int k = Find(kSets)->value.index;
    return k >= 0 && k < kSetCount ? k : 0;
}

std::vector<GlobalGoalsRecord*> TeamGoalsPage::Subjects(PageContext& context) {
    const int t = CurrentTeamOf(context);
    if (t < 0) return {};
    return {&context.document.GetMission().GlobalGoals[size_t(t)]};
}

void TeamGoalsPage::Prepare(PageContext&) {
    ControlState& sets = *Find(kSets);
    if (sets.value.index < 0 || sets.value.index >= kSetCount) sets.value.index = 0;
}

void TeamGoalsPage::Finish(PageContext& context, const std::vector<GlobalGoalsRecord*>& subjects) {
    for (int c = 0; c < 4; ++c) {
        std::vector<Trigger> triggers;
        for (const GlobalGoalsRecord* g : subjects)
            triggers.push_back(g->Set(GoalSet()).GetTrigger(c));
        ShowTriggerSentence(*Find(kTrigger1 + c), triggers, context.document.GetMission());
    }
}

PageModel::ApplyResult TeamGoalsPage::OnApply(PageContext& context) {
    ControlState& sets = *Find(kSets);
    if (sets.value.index < 0 || sets.value.index >= kSetCount) {
        // The tabs show no set: nothing can be meant; the first comes back.
        sets.value.index = 0;
        return ApplyResult::Unchanged;
    }
    return BoundPage::OnApply(context);
}

void TeamGoalsPage::OnChanging(PageContext& context, int id) {
    // The set shown is written before another is shown.
    if (id == kSets) Apply(context);
}

void TeamGoalsPage::OnChanged(PageContext& context, int id) {
    if (id == kSets) Load(context);
}

std::vector<std::string> TeamGoalsPage::DialogNames() const {
    return {"goal-condition=1..4 (of the goal set shown; --view primary, prevent or secondary)"};
}

std::unique_ptr<PageModel> TeamGoalsPage::OpenDialog(PageContext& context, const std::string& name,
                                                     const std::string& which) {
    if (name != "goal-condition" || which.size() != 1 || which[0] < '1' || which[0] > '4')
        return nullptr;
    const int t = CurrentTeamOf(context);
    if (t < 0) return nullptr;
    return std::make_unique<GoalConditionDialog>(t, GoalSet(), which[0] - '1');
}

std::optional<std::string> TeamGoalsPage::ConditionOf(int buttonId) {
    if (buttonId < kButton1 || buttonId >= kButton1 + 4) return std::nullopt;
    return std::string(1, char('1' + buttonId - kButton1));
}

}  // namespace vantorel
