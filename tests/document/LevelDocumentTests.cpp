#include <gtest/gtest.h>

#include "document/LevelDocument.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"
#include "support/RecordingPropertyBar.h"

namespace vantorel {
namespace {

using testing::FakePrompter;
using testing::FakeSettings;
using testing::RecordingPropertyBar;
using Strings = std::vector<std::string>;

class LevelDocumentTest : public ::testing::Test {
protected:
    FakeSettings settings;
    FakePrompter prompter;
    RecordingPropertyBar bar;
    LevelDocument doc{settings, prompter, &bar};

    // An empty mission with n default flight groups named "A", "B", ...
    void MakeFlightGroups(int n) {
        settings.SetInt("Settings", "InitialFG", 0);
        doc.OnNewDocument();
        for (int i = 0; i < n; ++i)
            doc.AddFlightGroup()->File.SetName(std::string(1, char('A' + i)));
        doc.SetModified(false);
    }
    std::string Names() const {
        std::string s;
        for (const auto& fg : doc.GetMission().FlightGroups) s += fg->File.Name();
        return s;
    }
};

TEST_F(LevelDocumentTest, NewMissionTakesItsDefaultsFromTheSettings) {
    doc.OnNewDocument();
    const Mission& m = doc.GetMission();
    EXPECT_EQ(m.Header.FormatVersion(), 14);
    EXPECT_EQ(m.Header.MissionType(), 2);
    EXPECT_EQ(m.Teams[1].Name(), "Rebel");
    EXPECT_EQ(m.Teams[9].Name(), "Team 10");
    EXPECT_EQ(m.Description, "New Mission");
    EXPECT_FALSE(doc.IsModified());

    // The one initial flight group: a selected player TIE Interceptor at S1.
    ASSERT_EQ(doc.CountFlightGroups(), 1);
    const FlightGroup& fg = *m.FlightGroups[0];
    EXPECT_EQ(fg.File.Name(), "New");
    EXPECT_EQ(fg.File.CraftType(), 6);
    EXPECT_EQ(fg.Selected + fg.PointSelected[0], 2u);

    settings.SetInt("Paths", "GotBOP", 0);
    settings.SetInt("Settings", "InitialMission", 4);
    settings.SetInt("Settings", "InitialFG", 0);
    doc.AddFlightGroup();  // anything left over must go
    doc.OnNewDocument();
    EXPECT_EQ(doc.GetHeader().FormatVersion(), 12);
    EXPECT_EQ(doc.GetHeader().MissionType(), 4);
    EXPECT_EQ(doc.CountFlightGroups(), 0);
    EXPECT_FALSE(doc.IsModified());

    settings.SetInt("Settings", "InitialFG", 1);
    doc.SetSuppressInitialFlightGroup(true);
    doc.OnNewDocument();
    EXPECT_EQ(doc.CountFlightGroups(), 0);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(LevelDocumentTest, TheGameLimitOf255FlightGroupsIsRefused) {
    MakeFlightGroups(254);
    EXPECT_NE(doc.AddFlightGroup(), nullptr);
    EXPECT_TRUE(prompter.shown.empty());
    doc.SetModified(false);

    EXPECT_EQ(doc.AddFlightGroup(), nullptr);
    EXPECT_EQ(doc.CountFlightGroups(), 255);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(prompter.Texts(),
              Strings{"X-Wing vs. Tie Fighter can only support up to 255 flight groups"});
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Warning);
}

TEST_F(LevelDocumentTest, DeletingSecondOfFourShiftsLaterReferences) {
    settings.SetInt("Settings", "ConfirmDelete", 0);
    MakeFlightGroups(4);
    auto& list = doc.GetMission().FlightGroups;
    // The first flight group arrives when the third one (index 2) has arrived.
    list[0]->File.SetArrivalTrigger(0, Trigger{1, 1, 2, 0});
    list[1]->Selected = 1;

    EXPECT_EQ(doc.DeleteSelectedFlightGroups(), 1);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(Names(), "ACD");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(bar.calls, (Strings{"ApplyAll", "RefreshAll", "UpdateViews"}));
    // Indices are not renumbered: index 2 is now the former fourth.
    const Trigger t = list[0]->File.ArrivalTrigger(0);
    EXPECT_EQ(t.Variable, 2);
    EXPECT_EQ(list[size_t(t.Variable)]->File.Name(), "D");
}

TEST_F(LevelDocumentTest, DeleteAsksFirstListingEverySelectedFlightGroup) {
    MakeFlightGroups(4);
    auto& list = doc.GetMission().FlightGroups;
    list[0]->File.SetCraftType(1);
    list[0]->File.SetNumberOfCraft(2);
    list[0]->File.SetName("Red");
    list[0]->Selected = 1;
    list[2]->File.SetCraftType(1);
    list[2]->File.SetName("Gold");
    list[2]->Selected = 1;
    list[3]->File.SetCraftType(200);  // a type the game does not know
    list[3]->File.SetName("Odd");
    list[3]->Selected = 1;
    const std::string question =
        "Are you sure you want to delete these flightgroups?\n"
        "2 X-wings Red\n1 X-wing Gold\n1 (unknown ship) Odd\n";

    prompter.answers = {PromptAnswer::No};
    EXPECT_EQ(doc.DeleteSelectedFlightGroups(), 0);
    EXPECT_EQ(prompter.Texts(), Strings{question});
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Question);
    EXPECT_EQ(prompter.shown[0].buttons, PromptButtons::YesNo);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(bar.calls, Strings{"ApplyAll"});

    EXPECT_EQ(doc.DeleteSelectedFlightGroups(), 3);  // Yes
    EXPECT_EQ(Names(), "B");

    // Nothing selected: nothing to ask about and nothing changes.
    prompter.shown.clear();
    doc.SetModified(false);
    EXPECT_EQ(doc.DeleteSelectedFlightGroups(), 0);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(LevelDocumentTest, RadioMessagesAreAddedPastTheLimitWithAWarningAndDeletedByPosition) {
    MakeFlightGroups(0);
    for (int i = 0; i < 255; ++i) ASSERT_EQ(doc.AddRadioMessage(), i);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(doc.AddRadioMessage(), 255);
    EXPECT_EQ(doc.GetMission().CountMessages(), 256);
    EXPECT_EQ(prompter.Texts(),
              Strings{"X-Wing vs. Tie Fighter can only support up to 255 radio messages"});

    MakeFlightGroups(0);
    for (int i = 0; i < 3; ++i) {
        doc.AddRadioMessage();
        doc.GetMission().Messages.back()->File.SetText("m" + std::to_string(i));
    }
    doc.SetModified(false);
    bar.calls.clear();
    doc.DeleteRadioMessage(3);
    doc.DeleteRadioMessage(-1);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(bar.calls.empty());

    doc.DeleteRadioMessage(0);
    ASSERT_EQ(doc.GetMission().CountMessages(), 2);
    EXPECT_EQ(doc.GetMission().Messages[0]->File.Text(), "m1");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(bar.calls, Strings{"RefreshAll"});
}

}  // namespace
}  // namespace vantorel
