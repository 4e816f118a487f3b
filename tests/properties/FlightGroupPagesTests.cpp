// The Ship, Equipment and Positions tabs and the Optional Craft and Hidden
// Cargo dialogs on three selected flight groups: what they show merged, what
// an apply or OK writes, and what it must leave exactly as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "catalogue/CraftWordLists.h"
#include "catalogue/NameLists.h"
#include "document/LevelDocument.h"
#include "mission/Win1252.h"
#include "properties/logic/DecimalText.h"
#include "properties/logic/FgEquipmentPage.h"
#include "properties/logic/FgPositionsPage.h"
#include "properties/logic/FgShipPage.h"
#include "properties/logic/HiddenCargoDialog.h"
#include "properties/logic/OptionalCraftDialog.h"
#include "support/PageFixture.h"

namespace vantorel {
namespace {

using namespace testing;
using Result = PageModel::ApplyResult;

class FgPagesTest : public PageTest {
protected:
    void SetUp() override {
        NewMission(3, [](FlightGroup& fg, int) {
            fg.File.SetCraftType(3);
            fg.File.SetNumberOfCraft(4);
            fg.Selected = 1;
        });
    }
    // The bytes of every flight group, to see that nothing else moved.
    std::vector<std::array<uint8_t, 1378>> Bytes() {
        std::vector<std::array<uint8_t, 1378>> all;
        for (auto& fg : doc.GetMission().FlightGroups) all.push_back(fg->File.Bytes);
        return all;
    }
};

TEST_F(FgPagesTest, ShipShowsMixedClassBesideADefiniteTeamAndKeepsBothUntouched) {
    Rec(1).SetCraftType(5);
    for (int i = 0; i < 3; ++i) Rec(i).SetTeam(1);
    FgShipPage page;
    page.Load(context);
    EXPECT_EQ(page.Find(FgShipPage::kClass)->value.index, -1);
    EXPECT_TRUE(page.Find(FgShipPage::kClass)->mixed);
    EXPECT_EQ(page.Find(FgShipPage::kTeam)->value.index, 1);
    EXPECT_EQ(page.Find(FgShipPage::kTeam)->items.size(), 10u);
    EXPECT_EQ(page.Apply(context), Result::Unchanged);
    EXPECT_FALSE(doc.IsModified());

    // A definite value goes to all three, as one edit named for the tab.
    ASSERT_TRUE(page.Set(context, FgShipPage::kTeam, Index(2)));
    ASSERT_TRUE(page.Set(context, FgShipPage::kWaves, Text("3")));
    EXPECT_EQ(page.Apply(context), Result::Changed);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Rec(i).Team(), 2);
        EXPECT_EQ(Rec(i).NumberOfWaves(), 2);  // shown + 1
    }
    EXPECT_EQ(Rec(1).CraftType(), 5);
    EXPECT_EQ(Rec(0).CraftType(), 3);
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.IsModified());

    // Every byte has an orientation entry: the named ones and the numbers between.
    const ControlState& orientation = *page.Find(FgShipPage::kOrientation);
    ASSERT_EQ(orientation.items.size(), 256u);
    EXPECT_EQ(orientation.items[65], "65");
    page.Load(context);
    EXPECT_EQ(page.Find(FgShipPage::kWaves)->value.text, "1");  // NumberOfWaves 0
}

TEST_F(FgPagesTest, SpacingConvertsHundredthsAndAnUntouchedApplyKeepsEveryValue) {
    EXPECT_EQ(SpacingText(5), "0.05");
    Select({0});
    for (const auto& [typed, stored] : {std::pair{"2.5", 250},
                                        {"0.015", 1},
                                        {"0.29", 29},  // not 28.999... dropped to 28
                                        {"2.55", 255},
                                        {"2.559", 255},
                                        {".", 0},
                                        {".5", 50}}) {
        FgShipPage page;
        page.Load(context);
        ASSERT_TRUE(page.Set(context, FgShipPage::kSpacing, Text(typed)));
        ASSERT_NE(page.Apply(context), Result::Refused) << typed;
        EXPECT_EQ(Rec(0).FormationSpacing(), stored) << typed;
    }

    // Two spacings differ: the box is empty; typing 1 writes 100 to both.
    Select({0, 1});
    Rec(0).SetFormationSpacing(50);
    Rec(1).SetFormationSpacing(75);
    FgShipPage page;
    page.Load(context);
    EXPECT_EQ(page.Find(FgShipPage::kSpacing)->value.text, "");
    ASSERT_TRUE(page.Set(context, FgShipPage::kSpacing, Text("1")));
    EXPECT_EQ(page.Apply(context), Result::Changed);
    EXPECT_EQ(Rec(0).FormationSpacing(), 100);
    EXPECT_EQ(Rec(1).FormationSpacing(), 100);
    EXPECT_EQ(Rec(2).FormationSpacing(), 5);

    // Every stored spacing survives an untouched box and one retyped as shown.
    Select({2});
    for (int v = 0; v < 256; ++v) {
        Rec(2).SetFormationSpacing(uint8_t(v));
        page.Load(context);
        const std::string shown = page.Find(FgShipPage::kSpacing)->value.text;
        ASSERT_TRUE(page.Set(context, FgShipPage::kWaves, Text("2")));
        page.Apply(context);
        EXPECT_EQ(Rec(2).FormationSpacing(), v) << shown;
        ASSERT_TRUE(page.Set(context, FgShipPage::kSpacing, Text("")));
        ASSERT_TRUE(page.Set(context, FgShipPage::kSpacing, Text(shown)));
        page.Apply(context);
        EXPECT_EQ(Rec(2).FormationSpacing(), v) << shown;
    }
}

TEST_F(FgPagesTest, NumberBoxesRefuseWhatTheirFieldCannotHold) {
    // A number outside the field is refused and writes nothing, never wrapped
    // round into the byte (Waves shows one more than it stores).
    const std::tuple<int, const char*, const char*> cases[] = {
        {FgShipPage::kNumber, "256", "Please enter an integer between 1 and 255 for Number."},
        {FgShipPage::kNumber, "0", "Please enter an integer between 1 and 255 for Number."},
        {FgShipPage::kNumber, "-1", "Please enter an integer between 1 and 255 for Number."},
        {FgShipPage::kWaves, "257", "Please enter an integer between 1 and 256 for Waves."},
        {FgShipPage::kWaves, "0", "Please enter an integer between 1 and 256 for Waves."},
        {FgShipPage::kPlayerShipIndex, "256",
         "Please enter an integer between 0 and 255 for Player Ship Index."},
        {FgShipPage::kSpacing, "-5000.5",
         "Please enter a number between 0.00 and 2.55 for Spacing."},
        {FgShipPage::kSpacing, "2.56", "Please enter a number between 0.00 and 2.55 for Spacing."},
    };
    FgShipPage page;
    const auto before = Bytes();
    for (const auto& [id, bad, text] : cases) {
        page.Load(context);
        ASSERT_TRUE(page.Set(context, id, Text(bad)));
        ASSERT_EQ(page.Apply(context), Result::Refused) << bad;
        EXPECT_EQ(prompter.Texts().back(), text) << bad;
        EXPECT_EQ(Bytes(), before) << bad;
    }
    page.Load(context);
    ASSERT_TRUE(page.Set(context, FgShipPage::kNumber, Text("255")));
    ASSERT_TRUE(page.Set(context, FgShipPage::kWaves, Text("256")));
    EXPECT_EQ(page.Apply(context), Result::Changed);
    EXPECT_EQ(Rec(2).NumberOfCraft(), 255);
    EXPECT_EQ(Rec(2).NumberOfWaves(), 255);

    // Leaving a box refuses the same: it shows what is stored again (here
    // records that differ), and the rest of the page is written.
    Rec(0).SetFormationSpacing(50);
    page.Load(context);
    ASSERT_TRUE(page.Set(context, FgShipPage::kSpacing, Text("-5000.5")));
    ASSERT_TRUE(page.Set(context, FgShipPage::kNumber, Text("3")));
    EXPECT_TRUE(page.Leave(context, FgShipPage::kNumber).empty());
    EXPECT_EQ(page.Leave(context),
              std::vector<std::string>{"Please enter a number between 0.00 and 2.55 for Spacing."});
    const ControlState& spacing = *page.Find(FgShipPage::kSpacing);
    EXPECT_TRUE(spacing.value.text.empty() && spacing.mixed);
    EXPECT_TRUE(page.Leave(context).empty());
    EXPECT_EQ(page.Apply(context), Result::Changed);
    EXPECT_EQ(Rec(0).FormationSpacing(), 50);
    EXPECT_EQ(Rec(1).NumberOfCraft(), 3);
}

TEST_F(FgPagesTest, NameSuggestionsFollowTeamAndClassAndKeepTheTypedName) {
    const auto sorted = [](WordList list) {
        std::vector<std::string> v;
        for (const char* n : list) v.push_back(Win1252ToUtf8(n));
        std::stable_sort(v.begin(), v.end(), [](const std::string& a, const std::string& b) {
            return std::lexicographical_compare(
                a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                    return std::tolower(static_cast<unsigned char>(x)) <
                           std::tolower(static_cast<unsigned char>(y));
                });
        });
        return v;
    };
    for (int i = 0; i < 3; ++i) {
        Rec(i).SetCraftType(kPlanetCraftType);  // the planet names
        Rec(i).SetName("Hoth");
    }
    FgShipPage page;
    page.Load(context);
    const ControlState& name = *page.Find(FgShipPage::kName);
    EXPECT_EQ(name.items, sorted(PlanetNames()));
    EXPECT_EQ(name.value.text, "Hoth");

    // Another class: the general list; the typed name stays.
    ASSERT_TRUE(page.Set(context, FgShipPage::kName, Text("Kessel")));
    ASSERT_TRUE(page.Set(context, FgShipPage::kClass, Index(86)));  // Asteroid
    EXPECT_EQ(name.items, sorted(GeneralNames()));
    EXPECT_EQ(name.value.text, "Kessel");
    // A team that shows mixed offers the general names whatever the class.
    Rec(1).SetTeam(3);
    page.Load(context);
    EXPECT_EQ(page.Find(FgShipPage::kTeam)->value.index, -1);
    EXPECT_EQ(name.items, sorted(GeneralNames()));
    // Nothing longer than the field holds with its terminator.
    EXPECT_FALSE(page.Set(context, FgShipPage::kName, Text(std::string(20, 'a'))));
    EXPECT_TRUE(page.Set(context, FgShipPage::kName, Text(std::string(19, 'a'))));
}

TEST_F(FgPagesTest, StatusListsArePlanetsOnlyWhenEverySelectedGroupIsAPlanet) {
    Rec(0).SetCraftType(kPlanetCraftType);
    Rec(1).SetCraftType(kPlanetCraftType);
    Rec(2).SetCraftType(1);
    FgEquipmentPage page;
    page.Load(context);
    const ControlState& status = *page.Find(FgEquipmentPage::kStatus);
    const ControlState& status2 = *page.Find(FgEquipmentPage::kStatus2);
    EXPECT_EQ(status.label, "&Status 1:");
    EXPECT_EQ(status2.label, "S&tatus 2:");
    EXPECT_EQ(status.items, StatusChoices(0));
    Select({0, 1});
    page.Load(context);
    EXPECT_EQ(status.label, "&Type:");
    EXPECT_EQ(status2.label, "&Status:");
    EXPECT_EQ(status.items, StatusChoices(kPlanetCraftType));
    EXPECT_EQ(status2.items, StatusChoices(0));
    // Off, the eight teams, the eight players.
    EXPECT_EQ(page.Find(FgEquipmentPage::kRadio)->items.size(), 17u);
}

TEST_F(FgPagesTest, EquipmentItemsMergeAndOnlyChangedListsAreRewritten) {
    // Only the first may carry Chaff (countermeasure code 1, item 14).
    Select({0, 1});
    Rec(0).SetPlayerCountermeasures(0, 1);
    // Warheads out of order, with a code nothing stands for: Torpedo (4), 9, Heavy Bomb (1).
    Rec(0).SetPlayerWarheads(0, 4);
    Rec(0).SetPlayerWarheads(1, 9);
    Rec(0).SetPlayerWarheads(2, 1);
    Rec(1).SetPlayerWarheads(0, 1);
    Rec(1).SetPlayerWarheads(1, 4);
    FgEquipmentPage page;
    page.Load(context);
    const ControlState& list = *page.Find(FgEquipmentPage::kEquipment);
    ASSERT_EQ(list.items.size(), 18u);
    std::vector<int> expected(18, 0);
    expected[0] = 1;   // Heavy Bomb in both
    expected[3] = 1;   // Torpedo in both
    expected[14] = 2;  // Chaff in the first only
    EXPECT_EQ(list.value.states, expected);
    EXPECT_TRUE(list.mixed);

    // Check the Tractor Beam: Chaff stays, the warheads keep their bytes, unknown code too.
    const auto warheads = [&](int r) {
        std::vector<int> v;
        for (int b = 0; b < 8; ++b) v.push_back(Rec(r).PlayerWarheads(b));
        return v;
    };
    std::vector<int> set = expected;
    set[8] = 1;
    ASSERT_TRUE(page.Set(context, FgEquipmentPage::kEquipment, States(set)));
    EXPECT_EQ(page.Apply(context), Result::Changed);
    EXPECT_EQ(warheads(0), (std::vector<int>{4, 9, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(warheads(1), (std::vector<int>{1, 4, 0, 0, 0, 0, 0, 0}));
    for (int r : {0, 1}) EXPECT_EQ(Rec(r).PlayerBeams(0), 1);
    EXPECT_EQ(Rec(0).PlayerCountermeasures(0), 1);
    EXPECT_EQ(Rec(1).PlayerCountermeasures(0), 0);
    EXPECT_EQ(Rec(2).PlayerBeams(0), 0);  // not selected

    // Add Advanced Torpedo (6): both rewritten ascending, the unknown code dropped.
    set[5] = 1;
    ASSERT_TRUE(page.Set(context, FgEquipmentPage::kEquipment, States(set)));
    EXPECT_EQ(page.Apply(context), Result::Changed);
    EXPECT_EQ(warheads(0), (std::vector<int>{1, 4, 6, 0, 0, 0, 0, 0}));
    EXPECT_EQ(warheads(1), (std::vector<int>{1, 4, 6, 0, 0, 0, 0, 0}));

    // Unchecking Chaff and "(No CM 1)" (code 4) on both.
    set[14] = 0;
    set[17] = 1;
    ASSERT_TRUE(page.Set(context, FgEquipmentPage::kEquipment, States(set)));
    EXPECT_EQ(page.Apply(context), Result::Changed);
    for (int r : {0, 1}) {
        EXPECT_EQ(Rec(r).PlayerCountermeasures(0), 4);
        EXPECT_EQ(Rec(r).PlayerCountermeasures(1), 0);
    }
}

TEST_F(FgPagesTest, OptionalCraftLinesReadAsTheDialogShowsThem) {
    using E = OptionalCraftDialog::Entry;
    EXPECT_EQ(OptionalCraftLine(E{3, 3, 2}), "2 waves of 3 A-wings");
    EXPECT_EQ(OptionalCraftLine(E{1, 1, 1}), "1 wave of 1 X-wing");
    EXPECT_EQ(OptionalCraftLine(E{-1, 2, -1}), "[multiple] waves of 2 [multiple ships]");
    EXPECT_EQ(OptionalCraftLine(E{120, 2, 1}), "1 wave of 2 (unknown ship)");
    EXPECT_EQ(OptionalCraftLine(E{0, 3, 2}), "(none)");
    EXPECT_EQ(OptionalCraftLine(E{1, 0, 2}), "(none)");
    EXPECT_EQ(OptionalCraftLine(E{1, 3, 0}), "(none)");
}

// A craft type the ship box does not list (from the file, or past the
// table) shows no ship, and is not taken for a mixed value.
TEST_F(FgPagesTest, OptionalCraftPastTheShipListShowsNoShip) {
    using D = OptionalCraftDialog;
    Select({0});
    Rec(0).SetOptionalCraftCategory(4);
    Rec(0).SetOptionalCraftCount(0, 1);
    auto page = FgShipPage().OpenDialog(context, "optional-craft", "");
    ASSERT_TRUE(page);
    D& dialog = static_cast<D&>(*page);
    dialog.Load(context);
    const int ships = int(dialog.Find(D::kShip)->items.size());
    ASSERT_GT(ships, 1);
    for (int type : {ships - 1, ships, 255}) {
        Rec(0).SetOptionalCraftType(0, uint8_t(type));
        dialog.Load(context);
        EXPECT_EQ(dialog.Find(D::kShip)->value.index, type < ships ? type : -1) << type;
        EXPECT_FALSE(dialog.Find(D::kShip)->mixed) << type;
    }
}

TEST_F(FgPagesTest, OptionalCraftMergesEveryByteAndOkWritesOnlyDefiniteOnes) {
    using D = OptionalCraftDialog;
    Select({0, 1});
    for (int r : {0, 1}) {
        Rec(r).SetOptionalCraftCategory(4);
        Rec(r).SetOptionalCraftType(0, 3);
        Rec(r).SetOptionalCraftWaves(0, 1);  // 2 waves
        Rec(r).SetOptionalCraftType(1, 2);
        Rec(r).SetOptionalCraftCount(1, 2);
        Rec(r).SetOptionalCraftWaves(1, 0);
    }
    Rec(0).SetOptionalCraftCount(0, 3);
    Rec(1).SetOptionalCraftCount(0, 4);
    auto page = FgShipPage().OpenDialog(context, "optional-craft", "");
    ASSERT_TRUE(page);
    D& dialog = static_cast<D&>(*page);
    dialog.Load(context);
    const ControlState& lines = *dialog.Find(D::kEntries);
    ASSERT_EQ(lines.items.size(), 10u);
    EXPECT_EQ(lines.items[0], "2 waves of [multiple] A-wings");
    EXPECT_EQ(lines.items[1], "1 wave of 2 Y-wings");
    EXPECT_EQ(lines.value.index, 0);
    EXPECT_EQ(dialog.Find(D::kShip)->value.index, 3);
    EXPECT_EQ(dialog.Find(D::kCount)->value.text, "");
    EXPECT_TRUE(dialog.Find(D::kCount)->mixed);
    EXPECT_EQ(dialog.Find(D::kWaves)->value.text, "2");

    // Untouched, OK writes nothing.
    const auto before = Bytes();
    EXPECT_EQ(dialog.Apply(context), Result::Unchanged);
    EXPECT_EQ(Bytes(), before);

    // A new ship for entry 0: both get it, each keeps its own count.
    ASSERT_TRUE(dialog.Set(context, D::kShip, Index(5)));
    EXPECT_EQ(lines.items[0], "2 waves of [multiple] TIE Fighters");
    // Counts and waves the bytes cannot hold are refused at OK, with the entry shown.
    ASSERT_TRUE(dialog.Set(context, D::kEntries, Index(1)));
    EXPECT_EQ(dialog.Find(D::kCount)->value.text, "2");
    const auto untouched = Bytes();
    for (auto [id, text, message] :
         {std::tuple{D::kCount, "300", "Please enter an integer between 0 and 255 for Count."},
          std::tuple{D::kCount, "-3", "Please enter an integer between 0 and 255 for Count."},
          std::tuple{D::kWaves, "257", "Please enter an integer between 1 and 256 for Waves."},
          std::tuple{D::kWaves, "-1", "Please enter an integer between 1 and 256 for Waves."}}) {
        ASSERT_TRUE(dialog.Set(context, D::kEntries, Index(1)));
        ASSERT_TRUE(dialog.Set(context, id, Text(text)));
        ASSERT_TRUE(dialog.Set(context, D::kEntries, Index(2)));
        prompter.shown.clear();
        EXPECT_EQ(dialog.Apply(context), Result::Refused) << text;
        ASSERT_EQ(prompter.Texts().size(), 1u) << text;
        EXPECT_EQ(prompter.Texts()[0], message);
        EXPECT_EQ(lines.value.index, 1) << "the faulty entry is shown";
        EXPECT_EQ(Bytes(), untouched);
        ASSERT_TRUE(dialog.Set(context, id, Text(id == D::kCount ? "2" : "1")));
    }
    ASSERT_TRUE(dialog.Set(context, D::kCount, Text("255")));
    EXPECT_EQ(dialog.Apply(context), Result::Changed);
    for (int r : {0, 1}) {
        EXPECT_EQ(Rec(r).OptionalCraftType(0), 5);
        EXPECT_EQ(Rec(r).OptionalCraftCount(1), 255);
        EXPECT_EQ(Rec(r).OptionalCraftWaves(0), 1);
    }
    EXPECT_EQ(Rec(0).OptionalCraftCount(0), 3);
    EXPECT_EQ(Rec(1).OptionalCraftCount(0), 4);

    // Differing categories leave the custom entries open; a definite non-custom one closes them.
    Rec(1).SetOptionalCraftCategory(1);
    dialog.Load(context);
    EXPECT_EQ(dialog.Find(D::kCategory)->value.index, -1);
    EXPECT_TRUE(dialog.Find(D::kCount)->enabled);
    ASSERT_TRUE(dialog.Set(context, D::kCategory, Index(2)));
    for (int id : {D::kEntries, D::kShip, D::kCount, D::kWaves})
        EXPECT_FALSE(dialog.Find(id)->enabled) << id;
    EXPECT_FALSE(dialog.Set(context, D::kShip, Index(1)));
}

TEST_F(FgPagesTest, ClearedOptionalCraftEntriesStoreNothingAtAll) {
    using D = OptionalCraftDialog;
    Select({0});
    Rec(0).SetOptionalCraftCategory(4);
    for (int i = 0; i < 10; ++i) {
        Rec(0).SetOptionalCraftType(i, 1);
        Rec(0).SetOptionalCraftCount(i, 2);
        Rec(0).SetOptionalCraftWaves(i, 2);
    }
    D dialog;
    dialog.Load(context);
    ASSERT_TRUE(dialog.Set(context, D::kEntries, Index(3)));
    dialog.Activate(context, D::kClear);
    EXPECT_EQ(dialog.Find(D::kEntries)->items[3], "(none)");
    EXPECT_EQ(dialog.Find(D::kShip)->value.index, 0);
    EXPECT_EQ(dialog.Find(D::kCount)->value.text, "0");
    EXPECT_EQ(dialog.Find(D::kWaves)->value.text, "1");
    EXPECT_EQ(dialog.Apply(context), Result::Changed);
    EXPECT_EQ(Rec(0).OptionalCraftType(3), 0);
    EXPECT_EQ(Rec(0).OptionalCraftCount(3), 0);
    EXPECT_EQ(Rec(0).OptionalCraftWaves(3), 0);  // not 0 - 1 = 255
    EXPECT_EQ(Rec(0).OptionalCraftCount(4), 2);

    dialog.Load(context);
    dialog.Activate(context, D::kClearAll);
    EXPECT_EQ(dialog.Apply(context), Result::Changed);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Rec(0).OptionalCraftType(i), 0) << i;
        EXPECT_EQ(Rec(0).OptionalCraftWaves(i), 0) << i;
    }
    // A stored 255 waves shows 256 and goes back as it came.
    Rec(0).SetOptionalCraftWaves(0, 255);
    Rec(0).SetOptionalCraftCount(0, 1);
    Rec(0).SetOptionalCraftType(0, 1);
    dialog.Load(context);
    EXPECT_EQ(dialog.Find(D::kWaves)->value.text, "256");
    EXPECT_EQ(dialog.Apply(context), Result::Unchanged);
}

TEST_F(FgPagesTest, HiddenCargoEnableAndRandomStates) {
    using D = HiddenCargoDialog;
    auto dialog = FgEquipmentPage().OpenDialog(context, "hidden-cargo", "");
    ASSERT_TRUE(dialog);
    D& d = static_cast<D&>(*dialog);
    const auto& enable = *d.Find(D::kEnable);
    const auto& random = *d.Find(D::kRandom);
    const auto& index = *d.Find(D::kShipIndex);
    const auto& description = *d.Find(D::kDescription);

    // On for a 4-craft group, carried by craft 2: switching it off stores 4.
    Select({0});
    Rec(0).SetSpecialCargoCraft(1);
    d.Load(context);
    EXPECT_EQ(enable.value.index, 1);
    EXPECT_FALSE(enable.tristate);
    EXPECT_EQ(index.value.text, "2");
    EXPECT_EQ(index.spinMax, 4);
    EXPECT_TRUE(index.enabled && random.enabled && description.enabled);
    ASSERT_TRUE(d.Set(context, D::kEnable, Index(0)));
    EXPECT_FALSE(index.enabled || random.enabled || description.enabled);
    EXPECT_EQ(d.Apply(context), Result::Changed);
    EXPECT_EQ(Rec(0).SpecialCargoCraft(), 4);

    // Off: all but the box disabled; OK keeps a carrier index of 255, not the craft count.
    Rec(0).SetSpecialCargoCraft(255);
    d.Load(context);
    EXPECT_EQ(enable.value.index, 0);
    EXPECT_EQ(index.value.text, "");
    EXPECT_FALSE(index.enabled || random.enabled || description.enabled);
    EXPECT_EQ(d.Apply(context), Result::Unchanged);
    EXPECT_EQ(Rec(0).SpecialCargoCraft(), 255);
    // Ticked, craft 1 carries it unless another is typed; 257 is refused, not wrapped.
    ASSERT_TRUE(d.Set(context, D::kEnable, Index(1)));
    EXPECT_EQ(index.value.text, "1");
    ASSERT_TRUE(d.Set(context, D::kShipIndex, Text("257")));
    ASSERT_EQ(d.Apply(context), Result::Refused);
    EXPECT_EQ(prompter.Texts().back(), "Please enter an integer between 1 and 256 for Ship Index.");
    EXPECT_EQ(Rec(0).SpecialCargoCraft(), 255);
    ASSERT_TRUE(d.Set(context, D::kShipIndex, Text("3")));
    EXPECT_EQ(d.Apply(context), Result::Changed);
    EXPECT_EQ(Rec(0).SpecialCargoCraft(), 2);

    // A random carrier turns it on and locks the index; switching it off clears random too.
    Rec(0).SetSpecialCargoCraft(4);
    Rec(0).SetRandomSpecialCargo(1);
    d.Load(context);
    EXPECT_EQ(enable.value.index, 1);
    EXPECT_EQ(random.value.index, 1);
    EXPECT_FALSE(index.enabled);
    EXPECT_TRUE(description.enabled);
    ASSERT_TRUE(d.Set(context, D::kRandom, Index(0)));
    EXPECT_TRUE(index.enabled);
    ASSERT_TRUE(d.Set(context, D::kEnable, Index(0)));
    EXPECT_EQ(d.Apply(context), Result::Changed);
    EXPECT_EQ(Rec(0).RandomSpecialCargo(), 0);
    EXPECT_EQ(Rec(0).SpecialCargoCraft(), 4);

    // Random differs: both boxes indeterminate, nothing else changeable, OK writes nothing.
    Select({0, 1});
    Rec(0).SetRandomSpecialCargo(1);
    Rec(1).SetRandomSpecialCargo(0);
    d.Load(context);
    EXPECT_EQ(random.value.index, 2);
    EXPECT_TRUE(random.tristate);
    EXPECT_EQ(enable.value.index, 2);
    EXPECT_TRUE(enable.tristate && enable.mixed);
    EXPECT_FALSE(index.enabled || random.enabled || description.enabled);
    EXPECT_EQ(d.Apply(context), Result::Unchanged);
    // Checked, the random boxes stay as each record has them.
    ASSERT_TRUE(d.Set(context, D::kEnable, Index(1)));
    ASSERT_TRUE(d.Set(context, D::kShipIndex, Text("1")));
    EXPECT_EQ(d.Apply(context), Result::Changed);
    EXPECT_EQ(Rec(0).RandomSpecialCargo(), 1);
    EXPECT_EQ(Rec(1).RandomSpecialCargo(), 0);
    EXPECT_EQ(Rec(1).SpecialCargoCraft(), 0);
}

TEST_F(FgPagesTest, HiddenCargoKeepsDifferentDescriptionsUnlessOneIsTyped) {
    using D = HiddenCargoDialog;
    Select({0, 1, 2});
    for (int r = 0; r < 3; ++r) Rec(r).SetSpecialCargoCraft(0);
    Rec(0).SetSpecialCargo("Plans");
    Rec(1).SetSpecialCargo("Spice");
    D d;
    d.Load(context);
    EXPECT_EQ(d.Find(D::kDescription)->value.text, "");
    EXPECT_TRUE(d.Find(D::kDescription)->mixed);
    ASSERT_TRUE(d.Set(context, D::kShipIndex, Text("2")));
    EXPECT_EQ(d.Apply(context), Result::Changed);
    EXPECT_EQ(Rec(0).SpecialCargo(), "Plans");
    EXPECT_EQ(Rec(1).SpecialCargo(), "Spice");
    EXPECT_EQ(Rec(2).SpecialCargo(), "");
    EXPECT_EQ(Rec(2).SpecialCargoCraft(), 1);

    ASSERT_TRUE(d.Set(context, D::kDescription, Text("Droids")));
    EXPECT_FALSE(d.Set(context, D::kDescription, Text(std::string(20, 'x'))));
    EXPECT_EQ(d.Apply(context), Result::Changed);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(Rec(r).SpecialCargo(), "Droids");
    // A shared description emptied on purpose is written empty.
    d.Load(context);
    ASSERT_TRUE(d.Set(context, D::kDescription, Text("")));
    EXPECT_EQ(d.Apply(context), Result::Changed);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(Rec(r).SpecialCargo(), "");
}

TEST_F(FgPagesTest, KilometresRoundHalfAwayFromZeroAndStopAtTheMapsEdge) {
    EXPECT_EQ(KmText(160), "1.00");
    EXPECT_EQ(KmText(-1), "-0.01");
    EXPECT_EQ(KmText(-32768), "-204.80");
    EXPECT_EQ(RawFromKmText("1.005"), 161);
    EXPECT_EQ(RawFromKmText("-0.003125"), -1);
    EXPECT_EQ(RawFromKmText("204.8"), 32767);
    EXPECT_EQ(RawFromKmText("300"), 32767);  // not wrapped round to the other side
    EXPECT_EQ(RawFromKmText("-300"), -32768);
    EXPECT_EQ(RawFromKmText("-"), 0);
    EXPECT_EQ(ParseDecimal(".25"), 0.25);
    EXPECT_EQ(ParseDecimal("3."), 3.0);
    EXPECT_EQ(ParseDecimal("1,5"), 0.0);
    EXPECT_EQ(HundredthsOf("-1.257"), -125);
    EXPECT_EQ(HundredthsOf("1.5x"), 0);  // not a number: nothing
    EXPECT_EQ(FixedTwoDecimals(2.5), "2.50");
}

TEST_F(FgPagesTest, PositionsShowMergedPointsAndWriteOnlyWhatWasTyped) {
    using P = FgPositionsPage;
    Select({0, 1});
    for (int r : {0, 1}) {
        Rec(r).SetWaypointX(0, 160);
        Rec(r).SetWaypointX(4, 33);
        Rec(r).SetWaypointEnabled(4, 1);
    }
    Rec(0).SetWaypointY(4, 10);
    Rec(1).SetWaypointY(4, 20);
    Rec(0).SetWaypointEnabled(12, 1);
    P page;
    page.Load(context);
    const auto text = [&](int id) { return page.Find(id)->value.text; };
    EXPECT_EQ(page.Find(P::kView)->value.index, P::kNormalView);
    EXPECT_FALSE(page.HasPendingEdits());
    EXPECT_EQ(text(P::NameId(0)), "Start 1");
    EXPECT_EQ(text(P::NameId(4)), "Rendezvous");
    EXPECT_EQ(text(P::NameId(5)), "Hyperspace");
    EXPECT_EQ(text(P::XId(0)), "1.00");
    for (int row : {6, 7}) {
        EXPECT_FALSE(page.Find(P::XId(row))->visible);
        EXPECT_FALSE(page.Find(P::EnableId(row))->visible);
        EXPECT_FALSE(page.Set(context, P::XId(row), Text("1")));
    }
    // Rendezvous enabled in one only: indeterminate, and clicking it is
    // not read.
    const ControlState& rendezvous = *page.Find(P::EnableId(4));
    EXPECT_EQ(rendezvous.value.index, 2);
    EXPECT_TRUE(rendezvous.tristate && rendezvous.mixed);
    ASSERT_TRUE(page.Set(context, P::EnableId(4), Index(1)));

    // Type a start X, then look at the waypoints: same X, different Y.
    ASSERT_TRUE(page.Set(context, P::XId(0), Text("1.005")));
    ASSERT_TRUE(page.Set(context, P::kView, Index(P::kWaypointsView)));
    EXPECT_EQ(text(P::NameId(0)), "Waypoint 1");
    EXPECT_EQ(text(P::XId(0)), "0.21");  // 33 raw
    EXPECT_EQ(text(P::YId(0)), "");
    EXPECT_TRUE(page.Find(P::YId(0))->mixed);
    EXPECT_TRUE(page.Find(P::XId(7))->visible);
    EXPECT_EQ(text(P::NameId(7)), "Waypoint 8");
    ASSERT_TRUE(page.Set(context, P::kView, Index(P::kBriefingView)));
    EXPECT_EQ(text(P::NameId(0)), "Team 1 Briefing");
    ASSERT_TRUE(page.Set(context, P::kView, Index(P::kNormalView)));
    EXPECT_EQ(text(P::XId(0)), "1.005");  // what was typed stays
    EXPECT_EQ(rendezvous.value.index, 2);

    EXPECT_EQ(page.Apply(context), Result::Changed);
    EXPECT_EQ(doc.UndoName(), "Positions Properties");
    for (int r : {0, 1}) {
        EXPECT_EQ(Rec(r).WaypointX(0), 161);
        EXPECT_EQ(Rec(r).WaypointX(4), 33);  // shown as 0.21, not read back as 34
        EXPECT_EQ(Rec(r).WaypointEnabled(4), 1);
    }
    EXPECT_EQ(Rec(0).WaypointY(4), 10);
    EXPECT_EQ(Rec(1).WaypointY(4), 20);
    EXPECT_EQ(Rec(0).WaypointEnabled(12), 1);
    EXPECT_EQ(Rec(1).WaypointEnabled(12), 0);
    EXPECT_EQ(Rec(2).WaypointX(0), 0);  // not selected
    // Written once: applying again changes nothing.
    EXPECT_EQ(page.Apply(context), Result::Unchanged);

    // A definite box is written; a typed kilometre beyond the map stops at
    // its edge.
    ASSERT_TRUE(page.Set(context, P::EnableId(1), Index(1)));
    ASSERT_TRUE(page.Set(context, P::ZId(1), Text("-250")));
    EXPECT_EQ(page.Apply(context), Result::Changed);
    EXPECT_EQ(Rec(1).WaypointEnabled(1), 1);
    EXPECT_EQ(Rec(0).WaypointZ(1), -32768);
}

TEST_F(FgPagesTest, AnUntouchedPositionsApplyKeepsEveryCoordinateAndEnabledWord) {
    using P = FgPositionsPage;
    Select({0});
    P page;
    for (int view : {P::kNormalView, P::kWaypointsView, P::kBriefingView}) {
        for (int raw = -500; raw <= 500; raw += 1) {
            for (int p = 0; p < P::kPoints; ++p) {
                Rec(0).SetWaypointX(p, int16_t(raw + p));
                Rec(0).SetWaypointY(p, int16_t(-raw));
                Rec(0).SetWaypointZ(p, int16_t(raw * 7));
                Rec(0).SetWaypointEnabled(p, uint16_t(raw & 3));
            }
            const auto before = Bytes();
            page.Load(context);
            ASSERT_TRUE(page.Set(context, P::kView, Index(view)));
            ASSERT_EQ(page.Apply(context), Result::Unchanged) << raw;
            ASSERT_EQ(Bytes(), before) << raw;
        }
    }
}

}  // namespace
}  // namespace vantorel
