// The Orders tab and its Target dialog: one order of the selection at a time,
// merged across the records, written only where the user changed it, and
// never past the fields it edits.
#include <gtest/gtest.h>

#include "catalogue/Orders.h"
#include "catalogue/TargetChoices.h"
#include "document/LevelDocument.h"
#include "properties/logic/FlightGroupOrdersPage.h"
#include "properties/logic/OrderTargetDialog.h"
#include "support/PageFixture.h"

namespace vantorel {
namespace {

using namespace testing;
using P = FlightGroupOrdersPage;

class OrdersPageTest : public PageTest {
protected:
    void SetUp() override {
        NewMission(3, [](FlightGroup& fg, int i) {
            fg.File.SetName(std::string(1, char('A' + i)));
            fg.File.SetCraftType(1);
            fg.Selected = i < 2;
        });
    }
    Order O(int fg, int slot) { return Rec(fg).Orders(slot); }
    const ControlState& C(int id) { return *page.Find(id); }
    using PageTest::Set;
    bool Set(int id, ControlValue v) { return Set(page, id, std::move(v)); }

    P page;
};

TEST_F(OrdersPageTest, AnOrderDifferingInOneParameterKeepsEachRecordsOwnOnApply) {
    for (int fg : {0, 1}) {
        O(fg, 0).SetCommand(12);  // Board and Give
        O(fg, 0).SetTarget1Type(2);
        O(fg, 0).SetTarget2Type(0);
        O(fg, 0).SetTarget2(7);
        O(fg, 0).SetTarget3Type(5);
        O(fg, 0).SetTarget3(1);
        O(fg, 0).SetDescription(fg == 0 ? "Dock" : "Wait");
    }
    O(0, 0).SetParameter1(4);
    O(1, 0).SetParameter1(6);
    O(0, 0).SetTarget1(3);
    O(1, 0).SetTarget1(4);
    page.Load(context);

    EXPECT_EQ(C(P::kCommand).value.index, 12);
    EXPECT_EQ(C(P::kParameter1).value.text, "");
    EXPECT_TRUE(C(P::kParameter1).mixed);
    EXPECT_EQ(C(P::kParameter2).value.text, "1");
    EXPECT_EQ(C(P::kDescription).value.text, kMultipleDescriptionsText);
    // Same type, different values: nothing is said about target 1.
    EXPECT_EQ(C(P::kTargetLabels[0]).value.text, "");
    EXPECT_EQ(C(P::kTargetLabels[1]).value.text, "None");  // type 0, whatever the value
    EXPECT_EQ(C(P::kTargetLabels[2]).value.text, "IFF code Imperial");
    EXPECT_EQ(C(P::kPrimaryAndOr).value.index, 1);

    ASSERT_TRUE(Set(P::kThrottle, Index(5)));
    ASSERT_TRUE(Set(P::kPrimaryAndOr, Index(0)));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(O(0, 0).Parameter1(), 4);
    EXPECT_EQ(O(1, 0).Parameter1(), 6);
    EXPECT_EQ(O(0, 0).Description(), "Dock");
    EXPECT_EQ(O(1, 0).Description(), "Wait");
    for (int fg : {0, 1}) {
        EXPECT_EQ(O(fg, 0).Throttle(), 5);
        EXPECT_EQ(O(fg, 0).Target12AndOr(), 0);
    }
    EXPECT_EQ(O(2, 0).Throttle(), 10);  // not selected

    // A typed parameter goes to both; no digits read 0; one past its byte is refused.
    ASSERT_TRUE(Set(P::kParameter1, Text("258")));
    ASSERT_TRUE(Set(P::kParameter2, Text("-")));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Refused);
    EXPECT_EQ(O(0, 0).Parameter1(), 4);
    ASSERT_TRUE(Set(P::kParameter1, Text("2")));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(O(0, 0).Parameter1(), 2);
    EXPECT_EQ(O(1, 0).Parameter1(), 2);
    EXPECT_EQ(O(1, 0).Parameter2(), 0);
}

TEST_F(OrdersPageTest, ChangingTheTabWritesTheShownOrderBeforeTheNextIsShown) {
    O(0, 2).SetCommand(7);
    O(1, 2).SetCommand(7);
    O(0, 3).SetThrottle(3);
    O(1, 3).SetThrottle(3);
    context.order = 2;  // the page starts on the order asked for
    page.Load(context);
    EXPECT_EQ(page.Slot(), 2);
    EXPECT_EQ(C(P::kCommand).value.index, 7);
    context.order = 0;  // afterwards it keeps its own tab
    page.Load(context);
    EXPECT_EQ(page.Slot(), 2);

    ASSERT_TRUE(Set(P::kThrottle, Index(9)));
    ASSERT_TRUE(Set(P::kTabs, Index(3)));
    EXPECT_EQ(O(0, 2).Throttle(), 9);
    EXPECT_EQ(O(1, 2).Throttle(), 9);
    EXPECT_EQ(O(0, 3).Throttle(), 3);
    EXPECT_EQ(C(P::kThrottle).value.index, 3);
    EXPECT_EQ(C(P::kCommand).value.index, 0);
    EXPECT_FALSE(C(P::kThrottle).Touched());
    // Leaving the new tab untouched writes nothing more.
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Unchanged);
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(O(1, 2).Throttle(), 10);

    // A new command changes the parameter labels, not the values.
    ASSERT_TRUE(Set(P::kParameter1, Text("5")));
    ASSERT_TRUE(Set(P::kCommand, Index(18)));
    EXPECT_EQ(C(P::kParameter2Label).value.text, "FG to drop (see notes):");
    EXPECT_EQ(C(P::kParameter1).value.text, "5");

    // Tabs that show no order: the page says so, writes nothing, starts over.
    page.Find(P::kTabs)->value.index = 7;
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Unchanged);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{kInvalidOrderIndexText});
    EXPECT_EQ(O(0, 3).Command(), 0);
    EXPECT_EQ(page.Slot(), 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(OrdersPageTest, SpeedCountsOnlyAtFullThrottle) {
    const auto speeds = P::SpeedChoices();
    ASSERT_EQ(speeds.size(), 256u);
    const std::pair<int, const char*> samples[] = {
        {0, "Default"}, {1, "2"}, {3, "7"}, {10, "22"}, {12, "27"}};
    for (const auto& [i, text] : samples) EXPECT_EQ(speeds[size_t(i)], text) << i;
    EXPECT_EQ(C(P::kThrottle).items.back(), "100%");

    O(0, 0).SetSpeed(4);
    O(1, 0).SetSpeed(4);
    page.Load(context);
    EXPECT_TRUE(C(P::kSpeed).enabled);
    ASSERT_TRUE(Set(P::kThrottle, Index(9)));
    EXPECT_FALSE(C(P::kSpeed).enabled);
    EXPECT_EQ(C(P::kSpeed).value.index, 4);
    EXPECT_FALSE(Set(P::kSpeed, Index(2)));
    ASSERT_TRUE(Set(P::kThrottle, Index(10)));
    EXPECT_TRUE(C(P::kSpeed).enabled);

    // Throttles that differ: no full throttle to speak of.
    O(1, 0).SetThrottle(4);
    page.Load(context);
    EXPECT_EQ(C(P::kThrottle).value.index, -1);
    EXPECT_FALSE(C(P::kSpeed).enabled);
}

TEST_F(OrdersPageTest, TheFourthOrdersDescriptionStaysInsideItsField) {
    // A text running past the field would set the jump-to-order-4 condition behind it.
    const Trigger jump{2, 1, 0, 0};
    for (int fg : {0, 1}) Rec(fg).SetJumpToOrder4Trigger(0, jump);
    const FlightGroupRecord before = Rec(0);
    page.Find(P::kTabs)->value.index = 3;
    page.Load(context);
    std::string why;
    EXPECT_EQ(C(P::kDescription).maxLength, 15);
    EXPECT_FALSE(page.Set(context, P::kDescription, Text(std::string(40, 'x')), &why));
    EXPECT_EQ(why, "box 1076 holds at most 15 characters");
    ASSERT_TRUE(Set(P::kDescription, Text("Fifteen letters")));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(O(0, 3).Description(), "Fifteen letters");

    // Differing texts show more than fits; an edit of that text is cut to the field all the same.
    O(1, 3).SetDescription("Other");
    page.Load(context);
    ASSERT_EQ(C(P::kDescription).value.text, kMultipleDescriptionsText);
    ASSERT_TRUE(Set(P::kDescription, Text("A longer text than fits")));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Changed);
    for (int fg : {0, 1}) {
        EXPECT_EQ(O(fg, 3).Description(), "A longer text t");
        EXPECT_EQ(Rec(fg).JumpToOrder4Trigger(0), jump);
        // Nothing past the description's 16 bytes moved.
        const size_t end = FlightGroupRecord::kOrdersOffset + 3 * Order::kSize +
                           Order::kDescriptionOffset + Order::kDescriptionSize;
        for (size_t b = end; b < FlightGroupRecord::kSize; ++b)
            ASSERT_EQ(Rec(fg).Bytes[b], before.Bytes[b]) << b;
    }
}

TEST_F(OrdersPageTest, OrderInfoShowsTheOrdersHelpUnderItsName) {
    O(0, 0).SetCommand(7);
    O(1, 0).SetCommand(7);
    page.Load(context);
    ASSERT_TRUE(C(P::kInfo).enabled);
    page.Activate(context, P::kInfo);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].caption, "Attack Targets");
    EXPECT_EQ(prompter.shown[0].text, OrderInfoText(7));

    // No order chosen (the records differ): no help to offer.
    O(1, 0).SetCommand(8);
    page.Load(context);
    EXPECT_FALSE(C(P::kInfo).enabled);
    EXPECT_EQ(C(P::kParameter1Label).value.text, "Parameter 1:");
    page.Activate(context, P::kInfo);
    EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST_F(OrdersPageTest, TargetValuesAreListedByTheTargetsType) {
    // Ships (96) and IFF codes (6) are counted by the Target dialog's test.
    const Mission& m = doc.GetMission();
    EXPECT_EQ(TargetValueChoices(1, &m),
              (std::vector<std::string>{"X-wing A", "X-wing B", "X-wing C"}));
    EXPECT_EQ(TargetValueChoices(2, &m).back(), "(unknown ship)");
    EXPECT_EQ(TargetValueChoices(22, &m).size(), 10u);
    const auto allExcept = TargetValueChoices(21, &m);
    ASSERT_EQ(allExcept.size(), 10u);  // the teams, as for "team"
    EXPECT_EQ(allExcept[3], "Team 4");
    EXPECT_EQ(TargetValueChoices(7, &m)[4], "disabled");
}

TEST_F(OrdersPageTest, TheTargetDialogWritesOnlyWhatItWasGivenAsOneEdit) {
    for (int fg : {0, 1}) {
        O(fg, 1).SetTarget3Type(2);
        O(fg, 1).SetTarget4Type(1);
        O(fg, 1).SetTarget4(2);
    }
    O(0, 1).SetTarget3(3);
    O(1, 1).SetTarget3(4);
    page.Find(P::kTabs)->value.index = 1;
    page.Load(context);
    EXPECT_EQ(C(P::kTargetLabels[3]).value.text, "X-wing C");
    EXPECT_EQ(page.OpenDialog(context, "target", "0"), nullptr);
    EXPECT_EQ(page.OpenDialog(context, "target", "5"), nullptr);
    EXPECT_NE(page.OpenDialog(context, "target", "4"), nullptr);

    auto dialog = page.OpenDialog(context, "target", "3");
    ASSERT_NE(dialog, nullptr);
    dialog->Load(context);
    using D = OrderTargetDialog;
    const ControlState& type = *dialog->Find(D::kType);
    const ControlState& value = *dialog->Find(D::kValue);
    EXPECT_EQ(type.items.size(), 256u);
    EXPECT_EQ(type.value.index, 2);
    EXPECT_EQ(value.items.size(), 96u);
    EXPECT_EQ(value.value.index, -1);
    EXPECT_TRUE(value.mixed);

    // A new type keeps the value where the new list has it.
    ASSERT_TRUE(Set(*dialog, D::kValue, Index(4)));  // Y-wings
    ASSERT_TRUE(Set(*dialog, D::kType, Index(5)));   // IFF code
    EXPECT_EQ(value.items.size(), 6u);
    EXPECT_EQ(value.value.index, 4);
    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Changed);
    for (int fg : {0, 1}) {
        EXPECT_EQ(O(fg, 1).Target3Type(), 5);
        EXPECT_EQ(O(fg, 1).Target3(), 4);
        EXPECT_EQ(O(fg, 1).Target4(), 2);
        EXPECT_EQ(O(fg, 0).Target3Type(), 0);
    }
    page.Load(context);
    EXPECT_EQ(C(P::kTargetLabels[2]).value.text, "IFF code Red");

    // A value the new type's list has no entry for shows none and stays.
    dialog = page.OpenDialog(context, "target", "3");
    dialog->Load(context);
    ASSERT_TRUE(Set(*dialog, D::kType, Index(1)));  // flight group: 3 entries
    EXPECT_EQ(dialog->Find(D::kValue)->value.index, -1);
    EXPECT_EQ(dialog->Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(O(0, 1).Target3Type(), 1);
    EXPECT_EQ(O(0, 1).Target3(), 4);

    // Cancel is an unapplied dialog: nothing at all.
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(O(1, 1).Target3(), 4);
    EXPECT_EQ(O(1, 1).Target3Type(), 2);
}

}  // namespace
}  // namespace vantorel
