// vantorel-cli page on the flight group tabs: the Positions tab's views by
// name, and the Optional Craft and Hidden Cargo dialogs reached as their
// buttons reach them, buttons included.
#include <gtest/gtest.h>

#include "support/CliMissionTest.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {

class CliFgPage : public CliMissionTest {
protected:
    CliResult Page(const std::string& args) {
        return RunCli("page " + File() + " " + args + " -o " + Quoted(dir / "out.tie"));
    }
    FlightGroupRecord Fg(int i) { return ReadBack("out.tie").FlightGroups.at(size_t(i))->File; }
};

TEST_F(CliFgPage, PositionsViewsAreChosenByName) {
    CliResult r = Page("fg.positions --select 0,1 --view waypoints --set 1099=1.005 --set 1105=-2");
    ASSERT_EQ(r.status, 0) << r.err;
    for (int i : {0, 1}) {
        EXPECT_EQ(Fg(i).WaypointX(4), 161);
        EXPECT_EQ(Fg(i).WaypointY(5), -320);
    }
    // The list's own names and positions too; shown without --set.
    r = RunCli("page " + Quoted(dir / "m.tie") + " fg.positions --select 0 --view Briefing");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"text\": \"Team 1 Briefing\""), std::string::npos);
    r = Page("fg.positions --select 0 --view 0 --set 1099=3");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Fg(0).WaypointX(0), 480);

    r = Page("fg.positions --view orbit");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("views: Normal, Waypoints, Briefing"), std::string::npos) << r.err;
    EXPECT_EQ(Page("fg.ship --view normal").status, 1);
    // Rows 7 and 8 of the Normal view hold nothing to set.
    EXPECT_EQ(Page("fg.positions --set 1129=1").status, 1);
}

TEST_F(CliFgPage, DialogsOpenFromTheirTabsAndButtonsArePressed) {
    CliResult r = Page(
        "fg.ship --select 0,1 --dialog optional-craft --set 1044=4 --set 1059=2 --set 1046=3 "
        "--set 1020=2 --set 1030=3");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "{\"modified\": true}\n");
    for (int i : {0, 1}) {
        EXPECT_EQ(Fg(i).OptionalCraftCategory(), 4);
        EXPECT_EQ(Fg(i).OptionalCraftType(2), 3);
        EXPECT_EQ(Fg(i).OptionalCraftCount(2), 2);
        EXPECT_EQ(Fg(i).OptionalCraftWaves(2), 2);
    }
    // (Not std::filesystem::copy_file: MinGW's refuses to overwrite.)
    TempFolder::WriteBytes(dir / "m.tie", TempFolder::ReadBytes(dir / "out.tie"));
    r = RunCli("page " + Quoted(dir / "m.tie") + " fg.ship --select 0 --dialog optional-craft");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"3 waves of 2 A-wings\""), std::string::npos) << r.out;
    // C&lear, pressed: the entry stores nothing, its waves byte included.
    r = Page("fg.ship --select 0 --dialog optional-craft --set 1059=2 --set 1060=1");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Fg(0).OptionalCraftType(2), 0);
    EXPECT_EQ(Fg(0).OptionalCraftWaves(2), 0);
    EXPECT_EQ(Fg(1).OptionalCraftType(2), 3);
    EXPECT_EQ(Page("fg.ship --dialog optional-craft --set 1060=2").status, 1);

    // Hidden cargo switched off stores the craft count as the carrier.
    r = Page(
        "fg.equipment --select 1 --dialog hidden-cargo --set 1067=1 --set 1069=2 --set "
        "1068=Spice");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Fg(1).SpecialCargoCraft(), 1);
    EXPECT_EQ(Fg(1).SpecialCargo(), "Spice");
    r = Page("fg.equipment --select 1 --dialog hidden-cargo --set 1067=0");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Fg(1).SpecialCargoCraft(), Fg(1).NumberOfCraft());

    r = Page("fg.equipment --dialog optional-craft");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("(dialogs: hidden-cargo)"), std::string::npos) << r.err;
}

}  // namespace
