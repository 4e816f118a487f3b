// Briefing edits: counts and the end kept right, the 400-word limit, read-only blocks, Undo.
#include <gtest/gtest.h>

#include "briefing/BriefingEdits.h"
#include "document/LevelDocument.h"
#include "mission/ByteRecord.h"
#include "support/BriefingBlocks.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"

namespace vantorel {
namespace {

using testing::BlockWriter;
using testing::FakePrompter;
using testing::FakeSettings;

BriefingEvent Event(uint16_t time, uint16_t type, std::array<int16_t, 4> params = {}) {
    BriefingEvent e;
    e.Time = time;
    e.Type = type;
    e.Params = params;
    return e;
}

class BriefingEditsTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.SetInt("Settings", "InitialFG", 0);
        doc.OnNewDocument();
    }
    BriefingCommandBlock& Block(int b = 0) {
        return doc.GetMission().Briefings[size_t(b)].Commands;
    }
    // The block's own counts, read where the game reads them.
    int TimeZeroCount() { return ReadU16(Block().data() + 4); }
    int ListCount() { return ReadU16(Block().data() + 6) | ReadU16(Block().data() + 8) << 16; }
    int AreaWord(int w) { return ReadU16(Block().data() + 10 + 2 * w); }
    std::vector<BriefingEvent> Events() {
        BriefingDecode d = DecodeBriefing(Block());
        EXPECT_TRUE(d.Script) << d.Reason;
        return d.Script ? d.Script->Events : std::vector<BriefingEvent>{};
    }
    void Load(const BriefingCommandBlock& block) {
        Block() = block;
        doc.ForgetHistory(false);
    }

    FakeSettings settings;
    FakePrompter prompter;
    LevelDocument doc{settings, prompter};
};

TEST_F(BriefingEditsTest, EveryEditRecomputesBothCountsAndKeepsTheEndLast) {
    // The first event of an empty briefing brings the end with it.
    ASSERT_TRUE(InsertBriefingEvent(doc, 0, 0, Event(0, kBriefingCaption, {2})));
    EXPECT_EQ(Events(), (std::vector{Event(0, kBriefingCaption, {2}), Event(9999, kBriefingEnd)}));
    EXPECT_EQ(TimeZeroCount(), 3);
    EXPECT_EQ(ListCount(), 5);

    // Past the end is put before it.
    ASSERT_TRUE(InsertBriefingEvent(doc, 0, 99, Event(40, kBriefingMoveMap, {-5, 7})));
    ASSERT_TRUE(InsertBriefingEvent(doc, 0, 0, Event(0, kBriefingStop)));
    EXPECT_EQ(Events().back(), Event(9999, kBriefingEnd));
    EXPECT_EQ(TimeZeroCount(), 5);
    EXPECT_EQ(ListCount(), 11);

    // Shifting moves the events at time 0 out of the opening count.
    ASSERT_TRUE(ShiftBriefingEvents(doc, 0, 0, 20));
    EXPECT_EQ(TimeZeroCount(), 0);
    EXPECT_EQ(Events()[2].Time, 60);
    EXPECT_EQ(Events()[3].Time, 9999);
    ASSERT_TRUE(ShiftBriefingEvents(doc, 0, 30, -100));  // not below 0
    EXPECT_EQ(Events()[2].Time, 0);
    EXPECT_EQ(Events()[0].Time, 20);

    ASSERT_TRUE(MoveBriefingEvent(doc, 0, 2, 0));
    EXPECT_EQ(Events()[0].Type, kBriefingMoveMap);
    EXPECT_EQ(TimeZeroCount(), 4);
    ASSERT_TRUE(ChangeBriefingEvent(doc, 0, 1, Event(0, kBriefingTextTag1 + 2, {1, 2, 3, 4})));
    EXPECT_EQ(TimeZeroCount(), 10);
    EXPECT_EQ(ListCount(), 15);
    ASSERT_TRUE(SetBriefingRunningTime(doc, 0, 900));
    ASSERT_TRUE(SetBriefingTeam(doc, 0, 9, true));
    EXPECT_TRUE(BriefingShownTo(Block(), 9));
    // Teams 0 to 9 are the briefing's; -1 and 10 change nothing.
    ASSERT_TRUE(SetBriefingTeam(doc, 0, 0, !BriefingShownTo(Block(), 0)));
    ASSERT_TRUE(SetBriefingTeam(doc, 0, 0, !BriefingShownTo(Block(), 0)));
    const auto before = Block();
    EXPECT_FALSE(SetBriefingTeam(doc, 0, -1, true));
    EXPECT_FALSE(SetBriefingTeam(doc, 0, kBriefingTeamCount, true));
    EXPECT_EQ(Block(), before);

    // The end stays: it cannot be deleted, moved or made another event, only retimed.
    EXPECT_FALSE(DeleteBriefingEvent(doc, 0, 3));
    EXPECT_FALSE(MoveBriefingEvent(doc, 0, 3, 0));
    EXPECT_FALSE(MoveBriefingEvent(doc, 0, 0, 3));
    EXPECT_FALSE(ChangeBriefingEvent(doc, 0, 3, Event(9999, kBriefingStop)));
    EXPECT_FALSE(ChangeBriefingEvent(doc, 0, 0, Event(0, kBriefingEnd)));
    EXPECT_FALSE(InsertBriefingEvent(doc, 0, 0, Event(0, kBriefingEnd)));
    EXPECT_FALSE(InsertBriefingEvent(doc, 0, 0, Event(0, 40)));  // parameters unknown
    ASSERT_TRUE(ChangeBriefingEvent(doc, 0, 3, Event(1200, kBriefingEnd)));

    // Deleting gives the freed words back as zeros.
    ASSERT_TRUE(DeleteBriefingEvent(doc, 0, 1));
    EXPECT_EQ(ListCount(), 9);
    for (int w = 9; w < 15; ++w) EXPECT_EQ(AreaWord(w), 0) << w;

    // Each edit is one named step; undoing them all gives the zero block back.
    EXPECT_EQ(doc.UndoName(), "Delete Text Tag");
    while (doc.CanUndo()) doc.Undo();
    EXPECT_EQ(Block(), BriefingCommandBlock{});
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(BriefingEditsTest, WordsAfterTheListStayUnlessTheListGrowsOverThem) {
    BlockWriter w;
    w.Event(0, kBriefingCaption, {1}).Event(10, kBriefingStop).Event(9999, kBriefingEnd);
    w.Counts(3, 7).AreaWord(8, 0x5555).AreaWord(300, 0x1234);
    Load(w.block);
    ASSERT_TRUE(DeleteBriefingEvent(doc, 0, 1));
    EXPECT_EQ(ListCount(), 5);
    EXPECT_EQ(AreaWord(5), 0);
    EXPECT_EQ(AreaWord(6), 0);
    EXPECT_EQ(AreaWord(8), 0x5555);
    EXPECT_EQ(AreaWord(300), 0x1234);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Block(), w.block);
}

TEST_F(BriefingEditsTest, AListPast400WordsIsRefusedAndChangesNothing) {
    BlockWriter w;
    for (int i = 0; i < 198; ++i) w.Event(1, kBriefingStop);
    w.Event(9999, kBriefingEnd).Counts(0, 398);
    Load(w.block);

    EXPECT_FALSE(InsertBriefingEvent(doc, 0, 0, Event(1, kBriefingCaption, {0})));
    EXPECT_FALSE(ChangeBriefingEvent(doc, 0, 5, Event(1, kBriefingTextTag1, {0, 0, 0, 0})));
    EXPECT_EQ(prompter.Texts(),
              (std::vector<std::string>{
                  "A briefing holds at most 400 words of events; this one would need 401.",
                  "A briefing holds at most 400 words of events; this one would need 402."}));
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Warning);
    EXPECT_EQ(Block(), w.block);
    EXPECT_FALSE(doc.CanUndo());

    // Exactly 400 fits.
    EXPECT_TRUE(InsertBriefingEvent(doc, 0, 0, Event(1, kBriefingStop)));
    EXPECT_EQ(ListCount(), 400);
}

TEST_F(BriefingEditsTest, ABlockThatDoesNotDecodeIsReadOnlyButItsTextsAreNot) {
    BlockWriter w;
    w.Event(0, 40).Event(9999, kBriefingEnd).Counts(0, 4);
    Load(w.block);
    EXPECT_FALSE(InsertBriefingEvent(doc, 0, 0, Event(0, kBriefingStop)));
    EXPECT_FALSE(SetBriefingRunningTime(doc, 0, 20));
    EXPECT_FALSE(SetBriefingTeam(doc, 0, 0, true));
    EXPECT_FALSE(ShiftBriefingEvents(doc, 0, 0, 5));
    EXPECT_EQ(Block(), w.block);
    EXPECT_FALSE(doc.CanUndo());

    // Typing into one box is one step.
    ASSERT_TRUE(SetBriefingString(doc, 0, 31, "[R", "string31"));
    ASSERT_TRUE(SetBriefingString(doc, 0, 31, "[Red]", "string31"));
    ASSERT_TRUE(SetBriefingTag(doc, 0, 0, "Rendezvous"));
    EXPECT_FALSE(SetBriefingTag(doc, 0, 32, "past the tags"));
    EXPECT_EQ(doc.UndoName(), "Change Briefing Tag");
    doc.Undo();
    EXPECT_EQ(doc.UndoName(), "Change Briefing String");
    doc.Undo();
    EXPECT_EQ(doc.GetMission().Briefings[0].Strings[31], "");
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(BriefingEditsTest, StepsAreNamedForTheirEventsAndSeveralMakeOneStep) {
    ASSERT_TRUE(InsertBriefingEvents(
        doc, 0, 0,
        {Event(0, kBriefingStop), Event(10, kBriefingFgTag1, {0}), Event(20, kBriefingCaption),
         Event(30, kBriefingStop), Event(40, kBriefingStop)}));
    EXPECT_EQ(doc.UndoName(), "Insert 5 Briefing Events");
    ASSERT_TRUE(InsertBriefingEvent(doc, 0, 2, Event(15, kBriefingZoomMap, {20, 20})));
    EXPECT_EQ(doc.UndoName(), "Insert Zoom Map");
    ASSERT_TRUE(MoveBriefingEvent(doc, 0, 1, 0));
    EXPECT_EQ(doc.UndoName(), "Move Flight Group Tag");

    // A new time carries the events after it along; the end stays.
    ASSERT_TRUE(ChangeBriefingEvent(doc, 0, 3, Event(50, kBriefingCaption), true));
    EXPECT_EQ(doc.UndoName(), "Change Caption");
    std::vector<int> times;
    for (const BriefingEvent& e : Events()) times.push_back(e.Time);
    EXPECT_EQ(times, (std::vector<int>{10, 0, 15, 50, 60, 70, 9999}));
    ASSERT_TRUE(ChangeBriefingEvent(doc, 0, 4, Event(0, kBriefingStop)));
    EXPECT_EQ(Events()[5].Time, 70);

    // Several deleted at once, the end among them left alone.
    ASSERT_TRUE(DeleteBriefingEvents(doc, 0, {6, 4, 1, 4, 40}));
    EXPECT_EQ(doc.UndoName(), "Delete 2 Briefing Events");
    EXPECT_EQ(Events().size(), 5u);
    EXPECT_FALSE(DeleteBriefingEvents(doc, 0, {4}));
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Events().size(), 7u);
}

TEST_F(BriefingEditsTest, ATagLongEnoughToCrashTheGameIsRefused) {
    EXPECT_FALSE(SetBriefingTag(doc, 0, 3, std::string(40, 't')));
    EXPECT_EQ(prompter.Texts(),
              (std::vector<std::string>{"A tag of 40 characters or more crashes the game when a "
                                        "briefing shows it; this one has 40."}));
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_TRUE(SetBriefingTag(doc, 0, 3, std::string(39, 't')));
}

TEST_F(BriefingEditsTest, ABriefingPositionMovesAsOneStepAndIsEnabled) {
    FlightGroup* fg = doc.AddFlightGroup();
    ASSERT_TRUE(fg);
    doc.ForgetHistory(false);
    fg->File.SetWaypointZ(kFirstBriefingPoint + 3, 77);
    ASSERT_TRUE(MoveBriefingPosition(doc, 3, 0, -40000, 1600));
    EXPECT_EQ(doc.UndoName(), "Move Briefing Position");
    EXPECT_EQ(fg->File.WaypointX(kFirstBriefingPoint + 3), -32768);  // held at the field's end
    EXPECT_EQ(fg->File.WaypointY(kFirstBriefingPoint + 3), 1600);
    EXPECT_EQ(fg->File.WaypointZ(kFirstBriefingPoint + 3), 77);
    EXPECT_TRUE(fg->File.WaypointEnabled(kFirstBriefingPoint + 3));
    EXPECT_FALSE(MoveBriefingPosition(doc, 3, 1, 0, 0));
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(fg->File.WaypointEnabled(kFirstBriefingPoint + 3));
}

TEST(BriefingInsertPosition, KeepsTimeOrderAndStaysBeforeTheEnd) {
    BriefingScript s;
    EXPECT_EQ(BriefingInsertPosition(s, 5), 0);
    s.Events = {Event(0, kBriefingStop), Event(10, kBriefingStop), Event(10, kBriefingStop),
                Event(30, kBriefingStop), Event(9999, kBriefingEnd)};
    EXPECT_EQ(BriefingInsertPosition(s, 0), 1);
    EXPECT_EQ(BriefingInsertPosition(s, 10), 3);
    EXPECT_EQ(BriefingInsertPosition(s, 20000), 4);
}

}  // namespace
}  // namespace vantorel
