#include "document/MissionFolders.h"

#include "platform/PathText.h"

namespace vantorel {

std::optional<std::filesystem::path> SaveFolderForNewMission(Settings& settings, int missionType) {
    if (settings.GetInt("Settings", "SaveToFolder", 1) == 0) return std::nullopt;
    const std::string gameFolder = settings.GetString("Paths", "XVT", "");
    if (gameFolder.empty()) return std::nullopt;

    std::filesystem::path folder = PathFromUtf8(gameFolder);
    if (settings.GetInt("Paths", "GotBOP", 1) != 0) folder /= "BalanceOfPower";
    switch (missionType) {
        case 0:
        case 3:
            folder /= "Train";
            break;
        case 2:
            folder /= "Melee";
            break;
        case 4:
            folder /= "Combat";
            break;
        default:
            break;
    }
    return folder;
}

}  // namespace vantorel
