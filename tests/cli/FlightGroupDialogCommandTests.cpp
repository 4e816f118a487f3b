// vantorel-cli page on the Arrival, Departure and Other tabs and their
// dialogs: a dialog opened by name and trigger, set and applied as OK does.
#include <gtest/gtest.h>

#include "support/CliMissionTest.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {

using CliFlightGroupDialogs = CliMissionTest;

TEST_F(CliFlightGroupDialogs, AConditionIsSetThroughItsDialog) {
    const std::string file = Quoted(dir / "m.tie");
    CliResult r = RunCli("page " + file + " fg.arrival --select 0,1 --dialog condition=arrival2");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"dialog\": \"condition=arrival2\""), std::string::npos);
    EXPECT_NE(r.out.find("\"text\": \"True\""), std::string::npos) << r.out;

    r = RunCli("page " + file +
               " fg.arrival --select 0,1 --dialog condition=arrival2 --set 1027=2 --set 1046=1 "
               "--set 1052=3 -o " +
               Quoted(dir / "out.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "{\"modified\": true}\n");
    Mission m = ReadBack("out.tie");
    for (int i : {0, 1})
        EXPECT_EQ(m.FlightGroups[size_t(i)]->File.ArrivalTrigger(1), (Trigger{2, 1, 3, 0}));
    EXPECT_EQ(m.FlightGroups[2]->File.ArrivalTrigger(1), (Trigger{}));

    r = RunCli("page " + Quoted(dir / "out.tie") + " fg.arrival --select 0");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"id\": 1067"), std::string::npos);
    EXPECT_NE(r.out.find("must be destroyed"), std::string::npos) << r.out;
}

TEST_F(CliFlightGroupDialogs, DialogNamesAreListedAndCmdIsWritten) {
    const std::string file = Quoted(dir / "m.tie");
    CliResult r = RunCli("page " + file + " fg.arrival --dialog condition=arrival5");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("condition=arrival1|arrival2|arrival3|arrival4, mothership"),
              std::string::npos)
        << r.err;
    r = RunCli("page " + file + " fg.departure --dialog nothing");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("condition=departure1|departure2, mothership"), std::string::npos);

    r = RunCli("page " + file + " fg.other --select 2 --dialog cmd --set 1044=1 --set 1109=5 -o " +
               Quoted(dir / "cmd.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadBack("cmd.tie").FlightGroups[2]->File.CmdDescription(), "APRI");

    // A mothership list is closed while the group arrives by hyperspace.
    r = RunCli("page " + file + " fg.departure --select 0 --dialog mothership --set 1044=1 -o " +
               Quoted(dir / "ms.tie"));
    EXPECT_EQ(r.status, 1);
    r = RunCli("page " + file +
               " fg.departure --select 0 --dialog mothership --set 1056=1 --set 1044=1 -o " +
               Quoted(dir / "ms.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadBack("ms.tie").FlightGroups[0]->File.DepartViaMothership(), 1);
    EXPECT_EQ(ReadBack("ms.tie").FlightGroups[0]->File.DepartureMothership(), 1);
}

}  // namespace
