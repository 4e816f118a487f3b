// `vantorel-cli check FILE`: the mission's problems, one a line, for people
// who check their missions in scripts before handing them to the game.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/CheckKinds.h"
#include "cli/CliCommand.h"
#include "cli/CliPlatform.h"
#include "cli/CommandLine.h"
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

// Every kind with its name and meaning; a kind added without a case here
// does not compile (-Wswitch).
CheckKind Describe(ProblemKind k) {
    switch (k) {
        case ProblemKind::MissingFlightGroup:
            return {k, "missing-flight-group",
                    "a trigger, order target, mothership or goal names a flight group that is "
                    "not there"};
        case ProblemKind::MissingTeam:
            return {k, "missing-team", "a field names a team past the ten teams"};
        case ProblemKind::TooManyFlightGroups:
            return {k, "too-many-flight-groups", "more flight groups than the game takes"};
        case ProblemKind::TooManyMessages:
            return {k, "too-many-messages", "more messages than the game takes"};
        case ProblemKind::TextTooLong:
            return {k, "text-too-long", "the description or a debriefing is cut when it is saved"};
        case ProblemKind::NoStartPoint:
            return {k, "no-start-point", "a flight group has no enabled start point"};
        case ProblemKind::WaveFileMissing:
            return {k, "wave-file-missing", "a message's wave file is not there, or is a folder"};
        case ProblemKind::WaveFileOutside:
            return {k, "wave-file-outside",
                    "a message's listing line leads out of the wave folder"};
        case ProblemKind::InvalidValue:
            return {k, "invalid-value",
                    "a number past the table the game looks it up in, a flight group of 0 craft, "
                    "a player past 8"};
        case ProblemKind::OddValue:
            return {k, "odd-value",
                    "legal but seldom meant: a flight group that never appears, a name that fills "
                    "its field, hidden cargo on a craft the group does not have"};
        case ProblemKind::TextTagTooLong:
            return {k, "text-tag-too-long",
                    "a briefing event shows a text tag of 40 or more characters, which crashes "
                    "the game"};
        case ProblemKind::EmptyBriefingText:
            return {k, "empty-briefing-text", "a briefing event shows an empty string or tag"};
        case ProblemKind::BriefingTiming:
            return {k, "briefing-timing",
                    "briefing events out of time order, or after the briefing's running time"};
        case ProblemKind::TeamWithoutBriefing:
            return {k, "team-without-briefing", "a team with players is shown no briefing"};
        case ProblemKind::BriefingUnreadable:
            return {k, "briefing-unreadable", "a briefing's command block does not decode"};
        case ProblemKind::NeverHappens:
            return {k, "never-happens",
                    "by the mission's flow it can never happen: a team that can never win, a "
                    "flight group that never arrives, a message never sent, a goal never "
                    "completed"};
    }
    return {k, nullptr, nullptr};  // past the last kind
}

const char* KindName(ProblemKind k) {
    return Describe(k).name;
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
        } else if (std::string why = TakeMissionFile(a, file); !why.empty()) {
            return Usage(why);
        }
    }
    if (file.empty()) return Usage("no mission file given");

    Mission mission;
    if (int rc = LoadMissionArg(file, mission); rc != kExitOk) return rc;
    // Wave files are linked through the game's listing, as the editor does
    // when it opens the mission. The listing is named after the mission's
    // file, so one from standard input has none.
    if (!gameFolder.empty() && IsStandardStream(file)) {
        std::fprintf(stderr,
                     "vantorel-cli check: a mission from standard input has no wave listing; "
                     "wave files are not checked\n");
        gameFolder.clear();
    } else if (!gameFolder.empty()) {
        // Linked wave files are whole paths: a relative folder would be
        // looked for again below itself.
        std::error_code ec;
        const std::filesystem::path folder =
            std::filesystem::absolute(PathFromUtf8(gameFolder), ec);
        if (ec || !std::filesystem::is_directory(folder, ec)) {
            std::fprintf(stderr,
                         "vantorel-cli check: the game folder %s does not exist; wave files are "
                         "not checked\n",
                         gameFolder.c_str());
            gameFolder.clear();
        } else {
            gameFolder = PathToUtf8(folder.lexically_normal());
        }
    }
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

}  // namespace

std::vector<CheckKind> CheckKinds() {
    std::vector<CheckKind> kinds;
    for (int k = 0; Describe(ProblemKind(k)).name; ++k) kinds.push_back(Describe(ProblemKind(k)));
    return kinds;
}

namespace {

CommandRegistration registration(
    {"check", kUsage,
     "the mission's problems, one a line, each an error or a warning: references to flight "
     "groups or teams that do not exist, numbers past the game's tables, limits, texts too long, "
     "missing start points, briefings, what can never happen (a team that can never win is an "
     "error) and (with --game) wave files; exit 4 when there are errors",
     &Run});

}  // namespace
}  // namespace vantorel::cli
