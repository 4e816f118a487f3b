#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "mission/Mission.h"
#include "platform/Prompter.h"

namespace vantorel {

inline constexpr const char* kTrailingDataWarning =
    "Warning: Not all of the file was loaded\nMost probable cause: Newer or unsupported file "
    "version";

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

// The size of the largest file a mission can be: every count at its 16-bit
// maximum, every briefing text at its longest, the Balance of Power blocks.
inline constexpr uint64_t kLargestMissionFileSize =
    164 + 65535ull * (1378 + 116 + 1536) + 10 * (128 + 487) + 8 * (820 + 64 * (2 + 65535ull)) +
    53760 + 3 * 4096;

// Reads a whole mission file into memory; false with a reason when it can't.
// Devices are refused without reading them, and no more is read than the
// largest mission can be, so a device, an endless pipe or a huge file named
// by mistake never fills the memory. Pipes (and /dev/stdin) are read.
bool ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes,
                   std::string& error);

// Opens, reads and loads a mission file, reporting every failure. The
// fingerprint (FileFingerprint.h) of the bytes read is given when asked
// for, so the file is not read a second time for it.
bool LoadMissionFile(const std::filesystem::path& path, Mission& out, Prompter& prompter,
                     uint64_t* fingerprint = nullptr);

}  // namespace vantorel
