// The Other page and the CMD descriptions: decoding and encoding of the
// stored text, the labels, and the dialog that writes it into every
// selected flight group.
#include <gtest/gtest.h>

#include "catalogue/CraftWordLists.h"
#include "document/LevelDocument.h"
#include "properties/logic/CmdDescription.h"
#include "properties/logic/CmdDescriptionDialog.h"
#include "properties/logic/ConditionDialog.h"
#include "properties/logic/OtherPage.h"
#include "support/PageFixture.h"

namespace vantorel {
namespace {

using namespace testing;
using D = CmdDescriptionDialog;

TEST(CmdDescription, EveryCharacterTheEncoderWritesRoundTrips) {
    const std::string teams = "A12345678";
    const auto roles = CmdRoles();
    for (size_t t = 0; t < teams.size(); ++t) {
        for (size_t r = 0; r < roles.size(); ++r) {
            const std::string code = roles[r].code;
            std::string lower = code;
            for (char& ch : lower) ch = char(ch - 'A' + 'a');
            for (const std::string& written : {code, lower}) {
                const std::string text = std::string(1, teams[t]) + written;
                const auto entries = DecodeCmdDescription(text);
                ASSERT_EQ(entries.size(), 1u) << text;
                EXPECT_EQ(entries[0].team, int(t) + 1) << text;
                EXPECT_EQ(entries[0].role, int(r)) << text;
                EXPECT_EQ(entries[0].keptTeamCharacter, -1) << text;
                EXPECT_EQ(EncodeCmdDescription(entries), teams[t] + code);
            }
        }
    }
    // Four entries at most, in order.
    const auto four = DecodeCmdDescription("ABAS8TER3MIS2COM1STR");
    ASSERT_EQ(four.size(), 4u);
    EXPECT_EQ(EncodeCmdDescription(four), "ABAS8TER3MIS2COM");
}

TEST(CmdDescription, AnyOtherTeamCharacterIsNoTeamAndKeptAsItWas) {
    // The old decoding took code - 47: '.' gave -1 and 'Z' a team past the
    // eight; '0' would have read as all teams.
    for (int c = 1; c < 256; ++c) {
        if (std::string("A12345678").find(char(c)) != std::string::npos) continue;
        const std::string text = std::string(1, char(c)) + "PRI1SEC";
        const auto entries = DecodeCmdDescription(text);
        ASSERT_EQ(entries.size(), 2u) << c;
        EXPECT_EQ(entries[0].team, 0) << c;
        EXPECT_EQ(entries[0].keptTeamCharacter, c) << c;
        EXPECT_EQ(EncodeCmdDescription(entries), text) << c;
    }
    EXPECT_EQ(CmdEntryText(DecodeCmdDescription(".PRI")[0], nullptr),
              "(unknown: 46): Primary Target");
}

TEST(CmdDescription, DecodingStopsAtAnUnknownRoleOrAShortEntry) {
    EXPECT_EQ(DecodeCmdDescription("APRIXYZ11SEC").size(), 1u);
    EXPECT_EQ(DecodeCmdDescription("APRI1SE").size(), 1u);
    EXPECT_TRUE(DecodeCmdDescription("").empty());
    EXPECT_TRUE(DecodeCmdDescription("A").empty());
    // Rows without a team or without a role add nothing; later rows move up.
    EXPECT_EQ(EncodeCmdDescription({{0, 9, -1}, {4, 1, -1}, {1, -1, -1}, {kCmdAllTeams, 5, -1}}),
              "3COMAPRI");
}

class OtherPageTest : public PageTest {
protected:
    void SetUp() override {
        NewMission(3, [](FlightGroup& fg, int i) {
            fg.File.SetCraftType(1);
            fg.File.SetName("Red");
            fg.Selected = i < 2;
        });
        doc.GetMission().Teams[0].SetName("Rebellion");
    }
    std::string Label(int i) { return page.Find(OtherPage::kCmd1 + i)->value.text; }
    std::unique_ptr<PageModel> OpenCmd() { return Open(page, "cmd"); }

    OtherPage page;
};

TEST_F(OtherPageTest, CmdLabelsShowTheSharedDescription) {
    Rec(0).SetCmdDescription("APRI1SEC");
    Rec(1).SetCmdDescription("apri1sec");  // the same, in other letters
    page.Load(context);
    EXPECT_EQ(Label(0), "All: Primary Target");
    EXPECT_EQ(Label(1), "Rebellion: Secondary Target");
    EXPECT_EQ(Label(2), "");
    EXPECT_EQ(Label(3), "");

    Rec(1).SetCmdDescription("APRI2SEC");
    page.Load(context);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Label(i), "") << i;
        EXPECT_TRUE(page.Find(OtherPage::kCmd1 + i)->mixed);
    }
}

TEST_F(OtherPageTest, TheOtherControlsAndTheJumpTriggers) {
    Rec(0).SetJumpToOrder4Trigger(1, {1, 1, 2, 0});
    Rec(1).SetJumpToOrder4Trigger(1, {1, 1, 2, 0});
    Rec(1).SetDifficultyLevel(4);
    page.Load(context);
    EXPECT_EQ(page.Find(OtherPage::kDifficulty)->value.index, -1);
    EXPECT_EQ(page.Find(1066)->value.text, "True");
    EXPECT_EQ(page.Find(1067)->value.text, "100% of flight group X-wing Red must arrive");
    auto jump = page.OpenDialog(context, "condition", "jump2");
    ASSERT_TRUE(jump);
    jump->Load(context);
    EXPECT_EQ(jump->Find(ConditionDialog::kVariable)->value.index, 2);
}

TEST_F(OtherPageTest, TheDialogReencodesWhatItShows) {
    Rec(0).SetCmdDescription("Apri");
    Rec(1).SetCmdDescription("APRI");
    auto dialog = OpenCmd();
    ASSERT_TRUE(dialog);
    const auto& teams = dialog->Find(D::kTeams[0])->items;
    ASSERT_EQ(teams.size(), 10u);  // None, All, the eight teams
    EXPECT_EQ(teams[2], "Rebellion");
    EXPECT_EQ(dialog->Find(D::kTeams[0])->value.index, 1);
    EXPECT_EQ(dialog->Find(D::kRoles[0])->value.index, 5);
    EXPECT_EQ(dialog->Find(D::kTeams[1])->value.index, 0);
    EXPECT_EQ(dialog->Find(D::kRoles[1])->value.index, -1);
    EXPECT_EQ(dialog->Find(D::kActualString)->value.text, "Apri");

    // OK writes the rows, not the text it read.
    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(Rec(0).CmdDescription(), "APRI");

    // A team without a role adds nothing; a None row is skipped.
    dialog = OpenCmd();
    ASSERT_TRUE(dialog->Set(context, D::kTeams[0], Index(0)));
    ASSERT_TRUE(dialog->Set(context, D::kTeams[1], Index(3)));
    ASSERT_TRUE(dialog->Set(context, D::kTeams[2], Index(4)));
    ASSERT_TRUE(dialog->Set(context, D::kRoles[2], Index(1)));
    EXPECT_EQ(dialog->Find(D::kActualString)->value.text, "3COM");
    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Changed);
    // The whole field is rewritten: no byte of the old text stays behind it.
    for (int i : {0, 1}) {
        EXPECT_EQ(Rec(i).CmdDescription(), "3COM");
        for (size_t b = 4; b < FlightGroupRecord::kCmdDescriptionSize; ++b)
            EXPECT_EQ(Rec(i).Bytes[FlightGroupRecord::kCmdDescriptionOffset + b], 0);
    }
    EXPECT_EQ(Rec(2).CmdDescription(), "");
}

TEST_F(OtherPageTest, DifferentTextsMustBeChosenAgainBeforeOk) {
    Rec(0).SetCmdDescription("APRI");
    Rec(1).SetCmdDescription("ASEC");
    auto dialog = OpenCmd();
    ASSERT_TRUE(dialog);
    for (int row = 0; row < kCmdEntryCount; ++row) {
        EXPECT_EQ(dialog->Find(D::kTeams[row])->value.index, -1);
        EXPECT_TRUE(dialog->Find(D::kTeams[row])->mixed);
    }
    EXPECT_EQ(dialog->Find(D::kActualString)->value.text, "");
    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Refused);
    EXPECT_TRUE(prompter.Texts().empty());  // OK just does nothing
    EXPECT_FALSE(doc.IsModified());

    ASSERT_TRUE(dialog->Set(context, D::kRoles[0], Index(9)));
    for (int row = 0; row < kCmdEntryCount; ++row)
        EXPECT_EQ(dialog->Find(D::kTeams[row])->value.index, 0);
    EXPECT_EQ(dialog->Find(D::kActualString)->value.text, "");
    ASSERT_TRUE(dialog->Set(context, D::kTeams[0], Index(2)));
    EXPECT_EQ(dialog->Find(D::kActualString)->value.text, "1STA");
    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(Rec(0).CmdDescription(), "1STA");
    EXPECT_EQ(Rec(1).CmdDescription(), "1STA");
}

TEST_F(OtherPageTest, AnUnknownTeamCharacterStaysUntilATeamIsPicked) {
    Rec(0).SetCmdDescription(".PRI");
    Rec(1).SetCmdDescription(".PRI");
    page.Load(context);
    EXPECT_EQ(Label(0), "(unknown: 46): Primary Target");
    auto dialog = OpenCmd();
    EXPECT_EQ(dialog->Find(D::kTeams[0])->value.index, -1);
    EXPECT_FALSE(dialog->Find(D::kTeams[0])->mixed);
    ASSERT_TRUE(dialog->Set(context, D::kTeams[1], Index(1)));
    ASSERT_TRUE(dialog->Set(context, D::kRoles[1], Index(8)));
    EXPECT_EQ(dialog->Find(D::kActualString)->value.text, ".PRIASEC");
    EXPECT_EQ(dialog->Find(D::kTeams[0])->value.index, -1);
    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(Rec(1).CmdDescription(), ".PRIASEC");

    dialog = OpenCmd();
    ASSERT_TRUE(dialog->Set(context, D::kTeams[0], Index(9)));
    EXPECT_EQ(dialog->Find(D::kActualString)->value.text, "8PRIASEC");
}

}  // namespace
}  // namespace vantorel
