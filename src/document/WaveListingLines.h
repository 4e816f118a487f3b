#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "mission/Mission.h"

namespace vantorel {

// A line of a wave listing names a wave file relative to the game's wave
// folder, with '\' separators ('/' is accepted too). These say how a line
// and the file it names relate to that folder.

// A path as the game's file system compares it: lower case, '\' separators.
std::string ComparablePath(std::string_view path);

// The file a line names below the wave folder. Every part of the line is
// appended as written ("..", a drive letter): the line is kept as it is,
// since the game may resolve it, and it is listed the same way again.
std::filesystem::path ResolveListingLine(const std::filesystem::path& root, std::string_view line);

// Empty, or nothing but separators: the line names no wave file (the wave
// folder itself is not one).
bool NamesNoWaveFile(std::string_view line);

// Whether the line leads out of the wave folder: a ".." that climbs above
// it, or a drive letter. Such a line is kept, never copied or written
// through, and the mission check reports it.
bool LeavesWaveFolder(std::string_view line);

// A wave path with a control character (CR, LF, NUL or any other below a
// space) is refused wherever it comes from: in the listing it would make
// lines of its own, and no wave file is named so.
bool HasControlCharacter(std::string_view path);

// The listing line of a linked wave file that lies in the wave folder
// (compared as the game compares paths); none for a file elsewhere.
std::optional<std::string> ListingLineOf(std::string_view waveFile,
                                         const std::filesystem::path& root);

// Reads one line per message, in message order, and links each message to
// the file its line names; a listing shorter than the message list leaves
// the later messages unlinked. Lines are Windows-1252. Returns whether the
// training missions' placeholder sound (train\dummy.wav) was among them.
bool LinkListingLines(Mission& mission, std::istream& listing, const std::filesystem::path& root);

}  // namespace vantorel
