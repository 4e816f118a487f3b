#include "cli/MissionFileArg.h"

#include <cstdio>
#include <vector>

#include "cli/CliCommand.h"
#include "document/AtomicFile.h"
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
    std::vector<uint8_t> bytes = WriteMission(mission);
    std::string error;
    if (!WriteFileAtomically(PathFromUtf8(path), bytes, error)) {
        std::fprintf(stderr, "vantorel-cli: cannot write %s: %s\n", path.c_str(), error.c_str());
        return kExitIo;
    }
    return kExitOk;
}

}  // namespace vantorel::cli
