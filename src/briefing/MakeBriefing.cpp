#include "briefing/MakeBriefing.h"

#include <algorithm>
#include <vector>

#include "briefing/BriefingViewport.h"
#include "catalogue/ConditionWordLists.h"
#include "catalogue/CraftTypes.h"
#include "catalogue/GoalText.h"
#include "catalogue/TeamName.h"
#include "catalogue/TriggerText.h"
#include "document/LevelDocument.h"
#include "mission/BriefingCommands.h"
#include "mission/Mission.h"

namespace vantorel {

namespace {

constexpr int kTagTicks = kBriefingTicksPerSecond;  // players' tags, one a second
constexpr int kGoalTicks = kMakeBriefingSecondsPerGoal * kBriefingTicksPerSecond;
constexpr int kTagAfterCaption = kBriefingTicksPerSecond / 2;

struct Goal {
    std::string sentence;
    int target = -1;  // the flight group the goal names, -1 for none
};

bool Meaningful(int condition) {
    return condition != kConditionTrue && condition != kConditionFalse;
}

// The sentence with the flight group's words [highlighted].
std::string Highlighted(std::string sentence, const std::string& words) {
    const size_t at = words.empty() ? std::string::npos : sentence.find(words);
    if (at != std::string::npos) {
        sentence.insert(at + words.size(), "]");
        sentence.insert(at, "[");
    }
    return sentence;
}

std::vector<Goal> PrimaryGoals(const Mission& mission, const std::vector<int>& teams) {
    std::vector<Goal> goals;
    for (int team : teams) {
        const ConstGoalSet set = *mission.GlobalGoalSet(team, 0);
        for (int c = 0; c < 4; ++c) {
            const Trigger t = set.GetTrigger(c);
            if (!Meaningful(t.Condition)) continue;
            Goal g;
            g.sentence = TeamName(team, &mission) + ": " + TriggerText(t, &mission);
            if (t.VariableType == kVariableFlightGroup &&
                t.Variable < mission.CountFlightGroups()) {
                g.target = t.Variable;
                g.sentence = Highlighted(
                    g.sentence, TriggerVariableText(kVariableFlightGroup, t.Variable, &mission));
            }
            goals.push_back(g);
        }
        for (int i = 0; i < mission.CountFlightGroups(); ++i) {
            const FlightGroupRecord& r = mission.FlightGroups[size_t(i)]->File;
            for (int n = 0; n < FlightGroupRecord::kGoalCount; ++n) {
                const ConstFgGoal g = r.Goals(n);
                // "Must" and "must not"; the bonus goals are not primary.
                if (g.Team() != team || g.Argument() > 1 || !Meaningful(g.Condition())) continue;
                goals.push_back({GoalText(team, g.Amount(), "[" + FlightGroupLabel(r) + "]",
                                          g.Argument(), g.Condition(), &mission),
                                 i});
            }
        }
    }
    return goals;
}

// Fills the event list, keeping count of the words and the tag slots.
class ListMaker {
public:
    explicit ListMaker(std::vector<BriefingEvent>& events) : events_(events) {}

    bool Fits(int words) const {
        return BriefingListWords(events_) + words + 2 <= kBriefingMaxWords;  // 2: the end
    }
    void Add(int time, int type, std::initializer_list<int> params = {}) {
        BriefingEvent e;
        e.Time = uint16_t(time);
        e.Type = uint16_t(type);
        size_t i = 0;
        for (int p : params) e.Params[i++] = int16_t(p);
        events_.push_back(e);
    }
    // The words tagging `fg` would take: none when it is tagged already.
    int TagWords(int fg) const {
        if (fg < 0 || std::find(tagged_.begin(), tagged_.end(), fg) != tagged_.end()) return 0;
        return tagged_.size() < size_t(kBriefingTagSlots) ? 3 : 5;
    }
    void Tag(int time, int fg) {
        if (TagWords(fg) == 0) return;
        if (tagged_.size() == size_t(kBriefingTagSlots)) {
            Add(time, kBriefingClearFgTags);
            tagged_.clear();
        }
        Add(time, kBriefingFgTag1 + int(tagged_.size()), {fg});
        tagged_.push_back(fg);
    }

private:
    std::vector<BriefingEvent>& events_;
    std::vector<int> tagged_;  // by slot
};

}  // namespace

MakeBriefingResult MakeBriefing(Mission& mission, int b) {
    MakeBriefingResult result;
    if (b < 0 || b >= kBriefingCount) {
        result.problem = "There is no briefing " + std::to_string(b + 1) + ".";
        return result;
    }
    Briefing& briefing = mission.Briefings[size_t(b)];
    BriefingDecode decoded = DecodeBriefing(briefing.Commands);
    if (!decoded.Script) {
        result.problem = "Briefing " + std::to_string(b + 1) + " cannot be read (" +
                         decoded.Reason + "); it is kept as it is.";
        return result;
    }
    BriefingScript script = std::move(*decoded.Script);

    // What the old list showed goes with it; its words become zeros.
    for (const BriefingEvent& e : script.Events) {
        const int i = e.Params[0];
        if ((e.Type == kBriefingTitle || e.Type == kBriefingCaption) && i >= 0 && i < 32)
            briefing.Strings[size_t(i)].clear();
        if (e.IsTextTag() && i >= 0 && i < 32) briefing.Tags[size_t(i)].clear();
    }
    std::fill_n(script.Area.begin(), 2 * size_t(BriefingListWords(script.Events)), uint8_t(0));
    script.Events.clear();

    std::vector<int> teams, players;
    for (int i = 0; i < mission.CountFlightGroups(); ++i) {
        const FlightGroupRecord& r = mission.FlightGroups[size_t(i)]->File;
        if (r.PlayerNumber() == 0) continue;
        players.push_back(i);
        if (r.Team() < kBriefingTeamCount) teams.push_back(r.Team());
    }
    std::sort(teams.begin(), teams.end());
    teams.erase(std::unique(teams.begin(), teams.end()), teams.end());
    script.Teams.fill(0);
    for (int t : teams) script.Teams[size_t(t)] = 1;

    const int point = kFirstBriefingPoint + b;
    const bool placed =
        std::any_of(mission.FlightGroups.begin(), mission.FlightGroups.end(),
                    [&](const auto& fg) { return fg->File.WaypointEnabled(point); });
    UnitBounds bounds;
    for (auto& fg : mission.FlightGroups) {
        FlightGroupRecord& r = fg->File;
        const auto start = fg->FirstEnabledStartPoint();
        if (!placed && start) {
            r.SetWaypointX(point, r.WaypointX(*start));
            r.SetWaypointY(point, r.WaypointY(*start));
            r.SetWaypointZ(point, r.WaypointZ(*start));
            r.SetWaypointEnabled(point, 1);
            ++result.positionsSet;
        }
        if (r.WaypointEnabled(point)) bounds.Add(r.WaypointX(point), r.WaypointY(point));
    }

    ListMaker list(script.Events);
    const BriefingView view = FitBriefingView(bounds);
    list.Add(0, kBriefingMoveMap, {view.x, view.y});
    list.Add(0, kBriefingZoomMap, {view.zoomX, view.zoomY});
    int time = 0;
    for (int fg : players) {
        if (!list.Fits(list.TagWords(fg))) break;
        if (list.TagWords(fg)) list.Tag(time += kTagTicks, fg);
    }

    int goalTime = time + kTagTicks;
    int nextString = 0;
    for (const Goal& goal : PrimaryGoals(mission, teams)) {
        while (nextString < 32 && !briefing.Strings[size_t(nextString)].empty()) ++nextString;
        const bool first = result.captions == 0;
        const int words = (first ? 0 : 2) + 3 + list.TagWords(goal.target);
        if (nextString == 32 || !list.Fits(words)) {
            ++result.goalsLeftOut;
            continue;
        }
        if (!first) list.Add(goalTime, kBriefingStop);
        briefing.Strings[size_t(nextString)] = goal.sentence;
        list.Add(goalTime, kBriefingCaption, {nextString});
        list.Tag(goalTime + kTagAfterCaption, goal.target);
        ++result.captions;
        time = goalTime;
        goalTime += kGoalTicks;
    }
    script.RunningTime = uint16_t(time + (result.captions ? kGoalTicks : kTagTicks));
    list.Add(kBriefingEndTime, kBriefingEnd);
    briefing.Commands = EncodeBriefing(script);
    result.made = true;
    return result;
}

MakeBriefingResult MakeBriefing(LevelDocument& doc, int briefing) {
    LevelDocument::ChangeScope change(doc, "Make Briefing");
    return MakeBriefing(doc.GetMission(), briefing);
}

}  // namespace vantorel
