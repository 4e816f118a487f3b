// Flight group tags of briefings follow their flight groups through a delete.
#include <gtest/gtest.h>

#include "document/FlightGroupReferences.h"
#include "document/LevelDocument.h"
#include "support/BriefingBlocks.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"

namespace vantorel {
namespace {

using testing::BlockWriter;

TEST(BriefingReferences, ADeleteRenumbersFlightGroupTagsListsTheLostOnesAndUndoesExactly) {
    testing::FakeSettings settings;
    testing::FakePrompter prompter;
    LevelDocument doc(settings, prompter);
    settings.SetInt("Settings", "InitialFG", 0);
    doc.OnNewDocument();
    Mission& m = doc.GetMission();
    for (const char* name : {"Red", "Gold", "Blue", "Green"})
        doc.AddFlightGroup()->File.SetName(name);

    // Tags of Red (0), Gold (1) and Green (3); a caption whose string index
    // looks like a flight group; junk after the list.
    BlockWriter w;
    w.Event(0, kBriefingFgTag1, {0})
        .Event(20, kBriefingFgTag1 + 1, {1})
        .Event(30, kBriefingFgTag1 + 7, {3})
        .Event(40, kBriefingCaption, {3})
        .Event(9999, kBriefingEnd);
    w.Counts(3, 14).AreaWord(200, 0xABCD);
    m.Briefings[2].Commands = w.block;
    // A block that does not decode is carried as it is.
    BlockWriter odd;
    odd.Event(0, kBriefingFgTag1, {3}).Event(0, 40).Counts(3, 5);
    m.Briefings[5].Commands = odd.block;
    doc.ForgetHistory(false);

    m.FlightGroups[1]->Selected = 1;  // Gold
    ASSERT_EQ(doc.DeleteSelectedFlightGroups(), 1);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("will then name no flight group:\n"
                                          "Briefing 3 at 0:01.00: flight group tag 2: Gold (1)\n"),
              std::string::npos)
        << prompter.shown[0].text;
    EXPECT_EQ(ReferencesToFlightGroups(m, {0}).size(), 1u);

    const BriefingDecode d = DecodeBriefing(m.Briefings[2].Commands);
    ASSERT_TRUE(d.Script) << d.Reason;
    const auto& e = d.Script->Events;
    EXPECT_EQ(e[0].Params[0], 0);
    EXPECT_EQ(e[1].Params[0], kNoFlightGroup);
    EXPECT_EQ(e[2].Params[0], 2);  // Green, now the third
    EXPECT_EQ(e[3].Params[0], 3);  // a string, not a flight group
    EXPECT_EQ(d.Script->Area[400], 0xCD);
    EXPECT_EQ(m.Briefings[5].Commands, odd.block);

    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(m.Briefings[2].Commands, w.block);
    EXPECT_EQ(m.FlightGroups[1]->File.Name(), "Gold");
}

}  // namespace
}  // namespace vantorel
