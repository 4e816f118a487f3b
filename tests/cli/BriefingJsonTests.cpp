// Briefings in the JSON of dump and write, in `briefing` and in `report`.
#include <gtest/gtest.h>

#include "catalogue/MissionReport.h"
#include "cli/MissionJson.h"
#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "support/BriefingBlocks.h"
#include "support/MissionGenerator.h"
#include "support/RunCli.h"

using namespace vantorel;
using namespace vantorel::cli;
using namespace vantorel::testing;

namespace {

// Briefing 1 as the examples of `briefing` show it, with a tag, string and
// flight group to name; briefing 3 cannot be read.
Mission Briefed() {
    Mission m = MakeEmptyMission(14, 4, 0);
    m.FlightGroups[3]->File.SetName("Red");
    Briefing& b = m.Briefings[0];
    b.Strings[2] = "[Red] launches from the Independence";
    b.Tags[4] = "Nav \xE9";
    BlockWriter w;
    w.Event(0, kBriefingMoveMap, {120, -40})
        .Event(65, kBriefingCaption, {2})
        .Event(80, kBriefingFgTag1, {3})
        .Event(102, kBriefingTextTag1 + 1, {4, -8, 9, 2})
        .Event(9999, kBriefingEnd);
    b.Commands = w.Counts(4, 18).RunningTime(900).Team(0).Team(1).block;
    BlockWriter odd;
    odd.Event(0, 40).Counts(0, 2);
    m.Briefings[2].Commands = odd.block;
    return m;
}

std::vector<uint8_t> ThroughJson(const Mission& m) {
    Mission back;
    std::vector<std::string> errors;
    EXPECT_TRUE(MissionFromJson(MissionToJson(m), back, errors)) << errors.front();
    return WriteMission(back);
}

std::string FirstError(const std::string& json) {
    Mission m;
    std::vector<std::string> errors;
    EXPECT_FALSE(MissionFromJson(json, m, errors)) << json;
    return errors.empty() ? "" : errors.front();
}

}  // namespace

TEST(BriefingJson, DumpThenWriteGivesEveryCraftedBlockBack) {
    Mission m = Briefed();
    // Every event type, negative coordinates, junk after the list, a team
    // byte of 2, the unknown word; a bare end.
    BlockWriter every;
    every.Event(3, 3).Event(4, 4, {-1}).Event(5, 5, {31}).Event(6, 6, {-32768, 32767});
    every.Event(7, 7, {-5, 6}).Event(8, 8).Event(9, 9, {254}).Event(16, 16, {-1}).Event(17, 17);
    every.Event(18, 18, {0, -1, -2, -3}).Event(25, 25, {31, 100, -100, 255}).Event(9999, 34);
    every.Counts(0, uint32_t(every.Words())).AreaWord(350, 0xBEEF).Team(9, 2);
    every.block[2] = 7;
    m.Briefings[1].Commands = every.block;
    ASSERT_TRUE(DecodeBriefing(every.block).Script) << DecodeBriefing(every.block).Reason;
    m.Briefings[3].Commands = BlockWriter().Event(9999, 34).Counts(0, 2).block;
    // Blocks that do not decode: no end, a count that disagrees.
    BlockWriter noEnd;
    for (int i = 0; i < 200; ++i) noEnd.Event(1, 3);
    m.Briefings[4].Commands = noEnd.Counts(0, 400).block;
    m.Briefings[5].Commands = BlockWriter().Event(0, 3).Event(9999, 34).Counts(0, 4).block;
    EXPECT_EQ(ThroughJson(m), WriteMission(m));

    const std::string json = MissionToJson(m);
    for (const char* expected :
         {"\"event\": \"textTag\",\n          \"slot\": 2,\n          \"tag\": 4,\n          "
          "\"x\": -8,",
          "\"viewedBy\": [1, 2]", "\"unknownWord\": 7", "\"teamBytes\": \"00000000000000000002\"",
          "\"wordsAfterList\": \"",
          "\"unreadable\": \"event 0 (at word 0) has the unknown type 40\""})
        EXPECT_NE(json.find(expected), std::string::npos) << expected;
}

TEST(BriefingJson, HandWrittenEventsGetCountsAndAnEndAndErrorsNameTheirPath) {
    Mission m;
    std::vector<std::string> errors;
    ASSERT_TRUE(MissionFromJson(R"({"briefings": [{}, {"runningTime": 400, "viewedBy": [2],
        "events": [{"time": 0, "event": "zoomMap", "x": -3, "y": 4},
                   {"time": 0, "event": "fgTag", "slot": 8, "flightGroup": 0}]}]})",
                                m, errors))
        << errors.front();
    EXPECT_EQ(m.Briefings[0].Commands, BriefingCommandBlock{});
    BlockWriter expected;
    expected.Event(0, kBriefingZoomMap, {-3, 4}).Event(0, kBriefingFgTag1 + 7, {0});
    expected.Event(9999, kBriefingEnd).Counts(7, 9).RunningTime(400).Team(1);
    EXPECT_EQ(m.Briefings[1].Commands, expected.block);

    const std::string ev = R"({"briefings": [{}, {}, {"events": [{"time": 5, "event": "stop"}, )";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {ev + R"({"time": 6, "event": "fgTag", "slot": 1}]}]})",
         "briefings[2].events[1].flightGroup: missing; the fgTag event needs it"},
        {ev + R"({"time": 6, "event": "fgTag", "slot": 9, "flightGroup": 1}]}]})",
         "briefings[2].events[1].slot: 9 is not a slot (1 to 8)"},
        {ev + R"({"time": 6, "event": "caption", "string": 40000}]}]})",
         "briefings[2].events[1].string: 40000 is not a signed 16-bit number (-32768 to 32767)"},
        {ev + R"({"time": 6, "event": "caption", "string": 1, "x": 2}]}]})",
         "briefings[2].events[1].x: unknown key"},
        {ev + R"({"time": 6, "event": "pan"}]}]})",
         "briefings[2].events[1].event: not an event; one of stop, title, caption, moveMap, "
         "zoomMap, clearFgTags, fgTag, clearTextTags, textTag, end is expected"},
        {ev + R"({"event": "stop"}]}]})",
         "briefings[2].events[1].time: missing; the time in ticks (20 a second) is expected"},
        {R"({"briefings": [{"events": [{"event": "end"}, {"time": 1, "event": "stop"}]}]})",
         "briefings[0].events[0].event: the end event must be the last one"},
        {R"({"briefings": [{"viewedBy": [0]}]})",
         "briefings[0].viewedBy[0]: 0 is not a team number (1 to 10)"},
        {R"({"briefings": [{"viewedBy": [1], "teamBytes": "00020000000000000000"}]})",
         "briefings[0].viewedBy: does not list the teams whose teamBytes are not 0"},
        {R"({"briefings": [{"commands": "00", "runningTime": 1}]})",
         "briefings[0].commands: give a briefing as its raw commands or by its named fields, not "
         "both"},
        {R"({"briefings": [{"events": [{"time": 1, "event": "stop"}], "wordsAfterList": ")" +
             std::string(2 * 793, 'a') + "\"}]}",
         "briefings[0].wordsAfterList: 793 bytes after a list of 4 words run past the 800 bytes "
         "of events"},
    };
    for (const auto& [json, expected] : cases) EXPECT_EQ(FirstError(json), expected) << json;

    std::string full = R"({"briefings": [{"events": [)";
    for (int i = 0; i < 133; ++i)
        full += (i ? "," : "") + std::string(R"({"time": 1, "event": "caption", "string": 0})");
    EXPECT_EQ(FirstError(full + "]}]}"),
              "briefings[0].events: A briefing holds at most 400 words of events; this one would "
              "need 401.");
}

TEST(BriefingCli, ShowsEachBriefingThatIsNotEmptyAsTimedSentences) {
    TempFolder dir;
    Mission m = Briefed();
    m.Teams[1].SetName("Rebel");
    TempFolder::WriteBytes(dir / "b.tie", WriteMission(m));
    const std::string briefing1 =
        "Briefing 1\n"
        "  Seen by: Team 1, Rebel\n"
        "  Running time: 0:45.00\n"
        "  Events: 18 of 400 words\n"
        "    0:00.00 move map to 120, -40\n"
        "    0:03.25 caption 2 \"[Red] launches from the Independence\"\n"
        "    0:04.00 flight group tag 1: Red (3)\n"
        "    0:05.10 text tag 2: tag 4 \"Nav \xC3\xA9\" at -8, 9, colour 2\n"
        "    8:19.95 end of briefing\n";
    const std::string briefing3 =
        "Briefing 3\n"
        "  Seen by: nobody\n"
        "  Cannot be read: event 0 (at word 0) has the unknown type 40; the block is kept as it "
        "is\n";
    CliResult all = RunCli("briefing " + Quoted(dir / "b.tie"));
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out, briefing1 + "\n" + briefing3);
    CliResult empty = RunCli("briefing " + Quoted(dir / "b.tie") + " --briefing=8");
    EXPECT_EQ(empty.out,
              "Briefing 8\n  Seen by: nobody\n  Running time: 0:00.00\n"
              "  Events: 0 of 400 words\n");
    CliResult json = RunCli("briefing " + Quoted(dir / "b.tie") + " --briefing 1 --json");
    ASSERT_EQ(json.status, 0);
    EXPECT_EQ(json.out.rfind("{\n  \"runningTime\": 900,", 0), 0u) << json.out;
    EXPECT_NE(json.out.find("\"tags\": ["), std::string::npos);
    EXPECT_EQ(RunCli("briefing " + Quoted(dir / "b.tie") + " --briefing 9").status, 1);
    EXPECT_EQ(RunCli("briefing " + Quoted(dir / "b.tie") + " --loud").status, 1);

    // report gives the same lines, in the mission's code page until written.
    const std::string report = MissionReportText(m);
    EXPECT_NE(report.find("\nBriefing 1\n  Seen by: Team 1, Rebel\n"), std::string::npos);
    EXPECT_NE(report.find("    0:04.00 flight group tag 1: Red (3)\n"), std::string::npos);
    EXPECT_EQ(report.find("Briefing 2\n"), std::string::npos);
}

TEST(BriefingCli, MakeWritesAFirstBriefingAndReplacesOnlyWhenAsked) {
    TempFolder dir;
    Mission m = Briefed();  // briefing 1 has events; briefing 2 is empty
    m.FlightGroups[0]->File.SetPlayerNumber(1);
    TempFolder::WriteBytes(dir / "b.tie", WriteMission(m));
    const std::string in = Quoted(dir / "b.tie"), out = Quoted(dir / "made.tie");

    CliResult made = RunCli("briefing " + in + " --make 2 -o " + out);
    ASSERT_EQ(made.status, 0) << made.err;
    CliResult shown = RunCli("briefing " + out + " --briefing 2");
    EXPECT_NE(shown.out.find("flight group tag 1: "), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("end of briefing"), std::string::npos);

    CliResult refused = RunCli("briefing " + in + " --make 1 -o " + out);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("briefing 1 is not empty; --replace replaces it"),
              std::string::npos);
    EXPECT_EQ(RunCli("briefing " + in + " --make 1 --replace -o " + out).status, 0);
    // A block that cannot be read is not replaced, even when asked.
    CliResult unreadable = RunCli("briefing " + in + " --make 3 --replace -o " + out);
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_NE(unreadable.err.find("Briefing 3 cannot be read"), std::string::npos);
    EXPECT_EQ(RunCli("briefing " + in + " --make 2").status, 1);  // no -o
    EXPECT_EQ(RunCli("briefing " + in + " --make 2 --json -o " + out).status, 1);
}
