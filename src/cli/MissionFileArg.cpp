#include "cli/MissionFileArg.h"

#include <cstdio>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/OutputFile.h"
#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "platform/PathText.h"

namespace vantorel::cli {

int LoadMissionArg(const std::string& path, Mission& mission) {
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(PathFromUtf8(path), bytes, error)) {
        std::fprintf(stderr, "vantorel-cli: cannot open %s: %s\n", path.c_str(), error.c_str());
        return kExitIo;
    }
    ReadResult r = ReadMission(bytes, mission);
    if (!r.ok) {
        std::fprintf(stderr, "%s\n", r.error.c_str());
        return kExitRefused;
    }
    if (r.trailingData) std::fprintf(stderr, "%s\n", kTrailingDataWarning);
    return kExitOk;
}

int SaveMissionArg(const std::string& path, Mission& mission) {
    return WriteOutputFile(path, WriteMission(mission));
}

}  // namespace vantorel::cli
