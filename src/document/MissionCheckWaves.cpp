// A message's wave file: the game plays nothing for a file that is not
// there, and a listing line that leads out of the wave folder is kept as
// written (the game may resolve it) but is worth a look.
#include <filesystem>
#include <optional>

#include "document/MissionCheckRules.h"
#include "document/WaveListingLines.h"
#include "platform/PathText.h"

namespace vantorel {

namespace {

namespace fs = std::filesystem;

// The file as the game on Windows finds it: each part of the path matched
// without regard to letter case, the exact spelling first.
std::optional<fs::path> FindIgnoringCase(const fs::path& path, int depth = 0) {
    std::error_code ec;
    if (fs::exists(path, ec)) return path;
    const fs::path parent = path.parent_path();
    if (depth > 64 || parent.empty() || parent == path || !path.has_filename()) return std::nullopt;
    const std::optional<fs::path> folder = FindIgnoringCase(parent, depth + 1);
    if (!folder) return std::nullopt;
    const std::string wanted = ComparablePath(PathToUtf8(path.filename()));
    for (fs::directory_iterator it(*folder, ec), end; !ec && it != end; it.increment(ec))
        if (ComparablePath(PathToUtf8(it->path().filename())) == wanted) return it->path();
    return std::nullopt;
}

}  // namespace

void CheckWaveFile(const RadioMessage& message, const std::string& gameFolder, ProblemSink& sink) {
    if (message.WaveFile.empty()) return;
    // Named by its listing line when it lies in the wave folder, as the game
    // names it; by its whole path otherwise.
    std::optional<std::string> line;
    if (!gameFolder.empty())
        line = ListingLineOf(message.WaveFile, PathFromUtf8(gameFolder) / "wave");
    const std::string name = "wave file " + line.value_or(message.WaveFile);
    if (line && LeavesWaveFolder(*line)) {
        sink.Add(ProblemSeverity::Warning, ProblemKind::WaveFileOutside,
                 name + " lies outside the wave folder");
        return;
    }
    // A name with no folder names a file in the wave folder (or none while
    // there is no game folder), never one where the check happens to run.
    fs::path file = PathFromUtf8(message.WaveFile);
    if (!file.is_absolute())
        file = gameFolder.empty()
                   ? fs::path()
                   : ResolveListingLine(PathFromUtf8(gameFolder) / "wave", message.WaveFile);
    std::error_code ec;
    const std::optional<fs::path> found = file.empty() ? std::nullopt : FindIgnoringCase(file);
    const fs::file_status status = found ? fs::status(*found, ec) : fs::file_status();
    if (!found || !fs::exists(status)) {
        sink.Add(ProblemSeverity::Warning, ProblemKind::WaveFileMissing, name + " does not exist");
    } else if (fs::is_directory(status)) {
        sink.Add(ProblemSeverity::Warning, ProblemKind::WaveFileMissing,
                 name + " is a folder, not a wave file");
    }
}

}  // namespace vantorel
