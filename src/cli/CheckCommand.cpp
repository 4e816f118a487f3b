// `vantorel-cli check FILE`: the mission's problems, one a line, for people
// who check their missions in scripts before handing them to the game.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliPlatform.h"
#include "cli/ConsoleText.h"
#include "cli/Json.h"
#include "cli/MissionFileArg.h"
#include "document/MissionCheck.h"
#include "document/WaveLinking.h"
#include "flow/FlowCheck.h"
#include "platform/PathText.h"

namespace vantorel::cli {
namespace {

constexpr const char* kUsage = "check FILE [--json] [--game FOLDER]";

const char* SeverityName(ProblemSeverity s) {
    return s == ProblemSeverity::Error ? "error" : "warning";
}

const char* SubjectName(ProblemSubject s) {
    switch (s) {
        case ProblemSubject::FlightGroup:
            return "flight group";
        case ProblemSubject::Message:
            return "message";
        case ProblemSubject::Team:
            return "team";
        case ProblemSubject::Briefing:
            return "briefing";
        case ProblemSubject::Mission:
            break;
    }
    return "mission";
}

const char* KindName(ProblemKind k) {
    switch (k) {
        case ProblemKind::MissingFlightGroup:
            return "missing-flight-group";
        case ProblemKind::MissingTeam:
            return "missing-team";
        case ProblemKind::TooManyFlightGroups:
            return "too-many-flight-groups";
        case ProblemKind::TooManyMessages:
            return "too-many-messages";
        case ProblemKind::TextTooLong:
            return "text-too-long";
        case ProblemKind::NoStartPoint:
            return "no-start-point";
        case ProblemKind::WaveFileMissing:
            return "wave-file-missing";
        case ProblemKind::WaveFileOutside:
            return "wave-file-outside";
        case ProblemKind::InvalidValue:
            return "invalid-value";
        case ProblemKind::TextTagTooLong:
            return "text-tag-too-long";
        case ProblemKind::EmptyBriefingText:
            return "empty-briefing-text";
        case ProblemKind::BriefingTiming:
            return "briefing-timing";
        case ProblemKind::TeamWithoutBriefing:
            return "team-without-briefing";
        case ProblemKind::BriefingUnreadable:
            return "briefing-unreadable";
        case ProblemKind::NeverHappens:
            return "never-happens";
        case ProblemKind::OddValue:
            break;
    }
    return "odd-value";
}

int Usage(const std::string& problem) {
    std::fprintf(stderr, "vantorel-cli check: %s\nusage: vantorel-cli %s\n", problem.c_str(),
                 kUsage);
    return kExitUsage;
}

void PrintJson(const std::string& file, const std::vector<Problem>& problems) {
    int errors = 0;
    for (const Problem& p : problems) errors += p.Severity == ProblemSeverity::Error;
    JsonWriter j;
    j.BeginObject();
    j.String("file", file);
    j.Int("errors", errors);
    j.Int("warnings", (long long)problems.size() - errors);
    j.BeginArray("problems");
    for (const Problem& p : problems) {
        j.BeginObject();
        j.String("severity", SeverityName(p.Severity));
        j.String("kind", KindName(p.Kind));
        j.String("subject", SubjectName(p.Subject));
        j.Int("index", p.Index);
        if (p.Event >= 0) j.Int("event", p.Event);
        j.String("where", p.Where);
        j.String("what", p.What);
        j.EndObject();
    }
    j.EndArray();
    j.EndObject();
    PrintUtf8(stdout, "%s\n", j.Text().c_str());
}

int Run(const std::vector<std::string>& args) {
    std::string file;
    std::string gameFolder;
    bool json = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            json = true;
        } else if (a == "--game") {
            if (i + 1 >= args.size() || args[i + 1].empty())
                return Usage("--game needs the game's folder");
            gameFolder = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            return Usage("unknown option '" + a + "'");
        } else if (file.empty()) {
            file = a;
        } else {
            return Usage("more than one mission file given");
        }
    }
    if (file.empty()) return Usage("no mission file given");

    Mission mission;
    if (int rc = LoadMissionArg(file, mission); rc != kExitOk) return rc;
    // Wave files are linked through the game's listing, as the editor does
    // when it opens the mission.
    if (!gameFolder.empty()) {
        RunSettings settings;
        settings.SetString("Paths", "XVT", gameFolder);
        StderrPrompter prompter;
        ReadWaveListing(mission, PathFromUtf8(file), settings, prompter);
    }

    std::vector<Problem> problems = CheckMission(mission, {gameFolder});
    for (Problem& p : CheckMissionFlow(mission)) problems.push_back(std::move(p));
    if (json) {
        PrintJson(file, problems);
    } else {
        for (const Problem& p : problems)
            PrintUtf8(stdout, "%s: %s\n", SeverityName(p.Severity), p.Text().c_str());
    }
    return HasErrors(problems) ? kExitProblems : kExitOk;
}

CommandRegistration registration(
    {"check", kUsage,
     "the mission's problems, one a line, each an error or a warning: references to flight "
     "groups or teams that do not exist, numbers past the game's tables, limits, texts too long, "
     "missing start points, briefings, what can never happen (a team that can never win is an "
     "error) and (with --game) wave files; exit 4 when there are errors",
     &Run});

}  // namespace
}  // namespace vantorel::cli
