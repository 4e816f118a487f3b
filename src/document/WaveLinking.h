#pragma once

#include <filesystem>
#include <string>

#include "mission/Mission.h"
#include "platform/Prompter.h"
#include "platform/Settings.h"

namespace vantorel {

// The game finds a mission's radio message sounds through a listing beside
// its wave folder: <game>\wave\<mission title>.lst, one line per message in
// message order, each naming the message's wave file relative to the wave
// folder with '\' separators (an empty line for a message without one).

// Reads the listing of a mission just opened from missionPath and links each
// message to its wave file. Nothing happens when no game folder is configured
// or there is no listing. Warns when the listing uses the training missions'
// placeholder sound.
void ReadWaveListing(Mission& mission, const std::filesystem::path& missionPath, Settings& settings,
                     Prompter& prompter);

// After the mission has been written to missionPath: when wave linking is on,
// copies every linked wave file that is not yet in the wave folder into a
// folder named after the mission and writes the listing. A wave file named
// without a folder is listed as that name and never copied; one whose name
// holds a control character is listed as none. Messages that get a
// copy are relinked to it. Failures are reported and affect only the listing
// and the copies, never the mission file.
void WriteWaveListing(Mission& mission, const std::filesystem::path& missionPath,
                      Settings& settings, Prompter& prompter);

inline constexpr const char* kDummyWaveWarningText =
    "Warning: train\\dummy.wav during load - some samples may be out of place\n\nMany of the "
    "X-Wing vs. TIE Fighter training missions use a 'dummy' wave file in place of some "
    "messages. The exact effect of this is not entirely known, and some messages appear to be "
    "put out of place if it is included. It is not recommended that this file is saved over "
    "the top of the existing one - disable wave linking before saving this file.";
inline constexpr const char* kNoGameFolderForWavesText =
    "It is not possible to save wave file messages without an XvT path configured";
inline constexpr const char* kCannotCreateListingText = "Cannot create wave listing file";
inline constexpr const char* kControlCharacterInWaveText =
    "A wave file's name has a line break or another control character in it, which the wave "
    "listing cannot hold.";

}  // namespace vantorel
