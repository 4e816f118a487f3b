#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/CommandLine.h"
#include "cli/MissionFileArg.h"
#include "cli/MissionJson.h"

namespace vantorel::cli {
namespace {

constexpr const char* kUsage = "dump FILE";

int Run(const std::vector<std::string>& args) {
    if (RefusedOption("dump", kUsage, args)) return kExitUsage;
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: vantorel-cli %s\n", kUsage);
        return kExitUsage;
    }
    Mission m;
    if (int rc = LoadMissionArg(args[0], m); rc != kExitOk) return rc;
    const std::string json = MissionToJson(m);
    std::fwrite(json.data(), 1, json.size(), stdout);
    return kExitOk;
}

CommandRegistration registration({"dump", kUsage,
                                  "the mission as JSON (UTF-8) on standard output: every field "
                                  "by name, and the bytes no name gives as hex, so that write "
                                  "makes the same file again",
                                  &Run});

}  // namespace
}  // namespace vantorel::cli
