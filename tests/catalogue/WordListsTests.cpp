#include <gtest/gtest.h>

#include <string>

#include "catalogue/ConditionWordLists.h"
#include "catalogue/CraftWordLists.h"
#include "catalogue/DisplayColours.h"
#include "catalogue/NameLists.h"
#include "catalogue/Orders.h"
#include "catalogue/ThemeSlots.h"

namespace vantorel {
namespace {

TEST(WordLists, EveryListHasItsStatedLength) {
    EXPECT_EQ(IffCodes().size(), 6u);
    EXPECT_EQ(FlightGroupColours().size(), 4u);
    EXPECT_EQ(CmdRoles().size(), 12u);
    EXPECT_EQ(CmdRoleCodes().size(), 12u);
    EXPECT_EQ(CmdRoleNames().size(), 12u);
    EXPECT_EQ(CraftStatuses().size(), 22u);
    EXPECT_EQ(PlanetBackdrops().size(), 17u);
    EXPECT_EQ(NavPointLongNames().size(), 22u);
    EXPECT_EQ(NavPointShortNames().size(), 22u);
    EXPECT_EQ(Formations().size(), 21u);
    EXPECT_EQ(FormationNames().size(), 21u);
    EXPECT_EQ(MessageColourNames().size(), 4u);
    EXPECT_EQ(GeneralNames().size(), 89u);
    EXPECT_EQ(PlanetNames().size(), 184u);
    EXPECT_EQ(Conditions().size(), 47u);
    EXPECT_EQ(VariableTypes().size(), 24u);
    EXPECT_EQ(Amounts().size(), 19u);
    EXPECT_EQ(ShipCategories().size(), 7u);
    EXPECT_EQ(ObjectCategories().size(), 3u);
    EXPECT_EQ(CraftWhenCases().size(), 13u);
    EXPECT_EQ(GoalSenses().size(), 4u);
    EXPECT_EQ(OrderNames().size(), 51u);
}

TEST(WordLists, UnknownPositionsReadAsUnknownWithTheValue) {
    EXPECT_EQ(ListWord(IffCodes(), 5), "Purple");
    EXPECT_EQ(ListWord(IffCodes(), 6), "(unknown: 6)");
    // A negative value is never an index into the list.
    EXPECT_EQ(ListWord(IffCodes(), -1), "(unknown: -1)");
    EXPECT_EQ(ListWord(IffCodes(), -2147483647 - 1), "(unknown: -2147483648)");
    EXPECT_EQ(ListWord(CraftStatuses(), 12), "(200% sheilds)");
    EXPECT_EQ(ListWord(CraftStatuses(), 13), "Shields 50%, Recharding");
    EXPECT_EQ(ListWord(CraftStatuses(), 21), "Infinite Warheads");
    EXPECT_EQ(ListWord(CraftStatuses(), 22), "(unknown: 22)");
}

TEST(WordLists, StatusListShowsFiftyOnePositionsAndBackdropsForAPlanet) {
    const auto statuses = StatusChoices(5);
    ASSERT_EQ(statuses.size(), 51u);
    EXPECT_EQ(statuses[50], "(unknown: 50)");
    const auto backdrops = StatusChoices(87);
    ASSERT_EQ(backdrops.size(), 51u);
    EXPECT_EQ(backdrops[0], "Sm. Grey + moon");
    EXPECT_EQ(backdrops[16], "Dual red suns");
    for (int i = 17; i < kStatusListPositions; ++i)
        EXPECT_EQ(backdrops[size_t(i)], "(unknown: " + std::to_string(i) + ")");
    EXPECT_EQ(StatusChoices(-1)[0], "Normal");
}

TEST(WordLists, NavigationPointsAndFormations) {
    EXPECT_EQ(NavPointShortName(11), "WP8");
    EXPECT_EQ(NavPointShortName(21), "BRF8");
    EXPECT_EQ(NavPointShortName(22), "");
    EXPECT_EQ(NavPointShortName(-1), "");
    EXPECT_STREQ(NavPointLongNames()[14], "Team 1 Briefing");

    EXPECT_STREQ(Formations()[0].name, "Vic");
    EXPECT_EQ(Formations()[0].pictureId, 142);
    EXPECT_STREQ(Formations()[13].name, "Vertial Line");
    // Each of the 21 pictures 130..150 is used exactly once.
    int seen[21] = {};
    for (const FormationInfo& f : Formations()) {
        ASSERT_GE(f.pictureId, 130);
        ASSERT_LE(f.pictureId, 150);
        ++seen[f.pictureId - 130];
    }
    for (int count : seen) EXPECT_EQ(count, 1);

    EXPECT_STREQ(CmdRoles()[7].code, "RES");
    EXPECT_STREQ(CmdRoleNames()[11], "Tertiary Target");
}

TEST(WordLists, ConditionVocabularySpotChecks) {
    EXPECT_EQ(ListWord(Conditions(), 11), "(unknown: 11)");
    EXPECT_EQ(ListWord(Conditions(), 42), "must reinforced by AI (?)");
    EXPECT_EQ(ListWord(Conditions(), 46), "must be carried away");
    EXPECT_EQ(ListWord(VariableTypes(), 23), "global unit");
    EXPECT_EQ(ListWord(Amounts(), 15), "(unknown: 15)");
    EXPECT_EQ(ListWord(Amounts(), 18), "Each craft in");
    EXPECT_EQ(ListWord(CraftWhenCases(), 0), "(unknown: 0)");
}

TEST(NameLists, CountsAndEntriesByTeamAndKind) {
    EXPECT_EQ(NameListCount(7, 4), 184);
    // The general list does not depend on the team, but the team must exist.
    EXPECT_EQ(NameListCount(8, 3), 0);
    EXPECT_EQ(NameListCount(-1, 3), 0);
    EXPECT_EQ(NameListCount(0, 5), 0);
    EXPECT_EQ(NameListEntry(0, 19, 3), "Phi");
    EXPECT_EQ(NameListEntry(0, 44, 3), "Bellboy");
    EXPECT_EQ(NameListEntry(0, 89, 3), "");
    EXPECT_EQ(NameListEntry(0, -1, 3), "");
    EXPECT_EQ(NameListEntry(3, 183, 4), "Thanta Zilbra");
    // Three planet names carry the Windows-1252 apostrophe 0x92.
    EXPECT_EQ(NameListEntry(0, 12, 4), "Nam\x92ta");
    EXPECT_EQ(NameListEntry(0, 94, 4), std::string("Yag\x92") + "Dhul");
    EXPECT_EQ(NameListEntry(0, 119, 4), "H\x92nemthe");
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
