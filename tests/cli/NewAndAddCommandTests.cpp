// new and add: what they write, usage errors, exit statuses, repeatable builds with a seed.
#include <gtest/gtest.h>

#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "support/RunCli.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {

Mission ReadBack(const std::filesystem::path& p) {
    Mission m;
    const auto bytes = TempFolder::ReadBytes(p);
    EXPECT_TRUE(ReadMission(bytes, m).ok) << p;
    return m;
}

}  // namespace

TEST(CliNew, WritesTheWizardsMissionInTheChosenFormat) {
    TempFolder dir;
    CliResult r = RunCli("new melee --teams 8 --format xvt -o " + Quoted(dir / "m.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    Mission m = ReadBack(dir / "m.tie");
    EXPECT_EQ(m.Header.FormatVersion(), 12);
    EXPECT_EQ(m.CountFlightGroups(), 8);

    r = RunCli("new training --players 8 --iff imperial -o " + Quoted(dir / "t.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    m = ReadBack(dir / "t.tie");
    EXPECT_EQ(m.Header.FormatVersion(), 14);  // Balance of Power unless asked otherwise
    EXPECT_EQ(m.Teams[0].Name(), "Imperial");

    r = RunCli("new combat --players 1 -o " + Quoted(dir / "c.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadBack(dir / "c.tie").CountFlightGroups(), 1);
}

TEST(CliNew, RefusesChoicesTheWizardDoesNotOffer) {
    TempFolder dir;
    const std::string out = " -o " + Quoted(dir / "x.tie");
    for (const std::string bad :
         {"melee --teams 3", "combat --players 3", "training --players 4", "training --iff pirate",
          "melee --players 2", "melee --format tie", "skirmish"})
        EXPECT_EQ(RunCli("new " + bad + out).status, 1) << bad;
    EXPECT_EQ(RunCli("new melee --teams 2").status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.tie"));
    // A folder that is a file cannot be written to.
    TempFolder::WriteBytes(dir / "file", {1});
    EXPECT_EQ(RunCli("new melee -o " + Quoted(dir / "file" / "x.tie")).status, 3);
}

TEST(CliAdd, AddsToAMissionRepeatablyWithASeed) {
    TempFolder dir;
    ASSERT_EQ(RunCli("new combat --players 2 -o " + Quoted(dir / "c.tie")).status, 0);
    const std::string fleet = "add " + Quoted(dir / "c.tie") +
                              " fleet --team 1 --iff imperial --size 3 --support 0 --seed 42 -o ";
    CliResult first = RunCli(fleet + Quoted(dir / "a.tie"));
    ASSERT_EQ(first.status, 0) << first.err;
    CliResult second = RunCli(fleet + Quoted(dir / "b.tie"));
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(TempFolder::ReadBytes(dir / "a.tie"), TempFolder::ReadBytes(dir / "b.tie"));
    EXPECT_EQ(first.out, second.out);

    Mission m = ReadBack(dir / "a.tie");
    ASSERT_EQ(m.CountFlightGroups(), 2 + 8 + 3);
    EXPECT_EQ(m.FlightGroups[2]->File.CraftType(), 52);
    // One line per new flight group, starting with its number.
    EXPECT_EQ(first.out.substr(0, 2), "2 ");
    EXPECT_NE(first.out.find("\n12 5 TIE Interceptors "), std::string::npos) << first.out;

    CliResult station = RunCli("add " + Quoted(dir / "a.tie") + " station --team 9 --shuttle -o " +
                               Quoted(dir / "s.tie"));
    ASSERT_EQ(station.status, 0) << station.err;
    m = ReadBack(dir / "s.tie");
    EXPECT_EQ(m.FlightGroups.back()->File.Name(), "New Escape");
}

TEST(CliAdd, ExitStatusesForUsageRefusalAndTheLimit) {
    TempFolder dir;
    ASSERT_EQ(RunCli("new combat --players 1 -o " + Quoted(dir / "c.tie")).status, 0);
    const std::string in = Quoted(dir / "c.tie");
    const std::string out = " -o " + Quoted(dir / "x.tie");
    for (const std::string bad :
         {"fleet --size 5", "asteroids --size 11", "asteroids --team 2", "fleet --cargo",
          "minefield --mine 6", "fleet --support 5", "nebula"})
        EXPECT_EQ(RunCli("add " + in + " " + bad + out).status, 1) << bad;
    EXPECT_EQ(RunCli("add " + Quoted(dir / "absent.tie") + " fleet" + out).status, 3);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.tie"));

    // A field of size 0 would add nothing: refused, and the file is left alone.
    const auto before = TempFolder::ReadBytes(dir / "c.tie");
    for (const char* none : {"asteroids --size 0", "minefield --size=0"}) {
        CliResult zero = RunCli("add " + in + " " + none + " -o " + in);
        EXPECT_EQ(zero.status, 1) << none;
        EXPECT_NE(zero.err.find("--size 0 makes nothing"), std::string::npos) << zero.err;
    }
    EXPECT_EQ(TempFolder::ReadBytes(dir / "c.tie"), before);
    // Without --size a field has one flight group.
    for (const char* kind : {"asteroids", "minefield"}) {
        CliResult one = RunCli("add " + in + " " + kind + out);
        ASSERT_EQ(one.status, 0) << one.err;
        EXPECT_EQ(ReadBack(dir / "x.tie").CountFlightGroups(), 1 + 1) << kind;
    }
    std::filesystem::remove(dir / "x.tie");

    // A mission near the limit takes what fits, says so and stays valid.
    Mission m = ReadBack(dir / "c.tie");
    while (m.CountFlightGroups() < 253) m.AppendFlightGroup();
    TempFolder::WriteBytes(dir / "full.tie", WriteMission(m));
    CliResult full = RunCli("add " + Quoted(dir / "full.tie") + " asteroids --size 4" + out);
    EXPECT_EQ(full.status, 5);  // fewer than asked: a status of its own
    EXPECT_NE(full.err.find("can only support up to 255 flight groups"), std::string::npos);
    EXPECT_EQ(ReadBack(dir / "x.tie").CountFlightGroups(), 255);
    // None fitted: nothing is written.
    CliResult none = RunCli("add " + Quoted(dir / "x.tie") + " asteroids --size 4 -o " +
                            Quoted(dir / "none.tie"));
    EXPECT_EQ(none.status, 5);
    EXPECT_FALSE(std::filesystem::exists(dir / "none.tie"));
}
