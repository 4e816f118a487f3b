#include "cli/OutputFile.h"

#include <cstdio>
#include <filesystem>

#include "cli/CliCommand.h"
#include "cli/ConsoleText.h"
#include "cli/MissionFileArg.h"
#include "document/AtomicFile.h"
#include "platform/PathText.h"

namespace vantorel::cli {

int WriteOutputFile(const std::string& path, std::span<const uint8_t> bytes) {
    if (path.empty()) return EmptyFileName();
    if (IsStandardStream(path)) {
        // A failed write is caught by main's check of standard output.
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        return kExitOk;
    }
    std::string error;
    if (!WriteFileAtomically(PathFromUtf8(path), bytes, error)) {
        PrintUtf8(stderr, "vantorel-cli: cannot write %s: %s\n", path.c_str(), error.c_str());
        return kExitIo;
    }
    return kExitOk;
}

bool OutputIsAnInput(const std::string& output, const std::vector<std::string>& inputs) {
    namespace fs = std::filesystem;
    const fs::path out = PathFromUtf8(output);
    for (const std::string& input : inputs) {
        std::error_code ec;
        if (fs::equivalent(out, PathFromUtf8(input), ec) && !ec) return true;
    }
    return false;
}

}  // namespace vantorel::cli
