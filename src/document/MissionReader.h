#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "document/Mission.h"
#include "platform/Prompter.h"

namespace vantorel {

inline constexpr const char* kTrailingDataWarning =
    "Warning: Not all of the file was loaded\nMost probable cause: Newer or unsupported file version";

struct ReadResult {
    bool ok = false;
    std::string error;          // the refusal text, e.g. "Invalid File Format: Team Goals"
    bool trailingData = false;  // bytes followed the last block; the mission still loaded
};

// Reads a whole mission file. `out` is replaced only when the file is
// accepted: nothing of a refused file is kept.
ReadResult ReadMission(std::span<const uint8_t> file, Mission& out);

// The editor's load: refusals are shown as errors, trailing data as a
// warning (the load still succeeds).
bool LoadMission(std::span<const uint8_t> file, Mission& out, Prompter& prompter);

// The largest size a mission file can have (every count at its 16-bit
// maximum). Anything longer is not read to the end, so a device or an endless
// pipe given by mistake is refused instead of filling the memory.
inline constexpr size_t kLargestMissionFile = size_t(256) << 20;

// Reads a whole file into memory; false with a reason when it can't.
bool ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes, std::string& error);

// Opens, reads and loads a mission file, reporting every failure.
bool LoadMissionFile(const std::filesystem::path& path, Mission& out, Prompter& prompter);

}  // namespace vantorel
