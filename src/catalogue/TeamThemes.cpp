#include "catalogue/TeamThemes.h"

#include <cctype>
#include <climits>
#include <system_error>

#include "platform/OpenFile.h"
#include "platform/PathText.h"
#include "platform/Prompter.h"
#include "platform/Settings.h"

// Where an installed program finds its data, relative to its own folder
// (bin/ -> share/vantorel/); the build defines it from the install layout.
#ifndef VANTOREL_DATA_FROM_PROGRAM
#define VANTOREL_DATA_FROM_PROGRAM "../share/vantorel"
#endif

namespace vantorel {

namespace {

constexpr const char* kThemesSection = "Themes";

std::string TeamKey(int team) {
    return "Team" + std::to_string(team);
}

bool ValidTeam(int team) {
    return team >= 0 && team < kThemeSlotCount;
}

enum class LineResult { Line, End, Error };

// One line up to a line feed, with a carriage return before it dropped. The
// last line of a file need not end in a line feed.
LineResult ReadLine(std::FILE* file, std::string& line) {
    line.clear();
    for (;;) {
        int c = std::fgetc(file);
        if (c == EOF) {
            if (std::ferror(file)) return LineResult::Error;
            return line.empty() ? LineResult::End : LineResult::Line;
        }
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return LineResult::Line;
        }
        line.push_back(static_cast<char>(c));
    }
}

// atoi: leading blanks, an optional sign, then digits up to the first other
// character; no digits reads 0. Saturates instead of overflowing.
long long CountFromLine(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
    long long value = 0;
    for (; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i) {
        if (value < INT_MAX) value = value * 10 + (line[i] - '0');
    }
    if (value > INT_MAX) value = INT_MAX;
    return negative ? -value : value;
}

// Reads up to `count` names. The count comes from the file, so the list
// grows with the lines actually read instead of being allocated up front.
LineResult ReadNames(std::FILE* file, long long count, std::vector<std::string>& names) {
    std::string line;
    for (long long n = 0; n < count; ++n) {
        LineResult r = ReadLine(file, line);
        if (r != LineResult::Line) return r;
        names.push_back(line);
    }
    return LineResult::Line;
}

std::FILE* OpenTheme(const std::string& path, const std::filesystem::path& programFolder) {
    if (path.empty()) return nullptr;
    const std::filesystem::path p = PathFromUtf8(path);
    if (std::FILE* f = OpenForReading(p)) return f;
    if (!p.is_relative()) return nullptr;
    for (const auto& folder : ThemeFolders(programFolder)) {
        if (std::FILE* f = OpenForReading(folder / p)) return f;
    }
    return nullptr;
}

}  // namespace

std::vector<std::filesystem::path> ThemeFolders(const std::filesystem::path& programFolder) {
    if (programFolder.empty()) return {};
    std::vector<std::filesystem::path> folders{
        programFolder,
        (programFolder / PathFromUtf8(VANTOREL_DATA_FROM_PROGRAM)).lexically_normal()};
#ifdef __APPLE__
    // The editor is a bundle: Contents/MacOS/vantorel, data in Contents/Resources.
    folders.push_back((programFolder / ".." / "Resources").lexically_normal());
#endif
    return folders;
}

std::string DefaultThemePath(int team) {
    if (team == 0) return "imperial.xth";
    if (team == 1) return "rebel.xth";
    return "default.xth";
}

bool ReadThemeFile(std::FILE* file, ThemeSlot& slot) {
    std::string line;
    LineResult r = ReadLine(file, line);
    if (r == LineResult::Error) return false;
    if (r == LineResult::End) return true;
    slot.ThemeName = line.substr(0, kThemeNameMaxLength);

    for (auto* names : {&slot.FirstNames, &slot.SecondNames}) {
        r = ReadLine(file, line);
        if (r != LineResult::Line) return r != LineResult::Error;
        r = ReadNames(file, CountFromLine(line), *names);
        if (r != LineResult::Line) return r != LineResult::Error;
    }
    return true;
}

void SaveThemeSettings(Settings& settings) {
    auto& slots = ThemeSlots();
    for (int t = 0; t < kThemeSlotCount; ++t) {
        ThemeSlot& slot = slots[static_cast<std::size_t>(t)];
        if (!slot.ThemePath.empty()) settings.SetString(kThemesSection, TeamKey(t), slot.ThemePath);
        slot.FirstNames.clear();
        slot.SecondNames.clear();
    }
}

void LoadThemes(Settings& settings, Prompter& prompter,
                const std::filesystem::path& programFolder) {
    SaveThemeSettings(settings);
    auto& slots = ThemeSlots();
    for (int t = 0; t < kThemeSlotCount; ++t) {
        ThemeSlot& slot = slots[static_cast<std::size_t>(t)];
        slot.ThemePath = settings.GetString(kThemesSection, TeamKey(t), DefaultThemePath(t))
                             .substr(0, kThemePathMaxLength);
        slot.FirstNames.clear();
        slot.SecondNames.clear();
        std::FILE* file = OpenTheme(slot.ThemePath, programFolder);
        if (file == nullptr) continue;  // no theme: the team simply offers no names
        const bool ok = ReadThemeFile(file, slot);
        std::fclose(file);
        if (!ok) prompter.Error("Error loading XvT team theme file: " + slot.ThemePath);
    }
}

std::string ThemeName(int team) {
    return ValidTeam(team) ? ThemeSlots()[static_cast<std::size_t>(team)].ThemeName : std::string();
}

std::string ThemePath(int team) {
    return ValidTeam(team) ? ThemeSlots()[static_cast<std::size_t>(team)].ThemePath : std::string();
}

void SetThemePath(int team, const std::string& path) {
    if (!ValidTeam(team)) return;
    ThemeSlots()[static_cast<std::size_t>(team)].ThemePath = path.substr(0, kThemePathMaxLength);
}

}  // namespace vantorel
