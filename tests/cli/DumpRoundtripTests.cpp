// dump and roundtrip: exit statuses, the refusal on stderr, fixed JSON keys, unchanged bytes.
#include <gtest/gtest.h>

#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "support/MissionGenerator.h"
#include "support/RunCli.h"

using namespace vantorel;
using namespace vantorel::testing;

TEST(CliRoundtrip, CopiesEveryByteAndDropsOnlyATrailingByte) {
    TempFolder dir;
    MissionGenerator gen(7);
    Mission m = gen.Make();
    const std::vector<uint8_t> bytes = WriteMission(m);
    std::vector<uint8_t> longer = bytes;
    longer.push_back(1);
    TempFolder::WriteBytes(dir / "long.tie", longer);
    CliResult r = RunCli("roundtrip " + Quoted(dir / "long.tie") + " " + Quoted(dir / "out.tie"));
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("Not all of the file was loaded"), std::string::npos);
    EXPECT_EQ(TempFolder::ReadBytes(dir / "out.tie"), bytes);
}

TEST(CliRoundtrip, ExitStatusesForUsageRefusalAndMissingFiles) {
    TempFolder dir;
    EXPECT_EQ(RunCli("roundtrip onlyone").status, 1);
    EXPECT_EQ(RunCli("frobnicate").status, 1);
    EXPECT_EQ(RunCli("").status, 1);
    EXPECT_EQ(RunCli("--help").status, 0);
    // An option a command does not know is a usage error, not a file that is missing.
    std::vector<std::string> commands = {"check", "flow", "briefing"};
#ifdef VANTOREL_CLI_HAS_RENDER
    commands.push_back("render");
#endif
    std::vector<std::string> unknown = {"dump --bogus", "report --bogus", "roundtrip --bogus y"};
    for (const std::string& c : commands) unknown.push_back(c + " a.tie --bogus");
    for (const std::string& line : unknown) {
        CliResult r = RunCli(line);
        EXPECT_EQ(r.status, 1) << line;
        EXPECT_NE(r.err.find("unknown option '--bogus'"), std::string::npos) << r.err;
    }
    // The commands that read one mission refuse a second before reading any.
    for (const std::string& c : commands) {
        CliResult r = RunCli(c + " a.tie b.tie");
        EXPECT_EQ(r.status, 1) << c;
        EXPECT_NE(r.err.find("more than one mission file given"), std::string::npos) << r.err;
    }

    CliResult missing = RunCli("dump " + Quoted(dir / "absent.tie"));
    EXPECT_EQ(missing.status, 3);

    Mission m = MakeEmptyMission(14, 1, 0);
    std::vector<uint8_t> bytes = WriteMission(m);
    bytes.resize(164 + 1378 + 100);  // cut inside the global goals
    TempFolder::WriteBytes(dir / "cut.tie", bytes);
    CliResult refused = RunCli("dump " + Quoted(dir / "cut.tie"));
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "Invalid File Format: Team Goals\n");
    EXPECT_TRUE(refused.out.empty());

    TempFolder::WriteBytes(dir / "ok.tie", WriteMission(m));
    // An empty name is a usage error, on either side.
    const std::string none = Quoted(std::string());
    for (const std::string& args :
         {"roundtrip " + Quoted(dir / "ok.tie") + " " + none, "dump " + none}) {
        CliResult empty = RunCli(args);
        EXPECT_EQ(empty.status, 1) << args;
        EXPECT_EQ(empty.err, "vantorel-cli: a file name is empty\n") << args;
    }
    CliResult unwritable =
        RunCli("roundtrip " + Quoted(dir / "ok.tie") + " " + Quoted(dir / "ok.tie" / "x.tie"));
    EXPECT_EQ(unwritable.status, 3);
#ifdef __linux__
    // Output that cannot be written is a failure too.
    EXPECT_EQ(RunShell(Quoted(std::string(VANTOREL_CLI)) + " dump " + Quoted(dir / "ok.tie") +
                       " >/dev/full 2>/dev/null"),
              3);
#endif
}

TEST(CliDump, FixedKeysAndDecodedTexts) {
    TempFolder dir;
    Mission m = MakeEmptyMission(12, 1, 1);
    m.Header.SetMissionType(2);
    m.Description = "Line one\r\nCaf\xE9";
    m.FlightGroups[0]->File.SetName("Alpha");
    m.FlightGroups[0]->File.SetCraftType(200);
    m.FlightGroups[0]->File.SetWaypointX(0, -160);
    m.Messages[0]->File.SetText("3Gold \x93quoted\x94");
    m.Teams[0].SetName("Empire");
    TempFolder::WriteBytes(dir / "m.tie", WriteMission(m));
    CliResult r = RunCli("dump " + Quoted(dir / "m.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* expected :
         {"\"formatVersion\": 12", "\"variant\": \"XvT\"", "\"missionType\": 2",
          "\"description\": \"Line one\\r\\nCaf\xC3\xA9\"", "\"successfulDebriefing\": \"\"",
          "\"name\": \"Alpha\"", "\"craftName\": \"(unknown ship)\"", "\"name\": \"S1\"",
          "\"x\": -160", "\"text\": \"Gold \xE2\x80\x9Cquoted\xE2\x80\x9D\"", "\"colour\": 3",
          "\"sentToTeams\": [0, 0, 0, 0, 0, 0, 0, 0, 0, 0]", "\"displayName\": \"Empire\"",
          "\"displayName\": \"Team 2\"", "\"briefings\": [", "\"timeLimitSeconds\": 0"}) {
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected;
    }
}

TEST(CliInput, DevicesAreRefusedAtOnceAndNothingIsReadPastTheLargestMission) {
#ifndef __unix__
    GTEST_SKIP() << "the devices and pipes here are POSIX's (/dev/zero, /dev/stdin, the shell's |)";
#else
    TempFolder dir;
    // A device is refused before a byte is read (/dev/zero took seconds and half a gigabyte).
    for (const char* device : {"/dev/zero", "/dev/null"}) {
        CliResult r = RunCli(std::string("dump ") + device);
        EXPECT_EQ(r.status, 3) << device;
        EXPECT_EQ(r.err, std::string("vantorel-cli: cannot open ") + device +
                             ": it is a device, not a mission file\n");
    }

    // A (sparse) file one byte larger than the largest mission is refused by its size.
    const auto huge = dir / "huge.tie";
    TempFolder::WriteBytes(huge, {});
    std::filesystem::resize_file(huge, kLargestMissionFileSize + 1);
    CliResult big = RunCli("dump " + Quoted(huge));
    EXPECT_EQ(big.status, 3);
    EXPECT_NE(big.err.find("larger than any mission file can be"), std::string::npos) << big.err;

    // Standard input as a file and a pipe; an endless pipe is read to one byte past the largest.
    Mission m = MakeEmptyMission(12, 1, 0);
    TempFolder::WriteBytes(dir / "m.tie", WriteMission(m));
    const std::string cli = std::string("'") + VANTOREL_CLI + "' dump /dev/stdin >/dev/null";
    EXPECT_EQ(RunShell(cli + " <" + Quoted(dir / "m.tie")), 0);
    EXPECT_EQ(RunShell("cat " + Quoted(dir / "m.tie") + " | " + cli), 0);
    EXPECT_EQ(RunShell("head -c " + std::to_string(kLargestMissionFileSize + 1) + " /dev/zero | " +
                       cli + " 2>/dev/null"),
              3);
#endif
}
