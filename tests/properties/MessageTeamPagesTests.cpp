// The message and team sheets without a window: the message text with its
// colour digit, the triggers, the wave file with Browse, the team's name,
// allies and theme, its goal sets with the Goal Condition dialog, and that
// every apply or OK is one edit (or none when nothing changed).
#include <gtest/gtest.h>

#include <fstream>

#include "catalogue/TeamName.h"
#include "catalogue/TeamThemes.h"
#include "document/LevelDocument.h"
#include "document/WaveLinking.h"
#include "platform/PathText.h"
#include "properties/logic/GoalConditionDialog.h"
#include "properties/logic/MessageConditionPage.h"
#include "properties/logic/MessageGeneralPage.h"
#include "properties/logic/MessageWavePage.h"
#include "properties/logic/TeamGeneralPage.h"
#include "properties/logic/TeamGoalsPage.h"
#include "support/PageFixture.h"
#include "support/TempFolder.h"
#include "ui/UiFakes.h"

namespace vantorel {
namespace {

using namespace testing;
using C = ConditionDialog;

class MessageTeamPagesTest : public PageTest {
protected:
    void SetUp() override {
        NewMission(1, [](FlightGroup& fg, int) {
            fg.File.SetName("Red");
            fg.File.SetCraftType(1);
            fg.File.SetNumberOfCraft(2);
        });
        doc.AddRadioMessage();
        doc.AddRadioMessage();
        doc.ForgetHistory(false);
        context.sound = &sound;
        context.message = 1;
        context.team = 2;
        context.fileDialogs = &dialogs;
    }
    MessageRecord& Msg(int i = 1) { return doc.GetMission().Messages[size_t(i)]->File; }
    std::string Bytes64(const MessageRecord& m) {
        return std::string(reinterpret_cast<const char*>(m.Data()) + MessageRecord::kTextOffset,
                           MessageRecord::kTextSize);
    }

    FakeSound sound;
    FakeFileDialogs dialogs;
};

TEST_F(MessageTeamPagesTest, TheColourDigitIsReadAndWrittenSoTextAndColourSurvive) {
    MessageGeneralPage page;
    Msg().SetText("3Incoming");
    page.Load(context);
    EXPECT_EQ(page.Find(MessageGeneralPage::kText)->value.text, "Incoming");
    EXPECT_EQ(page.Find(MessageGeneralPage::kColour)->value.index, 3);  // Gold
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Unchanged);
    EXPECT_EQ(Msg().Text(), "3Incoming");
    EXPECT_FALSE(doc.IsModified());

    // Red is stored without a digit.
    ASSERT_TRUE(page.Set(context, MessageGeneralPage::kColour, Index(0)));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(Msg().Text(), "Incoming");

    // A Red text beginning with a colour digit keeps a '0' in front of it,
    // or it would reload as Blue without its "2".
    page.Load(context);
    ASSERT_TRUE(page.Set(context, MessageGeneralPage::kColour, Index(0)));
    ASSERT_TRUE(page.Set(context, MessageGeneralPage::kText, Text("2 ships left")));
    page.Apply(context);
    EXPECT_EQ(Msg().Text(), "02 ships left");
    page.Load(context);
    EXPECT_EQ(page.Find(MessageGeneralPage::kText)->value.text, "2 ships left");
    EXPECT_EQ(page.Find(MessageGeneralPage::kColour)->value.index, 0);
    // Other starts need no digit; a '4' is text, not a colour.
    EXPECT_EQ(ComposeMessageText(0, "4 left"), "4 left");
    EXPECT_EQ(ComposeMessageText(2, "0 left"), "20 left");
}

TEST_F(MessageTeamPagesTest, AColourDigitAnd63CharactersFillTheFieldWithNoTerminator) {
    MessageGeneralPage page;
    page.Load(context);
    EXPECT_EQ(page.Find(MessageGeneralPage::kText)->maxLength, 63);
    const std::string text(63, 'x');
    ASSERT_TRUE(page.Set(context, MessageGeneralPage::kColour, Index(1)));
    ASSERT_TRUE(page.Set(context, MessageGeneralPage::kText, Text(text)));
    page.Apply(context);
    EXPECT_EQ(Bytes64(Msg()), "1" + text);
    // The bytes after the field are the message's, untouched.
    EXPECT_EQ(Msg().SentToTeam(0), 0);
    page.Load(context);
    EXPECT_EQ(page.Find(MessageGeneralPage::kText)->value.text, text);

    // Red and 63 characters: 63 bytes and a terminator.
    ASSERT_TRUE(page.Set(context, MessageGeneralPage::kColour, Index(0)));
    page.Apply(context);
    EXPECT_EQ(Bytes64(Msg()), text + '\0');

    // A 64-byte text from a file shows whole and stays whole when the page
    // writes something else.
    Msg(0).SetTextFillingField(std::string(64, 'y'));
    context.message = 0;
    page.Load(context);
    EXPECT_EQ(page.Find(MessageGeneralPage::kText)->value.text, std::string(64, 'y'));
    ASSERT_TRUE(page.Set(context, MessageGeneralPage::kDelay, Text("7")));
    page.Apply(context);
    EXPECT_EQ(Bytes64(Msg(0)), std::string(64, 'y'));
    EXPECT_EQ(Msg(0).Delay(), 7);
    // Every other fixed text keeps its terminator.
    TeamRecord team;
    team.SetName(std::string(40, 'n'));
    EXPECT_EQ(team.Name(), std::string(23, 'n'));
}

TEST_F(MessageTeamPagesTest, DelayAndTeamsAreCheckedAndWrittenAsOneEdit) {
    MessageGeneralPage page;
    Msg().SetSentToTeam(3, 2);  // a stored non-zero that is not 1
    doc.GetMission().Teams[1].SetName("");
    page.Load(context);
    const ControlState& teams = *page.Find(MessageGeneralPage::kTeams);
    EXPECT_EQ(teams.items[1], "Team 2");
    EXPECT_EQ(teams.value.states, (std::vector<int>{0, 0, 0, 1, 0, 0, 0, 0}));

    ASSERT_TRUE(page.Set(context, MessageGeneralPage::kDelay, Text("300")));
    ASSERT_EQ(page.Apply(context), PageModel::ApplyResult::Refused);
    EXPECT_EQ(prompter.Texts().back(),
              "Please enter an integer between 0 and 255 for Delay (seconds).");
    EXPECT_FALSE(doc.IsModified());

    ASSERT_TRUE(page.Set(context, MessageGeneralPage::kDelay, Text("30")));
    ASSERT_TRUE(page.Set(context, MessageGeneralPage::kTeams, States({1, 0, 0, 1, 0, 0, 0, 0})));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(Msg().Delay(), 30);
    EXPECT_EQ(Msg().SentToTeam(0), 1);
    EXPECT_EQ(Msg().SentToTeam(3), 2);  // still sent, byte kept
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.CanUndo());

    // No current message: the page shows and writes nothing.
    context.message = 5;
    page.Load(context);
    EXPECT_EQ(page.Find(MessageGeneralPage::kText)->value.text, "");
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Unchanged);
}

TEST_F(MessageTeamPagesTest, TheConditionDialogWritesOneTriggerOfTheCurrentMessage) {
    Msg().SetTrigger(2, {2, 1, 0, 0});
    Msg(0).SetTrigger(2, {9, 0, 0, 0});
    MessageConditionPage page;
    page.Load(context);
    EXPECT_EQ(page.Find(1068)->value.text, "100% of flight group X-wings Red must be destroyed");
    EXPECT_EQ(page.Find(1066)->value.text, "True");

    auto dialog = page.OpenDialog(context, "condition", "3");
    ASSERT_TRUE(dialog);
    dialog->Load(context);
    dialog->Activate(context, C::kFalse);
    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(Msg().GetTrigger(2), (Trigger{10, 0, 0, 0}));
    EXPECT_EQ(Msg(0).GetTrigger(2), (Trigger{9, 0, 0, 0}));

    // The AND/OR pairs are bound to their own bytes.
    page.Load(context);
    ASSERT_TRUE(page.Set(context, MessageConditionPage::kAndOr1234, Index(1)));
    page.Apply(context);
    EXPECT_EQ(Msg().AndOr1234(), 1);
    EXPECT_EQ(Msg().AndOr12(), 0);
    EXPECT_FALSE(page.OpenDialog(context, "condition", "5"));
    EXPECT_EQ(MessageConditionPage::TriggerOf(1056), "4");
}

TEST_F(MessageTeamPagesTest, BrowseTakesFilesInTheWaveFolderAndAsksAboutOthers) {
    testing::TempFolder game;
    settings.SetString("Paths", "XVT", PathToUtf8(game.Path()));
    const std::string wave = PathToUtf8(game.Path() / "wave");
    const std::string inSubfolder = PathToUtf8(game.Path() / "wave" / "m1" / "Hello.WAV");
    MessageWavePage page;
    page.Load(context);
    using P = MessageWavePage;

    // Inside a subfolder: taken as it is, no question; the dialog starts in the wave folder.
    dialogs.openAnswers = {inSubfolder};
    page.Activate(context, P::kBrowse);
    EXPECT_EQ(dialogs.openStarts, std::vector<std::string>{wave});
    EXPECT_EQ(page.Find(P::kWaveFile)->value.text, inSubfolder);
    EXPECT_TRUE(prompter.shown.empty());

    // Outside (even in a sibling named like it): the question names the wave folder.
    const std::string sibling = PathToUtf8(game.Path() / "wave2" / "x.wav");
    dialogs.openAnswers = {sibling};
    prompter.answers = {PromptAnswer::Cancel};
    page.Activate(context, P::kBrowse);
    EXPECT_EQ(dialogs.openStarts, (std::vector<std::string>{wave, inSubfolder}));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              "This file does not appear to be in the XVT wave folder!\nAll sounds must be "
              "contained in the " +
                  wave + " folder, or a subfolder.\nDo you want to make a copy of this file?");
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Question);
    EXPECT_EQ(prompter.shown[0].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(page.Find(P::kWaveFile)->value.text, inSubfolder);

    // Applying is an edit like any other, taken back by Undo.
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(doc.GetMission().Messages[1]->WaveFile, inSubfolder);

    // With no game folder every file raises the question, naming "XvT wave".
    settings.SetString("Paths", "XVT", "");
    dialogs.openAnswers = {inSubfolder};
    page.Activate(context, P::kBrowse);
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_NE(prompter.shown[1].text.find("contained in the XvT wave folder"), std::string::npos);
    EXPECT_EQ(page.Find(P::kWaveFile)->value.text, inSubfolder);  // OK takes it

    // A name with a line break in it is refused, with no question.
    dialogs.openAnswers = {inSubfolder + "\r\nx.wav"};
    page.Activate(context, P::kBrowse);
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_EQ(prompter.shown[2].text, kControlCharacterInWaveText);
    EXPECT_EQ(page.Find(P::kWaveFile)->value.text, inSubfolder);

    // Play plays the box's file; after Clear it stops any sound.
    page.Activate(context, P::kPlay);
    EXPECT_EQ(sound.played, std::vector<std::string>{inSubfolder});
    page.Activate(context, P::kClear);
    page.Activate(context, P::kPlay);
    EXPECT_EQ(sound.stops, 1);
    EXPECT_EQ(doc.GetMission().Messages[1]->WaveFile, inSubfolder);  // until it applies
    page.Apply(context);
    EXPECT_EQ(doc.GetMission().Messages[1]->WaveFile, "");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetMission().Messages[1]->WaveFile, inSubfolder);
}

TEST(MessageWavePage, TheWaveFolderIsFoundWhateverTheCaseAndSeparators) {
    EXPECT_TRUE(MessageWavePage::IsInFolder("C:/XVT/WAVE/Imp/a.wav", "c:\\xvt\\wave"));
    EXPECT_TRUE(MessageWavePage::IsInFolder("c:\\xvt\\wave\\a.wav", "C:/XvT/Wave/"));
    EXPECT_FALSE(MessageWavePage::IsInFolder("c:\\xvt\\wave2\\a.wav", "c:\\xvt\\wave"));
    EXPECT_FALSE(MessageWavePage::IsInFolder("c:\\xvt\\wave\\a.wav", ""));
}

TEST_F(MessageTeamPagesTest, TheTeamsNameAndAlliesAreEditsButItsThemeIsASetting) {
    testing::TempFolder folder;
    const auto theme = folder / "pirates.xth";
    std::ofstream(theme) << "Pirate Band\n1\nHook\n0\n";
    for (auto& slot : ThemeSlots()) slot = ThemeSlot{};
    TeamGeneralPage page;
    page.Load(context);
    using P = TeamGeneralPage;
    EXPECT_EQ(page.Find(P::kTheme)->value.text, "(none)");
    EXPECT_EQ(page.Find(P::kName)->value.text, "Team 3");
    EXPECT_EQ(page.Find(P::kAllies)->value.states, std::vector<int>(8, 0));

    // A cleared name is written; the team is then shown as "Team 3".
    ASSERT_TRUE(page.Set(context, P::kName, Text("")));
    ASSERT_TRUE(page.Set(context, P::kAllies, States({1, 0, 0, 0, 0, 0, 0, 1})));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(doc.GetMission().Teams[2].Name(), "");
    EXPECT_EQ(TeamName(2, &doc.GetMission()), "Team 3");
    EXPECT_EQ(doc.GetMission().Teams[2].Allies(7), 1);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetMission().Teams[2].Name(), "Team 3");
    EXPECT_EQ(doc.GetMission().Teams[2].Allies(7), 0);

    // A theme is the program's: every team's path is stored, nothing marked.
    for (auto& slot : ThemeSlots()) slot.ThemePath = PathToUtf8(folder / "other.xth");
    dialogs.openAnswers = {PathToUtf8(theme)};
    page.Activate(context, P::kChange);
    EXPECT_EQ(dialogs.lastFilter, "XvT Team Themes (*.xth);;All Files (*.*)");
    EXPECT_EQ(page.Find(P::kTheme)->value.text, "Pirate Band");
    EXPECT_EQ(settings.GetString("Themes", "Team2", ""), PathToUtf8(theme));
    EXPECT_EQ(settings.GetString("Themes", "Team7", ""), PathToUtf8(folder / "other.xth"));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Unchanged);
    EXPECT_FALSE(doc.IsModified());
    for (auto& slot : ThemeSlots()) slot = ThemeSlot{};
}

TEST_F(MessageTeamPagesTest, TheGoalsTabKeepsItsGoalSetAndWritesSignedPoints) {
    TeamGoalsPage page;
    using P = TeamGoalsPage;
    doc.GetMission().GlobalGoals[2].Set(1).SetTrigger(0, {2, 1, 0, 0});
    page.Load(context);
    ASSERT_TRUE(page.Set(context, P::kSets, Index(1)));  // Prevent
    EXPECT_EQ(page.Find(1066)->value.text, "100% of flight group X-wings Red must be destroyed");
    ASSERT_TRUE(page.Set(context, P::kPoints, Text("-4")));
    // Changing the set writes the one shown first.
    ASSERT_TRUE(page.Set(context, P::kSets, Index(2)));
    EXPECT_EQ(doc.GetMission().GlobalGoals[2].Bytes[0x2C + 41], 0xFC);  // -4, signed
    ASSERT_TRUE(page.Set(context, P::kSets, Index(1)));
    EXPECT_EQ(page.Find(P::kPoints)->value.text, "-4");

    // Another team shows the same set.
    context.team = 0;
    page.Load(context);
    EXPECT_EQ(page.GoalSet(), 1);
    EXPECT_EQ(page.Find(P::kPoints)->value.text, "0");

    ASSERT_TRUE(page.Set(context, P::kPoints, Text("128")));
    ASSERT_EQ(page.Apply(context), PageModel::ApplyResult::Refused);
    EXPECT_EQ(prompter.Texts().back(),
              "Please enter an integer between -128 and 127 for Points (x 250).");
    EXPECT_EQ(doc.GetMission().GlobalGoals[0].Set(1).Points(), 0);
}

TEST_F(MessageTeamPagesTest, TheGoalConditionDialogEditsTheConditionAndItsTexts) {
    GlobalGoalStrings& strings = *doc.GetMission().GoalStrings;
    strings.Set(2, 4 * 1 + 3, GlobalGoalStrings::kSuccess, "kept");
    TeamGoalsPage page;
    page.Load(context);
    ASSERT_TRUE(page.Set(context, TeamGoalsPage::kSets, Index(1)));
    auto dialog = page.OpenDialog(context, "goal-condition", "4");
    ASSERT_TRUE(dialog);
    dialog->Load(context);
    using D = GoalConditionDialog;
    // Prevent goals have no Success text.
    EXPECT_FALSE(dialog->Find(D::kSuccess)->visible);
    std::string why;
    EXPECT_FALSE(dialog->Set(context, D::kSuccess, Text("x"), &why));

    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Unchanged);
    EXPECT_FALSE(doc.IsModified());

    dialog->Activate(context, C::kTrue);
    EXPECT_EQ(dialog->Find(C::kSentence)->value.text, "True");
    ASSERT_TRUE(dialog->Set(context, C::kCondition, Index(2)));
    ASSERT_TRUE(dialog->Set(context, D::kFailure, Text("Lost")));
    ASSERT_TRUE(dialog->Set(context, D::kIncomplete, Text(std::string(63, 'i'))));
    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(doc.GetMission().GlobalGoals[2].Set(1).GetTrigger(3), (Trigger{2, 0, 0, 0}));
    EXPECT_EQ(strings.Get(2, 7, GlobalGoalStrings::kFailure), "Lost");
    EXPECT_EQ(strings.Get(2, 7, GlobalGoalStrings::kIncomplete), std::string(63, 'i'));
    EXPECT_EQ(strings.Get(2, 7, GlobalGoalStrings::kSuccess), "kept");
    // Trigger and texts are one edit.
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(strings.Get(2, 7, GlobalGoalStrings::kFailure), "");

    // A Primary condition shows the Success text.
    ASSERT_TRUE(page.Set(context, TeamGoalsPage::kSets, Index(0)));
    auto primary = page.OpenDialog(context, "goal-condition", "1");
    ASSERT_TRUE(primary);
    EXPECT_TRUE(primary->Find(D::kSuccess)->visible);
}

}  // namespace
}  // namespace vantorel
