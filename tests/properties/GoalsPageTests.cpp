// The Goals tab and the Goal dialog: sentences over the selection, points
// that never wrap, and texts merged exactly.
#include <gtest/gtest.h>

#include "document/LevelDocument.h"
#include "properties/logic/FlightGroupGoalDialog.h"
#include "properties/logic/FlightGroupGoalsPage.h"
#include "properties/logic/FlightGroupOrdersPage.h"
#include "support/PageFixture.h"

namespace vantorel {
namespace {

using namespace testing;
using D = FlightGroupGoalDialog;

class GoalsPageTest : public PageTest {
protected:
    void SetUp() override {
        NewMission(3, [](FlightGroup& fg, int i) {
            fg.File.SetName(i == 0 ? "Red" : "Gold");
            fg.File.SetCraftType(1);
            fg.Selected = 1;
            FgGoal goal = fg.File.Goals(1);
            goal.SetCondition(2);  // must be destroyed
            goal.SetTeam(0);
            goal.SetPoints(4);
        });
    }
    FlightGroup& Fg(int i) { return *doc.GetMission().FlightGroups[size_t(i)]; }
    void SelectOnly(int i) {
        for (int f = 0; f < 3; ++f) Fg(f).Selected = f == i;
    }
    std::unique_ptr<PageModel> Dialog(int goal) {
        auto d = page.OpenDialog(context, "goal", std::to_string(goal));
        if (d) d->Load(context);
        return d;
    }
    static const ControlState& C(PageModel& p, int id) { return *p.Find(id); }

    FlightGroupGoalsPage page;
};

TEST_F(GoalsPageTest, SentencesNameTheSubjectAndMergeTheSelection) {
    page.Load(context);
    const auto sentence = [&](int g) {
        return C(page, FlightGroupGoalsPage::kSentences[g]).value.text;
    };
    EXPECT_EQ(sentence(0), "None");
    EXPECT_EQ(sentence(1), "Imperial: 100% of flight group (all selected FGs) must be destroyed");
    Rec(2).Goals(1).SetTeam(1);
    Rec(1).Goals(1).SetArgument(1);
    page.Load(context);
    EXPECT_EQ(sentence(1),
              "(Multiple Teams): 100% of flight group (all selected FGs) (multiple)be destroyed");
    // The page itself never writes.
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Unchanged);

    SelectOnly(0);
    page.Load(context);
    EXPECT_EQ(sentence(1), "Imperial: 100% of flight group X-W Red must be destroyed");
    auto dialog = Dialog(1);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(C(*dialog, D::kSubject).value.text, "X-W Red");
    EXPECT_EQ(C(*dialog, D::kTeam).value.index, 0);
    EXPECT_EQ(C(*dialog, D::kSentence).value.text, sentence(1));

    for (int f = 0; f < 3; ++f) Fg(f).Selected = 1;
    dialog = Dialog(1);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(C(*dialog, D::kSubject).value.text, "(all selected flightgroups)");
    EXPECT_EQ(C(*dialog, D::kSentence).value.text,
              "(Multiple Teams): 100% of flight group (all selected flightgroups) (multiple)be "
              "destroyed");
    // Each choice rewrites the sentence from what the lists now show.
    ASSERT_TRUE(Set(*dialog, D::kSense, Index(3)));
    ASSERT_TRUE(Set(*dialog, D::kCondition, Index(27)));
    ASSERT_TRUE(Set(*dialog, D::kTeam, Index(2)));
    ASSERT_TRUE(Set(*dialog, D::kAmount, Index(2)));
    EXPECT_EQ(C(*dialog, D::kSentence).value.text,
              "Team 3: 50% of flight group (all selected flightgroups) must be disabled as bonus "
              "(note: double negative)");

    EXPECT_EQ(page.OpenDialog(context, "goal", "8"), nullptr);
    context.goal = 6;  // no number: the goal the caller is on
    auto current = page.OpenDialog(context, "goal", "");
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(static_cast<D&>(*current).Goal(), 6);
}

TEST_F(GoalsPageTest, OkWritesDefiniteValuesToEveryRecordAsOneEdit) {
    Rec(1).Goals(3).SetTeam(1);
    for (int f = 0; f < 3; ++f) Rec(f).Goals(3).SetTimeLimit(30);
    auto dialog = Dialog(3);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(C(*dialog, D::kTeam).value.index, -1);
    EXPECT_TRUE(C(*dialog, D::kTeam).mixed);
    EXPECT_EQ(C(*dialog, D::kTimeLimit).value.text, "30");
    EXPECT_EQ(C(*dialog, D::kPointsLabel).value.text, "x 250 = 0 pts");
    ASSERT_TRUE(Set(*dialog, D::kSense, Index(1)));
    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Changed);
    for (int f = 0; f < 3; ++f) EXPECT_EQ(Rec(f).Goals(3).Argument(), 1);
    EXPECT_EQ(Rec(0).Goals(3).Team(), 0);
    EXPECT_EQ(Rec(1).Goals(3).Team(), 1);
    EXPECT_EQ(Rec(2).Goals(3).TimeLimit(), 30);
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Rec(2).Goals(3).Argument(), 0);
}

TEST_F(GoalsPageTest, TypedPointsAndTimesOutsideTheSpinsRangesAreRefused) {
    auto dialog = Dialog(1);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(C(*dialog, D::kPoints).value.text, "4");
    EXPECT_EQ(C(*dialog, D::kPointsLabel).value.text, "x 250 = 1000 pts");
    ASSERT_TRUE(Set(*dialog, D::kPoints, Text("-2")));
    EXPECT_EQ(C(*dialog, D::kPointsLabel).value.text, "x 250 = -500 pts");
    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(Rec(0).Bytes[FlightGroupRecord::kGoalsOffset + FgGoal::kSize + 3], 0xFE);

    // Beyond the range: refused with the range, nothing written (256 once
    // made -250 points, 128 made -32000); the sum shows the limit.
    const std::tuple<const char*, const char*> points[] = {
        {"256", "x 250 = 31750 pts"}, {"128", "x 250 = 31750 pts"}, {"-300", "x 250 = -32000 pts"}};
    for (const auto& [typed, label] : points) {
        dialog = Dialog(1);
        ASSERT_TRUE(Set(*dialog, D::kPoints, Text(typed)));
        EXPECT_EQ(C(*dialog, D::kPointsLabel).value.text, label) << typed;
        ASSERT_EQ(dialog->Apply(context), PageModel::ApplyResult::Refused) << typed;
        EXPECT_EQ(prompter.Texts().back(),
                  "Please enter an integer between -128 and 127 for Points.");
        for (int f = 0; f < 3; ++f) EXPECT_EQ(Rec(f).Goals(1).Points(), -2) << typed;
    }
    dialog = Dialog(1);
    ASSERT_TRUE(Set(*dialog, D::kPoints, Text("127")));
    dialog->Apply(context);
    for (int f = 0; f < 3; ++f) EXPECT_EQ(Rec(f).Goals(1).Points(), 127);
    const std::pair<const char*, int> times[] = {{"255", 255}, {"256", -1}, {"-5", -1}, {"9", 9}};
    for (const auto& [typed, stored] : times) {
        dialog = Dialog(1);
        ASSERT_TRUE(Set(*dialog, D::kTimeLimit, Text(typed)));
        const auto result = dialog->Apply(context);
        EXPECT_EQ(result == PageModel::ApplyResult::Refused, stored < 0) << typed;
        if (stored >= 0) {
            EXPECT_EQ(Rec(2).Goals(1).TimeLimit(), stored) << typed;
        }
    }

    // Points that differ show no number and no sum, and stay each its own.
    Rec(1).Goals(1).SetPoints(-7);
    dialog = Dialog(1);
    EXPECT_EQ(C(*dialog, D::kPoints).value.text, "");
    EXPECT_EQ(C(*dialog, D::kPointsLabel).value.text, "");
    ASSERT_TRUE(Set(*dialog, D::kCondition, Index(3)));
    dialog->Apply(context);
    EXPECT_EQ(Rec(1).Goals(1).Points(), -7);
    EXPECT_EQ(Rec(0).Goals(1).Points(), 127);
}

TEST_F(GoalsPageTest, TextsDifferingOnlyInCaseAreDifferentTexts) {
    Fg(0).GoalStrings.Set(1, FgGoalStrings::kIncomplete, "Destroy the convoy");
    Fg(1).GoalStrings.Set(1, FgGoalStrings::kIncomplete, "destroy the convoy");
    Fg(2).GoalStrings.Set(1, FgGoalStrings::kIncomplete, "Destroy the convoy");
    for (int f = 0; f < 3; ++f) Fg(f).GoalStrings.Set(1, FgGoalStrings::kFailed, "Lost");
    auto dialog = Dialog(1);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(C(*dialog, D::kIncomplete).value.text, kMultipleDescriptionsText);
    EXPECT_EQ(C(*dialog, D::kFailed).value.text, "Lost");
    EXPECT_EQ(C(*dialog, D::kComplete).maxLength, 63);

    // OK without touching them keeps each record's own text.
    ASSERT_TRUE(Set(*dialog, D::kFailed, Text("Escaped")));
    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(Fg(1).GoalStrings.Get(1, FgGoalStrings::kIncomplete), "destroy the convoy");
    EXPECT_EQ(Fg(0).GoalStrings.Get(1, FgGoalStrings::kIncomplete), "Destroy the convoy");
    for (int f = 0; f < 3; ++f)
        EXPECT_EQ(Fg(f).GoalStrings.Get(1, FgGoalStrings::kFailed), "Escaped");
    // A text typed goes to all, its neighbours untouched.
    dialog = Dialog(1);
    ASSERT_TRUE(Set(*dialog, D::kIncomplete, Text("Stop them")));
    dialog->Apply(context);
    for (int f = 0; f < 3; ++f) {
        EXPECT_EQ(Fg(f).GoalStrings.Get(1, FgGoalStrings::kIncomplete), "Stop them");
        EXPECT_EQ(Fg(f).GoalStrings.Get(0, FgGoalStrings::kFailed), "");
        EXPECT_EQ(Fg(f).GoalStrings.Get(2, FgGoalStrings::kIncomplete), "");
    }
}

}  // namespace
}  // namespace vantorel
