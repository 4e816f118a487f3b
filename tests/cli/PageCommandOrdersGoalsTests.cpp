// vantorel-cli page on the Orders and Goals tabs: the order and goal to start
// on, and their Target and Goal dialogs by name.
#include <gtest/gtest.h>

#include "support/CliMissionTest.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {

using CliOrdersGoals = CliMissionTest;

TEST_F(CliOrdersGoals, OrdersStartOnTheOrderAskedForAndTargetsAreSetInTheirDialog) {
    CliResult r = RunCli("page " + File() + " fg.orders --select 0,1 --order 3");
    ASSERT_EQ(r.status, 0) << r.err;
    const size_t tabs = r.out.find("\"id\": 1093");
    ASSERT_NE(tabs, std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"text\": \"4th\"", tabs), std::string::npos);

    r = RunCli("page " + File() + " fg.orders --select 0,1 --order 1 --dialog target=3 --set " +
               "1094=5 --set 1095=1 -o " + Quoted(dir / "t.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "{\"modified\": true}\n");
    Mission m = ReadBack("t.tie");
    for (int fg : {0, 1}) {
        EXPECT_EQ(m.FlightGroups[size_t(fg)]->File.Orders(1).Target3Type(), 5);
        EXPECT_EQ(m.FlightGroups[size_t(fg)]->File.Orders(1).Target3(), 1);
    }
    EXPECT_EQ(m.FlightGroups[2]->File.Orders(1).Target3Type(), 0);
    EXPECT_EQ(m.FlightGroups[0]->File.Orders(0).Target3Type(), 0);

    // A tab set on the command line writes the order shown before it.
    r = RunCli("page " + File() + " fg.orders --select 0 --set 1051=4 --set 1093=2 --set " +
               "1051=7 -o " + Quoted(dir / "o.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    m = ReadBack("o.tie");
    EXPECT_EQ(m.FlightGroups[0]->File.Orders(0).Throttle(), 4);
    EXPECT_EQ(m.FlightGroups[0]->File.Orders(2).Throttle(), 7);

    r = RunCli("page " + File() + " fg.orders --dialog target=5");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("(dialogs: target=1..4"), std::string::npos) << r.err;
}

TEST_F(CliOrdersGoals, TheGoalDialogOpensOnTheGoalNamedOrTheCurrentOne) {
    CliResult r = RunCli("page " + File() + " fg.goals --select 0 --goal 2 --dialog goal --set " +
                         "1027=1 --set 1121=127 -o " + Quoted(dir / "g.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    Mission m = ReadBack("g.tie");
    EXPECT_EQ(m.FlightGroups[0]->File.Goals(2).Argument(), 1);
    EXPECT_EQ(m.FlightGroups[0]->File.Goals(2).Points(), 127);
    EXPECT_EQ(m.FlightGroups[1]->File.Goals(2).Argument(), 0);

    r = RunCli("page " + Quoted(dir / "g.tie") + " fg.goals --select 0 --dialog goal=2");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"x 250 = 31750 pts\""), std::string::npos) << r.out;
    EXPECT_EQ(RunCli("page " + File() + " fg.goals --dialog goal=8").status, 1);
}

}  // namespace
