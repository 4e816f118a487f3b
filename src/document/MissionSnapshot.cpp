#include "document/MissionSnapshot.h"

#include <optional>
#include <unordered_set>

#include "document/ListChange.h"
#include "document/RecordSwapEdit.h"

namespace vantorel {

MissionSnapshot::MissionSnapshot(Mission& mission)
    : header_(mission.Header),
      globalGoals_(mission.GlobalGoals),
      teams_(mission.Teams),
      briefings_(mission.Briefings),
      goalStrings_(*mission.GoalStrings),
      successfulDebriefing_(mission.SuccessfulDebriefing),
      failedDebriefing_(mission.FailedDebriefing),
      description_(mission.Description) {
    flightGroups_.reserve(mission.FlightGroups.size());
    for (const auto& fg : mission.FlightGroups)
        flightGroups_.push_back({fg.get(), fg->File, fg->GoalStrings});
    messages_.reserve(mission.Messages.size());
    for (const auto& m : mission.Messages) messages_.push_back({m.get(), m->File, m->WaveFile});
}

namespace {

// Items of the list that were not there at the capture, taken out of it with
// their positions; nullopt when a captured item is missing.
template <class T, class Copy>
std::optional<std::vector<std::pair<int, std::unique_ptr<T>>>> Added(
    std::vector<std::unique_ptr<T>>& list, const std::vector<Copy>& captured) {
    std::unordered_set<const T*> before;
    for (const auto& c : captured) before.insert(c.live);
    size_t kept = 0;
    std::vector<int> added;
    for (size_t i = 0; i < list.size(); ++i) {
        if (before.count(list[i].get()))
            ++kept;
        else
            added.push_back(int(i));
    }
    if (kept != captured.size()) return std::nullopt;
    std::vector<std::pair<int, std::unique_ptr<T>>> taken;
    for (auto it = added.rbegin(); it != added.rend(); ++it) {
        taken.push_back({*it, std::move(list[size_t(*it)])});
        list.erase(list.begin() + *it);
    }
    return taken;
}

}  // namespace

MissionSnapshot::Changes MissionSnapshot::TakeChanges(Mission& mission, std::string name) {
    Changes result;
    // Every captured flight group and message must still be in its list.
    {
        std::unordered_set<const FlightGroup*> fgs;
        for (const auto& fg : mission.FlightGroups) fgs.insert(fg.get());
        std::unordered_set<const RadioMessage*> msgs;
        for (const auto& m : mission.Messages) msgs.insert(m.get());
        for (const auto& c : flightGroups_)
            if (!fgs.count(c.live)) result.irreversible = true;
        for (const auto& c : messages_)
            if (!msgs.count(c.live)) result.irreversible = true;
        if (result.irreversible) return result;
    }

    // The records as they are now, paired with their captured versions. The
    // swap steps the mission back; applying the edit steps it forward again.
    auto swaps = std::make_unique<RecordSwapEdit>(name);
    // The captured versions are handed over: a snapshot is taken once.
    swaps->Add(mission.Header, std::move(header_));
    for (size_t t = 0; t < size_t(kTeamCount); ++t) {
        swaps->Add(mission.GlobalGoals[t], std::move(globalGoals_[t]));
        swaps->Add(mission.Teams[t], std::move(teams_[t]));
    }
    for (size_t b = 0; b < size_t(kBriefingCount); ++b)
        swaps->Add(mission.Briefings[b], std::move(briefings_[b]));
    swaps->Add(*mission.GoalStrings, std::move(goalStrings_));
    swaps->Add(mission.SuccessfulDebriefing, std::move(successfulDebriefing_));
    swaps->Add(mission.FailedDebriefing, std::move(failedDebriefing_));
    swaps->Add(mission.Description, std::move(description_));
    for (auto& c : flightGroups_) {
        swaps->Add(c.live->File, std::move(c.file));
        swaps->Add(c.live->GoalStrings, std::move(c.goalStrings));
    }
    for (auto& c : messages_) {
        swaps->Add(c.live->File, std::move(c.file));
        swaps->Add(c.live->WaveFile, std::move(c.waveFile));
    }
    swaps->SwapAll();

    auto composite = std::make_unique<CompositeEdit>(name);
    auto fgs = Added(mission.FlightGroups, flightGroups_);
    auto msgs = Added(mission.Messages, messages_);
    composite->Add(FlightGroupListChange::Inserting(name, &Mission::FlightGroups, std::move(*fgs)));
    composite->Add(MessageListChange::Inserting(name, &Mission::Messages, std::move(*msgs)));
    composite->Add(std::move(swaps));
    if (!composite->IsEmpty()) result.edit = std::move(composite);
    return result;
}

}  // namespace vantorel
