#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/MissionFileArg.h"

namespace vantorel::cli {
namespace {

int Run(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: vantorel-cli roundtrip IN OUT\n");
        return kExitUsage;
    }
    Mission mission;
    if (int rc = LoadMissionArg(args[0], mission); rc != kExitOk) return rc;
    return SaveMissionArg(args[1], mission);
}

CommandRegistration registration({"roundtrip", "roundtrip IN OUT",
                                  "read IN and write it unchanged to OUT", &Run});

}  // namespace
}  // namespace vantorel::cli
