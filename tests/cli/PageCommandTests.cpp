// page: a page as JSON, --set applied as leaving the tab does, views and dialogs by name.
#include <gtest/gtest.h>

#include "document/MissionWriter.h"
#include "support/CliMissionTest.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {

using CliPage = CliMissionTest;

TEST_F(CliPage, ShowsEveryControlOfThePageForTheSelection) {
    CliResult r = RunCli("page " + Quoted(dir / "m.tie") + " level.flightgroups --select 1,3");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"page\": \"level.flightgroups\""), std::string::npos);
    EXPECT_NE(r.out.find("\"id\": 1002"), std::string::npos);
    EXPECT_NE(r.out.find("\"value\": [1, 3]"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"1 X-wing Blue\""), std::string::npos);

    r = RunCli("page " + Quoted(dir / "m.tie") + " level.level");
    ASSERT_EQ(r.status, 0) << r.err;
    // The radio group under its first button, BoP checked.
    const size_t radio = r.out.find("\"id\": 1035");
    ASSERT_NE(radio, std::string::npos);
    EXPECT_NE(r.out.find("\"kind\": \"radio\"", radio), std::string::npos);
    EXPECT_NE(r.out.find("\"text\": \"&BoP\"", radio), std::string::npos);
    EXPECT_NE(r.out.find("\"text\": \"Melee\""), std::string::npos);

    // The name suggestions come from the team themes, as in the editor.
    r = RunCli("page " + Quoted(dir / "m.tie") + " fg.ship --select 0");
    ASSERT_EQ(r.status, 0) << r.err;
    const size_t name = r.out.find("\"label\": \"&Name:\"");
    ASSERT_NE(name, std::string::npos);
    const size_t items = r.out.find("\"items\": [", name);
    ASSERT_NE(items, std::string::npos);
    EXPECT_NE(r.out[items + 10], ']') << r.out.substr(name, 200);
}

TEST_F(CliPage, SetAppliesAsTheTabDoesAndAnUnchangedFileStaysByteForByte) {
    CliResult r = RunCli("page " + Quoted(dir / "m.tie") +
                         " level.level --set 1006=25 --set 1036=1 --set 1005=Line1 -o " +
                         Quoted(dir / "out.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "{\"modified\": true}\n");
    Mission m = ReadBack("out.tie");
    EXPECT_EQ(m.Header.TimeLimitMinutes(), 25);
    EXPECT_EQ(m.Description, "Line1");

    // Setting what is already there changes nothing: the same bytes.
    r = RunCli("page " + Quoted(dir / "out.tie") + " level.level --set 1006=25 --set 1008=2 -o " +
               Quoted(dir / "same.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "{\"modified\": false}\n");
    EXPECT_EQ(TempFolder::ReadBytes(dir / "same.tie"), TempFolder::ReadBytes(dir / "out.tie"));

    // A warning of the page goes to standard error.
    r = RunCli("page " + Quoted(dir / "m.tie") + " level.level --set 1005=" +
               std::string(1100, 'x') + " --set 1035=0 -o " + Quoted(dir / "xvt.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("too long for this version"), std::string::npos);
    EXPECT_EQ(ReadBack("xvt.tie").Header.FormatVersion(), 12);
}

// Piped, the mission alone goes out, an unchanged one as read: never a second read of a "-".
TEST_F(CliPage, OnStandardOutputTheMissionIsAllThereIs) {
    CliResult changed =
        RunCli("page - level.level --set 1006=25 -o -", TempFolder::ReadText(dir / "m.tie"));
    ASSERT_EQ(changed.status, 0) << changed.err;
    Mission m;
    const ReadResult read =
        ReadMission(std::vector<uint8_t>(changed.out.begin(), changed.out.end()), m);
    ASSERT_TRUE(read.ok);
    EXPECT_FALSE(read.trailingData);
    EXPECT_EQ(m.Header.TimeLimitMinutes(), 25);
    TempFolder::WriteBytes(dir / "piped.tie", WriteMission(m));

    TempFolder::WriteBytes(dir / "-", {'n', 'o', 't'});
#ifdef _WIN32
    const std::string cd = "cd /d ";
#else
    const std::string cd = "cd ";
#endif
    const int status =
        RunShell(cd + Quoted(dir.Path()) + " && " + Quoted(std::string(VANTOREL_CLI)) +
                 " page - level.level --set 1006=25 -o - <" + Quoted(dir / "piped.tie") + " >" +
                 Quoted(dir / "same.tie"));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(TempFolder::ReadText(dir / "same.tie"), TempFolder::ReadText(dir / "piped.tie"));
    EXPECT_EQ(TempFolder::ReadText(dir / "-"), "not");
}

TEST_F(CliPage, UnknownPagesControlsAndValuesAreUsageErrors) {
    const std::string file = Quoted(dir / "m.tie");
    for (const std::string& args :
         {file + " fg.nothing", file + " level.level --set 9999=1",
          file + " level.level --set 1008=11", file + " level.level --set 1007=60",
          file + " level.level --set 1006=abc", file + " level.flightgroups --select 8",
          file + " level.level --set 1036=0", file + " level.flightgroups --set 1002=0,9"}) {
        CliResult r = RunCli("page " + args + " -o " + Quoted(dir / "bad.tie"));
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_FALSE(std::filesystem::exists(dir / "bad.tie")) << args;
    }
    EXPECT_EQ(RunCli("page " + Quoted(dir / "none.tie") + " level.level").status, 3);
    // A number its field cannot hold is refused as the window refuses it, by name.
    for (const auto& [args, said] :
         {std::pair{" level.level --set 1006=300",
                    "Please enter an integer between 0 and 255 for Time (Min)."},
          {" fg.ship --select 0 --set 1028=-5000.5",
           "Please enter a number between 0.00 and 2.55 for Spacing."}}) {
        CliResult r = RunCli("page " + file + args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_NE(r.err.find(said), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << args;
    }
    // An XvT mission keeps no debriefing: its boxes are read-only.
    ASSERT_EQ(RunCli("new melee --format xvt -o " + Quoted(dir / "x.tie")).status, 0);
    EXPECT_EQ(RunCli("page " + Quoted(dir / "x.tie") + " level.debriefing --set 1006=x").status, 1);
}

TEST_F(CliPage, MessageAndTeamPagesEditTheNamedMessageOrTeam) {
    Mission m = ReadBack("m.tie");
    m.AppendMessage();
    m.AppendMessage().File.SetText("3Incoming");
    TempFolder::WriteBytes(dir / "msg.tie", WriteMission(m));
    const std::string file = Quoted(dir / "msg.tie");

    CliResult r = RunCli("page " + file + " message.general --message 1");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"text\": \"Incoming\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"text\": \"Gold\""), std::string::npos) << r.out;

    // The second trigger False through the Condition dialog.
    r = RunCli("page " + file +
               " message.condition --message 1 --dialog condition=2 --set 1078=1 -o " +
               Quoted(dir / "cond.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadBack("cond.tie").Messages[1]->File.GetTrigger(1).Condition, 10);
    EXPECT_EQ(ReadBack("cond.tie").Messages[0]->File.GetTrigger(1).Condition, 0);

    // A team's goal condition with its texts, in the goal set of --view.
    r = RunCli("page " + file +
               " team.goals --team 1 --view secondary --dialog goal-condition=4 --set 1078=1 "
               "--set 1006=Done -o " +
               Quoted(dir / "goal.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    Mission goal = ReadBack("goal.tie");
    EXPECT_EQ(goal.GlobalGoals[1].Set(2).GetTrigger(3).Condition, 10);
    EXPECT_EQ(goal.GoalStrings->Get(1, 4 * 2 + 3, GlobalGoalStrings::kSuccess), "Done");

    r = RunCli("page " + file + " team.goalstrings --team 0 --set 1133=Retreat -o " +
               Quoted(dir / "strings.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadBack("strings.tie").Teams[0].PrimaryFailure1(), "Retreat");

    // The message or team must be named, and exist.
    for (const std::string& args :
         {file + " message.wave", file + " team.general", file + " message.general --message 2",
          file + " team.goals --team 0 --dialog goal-condition=5"})
        EXPECT_EQ(RunCli("page " + args).status, 1) << args;
}

class CliFgPage : public CliMissionTest {
protected:
    CliResult Page(const std::string& args) {
        return RunCli("page " + File() + " " + args + " -o " + Quoted(dir / "out.tie"));
    }
    FlightGroupRecord Fg(int i) { return ReadBack("out.tie").FlightGroups.at(size_t(i))->File; }
};

TEST_F(CliFgPage, ViewsOrdersAndGoalsAreChosenByName) {
    CliResult r = Page("fg.positions --select 0,1 --view waypoints --set 1099=1.005 --set 1105=-2");
    ASSERT_EQ(r.status, 0) << r.err;
    for (int i : {0, 1}) {
        EXPECT_EQ(Fg(i).WaypointX(4), 161);
        EXPECT_EQ(Fg(i).WaypointY(5), -320);
    }
    r = RunCli("page " + File() + " fg.positions --select 0 --view Briefing");
    EXPECT_NE(r.out.find("\"text\": \"Team 1 Briefing\""), std::string::npos) << r.err;
    ASSERT_EQ(Page("fg.positions --select 0 --view 0 --set 1099=3").status, 0);
    EXPECT_EQ(Fg(0).WaypointX(0), 480);

    r = RunCli("page " + File() + " fg.orders --select 0,1 --order 3");
    const size_t tabs = r.out.find("\"id\": 1093");
    ASSERT_NE(tabs, std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"text\": \"4th\"", tabs), std::string::npos);
    // A tab set on the command line writes the order shown before it.
    ASSERT_EQ(Page("fg.orders --select 0 --set 1051=4 --set 1093=2 --set 1051=7").status, 0);
    EXPECT_EQ(Fg(0).Orders(0).Throttle(), 4);
    EXPECT_EQ(Fg(0).Orders(2).Throttle(), 7);

    ASSERT_EQ(Page("fg.goals --select 0 --goal 2 --dialog goal --set 1027=1 --set 1121=127").status,
              0);
    EXPECT_EQ(Fg(0).Goals(2).Points(), 127);
    EXPECT_EQ(Fg(1).Goals(2).Argument(), 0);
}

TEST_F(CliFgPage, DialogsOpenByNameAndApplyToTheSelection) {
    CliResult r = RunCli("page " + File() + " fg.arrival --select 0,1 --dialog condition=arrival2");
    EXPECT_NE(r.out.find("\"dialog\": \"condition=arrival2\""), std::string::npos) << r.err;
    r = Page(
        "fg.arrival --select 0,1 --dialog condition=arrival2 --set 1027=2 --set 1046=1 "
        "--set 1052=3");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "{\"modified\": true}\n");
    for (int i : {0, 1}) EXPECT_EQ(Fg(i).ArrivalTrigger(1), (Trigger{2, 1, 3, 0}));
    EXPECT_EQ(Fg(2).ArrivalTrigger(1), (Trigger{}));

    ASSERT_EQ(
        Page("fg.orders --select 0,1 --order 1 --dialog target=3 --set 1094=5 --set 1095=1").status,
        0);
    for (int i : {0, 1}) EXPECT_EQ(Fg(i).Orders(1).Target3(), 1);
    EXPECT_EQ(Fg(0).Orders(0).Target3Type(), 0);

    ASSERT_EQ(Page("fg.other --select 2 --dialog cmd --set 1044=1 --set 1109=5").status, 0);
    EXPECT_EQ(Fg(2).CmdDescription(), "APRI");
    ASSERT_EQ(Page("fg.departure --select 0 --dialog mothership --set 1056=1 --set 1044=1").status,
              0);
    EXPECT_EQ(Fg(0).DepartureMothership(), 1);
    r = Page(
        "fg.equipment --select 1 --dialog hidden-cargo --set 1067=1 --set 1069=2 --set "
        "1068=Spice");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Fg(1).SpecialCargo(), "Spice");

    // A button is pressed by setting it; C&lear leaves the entry empty.
    ASSERT_EQ(Page("fg.ship --select 0,1 --dialog optional-craft --set 1044=4 --set 1059=2 "
                   "--set 1046=3 --set 1020=2 --set 1030=3")
                  .status,
              0);
    EXPECT_EQ(Fg(1).OptionalCraftCount(2), 2);
    // (Not std::filesystem::copy_file: MinGW's refuses to overwrite.)
    TempFolder::WriteBytes(dir / "m.tie", TempFolder::ReadBytes(dir / "out.tie"));
    ASSERT_EQ(Page("fg.ship --select 0 --dialog optional-craft --set 1059=2 --set 1060=1").status,
              0);
    EXPECT_EQ(Fg(0).OptionalCraftType(2), 0);
    EXPECT_EQ(Fg(1).OptionalCraftType(2), 3);
}

TEST_F(CliFgPage, WhatATabDoesNotHaveIsAUsageErrorThatListsWhatItHas) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"fg.positions --view orbit", "views: Normal, Waypoints, Briefing"},
        {"fg.ship --view normal", ""},
        {"fg.positions --set 1129=1", ""},  // rows 7 and 8 of Normal hold nothing
        {"fg.arrival --dialog condition=arrival5",
         "condition=arrival1|arrival2|arrival3|arrival4, mothership"},
        {"fg.departure --dialog nothing", "condition=departure1|departure2, mothership"},
        {"fg.equipment --dialog optional-craft", "(dialogs: hidden-cargo)"},
        {"fg.orders --dialog target=5", "(dialogs: target=1..4"},
        {"fg.goals --dialog goal=8", ""},
        {"fg.ship --dialog optional-craft --set 1060=2", ""},
        // A mothership list is closed while the group departs by hyperspace.
        {"fg.departure --select 0 --dialog mothership --set 1044=1", ""},
    };
    for (const auto& [args, listed] : cases) {
        const CliResult r = Page(args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_NE(r.err.find(listed), std::string::npos) << args << ": " << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "out.tie"));
}

}  // namespace
