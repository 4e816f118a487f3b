#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/CommandLine.h"
#include "cli/MissionFileArg.h"

namespace vantorel::cli {
namespace {

constexpr const char* kUsage = "roundtrip IN OUT";

int Run(const std::vector<std::string>& args) {
    if (RefusedOption("roundtrip", kUsage, args)) return kExitUsage;
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: vantorel-cli %s\n", kUsage);
        return kExitUsage;
    }
    Mission mission;
    if (int rc = LoadMissionArg(args[0], mission); rc != kExitOk) return rc;
    return SaveMissionArg(args[1], mission);
}

CommandRegistration registration({"roundtrip", kUsage, "read IN and write it unchanged to OUT",
                                  &Run});

}  // namespace
}  // namespace vantorel::cli
