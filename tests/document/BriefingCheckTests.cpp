// The check of briefings: each rule with a mission that trips it and one that does not.
#include <gtest/gtest.h>

#include "document/MissionCheck.h"
#include "support/BriefingBlocks.h"
#include "support/MissionGenerator.h"

namespace vantorel {
namespace {

using testing::BlockWriter;

// Two flight groups (0 flown by player 1 of team 1) and briefing 1 shown
// to team 1: its events name what is there, in order, within the time.
Mission Briefed(const BlockWriter& block) {
    Mission m = testing::MakeEmptyMission(14, 2, 0);
    for (auto& fg : m.FlightGroups) {
        fg->File.SetWaypointEnabled(0, 1);
        fg->File.SetNumberOfCraft(1);
    }
    m.FlightGroups[0]->File.SetPlayerNumber(1);
    m.Briefings[0].Commands = block.block;
    m.Briefings[0].Strings[0] = "[Red] launches";
    m.Briefings[0].Tags[0] = std::string(39, 't');
    m.Briefings[0].Tags[1] = std::string(45, 'u');  // never shown
    return m;
}

BlockWriter Good() {
    BlockWriter w;
    w.Event(0, kBriefingMoveMap, {-100, 40})
        .Event(20, kBriefingCaption, {0})
        .Event(40, kBriefingFgTag1, {1})
        .Event(60, kBriefingTextTag1 + 3, {0, 5, 5, 1})
        .Event(9999, kBriefingEnd);
    return w.Counts(4, 18).RunningTime(100).Team(0);
}

std::vector<std::string> Lines(const Mission& m) {
    std::vector<std::string> lines;
    for (const Problem& p : CheckMission(m))
        lines.push_back(
            std::string(p.Severity == ProblemSeverity::Error ? "error: " : "warning: ") + p.Text());
    return lines;
}

using Lines_ = std::vector<std::string>;

TEST(BriefingCheck, AGoodBriefingHasNoProblems) {
    EXPECT_EQ(Lines(Briefed(Good())), Lines_{});
}

TEST(BriefingCheck, WhatEventsShowMustBeThereAndTextTagsShorterThanForty) {
    Mission m = Briefed(Good());
    m.Briefings[0].Tags[0] += 't';  // 40
    m.Briefings[0].Strings[0].clear();
    m.FlightGroups.pop_back();
    const std::vector<Problem> problems = CheckMission(m);
    EXPECT_EQ(Lines(m),
              (Lines_{"warning: Briefing 1: the event at 0:01.00 (caption) shows string 0, which "
                      "is empty",
                      "error: Briefing 1: the event at 0:02.00 (flight group tag 1) names flight "
                      "group 1, which does not exist",
                      "error: Briefing 1: the event at 0:03.00 (text tag 4) shows tag 0, which is "
                      "40 characters long; the game crashes drawing a text tag of 40 or more"}));
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[1].Subject, ProblemSubject::Briefing);
    EXPECT_EQ(problems[1].Index, 0);
    EXPECT_EQ(problems[1].Event, 2);
    EXPECT_EQ(problems[1].Kind, ProblemKind::MissingFlightGroup);

    // A title and a text tag of an empty slot; indices past the 32.
    BlockWriter w;
    w.Event(0, kBriefingTitle, {5}).Event(0, kBriefingTextTag1, {7, 0, 0, 0});
    w.Event(0, kBriefingCaption, {32}).Event(0, kBriefingTextTag1, {-1, 0, 0, 0});
    w.Event(9999, kBriefingEnd).Counts(18, 20).RunningTime(10).Team(0);
    EXPECT_EQ(Lines(Briefed(w)),
              (Lines_{"warning: Briefing 1: the event at 0:00.00 (title) shows string 5, which is "
                      "empty",
                      "warning: Briefing 1: the event at 0:00.00 (text tag 1) shows tag 7, which "
                      "is empty",
                      "error: Briefing 1: the event at 0:00.00 (caption) names string 32, past "
                      "the 32 strings (0 to 31)",
                      "error: Briefing 1: the event at 0:00.00 (text tag 1) names tag -1, past the "
                      "32 tags (0 to 31)"}));
}

TEST(BriefingCheck, EventsOutOfOrderOrPastTheRunningTime) {
    BlockWriter w;
    w.Event(0, kBriefingStop).Event(60, kBriefingStop).Event(40, kBriefingStop);
    w.Event(50, kBriefingStop).Event(9999, kBriefingEnd).Counts(2, 10).RunningTime(55).Team(0);
    EXPECT_EQ(Lines(Briefed(w)),
              (Lines_{"warning: Briefing 1: the event at 0:03.00 (stop point) comes after the "
                      "running time, 0:02.75",
                      "warning: Briefing 1: the event at 0:02.00 (stop point) is listed after one "
                      "at 0:03.00; the list is not in the order of the times",
                      "warning: Briefing 1: the event at 0:02.50 (stop point) is listed after one "
                      "at 0:03.00; the list is not in the order of the times"}));
    // A running time of 0: one line for all the events past it.
    w.RunningTime(0);
    EXPECT_EQ(Lines(Briefed(w)).front(),
              "warning: Briefing 1: the event at 0:03.00 (stop point) comes after the running "
              "time, 0:00.00, and so do 2 events after it");
}

TEST(BriefingCheck, ATeamWithPlayersShownNoBriefingAndABlockThatCannotBeRead) {
    BlockWriter unseen = Good();
    unseen.Team(0, 0).Team(1);
    Mission m = Briefed(unseen);
    EXPECT_EQ(Lines(m), Lines_{"warning: Team 1: has players but is shown no briefing"});
    m.FlightGroups[0]->File.SetTeam(1);
    EXPECT_EQ(Lines(m), Lines_{});

    BlockWriter odd = Good();
    odd.Counts(4, 19);
    m.Briefings[3].Commands = odd.block;
    EXPECT_EQ(Lines(m), Lines_{"warning: Briefing 4: its command block cannot be read: the block "
                               "counts 19 words of events, but the list takes 18; it is kept as "
                               "it is and cannot be edited"});
}

}  // namespace
}  // namespace vantorel
