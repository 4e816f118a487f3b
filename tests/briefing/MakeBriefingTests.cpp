// Make Briefing: who sees it, what it frames, tags and says, what it leaves
// alone, and Undo.
#include <gtest/gtest.h>

#include "briefing/BriefingPlayback.h"
#include "briefing/MakeBriefing.h"
#include "catalogue/ConditionWordLists.h"
#include "document/LevelDocument.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"
#include "support/MapScene.h"
#include "support/MissionGenerator.h"

namespace vantorel {
namespace {

constexpr int kDestroyed = 2;  // the condition "must be destroyed"

// Two players on team 1 (0 and 2), one enemy group on team 2 (1) and a
// station (3) with no start point. Team 1 must destroy 1; group 3 must not
// be destroyed by team 1's flight group goal; team 2 has a goal too.
Mission GoalMission() {
    Mission m = testing::MakeEmptyMission(12, 4);
    const int starts[3][2] = {{0, 0}, {3200, 0}, {0, 1600}};
    for (int i = 0; i < 4; ++i) {
        FlightGroupRecord& r = m.FlightGroups[size_t(i)]->File;
        r.SetName(std::string(1, char('A' + i)));
        r.SetCraftType(1);
        r.SetTeam(i == 1 ? 1 : 0);
        if (i < 3) testing::SetMapPoint(*m.FlightGroups[size_t(i)], 0, starts[i][0], starts[i][1]);
    }
    m.FlightGroups[0]->File.SetPlayerNumber(1);
    m.FlightGroups[2]->File.SetPlayerNumber(2);
    for (int t = 0; t < kTeamCount; ++t)
        for (int c = 0; c < 4; ++c) m.GlobalGoalSet(t, 0)->SetTrigger(c, {kConditionTrue, 0, 0, 0});
    m.GlobalGoalSet(0, 0)->SetTrigger(1, {kDestroyed, kVariableFlightGroup, 1, 0});
    m.GlobalGoalSet(1, 0)->SetTrigger(0, {kDestroyed, kVariableFlightGroup, 0, 0});
    FgGoal g = m.FlightGroups[3]->File.Goals(0);
    g.SetTeam(0);
    g.SetArgument(1);  // must not
    g.SetCondition(kDestroyed);
    FgGoal bonus = m.FlightGroups[3]->File.Goals(1);
    bonus.SetTeam(0);
    bonus.SetArgument(2);  // a bonus goal is not primary
    bonus.SetCondition(kDestroyed);
    return m;
}

std::vector<BriefingEvent> EventsOf(const Mission& m, int b) {
    BriefingDecode d = DecodeBriefing(m.Briefings[size_t(b)].Commands);
    EXPECT_TRUE(d.Script) << d.Reason;
    return d.Script ? d.Script->Events : std::vector<BriefingEvent>{};
}

TEST(MakeBriefing, TagsPlayersThenEachPrimaryGoalWithItsCaption) {
    Mission m = GoalMission();
    const MakeBriefingResult r = MakeBriefing(m, 2);
    ASSERT_TRUE(r.made) << r.problem;
    EXPECT_EQ(r.captions, 2);
    EXPECT_EQ(r.goalsLeftOut, 0);
    EXPECT_EQ(r.positionsSet, 3);  // every group with a start point

    const BriefingScript s = *DecodeBriefing(m.Briefings[2].Commands).Script;
    EXPECT_TRUE(s.ShownTo(0));
    EXPECT_FALSE(s.ShownTo(1));  // no players there
    // Time, type and first parameter of each event; the view is checked below.
    std::vector<std::string> kinds;
    for (const BriefingEvent& e : s.Events)
        kinds.push_back(std::to_string(e.Time) + " " + std::to_string(e.Type) +
                        (e.Type == kBriefingMoveMap || e.Type == kBriefingZoomMap
                             ? ""
                             : " " + std::to_string(e.Params[0])));
    EXPECT_EQ(kinds, (std::vector<std::string>{"0 6", "0 7",
                                               "20 9 0",  // the players first, one a second
                                               "40 10 2",
                                               "60 5 0",  // team 1 must destroy B
                                               "70 11 1",
                                               "160 3 0",  // a stop between goals
                                               "160 5 1",  // D must not be destroyed
                                               "170 12 3", "9999 34 0"}));
    EXPECT_EQ(s.RunningTime, 160 + 100);
    EXPECT_EQ(m.Briefings[2].Strings[0],
              "Team 1: 100% of flight group [X-wings B] must be destroyed");
    EXPECT_NE(m.Briefings[2].Strings[1].find("[X-W D] must not"), std::string::npos)
        << m.Briefings[2].Strings[1];

    // The groups are framed: all three shown ones are inside the map.
    const FlightGroupRecord& b = m.FlightGroups[1]->File;
    EXPECT_TRUE(b.WaypointEnabled(kFirstBriefingPoint + 2));
    EXPECT_EQ(b.WaypointX(kFirstBriefingPoint + 2), 3200);
    EXPECT_FALSE(m.FlightGroups[3]->File.WaypointEnabled(kFirstBriefingPoint + 2));
    const BriefingViewport vp(kBriefingMapWidth, kBriefingMapHeight, BriefingShownAt(s, 0).view);
    for (int i = 0; i < 3; ++i) {
        const FlightGroupRecord& r = m.FlightGroups[size_t(i)]->File;
        const ScreenPoint p = vp.ScreenFromUnits(r.WaypointX(0), r.WaypointY(0));
        EXPECT_GE(p.x, 0);
        EXPECT_LT(p.x, kBriefingMapWidth);
        EXPECT_GE(p.y, 0);
        EXPECT_LT(p.y, kBriefingMapHeight);
    }
    // Another briefing of the same mission was not touched.
    EXPECT_EQ(m.Briefings[0].Commands, BriefingCommandBlock{});
}

TEST(MakeBriefing, ReplacingFreesTheOldTextsAndUsesOnlyEmptyOnes) {
    Mission m = GoalMission();
    // Briefing 1 already places A only: that choice is kept.
    testing::SetMapPoint(*m.FlightGroups[0], kFirstBriefingPoint, 160, 160);
    Briefing& b = m.Briefings[0];
    b.Strings[0] = "a string in use";
    b.Strings[1] = "kept: no event shows it";
    b.Tags[5] = "a tag in use";
    BriefingScript old;
    BriefingEvent caption;
    caption.Type = kBriefingCaption;
    BriefingEvent tag;
    tag.Type = kBriefingTextTag1;
    tag.Params = {5, 0, 0, 0};
    BriefingEvent end;
    end.Time = kBriefingEndTime;
    end.Type = kBriefingEnd;
    old.Events = {caption, tag, end};
    b.Commands = EncodeBriefing(old);

    const MakeBriefingResult r = MakeBriefing(m, 0);
    ASSERT_TRUE(r.made);
    EXPECT_EQ(r.positionsSet, 0);
    EXPECT_FALSE(m.FlightGroups[1]->File.WaypointEnabled(kFirstBriefingPoint));
    EXPECT_EQ(b.Tags[5], "");
    EXPECT_EQ(b.Strings[1], "kept: no event shows it");
    EXPECT_NE(b.Strings[0].find("must be destroyed"), std::string::npos);
    EXPECT_NE(b.Strings[2].find("must not"), std::string::npos);

    // With every string taken, the goals are left out and counted.
    for (int i = 3; i < 32; ++i) b.Strings[size_t(i)] = "taken";
    b.Strings[0] = b.Strings[2] = "taken";
    b.Commands = {};
    const MakeBriefingResult full = MakeBriefing(m, 0);
    EXPECT_EQ(full.captions, 0);
    EXPECT_EQ(full.goalsLeftOut, 2);
    EXPECT_EQ(EventsOf(m, 0).back().Type, kBriefingEnd);
}

TEST(MakeBriefing, IsOneStepOfUndoAndRefusesABlockItCannotRead) {
    testing::FakeSettings settings;
    testing::FakePrompter prompter;
    LevelDocument doc(settings, prompter);
    doc.SetMission(GoalMission());
    ASSERT_TRUE(MakeBriefing(doc, 0).made);
    EXPECT_EQ(doc.UndoName(), "Make Briefing");
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetMission().Briefings[0].Commands, BriefingCommandBlock{});
    EXPECT_FALSE(doc.GetMission().FlightGroups[0]->File.WaypointEnabled(kFirstBriefingPoint));

    doc.GetMission().Briefings[1].Commands[6] = 9;  // counts 9 words of nothing
    const BriefingCommandBlock before = doc.GetMission().Briefings[1].Commands;
    const MakeBriefingResult r = MakeBriefing(doc, 1);
    EXPECT_FALSE(r.made);
    EXPECT_EQ(r.problem.rfind("Briefing 2 cannot be read (", 0), 0u) << r.problem;
    EXPECT_EQ(doc.GetMission().Briefings[1].Commands, before);
    EXPECT_FALSE(doc.CanUndo());
}

}  // namespace
}  // namespace vantorel
