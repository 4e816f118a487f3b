#include <gtest/gtest.h>

#include "catalogue/Orders.h"
#include "document/LevelDocument.h"
#include "document/MissionCheck.h"
#include "platform/PathText.h"
#include "support/GameFolderTest.h"
#include "support/RecordingPropertyBar.h"

namespace vantorel {
namespace {

using testing::FakePrompter;
using testing::FakeSettings;
using testing::RecordingPropertyBar;
using testing::TempFolder;
namespace fs = std::filesystem;
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
    for (size_t at : {0x08, 0x0B, 0x65}) EXPECT_EQ(m.Header.U8(at), 1) << at;  // as the game sets
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

TEST_F(LevelDocumentTest, DeletingKeepsEveryReferenceOnTheFlightGroupItNames) {
    MakeFlightGroups(5);  // A B C D E; B and D go
    Mission& m = doc.GetMission();
    auto& list = m.FlightGroups;
    FlightGroupRecord& a = list[0]->File;
    a.SetArrivalTrigger(0, Trigger{2, 1, 2, 0});  // C
    a.SetArrivalTrigger(1, Trigger{2, 1, 1, 0});  // B: names none afterwards
    a.Orders(0).SetTarget1Type(1);
    a.Orders(0).SetTarget1(4);  // E
    a.SetArriveViaMothership(1);
    a.SetArrivalMothership(4);
    a.SetDepartureMothership(3);  // D, not used: goes quietly
    a.Orders(1).SetCommand(kOrderDropOffCraft);
    a.Orders(1).SetParameter2(4);  // drops off E
    a.Orders(2).SetCommand(kOrderDropOffCraft);
    a.Orders(2).SetParameter2(3);                               // drops off D: none afterwards
    list[2]->File.SetDepartureTrigger(0, Trigger{0, 1, 4, 0});  // "true", still E
    list[1]->File.SetArrivalTrigger(0, Trigger{2, 1, 3, 0});    // goes with B
    m.AppendMessage().File.SetText("2Go");
    m.Messages[0]->File.SetTrigger(0, Trigger{2, 1, 3, 0});     // D
    m.Messages[0]->File.SetTrigger(1, Trigger{2, 12, 3, 0});    // team 4, not a flight group
    m.GlobalGoalSet(1, 0)->SetTrigger(0, Trigger{2, 1, 4, 0});  // E
    list[1]->Selected = list[3]->Selected = 1;
    const Mission before = m;

    // The question names what cannot follow, before anything changes.
    prompter.answers = {PromptAnswer::No};
    EXPECT_EQ(doc.DeleteSelectedFlightGroups(), 0);
    ASSERT_EQ(prompter.Texts().size(), 1u);
    EXPECT_EQ(prompter.Texts()[0],
              "Are you sure you want to delete these flightgroups?\n1 (none) B\n1 (none) D\n\n"
              "These fields name them and will then name no flight group:\n"
              "Arrival of A: 100% of flight group (none) B must be destroyed\n"
              "Flight group dropped off by order 3 of A: (none) D\n"
              "Message 0 \"Go\": 100% of flight group (none) D must be destroyed\n");
    EXPECT_FALSE(doc.IsModified());

    EXPECT_EQ(doc.DeleteSelectedFlightGroups(), 2);
    EXPECT_EQ(Names(), "ACE");
    EXPECT_EQ(a.ArrivalTrigger(0).Variable, 1);
    EXPECT_EQ(a.ArrivalTrigger(1).Variable, 255);
    EXPECT_EQ(a.Orders(0).Target1(), 2);
    EXPECT_EQ(a.ArrivalMothership(), 2);
    EXPECT_EQ(a.DepartureMothership(), 255);
    EXPECT_EQ(a.Orders(1).Parameter2(), 2);
    EXPECT_EQ(a.Orders(2).Parameter2(), 255);
    EXPECT_EQ(list[1]->File.DepartureTrigger(0).Variable, 2);
    EXPECT_EQ(m.Messages[0]->File.GetTrigger(0).Variable, 255);
    EXPECT_EQ(m.Messages[0]->File.GetTrigger(1).Variable, 3);
    EXPECT_EQ(m.GlobalGoalSet(1, 0)->GetTrigger(0).Variable, 2);
    EXPECT_EQ(doc.UndoName(), "Delete Flight Groups");
    // The check lists the fields that name nothing until they are aimed again.
    std::vector<std::string> problems;
    for (const Problem& p : CheckMission(m))
        if (p.Kind == ProblemKind::MissingFlightGroup) problems.push_back(p.Text());
    EXPECT_EQ(problems, (Strings{"Flight group 0 \"A\": arrival trigger 2 names no flight group",
                                 "Flight group 0 \"A\": order 3 drops off no flight group",
                                 "Message 0 \"Go\": trigger 1 names no flight group"}));

    // One Undo brings back the groups and every byte that named them.
    ASSERT_TRUE(doc.Undo());
    ASSERT_EQ(list.size(), 5u);
    for (size_t i = 0; i < 5; ++i) EXPECT_TRUE(list[i]->File == before.FlightGroups[i]->File);
    EXPECT_TRUE(m.Messages[0]->File == before.Messages[0]->File);
    EXPECT_TRUE(m.GlobalGoals == before.GlobalGoals);
    EXPECT_FALSE(doc.IsModified());
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

class LevelDocumentFileTest : public testing::GameFolderTest {
protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        doc.OnNewDocument();
    }
    RecordingPropertyBar bar;
    LevelDocument doc{settings, prompter, &bar};
};

TEST_F(LevelDocumentFileTest, SavedMissionReopensWithItsWaveLinks) {
    doc.AddRadioMessage();
    doc.AddRadioMessage();
    doc.GetMission().Messages[1]->WaveFile = PathToUtf8(Write("sounds/hello.wav", "snd"));
    doc.GetMission().FlightGroups[0]->File.SetName("Red");
    const fs::path path = tmp / "m1.tie";

    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPath(), path);
    EXPECT_EQ(bar.calls.front(), "ApplyAll");  // pending edits go in before writing
    EXPECT_EQ(TempFolder::ReadText(tmp / "game" / "wave" / "m1.lst"), "\r\nm1\\hello.wav\r\n");

    LevelDocument reopened(settings, prompter);
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    EXPECT_FALSE(reopened.IsModified());
    EXPECT_EQ(reopened.GetPath(), path);
    ASSERT_EQ(reopened.GetMission().CountMessages(), 2);
    EXPECT_EQ(reopened.GetMission().Messages[0]->WaveFile, "");
    EXPECT_EQ(reopened.GetMission().Messages[1]->WaveFile,
              PathToUtf8(tmp / "game" / "wave" / "m1" / "hello.wav"));
    EXPECT_EQ(reopened.GetMission().FlightGroups[0]->File.Name(), "Red");
}

TEST_F(LevelDocumentFileTest, FailedOpenOrSaveLeavesTheDocumentAsItWas) {
    doc.GetMission().FlightGroups[0]->File.SetName("Kept");
    doc.SetModified(true);

    Write("short.tie", "\x0e");
    EXPECT_FALSE(doc.OnOpenDocument(tmp / "short.tie"));
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Invalid File Format: Header"});
    EXPECT_EQ(doc.GetMission().FlightGroups[0]->File.Name(), "Kept");
    EXPECT_TRUE(doc.IsModified());

    // A path whose folder is a plain file cannot be written, even by root.
    prompter.shown.clear();
    Write("file", "x");
    EXPECT_FALSE(doc.OnSaveDocument(tmp / "file" / "m1.tie"));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("m1.tie"), std::string::npos);
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Error);
    EXPECT_EQ(TempFolder::ReadText(tmp / "file"), "x");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.GetPath().empty());
}

}  // namespace
}  // namespace vantorel
