#include <gtest/gtest.h>

#include "document/FlightGroupSelection.h"
#include "mission/Mission.h"

using namespace vantorel;

// Each command says whether it changed anything, so that nothing reloads for nothing.
TEST(FlightGroupSelection, CommandsChangeOnlyWhatDiffersAndMarkTheFirstEnabledStart) {
    Mission m;
    for (int i = 0; i < 3; ++i) m.AppendFlightGroup();
    m.FlightGroups[1]->File.SetWaypointEnabled(2, 1);
    m.FlightGroups[2]->Selected = 1;
    m.FlightGroups[2]->PointSelected[3] = 1;  // picked on the map: kept while selected

    EXPECT_TRUE(SelectAllFlightGroups(m));
    EXPECT_FALSE(SelectAllFlightGroups(m));
    for (const auto& fg : m.FlightGroups) EXPECT_EQ(fg->Selected, 1u);
    EXPECT_EQ(m.FlightGroups[0]->PointSelected[0], 0u);  // no enabled start point
    EXPECT_EQ(m.FlightGroups[1]->PointSelected[2], 1u);
    EXPECT_EQ(m.FlightGroups[2]->PointSelected[3], 1u);

    EXPECT_TRUE(InvertFlightGroupSelection(m));
    EXPECT_FALSE(SelectNoFlightGroups(m));
    for (const auto& fg : m.FlightGroups) {
        EXPECT_EQ(fg->Selected, 0u);
        EXPECT_EQ(fg->PointSelected[2] + fg->PointSelected[3], 0u);
    }
}
