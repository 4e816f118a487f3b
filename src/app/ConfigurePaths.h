#pragma once

#include <functional>
#include <string>

namespace vantorel {

class FileDialogs;
class GameRegistry;
class Prompter;
class Settings;

inline constexpr const char* kGameFolderBrowseTitle =
    "Please select the folder where X-Wing vs. TIE Figher is installed.";
inline constexpr const char* kNoDesktopRootText =
    "Error: Could not get the identifier for the desktop item";
inline constexpr const char* kNotAFileSystemPathText =
    "Error: Could not translate specified path into a file system path";

// Finds the game's folder the first time the program runs: while
// "Paths"/"XVT" has never been written, the game's own keys are asked (1.0,
// 1.1, 2.0 in turn), failing that the user, and the answer goes to "XVT" and
// "DefaultOpen"; "GotBOP" follows the expansion's key. Only a folder is
// stored: without one the next start asks again. Once "XVT" exists, even
// empty (cleared in the Options), nothing happens.
void ConfigurePaths(Settings& settings, GameRegistry& registry, FileDialogs& dialogs,
                    Prompter& prompter, const std::function<void(const char*)>& status = {});

}  // namespace vantorel
