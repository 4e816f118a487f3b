// `vantorel-cli write JSON -o OUT`: the mission a JSON describes, the way
// `dump` shows it; dump then write gives the file back byte for byte.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/ConsoleText.h"
#include "cli/MissionFileArg.h"
#include "cli/MissionJson.h"
#include "cli/OutputFile.h"
#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "platform/PathText.h"

namespace vantorel::cli {
namespace {

constexpr const char* kUsage = "write JSON -o OUT";

int Usage(const std::string& why) {
    std::fprintf(stderr, "vantorel-cli write: %s\nusage: vantorel-cli %s\n", why.c_str(), kUsage);
    return kExitUsage;
}

int Run(const std::vector<std::string>& args) {
    std::string input;
    std::string output;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 >= args.size()) return Usage("-o needs a file");
            output = args[++i];
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            return Usage("unknown option '" + args[i] + "'");
        } else if (input.empty()) {
            input = args[i];
        } else {
            return Usage("more than one JSON file given");
        }
    }
    if (input.empty()) return Usage("no JSON file given");
    if (output.empty()) return Usage("-o OUT is required");

    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadInputArg(input, bytes, error)) {
        PrintUtf8(stderr, "vantorel-cli: cannot open %s: %s\n", input.c_str(), error.c_str());
        return kExitIo;
    }
    Mission mission;
    std::vector<std::string> errors;
    if (!MissionFromJson({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, mission,
                         errors)) {
        for (const std::string& e : errors) PrintUtf8(stderr, "%s\n", e.c_str());
        return kExitRefused;
    }
    return SaveMissionArg(output, mission);
}

CommandRegistration registration(
    {"write", kUsage,
     "the mission a JSON in the form of dump describes (fields left out get the values of a "
     "new mission, flight group or message); errors name the JSON path and write nothing",
     &Run});

}  // namespace
}  // namespace vantorel::cli
