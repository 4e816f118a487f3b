// The level sheet's five pages: what they list, how the lists choose flight
// groups, the current team and message, and how the settings page writes and warns.
#include <gtest/gtest.h>

#include "document/LevelDocument.h"
#include "map/InteractionCommands.h"
#include "properties/logic/LevelDebriefingPage.h"
#include "properties/logic/LevelFlightGroupsPage.h"
#include "properties/logic/LevelMessagesPage.h"
#include "properties/logic/LevelSettingsPage.h"
#include "properties/logic/LevelTeamsPage.h"
#include "support/PageFixture.h"
#include "support/RecordingPropertyBar.h"
#include "ui/UiFakes.h"

namespace vantorel {
namespace {

using namespace testing;
using Strings = std::vector<std::string>;

class LevelSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.SetInt("Settings", "InitialFG", 0);
        SetAutoSelZoom(false);
        doc.OnNewDocument();
    }
    FlightGroup& AddFg(const std::string& name, int firstStart = 0) {
        FlightGroup* fg = doc.AddFlightGroup();
        fg->File.SetName(name);
        fg->File.SetCraftType(1);
        if (firstStart >= 0) fg->File.SetWaypointEnabled(firstStart, 1);
        return *fg;
    }

    FakeSettings settings;
    FakePrompter prompter;
    testing::RecordingPropertyBar bar;
    LevelDocument doc{settings, prompter, &bar};
    testing::FakeSound sound;
    PageContext context{doc, &sound};
};

TEST_F(LevelSheetTest, ChoosingFlightGroupsInTheListMarksTheirFirstStartPointOnly) {
    LevelFlightGroupsPage page;
    FlightGroup& a = AddFg("Red");
    FlightGroup& b = AddFg("Gold", 2);   // S1, S2 disabled: S3 is where it is
    FlightGroup& c = AddFg("Blue", -1);  // no start point at all
    a.File.SetNumberOfCraft(2);
    a.Selected = 1;
    a.PointSelected[6] = 1;  // a waypoint picked on the map
    doc.ForgetHistory(false);
    page.Load(context);
    const ControlState& list = *page.Find(LevelFlightGroupsPage::kList);
    EXPECT_EQ(list.items, (Strings{"2 X-wings Red", "1 X-wing Gold", "1 X-wing Blue"}));
    // What the find box looks through, the first group included.
    EXPECT_EQ(LevelFlightGroupsPage::FindText(doc.GetMission(), 0).substr(0, 11), "Red\nX-wing\n");
    EXPECT_EQ(list.value.states, std::vector<int>{0});

    int selectionEvents = 0;
    doc.AddListener([&](DocumentEvent e) { selectionEvents += e == DocumentEvent::Selection; });
    ASSERT_TRUE(page.Set(context, LevelFlightGroupsPage::kList, States({0, 1, 2})));
    // The open windows write to the old selection before it changes.
    EXPECT_EQ(bar.calls, (Strings{"ApplyAll", "UpdateViews", "RefreshFlightGroupProperties"}));
    EXPECT_EQ(selectionEvents, 1);
    EXPECT_EQ(a.PointSelected[6], 1u);  // unchanged item: its points stay
    EXPECT_EQ(b.Selected + b.PointSelected[2], 2u);
    EXPECT_EQ(c.Selected, 1u);
    EXPECT_EQ(std::count(c.PointSelected.begin(), c.PointSelected.end(), 1u), 0);
    EXPECT_FALSE(doc.IsModified());  // the selection is not part of the file
    EXPECT_FALSE(page.HasPendingEdits());  // nor an edit waiting to be applied

    ASSERT_TRUE(page.Set(context, LevelFlightGroupsPage::kList, States({})));
    EXPECT_EQ(doc.CountSelectedFlightGroups(), 0);
    EXPECT_EQ(a.PointSelected[6], 0u);

    bar.calls.clear();
    SetAutoSelZoom(true);
    ASSERT_TRUE(page.Set(context, LevelFlightGroupsPage::kList, States({1})));
    ASSERT_GE(bar.calls.size(), 2u);
    EXPECT_EQ(bar.calls[1], "MoveViewsToSelection");
    SetAutoSelZoom(false);
    page.Activate(context, LevelFlightGroupsPage::kList);
    ASSERT_FALSE(bar.calls.empty());
    EXPECT_EQ(bar.calls.back(), "ShowFlightGroupProperties");
}

TEST_F(LevelSheetTest, TheTeamsListAlwaysHasATeamAndNamesTheUnnamed) {
    doc.GetMission().Teams[4].SetName("");
    LevelTeamsPage page;
    page.Load(context);
    const ControlState& list = *page.Find(LevelTeamsPage::kList);
    ASSERT_EQ(list.items.size(), 8u);
    EXPECT_EQ(list.items[4], "Team 5");
    EXPECT_EQ(list.value.index, 0);
    // The choice is the document's current team, which the windows told next read.
    bar.onCall = [&](const std::string& call) {
        if (call == "RefreshTeamProperties") {
            EXPECT_EQ(doc.CurrentTeam(), 3);
        }
    };
    ASSERT_TRUE(page.Set(context, LevelTeamsPage::kList, Index(3)));
    EXPECT_EQ(bar.calls, (Strings{"ApplyAll", "UpdateViews", "RefreshTeamProperties"}));
    EXPECT_EQ(doc.CurrentTeam(), 3);
    EXPECT_FALSE(page.HasPendingEdits());  // a choice, not an edit
    // A list asked for no team (or one it does not list) shows the first,
    // which becomes the current one.
    context.team = 9;
    page.Load(context);
    EXPECT_EQ(list.value.index, 0);
    EXPECT_EQ(doc.CurrentTeam(), 0);
}

TEST_F(LevelSheetTest, MessagesAreListedWithoutTheirColourAndPlayWhenChosen) {
    for (const char* t : {"2Attack now", "Hello", "3"}) {
        doc.AddRadioMessage();
        doc.GetMission().Messages.back()->File.SetText(t);
    }
    doc.GetMission().Messages[1]->WaveFile = "/w/hello.wav";
    LevelMessagesPage page;
    page.Load(context);
    EXPECT_EQ(page.Find(LevelMessagesPage::kList)->items, (Strings{"Attack now", "Hello", ""}));
    EXPECT_EQ(page.Find(LevelMessagesPage::kAutoPlay)->value.index, 1);  // on by default
    EXPECT_EQ(page.Find(LevelMessagesPage::kList)->value.index, -1);
    EXPECT_EQ(doc.CurrentMessage(), -1);

    bar.onCall = [&](const std::string& call) {
        if (call == "RefreshMessageProperties") {
            EXPECT_EQ(doc.CurrentMessage(), 1);
        }
    };
    ASSERT_TRUE(page.Set(context, LevelMessagesPage::kList, Index(1)));
    bar.onCall = nullptr;
    EXPECT_EQ(sound.played, Strings{"/w/hello.wav"});
    EXPECT_FALSE(page.HasPendingEdits());  // a choice, not an edit
    EXPECT_EQ(bar.calls, (Strings{"ApplyAll", "RefreshMessageProperties"}));
    ASSERT_TRUE(page.Set(context, LevelMessagesPage::kList, Index(0)));
    EXPECT_EQ(sound.stops, 1);  // a message without a sound stops the last one

    ASSERT_TRUE(page.Set(context, LevelMessagesPage::kAutoPlay, Index(0)));
    ASSERT_TRUE(page.Set(context, LevelMessagesPage::kWaveLinking, Index(1)));
    EXPECT_EQ(settings.GetInt("Settings", "Autoplay", 1), 0);
    EXPECT_EQ(settings.GetInt("Settings", "WaveLinking", 0), 1);
    ASSERT_TRUE(page.Set(context, LevelMessagesPage::kList, Index(1)));
    EXPECT_EQ(sound.played.size(), 1u);  // Auto Play off: nothing plays

    // The current message is a position that must still hold a message: once
    // it holds none, a message added later there is not taken for it.
    EXPECT_EQ(doc.CurrentMessage(), 1);
    doc.DeleteRadioMessage(2);
    doc.DeleteRadioMessage(1);
    EXPECT_EQ(doc.CurrentMessage(), -1);
    doc.AddRadioMessage();
    EXPECT_EQ(doc.CurrentMessage(), -1);
    // The list shows the message it is given, and none for a position that holds none.
    context.message = 1;
    page.Load(context);
    EXPECT_EQ(page.Find(LevelMessagesPage::kList)->value.index, 1);
    context.message = 5;
    page.Load(context);
    EXPECT_EQ(page.Find(LevelMessagesPage::kList)->value.index, -1);
}

TEST_F(LevelSheetTest, TheLevelPageKeepsUnknownTypesAndRefusesTimesOutOfRange) {
    doc.GetHeader().SetMissionType(11);
    doc.ForgetHistory(false);
    LevelSettingsPage page;
    page.Load(context);
    EXPECT_EQ(page.Find(LevelSettingsPage::kType)->value.index, -1);
    EXPECT_FALSE(page.Find(LevelSettingsPage::kType)->mixed);
    // Each change is written as it is made; the unknown type survives it.
    ASSERT_TRUE(page.Set(context, LevelSettingsPage::kDescription, Text("A\nB")));
    EXPECT_EQ(doc.GetHeader().MissionType(), 11);
    EXPECT_EQ(doc.GetMission().Description, "A\r\nB");
    EXPECT_EQ(doc.UndoName(), "Level Properties");
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Unchanged);

    // A time out of range is said at apply, and holds back later changes until put right.
    const std::string refusal = "Please enter an integer between 0 and 59 for Time (Sec).";
    ASSERT_TRUE(page.Set(context, LevelSettingsPage::kSeconds, Text("60")));
    EXPECT_TRUE(prompter.Texts().empty());
    ASSERT_TRUE(page.Set(context, LevelSettingsPage::kType, Index(0)));
    EXPECT_EQ(doc.GetHeader().MissionType(), 11);
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Refused);
    EXPECT_EQ(prompter.Texts(), Strings{refusal});
    ASSERT_TRUE(page.Set(context, LevelSettingsPage::kSeconds, Text("59")));
    EXPECT_EQ(doc.GetHeader().MissionType(), 0);
    EXPECT_EQ(doc.GetHeader().TimeLimitSeconds(), 59);

    // Leaving the box refuses what was typed into it and takes back the 6
    // written on the way to 60: the box and the mission hold what they held
    // before the typing, and the refused run leaves no step of Undo.
    EXPECT_EQ(page.Leave(context, LevelSettingsPage::kSeconds), Strings{});
    const size_t steps = doc.History().Position();
    ASSERT_TRUE(page.Set(context, LevelSettingsPage::kSeconds, Text("6")));
    EXPECT_EQ(doc.GetHeader().TimeLimitSeconds(), 6);
    ASSERT_TRUE(page.Set(context, LevelSettingsPage::kSeconds, Text("60")));
    EXPECT_EQ(page.Leave(context, LevelSettingsPage::kMinutes), Strings{});
    EXPECT_EQ(page.Leave(context, LevelSettingsPage::kSeconds), Strings{refusal});
    EXPECT_EQ(page.Find(LevelSettingsPage::kSeconds)->value.text, "59");
    EXPECT_EQ(doc.GetHeader().TimeLimitSeconds(), 59);
    EXPECT_EQ(doc.History().Position(), steps);
    EXPECT_FALSE(page.HasPendingEdits());
}

TEST_F(LevelSheetTest, TheDescriptionAndDebriefingsRefuseTheGamesLineBreakSign) {
    // The game shows a '$' as a line break: it is refused, naming the text, and nothing is written.
    LevelSettingsPage page;
    page.Load(context);
    ASSERT_TRUE(page.Set(context, LevelSettingsPage::kDescription, Text("Costs $5")));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Refused);
    EXPECT_EQ(prompter.Texts(), Strings{"The description cannot hold a '$': the game shows every "
                                        "'$' as a line break. Press Enter for a new line."});
    EXPECT_EQ(doc.GetMission().Description, "New Mission");
    ASSERT_TRUE(page.TakeFocusRequest().has_value());

    LevelDebriefingPage debriefing;
    debriefing.Load(context);
    ASSERT_TRUE(debriefing.Set(context, LevelDebriefingPage::kSuccessful, Text("Paid $$")));
    EXPECT_EQ(debriefing.Apply(context), PageModel::ApplyResult::Refused);
    EXPECT_EQ(prompter.Texts().back(), DollarInFreeTextText("successful debriefing"));
    EXPECT_EQ(doc.GetMission().SuccessfulDebriefing, "");
}

TEST_F(LevelSheetTest, SwitchingToXvtWarnsOfALongDescriptionWithoutCuttingIt) {
    const std::string longText(1030, 'x');
    doc.GetMission().Description = longText;
    LevelSettingsPage page;
    page.Load(context);
    EXPECT_EQ(page.Find(LevelSettingsPage::kDescription)->maxLength, 4096);
    ASSERT_TRUE(page.Set(context, LevelSettingsPage::kFormat, Index(0)));
    ASSERT_EQ(prompter.Texts(),
              Strings{"Warning: The mission description is too long for this version of the file "
                      "format.\nYou must either shorten the briefing or change back to saving the "
                      "level as a Balance of Power mission"});
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Information);
    auto focus = page.TakeFocusRequest();
    ASSERT_TRUE(focus.has_value());
    EXPECT_EQ(focus->id, LevelSettingsPage::kDescription);
    EXPECT_EQ(focus->selectionStart, 1024);
    EXPECT_EQ(focus->selectionEnd, -1);
    EXPECT_EQ(page.Find(LevelSettingsPage::kDescription)->maxLength, 1024);
    // The format is written at once, and the text is kept whole.
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetHeader().FormatVersion(), 12);
    EXPECT_EQ(doc.GetMission().Description, longText);

    // The debriefing texts follow the format when their tab is shown.
    LevelDebriefingPage debriefing;
    debriefing.Load(context);
    EXPECT_TRUE(debriefing.Find(LevelDebriefingPage::kSuccessful)->readOnly);
    ASSERT_TRUE(page.Set(context, LevelSettingsPage::kFormat, Index(1)));
    EXPECT_EQ(doc.GetHeader().FormatVersion(), 14);
    debriefing.OnShow(context);
    EXPECT_FALSE(debriefing.Find(LevelDebriefingPage::kFailed)->readOnly);
    ASSERT_TRUE(debriefing.Set(context, LevelDebriefingPage::kFailed, Text("Lost")));
    EXPECT_EQ(debriefing.Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(doc.GetMission().FailedDebriefing, "Lost");
}

}  // namespace
}  // namespace vantorel
