// The briefing command block: decoded and encoded back exactly, or refused with its reason.
#include <gtest/gtest.h>

#include "mission/BriefingCommands.h"
#include "support/BriefingBlocks.h"

namespace vantorel {
namespace {

using testing::BlockWriter;

// One event of every kind the game knows, with negative coordinates; the
// four at time 0 take 12 words, the whole list 40.
BlockWriter EveryEventType() {
    BlockWriter w;
    w.Event(0, 6, {120, -40})
        .Event(0, 7, {300, 200})
        .Event(0, 8)
        .Event(0, 17)
        .Event(20, 3)
        .Event(25, 4, {1})
        .Event(65, 5, {2})
        .Event(80, 9, {3})
        .Event(80, 16, {0})
        .Event(102, 18, {4, -120, -40, 2})
        .Event(102, 25, {31, -32768, 32767, 7})
        .Event(9999, 34);
    w.Counts(12, 40).RunningTime(900).Team(0).Team(9, 2);
    w.block[2] = 0xEF;  // the unknown word
    w.block[3] = 0xBE;
    return w;
}

TEST(BriefingCommands, EveryEventTypeAndWhatFollowsTheListComeBackByteForByte) {
    BlockWriter w = EveryEventType();
    ASSERT_EQ(w.Words(), 40);
    w.AreaWord(41, 0x1234).AreaWord(399, 0xFFFF);  // junk after the list
    const BriefingDecode d = DecodeBriefing(w.block);
    ASSERT_TRUE(d.Script) << d.Reason;
    const BriefingScript& s = *d.Script;
    EXPECT_EQ(s.RunningTime, 900);
    EXPECT_EQ(s.UnknownWord, 0xBEEF);
    EXPECT_TRUE(s.ShownTo(0));
    EXPECT_FALSE(s.ShownTo(1));
    EXPECT_EQ(s.Teams[9], 2);
    ASSERT_EQ(s.Events.size(), 12u);
    EXPECT_EQ(s.Events[0].Params[1], -40);
    EXPECT_EQ(s.Events[8].Slot(), 8);
    EXPECT_TRUE(s.Events[8].IsFgTag());
    EXPECT_EQ(s.Events[9].Slot(), 1);
    EXPECT_EQ(s.Events[10].Params[1], -32768);
    EXPECT_EQ(s.Events[11].Type, kBriefingEnd);
    EXPECT_EQ(BriefingListWords(s.Events), 40);
    EXPECT_EQ(BriefingTimeZeroWords(s.Events), 12);
    EXPECT_EQ(EncodeBriefing(s), w.block);
    EXPECT_FALSE(BriefingIsEmpty(w.block));
}

TEST(BriefingCommands, ANewMissionsZeroBlockIsAnEmptyBriefing) {
    BriefingCommandBlock zero{};
    BriefingDecode d = DecodeBriefing(zero);
    ASSERT_TRUE(d.Script);
    EXPECT_TRUE(d.Script->Events.empty());
    EXPECT_EQ(EncodeBriefing(*d.Script), zero);
    EXPECT_TRUE(BriefingIsEmpty(zero));

    // Only an end, seen by nobody: still nothing to show. Seen by a team: something.
    BlockWriter end;
    end.Event(9999, 34).Counts(0, 2);
    EXPECT_TRUE(BriefingIsEmpty(end.block));
    end.Team(3);
    EXPECT_FALSE(BriefingIsEmpty(end.block));
    EXPECT_TRUE(BriefingShownTo(end.block, 3));
    EXPECT_FALSE(BriefingShownTo(end.block, 10));
}

TEST(BriefingCommands, BlocksThatDoNotDecodeSayWhy) {
    const auto reason = [](const BriefingCommandBlock& b) {
        const BriefingDecode d = DecodeBriefing(b);
        EXPECT_FALSE(d.Script);
        return d.Reason;
    };
    BlockWriter unknown = EveryEventType();
    unknown.AreaWord(13, 40);  // the stop event's type
    EXPECT_EQ(reason(unknown.block), "event 4 (at word 12) has the unknown type 40");

    BlockWriter longer = EveryEventType();
    longer.Counts(12, 41);
    EXPECT_EQ(reason(longer.block), "the block counts 41 words of events, but the list takes 40");
    BlockWriter timeZero = EveryEventType();
    timeZero.Counts(10, 40);
    EXPECT_EQ(reason(timeZero.block),
              "the block counts 10 words of events at time 0, but they take 12");
    BlockWriter noList;
    noList.Counts(2, 0);
    EXPECT_NE(reason(noList.block).find("at time 0"), std::string::npos);

    // 400 words of stop points and no end; 398 and a text tag of 6 words.
    BlockWriter full;
    for (int i = 0; i < 200; ++i) full.Event(1, 3);
    full.Counts(0, 400);
    EXPECT_EQ(reason(full.block), "the event list has no end event in its 400 words");
    BlockWriter over;
    for (int i = 0; i < 199; ++i) over.Event(1, 3);
    over.AreaWord(398, 1).AreaWord(399, 18);
    over.Counts(0, 404);
    EXPECT_EQ(reason(over.block), "the event list runs past its 400 words");

    // The last word of the area can hold an end.
    BlockWriter fits;
    for (int i = 0; i < 199; ++i) fits.Event(1, 3);
    fits.Event(9999, 34).Counts(0, 400);
    const BriefingDecode d = DecodeBriefing(fits.block);
    ASSERT_TRUE(d.Script) << d.Reason;
    EXPECT_EQ(EncodeBriefing(*d.Script), fits.block);
}

TEST(BriefingCommands, TheTimeZeroCountIsTheOpeningRunOfEventsAtTimeZero) {
    BlockWriter w;
    w.Event(0, 3).Event(5, 3).Event(0, 5, {1}).Event(9999, 34).Counts(2, 9);
    const BriefingDecode d = DecodeBriefing(w.block);
    ASSERT_TRUE(d.Script) << d.Reason;
    EXPECT_EQ(EncodeBriefing(*d.Script), w.block);
}

}  // namespace
}  // namespace vantorel
