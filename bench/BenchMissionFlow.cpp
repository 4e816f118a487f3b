// The "never" analysis and the layered layout of the mission flow, on the
// maximal mission with every trigger used: 255 flight groups whose four
// arrival, two departure and two jump conditions, eight goals and orders all
// name flight groups, 255 messages with four such conditions, every team's
// three goal sets. The window redoes both after every edit of the mission.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "MaximalMission.h"
#include "document/MissionReader.h"
#include "flow/ConditionRules.h"
#include "flow/FlowCheck.h"
#include "flow/FlowLayout.h"
#include "flow/MissionFlow.h"

using namespace vantorel;

namespace {

Mission EveryTriggerUsed() {
    Mission m;
    ReadMission(bench::MaximalMissionBytes(), m);
    std::mt19937 rng(36);
    std::vector<uint8_t> conditions;
    // Every condition that names something: half of them need their group
    // in space, so some groups arrive and others wait in long chains.
    for (const ConditionRule& rule : ConditionRules())
        if (rule.need == ConditionNeed::FlightGroupHere || rule.need == ConditionNeed::Possible)
            conditions.push_back(uint8_t(rule.condition));
    const int n = m.CountFlightGroups();
    const auto pick = [&](int count) { return uint8_t(rng() % unsigned(count)); };
    const auto trigger = [&] {
        return Trigger{conditions[pick(int(conditions.size()))], 1, pick(n), pick(10)};
    };
    for (auto& fg : m.FlightGroups) {
        FlightGroupRecord& r = fg->File;
        for (int i = 0; i < 4; ++i) r.SetArrivalTrigger(i, trigger());
        for (int i = 0; i < 2; ++i) r.SetDepartureTrigger(i, trigger());
        for (int i = 0; i < 2; ++i) r.SetJumpToOrder4Trigger(i, trigger());
        r.SetArrivalAndOr12(pick(2));
        r.SetArrivalAndOr34(pick(2));
        r.SetArrivalAndOr1234(pick(2));
        r.SetDepartureAndOr(pick(2));
        r.SetDifficultyLevel(pick(11));
        for (int g = 0; g < FlightGroupRecord::kGoalCount; ++g) {
            r.Goals(g).SetCondition(trigger().Condition);
            r.Goals(g).SetArgument(pick(4));
            r.Goals(g).SetAmount(pick(10));
        }
        for (int o = 0; o < FlightGroupRecord::kOrderCount; ++o) {
            Order order = r.Orders(o);
            order.SetCommand(o == 3 ? 18 : 7);  // attack, attack, attack, drop off
            order.SetParameter2(pick(n));
            order.SetTarget1Type(1);
            order.SetTarget1(pick(n));
            order.SetTarget3Type(1);
            order.SetTarget3(pick(n));
        }
    }
    for (auto& message : m.Messages) {
        for (int i = 0; i < 4; ++i) message->File.SetTrigger(i, trigger());
        message->File.SetAndOr12(pick(2));
        message->File.SetAndOr34(pick(2));
        message->File.SetAndOr1234(pick(2));
    }
    for (int t = 0; t < kTeamCount; ++t)
        for (int k = 0; k < 3; ++k) {
            GoalSet set = *m.GlobalGoalSet(t, k);
            for (int i = 0; i < 4; ++i) set.SetTrigger(i, trigger());
            set.SetAndOr12(pick(2));
            set.SetAndOr34(pick(2));
            set.SetAndOr1234(pick(2));
        }
    return m;
}

const Mission& TheMission() {
    static const Mission m = EveryTriggerUsed();
    return m;
}

// Boxes as the window measures them: about 7 pixels a character, a line for
// the label and one for each input.
std::vector<LayoutSize> Sizes(const MissionFlow& flow) {
    std::vector<LayoutSize> sizes;
    for (const FlowNode& node : flow.nodes)
        sizes.push_back({16 + 7 * int(node.label.size()), 24 + 14 * int(node.inputs.size())});
    return sizes;
}

void Count(benchmark::State& state, const MissionFlow& flow, const FlowPicture* picture) {
    long long never = 0;
    for (const FlowNode& node : flow.nodes) never += node.never;
    state.counters["nodes"] = double(flow.nodes.size());
    state.counters["edges"] = double(flow.edges.size());
    state.counters["never"] = double(never);
    if (picture) {
        state.counters["layers"] =
            double(1 + *std::max_element(picture->layer.begin(), picture->layer.end()));
        state.counters["crossings"] = double(picture->crossings);
    }
}

void BM_FlowAnalysis(benchmark::State& state) {
    for (auto _ : state) {
        MissionFlow flow = MakeMissionFlow(TheMission());
        benchmark::DoNotOptimize(flow.nodes.data());
    }
    Count(state, MakeMissionFlow(TheMission()), nullptr);
}
BENCHMARK(BM_FlowAnalysis)->Unit(benchmark::kMillisecond);

void BM_FlowLayout(benchmark::State& state) {
    const MissionFlow flow = MakeMissionFlow(TheMission());
    const std::vector<LayoutSize> sizes = Sizes(flow);
    for (auto _ : state) {
        FlowPicture picture = LayOutMissionFlow(flow, sizes);
        benchmark::DoNotOptimize(picture.topLeft.data());
    }
    const FlowPicture picture = LayOutMissionFlow(flow, sizes);
    Count(state, flow, &picture);
}
BENCHMARK(BM_FlowLayout)->Unit(benchmark::kMillisecond);

// What the window pays after an edit: both.
void BM_FlowAnalysisAndLayout(benchmark::State& state) {
    for (auto _ : state) {
        const MissionFlow flow = MakeMissionFlow(TheMission());
        FlowPicture picture = LayOutMissionFlow(flow, Sizes(flow));
        benchmark::DoNotOptimize(picture.topLeft.data());
    }
}
BENCHMARK(BM_FlowAnalysisAndLayout)->Unit(benchmark::kMillisecond);

// The check's findings with their chains, which the Problems window makes
// again after every edit while it is open.
void BM_FlowCheck(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<Problem> problems = CheckMissionFlow(TheMission());
        benchmark::DoNotOptimize(problems.data());
    }
    state.counters["problems"] = double(CheckMissionFlow(TheMission()).size());
}
BENCHMARK(BM_FlowCheck)->Unit(benchmark::kMillisecond);

}  // namespace
