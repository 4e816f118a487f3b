// `vantorel-cli briefing FILE`: the briefings as their events, one a line,
// or as the JSON that dump gives them.
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/BriefingText.h"
#include "cli/CliCommand.h"
#include "cli/ConsoleText.h"
#include "cli/Json.h"
#include "cli/MissionFileArg.h"
#include "cli/MissionJson.h"
#include "mission/Win1252.h"

namespace vantorel::cli {
namespace {

constexpr const char* kUsage = "briefing FILE [--briefing N] [--json]";

int Usage(const std::string& problem) {
    std::fprintf(stderr, "vantorel-cli briefing: %s\nusage: vantorel-cli %s\n", problem.c_str(),
                 kUsage);
    return kExitUsage;
}

int Run(const std::vector<std::string>& args) {
    std::string file;
    int only = -1;
    bool json = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            json = true;
        } else if (a == "--briefing") {
            if (i + 1 >= args.size()) return Usage("--briefing needs a number from 1 to 8");
            const std::string& value = args[++i];
            int n = 0;
            auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
            if (ec != std::errc() || end != value.data() + value.size() || n < 1 ||
                n > kBriefingCount)
                return Usage("--briefing takes a number from 1 to 8, not '" + value + "'");
            only = n - 1;
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
        WriteText(stdout, j.Text());
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
    WriteText(stdout, utf8);
    return kExitOk;
}

CommandRegistration registration(
    {"briefing", kUsage,
     "each briefing that is not empty (or briefing N, 1 to 8): the teams that see it, its "
     "running time, the words its events take, and its events one a line as m:ss.cc and "
     "words; with --json, the briefings as dump gives them",
     &Run});

}  // namespace
}  // namespace vantorel::cli
