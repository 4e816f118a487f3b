// Every block of a mission file refuses a short read with its own message,
// and nothing of a refused file is kept.
#include <gtest/gtest.h>

#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "support/FakePrompter.h"
#include "support/MissionGenerator.h"

using namespace vantorel;
using namespace vantorel::testing;

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
