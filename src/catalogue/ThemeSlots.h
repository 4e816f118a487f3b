#pragma once

#include <array>
#include <string>
#include <vector>

namespace vantorel {

// One team theme: a display name and the two name lists offered for new
// flight groups of that team. The slots belong to the program, not to a
// mission: every open mission shares them.
struct ThemeSlot {
    std::string ThemePath;  // as configured: a bare file name or a full path
    std::string ThemeName;  // the file's first line
    std::vector<std::string> FirstNames;
    std::vector<std::string> SecondNames;
};

inline constexpr int kThemeSlotCount = 8;

// The eight process-wide slots, index = team 0..7.
std::array<ThemeSlot, kThemeSlotCount>& ThemeSlots();

}  // namespace vantorel
