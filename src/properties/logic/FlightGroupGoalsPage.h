#pragma once

#include <string>
#include <vector>

#include "properties/logic/FlightGroupPage.h"

namespace vantorel {

// How goal sentences name their flight group: the one selected by its label
// ("X-W Red"), several by the given words. In the mission's code page.
std::string GoalSubjectText(const std::vector<FlightGroup*>& subjects, const char* several);

// The flight group sheet's Goals tab: the eight goals of the selected flight
// groups, one sentence each, and a button per goal for the Goal dialog. The
// page itself writes nothing; the dialog writes when it closes with OK.
class FlightGroupGoalsPage final : public FlightGroupPage {
public:
    static constexpr int kSentences[8] = {1113, 1114, 1115, 1116, 1117, 1118, 1119, 1120};
    static constexpr int kButtons[8] = {1077, 1078, 1079, 1080, 1081, 1082, 1083, 1084};

    FlightGroupGoalsPage();

    std::vector<std::string> DialogNames() const override;
    // "goal" with 0..7, or without a number the context's goal.
    std::unique_ptr<PageModel> OpenDialog(PageContext& context, const std::string& name,
                                          const std::string& which) override;

protected:
    void Finish(PageContext& context, const std::vector<FlightGroup*>& subjects) override;
    ApplyResult OnApply(PageContext&) override { return ApplyResult::Unchanged; }
};

inline constexpr const char* kAllSelectedFgsText = "(all selected FGs)";

}  // namespace vantorel
