// The Arrival and Departure pages with the Condition and Mothership
// dialogs: per-byte merges, what OK writes into every selected flight group
// (and only there), as one edit.
#include <gtest/gtest.h>

#include "document/LevelDocument.h"
#include "properties/logic/ArrivalPage.h"
#include "properties/logic/ConditionDialog.h"
#include "properties/logic/DeparturePage.h"
#include "properties/logic/MothershipDialog.h"
#include "support/PageFixture.h"

namespace vantorel {
namespace {

using namespace testing;
using C = ConditionDialog;

// X-wings Red, a Shuttle Omega, Y-wings Gold; the first two selected.
class ArrivalDepartureTest : public PageTest {
protected:
    void SetUp() override {
        const struct {
            int type, count;
            const char* name;
        } fgs[] = {{1, 2, "Red"}, {17, 1, "Omega"}, {2, 3, "Gold"}};
        NewMission(3, [&](FlightGroup& fg, int i) {
            fg.File.SetCraftType(uint8_t(fgs[i].type));
            fg.File.SetNumberOfCraft(uint8_t(fgs[i].count));
            fg.File.SetName(fgs[i].name);
            fg.Selected = i < 2;
        });
        doc.GetMission().Teams[0].SetName("Rebellion");
    }
};

TEST_F(ArrivalDepartureTest, TriggersDifferingOnlyInAmountKeepTheirOwnAmounts) {
    Rec(0).SetArrivalTrigger(0, {2, 1, 1, 0});  // 100% of Omega must be destroyed
    Rec(1).SetArrivalTrigger(0, {2, 1, 1, 3});  // 25% of ...
    Rec(0).SetArrivalTrigger(1, {1, 1, 2, 4});
    Rec(1).SetArrivalTrigger(1, {1, 1, 2, 4});
    ArrivalPage page;
    page.Load(context);
    EXPECT_EQ(page.Find(1066)->value.text, "");
    EXPECT_TRUE(page.Find(1066)->mixed);
    EXPECT_EQ(page.Find(1067)->value.text, "At least one of flight group Y-wings Gold must arrive");

    auto dialog = Open(page, "condition", "arrival1");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->Find(C::kAmount)->value.index, -1);
    EXPECT_TRUE(dialog->Find(C::kAmount)->mixed);
    EXPECT_EQ(dialog->Find(C::kCondition)->value.index, 2);
    EXPECT_EQ(dialog->Find(C::kVariableType)->value.index, 1);
    EXPECT_EQ(dialog->Find(C::kVariable)->value.index, 1);
    EXPECT_EQ(dialog->Find(C::kVariable)->items,
              (std::vector<std::string>{"X-wings Red", "Shuttle Omega", "Y-wings Gold"}));
    EXPECT_EQ(dialog->Find(C::kSentence)->value.text,
              "[multiple percentages] flight group Shuttle Omega must be destroyed");

    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Unchanged);
    EXPECT_FALSE(doc.IsModified());

    // A new condition goes to both; each keeps its amount. One edit.
    ASSERT_TRUE(dialog->Set(context, C::kCondition, Index(3)));
    EXPECT_EQ(dialog->Find(C::kSentence)->value.text,
              "[multiple percentages] flight group Shuttle Omega must be attacked");
    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(Rec(0).ArrivalTrigger(0), (Trigger{3, 1, 1, 0}));
    EXPECT_EQ(Rec(1).ArrivalTrigger(0), (Trigger{3, 1, 1, 3}));
    EXPECT_EQ(Rec(2).ArrivalTrigger(0), (Trigger{}));
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(Rec(1).ArrivalTrigger(0), (Trigger{2, 1, 1, 3}));
}

TEST_F(ArrivalDepartureTest, FalseAndTrueSetAllFourBytesButLeaveTheVariableList) {
    Rec(0).SetDepartureTrigger(1, {2, 12, 1, 5});
    Rec(1).SetDepartureTrigger(1, {9, 1, 2, 4});
    Rec(2).SetDepartureTrigger(1, {9, 1, 2, 4});  // not selected
    DeparturePage page;
    auto dialog = Open(page, "condition", "departure2");
    ASSERT_TRUE(dialog);
    for (int id : {C::kAmount, C::kVariableType, C::kVariable, C::kCondition})
        EXPECT_EQ(dialog->Find(id)->value.index, -1) << id;
    EXPECT_EQ(dialog->Find(C::kSentence)->value.text,
              "[multiple percentages] [multiple] [multiple conditions]");

    dialog->Activate(context, C::kTrue);
    EXPECT_EQ(dialog->Find(C::kSentence)->value.text, "True");
    dialog->Activate(context, C::kFalse);
    EXPECT_EQ(dialog->Find(C::kSentence)->value.text, "False");
    EXPECT_EQ(dialog->Find(C::kCondition)->value.index, 10);
    EXPECT_EQ(dialog->Find(C::kVariable)->value.index, 0);
    EXPECT_EQ(dialog->Find(C::kVariable)->items.size(), 256u);  // still "[multiple types]"'s
    EXPECT_FALSE(dialog->Find(C::kAmount)->mixed);
    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(Rec(0).DepartureTrigger(1), (Trigger{10, 0, 0, 0}));
    EXPECT_EQ(Rec(1).DepartureTrigger(1), (Trigger{10, 0, 0, 0}));
    EXPECT_EQ(Rec(2).DepartureTrigger(1), (Trigger{9, 1, 2, 4}));
    EXPECT_EQ(Rec(0).DepartureTrigger(0), (Trigger{}));

    page.Load(context);
    EXPECT_EQ(page.Find(1067)->value.text, "False");
    EXPECT_FALSE(page.Find(1067)->mixed);
}

TEST_F(ArrivalDepartureTest, AVariableBeyondTheNewListLeavesItWithoutSelection) {
    Rec(0).SetArrivalTrigger(3, {1, 12, 7, 0});
    Rec(1).SetArrivalTrigger(3, {1, 12, 7, 0});
    ArrivalPage page;
    EXPECT_EQ(Open(page, "condition", "arrival5"), nullptr);
    auto dialog = Open(page, "condition", "arrival4");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->Find(C::kVariable)->items.size(), 10u);
    EXPECT_EQ(dialog->Find(C::kVariable)->items[0], "Rebellion");
    EXPECT_EQ(dialog->Find(C::kVariable)->value.index, 7);
    EXPECT_EQ(dialog->Find(C::kSentence)->value.text, "100% of team Team 8 must arrive");

    // Team -> flight group: three entries, none chosen, and the sentence of
    // what OK would write, as the page words it, also after another change.
    ASSERT_TRUE(dialog->Set(context, C::kVariableType, Index(1)));
    EXPECT_EQ(dialog->Find(C::kVariable)->items.size(), 3u);
    EXPECT_EQ(dialog->Find(C::kVariable)->value.index, -1);
    const std::string noSuchGroup = "flight group (out of range ship index: 7)";
    EXPECT_EQ(dialog->Find(C::kSentence)->value.text, "100% of " + noSuchGroup + " must arrive");
    ASSERT_TRUE(dialog->Set(context, C::kCondition, Index(2)));
    EXPECT_EQ(dialog->Find(C::kSentence)->value.text,
              "100% of " + noSuchGroup + " must be destroyed");
    ASSERT_TRUE(dialog->Set(context, C::kCondition, Index(1)));
    // An entry that fits survives the next change of type.
    ASSERT_TRUE(dialog->Set(context, C::kVariable, Index(2)));
    ASSERT_TRUE(dialog->Set(context, C::kVariableType, Index(5)));
    EXPECT_EQ(dialog->Find(C::kVariable)->items.size(), 6u);
    EXPECT_EQ(dialog->Find(C::kVariable)->value.index, 2);

    // OK without choosing keeps the variable the records had.
    auto unchosen = Open(page, "condition", "arrival4");
    ASSERT_TRUE(unchosen->Set(context, C::kVariableType, Index(1)));
    EXPECT_EQ(unchosen->Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(Rec(0).ArrivalTrigger(3), (Trigger{1, 1, 7, 0}));
    EXPECT_EQ(Rec(1).ArrivalTrigger(3), (Trigger{1, 1, 7, 0}));
}

TEST_F(ArrivalDepartureTest, ArrivalNumbersChecksAndRadios) {
    using P = ArrivalPage;
    Rec(0).SetArriveOnlyIfPlayer(1);
    Rec(1).SetArrivalAndOr1234(1);
    ArrivalPage page;
    page.Load(context);
    EXPECT_TRUE(page.Find(P::kOnlyIfPlayer)->tristate);
    EXPECT_EQ(page.Find(P::kOnlyIfPlayer)->value.index, 2);
    EXPECT_EQ(page.Find(P::kAndOr1234)->value.index, -1);
    EXPECT_EQ(page.Find(P::kAndOr12)->value.index, 0);
    EXPECT_EQ(page.Find(P::kSeconds)->spinMax, 59);

    // Seconds past the spin's 59 are stored as typed; 256 minutes is refused whole.
    ASSERT_TRUE(page.Set(context, P::kSeconds, Text("75")));
    ASSERT_TRUE(page.Set(context, P::kMinutes, Text("256")));
    ASSERT_TRUE(page.Set(context, P::kOnlyIfPlayer, Index(0)));
    ASSERT_EQ(page.Apply(context), PageModel::ApplyResult::Refused);
    EXPECT_EQ(prompter.Texts().back(),
              "Please enter an integer between 0 and 255 for Arrival Time (min).");
    EXPECT_EQ(Rec(0).ArriveOnlyIfPlayer(), 1);
    ASSERT_TRUE(page.Set(context, P::kMinutes, Text("255")));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Changed);
    for (int i : {0, 1}) {
        EXPECT_EQ(Rec(i).ArrivalDelaySeconds(), 75);
        EXPECT_EQ(Rec(i).ArrivalDelayMinutes(), 255);
        EXPECT_EQ(Rec(i).ArriveOnlyIfPlayer(), 0);
    }
    EXPECT_EQ(Rec(1).ArrivalAndOr1234(), 1);
    EXPECT_EQ(Rec(2).ArrivalDelaySeconds(), 0);

    page.Load(context);
    EXPECT_FALSE(page.Find(P::kOnlyIfPlayer)->tristate);
    EXPECT_EQ(page.Find(P::kOnlyIfPlayer)->value.index, 0);
    EXPECT_EQ(page.Find(P::kSeconds)->value.text, "75");
}

TEST_F(ArrivalDepartureTest, DepartureAbortListAndExplosionLength) {
    using P = DeparturePage;
    Rec(0).SetAbortTrigger(40);
    Rec(1).SetAbortTrigger(40);
    DeparturePage page;
    page.Load(context);
    const auto& abort = page.Find(P::kAbort)->items;
    ASSERT_EQ(abort.size(), 36u);
    EXPECT_EQ(abort[35], "35");
    EXPECT_EQ(page.Find(P::kAbort)->value.index, -1);  // 40 has no entry and is kept
    ASSERT_TRUE(page.Set(context, P::kAndOr, Index(1)));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(Rec(1).DepartureAndOr(), 1);
    EXPECT_EQ(Rec(1).AbortTrigger(), 40);
}

TEST_F(ArrivalDepartureTest, MothershipRadiosAndListsForAMixedPair) {
    using D = MothershipDialog;
    // Primary: one by hyperspace, one from Gold. Alternate: both hyperspace.
    Rec(1).SetArriveViaMothership(1);
    Rec(1).SetArrivalMothership(2);
    Rec(0).SetAlternateArrivalMothership(1);
    Rec(1).SetDepartViaMothership(1);
    Rec(0).SetDepartViaMothership(1);
    Rec(0).SetDepartureMothership(9);  // names no flight group
    Rec(1).SetDepartureMothership(9);
    ArrivalPage arrival;
    auto dialog = Open(arrival, "mothership");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->Find(D::kPrimary)->value.index, -1);
    EXPECT_TRUE(dialog->Find(D::kPrimaryList)->enabled);
    EXPECT_EQ(dialog->Find(D::kPrimaryList)->items.size(), 3u);
    EXPECT_EQ(dialog->Find(D::kAlternate)->value.index, 0);
    EXPECT_FALSE(dialog->Find(D::kAlternateList)->enabled);
    EXPECT_EQ(dialog->Find(D::kAlternateList)->value.index, -1);
    EXPECT_FALSE(dialog->Set(context, D::kAlternateList, Index(0)));

    // Choosing "Mothership:" opens the list; without a pick only the flag goes.
    ASSERT_TRUE(dialog->Set(context, D::kAlternate, Index(1)));
    EXPECT_TRUE(dialog->Find(D::kAlternateList)->enabled);
    ASSERT_TRUE(dialog->Set(context, D::kPrimary, Index(1)));
    ASSERT_TRUE(dialog->Set(context, D::kPrimaryList, Index(0)));
    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Changed);
    for (int i : {0, 1}) {
        EXPECT_EQ(Rec(i).ArriveViaMothership(), 1);
        EXPECT_EQ(Rec(i).ArrivalMothership(), 0);
        EXPECT_EQ(Rec(i).AlternateArriveViaMothership(), 1);
    }
    EXPECT_EQ(Rec(0).AlternateArrivalMothership(), 1);
    EXPECT_EQ(Rec(1).AlternateArrivalMothership(), 0);
    EXPECT_EQ(Rec(2).ArriveViaMothership(), 0);

    // The Departure page's dialog edits the departure fields.
    DeparturePage departure;
    dialog = Open(departure, "mothership");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->Find(D::kPrimary)->value.index, 1);
    EXPECT_EQ(dialog->Find(D::kPrimaryList)->value.index, -1);
    ASSERT_TRUE(dialog->Set(context, D::kPrimary, Index(0)));
    EXPECT_FALSE(dialog->Find(D::kPrimaryList)->enabled);
    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(Rec(0).DepartViaMothership(), 0);
    EXPECT_EQ(Rec(0).DepartureMothership(), 9);
    EXPECT_EQ(Rec(0).ArriveViaMothership(), 1);
}

}  // namespace
}  // namespace vantorel
