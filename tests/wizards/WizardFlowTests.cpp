#include <gtest/gtest.h>

#include <set>

#include "support/FakePrompter.h"
#include "wizards/NewFlightGroupWizardFlow.h"
#include "wizards/NewMissionWizardFlow.h"

namespace vantorel {
namespace {

using testing::FakePrompter;
using Texts = std::vector<std::string>;

TEST(NewMissionWizardFlowTest, PagesFollowTheKindAndBackReturnsWhereItCameFrom) {
    FakePrompter prompter;
    NewMissionWizardFlow flow(prompter);
    EXPECT_EQ(flow.ChooseKind(kMissionMelee), kNewMissionMeleeTeamsPage);
    EXPECT_EQ(flow.Back(), kNewMissionTypePage);
    EXPECT_EQ(flow.ChooseKind(kMissionTraining), kNewMissionTrainingPlayersPage);
    EXPECT_EQ(flow.ChooseTrainingPlayers(8), kNewMissionPlayerIffPage);
    EXPECT_EQ(flow.Back(), kNewMissionTrainingPlayersPage);
    EXPECT_EQ(flow.ChooseTrainingPlayers(8), kNewMissionPlayerIffPage);
    EXPECT_EQ(flow.ChoosePlayerIff(kPlayersImperial), kNewMissionFinishedPage);
    EXPECT_TRUE(flow.CanFinish() && !flow.CanGoBack());
    EXPECT_EQ(flow.Choices().PlayerCount, 8);
    EXPECT_TRUE(prompter.shown.empty());

    // Values no radio button gives fall back, saying so.
    NewMissionWizardFlow odd(prompter);
    EXPECT_EQ(odd.ChooseKind(5), kNewMissionMeleeTeamsPage);
    EXPECT_EQ(odd.ChooseMeleeTeams(3), kNewMissionFinishedPage);
    EXPECT_EQ(odd.Choices().TeamCount, 2);
    NewMissionWizardFlow combat(prompter);
    EXPECT_EQ(combat.ChooseKind(kMissionCombat), kNewMissionCombatPlayersPage);
    EXPECT_EQ(combat.ChooseCombatPlayers(3), kNewMissionFinishedPage);
    EXPECT_EQ(combat.Choices().PlayerCount, 1);
    EXPECT_EQ(prompter.Texts(), (Texts{"Unknown choice selected in the wizard! Using melee",
                                       "Unexpected number of teams value! - using two",
                                       "Unexpected number of players value! - using one"}));
}

// Each count a radio button gives is kept as given, and only those: a
// training mission has no four-player choice.
TEST(NewMissionWizardFlowTest, EveryCountTheRadioButtonsGiveIsKept) {
    FakePrompter prompter;
    for (int players : {1, 2, 8}) {
        NewMissionWizardFlow flow(prompter);
        flow.ChooseKind(kMissionTraining);
        flow.ChooseTrainingPlayers(players);
        EXPECT_EQ(flow.Choices().PlayerCount, players);
    }
    for (int players : {1, 2, 4, 8}) {
        NewMissionWizardFlow flow(prompter);
        flow.ChooseKind(kMissionCombat);
        flow.ChooseCombatPlayers(players);
        EXPECT_EQ(flow.Choices().PlayerCount, players);
    }
    for (int teams : {2, 4, 8}) {
        NewMissionWizardFlow flow(prompter);
        flow.ChooseKind(kMissionMelee);
        flow.ChooseMeleeTeams(teams);
        EXPECT_EQ(flow.Choices().TeamCount, teams);
    }
    EXPECT_TRUE(prompter.shown.empty());
    for (int players : {4, 9}) {
        NewMissionWizardFlow flow(prompter);
        flow.ChooseKind(kMissionTraining);
        flow.ChooseTrainingPlayers(players);
        EXPECT_EQ(flow.Choices().PlayerCount, 1);
    }
    NewMissionWizardFlow combat(prompter);
    combat.ChooseKind(kMissionCombat);
    combat.ChooseCombatPlayers(9);
    EXPECT_EQ(combat.Choices().PlayerCount, 1);
    EXPECT_EQ(prompter.shown.size(), 3u);
}

TEST(NewFlightGroupWizardFlowTest, AFleetMaySupportTheSelectedPlayer) {
    Mission mission;
    FlightGroup& player = mission.AppendFlightGroup();
    player.File.SetCraftType(1);
    player.File.SetNumberOfCraft(1);
    player.File.SetName("Red");
    player.File.SetPlayerNumber(1);
    player.Selected = 1;
    FakePrompter prompter;
    NewFlightGroupWizardFlow flow(mission, prompter);

    prompter.answers = {PromptAnswer::Cancel, PromptAnswer::Yes};
    EXPECT_EQ(flow.ChooseKind(kFgWizardFleet), kNewFgKindPage);  // Cancel stays
    EXPECT_EQ(flow.ChooseKind(kFgWizardFleet), kNewFgTeamPage);
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[1].text,
              "Do you want this fleet to be the support for flight group \"X-wing Red\"?");
    EXPECT_EQ(prompter.shown[1].buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(flow.Choices().SupportFlightGroup, &player);
    EXPECT_EQ(flow.ChooseTeam(3, kIffStylePirate), kNewFgFleetPage);
    EXPECT_EQ(flow.ChooseFleetSize(4), kNewFgFinishedPage);

    // No question for anything but a fleet; fields skip or add pages.
    prompter.shown.clear();
    NewFlightGroupWizardFlow mines(mission, prompter);
    EXPECT_EQ(mines.ChooseKind(kFgWizardMinefield), kNewFgTeamPage);
    EXPECT_EQ(mines.ChooseTeam(1, 0), kNewFgFieldSizePage);
    EXPECT_EQ(mines.ChooseFieldSize(7), kNewFgMinefieldPage);
    EXPECT_EQ(mines.ChooseMineType(2), kNewFgFinishedPage);
    NewFlightGroupWizardFlow rocks(mission, prompter);
    EXPECT_EQ(rocks.ChooseKind(kFgWizardAsteroids), kNewFgFieldSizePage);
    EXPECT_EQ(rocks.ChooseFieldSize(3), kNewFgFinishedPage);
    NewFlightGroupWizardFlow station(mission, prompter);
    EXPECT_EQ(station.ChooseKind(kFgWizardStation), kNewFgTeamPage);
    EXPECT_EQ(station.ChooseTeam(1, 0), kNewFgStationPage);
    EXPECT_EQ(station.ChooseStation(1, true), kNewFgFinishedPage);
    EXPECT_EQ(station.Choices().StationType, 1);
    // The window shows a page by its number: one number for two pages
    // would show the wrong one.
    const std::set<int> pages = {kNewFgKindPage,     kNewFgTeamPage,       kNewFgFleetPage,
                                 kNewFgStationPage,  kNewFgFieldSizePage,  kNewFgMinefieldPage,
                                 kNewFgFinishedPage};
    EXPECT_EQ(pages.size(), 7u);
    EXPECT_TRUE(prompter.shown.empty());

    prompter.answers = {PromptAnswer::Ok, PromptAnswer::No};
    NewFlightGroupWizardFlow odd(mission, prompter);
    EXPECT_EQ(odd.ChooseKind(9), kNewFgTeamPage);
    EXPECT_EQ(odd.Choices().Kind, kFgWizardFleet);
    EXPECT_EQ(odd.Choices().SupportFlightGroup, nullptr);
    ASSERT_FALSE(prompter.shown.empty());
    EXPECT_EQ(prompter.shown[0].text, "Unknown choice selected in the wizard! Using fleet");
}

}  // namespace
}  // namespace vantorel
