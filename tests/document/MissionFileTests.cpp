// Whole mission files: round trips, a hand-made file, text blocks, variants, short reads.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <random>
#include <thread>

#ifdef __unix__
#include <sys/stat.h>
#endif

#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "support/FakePrompter.h"
#include "support/MissionGenerator.h"
#include "support/TempFolder.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {

Mission ReadOk(const std::vector<uint8_t>& bytes) {
    Mission m;
    ReadResult r = ReadMission(bytes, m);
    EXPECT_TRUE(r.ok) << r.error;
    EXPECT_FALSE(r.trailingData);
    return m;
}

void ExpectSameMission(const Mission& a, const Mission& b) {
    EXPECT_EQ(a.Header, b.Header);
    ASSERT_EQ(a.FlightGroups.size(), b.FlightGroups.size());
    for (size_t i = 0; i < a.FlightGroups.size(); ++i) {
        EXPECT_EQ(a.FlightGroups[i]->File, b.FlightGroups[i]->File) << "flight group " << i;
        EXPECT_EQ(a.FlightGroups[i]->GoalStrings, b.FlightGroups[i]->GoalStrings)
            << "flight group " << i;
    }
    ASSERT_EQ(a.Messages.size(), b.Messages.size());
    for (size_t i = 0; i < a.Messages.size(); ++i)
        EXPECT_EQ(a.Messages[i]->File, b.Messages[i]->File);
    EXPECT_EQ(a.GlobalGoals, b.GlobalGoals);
    EXPECT_EQ(a.Teams, b.Teams);
    EXPECT_EQ(a.Briefings, b.Briefings);
    EXPECT_EQ(*a.GoalStrings, *b.GoalStrings);
    EXPECT_EQ(a.Description, b.Description);
    if (a.Header.IsBop()) {
        EXPECT_EQ(a.SuccessfulDebriefing, b.SuccessfulDebriefing);
        EXPECT_EQ(a.FailedDebriefing, b.FailedDebriefing);
    }
}

}  // namespace

TEST(MissionFile, RandomMissionsSurviveWriteReadWrite) {
    MissionGenerator gen(20261206);
    for (int round = 0; round < 60; ++round) {
        MissionGenerator::Shape shape;
        if (round == 0) shape.flightGroups = shape.messages = 0;
        if (round == 1) shape.formatVersion = 12;
        if (round == 2) shape.formatVersion = 14;
        Mission original = gen.Make(shape);
        Mission copy = original;
        std::vector<uint8_t> first = WriteMission(copy);
        Mission read = ReadOk(first);
        ExpectSameMission(original, read);
        EXPECT_EQ(WriteMission(read), first) << "round " << round;
    }
}

TEST(MissionFile, HandMadeFileReadsIntoTheNamedFields) {
    // A BoP file with one flight group and one message, laid out by hand.
    std::vector<uint8_t> f;
    auto put = [&](std::initializer_list<uint8_t> b) { f.insert(f.end(), b); };
    auto zeros = [&](size_t n) { f.insert(f.end(), n, 0); };
    auto text = [&](size_t at, const char* s) { std::memcpy(f.data() + at, s, std::strlen(s)); };

    zeros(164);
    f[0] = 14;
    f[2] = 1;
    f[4] = 1;
    f[0x64] = 4;
    const size_t fg = f.size();
    zeros(1378);
    text(fg, "Red Squadron Leader!");  // 20 characters, no terminator
    f[fg + 0x52] = 96;                 // beyond the table: kept as it is
    f[fg + 0x53] = 3;
    f[fg + 0x466] = 0x38;  // X of S1 = -200
    f[fg + 0x467] = 0xFF;
    f[fg + 0x4EA] = 1;
    f[fg + 0x06E] = 5;  // arrival trigger 1
    f[fg + 0x06F] = 1;
    f[fg + 0x070] = 7;
    f[fg + 0x071] = 2;
    f[fg + 0x0A2 + 82] = 13;            // order 2's command
    f[fg + 0x1F5 + 78 * 7 + 3] = 0xFE;  // goal 8's points = -2
    const size_t msg = f.size();
    zeros(116);
    text(msg + 2, "4 is not a colour");
    f[msg + 0x42 + 9] = 1;
    f[msg + 0x72] = 30;
    zeros(1280);
    const size_t teams = f.size();
    zeros(4870);
    text(teams + 487 * 2 + 2, "ABCDEFGHIJKLMNOPQRSTUVWX");  // 24 characters, no terminator
    const size_t briefing = f.size();
    zeros(820);
    f[briefing] = 0x42;
    put({0, 0});                         // tag 1: length 0, nothing follows
    put({5, 0, 'h', 'i', 0, 'x', 'y'});  // tag 2: the text ends at its zero byte
    zeros(2 * 30);
    zeros(2 * 32);
    for (int b = 1; b < 8; ++b) zeros(820 + 128);
    const size_t fgGoalStrings = f.size();
    zeros(1536);
    text(fgGoalStrings + 192 * 2 + 64, "Goal 3 done");
    const size_t goalStrings = f.size();
    zeros(53760);
    text(goalStrings + (28 * 4 + 5) * 192 + 128, "Team 5 failed");
    const size_t success = f.size();
    zeros(4096);
    text(success, "Well$done");
    zeros(4096);
    const size_t description = f.size();
    zeros(4096);
    text(description, "A$B");

    Mission m;
    FakePrompter prompter;
    ASSERT_TRUE(LoadMission(f, m, prompter));
    EXPECT_TRUE(prompter.shown.empty());
    ASSERT_EQ(m.CountFlightGroups(), 1);
    const FlightGroupRecord& r = m.FlightGroups[0]->File;
    EXPECT_EQ(r.Name(), "Red Squadron Leader!");
    EXPECT_EQ(r.CraftType(), 96);
    EXPECT_EQ(r.WaypointX(0), -200);
    EXPECT_EQ(m.FlightGroups[0]->FirstEnabledStartPoint(), 0);
    EXPECT_EQ(r.ArrivalTrigger(0), (Trigger{5, 1, 7, 2}));
    EXPECT_EQ(r.Orders(1).Command(), 13);
    EXPECT_EQ(r.Goals(7).Points(), -2);
    const MessageRecord& mr = m.Messages[0]->File;
    EXPECT_EQ(mr.Colour(), 0);
    EXPECT_EQ(mr.TextWithoutColour(), "4 is not a colour");
    EXPECT_EQ(mr.SentToTeam(9), 1);
    EXPECT_EQ(mr.Delay(), 30);
    EXPECT_EQ(m.TeamDisplayName(2), "ABCDEFGHIJKLMNOPQRSTUVWX");
    EXPECT_EQ(m.TeamDisplayName(3), "Team 4");
    EXPECT_EQ(m.TeamDisplayName(200), "Team 201");
    EXPECT_EQ(m.FlightGroups[0]->GoalStrings.Get(2, FgGoalStrings::kComplete), "Goal 3 done");
    EXPECT_EQ(m.GoalStrings->Get(4, 5, GlobalGoalStrings::kFailure), "Team 5 failed");
    EXPECT_EQ(m.Briefings[0].Commands[0], 0x42);
    EXPECT_EQ(m.Briefings[0].Tags[0], "");
    EXPECT_EQ(m.Briefings[0].Tags[1], "hi");
    EXPECT_EQ(m.SuccessfulDebriefing, "Well\r\ndone");
    EXPECT_EQ(m.Description, "A\r\nB");
}

TEST(MissionFile, MessageIndexesCountsAndColoursAreWrittenAsTheGameReadsThem) {
    Mission m = MakeEmptyMission(14, 2, 3);
    m.Header.SetFlightGroupCount(40);
    m.Messages[0]->File.SetIndex(7);
    m.Messages[1]->File.SetIndex(3);
    m.Messages[2]->File.SetIndex(9);
    m.Messages[0]->File.SetText("2Gold leader");
    m.Messages[1]->File.SetText(std::string(80, 'x'));  // cut to leave room for the terminator
    Mission read = ReadOk(WriteMission(m));
    EXPECT_EQ(read.Header.FlightGroupCount(), 2);
    EXPECT_EQ(read.Header.MessageCount(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(read.Messages[size_t(i)]->File.Index(), i);
    EXPECT_EQ(read.Messages[0]->File.Colour(), 2);
    EXPECT_EQ(read.Messages[0]->File.TextWithoutColour(), "Gold leader");
    EXPECT_EQ(read.Messages[1]->File.Text(), std::string(63, 'x'));
}

TEST(MissionFile, VariantDecidesTheTextBlocksAndSwitchingToXvtCutsThem) {
    for (uint16_t version : {12, 13, 14, 15}) {
        Mission m = MakeEmptyMission(version);
        m.SuccessfulDebriefing = "won";
        m.FailedDebriefing = "lost";
        m.Description = "desc";
        m.GlobalGoals[0].SetU8(0, 0xAB);
        std::vector<uint8_t> bytes = WriteMission(m);
        const bool bop = version >= 14;
        // No flight groups or messages: the team goals follow the header.
        EXPECT_EQ(bytes[164], 0xAB);
        EXPECT_EQ(bytes.size(), 164u + 1280 + 4870 + 8 * 948 + 53760 + (bop ? 3 * 4096 : 1024))
            << version;
        Mission read = ReadOk(bytes);
        EXPECT_EQ(read.CountFlightGroups(), 0);
        EXPECT_EQ(read.GlobalGoals[0].U8(0), 0xAB);
        EXPECT_EQ(read.Description, "desc");
        EXPECT_EQ(read.SuccessfulDebriefing, bop ? "won" : "");
    }
    // A BoP mission switched to XvT: no debriefings, the description cut.
    Mission m = MakeEmptyMission(14);
    m.SuccessfulDebriefing = "won";
    m.Description = std::string(2000, 'd');
    m.Header.SetFormatVersion(12);
    Mission read = ReadOk(WriteMission(m));
    EXPECT_EQ(read.Description, std::string(1024, 'd'));
    EXPECT_EQ(read.SuccessfulDebriefing, "");
}

TEST(MissionFile, DescriptionConversionAtTheBlockEdge) {
    Mission m = MakeEmptyMission(12);
    // 1023 characters and one line break fill the XvT block exactly.
    m.Description = std::string(500, 'a') + "\r\n" + std::string(523, 'b');
    std::vector<uint8_t> bytes = WriteMission(m);
    const uint8_t* block = bytes.data() + bytes.size() - 1024;
    EXPECT_EQ(block[500], '$');
    EXPECT_EQ(std::count(block, block + 1024, 0), 0);
    EXPECT_EQ(ReadOk(bytes).Description, m.Description);

    // A lone CR or LF is an ordinary character; only the pair becomes '$'.
    m.Description = "A\r\nB\nC\rD";
    Mission read = ReadOk(WriteMission(m));
    EXPECT_EQ(read.Description, "A\r\nB\nC\rD");
}

TEST(MissionFile, TrailingByteWarnsLoadsAndIsNotWrittenBack) {
    Mission m = MakeEmptyMission(14, 1, 1);
    m.FlightGroups[0]->File.SetName("Alpha");
    std::vector<uint8_t> bytes = WriteMission(m);
    std::vector<uint8_t> longer = bytes;
    longer.push_back(0x5A);

    Mission read;
    FakePrompter prompter;
    ASSERT_TRUE(LoadMission(longer, read, prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(
        prompter.shown[0].text,
        "Warning: Not all of the file was loaded\nMost probable cause: Newer or unsupported file "
        "version");
    EXPECT_EQ(read.FlightGroups[0]->File.Name(), "Alpha");
    EXPECT_EQ(WriteMission(read), bytes);
}

TEST(MissionFile, BytesBeyondATerminatorSurviveUntilTheTextIsEdited) {
    Mission m = MakeEmptyMission(14);
    m.Briefings[2].Tags[5] = "tag";
    m.Description = "desc";
    std::vector<uint8_t> bytes = WriteMission(m);
    // Stale bytes after a terminator, a literal CR LF, a tag running on past a zero byte.
    const size_t description = bytes.size() - 4096;
    const size_t success = description - 2 * 4096;
    bytes[description + 10] = 'Z';
    bytes[success] = 'a';
    bytes[success + 1] = '\r';
    bytes[success + 2] = '\n';
    bytes[success + 3] = 'b';
    const size_t tag = 164 + 1280 + 4870 + 2 * 948 + 820 + 2 * 5;
    ASSERT_EQ(bytes[tag], 3);
    bytes[tag + 2 + 1] = 0;  // "t\0g"

    Mission read = ReadOk(bytes);
    EXPECT_EQ(read.Description, "desc");
    EXPECT_EQ(read.Briefings[2].Tags[5], "t");
    EXPECT_EQ(WriteMission(read), bytes);

    // Once edited, the texts are written afresh.
    read.Description = "new";
    read.Briefings[2].Tags[5] = "xy";
    std::vector<uint8_t> edited = WriteMission(read);
    Mission again = ReadOk(edited);
    EXPECT_EQ(again.Description, "new");
    EXPECT_EQ(again.Briefings[2].Tags[5], "xy");
    EXPECT_EQ(edited[edited.size() - 4096 + 10], 0);
}

TEST(MissionFileRefusal, EveryTruncatedBlockIsRefusedByName) {
    Mission m = MakeEmptyMission(14, 1, 1);
    m.Briefings[0].Tags[0] = "tag";
    m.Briefings[0].Strings[0] = "str";
    const std::vector<uint8_t> whole = WriteMission(m);

    // Cut points (file lengths) inside each block, derived from the layout.
    struct Cut {
        size_t length;
        const char* refusal;
    };
    std::vector<Cut> cuts;
    size_t at = 0;
    auto block = [&](size_t size, const char* refusal) {
        cuts.push_back({at, refusal});
        cuts.push_back({at + size - 1, refusal});
        at += size;
    };
    block(164, "Invalid File Format: Header");
    block(1378, "Invalid File Format: Flight Group");
    block(116, "Invalid File Format: Radio Message");
    block(1280, "Invalid File Format: Team Goals");
    block(4870, "Invalid File Format: Completion Message");
    block(820, "Invalid File Format: Briefing Commands");
    block(2, "Invalid File Format: Briefing Tags");  // length of "tag"
    block(3, "Invalid File Format: Briefing Tags");  // its bytes
    block(62, "Invalid File Format: Briefing Tags");
    block(2, "Invalid File Format: Briefing Text");
    block(3, "Invalid File Format: Briefing Text");
    block(62, "Invalid File Format: Briefing Text");
    for (int b = 1; b < 8; ++b) {
        block(820, "Invalid File Format: Briefing Commands");
        block(64, "Invalid File Format: Briefing Tags");
        block(64, "Invalid File Format: Briefing Text");
    }
    block(1536, "Invalid File Format: FG Goal Strings");
    block(53760, "Invalid File Format: Global Goal Strings");
    block(4096, "Invalid File Format: BoP Success Debriefing");
    block(4096, "Invalid File Format: BoP Failure Debriefing");
    block(4096, "Invalid File Format: Mission Description");
    ASSERT_EQ(at, whole.size());

    Mission target = MakeEmptyMission(12, 3, 0);
    target.Description = "keep me";
    for (const Cut& cut : cuts) {
        std::vector<uint8_t> shortFile(whole.begin(), whole.begin() + long(cut.length));
        FakePrompter prompter;
        EXPECT_FALSE(LoadMission(shortFile, target, prompter)) << cut.length;
        ASSERT_EQ(prompter.shown.size(), 1u) << cut.length;
        EXPECT_EQ(prompter.shown[0].text, cut.refusal) << "file cut to " << cut.length << " bytes";
        EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Error);
    }
    // The refused reads left the mission that was there alone.
    EXPECT_EQ(target.CountFlightGroups(), 3);
    EXPECT_EQ(target.Description, "keep me");
}

TEST(MissionFileRefusal, CountsPromisingMoreThanTheFileHolds) {
    Mission m = MakeEmptyMission(12, 2, 0);
    std::vector<uint8_t> bytes = WriteMission(m);
    bytes[2] = 0xFF;  // 65535 flight groups: runs out inside the second block
    bytes[3] = 0xFF;
    Mission read;
    ReadResult r = ReadMission(bytes, read);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Invalid File Format: Flight Group");
}

// A file is read whole and exactly, whether its size is known (a regular
// file, read in one go) or not (a pipe, read in growing steps).
TEST(MissionFileRead, WholeFilesAreReadExactlyWhateverTheirSize) {
    TempFolder dir;
    std::mt19937 rng(7);
    for (size_t size :
         {size_t(0), size_t(1), size_t(65535), size_t(65536), size_t(65537), size_t(300001)}) {
        std::vector<uint8_t> bytes(size);
        for (auto& b : bytes) b = uint8_t(rng());
        const auto path = dir / ("f" + std::to_string(size));
        TempFolder::WriteBytes(path, bytes);
        std::vector<uint8_t> read{1, 2, 3};
        std::string error;
        ASSERT_TRUE(ReadWholeFile(path, read, error)) << size << ": " << error;
        EXPECT_TRUE(read == bytes) << size;
    }
    // A folder is refused as one, the bytes left alone.
    std::vector<uint8_t> kept{1, 2, 3};
    std::string why;
    EXPECT_FALSE(ReadWholeFile(dir.Path(), kept, why));
    EXPECT_EQ(why, "it is a folder");
    EXPECT_EQ(kept, (std::vector<uint8_t>{1, 2, 3}));
#ifdef __unix__
    // A pipe says nothing of its size: 200,000 bytes come through whole.
    std::vector<uint8_t> bytes(200000);
    for (auto& b : bytes) b = uint8_t(rng());
    TempFolder::WriteBytes(dir / "source", bytes);
    const auto pipe = dir / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::thread writer([&] {
        std::ofstream out(pipe, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    });
    std::vector<uint8_t> read;
    std::string error;
    const bool ok = ReadWholeFile(pipe, read, error);
    writer.join();
    ASSERT_TRUE(ok) << error;
    EXPECT_TRUE(read == bytes);
#endif
}
