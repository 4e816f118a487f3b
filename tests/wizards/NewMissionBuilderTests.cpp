#include <gtest/gtest.h>

#include "support/FakePrompter.h"
#include "support/FakeSettings.h"
#include "support/PointOf.h"
#include "wizards/NewMissionBuilder.h"

namespace vantorel {
namespace {

using namespace testing;

class NewMissionBuilderTest : public ::testing::Test {
protected:
    const Mission& Build(NewMissionChoices choices) {
        NewMissionBuilder(doc).Build(choices);
        return doc.GetMission();
    }
    const FlightGroupRecord& Fg(int i) const {
        return doc.GetMission().FlightGroups[size_t(i)]->File;
    }

    FakeSettings settings;  // InitialFG defaults to 1: the wizard must still start empty
    FakePrompter prompter;
    LevelDocument doc{settings, prompter};
};

// What every wizard-made player flight group shares.
void ExpectPlayerCraft(const FlightGroupRecord& r) {
    EXPECT_EQ(r.WaypointEnabled(0), 1);
    const ConstOrder order = r.Orders(0);
    EXPECT_EQ(order.Command(), 7);
    EXPECT_EQ(order.Throttle(), 10);
    EXPECT_EQ(order.Parameter1(), 1);
    EXPECT_EQ(order.Parameter2(), 1);
    EXPECT_EQ(r.DepartureTrigger(0).Condition, 10);
    EXPECT_EQ(r.DepartureTrigger(1).Condition, 10);
}

TEST_F(NewMissionBuilderTest, TwoTeamMeleeSetsBlueAgainstRed) {
    const Mission& m = Build({kMissionMelee, 0, 2, 0});
    ASSERT_EQ(m.CountFlightGroups(), 8);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(prompter.shown.empty());
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k);
        const FlightGroupRecord& r = Fg(k);
        const int team = k < 4 ? 0 : 1;
        const int n = k % 4;
        ExpectPlayerCraft(r);
        EXPECT_EQ(r.PlayerNumber(), k + 1);
        EXPECT_EQ(r.Name(), team == 0 ? "Blue" : "Red");
        EXPECT_EQ(r.Team(), team);
        EXPECT_EQ(r.Markings(), team == 0 ? 2 : 0);
        EXPECT_EQ(r.Iff(), team == 0 ? 2 : 1);
        EXPECT_EQ(At(r, 0), (Point{team == 0 ? 256 : -256, -24 + 16 * n, 0}));
        EXPECT_EQ(r.WaypointEnabled(4), 1);
        EXPECT_EQ(At(r, 4), (Point{0, -32 + 16 * n, 0}));
        EXPECT_EQ(r.Orders(0).Target2(), team);
        // A penalty for the own team, a bonus for the other; no third goal.
        EXPECT_EQ(r.Goals(0).Team(), team);
        EXPECT_EQ(r.Goals(0).Points(), -2);
        EXPECT_EQ(r.Goals(1).Team(), 1 - team);
        EXPECT_EQ(r.Goals(1).Points(), 2);
        EXPECT_EQ(r.Goals(1).Amount(), 18);
        EXPECT_EQ(r.Goals(2).Condition(), 10);
    }
    EXPECT_EQ(m.Teams[1].Name(), "Red");
    EXPECT_EQ(m.Teams[2].Name(), "Team 3");
    EXPECT_EQ(m.GlobalGoals[1].Set(0).GetTrigger(0), (Trigger{2, 21, 1, 0}));
    EXPECT_EQ(
        m.Description,
        "[description]\r\n\r\nPlayers: [ship type] (8)\r\n\r\nDefault Time Limit: 10 Minutes");
    EXPECT_EQ(m.Header.TimeLimitMinutes(), 10);
    EXPECT_EQ(m.Header.MissionType(), 2);
}

TEST_F(NewMissionBuilderTest, EightTeamMeleeSpreadsTheTeamsRoundACircle) {
    const Mission& m = Build({kMissionMelee, 0, 8, 0});
    ASSERT_EQ(m.CountFlightGroups(), 8);
    const char* names[] = {"One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight"};
    const int slots[] = {0, 2, 4, 6, 1, 3, 5, 7};
    const Point circle[] = {{0, 320, -128},  {226, 226, 128},   {320, 0, -128},  {226, -226, 128},
                            {0, -320, -128}, {-226, -226, 128}, {-320, 0, -128}, {-226, 226, 128}};
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k);
        const FlightGroupRecord& r = Fg(k);
        EXPECT_EQ(r.Name(), names[k]);
        EXPECT_EQ(r.Team(), k);
        EXPECT_EQ(r.PlayerNumber(), k + 1);
        EXPECT_EQ(At(r, 0), circle[slots[k]]);
        EXPECT_EQ(r.GlobalUnit(), slots[k]);
        // Eight goals: the own team first, then every other team in order.
        EXPECT_EQ(r.Goals(0).Team(), k);
        EXPECT_EQ(r.Goals(0).Points(), -2);
        int expected = 0;
        for (int g = 1; g < 8; ++g, ++expected) {
            if (expected == k) ++expected;
            EXPECT_EQ(r.Goals(g).Team(), expected);
            EXPECT_EQ(r.Goals(g).Points(), 2);
        }
        EXPECT_EQ(m.Teams[size_t(k)].Name(), names[k]);
        EXPECT_EQ(m.GlobalGoals[size_t(k)].Set(0).GetTrigger(0), (Trigger{2, 21, uint8_t(k), 0}));
    }
}

TEST_F(NewMissionBuilderTest, FourTeamMeleePairsFlightGroupsIntoTeams) {
    const Mission& m = Build({kMissionMelee, 0, 4, 0});
    // Flight group 5 is one of the "Blue" pair above the origin.
    EXPECT_EQ(At(Fg(5), 0), (Point{8, 256, 0}));
    EXPECT_EQ(At(Fg(5), 4), (Point{0, 0, 0}));
    EXPECT_EQ(Fg(5).Team(), 2);
    EXPECT_EQ(Fg(5).Goals(4).Condition(), 10);
    EXPECT_EQ(m.Teams[3].Name(), "Green");
}

TEST_F(NewMissionBuilderTest, CombatEngagementPutsTheSidesFourKilometresApart) {
    const Mission& single = Build({kMissionCombat, 1, 0, 0});
    ASSERT_EQ(single.CountFlightGroups(), 1);
    ExpectPlayerCraft(Fg(0));
    EXPECT_EQ(Fg(0).CraftType(), 6);
    EXPECT_EQ(Fg(0).Name(), "New");
    EXPECT_EQ(At(Fg(0), 0), (Point{0, 640, 0}));
    EXPECT_EQ(single.Description, "[combat engagement description]\r\n\r\n(single player)");
    EXPECT_EQ(single.Header.MissionType(), 4);

    const Mission& four = Build({kMissionCombat, 4, 0, 0});
    ASSERT_EQ(four.CountFlightGroups(), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const int side = i % 2;
        const FlightGroupRecord& r = Fg(i);
        EXPECT_EQ(r.PlayerNumber(), i + 1);
        EXPECT_EQ(At(r, 0), (Point{16 * i, side == 0 ? 640 : -640, 0}));
        EXPECT_EQ(r.Team(), side);
        EXPECT_EQ(r.Iff(), 1 - side);
    }
    EXPECT_EQ(
        four.Description,
        "[combat engagement description]\r\n\r\nImperial Craft: [imperial craft]\r\n\r\nRebel "
        "Craft: [rebel craft]\r\n\r\n");
}

TEST_F(NewMissionBuilderTest, TrainingFliesOneSideAgainstTheOther) {
    const Mission& m = Build({kMissionTraining, 8, 0, kPlayersImperial});
    ASSERT_EQ(m.CountFlightGroups(), 8);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        const FlightGroupRecord& r = Fg(i);
        ExpectPlayerCraft(r);
        EXPECT_EQ(r.PlayerNumber(), i + 1);
        EXPECT_EQ(r.CraftType(), 6);
        EXPECT_EQ(At(r, 0), (Point{16 * i, 0, 0}));
        EXPECT_EQ(r.Iff(), 1);
        EXPECT_EQ(r.Orders(0).Target2(), 0);
    }
    EXPECT_EQ(m.Teams[0].Name(), "Imperial");
    EXPECT_EQ(m.Teams[1].Name(), "Rebel");
    EXPECT_EQ(m.Header.MissionType(), 3);
    EXPECT_EQ(m.Description,
              "Learn to do something really useful\r\n\r\nPlayer Craft: [ship type] (8)");

    const Mission& rebel = Build({kMissionTraining, 1, 0, kPlayersRebel});
    ASSERT_EQ(rebel.CountFlightGroups(), 1);
    EXPECT_EQ(Fg(0).Orders(0).Target2(), 1);
    EXPECT_EQ(rebel.Teams[0].Name(), "Rebel");
    EXPECT_EQ(rebel.Header.MissionType(), 0);
}

TEST_F(NewMissionBuilderTest, ImpossibleChoicesFallBackWithAMessage) {
    const Mission& odd = Build({7, 0, 2, 0});
    ASSERT_EQ(prompter.Texts(),
              std::vector<std::string>{"Unexpected new document type! - create melee"});
    EXPECT_EQ(odd.CountFlightGroups(), 8);
    EXPECT_EQ(Fg(0).Name(), "Blue");

    prompter.shown.clear();
    const Mission& three = Build({kMissionMelee, 0, 3, 0});
    ASSERT_EQ(prompter.Texts(), std::vector<std::string>{"Invalid number of teams!"});
    // The eight players exist with nothing but their player numbers.
    ASSERT_EQ(three.CountFlightGroups(), 8);
    EXPECT_EQ(Fg(7).PlayerNumber(), 8);
    EXPECT_EQ(Fg(7).WaypointEnabled(0), 0);
    EXPECT_EQ(NewMissionTitle(kMissionCombat), "New Combat");
}

}  // namespace
}  // namespace vantorel
