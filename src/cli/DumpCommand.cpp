#include <cstdio>

#include "catalogue/CraftTypes.h"
#include "cli/CliCommand.h"
#include "cli/Json.h"
#include "cli/MissionFileArg.h"
#include "mission/Win1252.h"

namespace vantorel::cli {
namespace {

const char* const kPointNames[kPointCount] = {
    "S1",  "S2",  "S3",  "S4",   "WP1",  "WP2",  "WP3",  "WP4",  "WP5",  "WP6",  "WP7",
    "WP8", "RVZ", "HYP", "BRF1", "BRF2", "BRF3", "BRF4", "BRF5", "BRF6", "BRF7", "BRF8"};

void PutText(JsonWriter& j, std::string_view key, std::string_view win1252) {
    j.String(key, Win1252ToUtf8(win1252));
}

void PutTrigger(JsonWriter& j, const Trigger& t) {
    j.BeginObject();
    j.Int("condition", t.Condition);
    j.Int("variableType", t.VariableType);
    j.Int("variable", t.Variable);
    j.Int("amount", t.Amount);
    j.EndObject();
}

void PutTriggers(JsonWriter& j, std::string_view key, std::initializer_list<Trigger> triggers) {
    j.BeginArray(key);
    for (const auto& t : triggers) PutTrigger(j, t);
    j.EndArray();
}

void PutOrder(JsonWriter& j, const ConstOrder& o) {
    j.BeginObject();
    j.Int("command", o.Command());
    j.Int("throttle", o.Throttle());
    j.Int("parameter1", o.Parameter1());
    j.Int("parameter2", o.Parameter2());
    j.Int("target1Type", o.Target1Type());
    j.Int("target1", o.Target1());
    j.Int("target2Type", o.Target2Type());
    j.Int("target2", o.Target2());
    j.Int("target12AndOr", o.Target12AndOr());
    j.Int("target3Type", o.Target3Type());
    j.Int("target3", o.Target3());
    j.Int("target4Type", o.Target4Type());
    j.Int("target4", o.Target4());
    j.Int("target34AndOr", o.Target34AndOr());
    j.Int("speed", o.Speed());
    PutText(j, "description", o.Description());
    j.EndObject();
}

void PutFlightGroup(JsonWriter& j, int index, const FlightGroup& fg) {
    const FlightGroupRecord& r = fg.File;
    j.BeginObject();
    j.Int("index", index);
    PutText(j, "name", r.Name());
    PutText(j, "cargo", r.Cargo());
    PutText(j, "specialCargo", r.SpecialCargo());
    j.Int("craftType", r.CraftType());
    PutText(j, "craftName", CraftNameForCount(r.CraftType(), r.NumberOfCraft()));
    j.Int("numberOfCraft", r.NumberOfCraft());
    j.Int("team", r.Team());
    j.Int("iff", r.Iff());
    j.Int("playerNumber", r.PlayerNumber());
    j.Int("numberOfWaves", r.NumberOfWaves());
    j.Int("status", r.Status());
    j.Int("markings", r.Markings());
    j.Int("formation", r.Formation());
    j.Int("orientation", r.Orientation());
    j.Int("difficultyLevel", r.DifficultyLevel());
    PutTriggers(
        j, "arrivalTriggers",
        {r.ArrivalTrigger(0), r.ArrivalTrigger(1), r.ArrivalTrigger(2), r.ArrivalTrigger(3)});
    j.IntArray("arrivalAndOr", {r.ArrivalAndOr12(), r.ArrivalAndOr34(), r.ArrivalAndOr1234()});
    j.Int("arrivalDelayMinutes", r.ArrivalDelayMinutes());
    j.Int("arrivalDelaySeconds", r.ArrivalDelaySeconds());
    PutTriggers(j, "departureTriggers", {r.DepartureTrigger(0), r.DepartureTrigger(1)});
    j.Int("departureAndOr", r.DepartureAndOr());
    j.Int("abortTrigger", r.AbortTrigger());
    j.Int("arrivalMothership", r.ArrivalMothership());
    j.Int("arriveViaMothership", r.ArriveViaMothership());
    j.Int("departureMothership", r.DepartureMothership());
    j.Int("departViaMothership", r.DepartViaMothership());
    j.BeginArray("orders");
    for (int n = 0; n < FlightGroupRecord::kOrderCount; ++n) PutOrder(j, r.Orders(n));
    j.EndArray();
    PutTriggers(j, "jumpToOrder4Triggers", {r.JumpToOrder4Trigger(0), r.JumpToOrder4Trigger(1)});
    j.Int("jumpToOrder4AndOr", r.JumpToOrder4AndOr());
    j.BeginArray("goals");
    for (int n = 0; n < FlightGroupRecord::kGoalCount; ++n) {
        ConstFgGoal g = r.Goals(n);
        j.BeginObject();
        j.Int("argument", g.Argument());
        j.Int("condition", g.Condition());
        j.Int("amount", g.Amount());
        j.Int("points", g.Points());
        j.Int("team", g.Team());
        j.Int("timeLimit", g.TimeLimit());
        PutText(j, "incomplete", fg.GoalStrings.Get(n, FgGoalStrings::kIncomplete));
        PutText(j, "complete", fg.GoalStrings.Get(n, FgGoalStrings::kComplete));
        PutText(j, "failed", fg.GoalStrings.Get(n, FgGoalStrings::kFailed));
        j.EndObject();
    }
    j.EndArray();
    j.BeginArray("points");
    for (int p = 0; p < kPointCount; ++p) {
        j.BeginObject();
        j.String("name", kPointNames[p]);
        j.Int("x", r.WaypointX(p));
        j.Int("y", r.WaypointY(p));
        j.Int("z", r.WaypointZ(p));
        j.Int("enabled", r.WaypointEnabled(p));
        j.EndObject();
    }
    j.EndArray();
    j.EndObject();
}

void PutMessage(JsonWriter& j, int index, const RadioMessage& msg) {
    const MessageRecord& r = msg.File;
    j.BeginObject();
    j.Int("index", index);
    PutText(j, "text", r.TextWithoutColour());
    j.Int("colour", r.Colour());
    j.Int("delay", r.Delay());
    std::vector<int> sent;
    for (int t = 0; t < kTeamCount; ++t) sent.push_back(r.SentToTeam(t));
    j.IntArray("sentToTeams", sent);
    PutTriggers(j, "triggers",
                {r.GetTrigger(0), r.GetTrigger(1), r.GetTrigger(2), r.GetTrigger(3)});
    j.IntArray("andOr", {r.AndOr12(), r.AndOr34(), r.AndOr1234()});
    j.EndObject();
}

void PutTeam(JsonWriter& j, int t, const Mission& m) {
    const TeamRecord& r = m.Teams[size_t(t)];
    j.BeginObject();
    j.Int("index", t);
    PutText(j, "name", r.Name());
    PutText(j, "displayName", m.TeamDisplayName(t));
    std::vector<int> allies;
    for (int a = 0; a < kTeamCount; ++a) allies.push_back(r.Allies(a));
    j.IntArray("allies", allies);
    static const char* const kSetNames[3] = {"primary", "prevent", "secondary"};
    j.BeginObject("goals");
    for (int k = 0; k < 3; ++k) {
        ConstGoalSet s = m.GlobalGoals[size_t(t)].Set(k);
        j.BeginObject(kSetNames[k]);
        PutTriggers(j, "triggers",
                    {s.GetTrigger(0), s.GetTrigger(1), s.GetTrigger(2), s.GetTrigger(3)});
        j.IntArray("andOr", {s.AndOr12(), s.AndOr34(), s.AndOr1234()});
        j.Int("points", s.Points());
        j.EndObject();
    }
    j.EndObject();
    PutText(j, "primarySuccess1", r.PrimarySuccess1());
    PutText(j, "primarySuccess2", r.PrimarySuccess2());
    PutText(j, "primaryFailure1", r.PrimaryFailure1());
    PutText(j, "primaryFailure2", r.PrimaryFailure2());
    PutText(j, "secondarySuccess1", r.SecondarySuccess1());
    PutText(j, "secondarySuccess2", r.SecondarySuccess2());
    j.EndObject();
}

void PutBriefing(JsonWriter& j, const Briefing& b) {
    j.BeginObject();
    j.BeginArray("tags");
    for (const auto& t : b.Tags) j.String(Win1252ToUtf8(t));
    j.EndArray();
    j.BeginArray("strings");
    for (const auto& s : b.Strings) j.String(Win1252ToUtf8(s));
    j.EndArray();
    j.EndObject();
}

int Run(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: vantorel-cli dump FILE\n");
        return kExitUsage;
    }
    Mission m;
    if (int rc = LoadMissionArg(args[0], m); rc != kExitOk) return rc;

    JsonWriter j;
    j.BeginObject();
    j.Int("formatVersion", m.Header.FormatVersion());
    j.String("variant", m.Header.IsBop() ? "BoP" : "XvT");
    j.Int("missionType", m.Header.MissionType());
    j.Int("timeLimitMinutes", m.Header.TimeLimitMinutes());
    j.Int("timeLimitSeconds", m.Header.TimeLimitSeconds());
    PutText(j, "description", m.Description);
    PutText(j, "successfulDebriefing", m.Header.IsBop() ? m.SuccessfulDebriefing : "");
    PutText(j, "failedDebriefing", m.Header.IsBop() ? m.FailedDebriefing : "");
    j.BeginArray("flightGroups");
    for (size_t i = 0; i < m.FlightGroups.size(); ++i)
        PutFlightGroup(j, int(i), *m.FlightGroups[i]);
    j.EndArray();
    j.BeginArray("messages");
    for (size_t i = 0; i < m.Messages.size(); ++i) PutMessage(j, int(i), *m.Messages[i]);
    j.EndArray();
    j.BeginArray("teams");
    for (int t = 0; t < kTeamCount; ++t) PutTeam(j, t, m);
    j.EndArray();
    j.BeginArray("briefings");
    for (const auto& b : m.Briefings) PutBriefing(j, b);
    j.EndArray();
    j.EndObject();
    std::fwrite(j.Text().data(), 1, j.Text().size(), stdout);
    return kExitOk;
}

CommandRegistration registration({"dump", "dump FILE",
                                  "the mission as JSON (UTF-8) on standard output", &Run});

}  // namespace
}  // namespace vantorel::cli
