// check: one problem a line, exit statuses, the JSON form, nothing wrong in what wizards build.
#include <gtest/gtest.h>

#include <fstream>

#include "document/MissionWriter.h"
#include "platform/PathText.h"
#include "support/MissionGenerator.h"
#include "support/RunCli.h"

using namespace vantorel;
using namespace vantorel::testing;

TEST(CliCheck, WhatTheWizardsBuildHasNoProblems) {
    TempFolder dir;
    const std::string m = Quoted(dir / "m.tie");
    for (const std::string build :
         {"new melee --teams 2", "new melee --teams 4", "new melee --teams 8",
          "new combat --players 1", "new combat --players 2", "new combat --players 4",
          "new combat --players 8 --format xvt", "new training --players 1 --iff rebel",
          "new training --players 2 --iff imperial", "new training --players 8 --iff rebel"}) {
        ASSERT_EQ(RunCli(build + " -o " + m).status, 0) << build;
        for (const std::string add : {"fleet --size 4 --support 0 --seed 3", "station --cargo",
                                      "asteroids", "minefield --mine 2"})
            ASSERT_EQ(RunCli("add " + m + " " + add + " -o " + m).status, 0) << add;
        CliResult r = RunCli("check " + m);
        EXPECT_EQ(r.status, 0) << build;
        // The wizards make no briefing, which the check says for each team with players.
        std::string out;
        for (size_t at = 0, end; at < r.out.size(); at = end + 1) {
            end = r.out.find('\n', at);
            const std::string line = r.out.substr(at, end - at);
            if (line.find(": has players but is shown no briefing") == std::string::npos)
                out += line + "\n";
        }
        EXPECT_EQ(out, "") << build;
        EXPECT_EQ(r.err, "") << build;
    }
}

TEST(CliCheck, ErrorsAndWarningsOneALineWithTheirExitStatus) {
    TempFolder dir;
    Mission m = MakeEmptyMission(14, 2, 1);
    m.FlightGroups[0]->File.SetWaypointEnabled(0, 1);
    for (auto& fg : m.FlightGroups) fg->File.SetNumberOfCraft(1);
    m.FlightGroups[1]->File.SetName("Red");  // and no start point
    TempFolder::WriteBytes(dir / "warn.tie", WriteMission(m));
    CliResult r = RunCli("check " + Quoted(dir / "warn.tie"));
    EXPECT_EQ(r.status, 0);  // warnings alone pass
    EXPECT_EQ(r.out, "warning: Flight group 1 \"Red\": has no enabled start point\n");

    m.FlightGroups[1]->File.SetArrivalTrigger(0, {2, 1, 40, 0});
    TempFolder::WriteBytes(dir / "err.tie", WriteMission(m));
    r = RunCli("check " + Quoted(dir / "err.tie"));
    EXPECT_EQ(r.status, 4);
    EXPECT_EQ(r.out,
              "error: Flight group 1 \"Red\": arrival trigger 1 names flight group 40, which does "
              "not exist\n"
              "warning: Flight group 1 \"Red\": has no enabled start point\n");

    // Standard input, as every mission argument.
    CliResult piped = RunCli("check -", TempFolder::ReadText(dir / "err.tie"));
    EXPECT_EQ(piped.status, 4);
    EXPECT_EQ(piped.out, r.out);

    r = RunCli("check --json " + Quoted(dir / "err.tie"));
    EXPECT_EQ(r.status, 4);
    for (const char* expected :
         {"\"errors\": 1", "\"warnings\": 1", "\"severity\": \"error\"",
          "\"kind\": \"missing-flight-group\"", "\"subject\": \"flight group\"", "\"index\": 1",
          "\"where\": \"Flight group 1 \\\"Red\\\"\"",
          "\"what\": \"arrival trigger 1 names flight group 40, which does not exist\"",
          "\"kind\": \"no-start-point\""})
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected << "\n" << r.out;

    // The statuses every command shares.
    EXPECT_EQ(RunCli("check").status, 1);
    EXPECT_EQ(RunCli("check " + Quoted(dir / "err.tie") + " --frobnicate").status, 1);
    EXPECT_EQ(RunCli("check " + Quoted(dir / "err.tie") + " --game").status, 1);
    EXPECT_EQ(RunCli("check " + Quoted(dir / "absent.tie")).status, 3);
}

TEST(CliCheck, WithTheGameFolderTheWaveListingIsChecked) {
    TempFolder dir;
    Mission m = MakeEmptyMission(12, 0, 3);
    TempFolder::WriteBytes(dir / "m1.tie", WriteMission(m));
    std::filesystem::create_directories(dir / "game" / "wave" / "m1");
    std::ofstream(dir / "game" / "wave" / "m1" / "here.wav") << "x";
    // The game on Windows finds files whatever the letter case of the line.
    std::ofstream(dir / "game" / "wave" / "m1" / "Case.WAV") << "x";
    std::ofstream(dir / "game" / "wave" / "m1.lst", std::ios::binary)
        << "M1\\case.wav\r\nm1\\gone.wav\r\n..\\..\\up.wav\r\n";
    CliResult r = RunCli("check " + Quoted(dir / "m1.tie") + " --game " + Quoted(dir / "game"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "warning: Message 1: wave file m1\\gone.wav does not exist\n"
              "warning: Message 2: wave file ..\\..\\up.wav lies outside the wave folder\n");
    // Without it there is no listing to read.
    EXPECT_EQ(RunCli("check " + Quoted(dir / "m1.tie")).out, "");

    // A folder named from where the command runs finds the same files (when
    // there is such a name: not across Windows drives).
    const auto relative = std::filesystem::relative(dir / "game", std::filesystem::current_path());
    if (!relative.empty()) {
        EXPECT_EQ(RunCli("check " + Quoted(dir / "m1.tie") + " --game " + Quoted(relative)).out,
                  r.out);
    }

    // Where the wave files cannot be checked, it is said.
    CliResult nowhere =
        RunCli("check " + Quoted(dir / "m1.tie") + " --game " + Quoted(dir / "no game"));
    EXPECT_EQ(nowhere.status, 0);
    EXPECT_EQ(nowhere.err, "vantorel-cli check: the game folder " + PathToUtf8(dir / "no game") +
                               " does not exist; wave files are not checked\n");
    const auto bytes = TempFolder::ReadBytes(dir / "m1.tie");
    CliResult piped =
        RunCli("check - --game " + Quoted(dir / "game"), std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(piped.out, "");
    EXPECT_EQ(piped.err,
              "vantorel-cli check: a mission from standard input has no wave listing; wave files "
              "are not checked\n");
}
