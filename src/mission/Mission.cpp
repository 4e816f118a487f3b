#include "mission/Mission.h"

namespace vantorel {

std::optional<int> FlightGroup::FirstEnabledStartPoint() const {
    for (int p = kFirstStartPoint; p < kFirstStartPoint + kStartPointCount; ++p) {
        if (File.WaypointEnabled(p) != 0) return p;
    }
    return std::nullopt;
}

Mission::Mission(const Mission& other)
    : Header(other.Header),
      GlobalGoals(other.GlobalGoals),
      Teams(other.Teams),
      Briefings(other.Briefings),
      GoalStrings(std::make_unique<GlobalGoalStrings>(*other.GoalStrings)),
      SuccessfulDebriefing(other.SuccessfulDebriefing),
      FailedDebriefing(other.FailedDebriefing),
      Description(other.Description),
      BlocksAsRead(other.BlocksAsRead) {
    FlightGroups.reserve(other.FlightGroups.size());
    for (const auto& fg : other.FlightGroups)
        FlightGroups.push_back(std::make_unique<FlightGroup>(*fg));
    Messages.reserve(other.Messages.size());
    for (const auto& m : other.Messages) Messages.push_back(std::make_unique<RadioMessage>(*m));
}

Mission& Mission::operator=(const Mission& other) {
    if (this != &other) *this = Mission(other);
    return *this;
}

int Mission::CountSelectedFlightGroups() const {
    int n = 0;
    for (const auto& fg : FlightGroups) n += fg->Selected ? 1 : 0;
    return n;
}

FlightGroup& Mission::AppendFlightGroup() {
    FlightGroups.push_back(std::make_unique<FlightGroup>());
    return *FlightGroups.back();
}

RadioMessage& Mission::AppendMessage() {
    Messages.push_back(std::make_unique<RadioMessage>());
    return *Messages.back();
}

std::optional<GoalSet> Mission::GlobalGoalSet(int team, int k) {
    if (team < 0 || team >= kTeamCount || k < 0 || k > 2) return std::nullopt;
    return GlobalGoals[size_t(team)].Set(k);
}

std::optional<ConstGoalSet> Mission::GlobalGoalSet(int team, int k) const {
    if (team < 0 || team >= kTeamCount || k < 0 || k > 2) return std::nullopt;
    return GlobalGoals[size_t(team)].Set(k);
}

std::string Mission::TeamDisplayName(int team) const {
    // A team byte of a record may hold any value; only ten teams have names.
    std::string name = team >= 0 && team < kTeamCount ? Teams[size_t(team)].Name() : "";
    return name.empty() ? "Team " + std::to_string(team + 1) : name;
}

}  // namespace vantorel
