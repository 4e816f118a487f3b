// `vantorel-cli report FILE`: the mission in plain English, for reading and
// diffing. Every condition, target and goal is one line holding the sentence
// exactly as the editor shows it, so that grep finds it.
#include <cstdio>
#include <string>

#include "catalogue/MissionReport.h"
#include "cli/CliCommand.h"
#include "cli/CommandLine.h"
#include "cli/MissionFileArg.h"
#include "mission/Mission.h"
#include "mission/Win1252.h"

namespace vantorel::cli {
namespace {

constexpr const char* kUsage = "report FILE";

int RunReport(const std::vector<std::string>& args) {
    if (RefusedOption("report", kUsage, args)) return kExitUsage;
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: vantorel-cli %s\n", kUsage);
        return kExitUsage;
    }
    Mission mission;
    if (int status = LoadMissionArg(args[0], mission); status != kExitOk) return status;

    // Nothing of the file's name or of the time: the same mission gives the
    // same lines wherever it lies (git diff runs this on temporary files).
    std::printf("Mission\n");
    const std::string utf8 = Win1252ToUtf8(MissionReportText(mission));
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    return kExitOk;
}

const CommandRegistration kRegistration({"report", kUsage,
                                         "the mission in plain English: settings, teams and goals, "
                                         "flight groups with orders and conditions, messages",
                                         RunReport});

}  // namespace
}  // namespace vantorel::cli
