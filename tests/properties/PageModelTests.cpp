// The page model every property page is declared on: the merge over the
// selection, the mixed states, what an apply writes (only what the user
// changed, only definite values, as one edit) and what a control refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "document/LevelDocument.h"
#include "properties/logic/FlightGroupPage.h"
#include "properties/logic/PageCatalog.h"
#include "support/PageFixture.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

using namespace testing;

constexpr const char* kMultipleCargos = "\xC2\xB7(multiple cargos)";

// A flight group page of every kind of binding, on the selected flight groups.
class SamplePage final : public FlightGroupPage {
public:
    SamplePage() : FlightGroupPage("Sample", "Sample Properties") {
        using R = FlightGroupRecord;
        AddControl(1, ControlKind::List, "&Class:").items = {"a", "b", "c", "d"};
        ControlState& waves = AddControl(2, ControlKind::Number, "&Waves:");
        waves.spinMin = 1;
        waves.spinMax = 256;
        AddControl(3, ControlKind::Text, "&Name:");
        AddControl(4, ControlKind::Check, "Arrive only if player");
        AddControl(5, ControlKind::Text, "&Cargo:");
        AddControl(6, ControlKind::Radio, "And/Or").items = {"&And", "&Or"};
        AddControl(7, ControlKind::Number, "Percent");
        Bind(fgbind::List(1, &R::CraftType, &R::SetCraftType));
        Bind(fgbind::Number(2, &R::NumberOfWaves, &R::SetNumberOfWaves, 1));  // shown + 1
        Bind(fgbind::Text(3, &R::Name, &R::SetName, true));
        Bind(fgbind::Check(4, &R::ArriveOnlyIfPlayer, &R::SetArriveOnlyIfPlayer));
        Bind(fgbind::Text(5, &R::Cargo, &R::SetCargo, false, kMultipleCargos));
        Bind(fgbind::Radio(6, &R::ArrivalAndOr12, &R::SetArrivalAndOr12, {0, 1}));
        Bind(fgbind::Number(7, &R::Radio, &R::SetRadio, 0, std::pair{0, 100}));
    }
};

class PageModelTest : public PageTest {
protected:
    void SetUp() override {
        NewMission(3, [](FlightGroup& fg, int) {
            fg.File.SetName("Same");
            fg.File.SetCraftType(2);
            fg.File.SetNumberOfWaves(3);
            fg.File.SetCargo("Food");
            fg.File.SetArrivalAndOr12(1);
            fg.Selected = 1;
        });
    }
    const ControlState& C(int id) { return *page.Find(id); }
    bool Set(int id, ControlValue v) { return page.Set(context, id, std::move(v)); }

    SamplePage page;
};

TEST_F(PageModelTest, ARecordDifferingFromTheFirstMakesTheFieldMixedInItsOwnWay) {
    // Only the third differs: compared with the first, not the second.
    Rec(2).SetCraftType(3);
    Rec(2).SetNumberOfWaves(0);
    Rec(2).SetName("Other");
    Rec(2).SetArriveOnlyIfPlayer(1);
    Rec(2).SetCargo("Arms");
    Rec(2).SetArrivalAndOr12(0);
    page.Load(context);
    EXPECT_EQ(C(1).value.index, -1);
    EXPECT_EQ(C(2).value.text, "");
    EXPECT_EQ(C(3).value.text, "");
    EXPECT_EQ(C(4).value.index, 2);
    EXPECT_TRUE(C(4).tristate);
    EXPECT_EQ(C(5).value.text, kMultipleCargos);
    EXPECT_EQ(C(6).value.index, -1);
    for (int id : {1, 2, 3, 4, 5, 6}) EXPECT_TRUE(C(id).mixed) << id;
    EXPECT_FALSE(C(7).mixed);
    EXPECT_EQ(C(7).value.text, "0");

    // Untouched, nothing is written and nothing is recorded.
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Unchanged);
    EXPECT_FALSE(doc.IsModified());

    // Mixed states read back as "leave it": a cleared number, the cargo's text, a tristate box.
    ASSERT_TRUE(Set(2, Text("5")));
    ASSERT_TRUE(Set(2, Text("")));
    ASSERT_TRUE(Set(5, Text("x")));
    ASSERT_TRUE(Set(5, Text(kMultipleCargos)));
    ASSERT_TRUE(Set(4, Index(1)));
    ASSERT_TRUE(Set(4, Index(2)));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Unchanged);
    EXPECT_EQ(Rec(0).Cargo(), "Food");
    EXPECT_EQ(Rec(2).Cargo(), "Arms");
    EXPECT_EQ(Rec(2).NumberOfWaves(), 0);
}

TEST_F(PageModelTest, ADefiniteValueGoesToEverySelectedRecordAsOneEdit) {
    Rec(1).SetCraftType(0);
    doc.GetMission().FlightGroups[0]->Selected = 0;  // not part of the page
    page.Load(context);
    EXPECT_EQ(C(1).value.index, -1);
    ASSERT_TRUE(Set(1, Index(3)));
    EXPECT_FALSE(C(1).mixed);
    ASSERT_TRUE(Set(2, Text("7")));  // waves shown + 1: stores 6
    ASSERT_TRUE(Set(3, Text("Red")));
    ASSERT_TRUE(Set(6, Index(0)));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Changed);
    for (int i : {1, 2}) {
        EXPECT_EQ(Rec(i).CraftType(), 3);
        EXPECT_EQ(Rec(i).NumberOfWaves(), 6);
        EXPECT_EQ(Rec(i).Name(), "Red");
        EXPECT_EQ(Rec(i).ArrivalAndOr12(), 0);
    }
    EXPECT_EQ(Rec(0).CraftType(), 2);
    EXPECT_EQ(Rec(0).Name(), "Same");
    EXPECT_EQ(doc.UndoName(), "Sample Properties");
    // A second apply of the same values writes nothing new.
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Unchanged);
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(Rec(1).CraftType(), 0);
    EXPECT_EQ(Rec(2).Name(), "Same");

    // An empty name box keeps the names; a number without digits reads 0,
    // which is no number of waves: refused, not wrapped into the byte.
    page.Load(context);
    const uint8_t waves = Rec(1).NumberOfWaves();
    ASSERT_TRUE(Set(3, Text("")));
    ASSERT_TRUE(Set(2, Text("-")));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Refused);
    EXPECT_EQ(Rec(1).Name(), "Same");
    EXPECT_EQ(Rec(1).NumberOfWaves(), waves);
}

TEST_F(PageModelTest, ARefusedValueWritesNothingAtAllAndSaysWhy) {
    page.Load(context);
    ASSERT_TRUE(Set(1, Index(0)));
    ASSERT_TRUE(Set(7, Text("101")));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Refused);
    EXPECT_EQ(prompter.Texts(),
              std::vector<std::string>{"Please enter an integer between 0 and 100 for Percent."});
    EXPECT_EQ(Rec(0).CraftType(), 2);
    EXPECT_FALSE(doc.IsModified());
    auto focus = page.TakeFocusRequest();
    ASSERT_TRUE(focus.has_value());
    EXPECT_EQ(focus->id, 7);
    EXPECT_FALSE(page.TakeFocusRequest().has_value());
    // The user's values are still there to be corrected.
    ASSERT_TRUE(Set(7, Text("100")));
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Changed);
    EXPECT_EQ(Rec(0).CraftType(), 0);
    EXPECT_EQ(Rec(2).Radio(), 100);
}

TEST_F(PageModelTest, ControlsRefuseWhatAUserCouldNotDo) {
    page.Load(context);
    std::string why;
    EXPECT_FALSE(page.Set(context, 1, Index(4), &why));
    EXPECT_EQ(why, "no entry 4 in list 1");
    EXPECT_FALSE(page.Set(context, 4, Index(2), &why));  // not mixed: two states only
    EXPECT_FALSE(page.Set(context, 6, Index(-1), &why));
    EXPECT_FALSE(page.Set(context, 2, Text("1.5"), &why));
    EXPECT_FALSE(page.Set(context, 99, Index(0), &why));
    EXPECT_EQ(why, "no control 99 on this page");
    page.Find(3)->enabled = false;
    EXPECT_FALSE(page.Set(context, 3, Text("x"), &why));
    page.Find(5)->readOnly = true;
    EXPECT_FALSE(page.Set(context, 5, Text("x"), &why));
    page.Find(5)->readOnly = false;
    page.Find(5)->maxLength = 4;
    EXPECT_FALSE(page.Set(context, 5, Text("Foods"), &why));
    EXPECT_TRUE(page.Set(context, 5, Text("Fo")));

    // With nothing selected the page shows nothing, and nothing is mixed.
    for (auto& fg : doc.GetMission().FlightGroups) fg->Selected = 0;
    page.Load(context);
    EXPECT_EQ(C(1).value.index, -1);
    EXPECT_FALSE(C(1).mixed);
    EXPECT_EQ(page.Apply(context), PageModel::ApplyResult::Unchanged);
}

// The windows find controls and radio buttons by number, and scripts set
// them by number (`vantorel-cli page --set ID=...`): two with one number on a
// page would be one box for two fields, and a number that moves breaks every
// script written for it. PageControls.txt beside this file lists them all; a
// deliberate change copies the listing the failure prints into it.
TEST_F(PageModelTest, EveryPageAndDialogNumbersEachControlAndButtonOnceAndKeepsTheNumbers) {
    std::string listing;
    const auto distinct = [&listing](const PageModel& page, const std::string& what, bool list) {
        std::set<int> seen;
        for (const ControlState& c : page.Controls()) {
            EXPECT_TRUE(seen.insert(c.id).second) << what << ": " << c.id;
            std::string line = what + " " + std::to_string(c.id);
            for (int b : c.buttonIds) {
                EXPECT_TRUE(b == c.id || seen.insert(b).second) << what << ": " << b;
                line += " " + std::to_string(b);
            }
            if (list && c.id >= 0) listing += line + (c.label.empty() ? "" : " " + c.label) + "\n";
        }
    };
    // Every dialog a page names opens, for each of the choices its name
    // gives ("name", "name=a|b", "name=1..4 (...)").
    const auto choices = [](const std::string& named) {
        const size_t eq = named.find('=');
        std::vector<std::pair<std::string, std::string>> all;
        if (eq == std::string::npos) return decltype(all){{named, ""}};
        const std::string name = named.substr(0, eq);
        const std::string which = named.substr(eq + 1, named.find(' ') - eq - 1);
        if (const size_t dots = which.find(".."); dots != std::string::npos) {
            for (int i = std::stoi(which); i <= std::stoi(which.substr(dots + 2)); ++i)
                all.emplace_back(name, std::to_string(i));
        } else {
            std::stringstream list(which);
            for (std::string one; std::getline(list, one, '|');) all.emplace_back(name, one);
        }
        return all;
    };
    context.message = doc.AddRadioMessage();
    context.team = 0;
    for (const PageInfo& info : PageCatalog()) {
        auto page = info.make();
        page->Load(context);
        distinct(*page, info.name, true);
        for (const std::string& named : page->DialogNames()) {
            const auto all = choices(named);
            for (const auto& [name, which] : all) {
                auto dialog = page->OpenDialog(context, name, which);
                ASSERT_TRUE(dialog) << info.name << " " << name << "=" << which;
                dialog->Load(context);
                distinct(*dialog, info.name + " " + name, which == all.front().second);
            }
        }
    }
    const auto known = std::filesystem::path(VANTOREL_SOURCE_DIR) / "tests" / "properties" /
                       "PageControls.txt";
    EXPECT_EQ(TempFolder::ReadText(known), listing) << "the numbers now:\n" << listing;
}

}  // namespace
}  // namespace vantorel
