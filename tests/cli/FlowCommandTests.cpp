// flow: the graph as text, JSON and DOT (which Graphviz accepts), and the
// flow's findings in check with their exit status.
#include <gtest/gtest.h>

#include "document/MissionWriter.h"
#include "support/MissionGenerator.h"
#include "support/RunCli.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {

// Rebels win when Bravo is destroyed; Bravo comes when Alpha is destroyed,
// and Alpha never appears.
Mission HopelessMission() {
    Mission m = MakeEmptyMission(14, 3, 1);
    const char* names[3] = {"Alpha", "Bravo", "Charlie"};
    for (int i = 0; i < 3; ++i) {
        FlightGroupRecord& r = m.FlightGroups[size_t(i)]->File;
        r.SetName(names[i]);
        r.SetCraftType(5);
        r.SetNumberOfCraft(2);
        r.SetWaypointEnabled(0, 1);
        r.SetDepartureTrigger(0, {10, 0, 0, 0});
        for (int g = 0; g < 8; ++g) r.Goals(g).SetCondition(10);
    }
    m.FlightGroups[0]->File.SetDifficultyLevel(6);
    m.FlightGroups[1]->File.SetArrivalTrigger(0, {2, 1, 0, 0});
    m.FlightGroups[2]->File.SetArrivalTrigger(0, {3, 2, 5, 0});  // a TIE Fighter attacked
    m.FlightGroups[2]->File.Orders(0).SetCommand(7);
    m.FlightGroups[2]->File.Orders(0).SetTarget1Type(1);
    m.FlightGroups[2]->File.Orders(0).SetTarget1(1);
    m.Messages[0]->File.SetText("Bravo is here");
    m.Messages[0]->File.SetTrigger(0, {1, 1, 1, 0});
    m.Teams[1].SetName("Rebels");
    m.GlobalGoals[1].Set(0).SetTrigger(0, {2, 1, 1, 0});
    return m;
}

}  // namespace

TEST(CliFlow, TextJsonAndDotOfOneMission) {
    TempFolder dir;
    Mission m = HopelessMission();
    TempFolder::WriteBytes(dir / "m.tie", WriteMission(m));
    const std::string file = Quoted(dir / "m.tie");

    CliResult r = RunCli("flow " + file);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(
        r.out,
        "fg0.arrival: Alpha arrives (never)\n"
        "  never: Alpha never appears: difficulty level Never Appears\n"
        "fg1.arrival: Bravo arrives (never)\n"
        "  after fg0.arrival: be destroyed\n"
        "  aimed at by fg2.arrival: Attack Targets\n"
        "  never: Bravo never arrives: it arrives when Alpha is destroyed, and Alpha never "
        "appears (difficulty level Never Appears)\n"
        "fg2.arrival: Charlie arrives\n"
        "  input: ship type TIE Fighter\n"
        "message0: Message 0: Bravo is here (never)\n"
        "  after fg1.arrival: arrive\n"
        "  never: Message 0 \"Bravo is here\" is never sent: it is sent when Bravo arrives, and "
        "Bravo never arrives: it arrives when Alpha is destroyed, and Alpha never appears "
        "(difficulty level Never Appears)\n"
        "team2.primary: Team Rebels: primary goal (never)\n"
        "  after fg1.arrival: be destroyed\n"
        "  never: Team Rebels can never win: primary goal 1 needs Bravo destroyed, Bravo never "
        "arrives: it arrives when Alpha is destroyed, and Alpha never appears (difficulty level "
        "Never Appears)\n");

    r = RunCli("flow --json " + file);
    EXPECT_EQ(r.status, 0);
    for (const char* expected :
         {"\"id\": \"fg1.arrival\"", "\"kind\": \"team-goal\"", "\"set\": \"primary\"",
          "\"team\": 2", "\"never\": true", "\"kind\": \"order-target\"",
          "\"inputs\": [\n        \"ship type TIE Fighter\"\n      ]", "\"circles\": []"})
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected << "\n" << r.out;

    r = RunCli("flow " + file + " --dot");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("digraph \"mission flow\" {\n  rankdir=LR;\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\"fg1.arrival\" [label=\"Bravo arrives\\n(never)\", shape=box, "
                         "color=red, fontcolor=red, style=dashed, tooltip=\"Bravo never arrives: "),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"fg0.arrival\" -> \"fg1.arrival\" [label=\"be destroyed\"];"),
              std::string::npos);

    // Graphviz reads it, where it is installed.
#ifdef _WIN32
    GTEST_SKIP() << "the dot a Windows build finds under Wine is the host's, which takes no "
                    "Windows paths";
#endif
    if (RunShell("dot -V 2>" + std::string(kNullDevice)) != 0) GTEST_SKIP() << "no Graphviz dot";
    EXPECT_EQ(RunShell(Quoted(std::string(VANTOREL_CLI)) + " flow --dot " + file +
                       " | dot -Tsvg -o " + Quoted(dir / "flow.svg")),
              0);
    const std::string svg = TempFolder::ReadText(dir / "flow.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Bravo arrives"), std::string::npos);
}

TEST(CliFlow, CheckSaysWhatCanNeverHappenAndATeamThatCanNeverWinFails) {
    TempFolder dir;
    Mission m = HopelessMission();
    TempFolder::WriteBytes(dir / "m.tie", WriteMission(m));
    CliResult r = RunCli("check " + Quoted(dir / "m.tie"));
    EXPECT_EQ(r.status, 4);
    EXPECT_EQ(
        r.out,
        "warning: Flight group 0 \"Alpha\": never appears (difficulty level 6)\n"
        "warning: Bravo never arrives: it arrives when Alpha is destroyed, and Alpha never "
        "appears (difficulty level Never Appears)\n"
        "warning: Message 0 \"Bravo is here\" is never sent: it is sent when Bravo arrives, "
        "and Bravo never arrives: it arrives when Alpha is destroyed, and Alpha never appears "
        "(difficulty level Never Appears)\n"
        "error: Team Rebels can never win: primary goal 1 needs Bravo destroyed, Bravo never "
        "arrives: it arrives when Alpha is destroyed, and Alpha never appears (difficulty "
        "level Never Appears)\n");
    r = RunCli("check --json " + Quoted(dir / "m.tie"));
    EXPECT_NE(r.out.find("\"kind\": \"never-happens\""), std::string::npos) << r.out;

    // Warnings alone pass.
    m.GlobalGoals[1].Set(0).SetTrigger(0, {0, 0, 0, 0});
    TempFolder::WriteBytes(dir / "m.tie", WriteMission(m));
    EXPECT_EQ(RunCli("check " + Quoted(dir / "m.tie")).status, 0);
}

TEST(CliFlow, UsageErrors) {
    EXPECT_EQ(RunCli("flow").status, 1);
    EXPECT_EQ(RunCli("flow a.tie b.tie").status, 1);
    const CliResult r = RunCli("flow - --dot --json");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "vantorel-cli flow: --dot and --json exclude each other\n"
              "usage: vantorel-cli flow FILE [--dot | --json]\n");
    EXPECT_EQ(RunCli("flow --svg -").status, 1);
    EXPECT_EQ(RunCli("flow -", "not a mission").status, 2);
}
