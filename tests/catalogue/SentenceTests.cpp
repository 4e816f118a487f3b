#include <gtest/gtest.h>

#include <string>

#include "catalogue/ConditionChoices.h"
#include "catalogue/GoalText.h"
#include "catalogue/TargetText.h"
#include "catalogue/TeamName.h"
#include "catalogue/TriggerText.h"
#include "mission/Mission.h"

namespace vantorel {
namespace {

constexpr int M = -1;  // the "selected records differ" marker

// X-wings "Red", Shuttle "Omega", an unknown craft "Red"; teams 0 and 1 named, the rest not.
Mission SmallMission() {
    Mission mission;
    auto add = [&](int type, int count, const char* name) {
        FlightGroup& fg = mission.AppendFlightGroup();
        fg.File.SetCraftType(static_cast<uint8_t>(type));
        fg.File.SetNumberOfCraft(static_cast<uint8_t>(count));
        fg.File.SetName(name);
    };
    add(1, 2, "Red");
    add(17, 1, "Omega");
    add(200, 3, "Red");
    mission.Teams[0].SetName("Rebellion");
    mission.Teams[1].SetName("Imperial");
    return mission;
}

TEST(TeamName, NamedUnnamedOutOfRangeAndMixed) {
    const Mission mission = SmallMission();
    EXPECT_EQ(TeamName(1, &mission), "Imperial");
    EXPECT_EQ(TeamName(3, &mission), "Team 4");
    EXPECT_EQ(TeamName(255, &mission), "Team 256");
    EXPECT_EQ(TeamName(M, &mission), "(Multiple Teams)");
    EXPECT_EQ(TeamName(1, nullptr), "Team 2");
}

TEST(TriggerText, SentencesWithFlightGroupsInAndOutOfRangeAndMixedFields) {
    const Mission mission = SmallMission();
    // The constant conditions ignore everything else.
    EXPECT_EQ(TriggerText(0, 1, 200, 3, &mission), "True");
    EXPECT_EQ(TriggerText(10, M, M, M, nullptr), "False");
    EXPECT_EQ(TriggerText(2, 1, 0, 0, &mission),
              "100% of flight group X-wings Red must be destroyed");
    EXPECT_EQ(TriggerText(1, 1, 1, 4, &mission),
              "At least one of flight group Shuttle Omega must arrive");
    EXPECT_EQ(TriggerText(1, 1, 2, 0, &mission),
              "100% of flight group (unknown ship) Red must arrive");
    EXPECT_EQ(TriggerText(1, 1, 5, 0, &mission),
              "100% of flight group (out of range ship index: 5) must arrive");
    EXPECT_EQ(TriggerText(Trigger{7, 1, 1, 9}, &mission),
              "All player craft in flight group Shuttle Omega must finish docking");
    EXPECT_EQ(TriggerText(1, 1, 0, 0, nullptr),
              "100% of flight group (out of range ship index: 0) must arrive");
    // Fields that differ among the selected records read as bracketed phrases.
    EXPECT_EQ(TriggerText(1, M, 3, 0, &mission), "100% of [multiple types] 3 must arrive");
    EXPECT_EQ(TriggerText(M, M, M, M, &mission),
              "[multiple percentages] [multiple] [multiple conditions]");
    EXPECT_EQ(TriggerText(2, 1, M, 0, &mission),
              "100% of flight group [multiple flightgroups] must be destroyed");
    EXPECT_EQ(TriggerText(2, 5, M, M, &mission),
              "[multiple percentages] IFF code [multiple IFF codes] must be destroyed");
    // Stored bytes arrive widened without sign: 255 is a value, not "mixed".
    EXPECT_EQ(TriggerText(255, 255, 255, 255, &mission),
              "(unknown: 255) (unknown: 255) 255 (unknown: 255)");
}

TEST(TriggerText, EveryVariableTypeHasItsPhrase) {
    const Mission mission = SmallMission();
    struct Case {
        int type;
        int value;
        const char* text;
        const char* mixed;
    };
    const Case cases[] = {
        {0, 7, "7", "[multiple indices]"},
        {2, 5, "TIE Fighter", "[multiple ship types]"},
        {2, 96, "(unknown ship)", "[multiple ship types]"},
        {3, 7, "(unknown: 7)", "[multiple ship categories]"},
        {4, 2, "satellites", "[multiple object categories]"},
        {5, 1, "Imperial", "[multiple IFF codes]"},
        {6, 51, "(unknown order)", "[multiple orders]"},
        {7, 6, "shields are out", "[multiple cases]"},
        {12, 1, "Imperial", "[multiple teams]"},
        {22, 3, "Team 4", "[multiple teams]"},
        {21, 3, "Team 4", "[multiple teams]"},  // as the "team" type and order targets
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TriggerVariableText(c.type, c.value, &mission), c.text) << c.type;
        EXPECT_EQ(TriggerVariableText(c.type, M, &mission), c.mixed) << c.type;
    }
    EXPECT_EQ(TriggerVariableText(M, M, &mission), "[multiple]");
    EXPECT_EQ(TriggerVariableText(M, 12, &mission), "[multiple types] 12");
}

TEST(TargetText, ShipTypesCountFromXWingTeamsUseCode21AndDescriptionsStartWithACapital) {
    const Mission mission = SmallMission();
    EXPECT_EQ(TriggerVariableText(2, 0, &mission), "(none)");  // triggers count from (none)
    EXPECT_EQ(TargetVariableText(2, 0, &mission), "X-wings");
    EXPECT_EQ(TargetVariableText(2, 94, &mission), "(unknown class)");
    EXPECT_EQ(TargetVariableText(2, 95, &mission), "(unknown ship)");
    EXPECT_EQ(TargetVariableText(2, M, &mission), "[multiple ship types]");
    EXPECT_EQ(TargetVariableText(21, 3, &mission), "Team 4");
    EXPECT_EQ(TargetVariableText(21, M, &mission), "[multiple teams]");
    EXPECT_EQ(TargetVariableText(22, 3, &mission), "3");

    EXPECT_EQ(TargetText(0, M, &mission), "None");
    EXPECT_EQ(TargetText(6, 7, &mission), "Craft with orders to Attack Targets");
    EXPECT_EQ(TargetText(1, 0, &mission), "X-wings Red");
    EXPECT_EQ(TargetText(12, 1, &mission), "Team Imperial");
    EXPECT_EQ(TargetText(21, 2, &mission), "All teams except Team 3");
    EXPECT_EQ(TargetText(8, 2, &mission), "Global group 2");
    EXPECT_EQ(TargetText(M, 4, &mission), "[multiple types] 4");
    EXPECT_EQ(TargetText(4, M, &mission), "[multiple object categories]");
    EXPECT_EQ(TargetText(40, 1, &mission), "(unknown: 40) 1");
}

TEST(GoalText, SentencesSensesAndDoubleNegatives) {
    const Mission mission = SmallMission();
    EXPECT_EQ(GoalText(1, 0, "X-W Red", 0, 2, &mission),
              "Imperial: 100% of flight group X-W Red must be destroyed");
    EXPECT_EQ(GoalText(2, 2, "T/F Alpha", 3, 27, &mission),
              "Team 3: 50% of flight group T/F Alpha must be disabled as bonus (note: double "
              "negative)");
    EXPECT_EQ(GoalText(M, 4, "SHU Omega", 1, 2, nullptr),
              "(Multiple Teams): At least one of flight group SHU Omega must not be destroyed");
    EXPECT_EQ(GoalText(0, 0, "X-W Red", 1, 31, nullptr),
              "Team 1: 100% of flight group X-W Red must be docked with (note: double negative)");
    EXPECT_EQ(GoalText(0, 0, "X-W Red", 2, 2, nullptr),
              "Team 1: 100% of flight group X-W Red must be destroyed as bonus");
    EXPECT_EQ(GoalText(0, 0, "X-W Red", 7, 2, nullptr),
              "Team 1: 100% of flight group X-W Red (unknown)be destroyed");
    EXPECT_EQ(GoalText(0, 0, "X-W Red", 0, 11, nullptr),
              "Team 1: 100% of flight group X-W Red must (unknown: 11)");
    EXPECT_EQ(GoalText(0, M, "X-W Red", M, M, nullptr),
              "Team 1: (multiple) flight group X-W Red (multiple)(multiple)");
    // The constant conditions need nothing else.
    EXPECT_EQ(GoalText(M, M, "X-W Red", 9, 0, nullptr), "(Meaningless Goal)");
    EXPECT_EQ(GoalText(M, M, "X-W Red", 9, 10, nullptr), "None");
}

TEST(ConditionChoices, ByteListsAndVariableListsByType) {
    const Mission mission = SmallMission();
    const auto conditions = ConditionChoices();
    ASSERT_EQ(conditions.size(), 256u);
    EXPECT_EQ(conditions[47], "(unknown: 47)");
    EXPECT_EQ(AmountChoices().size(), 256u);

    EXPECT_EQ(VariableChoiceCount(1, nullptr), 0);
    EXPECT_EQ(VariableChoiceCount(2, &mission), 96);
    EXPECT_EQ(VariableChoiceCount(22, &mission), 10);
    EXPECT_EQ(VariableChoiceCount(21, &mission), 10);

    const auto flightGroups = VariableChoices(1, &mission);
    ASSERT_EQ(flightGroups.size(), 3u);
    EXPECT_EQ(flightGroups[1], "Shuttle Omega");
    const auto teams = VariableChoices(12, &mission);
    ASSERT_EQ(teams.size(), 10u);
    EXPECT_EQ(teams[0], "Rebellion");
    EXPECT_EQ(VariableChoices(3, &mission)[7], "(unknown: 7)");
}

}  // namespace
}  // namespace vantorel
