// The "never" analysis: the condition table, each verdict, the and/or
// joining, and nothing impossible in what the wizards build.
#include <gtest/gtest.h>

#include <set>

#include "FlowMissions.h"
#include "catalogue/ConditionWordLists.h"
#include "flow/ConditionRules.h"
#include "flow/FlowAnalysis.h"
#include "flow/MissionFlow.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"
#include "wizards/NewFlightGroupBuilder.h"
#include "wizards/NewMissionBuilder.h"

namespace vantorel {
namespace {

using namespace testing;

std::vector<bool> Arrives(const Mission& m) {
    return FlightGroupsThatCanArrive(m);
}

// Alpha never appears; Bravo's first arrival condition is `t`.
bool BravoArrivesWhen(const Trigger& t) {
    Mission m = FlowMission(2);
    Fg(m, 0).SetDifficultyLevel(6);
    Fg(m, 1).SetArrivalTrigger(0, t);
    return Arrives(m)[1];
}

TEST(ConditionRules, OneRowPerConditionOfTheCatalogueWithItsWord) {
    ASSERT_EQ(ConditionRules().size(), Conditions().size());
    std::set<int> needsTheGroup;
    for (const ConditionRule& rule : ConditionRules()) {
        EXPECT_STREQ(rule.word, Conditions()[size_t(rule.condition)]) << rule.condition;
        EXPECT_EQ(FindConditionRule(rule.condition), &rule);
        const bool phrases = rule.needs && rule.when;
        EXPECT_EQ(phrases, rule.need == ConditionNeed::FlightGroupHere) << rule.condition;
        if (rule.need == ConditionNeed::FlightGroupHere) needsTheGroup.insert(rule.condition);
    }
    // Arrive, destroyed, attacked, captured, inspected, boarded, finish
    // docking, disabled, dropped off (twice), reinforced, shields and hull,
    // out of missiles, begin boarding, bagged, withdraw, carried away.
    EXPECT_EQ(needsTheGroup, (std::set<int>{1,  2,  3,  4,  5,  6,  7,  8,  19, 20, 21,
                                            22, 23, 25, 32, 34, 35, 36, 37, 44, 45, 46}));
    EXPECT_EQ(NeedOf(0), ConditionNeed::Always);
    EXPECT_EQ(NeedOf(10), ConditionNeed::Never);
    EXPECT_EQ(FindConditionRule(47), nullptr);
    EXPECT_EQ(NeedOf(255), ConditionNeed::Possible);
}

TEST(ConditionRules, TrueAlwaysAndFalseNeverWhateverTheyName) {
    EXPECT_TRUE(BravoArrivesWhen({0, 1, 0, 0}));
    EXPECT_FALSE(BravoArrivesWhen({10, 1, 1, 0}));
    EXPECT_FALSE(BravoArrivesWhen({10, 0, 0, 0}));
}

TEST(ConditionRules, AConditionThatNeedsItsGroupWaitsForItsArrival) {
    for (const ConditionRule& rule : ConditionRules()) {
        if (rule.need != ConditionNeed::FlightGroupHere) continue;
        const uint8_t c = uint8_t(rule.condition);
        EXPECT_FALSE(BravoArrivesWhen({c, 1, 0, 0})) << rule.word;
        // On a group that does arrive, or when it names no flight group.
        Mission m = FlowMission(2);
        Fg(m, 1).SetArrivalTrigger(0, {c, 1, 0, 0});
        EXPECT_TRUE(Arrives(m)[1]) << rule.word;
        EXPECT_TRUE(BravoArrivesWhen({c, 2, 0, 0})) << rule.word;   // a ship type
        EXPECT_TRUE(BravoArrivesWhen({c, 12, 0, 0})) << rule.word;  // a team
    }
}

TEST(ConditionRules, EveryOtherConditionAndWhatIsNotKnownMayComeTrue) {
    for (int c = 1; c < 256; ++c) {
        if (NeedOf(c) != ConditionNeed::Possible) continue;
        EXPECT_TRUE(BravoArrivesWhen({uint8_t(c), 1, 0, 0})) << c;
    }
    // An amount the lists do not name, and a flight group past the list.
    EXPECT_TRUE(BravoArrivesWhen({kMustBeDestroyed, 1, 0, 12}));
    EXPECT_TRUE(BravoArrivesWhen({kMustBeDestroyed, 1, 0, 200}));
    EXPECT_FALSE(BravoArrivesWhen({kMustBeDestroyed, 1, 0, 18}));  // "Each craft in"
    EXPECT_TRUE(BravoArrivesWhen({kMustBeDestroyed, 1, 5, 0}));
}

TEST(FlowAnalysis, NeverAppearsByDifficultyLevelSixAndSevenOnly) {
    Mission m = FlowMission(5);
    const uint8_t levels[5] = {5, 6, 7, 8, 255};
    for (int i = 0; i < 5; ++i) Fg(m, i).SetDifficultyLevel(levels[i]);
    EXPECT_EQ(Arrives(m), (std::vector<bool>{true, false, false, true, true}));
}

TEST(FlowAnalysis, AChainOfThreeFollowsItsFirstLink) {
    Mission m = FlowMission(4);
    Fg(m, 1).SetArrivalTrigger(0, Destroyed(0));
    Fg(m, 2).SetArrivalTrigger(0, Arrived(1));
    Fg(m, 3).SetArrivalTrigger(0, Destroyed(2));
    // Listed in reverse, so one pass over the list is not enough.
    EXPECT_EQ(Arrives(m), (std::vector<bool>{true, true, true, true}));
    Fg(m, 0).SetArrivalTrigger(2, False());
    EXPECT_EQ(Arrives(m), (std::vector<bool>{false, false, false, false}));
    EXPECT_TRUE(WaitingCircles(m, Arrives(m)).empty());
}

TEST(FlowAnalysis, GroupsThatWaitForEachOtherFormCircles) {
    Mission m = FlowMission(6);
    Fg(m, 0).SetArrivalTrigger(0, Destroyed(2));
    Fg(m, 2).SetArrivalTrigger(1, Arrived(4));
    Fg(m, 4).SetArrivalTrigger(3, Destroyed(0));
    Fg(m, 1).SetArrivalTrigger(0, Destroyed(1));  // waits for itself
    Fg(m, 3).SetArrivalTrigger(0, Destroyed(0));  // waits on the circle, not in it
    EXPECT_EQ(Arrives(m), (std::vector<bool>{false, false, false, false, false, true}));
    EXPECT_EQ(WaitingCircles(m, Arrives(m)), (std::vector<std::vector<int>>{{0, 2, 4}, {1}}));
    // One way out of the circle frees it all.
    Fg(m, 2).SetArrivalAndOr12(kOr);
    EXPECT_EQ(Arrives(m), (std::vector<bool>{true, false, true, true, true, true}));
    EXPECT_EQ(WaitingCircles(m, Arrives(m)), (std::vector<std::vector<int>>{{1}}));
}

TEST(FlowAnalysis, ADropOffBringsAGroupThatCannotArriveByItself) {
    Mission m = FlowMission(3);
    Fg(m, 1).SetArrivalTrigger(0, {kMustBeDroppedOff, 1, 1, 0});  // when it is dropped off
    Fg(m, 2).SetArrivalTrigger(0, Destroyed(1));
    EXPECT_EQ(Arrives(m), (std::vector<bool>{true, false, false}));
    Fg(m, 0).Orders(2).SetCommand(18);
    Fg(m, 0).Orders(2).SetParameter2(1);
    EXPECT_EQ(Arrives(m), (std::vector<bool>{true, true, true}));
    // Only a dropper that arrives itself.
    Fg(m, 0).SetDifficultyLevel(7);
    EXPECT_EQ(Arrives(m), (std::vector<bool>{false, false, false}));
    // Parameter 2 names the group; another order's does not.
    Fg(m, 0).SetDifficultyLevel(0);
    Fg(m, 0).Orders(2).SetCommand(17);
    EXPECT_EQ(Arrives(m), (std::vector<bool>{true, false, false}));
}

TEST(FlowAnalysis, AnOrKeepsAGroupPossibleAndAnAndDoesNot) {
    // Bravo: (Alpha destroyed ? Charlie destroyed) ? (3 ? 4), Alpha never appears.
    const auto bravo = [](uint8_t op12, uint8_t op34, uint8_t op1234, Trigger t3, Trigger t4) {
        Mission m = FlowMission(3);
        Fg(m, 0).SetDifficultyLevel(6);
        FlightGroupRecord& r = Fg(m, 1);
        r.SetArrivalTrigger(0, Destroyed(0));
        r.SetArrivalTrigger(1, Destroyed(2));
        r.SetArrivalTrigger(2, t3);
        r.SetArrivalTrigger(3, t4);
        r.SetArrivalAndOr12(op12);
        r.SetArrivalAndOr34(op34);
        r.SetArrivalAndOr1234(op1234);
        return bool(Arrives(m)[1]);
    };
    const Trigger yes{0, 0, 0, 0};
    EXPECT_TRUE(bravo(kOr, kAnd, kAnd, yes, yes));
    EXPECT_FALSE(bravo(kAnd, kAnd, kAnd, yes, yes));
    // The second pair is joined to the first by the third byte.
    EXPECT_TRUE(bravo(kAnd, kAnd, kOr, yes, yes));
    EXPECT_FALSE(bravo(kAnd, kOr, kOr, False(), False()));
    EXPECT_TRUE(bravo(kAnd, kOr, kOr, False(), yes));
    EXPECT_FALSE(bravo(kOr, kAnd, kAnd, False(), yes));
    // A byte that is neither AND nor OR may be either: it does not say never.
    EXPECT_TRUE(bravo(2, kAnd, kAnd, yes, yes));
    EXPECT_TRUE(bravo(kAnd, 255, 7, False(), yes));
}

TEST(FlowAnalysis, NodesOfDeparturesMessagesAndGoalsCarryTheirVerdicts) {
    Mission m = FlowMission(3, 2);
    Fg(m, 1).SetDifficultyLevel(6);
    // Alpha leaves when Bravo is destroyed, Charlie at once; both stay otherwise.
    Fg(m, 0).SetDepartureTrigger(0, Destroyed(1));
    Fg(m, 0).SetDepartureTrigger(1, {0, 0, 0, 0});
    Fg(m, 2).SetDepartureTrigger(0, {0, 0, 0, 0});
    Fg(m, 2).SetDepartureAndOr(kOr);
    Fg(m, 0).Goals(0).SetCondition(kMustBeDestroyed);  // must: possible
    Fg(m, 1).Goals(3).SetCondition(kMustBeDestroyed);  // must: never
    Fg(m, 1).Goals(4).SetCondition(kMustBeDestroyed);
    Fg(m, 1).Goals(4).SetArgument(1);   // must not: always met
    Fg(m, 1).Goals(5).SetCondition(9);  // must exist: not known
    m.Messages[0]->File.SetTrigger(3, Arrived(1));
    m.GlobalGoals[1].Set(0).SetTrigger(0, Destroyed(1));
    m.GlobalGoals[1].Set(1).SetTrigger(0, Destroyed(1));
    m.GlobalGoals[2].Set(2).SetTrigger(0, Destroyed(0));
    m.GlobalGoals[3].Set(0).SetTrigger(0, False());  // names nothing: no node
    const MissionFlow flow = MakeMissionFlow(m);

    std::vector<std::string> verdicts;
    for (const FlowNode& node : flow.nodes)
        verdicts.push_back(node.id + (node.never ? " never" : ""));
    EXPECT_EQ(verdicts, (std::vector<std::string>{
                            "fg0.arrival", "fg1.arrival never", "fg2.arrival",
                            "fg0.departure never", "fg0.goal1", "fg1.goal4 never", "fg1.goal5",
                            "fg1.goal6", "fg2.departure", "message0 never", "message1",
                            "team2.primary never", "team2.prevent never", "team3.secondary"}));
}

TEST(FlowGraph, EdgesRunFromTheGroupNamedToWhatWaitsAndOtherVariablesAreInputs) {
    Mission m = FlowMission(3, 1);
    Fg(m, 1).SetArrivalTrigger(0, Destroyed(0));
    Fg(m, 1).SetArrivalTrigger(1, {3, 1, 0, 0});                 // also attacked: one edge
    Fg(m, 1).SetArrivalTrigger(2, {kMustBeDestroyed, 2, 5, 0});  // a ship type
    Fg(m, 1).SetArrivalTrigger(3, {kMustBeDestroyed, 1, 9, 0});  // no such group
    Fg(m, 1).SetDepartureTrigger(0, Destroyed(1));  // its own: the same as after arriving
    Fg(m, 1).SetDepartureTrigger(1, {0, 0, 0, 0});
    Fg(m, 2).Orders(0).SetCommand(18);
    Fg(m, 2).Orders(0).SetParameter2(0);
    Fg(m, 2).Orders(1).SetCommand(7);  // Attack Targets
    Fg(m, 2).Orders(1).SetTarget1Type(1);
    Fg(m, 2).Orders(1).SetTarget1(1);
    Fg(m, 2).Orders(2).SetCommand(0);  // Hold Station: its targets do nothing
    Fg(m, 2).Orders(2).SetTarget1Type(1);
    Fg(m, 2).Orders(2).SetTarget1(0);
    m.Messages[0]->File.SetTrigger(0, {kMustBeDestroyed, 12, 1, 0});
    const MissionFlow flow = MakeMissionFlow(m);

    std::vector<std::string> edges;
    for (const FlowEdge& e : flow.edges)
        edges.push_back(flow.nodes[size_t(e.from)].id + " -> " + flow.nodes[size_t(e.to)].id + " " +
                        std::to_string(int(e.kind)) + " " + e.label);
    EXPECT_EQ(edges,
              (std::vector<std::string>{"fg0.arrival -> fg1.arrival 0 be destroyed, be attacked",
                                        "fg1.arrival -> fg1.departure 0 be destroyed",
                                        "fg2.arrival -> fg0.arrival 2 drops off",
                                        "fg2.arrival -> fg1.arrival 3 Attack Targets"}));
    EXPECT_EQ(flow.nodes[1].inputs,
              (std::vector<std::string>{"ship type TIE Fighter",
                                        "flight group (out of range ship index: 9)"}));
    EXPECT_EQ(flow.nodes.back().inputs, (std::vector<std::string>{"team Team 2"}));
}

// Every mission the wizards and `new` and `add` make: nothing in it is
// impossible.
TEST(FlowAnalysis, NothingTheWizardsBuildIsCalledImpossible) {
    FakeSettings settings;
    FakePrompter prompter;
    const std::vector<NewMissionChoices> missions = {
        {kMissionMelee, 1, 2, 0},    {kMissionMelee, 1, 4, 0},    {kMissionMelee, 1, 8, 0},
        {kMissionCombat, 1, 2, 0},   {kMissionCombat, 2, 2, 0},   {kMissionCombat, 4, 2, 0},
        {kMissionCombat, 8, 2, 0},   {kMissionTraining, 1, 2, 0}, {kMissionTraining, 2, 2, 1},
        {kMissionTraining, 8, 2, 0},
    };
    for (const NewMissionChoices& choices : missions) {
        LevelDocument doc(settings, prompter);
        NewMissionBuilder(doc).Build(choices);
        const FlightGroup* player = doc.GetMission().FlightGroups.front().get();
        unsigned seed = 1;
        const RandomSource random = [&seed] { return seed = seed * 1103515245u + 12345u; };
        for (int kind = kFgWizardFleet; kind <= kFgWizardMinefield; ++kind)
            for (int size : {0, 4}) {
                NewFlightGroupChoices c;
                c.Kind = kind;
                c.Team = 1;
                c.GroupSize = size;
                c.StationType = size ? 1 : 0;
                c.EscapeShuttle = true;
                c.SupportFlightGroup = kind == kFgWizardFleet ? player : nullptr;
                BuildNewFlightGroups(doc, c, random);
            }
        const MissionFlow flow = MakeMissionFlow(doc.GetMission());
        for (const FlowNode& node : flow.nodes)
            EXPECT_FALSE(node.never) << node.id << " of kind " << choices.Kind;
    }
}

}  // namespace
}  // namespace vantorel
