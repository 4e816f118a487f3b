#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "mission/Mission.h"
#include "platform/Prompter.h"

namespace vantorel {

// Serialises the mission in the variant its FormatVersion names. Before
// writing it recounts flight groups and messages into the header and rewrites
// every message's Index to its position, so the mission is updated too.
std::vector<uint8_t> WriteMission(Mission& mission);

// Saves to `path` without ever destroying the previous file: the bytes go to
// a temporary file beside it, which replaces the target only once it was
// written completely. A failure leaves the old file as it was and is reported
// through the prompter with a message naming the file.
bool SaveMissionFile(const std::filesystem::path& path, Mission& mission, Prompter& prompter);

}  // namespace vantorel
