#pragma once

#include "properties/logic/ConditionDialog.h"

namespace vantorel {

// The Goal Condition dialog: one condition of a team's global goal set, as
// the Condition dialog shows a trigger, with the three texts the game shows
// for it. A Prevent goal has no Success text: its box is hidden and the
// stored text is left as it is.
class GoalConditionDialog final : public ConditionDialog {
public:
    static constexpr int kIncomplete = 1135;
    static constexpr int kSuccess = 1006;
    static constexpr int kFailure = 1037;
    static constexpr int kTextLength = 63;

    // `team` 0..9, `goalSet` 0..2 (Primary, Prevent, Secondary), `condition` 0..3.
    GoalConditionDialog(int team, int goalSet, int condition);

protected:
    void LoadMore(PageContext& context) override;
    void ApplyMore(PageContext& context, EditDraft& draft) override;

private:
    int team_;
    int slot_;
};

}  // namespace vantorel
