// `vantorel-cli briefing FILE`: the briefings as their events, one a line,
// or as the JSON that dump gives them; with --make, a first briefing made
// from the mission's goals, as Tools > Make Briefing makes it.
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "briefing/MakeBriefing.h"
#include "catalogue/BriefingText.h"
#include "cli/CliCommand.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleText.h"
#include "cli/Json.h"
#include "cli/MissionFileArg.h"
#include "cli/MissionJson.h"
#include "mission/Win1252.h"

namespace vantorel::cli {
namespace {

constexpr const char* kUsage =
    "briefing FILE [--briefing N] [--json] [--make N] [-o OUT] [--replace]";

int Usage(const std::string& problem) {
    std::fprintf(stderr, "vantorel-cli briefing: %s\nusage: vantorel-cli %s\n", problem.c_str(),
                 kUsage);
    return kExitUsage;
}

// A briefing number 1 to 8 after an option, as an index from 0; -1 (and a
// usage message) for anything else.
int BriefingNumber(const std::vector<std::string>& args, size_t& i, int& out) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) return Usage(option + " needs a number from 1 to 8");
    const std::string& value = args[++i];
    int n = 0;
    auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (ec != std::errc() || end != value.data() + value.size() || n < 1 || n > kBriefingCount)
        return Usage(option + " takes a number from 1 to 8, not '" + value + "'");
    out = n - 1;
    return kExitOk;
}

// --make: the briefing made, and the mission written to `output`.
int Make(const std::string& file, int briefing, const std::string& output, bool replace) {
    Mission mission;
    if (int rc = LoadMissionArg(file, mission); rc != kExitOk) return rc;
    if (!replace && !BriefingIsEmpty(mission.Briefings[size_t(briefing)].Commands)) {
        std::fprintf(stderr,
                     "vantorel-cli briefing: briefing %d is not empty; --replace replaces it\n",
                     briefing + 1);
        return kExitUsage;
    }
    const MakeBriefingResult made = MakeBriefing(mission, briefing);
    if (!made.made) {
        std::fprintf(stderr, "vantorel-cli briefing: %s\n", made.problem.c_str());
        return kExitUsage;
    }
    if (made.goalsLeftOut > 0)
        std::fprintf(stderr,
                     "vantorel-cli briefing: %d goal(s) left out: no empty string or no room "
                     "left in the 400 words\n",
                     made.goalsLeftOut);
    return SaveMissionArg(output, mission);
}

int Run(const std::vector<std::string>& args) {
    std::string file, output;
    int only = -1, make = -1;
    bool json = false, replace = false, outputGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            json = true;
        } else if (a == "--replace") {
            replace = true;
        } else if (a == "--briefing") {
            if (int rc = BriefingNumber(args, i, only); rc != kExitOk) return rc;
        } else if (a == "--make") {
            if (int rc = BriefingNumber(args, i, make); rc != kExitOk) return rc;
        } else if (a == "-o" || a == "--output") {
            if (i + 1 >= args.size()) return Usage("-o needs a file name");
            output = args[++i];
            outputGiven = true;
        } else if (std::string why = TakeMissionFile(a, file); !why.empty()) {
            return Usage(why);
        }
    }
    if (file.empty()) return Usage("no mission file given");
    if (make >= 0) {
        if (json || only >= 0)
            return Usage("--make writes a mission; it takes no --json or --briefing");
        if (!outputGiven) return Usage("--make needs the mission to write (-o OUT)");
        if (output.empty()) return EmptyFileName();
        return Make(file, make, output, replace);
    }
    if (outputGiven || replace) return Usage("-o and --replace go with --make");
    Mission mission;
    if (int rc = LoadMissionArg(file, mission); rc != kExitOk) return rc;

    if (json) {
        JsonWriter j;
        if (only >= 0) {
            PutBriefingJson(j, mission.Briefings[size_t(only)]);
        } else {
            j.BeginObject();
            j.BeginArray("briefings");
            for (const Briefing& b : mission.Briefings) PutBriefingJson(j, b);
            j.EndArray();
            j.EndObject();
        }
        WriteUtf8(stdout, j.Text());
        return kExitOk;
    }
    // The one asked for is shown even when it holds nothing.
    std::string text;
    for (int b = 0; b < kBriefingCount; ++b) {
        if (only >= 0 ? b != only : BriefingIsEmpty(mission.Briefings[size_t(b)].Commands))
            continue;
        if (!text.empty()) text += "\n";
        text += BriefingReportText(mission, b);
    }
    const std::string utf8 = Win1252ToUtf8(text);
    WriteUtf8(stdout, utf8);
    return kExitOk;
}

CommandRegistration registration(
    {"briefing", kUsage,
     "each briefing that is not empty (or briefing N, 1 to 8): the teams that see it, its "
     "running time, the words its events take, and its events one a line as m:ss.cc and "
     "words; with --json, the briefings as dump gives them; with --make N, a first briefing N "
     "made from the goals (as Tools > Make Briefing makes it) written to OUT, a briefing that "
     "is not empty only with --replace",
     &Run});

}  // namespace
}  // namespace vantorel::cli
