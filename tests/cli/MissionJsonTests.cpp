// The JSON of dump and write: the same bytes back, every field by name, errors by JSON path.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "catalogue/CodedFields.h"
#include "catalogue/MissionReport.h"
#include "cli/MissionJson.h"
#include "document/MissionCheck.h"
#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "support/MissionGenerator.h"
#include "support/RunCli.h"

using namespace vantorel;
using namespace vantorel::cli;
using namespace vantorel::testing;

namespace {

// The mission as a file would hold it: written and read back.
Mission AsRead(Mission m) {
    Mission read;
    const ReadResult r = ReadMission(WriteMission(m), read);
    EXPECT_TRUE(r.ok) << r.error;
    return read;
}

std::vector<uint8_t> ThroughJson(const Mission& m) {
    Mission back;
    std::vector<std::string> errors;
    EXPECT_TRUE(MissionFromJson(MissionToJson(m), back, errors)) << errors.front();
    return WriteMission(back);
}

// The JSON without the raw bytes, so that what differs is a named field.
std::string NamedFields(const std::string& json) {
    std::string out;
    size_t depth = 0;
    size_t lineStart = 0;
    while (lineStart < json.size()) {
        size_t end = json.find('\n', lineStart);
        if (end == std::string::npos) end = json.size();
        const std::string line = json.substr(lineStart, end - lineStart);
        lineStart = end + 1;
        const bool raw = line.find("Bytes\": {") != std::string::npos;
        if (depth == 0 && raw) {
            depth = 1;
            continue;
        }
        if (depth > 0) {
            if (line.find('}') != std::string::npos) depth = 0;
            continue;
        }
        if (line.find("Bytes\": ") == std::string::npos) out += line + "\n";
    }
    return out;
}

std::vector<std::string> WriteErrors(const std::string& json) {
    Mission m;
    std::vector<std::string> errors;
    EXPECT_FALSE(MissionFromJson(json, m, errors)) << json;
    return errors;
}

}  // namespace

TEST(MissionJson, DumpThenWriteGivesTheSameBytesForRandomMissions) {
    for (uint32_t seed = 1; seed <= 25; ++seed) {
        MissionGenerator gen(seed);
        Mission m = AsRead(gen.Make());
        if (seed % 5 == 0) {
            // Bytes left behind the end of free texts and briefing texts.
            m.BlocksAsRead.Description[m.BlocksAsRead.Description.size() - 1] = 'x';
            m.Briefings[1].Tags[3] = "ab";
            m.Briefings[1].TagsAsRead[3] = std::string("ab\0cd", 5);
            m.Briefings[7].Strings[31] = "";
            m.Briefings[7].StringsAsRead[31] = std::string("\0\0", 2);
        }
        const std::vector<uint8_t> bytes = WriteMission(m);
        EXPECT_EQ(ThroughJson(m), bytes) << "seed " << seed;
    }
    // The fullest texts: 255 flight groups, texts filling their fields.
    MissionGenerator gen(99);
    Mission full = AsRead(gen.Make({255, 40, 255, 40, 14}));
    EXPECT_EQ(ThroughJson(full), WriteMission(full));
}

TEST(MissionJson, EveryFieldOfTheLayoutIsInDumpOrReport) {
    // Records all 'A' (texts fill their fields): any one byte changed changes a named field.
    Mission base = MakeEmptyMission(14, 2, 1);
    auto fill = [](auto& record) { record.Bytes.fill('A'); };
    fill(base.Header);
    base.Header.SetFormatVersion(14);
    for (auto& fg : base.FlightGroups) fill(fg->File), fill(fg->GoalStrings);
    fill(base.Messages[0]->File);
    for (auto& g : base.GlobalGoals) fill(g);
    for (auto& t : base.Teams) fill(t);
    fill(*base.GoalStrings);
    const std::string json = NamedFields(MissionToJson(base));
    const std::string report = MissionReportText(base);

    // The bytes the layout names nothing for (carried as they are).
    struct Record {
        const char* name;
        std::function<uint8_t*(Mission&)> bytes;
        size_t size;
        size_t step;  // texts-only blocks: the first byte of each text
        std::set<size_t> carried;
    };
    auto range = [](size_t from, size_t to) {
        std::set<size_t> s;
        for (size_t i = from; i < to; ++i) s.insert(i);
        return s;
    };
    std::set<size_t> headerCarried = range(0x06, 0x64);
    headerCarried.insert(0x65);
    for (size_t i : range(0x68, 164)) headerCarried.insert(i);
    for (size_t i : {0x02, 0x03, 0x04, 0x05}) headerCarried.insert(i);  // counts, rewritten
    std::set<size_t> fgCarried = {0x05C, 0x060, 0x062, 0x063, 0x067, 0x069, 0x06A, 0x06B,
                                  0x06C, 0x076, 0x077, 0x081, 0x082, 0x085, 0x090, 0x091,
                                  0x093, 0x094, 0x096, 0x097, 0x098, 0x099, 0x1F2, 0x1F3};
    fgCarried.insert(0x465);  // between the last goal and the points
    for (size_t i : range(0x516, 0x523)) fgCarried.insert(i);
    for (size_t i : range(0x527, 0x530)) fgCarried.insert(i);
    for (size_t i : range(0x561, 0x562)) fgCarried.insert(i);
    for (int n = 0; n < 4; ++n) {
        const size_t o = 0x0A2 + 82 * size_t(n);
        for (size_t i : {0x04, 0x05, 0x0B, 0x11}) fgCarried.insert(o + i);
        for (size_t i : range(o + 0x23, o + 82)) fgCarried.insert(i);
    }
    for (int n = 0; n < 8; ++n) {
        const size_t g = 0x1F5 + 78 * size_t(n);
        fgCarried.insert(g + 0x04);
        for (size_t i : range(g + 0x06, g + 0x0D)) fgCarried.insert(i);
        for (size_t i : range(g + 0x0E, g + 78)) fgCarried.insert(i);
    }
    std::set<size_t> messageCarried = range(0x62, 0x72);
    for (size_t i : {0x00, 0x01, 0x54, 0x55, 0x5F, 0x60}) messageCarried.insert(i);
    std::set<size_t> goalsCarried = {0, 1};
    for (size_t set : {0x02, 0x2C, 0x56}) {
        for (size_t i : {8, 9, 19, 20, 40}) goalsCarried.insert(set + i);
        for (size_t i : range(set + 22, set + 39)) goalsCarried.insert(i);
    }
    std::set<size_t> teamCarried = {0, 1};
    for (size_t i : range(420, 487)) teamCarried.insert(i);
    std::set<size_t> goalStringsCarried = range(12 * 192, 28 * 192);

    std::vector<Record> records = {
        {"header", [](Mission& m) { return m.Header.Data(); }, 164, 1, headerCarried},
        {"flight group", [](Mission& m) { return m.FlightGroups[1]->File.Data(); }, 1378, 1,
         fgCarried},
        {"goal strings", [](Mission& m) { return m.FlightGroups[1]->GoalStrings.Data(); },
         1536, 64, {}},
        {"message", [](Mission& m) { return m.Messages[0]->File.Data(); }, 116, 1,
         messageCarried},
        {"global goals", [](Mission& m) { return m.GlobalGoals[3].Data(); }, 128, 1,
         goalsCarried},
        {"team", [](Mission& m) { return m.Teams[3].Data(); }, 487, 1, teamCarried},
        {"global goal strings",
         [](Mission& m) { return m.GoalStrings->Data() + 3 * 28 * 192; }, 28 * 192, 64,
         goalStringsCarried},
    };
    auto shown = [&](const Mission& changed) {
        return MissionReportText(changed) != report || NamedFields(MissionToJson(changed)) != json;
    };
    for (const Record& record : records) {
        // Each named byte on its own shows; the carried bytes, all changed at once, do not.
        Mission carried = base;
        for (size_t offset = 0; offset < record.size; offset += record.step) {
            if (record.carried.count(offset)) {
                record.bytes(carried)[offset] = 'B';
                continue;
            }
            Mission changed = base;
            record.bytes(changed)[offset] = 'B';
            EXPECT_TRUE(shown(changed)) << record.name << " byte " << offset
                                        << " is in neither dump nor report";
        }
        EXPECT_FALSE(shown(carried)) << record.name << ": a byte taken as carried is named";
    }
}

TEST(MissionJson, WhatTheJsonLeavesOutIsNewAndEveryErrorNamesItsPath) {
    // A short JSON is a whole mission: the rest is as the editor makes it new.
    Mission m;
    std::vector<std::string> errors;
    ASSERT_TRUE(MissionFromJson(
        R"({"flightGroups": [{"name": "Red", "craftType": 1, "playerNumber": 1,
            "points": [{"enabled": 1}]}],
            "messages": [{"text": "Go", "colour": 2}], "briefings": [{"viewedBy": [1]}]})",
        m, errors));
    ASSERT_EQ(m.CountFlightGroups(), 1);
    EXPECT_EQ(m.FlightGroups[0]->File.Name(), "Red");
    EXPECT_EQ(m.FlightGroups[0]->File.NumberOfCraft(), 1);
    EXPECT_EQ(m.FlightGroups[0]->File.Orientation(), 64);
    EXPECT_EQ(m.Messages[0]->File.Text(), "2Go");
    EXPECT_EQ(m.Teams[1].Name(), "Rebel");
    EXPECT_EQ(m.Header.FormatVersion(), 14);
    EXPECT_TRUE(CheckMission(m).empty());

    const std::string fgs3 = R"({"flightGroups": [{}, {}, {}, {)";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {fgs3 + R"("craftType": 300}]})",
         "flightGroups[3].craftType: 300 is not a byte (0 to 255)"},
        {fgs3 + R"("craftType": "X-wing"}]})",
         "flightGroups[3].craftType: a number was expected, not a string"},
        {fgs3 + R"("craftType": 1.5}]})",
         "flightGroups[3].craftType: 1.5 is not a byte (0 to 255)"},
        {fgs3 + R"("colour": 1}]})", "flightGroups[3].colour: unknown key"},
        {R"({"teams": [{"goals": {"primary": {"points": -129}}}]})",
         "teams[0].goals.primary.points: -129 is not a signed byte (-128 to 127)"},
        {R"({"flightGroups": [{"name": "A name much too long!"}]})",
         "flightGroups[0].name: the text is 21 characters long; its field holds 20"},
        {R"({"messages": [{"text": "Caf\u00e9 \u2603"}]})",
         "messages[0].text: the character \xE2\x98\x83 (U+2603) is not in the game's code page "
         "(Windows-1252)"},
        {"{\"description\": \"\xC3\x28\"}", "line 1, column 20: a string is not valid UTF-8"},
        {R"({"messages": [{"text": "3 wings"}]})",
         "messages[0].text: starts with a colour digit; give the colour in \"colour\" and the "
         "text after it"},
        {R"({"formatVersion": 12, "successfulDebriefing": "Well done"})",
         "successfulDebriefing: an XvT mission (formatVersion below 14) has no place for this "
         "text"},
        {R"({"teams": [{"otherBytes": {"0x1e0": "0102030405060708"}}]})",
         "teams[0].otherBytes.0x1e0: runs past the end of the record (487 bytes)"},
        {R"({"flightGroups": [{"orders": [{}, {}, {}, {}, {}]}]})",
         "flightGroups[0].orders: 5 items, at most 4"},
        {R"([1, 2])", "the document is a list, not a mission object"},
        {R"({"missionType": 01})",
         "line 1, column 17: a number does not start with 0 followed by more digits"},
        {R"({"missionType": -007})",
         "line 1, column 18: a number does not start with 0 followed by more digits"},
        {R"({"flightGroups": {}})", "flightGroups: a list was expected, not an object"},
        {R"({"description": "Costs $5"})",
         "description: holds a '$', which the game shows as a line break; write a line break "
         "as \\n"},
    };
    for (const auto& [json, expected] : cases) {
        const auto e = WriteErrors(json);
        ASSERT_FALSE(e.empty()) << json;
        EXPECT_EQ(e.front(), expected) << json;
        EXPECT_EQ(e.size(), 1u) << json;  // each problem is said once
    }
    std::string many = R"({"flightGroups": [)";
    for (int i = 0; i < 256; ++i) many += i ? ", {}" : "{}";
    EXPECT_EQ(WriteErrors(many + "]}").front(),
              "flightGroups: 256 flight groups; the game takes at most 255");
}

TEST(MissionJson, LineBreaksOfFreeTextsAreTheGamesWhateverTheJsonWrites) {
    // "\n" and "\r\n" are both the game's '$'; a CR alone stays a CR.
    Mission m;
    std::vector<std::string> errors;
    ASSERT_TRUE(MissionFromJson(R"({"description": "One\nTwo\r\nThree\rFour",
                                    "failedDebriefing": "\nX"})",
                                m, errors));
    EXPECT_EQ(m.Description, "One\r\nTwo\r\nThree\rFour");
    Mission read = AsRead(m);
    const std::vector<uint8_t>& block = read.BlocksAsRead.Description;
    EXPECT_EQ(std::string(block.begin(), block.begin() + 19),
              std::string("One$Two$Three\rFour\0", 19));
    EXPECT_EQ(read.FailedDebriefing, "\r\nX");

    // A file's own bare LF (not the game's line break) is dumped with its block and kept.
    Mission lf = MakeEmptyMission(14, 0, 0);
    lf.Description = "a\nb";
    lf = AsRead(lf);
    EXPECT_NE(MissionToJson(lf).find("\"descriptionBlock\""), std::string::npos);
    EXPECT_EQ(ThroughJson(lf), WriteMission(lf));
}

TEST(MissionJson, EveryCodedFieldIsDumpedWithTheWordOfItsTable) {
    // The one list that check reads its tables from names dump's values; a
    // key that is not dump's own would name nothing and check a field no one sees.
    Mission m = MakeEmptyMission(14, 1, 0);
    m.Header.SetMissionType(4);
    m.FlightGroups[0]->File.SetWarhead(200);
    m.FlightGroups[0]->File.Orders(0).SetThrottle(5);
    const std::string json = MissionToJson(AsRead(m));
    auto has = [&](const char* key) {
        return json.find('"' + std::string(key) + "\": ") != std::string::npos;
    };
    auto dumped = [&](auto fields) {
        for (const auto& f : fields)
            EXPECT_TRUE(has(f.key) && (!f.nameKey || has(f.nameKey))) << f.key;
    };
    dumped(HeaderCodedFields());
    dumped(FlightGroupCodedFields());
    dumped(OrderCodedFields());
    dumped(GoalCodedFields());
    for (const char* pair : {"\"missionType\": 4,\n  \"missionTypeName\": \"Multiplayer Combat\"",
                             "\"warhead\": 200,\n      \"warheadName\": \"(unknown: 200)\"",
                             "\"throttle\": 5,\n          \"throttleName\": \"50%\""})
        EXPECT_NE(json.find(pair), std::string::npos) << pair;
}

TEST(CliWrite, DumpThenWriteGivesTheBytesOfEveryNewMission) {
    TempFolder dir;
    const std::string cli = Quoted(std::string(VANTOREL_CLI));
    for (const std::string kind : {"melee --teams 8", "combat --players 2",
                                   "training --players 8 --iff rebel", "melee --format xvt"}) {
        ASSERT_EQ(RunCli("new " + kind + " -o " + Quoted(dir / "new.tie")).status, 0) << kind;
        EXPECT_EQ(RunShell(cli + " new " + kind + " -o - | " + cli + " dump - | " + cli +
                           " write - -o " + Quoted(dir / "written.tie")),
                  0)
            << kind;
        EXPECT_EQ(TempFolder::ReadBytes(dir / "written.tie"), TempFolder::ReadBytes(dir / "new.tie"))
            << kind;
    }

    // An error exits 2, names the path and leaves the output as it was.
    TempFolder::WriteBytes(dir / "keep.tie", {1, 2, 3});
    CliResult bad = RunCli("write - -o " + Quoted(dir / "keep.tie"),
                           R"({"flightGroups": [{"iff": 256, "bogus": 1}]})");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err,
              "flightGroups[0].iff: 256 is not a byte (0 to 255)\nflightGroups[0].bogus: unknown "
              "key\n");
    EXPECT_EQ(TempFolder::ReadBytes(dir / "keep.tie"), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(RunCli("write " + Quoted(dir / "absent.json") + " -o x.tie").status, 3);
    EXPECT_EQ(RunCli("write -").status, 1);
}
