#include <gtest/gtest.h>

#include "catalogue/ThemeSlots.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"
#include "support/PointOf.h"
#include "support/RecordingPropertyBar.h"
#include "wizards/NewFlightGroupBuilder.h"

namespace vantorel {
namespace {

using namespace testing;

class NewFlightGroupBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = ThemeSlots();
        for (auto& slot : ThemeSlots()) slot = ThemeSlot();
        ThemeSlots()[1].FirstNames = {"Alpha", "Beta", "Gamma"};
        ThemeSlots()[1].SecondNames = {"Valiant", "Defiant", "Reliant", "Errant"};
        settings.SetInt("Settings", "InitialFG", 0);
        doc.OnNewDocument();
    }
    void TearDown() override { ThemeSlots() = saved; }

    NewFlightGroupsResult Build(NewFlightGroupChoices c) {
        return BuildNewFlightGroups(doc, c, [this] {
            ++draws;
            return randoms.empty() ? 0u : randoms[(draws - 1) % randoms.size()];
        });
    }
    const FlightGroupRecord& Fg(int i) const {
        return doc.GetMission().FlightGroups[size_t(i)]->File;
    }
    int Count() const { return doc.CountFlightGroups(); }
    void AddPlain(int n) {
        for (int i = 0; i < n; ++i) doc.AddFlightGroup();
    }

    std::array<ThemeSlot, kThemeSlotCount> saved;
    FakeSettings settings;
    FakePrompter prompter;
    RecordingPropertyBar bar;
    LevelDocument doc{settings, prompter, &bar};
    std::vector<unsigned> randoms;
    size_t draws = 0;
};

// A carrier's orders after it was given a wave: launch, patrol, wait, leave.
void ExpectCarrierOrders(const FlightGroupRecord& r, int team) {
    const int commands[] = {23, 26, 22, 29};
    for (int o = 0; o < 4; ++o) {
        SCOPED_TRACE(o);
        EXPECT_EQ(r.Orders(o).Command(), commands[o]);
        EXPECT_EQ(r.Orders(o).Target1Type(), 21);
        EXPECT_EQ(r.Orders(o).Target1(), team);
    }
}

TEST_F(NewFlightGroupBuilderTest, MediumImperialFleetIsADestroyerLaunchingOneWave) {
    randoms = {5, 1};  // ship names from "Defiant", fighter names from "Beta"
    AddPlain(2);
    const auto result = Build({kFgWizardFleet, 1, kIffStyleImperial, 2});
    ASSERT_TRUE(result.Complete);
    ASSERT_EQ(Count(), 4);
    EXPECT_EQ(result.Created.size(), 2u);

    const FlightGroupRecord& ship = Fg(2);
    EXPECT_EQ(ship.CraftType(), 52);  // Victory Star Destroyer
    EXPECT_EQ(ship.Name(), "Defiant");
    // Copied from an all-zero record, not from a new flight group's defaults.
    EXPECT_EQ(ship.FormationSpacing(), 0);
    EXPECT_EQ(ship.Orders(0).Throttle(), 0);
    EXPECT_EQ(At(ship, 0), (Point{0, 0, 0}));
    EXPECT_EQ(ship.WaypointEnabled(0), 1);
    EXPECT_EQ(ship.DepartureTrigger(0), (Trigger{2, 21, 1, 0}));
    ExpectCarrierOrders(ship, 1);

    const FlightGroupRecord& wave = Fg(3);
    EXPECT_EQ(wave.CraftType(), 6);  // TIE Interceptor
    EXPECT_EQ(wave.Name(), "Beta");
    EXPECT_EQ(wave.ArriveViaMothership(), 1);
    EXPECT_EQ(wave.ArrivalMothership(), 2);
    EXPECT_EQ(wave.ArrivalTrigger(0), (Trigger{1, 1, 2, 0}));
    EXPECT_EQ(wave.WaypointEnabled(0), 0);
    EXPECT_EQ(At(wave, 0), (Point{0, 0, -160}));

    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(bar.calls, (std::vector<std::string>{"RefreshAll", "UpdateViews"}));
}

TEST_F(NewFlightGroupBuilderTest, ASecondFleetTakesTheNamesTheFirstLeftFree) {
    randoms = {1, 0};
    Build({kFgWizardFleet, 1, kIffStyleImperial, 2});
    Build({kFgWizardFleet, 1, kIffStyleImperial, 2});
    ASSERT_EQ(Count(), 4);
    EXPECT_EQ(Fg(0).Name(), "Defiant");
    EXPECT_EQ(Fg(1).Name(), "Alpha");
    EXPECT_EQ(Fg(2).Name(), "Reliant");  // the same draw, Defiant being taken
    EXPECT_EQ(Fg(3).Name(), "Beta");
}

TEST_F(NewFlightGroupBuilderTest, SmallRebelFleetLaunchesFromTheMiddleCorvetteOnly) {
    const auto result = Build({kFgWizardFleet, 0, kIffStyleRebel, 1});
    ASSERT_EQ(Count(), 4);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Fg(i).CraftType(), 40);  // Corellian Corvette
        EXPECT_EQ(At(Fg(i), 0), (Point{-160 + 160 * i, 0, 0}));
        EXPECT_EQ(Fg(i).Name(), "New");  // team 0 has no names
    }
    EXPECT_EQ(Fg(0).Orders(2).Command(), 0);
    ExpectCarrierOrders(Fg(1), 0);
    EXPECT_EQ(Fg(2).Orders(2).Command(), 0);
    EXPECT_EQ(Fg(3).CraftType(), 1);  // X-wing
    EXPECT_EQ(Fg(3).ArrivalMothership(), 1);
}

TEST_F(NewFlightGroupBuilderTest, VeryLargeFleetStandsInRowsWithWrappingNames) {
    randoms = {2, 0};
    const FlightGroup* player = doc.AddFlightGroup();
    const auto result = Build({kFgWizardFleet, 1, kIffStylePirate, 4, 0, false, 0, player});
    ASSERT_TRUE(result.Complete);
    ASSERT_EQ(Count(), 1 + 9 + 3);
    // Major, three capitals, five minors, each row 1 km further along Y; a wave per capital.
    EXPECT_EQ(At(Fg(1), 0), (Point{0, 0, 0}));
    EXPECT_EQ(At(Fg(1), 4), (Point{0, -80, 0}));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(At(Fg(2 + i), 0), (Point{-160 + 160 * i, 160, 0}));
    EXPECT_EQ(At(Fg(2), 4), (Point{-160, 0, 0}));
    for (int i = 0; i < 5; ++i) EXPECT_EQ(At(Fg(5 + i), 0), (Point{-320 + 160 * i, 320, 0}));
    EXPECT_EQ(At(Fg(9), 4), (Point{320, 160, 0}));
    // The running name index starts at 2 of 4 and wraps.
    EXPECT_EQ(Fg(1).Name(), "Reliant");
    EXPECT_EQ(Fg(3).Name(), "Valiant");
    EXPECT_EQ(Fg(5).Name(), "Reliant");
    for (int c = 0; c < 3; ++c) {
        const FlightGroupRecord& wave = Fg(10 + c);
        EXPECT_EQ(wave.Markings(), c);
        EXPECT_EQ(wave.ArrivalMothership(), 2 + c);
        EXPECT_EQ(At(wave, 0), (Point{-160 + 160 * c, 160, -160}));
        ExpectCarrierOrders(Fg(2 + c), 1);
    }
    // Every ship arrives to reinforce the player's flight group.
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(Fg(i).ArrivalTrigger(0), (Trigger{20, 1, 0, 4}));
    EXPECT_EQ(Fg(9).ArrivalDelaySeconds(), 15);
}

TEST_F(NewFlightGroupBuilderTest, OnlyTheNewFlightGroupsAreSelected) {
    AddPlain(2);
    auto& list = doc.GetMission().FlightGroups;
    list[0]->Selected = 1;
    list[0]->PointSelected[0] = 1;
    list[1]->PointSelected[5] = 1;
    const auto result = Build({kFgWizardAsteroids, 0, 0, 3});
    ASSERT_EQ(Count(), 5);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const FlightGroup& fg = *list[size_t(i)];
        const bool isNew = i >= 2;
        EXPECT_EQ(fg.Selected, isNew ? 1u : 0u);
        for (uint32_t p : fg.PointSelected) EXPECT_EQ(p, isNew ? 1u : 0u);
    }
    ASSERT_EQ(result.Created.size(), 3u);
    EXPECT_EQ(result.Created[0], list[2].get());
}

TEST_F(NewFlightGroupBuilderTest, AsteroidsSpiralOutwardsAndFieldsOfSizeZeroMakeNothing) {
    Build({kFgWizardAsteroids, 0, 0, 0});
    Build({kFgWizardMinefield, 0, 0, 0});
    EXPECT_EQ(Count(), 0);
    EXPECT_TRUE(prompter.shown.empty());
    Build({kFgWizardAsteroids, 3, 0, 8});
    ASSERT_EQ(Count(), 8);
    const Point expected[] = {{0, 0, 0},        {0, 64, 0},        {64, 64, -64},
                              {64, -128, -128}, {-192, -128, 192}, {-192, 256, 192},
                              {256, 256, -256}, {256, -320, -320}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(At(Fg(i), 0), expected[i]) << i;
        EXPECT_EQ(Fg(i).Team(), 8);  // always the neutral team, whatever was chosen
    }
}

TEST_F(NewFlightGroupBuilderTest, MinefieldLinesUpUnderOneName) {
    randoms = {19};  // "Phi" in the general list
    Build({kFgWizardMinefield, 2, 0, 5, 0, false, 4});
    ASSERT_EQ(Count(), 5);
    EXPECT_EQ(draws, 1u);
    const int xs[] = {0, 32, -32, 64, -64};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(At(Fg(i), 0), (Point{xs[i], 0, 0})) << i;
        EXPECT_EQ(Fg(i).Name(), "Phi");
    }
    EXPECT_EQ(Fg(4).CraftType(), 68);  // Asteroid Warhead Launcher
    EXPECT_EQ(Fg(4).Orders(0).Target1(), 2);
    // Every mine of the line is a group of six, IFF 3, in formation 9 at
    // spacing 6, that attacks every team but its own.
    for (int i = 0; i < 5; ++i) {
        const FlightGroupRecord& mine = Fg(i);
        EXPECT_EQ(mine.NumberOfCraft(), 6) << i;
        EXPECT_EQ(mine.Iff(), 3) << i;
        EXPECT_EQ(mine.Formation(), 9) << i;
        EXPECT_EQ(mine.FormationSpacing(), 6) << i;
        EXPECT_EQ(mine.Team(), 2) << i;
        EXPECT_EQ(mine.Orders(0).Command(), 7) << i;       // Attack Targets
        EXPECT_EQ(mine.Orders(0).Target1Type(), 21) << i;  // all teams except
        EXPECT_EQ(mine.Orders(0).Parameter1(), 1) << i;
        EXPECT_EQ(mine.Orders(0).Parameter2(), 1) << i;
    }
}

TEST_F(NewFlightGroupBuilderTest, StationWithEscapeShuttleThatLeaves) {
    randoms = {7};  // the last station type
    AddPlain(1);
    Build({kFgWizardStation, 9, 0, 0, 0, true});
    ASSERT_EQ(Count(), 3);
    const FlightGroupRecord& station = Fg(1);
    EXPECT_EQ(station.CraftType(), 69);
    EXPECT_EQ(station.Name(), "New");  // team 9 has no name lists
    EXPECT_EQ(station.Team(), 9);
    EXPECT_EQ(station.Orders(0).Command(), 24);
    EXPECT_EQ(station.Orders(0).Target1(), 1);
    EXPECT_EQ(station.Orders(0).Target2Type(), 1);
    EXPECT_EQ(station.Orders(0).Target2(), 2);

    const FlightGroupRecord& shuttle = Fg(2);
    EXPECT_EQ(shuttle.Name(), "New Escape");
    EXPECT_EQ(shuttle.ArrivalMothership(), 1);
    EXPECT_EQ(shuttle.ArrivalTrigger(0), (Trigger{22, 1, 1, 0}));
    EXPECT_EQ(shuttle.Orders(0).Command(), 29);
    // It flies out to a hyperspace point 2 km away; no rendezvous at the station.
    EXPECT_EQ(shuttle.WaypointEnabled(13), 1);
    EXPECT_EQ(At(shuttle, 13), (Point{320, 0, 0}));
    EXPECT_EQ(shuttle.WaypointEnabled(12), 0);
}

TEST_F(NewFlightGroupBuilderTest, CargoStationIsRingedByContainers) {
    randoms = {0, 22, 1, 2, 3, 4, 5, 6, 7, 8, 9};  // type, name ("Psi"), then containers
    Build({kFgWizardStation, 1, 0, 0, 1, false});
    ASSERT_EQ(Count(), 9);
    EXPECT_EQ(Fg(0).CraftType(), 60);
    EXPECT_EQ(Fg(0).Name(), "Psi");
    EXPECT_EQ(Fg(1).Name(), "Psi");
    EXPECT_EQ(Fg(1).CraftType(), 27);
    EXPECT_EQ(At(Fg(4), 0), (Point{56, -56, 0}));
    EXPECT_EQ(Fg(8).CraftType(), 59);
}

TEST_F(NewFlightGroupBuilderTest, ABuilderStopsCleanlyAtTheFlightGroupLimit) {
    // A medium fleet with room for its ship but not its wave: the ship keeps
    // its own orders, since there is nothing for it to launch.
    AddPlain(254);
    auto result = Build({kFgWizardFleet, 0, kIffStyleRebel, 2});
    EXPECT_FALSE(result.Complete);
    ASSERT_EQ(Count(), 255);
    EXPECT_EQ(result.Created.size(), 1u);
    EXPECT_EQ(Fg(254).Orders(0).Command(), 26);
    EXPECT_EQ(Fg(254).Orders(2).Command(), 0);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              "X-Wing vs. Tie Fighter can only support up to 255 flight groups");

    // A station whose shuttle does not fit does not guard a missing shuttle.
    prompter.shown.clear();
    doc.OnNewDocument();
    AddPlain(254);
    result = Build({kFgWizardStation, 0, 0, 0, 0, true});
    EXPECT_FALSE(result.Complete);
    EXPECT_EQ(Fg(254).Orders(0).Command(), 24);
    EXPECT_EQ(Fg(254).Orders(0).Target2Type(), 0);
    EXPECT_EQ(prompter.shown.size(), 1u);

    // A large field stops at the limit after one message.
    prompter.shown.clear();
    doc.OnNewDocument();
    AddPlain(250);
    result = Build({kFgWizardAsteroids, 0, 0, 10});
    EXPECT_FALSE(result.Complete);
    EXPECT_EQ(result.Created.size(), 5u);
    EXPECT_EQ(Count(), 255);
    EXPECT_EQ(prompter.shown.size(), 1u);
    for (const auto& fg : doc.GetMission().FlightGroups)
        EXPECT_EQ(fg->Selected, fg->File.CraftType() == 86 ? 1u : 0u);
}

TEST_F(NewFlightGroupBuilderTest, AFleetIsOfferedAsSupportForOneSelectedPlayer) {
    AddPlain(2);
    auto& list = doc.GetMission().FlightGroups;
    list[0]->Selected = 1;
    EXPECT_EQ(FleetSupportCandidate(doc.GetMission()), nullptr);  // not a player
    list[0]->File.SetPlayerNumber(1);
    EXPECT_EQ(FleetSupportCandidate(doc.GetMission()), list[0].get());
    list[1]->Selected = 1;
    EXPECT_EQ(FleetSupportCandidate(doc.GetMission()), nullptr);  // two selected
    EXPECT_EQ(FleetSizeDescription(5), "");                       // one past the sizes
}

}  // namespace
}  // namespace vantorel
