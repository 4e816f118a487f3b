// What the check says of what can never happen: the chains, word for word,
// and which findings are errors.
#include <gtest/gtest.h>

#include "FlowMissions.h"
#include "flow/FlowCheck.h"
#include "flow/FlowExplain.h"
#include "flow/FlowText.h"
#include "flow/MissionFlow.h"

namespace vantorel {
namespace {

using namespace testing;

std::vector<std::string> Lines(const std::vector<Problem>& problems) {
    std::vector<std::string> lines;
    for (const Problem& p : problems)
        lines.push_back(
            std::string(p.Severity == ProblemSeverity::Error ? "error: " : "warning: ") + p.Text());
    return lines;
}

TEST(FlowCheck, ATeamThatCanNeverWinIsAnErrorWithTheWholeChain) {
    Mission m = FlowMission(3);
    m.Teams[1].SetName("Rebels");
    Fg(m, 0).SetDifficultyLevel(6);
    Fg(m, 1).SetArrivalTrigger(0, Destroyed(0));
    m.GlobalGoals[1].Set(0).SetTrigger(0, Destroyed(1));
    const std::vector<Problem> problems = CheckMissionFlow(m);
    // Alpha's difficulty level is the check's own warning, not said twice.
    EXPECT_EQ(Lines(problems),
              (std::vector<std::string>{
                  "warning: Bravo never arrives: it arrives when Alpha is destroyed, and Alpha "
                  "never appears (difficulty level Never Appears)",
                  "error: Team Rebels can never win: primary goal 1 needs Bravo destroyed, Bravo "
                  "never arrives: it arrives when Alpha is destroyed, and Alpha never appears "
                  "(difficulty level Never Appears)"}));
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].Subject, ProblemSubject::FlightGroup);
    EXPECT_EQ(problems[0].Index, 1);
    EXPECT_EQ(problems[1].Subject, ProblemSubject::Team);
    EXPECT_EQ(problems[1].Index, 1);
    EXPECT_EQ(problems[1].Kind, ProblemKind::NeverHappens);

    // A secondary goal is a warning; a prevent goal that never comes true is
    // no failing of the team.
    m.GlobalGoals[1].Set(0).SetTrigger(0, {0, 0, 0, 0});
    m.GlobalGoals[2].Set(1).SetTrigger(1, Destroyed(1));
    m.GlobalGoals[2].Set(2).SetTrigger(3, Arrived(1));
    EXPECT_EQ(Lines(CheckMissionFlow(m)).back(),
              "warning: Team 3 can never complete its secondary goals: secondary goal 4 needs "
              "Bravo to arrive, Bravo never arrives: it arrives when Alpha is destroyed, and "
              "Alpha never appears (difficulty level Never Appears)");
    EXPECT_EQ(CheckMissionFlow(m).size(), 2u);
}

// A name may hold any byte: in the drawing's text, control characters and
// DEL read as blanks, quotes and backslashes are escaped.
TEST(FlowText, ControlCharactersInNamesAreBlanksInTheDrawing) {
    Mission m = FlowMission(1);
    Fg(m, 0).SetName(
        "A\x01"
        "B\x1f"
        "C\x7f"
        "D\"E\\F");
    const std::string dot = FlowDot(m, MakeMissionFlow(m));
    EXPECT_NE(dot.find("[label=\"A B C D\\\"E\\\\F arrives\""), std::string::npos) << dot;
    for (char c : dot) EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 && c != '\n') << int(c);
}

TEST(FlowCheck, FalseConditionsCirclesMessagesDeparturesAndGoalsAreWarnings) {
    Mission m = FlowMission(8, 2);
    Fg(m, 0).SetArrivalTrigger(2, False());
    Fg(m, 1).SetArrivalTrigger(0, False());
    Fg(m, 1).SetArrivalTrigger(1, False());
    Fg(m, 1).SetArrivalAndOr12(kOr);
    Fg(m, 2).SetArrivalTrigger(0, Destroyed(3));
    Fg(m, 3).SetArrivalTrigger(0, {3, 1, 2, 0});  // attacked
    Fg(m, 4).SetArrivalTrigger(0, Arrived(4));
    // Either of two groups that never arrive, each for its own reason.
    Fg(m, 5).SetArrivalTrigger(0, Destroyed(0));
    Fg(m, 5).SetArrivalTrigger(1, Destroyed(2));
    Fg(m, 5).SetArrivalAndOr12(kOr);
    Fg(m, 6).SetDepartureTrigger(0, Destroyed(1));
    Fg(m, 6).SetDepartureAndOr(kOr);
    Fg(m, 6).Goals(1).SetCondition(8);  // must be disabled, on a group that arrives
    Fg(m, 0).Goals(2).SetCondition(8);
    Fg(m, 0).Goals(2).SetArgument(2);  // as bonus
    m.Messages[1]->File.SetText("2Watch out");
    m.Messages[1]->File.SetTrigger(1, Arrived(5));
    m.Messages[0]->File.SetTrigger(0, False());
    EXPECT_EQ(
        Lines(CheckMissionFlow(m)),
        (std::vector<std::string>{
            "warning: Alpha never arrives: arrival condition 3 is False",
            "warning: Goal 3 of Alpha can never be completed: it needs Alpha disabled, Alpha "
            "never arrives: arrival condition 3 is False",
            "warning: Bravo never arrives: arrival conditions 1 and 2 are False",
            "warning: Charlie and Delta wait on each other in a circle: Charlie arrives when "
            "Delta is destroyed, and Delta arrives when Charlie is attacked",
            "warning: Echo waits for itself: it arrives when Echo arrives",
            "warning: Foxtrot never arrives: it arrives when Alpha is destroyed or Charlie is "
            "destroyed, and Alpha never arrives: arrival condition 3 is False, and Charlie never "
            "arrives: Charlie and Delta wait on each other in a circle",
            "warning: Golf never departs: it departs when Bravo is destroyed, and Bravo never "
            "arrives: arrival conditions 1 and 2 are False",
            "warning: Message 0 is never sent: condition 1 is False",
            "warning: Message 1 \"Watch out\" is never sent: it is sent when Foxtrot arrives, and "
            "Foxtrot never arrives: it arrives when Alpha is destroyed or Charlie is destroyed, "
            "and Alpha never arrives: arrival condition 3 is False, and Charlie never arrives: "
            "Charlie and Delta wait on each other in a circle"}));
}

TEST(FlowCheck, AChainTellsAGroupOnceAndNamesTheDropperThatDoesNotCome) {
    Mission m = FlowMission(5);
    Fg(m, 0).SetDifficultyLevel(7);
    Fg(m, 1).SetArrivalTrigger(0, Destroyed(0));
    Fg(m, 2).SetArrivalTrigger(0, Destroyed(1));
    Fg(m, 2).SetArrivalTrigger(1, {4, 1, 1, 0});  // captured
    Fg(m, 2).SetArrivalAndOr12(kOr);
    Fg(m, 3).SetArrivalTrigger(0, {19, 1, 3, 0});  // when it is dropped off
    Fg(m, 0).Orders(1).SetCommand(18);
    Fg(m, 0).Orders(1).SetParameter2(3);
    Fg(m, 4).SetArrivalTrigger(0, Destroyed(1));
    Fg(m, 4).SetArrivalTrigger(1, Destroyed(2));
    Fg(m, 4).SetArrivalAndOr12(kOr);
    // Two groups share a name: the number tells them apart.
    Fg(m, 2).SetName("Bravo");
    const MissionFlow flow = MakeMissionFlow(m);
    EXPECT_EQ(WhyNever(m, flow, flow.arrivalNode[4]).Text(),
              "Echo never arrives: it arrives when Bravo (flight group 1) is destroyed or Bravo "
              "(flight group 2) is destroyed, and Bravo (flight group 1) never arrives: it arrives "
              "when Alpha is destroyed, and Alpha never appears (difficulty level Never Appears), "
              "and Bravo (flight group 2) never arrives: it arrives when Bravo (flight group 1) is "
              "destroyed or Bravo (flight group 1) is captured, and Bravo (flight group 1) never "
              "arrives (see above)");
    EXPECT_EQ(WhyNever(m, flow, flow.arrivalNode[2]).Text(),
              "Bravo (flight group 2) never arrives: it arrives when Bravo (flight group 1) is "
              "destroyed or Bravo (flight group 1) is captured, and Bravo (flight group 1) never "
              "arrives: it arrives when Alpha is destroyed, and Alpha never appears (difficulty "
              "level Never Appears)");
    EXPECT_EQ(WhyNever(m, flow, flow.arrivalNode[3]).Text(),
              "Delta never arrives: it arrives when Delta is dropped off, and it is dropped off by "
              "Alpha, and Alpha never appears (difficulty level Never Appears)");
    EXPECT_EQ(WhyNever(m, flow, flow.arrivalNode[0]).Text(),
              "Alpha never appears: difficulty level Never Appears");
    EXPECT_EQ(FlowNodeSentences(m, flow, flow.arrivalNode[1]),
              (std::vector<std::string>{
                  "Arrival: (1 AND 2) AND (3 AND 4)",
                  "1: 100% of flight group X-wing Alpha must be destroyed", "2: True", "3: True",
                  "4: True",
                  "Bravo (flight group 1) never arrives: it arrives when Alpha is destroyed, and "
                  "Alpha never appears (difficulty level Never Appears)"}));
}

TEST(FlowCheck, ALongChainTellsTwelveGroupsAndPointsAtTheRest) {
    Mission m = FlowMission(16);
    Fg(m, 0).SetDifficultyLevel(6);
    for (int i = 1; i < 16; ++i) Fg(m, i).SetArrivalTrigger(0, Destroyed(i - 1));
    const MissionFlow flow = MakeMissionFlow(m);
    const std::string why = WhyNever(m, flow, flow.arrivalNode[15]).Text();
    EXPECT_EQ(why.rfind("FG15 never arrives: it arrives when FG14 is destroyed, and FG14 never "
                        "arrives: it arrives when FG13 is destroyed, ",
                        0),
              0u)
        << why;
    const std::string end =
        "Delta never arrives: it arrives when Charlie is destroyed, and Charlie never arrives "
        "(explained on its own)";
    EXPECT_EQ(why.substr(why.size() - end.size()), end) << why;
}

}  // namespace
}  // namespace vantorel
