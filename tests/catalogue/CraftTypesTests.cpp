#include <gtest/gtest.h>

#include "catalogue/CraftTypes.h"

namespace vantorel {
namespace {

TEST(CraftTypes, TableCoversExactlyTheNumbersZeroToNinetyFive) {
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
}

TEST(CraftTypes, RowsAcrossTheTableKeepTheGamesWording) {
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
        {1, 0, "X-W", "X-wing", "X-wings", 1},
        {39, 33, "M/CORT", "(millenium falcon?)", "(millenium falcons!!)", 1},
        {54, 65, "SSD", "Super Star Dest", "Super Star Destroyers", 2},
        {66, 63, "R&D FC", "Asteroid Hangar", "Asteroid Hangars", 3},
        {79, 55, "MINE/E?", "(type d mine?)", "(type f mines?)", 0},
        {87, 61, "PLANET", "Planet", "Planet", 4},
        {89, -1, "COMP", "(component)", "(comonents)", 0},
        {92, 70, "M/SC", "Modified Strike Cruiser", "Modified Strike Cruisers", 2},
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

TEST(CraftTypes, NameForCountIsSingularOnlyForExactlyOne) {
    EXPECT_EQ(CraftNameForCount(1, 1), "X-wing");
    EXPECT_EQ(CraftNameForCount(1, 0), "X-wings");
    EXPECT_EQ(CraftNameForCount(1, -1), "X-wings");
    EXPECT_EQ(CraftNameForCount(96, 1), "(unknown ship)");
    EXPECT_EQ(CraftNameForCount(-1, 1), "(unknown ship)");
    EXPECT_EQ(CraftTypeName(0), "(none)");
    EXPECT_EQ(CraftTypeName(200), "(unknown ship)");
}

TEST(CraftTypes, LabelsAndNamingClassesOfUnknownTypes) {
    EXPECT_EQ(FlightGroupLabel(66, "Lab"), "R&D FC Lab");
    // An unknown type keeps the blank, so the name stays in the same column.
    EXPECT_EQ(FlightGroupLabel(96, "Red"), " Red");
    EXPECT_EQ(NamingClassOf(96), 3);
    EXPECT_EQ(NamingClassOf(-5), 3);
}

}  // namespace
}  // namespace vantorel
