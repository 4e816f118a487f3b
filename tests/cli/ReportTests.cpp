// report and catalogue: sentences on lines of their own, texts in UTF-8, the exit statuses.
#include <gtest/gtest.h>

#include <algorithm>

#include <sstream>
#include <string>
#include <vector>

#include "document/MissionWriter.h"
#include "support/MissionGenerator.h"
#include "support/RunCli.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
    for (const auto& l : lines)
        if (l == line) return true;
    return false;
}

Mission ReportedMission() {
    Mission m = MakeEmptyMission(14, 2, 1);
    m.Header.SetMissionType(2);
    m.Header.SetTimeLimitMinutes(5);
    m.Header.SetTimeLimitSeconds(7);
    m.Description = "First line\r\nSecond";
    m.Teams[0].SetName("Rebel");
    m.Teams[1].SetName("Imp\x92s");  // a Windows-1252 apostrophe
    m.Teams[0].SetAllies(2, 1);
    m.GlobalGoals[1].Set(0).SetTrigger(0, {2, 1, 1, 0});
    m.GlobalGoals[1].Set(0).SetPoints(-2);

    FlightGroupRecord& red = m.FlightGroups[0]->File;
    red.SetName("Red");
    red.SetCraftType(1);
    red.SetNumberOfCraft(2);
    red.SetTeam(0);
    red.SetArrivalTrigger(0, {1, 1, 1, 4});
    red.SetArrivalAndOr12(1);
    red.SetArrivalTrigger(1, {10, 0, 0, 0});
    red.SetArriveViaMothership(1);
    red.SetArrivalMothership(1);
    red.SetAlternateArriveViaMothership(1);
    red.SetAlternateArrivalMothership(7);
    red.Orders(0).SetCommand(7);
    red.Orders(0).SetTarget1Type(3);
    red.Orders(0).SetTarget1(0);
    red.Orders(0).SetTarget2Type(21);
    red.Orders(0).SetTarget2(1);
    red.Orders(1).SetCommand(18);
    red.Orders(1).SetParameter2(1);
    for (int n = 0; n < 8; ++n) red.Goals(n).SetCondition(10);
    red.Goals(0).SetCondition(31);
    red.Goals(0).SetArgument(1);
    red.Goals(0).SetTeam(1);
    red.Goals(0).SetPoints(4);
    red.SetWaypointEnabled(0, 1);
    red.SetWaypointX(0, 160);
    red.SetWaypointY(0, -8);
    red.SetWaypointEnabled(13, 1);
    red.SetWaypointZ(13, 32767);

    FlightGroupRecord& shuttle = m.FlightGroups[1]->File;
    shuttle.SetName("Omega");
    shuttle.SetCraftType(200);
    shuttle.SetNumberOfCraft(1);
    shuttle.SetTeam(1);
    for (int n = 0; n < 8; ++n) shuttle.Goals(n).SetCondition(10);

    MessageRecord& message = m.Messages[0]->File;
    message.SetText("2Caf\xE9 at WP1");
    message.SetDelay(12);
    message.SetSentToTeam(1, 1);
    message.SetTrigger(0, {2, 1, 5, 0});
    return m;
}

}  // namespace

TEST(CliReport, SentencesStandOnTheirOwnLines) {
    TempFolder dir;
    Mission mission = ReportedMission();
    TempFolder::WriteBytes(dir / "m.tie", WriteMission(mission));
    CliResult r = RunCli("report " + Quoted(dir / "m.tie"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    const auto lines = Lines(r.out);
    for (const char* line :
         {// Settings.
          "  Format: BoP (14)", "  Time limit: 5:07", "    Second",
          // Teams: display names in UTF-8, allies, goal sets with their sentences.
          "Team 2: Imp\u2019s", "Team 3: Team 3", "  Allies: Team 3",
          "  Primary goals (-500 points): (1 AND 2) AND (3 AND 4)",
          "    1: 100% of flight group (unknown ship) Omega must be destroyed",
          // Flight groups: craft named for their count, unknown types, orders and targets.
          "Flight group 0: 2 X-wings Red", "Flight group 1: 1 (unknown ship) Omega",
          "  Arrival (delay 0:00): (1 OR 2) AND (3 AND 4)",
          "  Arrives by: mothership 1: 1 (unknown ship) Omega; alternate: mothership 7, which "
          "does not exist",
          "  Departs by: hyperspace; alternate: hyperspace",
          "    1: At least one of flight group (unknown ship) Omega must arrive",
          "  Order 1: Attack Targets; Parameter 1: 0; Parameter 2: 0; throttle 0",
          "      1: Starfighters", "      2: All teams except Imp\u2019s", "      3: None",
          // Goals: only those with an effect, with the double negative resolved.
          "    1 (1000 points): Imp\u2019s: 100% of flight group X-W Red must be docked with "
          "(note: double negative)",
          "  Goals: none",
          // Enabled points only, in km with two decimals.
          "    S1: 1.00, -0.05, 0.00", "    HYP: 0.00, 0.00, 204.79",
          // Messages: colour prefix taken off the text, receivers, sentences.
          "Message 0: Caf\u00e9 at WP1", "  Colour: Blue", "  Sent to: Imp\u2019s",
          "    1: 100% of flight group (out of range ship index: 5) must be destroyed"})
        EXPECT_TRUE(HasLine(lines, line)) << line;
    EXPECT_FALSE(HasLine(lines, "    S2: 0.00, 0.00, 0.00"));
    // One heading over a group's points, not one per point.
    const auto s1 = std::find(lines.begin(), lines.end(), "    S1: 1.00, -0.05, 0.00");
    ASSERT_NE(s1, lines.end());
    EXPECT_EQ(*(s1 + 1), "    HYP: 0.00, 0.00, 204.79");
    // A pair of triggers stands one step below its heading too.
    const size_t departure = r.out.find("\n  Departure: ");
    ASSERT_NE(departure, std::string::npos);
    EXPECT_EQ(r.out.substr(r.out.find('\n', departure + 1), 8), "\n    1: ");
    EXPECT_NE(r.out.find("  Order 2: Drop Off Craft; Deploy time x5 seconds?: "),
              std::string::npos);
    EXPECT_NE(r.out.find("; FG to drop (see notes): 1;"), std::string::npos);
}

TEST(CliReport, SameMissionSameReportAndSharedExitStatuses) {
    TempFolder dir;
    MissionGenerator gen(11);
    Mission random = gen.Make();
    TempFolder::WriteBytes(dir / "r.tie", WriteMission(random));
    CliResult first = RunCli("report " + Quoted(dir / "r.tie"));
    ASSERT_EQ(first.status, 0) << first.err;
    // Nothing of where the file lies: git diff reports temporary copies.
    std::filesystem::copy_file(dir / "r.tie", dir / "elsewhere.tie");
    EXPECT_EQ(RunCli("report " + Quoted(dir / "elsewhere.tie")).out, first.out);
    EXPECT_EQ(RunCli("report -", TempFolder::ReadText(dir / "r.tie")).out, first.out);
    EXPECT_EQ(first.out.substr(0, 8), "Mission\n");

    EXPECT_EQ(RunCli("report").status, 1);
    EXPECT_EQ(RunCli("report a b").status, 1);
    EXPECT_EQ(RunCli("report " + Quoted(dir / "absent.tie")).status, 3);
}

TEST(CliCatalogue, TablesAsUtf8Json) {
    CliResult r = RunCli("catalogue");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"singularName\": \"(millenium falcon?)\""), std::string::npos);
    EXPECT_NE(r.out.find("\"Yag\u2019Dhul\""), std::string::npos);
    EXPECT_NE(r.out.find("\"parameter1Label\": \"Deploy time x5 seconds?\""), std::string::npos);
    EXPECT_NE(r.out.find("as follows:\\nIf it was holding station"), std::string::npos);
    EXPECT_EQ(r.out.find('\x92'), std::string::npos);  // nothing left in Windows-1252
    EXPECT_EQ(RunCli("catalogue extra").status, 1);
}
