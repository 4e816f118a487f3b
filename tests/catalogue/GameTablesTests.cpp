// The game's tables as the editor shows them: craft types, orders, the coded
// word lists and the name lists.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/ConditionWordLists.h"
#include "catalogue/CraftTypes.h"
#include "catalogue/CraftWordLists.h"
#include "catalogue/DisplayColours.h"
#include "catalogue/NameLists.h"
#include "catalogue/Orders.h"
#include "catalogue/ThemeSlots.h"

namespace vantorel {
namespace {

TEST(CraftTypes, TableCoversExactlyTheNumbersZeroToNinetyFiveInTheGamesWording) {
    for (int type = 0; type < CraftTypeCount; ++type) {
        const CraftTypeInfo* info = GetCraftTypeInfo(type);
        ASSERT_NE(info, nullptr) << type;
        EXPECT_GE(info->iconIndex, -1) << type;
        EXPECT_LE(info->iconIndex, 76) << type;  // the icon set holds 78 images
        EXPECT_GE(info->namingClass, 0) << type;
        EXPECT_LE(info->namingClass, 4) << type;
    }
    EXPECT_EQ(GetCraftTypeInfo(-1), nullptr);
    EXPECT_EQ(GetCraftTypeInfo(96), nullptr);
    EXPECT_EQ(GetCraftTypeInfo(255), nullptr);

    // Rows across the table keep the game's wording.
    struct Row {
        int type;
        int icon;
        const char* abbreviation;
        const char* singular;
        const char* plural;
        int naming;
    };
    const Row rows[] = {
        {0, -1, "NONE", "(none)", "(none)", 0},
        {39, 33, "M/CORT", "(millenium falcon?)", "(millenium falcons!!)", 1},
        {87, 61, "PLANET", "Planet", "Planet", 4},
        {95, -1, "?", "(unknown class)", "(unknown class)", 0},
    };
    for (const Row& row : rows) {
        const CraftTypeInfo* info = GetCraftTypeInfo(row.type);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->iconIndex, row.icon) << row.type;
        EXPECT_STREQ(info->abbreviation, row.abbreviation) << row.type;
        EXPECT_STREQ(info->singularName, row.singular) << row.type;
        EXPECT_STREQ(info->pluralName, row.plural) << row.type;
        EXPECT_EQ(info->namingClass, row.naming) << row.type;
    }
}

TEST(CraftTypes, NamesAndLabelsOfKnownAndUnknownTypes) {
    // The singular only for exactly one.
    EXPECT_EQ(CraftNameForCount(1, 1), "X-wing");
    EXPECT_EQ(CraftNameForCount(1, 0), "X-wings");
    EXPECT_EQ(CraftNameForCount(96, 1), "(unknown ship)");
    EXPECT_EQ(CraftNameForCount(-1, 1), "(unknown ship)");
    EXPECT_EQ(CraftTypeName(200), "(unknown ship)");
    EXPECT_EQ(FlightGroupLabel(66, "Lab"), "R&D FC Lab");
    // An unknown type keeps the blank, so the name stays in the same column.
    EXPECT_EQ(FlightGroupLabel(96, "Red"), " Red");
    EXPECT_EQ(NamingClassOf(96), 3);
}

TEST(Orders, NamesAcrossTheTableAndOutsideIt) {
    EXPECT_EQ(OrderName(0), "Hold Station");
    EXPECT_EQ(OrderName(10), "Escort (Prevent Boarding)");
    EXPECT_EQ(OrderName(37), "Kamikazi Attack");
    EXPECT_EQ(OrderName(38), "Parmanently Disabled");
    EXPECT_EQ(OrderName(50), "50");
    EXPECT_EQ(OrderName(51), "(unknown order)");
    EXPECT_EQ(OrderName(-2), "(unknown order)");
    EXPECT_EQ(GetOrderInfo(-1), nullptr);
}

TEST(Orders, InformationTextJoinsTheFiveSections) {
    const std::string goHome = OrderInfoText(1);
    EXPECT_EQ(goHome,
              "Flightgroup movement:\nHeads directly to hyperspace point or mothership."
              "\n\nSelf defence:\nIgnores all attacks.\n\nTargets:\nNo effect."
              "\n\nAction on completion:\nShip will have left mission if this order is "
              "successfully completed.\n\nNotes:\nnone");

    // Line breaks inside a note are single line feeds.
    const std::string board = OrderInfoText(12);
    EXPECT_NE(board.find("as follows:\nIf it was holding station, it will continue to do so "
                         "indefinately.\nIf it was Awaiting"),
              std::string::npos);
    EXPECT_EQ(OrderInfoText(51), "");
}

TEST(WordLists, UnknownPositionsReadAsUnknownWithTheValue) {
    EXPECT_EQ(ListWord(IffCodes(), 5), "Purple");
    EXPECT_EQ(ListWord(IffCodes(), 6), "(unknown: 6)");
    // A negative value is never an index into the list.
    EXPECT_EQ(ListWord(IffCodes(), -1), "(unknown: -1)");
    EXPECT_EQ(ListWord(IffCodes(), -2147483647 - 1), "(unknown: -2147483648)");
    EXPECT_EQ(ListWord(Conditions(), 46), "must be carried away");
    EXPECT_EQ(ListWord(Conditions(), 47), "(unknown: 47)");
}

TEST(WordLists, StatusListShowsFiftyOnePositionsAndBackdropsForAPlanet) {
    const auto statuses = StatusChoices(5);
    ASSERT_EQ(statuses.size(), 51u);
    EXPECT_EQ(statuses[50], "(unknown: 50)");
    const auto backdrops = StatusChoices(87);
    ASSERT_EQ(backdrops.size(), 51u);
    EXPECT_EQ(backdrops[16], "Dual red suns");
    for (int i = 17; i < kStatusListPositions; ++i)
        EXPECT_EQ(backdrops[size_t(i)], "(unknown: " + std::to_string(i) + ")");
    EXPECT_EQ(StatusChoices(-1)[0], "Normal");
}

TEST(WordLists, NavigationPointsAndFormations) {
    EXPECT_EQ(NavPointShortName(21), "BRF8");
    EXPECT_EQ(NavPointShortName(22), "");
    EXPECT_EQ(NavPointShortName(-1), "");

    // Each of the 21 pictures 130..150 is used exactly once.
    int seen[21] = {};
    for (const FormationInfo& f : Formations()) {
        ASSERT_GE(f.pictureId, 130);
        ASSERT_LE(f.pictureId, 150);
        ++seen[f.pictureId - 130];
    }
    for (int count : seen) EXPECT_EQ(count, 1);
}

TEST(NameLists, CountsAndEntriesByTeamAndKind) {
    EXPECT_EQ(NameListCount(7, 4), 184);
    // The general list does not depend on the team, but the team must exist.
    EXPECT_EQ(NameListCount(8, 3), 0);
    EXPECT_EQ(NameListCount(-1, 3), 0);
    EXPECT_EQ(NameListCount(0, 5), 0);
    EXPECT_EQ(NameListEntry(0, 88, 3), "Sunnida");
    EXPECT_EQ(NameListEntry(0, 89, 3), "");
    EXPECT_EQ(NameListEntry(0, -1, 3), "");
    EXPECT_EQ(NameListEntry(3, 183, 4), "Thanta Zilbra");
    // Planet names may carry the Windows-1252 apostrophe 0x92.
    EXPECT_EQ(NameListEntry(0, 12, 4), "Nam\x92ta");
}

TEST(NameLists, ThemeKindsFollowTheTeamsSlotAndOfferedNamesTheNamingClass) {
    ThemeSlot saved = ThemeSlots()[1];
    ThemeSlots()[1].FirstNames = {"Alpha", "Beta"};
    ThemeSlots()[1].SecondNames = {"Relentless"};
    EXPECT_EQ(NameListCount(1, 1), 2);
    EXPECT_EQ(NameListEntry(1, 0, 2), "Relentless");
    EXPECT_EQ(NameListEntry(1, 1, 2), "");
    EXPECT_EQ(OfferedNames(1, 1), (std::vector<std::string>{"Alpha", "Beta"}));  // X-wing
    EXPECT_EQ(OfferedNames(1, 53), (std::vector<std::string>{"Relentless"}));    // ISD
    EXPECT_EQ(OfferedNames(1, 87).size(), 184u);                                 // planet
    EXPECT_TRUE(OfferedNames(1, 9).empty());                                     // class 0
    EXPECT_EQ(OfferedNames(1, 200).size(), 89u);  // unknown types use the general list
    EXPECT_EQ(OfferedNames(1, -1).size(), 89u);
    EXPECT_TRUE(OfferedNames(9, 26).empty());  // only eight teams have names to offer
    ThemeSlots()[1] = saved;
}

TEST(DisplayColours, UnknownIffAndMessageColoursFallBackToWhiteOrBlack) {
    EXPECT_EQ(IffColour(4, true), (RgbColour{128, 0, 0}));  // not half of (255, 64, 64)
    EXPECT_EQ(IffColour(6, false), (RgbColour{255, 255, 255}));
    EXPECT_EQ(IffColour(-1, true), (RgbColour{0, 0, 0}));
    EXPECT_EQ(MessageColour(4, false), (RgbColour{255, 255, 255}));
    EXPECT_EQ(MessageColour(4, true), (RgbColour{0, 0, 0}));
}

}  // namespace
}  // namespace vantorel
