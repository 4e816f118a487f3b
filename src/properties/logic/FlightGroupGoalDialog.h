#pragma once

#include "properties/logic/FlightGroupPage.h"

namespace vantorel {

// The Goal dialog: one goal of every selected flight group, with its points,
// time limit and the three texts the game shows for it.
class FlightGroupGoalDialog final : public FlightGroupPage {
public:
    static constexpr int kSubject = 1122;
    static constexpr int kSense = 1027;
    static constexpr int kCondition = 1028;
    static constexpr int kAmount = 1046;
    static constexpr int kTeam = 1044;
    static constexpr int kPoints = 1121;
    static constexpr int kPointsLabel = 1124;
    static constexpr int kTimeLimit = 1076;
    static constexpr int kSentence = 1115;
    static constexpr int kIncomplete = 1116;
    static constexpr int kComplete = 1117;
    static constexpr int kFailed = 1118;
    static constexpr int kTeamsListed = 8;
    static constexpr int kPointsMin = -128;
    static constexpr int kPointsMax = 127;
    static constexpr int kTextLength = 63;

    // `goal` 0..7.
    explicit FlightGroupGoalDialog(int goal);

    int Goal() const { return goal_; }

protected:
    void Prepare(PageContext& context) override;
    void Finish(PageContext& context, const std::vector<FlightGroup*>& subjects) override;
    void OnChanged(PageContext& context, int id) override;

private:
    // The value a list stands for: its entry, else what the records share
    // (a value the list has no entry for), else -1 where they differ.
    int ListValue(int id) const;
    void ShowSentence(PageContext& context);
    void ShowPoints();

    int goal_;
    std::string subject_;
    int shared_[4] = {-1, -1, -1, -1};  // sense, condition, amount, team as merged
};

inline constexpr const char* kAllSelectedFlightgroupsText = "(all selected flightgroups)";

}  // namespace vantorel
