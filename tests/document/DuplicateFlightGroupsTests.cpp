// Duplicate: copies beside their originals as one edit, references follow, none past the limit.
#include "catalogue/ThemeSlots.h"
#include "document/DuplicateFlightGroups.h"
#include "support/PageFixture.h"

namespace vantorel {
namespace {

class DuplicateFlightGroupsTest : public testing::PageTest {};

TEST_F(DuplicateFlightGroupsTest, CopiesStandBesideTheOriginalsAndBecomeTheSelection) {
    // The fighters launch from the carrier; the carrier guards the escort, not copied.
    NewMission(3, [](FlightGroup& fg, int) { fg.File.SetCraftType(1); });
    Rec(1).SetArrivalMothership(0);
    Rec(0).Orders(0).SetTarget1Type(1);
    Rec(0).Orders(0).SetTarget1(2);
    for (int p = 0; p < 5; ++p) Rec(0).SetWaypointX(p, int16_t(100 * p));
    Rec(0).SetWaypointY(3, 32760);
    Rec(0).SetWaypointZ(0, -32760);
    Select({0, 1});

    EXPECT_EQ(DuplicateSelectedFlightGroups(doc, 80, 16, -16), std::vector<int>({3, 4}));
    ASSERT_EQ(doc.GetMission().CountFlightGroups(), 5);
    EXPECT_EQ(doc.UndoName(), "Duplicate");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(doc.GetMission().FlightGroups[size_t(i)]->Selected != 0, i >= 3) << i;
    EXPECT_EQ(Rec(4).ArrivalMothership(), 3);
    EXPECT_EQ(Rec(3).Orders(0).Target1(), 2);
    // The four start points move, clamped at the edge; other points stay.
    for (int p = 0; p < 4; ++p) EXPECT_EQ(Rec(3).WaypointX(p), 100 * p + 80) << p;
    EXPECT_EQ(Rec(3).WaypointX(4), 400);
    EXPECT_EQ(Rec(3).WaypointY(3), 32767);
    EXPECT_EQ(Rec(3).WaypointY(0), 16);
    EXPECT_EQ(Rec(3).WaypointZ(0), -32768);
    EXPECT_EQ(Rec(0).WaypointX(0), 0);
}

TEST_F(DuplicateFlightGroupsTest, CopiesTakeTheNextFreeNamesOfTheirTeamsList) {
    const auto saved = ThemeSlots();
    ThemeSlots()[1].FirstNames = {"Red", "Gold", "Blue", "Green"};
    NewMission(3, [](FlightGroup& fg, int i) {
        fg.File.SetCraftType(1);
        fg.File.SetTeam(1);
        fg.File.SetName(i == 0 ? "Red" : i == 1 ? "Gold" : "Odd");
    });
    Select({0, 2});
    ASSERT_EQ(DuplicateSelectedFlightGroups(doc, 80, 0, 0).size(), 2u);
    EXPECT_EQ(Rec(3).Name(), "Blue");   // after Red, Gold is taken
    EXPECT_EQ(Rec(4).Name(), "Green");  // not in the list: the first free one
    // Every name taken: a copy keeps its own.
    Select({1});
    ASSERT_EQ(DuplicateSelectedFlightGroups(doc, 80, 0, 0).size(), 1u);
    EXPECT_EQ(Rec(5).Name(), "Gold");
    ThemeSlots() = saved;
}

TEST_F(DuplicateFlightGroupsTest, NothingSelectedOrTooManyAddsNothing) {
    NewMission(2, [](FlightGroup&, int) {});
    EXPECT_TRUE(DuplicateSelectedFlightGroups(doc, 80, 80, 0).empty());
    EXPECT_FALSE(doc.CanUndo());
    // 127 copies beside 128 make the game's 255; one more is refused whole.
    while (doc.GetMission().CountFlightGroups() < 128) doc.AddFlightGroup();
    for (auto& fg : doc.GetMission().FlightGroups) fg->Selected = 1;
    doc.GetMission().FlightGroups[0]->Selected = 0;
    EXPECT_EQ(DuplicateSelectedFlightGroups(doc, 80, 80, 0).size(), 127u);
    EXPECT_TRUE(prompter.shown.empty());
    Select({0});
    EXPECT_TRUE(DuplicateSelectedFlightGroups(doc, 80, 80, 0).empty());
    EXPECT_EQ(doc.GetMission().CountFlightGroups(), 255);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>({kTooManyFlightGroupsText}));
}

}  // namespace
}  // namespace vantorel
