#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "mission/Mission.h"
#include "platform/Prompter.h"

namespace vantorel {

// The largest count or length the format's 16-bit fields hold: flight
// groups, messages (and each message's index), briefing tag and string
// lengths.
inline constexpr size_t kLargestCountInFile = 0xFFFF;

// Why the mission cannot be written ("" when it can): a count or a length
// that does not fit the field that stores it. Cut or wrapped, it would make
// a file that reads back as something else, or not at all.
std::string WriteRefusal(const Mission& mission);

// Serialises the mission in the variant its FormatVersion names. Before
// writing it recounts flight groups and messages into the header and rewrites
// every message's Index to its position, so the mission is updated too.
// A mission with a WriteRefusal gives no bytes at all and is left unchanged:
// whoever writes a file checks WriteRefusal first.
std::vector<uint8_t> WriteMission(Mission& mission);

// Saves to `path` without ever destroying the previous file: the bytes go to
// a temporary file beside it, which replaces the target only once it was
// written completely. A failure leaves the old file as it was and is reported
// through the prompter with a message naming the file; so is a mission with a
// WriteRefusal.
bool SaveMissionFile(const std::filesystem::path& path, Mission& mission, Prompter& prompter);

}  // namespace vantorel
