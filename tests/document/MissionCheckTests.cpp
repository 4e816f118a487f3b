#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "document/MissionCheck.h"
#include "platform/PathText.h"
#include "support/GameFolderTest.h"
#include "support/MissionGenerator.h"

namespace vantorel {
namespace {

using testing::MakeEmptyMission;

std::vector<std::string> Lines(const std::vector<Problem>& problems) {
    std::vector<std::string> lines;
    for (const Problem& p : problems) lines.push_back(p.Text());
    return lines;
}

// Flight groups that stand somewhere and name nothing: a clean mission.
Mission CleanMission(uint16_t version, int flightGroups, int messages) {
    Mission m = MakeEmptyMission(version, flightGroups, messages);
    for (auto& fg : m.FlightGroups) {
        fg->File.SetWaypointEnabled(0, 1);
        fg->File.SetNumberOfCraft(1);
    }
    m.Briefings[0].Commands[810] = 1;  // shown to team 1, which a player may fly for
    return m;
}

constexpr uint8_t kDestroyed = 2;

TEST(MissionCheck, ACleanMissionHasNoProblems) {
    Mission m = CleanMission(14, 3, 2);
    // References to what exists, and fields that count only when switched on.
    FlightGroupRecord& r = m.FlightGroups[0]->File;
    r.SetTeam(9);
    r.SetArrivalTrigger(0, {kDestroyed, 1, 2, 0});
    r.SetDepartureTrigger(0, {10, 1, 200, 0});  // "false" looks at nothing
    r.SetDepartureMothership(77);               // not departing through it
    r.Orders(0).SetTarget1Type(12);
    r.Orders(0).SetTarget1(9);
    r.Goals(0).SetCondition(10);
    r.Goals(0).SetTeam(50);
    // The bytes after the four orders are no fifth order, though they read
    // as a drop-off of flight group 5.
    r.SetJumpToOrder4Trigger(0, {18, 0, 0, 5});
    m.FlightGroups[1]->File.SetWaypointEnabled(0, 0);
    m.FlightGroups[1]->File.SetWaypointEnabled(3, 1);  // S4 is a start point too
    m.FlightGroups[2]->File.SetWaypointEnabled(0, 0);  // launched from flight group 1
    m.FlightGroups[2]->File.SetArriveViaMothership(1);
    m.FlightGroups[2]->File.SetArrivalMothership(1);
    m.Description = std::string(1000, 'a');
    EXPECT_EQ(Lines(CheckMission(m)), std::vector<std::string>{});
}

TEST(MissionCheck, EveryDanglingReferenceIsReportedOnceWithItsPlaceAndWords) {
    Mission m = CleanMission(12, 3, 2);
    FlightGroupRecord& red = m.FlightGroups[1]->File;
    red.SetName("Red");
    red.SetTeam(10);
    red.SetArrivalTrigger(0, {kDestroyed, 1, 40, 0});
    red.SetArrivalTrigger(1, {kDestroyed, 1, 2, 0});  // exists
    red.SetArrivalTrigger(3, {kDestroyed, 12, 10, 0});
    red.SetArriveViaMothership(1);
    red.SetArrivalMothership(3);  // one past the last
    red.SetAlternateDepartViaMothership(1);
    red.SetAlternateDepartureMothership(255);
    red.Orders(0).SetCommand(7);  // Attack Targets: its targets count
    red.Orders(1).SetCommand(7);
    red.Orders(0).SetTarget1Type(21);
    red.Orders(0).SetTarget1(200);
    red.Orders(1).SetTarget3Type(1);
    red.Orders(1).SetTarget3(7);
    red.Orders(1).SetTarget4Type(22);  // a team only in triggers
    red.Orders(1).SetTarget4(50);
    red.SetJumpToOrder4Trigger(1, {kDestroyed, 22, 10, 0});
    red.Goals(2).SetCondition(kDestroyed);
    red.Goals(2).SetTeam(12);
    red.Goals(3).SetCondition(0);  // a goal of "true" has no effect
    red.Goals(3).SetTeam(99);

    m.Messages[1]->File.SetText("1Hello");
    m.Messages[1]->File.SetTrigger(2, {1, 1, 3, 0});
    m.Messages[0]->File.SetTrigger(0, {0, 1, 3, 0});

    m.Teams[1].SetName("Rebel");
    m.GlobalGoalSet(1, 0)->SetTrigger(0, {kDestroyed, 1, 5, 0});
    m.GlobalGoalSet(4, 2)->SetTrigger(3, {kDestroyed, 12, 10, 0});

    const std::vector<Problem> problems = CheckMission(m);
    EXPECT_EQ(Lines(problems),
              (std::vector<std::string>{
                  "Flight group 1 \"Red\": belongs to team 11, which does not exist",
                  "Flight group 1 \"Red\": arrival trigger 1 names flight group 40, which does not "
                  "exist",
                  "Flight group 1 \"Red\": arrival trigger 4 names team 11, which does not exist",
                  "Flight group 1 \"Red\": arrival mothership is flight group 3, which does not "
                  "exist",
                  "Flight group 1 \"Red\": alternate departure mothership is no flight group",
                  "Flight group 1 \"Red\": order 1 target 1 names team 201, which does not exist",
                  "Flight group 1 \"Red\": order 2 target 3 names flight group 7, which does not "
                  "exist",
                  "Flight group 1 \"Red\": jump to order 4 trigger 2 names team 11, which does "
                  "not exist",
                  "Flight group 1 \"Red\": goal 3 is for team 13, which does not exist",
                  "Message 1 \"Hello\": trigger 3 names flight group 3, which does not exist",
                  "Team 2 \"Rebel\": primary goal trigger 1 names flight group 5, which does not "
                  "exist",
                  "Team 5: secondary goal trigger 4 names team 11, which does not exist",
              }));
    ASSERT_EQ(problems.size(), 12u);
    EXPECT_TRUE(HasErrors(problems));
    // Each entry says what to select: the flight group, message or team.
    EXPECT_EQ(problems[1].Subject, ProblemSubject::FlightGroup);
    EXPECT_EQ(problems[1].Index, 1);
    EXPECT_EQ(problems[1].Kind, ProblemKind::MissingFlightGroup);
    EXPECT_EQ(problems[1].Severity, ProblemSeverity::Error);
    EXPECT_EQ(problems[0].Kind, ProblemKind::MissingTeam);
    EXPECT_EQ(problems[9].Subject, ProblemSubject::Message);
    EXPECT_EQ(problems[9].Index, 1);
    EXPECT_EQ(problems[11].Subject, ProblemSubject::Team);
    EXPECT_EQ(problems[11].Index, 4);
}

TEST(MissionCheck, LimitsTextLengthsAndStartPoints) {
    // 255 of each is what the game takes; the check counts what is held.
    Mission full = CleanMission(12, 255, 255);
    EXPECT_TRUE(CheckMission(full).empty());
    full.AppendFlightGroup().File.SetWaypointEnabled(0, 1);
    full.FlightGroups.back()->File.SetNumberOfCraft(1);
    full.AppendMessage();
    // A line break is stored as one '$', so 1023 letters and one break fit.
    full.Description = std::string(1023, 'a') + "\r\n";
    EXPECT_EQ(
        Lines(CheckMission(full)),
        (std::vector<std::string>{"Mission: has 256 flight groups; the game takes at most 255",
                                  "Mission: has 256 messages; the game takes at most 255"}));

    Mission xvt = CleanMission(12, 2, 0);
    xvt.Description = std::string(1025, 'a');
    xvt.FlightGroups[1]->File.SetName("Ghost");
    xvt.FlightGroups[1]->File.SetWaypointEnabled(0, 0);
    xvt.FlightGroups[1]->File.SetWaypointEnabled(4, 1);  // a waypoint is no start point
    const std::vector<Problem> problems = CheckMission(xvt);
    EXPECT_EQ(Lines(problems),
              (std::vector<std::string>{
                  "Mission: the description is 1025 characters long; an XvT mission keeps 1024 "
                  "and the rest is cut off when it is saved",
                  "Flight group 1 \"Ghost\": has no enabled start point"}));
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].Severity, ProblemSeverity::Error);
    EXPECT_EQ(problems[1].Severity, ProblemSeverity::Warning);
    EXPECT_EQ(problems[1].Kind, ProblemKind::NoStartPoint);

    // The same text fits a Balance of Power mission; its debriefings are checked too.
    xvt.Header.SetFormatVersion(14);
    xvt.FlightGroups[1]->File.SetWaypointEnabled(1, 1);
    xvt.FailedDebriefing = std::string(4097, 'b');
    EXPECT_EQ(Lines(CheckMission(xvt)),
              std::vector<std::string>{
                  "Mission: the failed debriefing is 4097 characters long; a Balance of Power "
                  "mission keeps 4096 and the rest is cut off when it is saved"});
    xvt.FailedDebriefing.pop_back();
    xvt.FlightGroups[1]->File.SetWaypointEnabled(1, 0);
    EXPECT_FALSE(HasErrors(CheckMission(xvt)));  // only the warning is left
}

TEST(MissionCheck, NumbersPastTheGamesTablesAreErrorsOneATestMissionEach) {
    using Change = std::function<void(Mission&)>;
    FlightGroupRecord* fg = nullptr;
    const std::vector<std::pair<Change, std::string>> cases = {
        {[&](Mission&) { fg->SetCraftType(96); },
         "craft type is 96, past the craft table (0 to 95)"},
        {[&](Mission&) { fg->SetPlayerNumber(9); },
         "is flown by player 9; the game has players 1 to 8"},
        {[&](Mission&) { fg->SetNumberOfCraft(0); }, "has 0 craft"},
        {[&](Mission&) { fg->SetIff(6); }, "IFF is 6, past the IFF table (0 to 5)"},
        {[&](Mission&) { fg->SetFormation(21); },
         "formation is 21, past the formation table (0 to 20)"},
        {[&](Mission&) {
             fg->SetArrivalTrigger(1, {47, 0, 0, 0});
         },
         "arrival trigger 2 condition is 47, past the condition list (0 to 46)"},
        {[&](Mission&) {
             fg->SetDepartureTrigger(0, {kDestroyed, 24, 0, 0});
         },
         "departure trigger 1 variable type is 24, past the variable type list (0 to 23)"},
        {[&](Mission&) {
             fg->SetJumpToOrder4Trigger(0, {kDestroyed, 5, 9, 0});
         },
         "jump to order 4 trigger 1 variable is 9, past the IFF table (0 to 5)"},
        {[&](Mission&) {
             fg->SetArrivalTrigger(0, {kDestroyed, 2, 150, 0});
         },
         "arrival trigger 1 variable is 150, past the craft table (0 to 95)"},
        {[&](Mission&) {
             fg->SetArrivalTrigger(0, {kDestroyed, 0, 0, 19});
         },
         "arrival trigger 1 amount is 19, past the amount list (0 to 18)"},
        {[&](Mission&) { fg->Orders(2).SetCommand(51); },
         "order 3 command is 51, past the order table (0 to 50)"},
        {[&](Mission&) {
             fg->Orders(0).SetCommand(7);  // Attack Targets
             fg->Orders(0).SetTarget2Type(2);
             fg->Orders(0).SetTarget2(95);
         },
         "order 1 target 2 is 95, past the craft table (0 to 94)"},
        {[&](Mission&) {
             fg->Goals(1).SetCondition(kDestroyed);
             fg->Goals(1).SetAmount(30);
         },
         "goal 2 amount is 30, past the amount list (0 to 18)"},
        // Every field that has a table, from the header to an order.
        {[&](Mission& m) { m.Header.SetMissionType(200); },
         "mission type is 200, past the mission type list (0 to 10)"},
        {[&](Mission& m) { m.Header.SetFormatVersion(3); },
         "format version is 3, not in the format table (12 or 14)"},
        {[&](Mission& m) { m.Header.SetFormatVersion(99); },
         "format version is 99, not in the format table (12 or 14)"},
        {[&](Mission&) { fg->SetStatus(200); }, "status 1 is 200, past the status list (0 to 50)"},
        {[&](Mission&) { fg->SetWarhead(200); }, "warhead is 200, past the warhead list (0 to 8)"},
        {[&](Mission&) { fg->SetMarkings(200); }, "colour is 200, past the colour list (0 to 3)"},
        {[&](Mission&) { fg->SetComputerAi(200); },
         "computer AI is 200, past the computer AI list (0 to 6)"},
        {[&](Mission&) { fg->SetRadio(200); }, "radio is 200, past the radio list (0 to 16)"},
        {[&](Mission&) { fg->SetOptionalCraftType(2, 200); },
         "optional craft type 3 is 200, past the craft table (0 to 95)"},
        {[&](Mission&) { fg->Orders(1).SetThrottle(200); },
         "order 2 throttle is 200, past the throttle list (0 to 10)"},
        {[&](Mission&) {
             fg->Goals(1).SetCondition(kDestroyed);
             fg->Goals(1).SetArgument(4);
         },
         "goal 2 argument is 4, past the goal argument list (0 to 3)"},
        {[&](Mission&) { fg->SetSpecialCargoCraft(200); },
         "hidden cargo is on craft 201 of 1; no craft carries it"},
        {[&](Mission&) { fg->SetDifficultyLevel(6); }, "never appears (difficulty level 6)"},
        {[&](Mission&) { std::memcpy(fg->Data(), "Twenty characters!!!", 20); },
         "the name fills its field with no end; the game shows what follows it too"},
    };
    for (const auto& [change, what] : cases) {
        Mission m = CleanMission(14, 1, 0);
        fg = &m.FlightGroups[0]->File;
        change(m);
        const std::vector<Problem> problems = CheckMission(m);
        ASSERT_EQ(problems.size(), 1u) << what;
        EXPECT_EQ(problems[0].What, what);
        EXPECT_EQ(problems[0].Kind, problems[0].Severity == ProblemSeverity::Error
                                        ? ProblemKind::InvalidValue
                                        : ProblemKind::OddValue);
    }

    // Messages and team goals too; targets without effect (Hold Station) are not checked.
    Mission m = CleanMission(14, 1, 1);
    m.Messages[0]->File.SetTrigger(3, {kDestroyed, 4, 3, 0});
    m.GlobalGoals[2].Set(1).SetTrigger(0, {kDestroyed, 7, 13, 0});
    Order hold = m.FlightGroups[0]->File.Orders(0);
    hold.SetTarget1Type(1);
    hold.SetTarget1(40);
    hold.SetTarget2Type(99);
    EXPECT_EQ(Lines(CheckMission(m)),
              (std::vector<std::string>{
                  "Message 0: trigger 4 variable is 3, past the object categories (0 to 2)",
                  "Team 3: prevent goal trigger 1 variable is 13, past the list of craft cases (0 "
                  "to 12)"}));
}

class MissionCheckWaves : public testing::GameFolderTest {};

TEST_F(MissionCheckWaves, MissingWaveFilesAndLinesLeavingTheWaveFolderAreWarnedAbout) {
    Mission m = CleanMission(14, 1, 6);
    const std::string wave = PathToUtf8(tmp / "game" / "wave");
    m.Messages[0]->WaveFile = PathToUtf8(Write("game/wave/m1/here.wav", "x"));
    m.Messages[1]->WaveFile = wave + "/m1/gone.wav";
    m.Messages[2]->WaveFile = wave + "/../../outside/a.wav";
    Write("outside/a.wav", "x");
    m.Messages[3]->WaveFile = PathToUtf8(tmp / "sounds" / "lost.wav");
    m.Messages[4]->WaveFile = wave + "/m1";
    // A name alone is looked for in the wave folder, where a paste leaves it.
    Write("game/wave/bare.wav", "x");
    m.Messages[5]->WaveFile = "bare.wav";

    const std::vector<Problem> problems = CheckMission(m, {PathToUtf8(tmp / "game")});
    EXPECT_EQ(
        Lines(problems),
        (std::vector<std::string>{
            "Message 1: wave file m1\\gone.wav does not exist",
            "Message 2: wave file ..\\..\\outside\\a.wav lies outside the wave folder",
            "Message 3: wave file " + PathToUtf8(tmp / "sounds" / "lost.wav") + " does not exist",
            "Message 4: wave file m1 is a folder, not a wave file"}));
    EXPECT_FALSE(HasErrors(problems));
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_EQ(problems[1].Kind, ProblemKind::WaveFileOutside);
}

}  // namespace
}  // namespace vantorel
