#pragma once

#include <optional>
#include <string>
#include <vector>

#include "properties/logic/BoundPage.h"

namespace vantorel {

// The team sheet's Goals tab: one of the team's three global goal sets
// (Primary, Prevent, Secondary) at a time, chosen by the tabs above it, with
// its points and its four conditions, each edited in the Goal Condition
// dialog. The tab stays when another team is chosen, so the same set of the
// new team shows.
class TeamGoalsPage final : public BoundPage<GlobalGoalsRecord> {
public:
    static constexpr int kSets = 1134;
    static constexpr int kPoints = 1121;
    static constexpr int kTrigger1 = 1066;   // 1066..1069
    static constexpr int kButton1 = 1053;    // 1053..1056
    static constexpr int kAndOr12 = 1057;    // "&OR" is 1058
    static constexpr int kAndOr34 = 1061;    // "O&R" is 1062
    static constexpr int kAndOr1234 = 1059;  // "OR" is 1060
    static constexpr int kPointsMin = -128;
    static constexpr int kPointsMax = 127;

    TeamGoalsPage();

    // The goal set shown, 0..2.
    int GoalSet() const;

    int ViewControl() const override { return kSets; }
    // "goal-condition=1..4", of the set shown.
    std::vector<std::string> DialogNames() const override;
    std::unique_ptr<PageModel> OpenDialog(PageContext& context, const std::string& name,
                                          const std::string& which) override;
    // The condition ("1".."4") a "..." button edits; none for another control.
    static std::optional<std::string> ConditionOf(int buttonId);

protected:
    std::vector<GlobalGoalsRecord*> Subjects(PageContext& context) override;
    void Prepare(PageContext& context) override;
    void Finish(PageContext& context, const std::vector<GlobalGoalsRecord*>& subjects) override;
    ApplyResult OnApply(PageContext& context) override;
    void OnChanging(PageContext& context, int id) override;
    void OnChanged(PageContext& context, int id) override;
};

}  // namespace vantorel
