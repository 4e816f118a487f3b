#include "flow/FlowAnalysis.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "catalogue/ConditionWordLists.h"
#include "catalogue/Orders.h"
#include "flow/ConditionRules.h"
#include "mission/Mission.h"

namespace vantorel {

namespace {

// The amounts the list names; an amount it shows as "(unknown: %d)" might
// mean anything, even "none of", so it counts as possible.
bool KnownAmount(int amount) {
    static const std::array<bool, 256> known = [] {
        std::array<bool, 256> k{};
        for (int a = 0; a < 256; ++a)
            k[size_t(a)] = ListWord(Amounts(), a).rfind("(unknown", 0) != 0;
        return k;
    }();
    return known[size_t(amount & 0xFF)];
}

std::array<bool, 4> TriggersCanBeTrue(const ConditionSet& set, const std::vector<bool>& arrives) {
    std::array<bool, 4> can{};
    for (int i = 0; i < set.count; ++i)
        can[size_t(i)] = TriggerCanBeTrue(set.triggers[size_t(i)], arrives);
    return can;
}

}  // namespace

bool NeverAppears(const FlightGroupRecord& fg) {
    return fg.DifficultyLevel() == 6 || fg.DifficultyLevel() == 7;
}

ConditionSet ArrivalConditions(const FlightGroupRecord& fg) {
    ConditionSet s;
    for (int i = 0; i < 4; ++i) s.triggers[size_t(i)] = fg.ArrivalTrigger(i);
    s.andOr12 = fg.ArrivalAndOr12();
    s.andOr34 = fg.ArrivalAndOr34();
    s.andOr1234 = fg.ArrivalAndOr1234();
    return s;
}

ConditionSet DepartureConditions(const FlightGroupRecord& fg) {
    ConditionSet s;
    s.count = 2;
    for (int i = 0; i < 2; ++i) s.triggers[size_t(i)] = fg.DepartureTrigger(i);
    s.andOr12 = fg.DepartureAndOr();
    return s;
}

ConditionSet JumpToOrder4Conditions(const FlightGroupRecord& fg) {
    ConditionSet s;
    s.count = 2;
    for (int i = 0; i < 2; ++i) s.triggers[size_t(i)] = fg.JumpToOrder4Trigger(i);
    s.andOr12 = fg.JumpToOrder4AndOr();
    return s;
}

ConditionSet MessageConditions(const MessageRecord& message) {
    ConditionSet s;
    for (int i = 0; i < 4; ++i) s.triggers[size_t(i)] = message.GetTrigger(i);
    s.andOr12 = message.AndOr12();
    s.andOr34 = message.AndOr34();
    s.andOr1234 = message.AndOr1234();
    return s;
}

ConditionSet GoalSetConditions(const Mission& mission, int team, int set) {
    ConditionSet s;
    const ConstGoalSet goals = *mission.GlobalGoalSet(team, set);
    for (int i = 0; i < 4; ++i) s.triggers[size_t(i)] = goals.GetTrigger(i);
    s.andOr12 = goals.AndOr12();
    s.andOr34 = goals.AndOr34();
    s.andOr1234 = goals.AndOr1234();
    return s;
}

bool TriggerWaitsInVain(const Trigger& t, const std::vector<bool>& arrives) {
    // A flight group past the list is a dangling reference, which the check
    // reports on its own; what the game does with it is not known.
    return NeedOf(t.Condition) == ConditionNeed::FlightGroupHere &&
           t.VariableType == kVariableFlightGroup && t.Variable < arrives.size() &&
           KnownAmount(t.Amount) && !arrives[t.Variable];
}

bool TriggerCanBeTrue(const Trigger& t, const std::vector<bool>& arrives) {
    return NeedOf(t.Condition) != ConditionNeed::Never && !TriggerWaitsInVain(t, arrives);
}

bool SetCanBeTrue(const ConditionSet& set, const std::vector<bool>& arrives) {
    return CanBeTrue(set, TriggersCanBeTrue(set, arrives));
}

bool SetIsFalse(const ConditionSet& set) {
    std::array<bool, 4> can{};
    for (int i = 0; i < set.count; ++i)
        can[size_t(i)] = NeedOf(set.triggers[size_t(i)].Condition) != ConditionNeed::Never;
    return !CanBeTrue(set, can);
}

std::vector<int> SetBlame(const ConditionSet& set, const std::vector<bool>& arrives) {
    std::array<bool, 4> isFalse{};
    for (int i = 0; i < set.count; ++i)
        isFalse[size_t(i)] = NeedOf(set.triggers[size_t(i)].Condition) == ConditionNeed::Never;
    return BlameTriggers(set, TriggersCanBeTrue(set, arrives), isFalse);
}

bool GoalCanBeMet(int sense, const Trigger& onItsGroup, const std::vector<bool>& arrives) {
    constexpr int kMust = 0, kMustAsBonus = 2;
    if (sense != kMust && sense != kMustAsBonus) return true;
    return TriggerCanBeTrue(onItsGroup, arrives);
}

std::vector<bool> FlightGroupsThatCanArrive(const Mission& mission) {
    const int n = mission.CountFlightGroups();
    std::vector<bool> arrives(size_t(n), false);
    // Who drops off whom: the second parameter of Drop Off Craft.
    std::vector<std::vector<int>> droppedBy(static_cast<size_t>(n));
    for (int j = 0; j < n; ++j) {
        const FlightGroupRecord& r = mission.FlightGroups[size_t(j)]->File;
        for (int o = 0; o < FlightGroupRecord::kOrderCount; ++o) {
            const ConstOrder order = r.Orders(o);
            if (order.Command() == kOrderDropOffCraft && order.Parameter2() < n)
                droppedBy[order.Parameter2()].push_back(j);
        }
    }
    std::vector<ConditionSet> arrival;
    arrival.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        arrival.push_back(ArrivalConditions(mission.FlightGroups[size_t(i)]->File));

    // Each pass adds what the groups found so far allow; a group found is
    // never taken back, so the passes end after at most n + 1.
    for (bool grew = true; grew;) {
        grew = false;
        for (int i = 0; i < n; ++i) {
            if (arrives[size_t(i)]) continue;
            const FlightGroupRecord& r = mission.FlightGroups[size_t(i)]->File;
            const bool byArrival = !NeverAppears(r) && SetCanBeTrue(arrival[size_t(i)], arrives);
            const bool droppedOff =
                std::any_of(droppedBy[size_t(i)].begin(), droppedBy[size_t(i)].end(),
                            [&](int j) { return arrives[size_t(j)]; });
            if (byArrival || droppedOff) {
                arrives[size_t(i)] = true;
                grew = true;
            }
        }
    }
    return arrives;
}

std::vector<std::vector<int>> WaitingCircles(const Mission& mission,
                                             const std::vector<bool>& arrives) {
    const int n = mission.CountFlightGroups();
    // Who waits for whom in vain, among the groups that never arrive. A
    // group that another could drop off does not only wait: its story is
    // that of its dropper.
    std::vector<bool> dropped(size_t(n), false);
    for (const auto& fg : mission.FlightGroups)
        for (int o = 0; o < FlightGroupRecord::kOrderCount; ++o) {
            const ConstOrder order = std::as_const(fg->File).Orders(o);
            if (order.Command() == kOrderDropOffCraft && order.Parameter2() < n)
                dropped[order.Parameter2()] = true;
        }
    std::vector<std::vector<int>> waitsFor(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        if (arrives[size_t(i)] || dropped[size_t(i)]) continue;
        const FlightGroupRecord& r = mission.FlightGroups[size_t(i)]->File;
        for (int k = 0; k < 4; ++k) {
            const Trigger t = r.ArrivalTrigger(k);
            if (TriggerWaitsInVain(t, arrives) && !dropped[t.Variable])
                waitsFor[size_t(i)].push_back(t.Variable);
        }
    }

    // Tarjan's strongly connected groups, without recursion: a long chain of
    // 255 groups must not run out of stack.
    std::vector<int> index(size_t(n), -1), low(size_t(n), 0);
    std::vector<bool> onStack(size_t(n), false);
    std::vector<int> stack;
    std::vector<std::vector<int>> circles;
    int counter = 0;
    struct Frame {
        int v;
        size_t next;
    };
    for (int root = 0; root < n; ++root) {
        if (index[size_t(root)] >= 0 || arrives[size_t(root)] || dropped[size_t(root)]) continue;
        std::vector<Frame> frames{{root, 0}};
        index[size_t(root)] = low[size_t(root)] = counter++;
        stack.push_back(root);
        onStack[size_t(root)] = true;
        while (!frames.empty()) {
            Frame& f = frames.back();
            const auto& out = waitsFor[size_t(f.v)];
            if (f.next < out.size()) {
                const int w = out[f.next++];
                if (index[size_t(w)] < 0) {
                    index[size_t(w)] = low[size_t(w)] = counter++;
                    stack.push_back(w);
                    onStack[size_t(w)] = true;
                    frames.push_back({w, 0});
                } else if (onStack[size_t(w)]) {
                    low[size_t(f.v)] = std::min(low[size_t(f.v)], index[size_t(w)]);
                }
                continue;
            }
            const int v = f.v;
            frames.pop_back();
            if (!frames.empty())
                low[size_t(frames.back().v)] =
                    std::min(low[size_t(frames.back().v)], low[size_t(v)]);
            if (low[size_t(v)] != index[size_t(v)]) continue;
            std::vector<int> group;
            for (int w = -1; w != v;) {
                w = stack.back();
                stack.pop_back();
                onStack[size_t(w)] = false;
                group.push_back(w);
            }
            const auto& own = waitsFor[size_t(v)];
            if (group.size() > 1 || std::find(own.begin(), own.end(), v) != own.end()) {
                std::sort(group.begin(), group.end());
                circles.push_back(std::move(group));
            }
        }
    }
    std::sort(circles.begin(), circles.end());
    return circles;
}

}  // namespace vantorel
