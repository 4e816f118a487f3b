#include <gtest/gtest.h>

#include "mission/Mission.h"

using namespace vantorel;

// A goal set outside the table is none, never a read past the records.
TEST(Mission, GoalSetsOutsideTheTableAreNone) {
    Mission m;
    const Mission& c = m;
    for (auto [team, k] : {std::pair{-1, 0}, {kTeamCount, 0}, {0, -1}, {0, 3}}) {
        EXPECT_FALSE(m.GlobalGoalSet(team, k)) << team << " " << k;
        EXPECT_FALSE(c.GlobalGoalSet(team, k)) << team << " " << k;
    }
    EXPECT_TRUE(m.GlobalGoalSet(kTeamCount - 1, 2));
    EXPECT_TRUE(c.GlobalGoalSet(0, 0));
}
