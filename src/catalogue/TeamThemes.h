#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/ThemeSlots.h"

namespace vantorel {

class Prompter;
class Settings;

// Kept lengths of the slot texts (the fields were fixed buffers of 128 and
// 260 characters, and stored settings rely on the same cut).
inline constexpr std::size_t kThemeNameMaxLength = 127;
inline constexpr std::size_t kThemePathMaxLength = 259;

// The file a team reads when nothing is stored: team 1 the imperial theme,
// team 2 the rebel one, the others the default theme. Bare names, shipped
// beside the program.
std::string DefaultThemePath(int team);

// The folders where a relative theme path is looked for after the current
// directory: beside the program (where the build puts the default themes),
// then the data folder of an installed program. None without a program folder.
std::vector<std::filesystem::path> ThemeFolders(const std::filesystem::path& programFolder);

// Saves the settings, then reads the eight slots again from the files named
// under "Themes"/"Team0".."Team7" (UTF-8 paths). A relative path is opened
// from the current directory first and, failing that, from the
// ThemeFolders of programFolder, so the editor finds the default themes
// whatever folder it is started from. A missing file is not reported; a
// read error is, through the prompter.
void LoadThemes(Settings& settings, Prompter& prompter,
                const std::filesystem::path& programFolder = {});

// Writes every non-empty slot path to "Themes"/"Team<t>" and empties both
// name lists of every slot (the names stay until the next load).
void SaveThemeSettings(Settings& settings);

// The slot's name or path for team 0..7, else the empty string.
std::string ThemeName(int team);
std::string ThemePath(int team);

// Keeps up to 259 characters of path for team 0..7; other teams are ignored.
void SetThemePath(int team, const std::string& path);

// Reads one theme file into the slot's name and lists (the lists are
// expected empty). Returns false on a read error, after which the slot keeps
// what was read so far; true otherwise, including when a list ends early.
bool ReadThemeFile(std::FILE* file, ThemeSlot& slot);

}  // namespace vantorel
