#include "cli/MissionFileArg.h"

#include <cstdio>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/ConsoleText.h"
#include "cli/OutputFile.h"
#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "platform/PathText.h"

namespace vantorel::cli {

namespace {

// Standard input, read to its end under the same size limit as a file.
bool ReadStandardInput(std::vector<uint8_t>& bytes, std::string& error) {
    bytes.clear();
    std::vector<uint8_t> chunk(1 << 16);
    for (;;) {
        const size_t n = std::fread(chunk.data(), 1, chunk.size(), stdin);
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + std::ptrdiff_t(n));
        if (bytes.size() > kLargestMissionFileSize) {
            error = "it is larger than any mission file can be";
            return false;
        }
        if (n < chunk.size()) break;
    }
    if (std::ferror(stdin)) {
        error = "a read error occurred";
        return false;
    }
    return true;
}

}  // namespace

bool IsStandardStream(const std::string& path) {
    return path == "-";
}

bool ReadInputArg(const std::string& path, std::vector<uint8_t>& bytes, std::string& error) {
    return IsStandardStream(path) ? ReadStandardInput(bytes, error)
                                  : ReadWholeFile(PathFromUtf8(path), bytes, error);
}

int EmptyFileName() {
    std::fprintf(stderr, "vantorel-cli: a file name is empty\n");
    return kExitUsage;
}

int LoadMissionArg(const std::string& path, Mission& mission, std::vector<uint8_t>* bytesRead) {
    if (path.empty()) return EmptyFileName();
    std::vector<uint8_t> local;
    std::vector<uint8_t>& bytes = bytesRead ? *bytesRead : local;
    std::string error;
    if (!ReadInputArg(path, bytes, error)) {
        PrintUtf8(stderr, "vantorel-cli: cannot open %s: %s\n", path.c_str(), error.c_str());
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
    if (path.empty()) return EmptyFileName();
    if (const std::string why = WriteRefusal(mission); !why.empty()) {
        PrintUtf8(stderr, "vantorel-cli: cannot write %s: %s\n", path.c_str(), why.c_str());
        return kExitIo;
    }
    return WriteOutputFile(path, WriteMission(mission));
}

}  // namespace vantorel::cli
