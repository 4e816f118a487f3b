#pragma once

#include <filesystem>
#include <optional>

#include "platform/Settings.h"

namespace vantorel {

// The game keeps its missions in folders by kind. A mission saved for the
// first time is offered the folder that suits its type:
// <game>[\BalanceOfPower]\Train for training (types 0 and 3), \Melee for a
// melee (2), \Combat for a combat engagement (4), the game folder itself for
// any other type. None when "Settings"/"SaveToFolder" is 0 or no game folder
// ("Paths"/"XVT") is configured: a folder relative to wherever the program
// happens to run would be a guess.
std::optional<std::filesystem::path> SaveFolderForNewMission(Settings& settings, int missionType);

}  // namespace vantorel
