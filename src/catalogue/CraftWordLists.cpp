#include "catalogue/CraftWordLists.h"

#include <array>

namespace vantorel {

namespace {

constexpr std::array<const char*, 6> kIffCodes = {"Rebel",  "Imperial", "Blue",
                                                  "Yellow", "Red",      "Purple"};

constexpr std::array<const char*, 4> kFlightGroupColours = {"Red", "Gold", "Blue", "Green"};

// The misspellings and the "(unknown: n)" rows are what the game's own
// editor showed; designers look values up by these words.
constexpr std::array<const char*, 22> kCraftStatuses = {
    "Normal",
    "Double Missiles",
    "Half Missiles",
    "Shields 0%",
    "Shields 50%",
    "Lasers Out",
    "Hyperdrive Out",
    "Shields 0%, Recharging",
    "Shields Added",
    "Hyperdrive Added",
    "(unknown: 10)",
    "(unknown: 11)",
    "(200% sheilds)",
    "Shields 50%, Recharding",
    "(no lasers)",
    "(unknown: 15)",
    "Shields & Hyperdrive Added",
    "(unknown: 17)",
    "Shields 200%",
    "(50% shields)",
    "Invincible",
    "Infinite Warheads",
};

constexpr std::array<const char*, 17> kPlanetBackdrops = {
    "Sm. Grey + moon",
    "Med. Atmosphere + 2 moons",
    "Med. Grey + tiny moon",
    "Med. Pink/orange + 2 moons",
    "Med. White atmos. + 2 moons",
    "Med. White + moon",
    "Med. White in shadow",
    "Med. Orange in shadow",
    "Lg. Pink/Orange",
    "Lg. White in shadow",
    "Lg. Orange, part shadow",
    "Very large white",
    "Dual yellow suns",
    "Dual yellow suns 2",
    "Dual blue suns",
    "Dual orange suns",
    "Dual red suns",
};

constexpr std::array<const char*, 22> kNavPointLongNames = {
    "Start 1",         "Start 2",         "Start 3",         "Start 4",         "Waypoint 1",
    "Waypoint 2",      "Waypoint 3",      "Waypoint 4",      "Waypoint 5",      "Waypoint 6",
    "Waypoint 7",      "Waypoint 8",      "Rendezvous",      "Hyperspace",      "Team 1 Briefing",
    "Team 2 Briefing", "Team 3 Briefing", "Team 4 Briefing", "Team 5 Briefing", "Team 6 Briefing",
    "Team 7 Briefing", "Team 8 Briefing",
};

constexpr std::array<const char*, 22> kNavPointShortNames = {
    "S1",  "S2",  "S3",  "S4",   "WP1",  "WP2",  "WP3",  "WP4",  "WP5",  "WP6",  "WP7",
    "WP8", "RVZ", "HYP", "BRF1", "BRF2", "BRF3", "BRF4", "BRF5", "BRF6", "BRF7", "BRF8",
};

constexpr std::array<const char*, 4> kMessageColourNames = {"Red", "Green", "Blue", "Gold"};

constexpr std::array<const char*, 7> kComputerAiLevels = {"Rookie",  "Officer", "Veteran",    "Ace",
                                                          "Top Ace", "Jedi",    "Jedi Master"};

constexpr std::array<const char*, 9> kDefaultWarheads = {"None",
                                                         "Space Bombs",
                                                         "Heavy Rockets",
                                                         "Missiles",
                                                         "Proton Torpedoes",
                                                         "Advanced Missiles",
                                                         "Advanced Torpedoes",
                                                         "Mag Pulse",
                                                         "Ion Pulse"};

constexpr std::array<const char*, 5> kDefaultBeams = {"None", "Tractor", "Jamming", "Decoy",
                                                      "Energy"};

constexpr std::array<const char*, 4> kDefaultCountermeasures = {"None", "Chaff", "Flare",
                                                                "Cluster Mine"};

constexpr std::array<const char*, 11> kDifficultyLevels = {"All Levels",
                                                           "Cheat and Easy",
                                                           "Medium",
                                                           "Hard",
                                                           "Medium and Hard",
                                                           "Cheat, Easy and Medium",
                                                           "Never Appears",
                                                           "Never Appears",
                                                           "Cheat and Easy",
                                                           "Medium",
                                                           "Hard"};

// Past the named ones the list shows the number itself.
constexpr std::array<const char*, 36> kAbortConditions = {"Never",       "Shields out/Damaged",
                                                          "2",           "Out of missiles",
                                                          "50% Hull",    "Attacked",
                                                          "50% Shields", "25% Shields",
                                                          "75% Hull",    "25% Hull",
                                                          "10",          "11",
                                                          "12",          "13",
                                                          "14",          "15",
                                                          "16",          "17",
                                                          "18",          "19",
                                                          "20",          "21",
                                                          "22",          "23",
                                                          "24",          "25",
                                                          "26",          "27",
                                                          "28",          "29",
                                                          "30",          "31",
                                                          "32",          "33",
                                                          "34",          "35"};

constexpr std::array<const char*, 5> kOptionalCraftCategories = {
    "No other ships", "All flyable ships", "All flyable Rebel ships", "All flyable Imperial ships",
    "Custom..."};

constexpr std::array<CmdRole, 12> kCmdRoles = {{
    {"BAS", "Base"},
    {"COM", "Command Ship"},
    {"CON", "Convoy Craft"},
    {"MAN", "Manufacturing Facility"},
    {"MIS", "Mission Critical Craft"},
    {"PRI", "Primary Target"},
    {"REL", "Resupply Craft"},
    {"RES", "Resource Centre"},
    {"SEC", "Secondary Target"},
    {"STA", "Station"},
    {"STR", "Strike Craft"},
    {"TER", "Tertiary Target"},
}};

constexpr std::array<const char*, 12> kCmdRoleCodes = [] {
    std::array<const char*, 12> codes{};
    for (std::size_t i = 0; i < kCmdRoles.size(); ++i) codes[i] = kCmdRoles[i].code;
    return codes;
}();

constexpr std::array<const char*, 12> kCmdRoleNames = [] {
    std::array<const char*, 12> names{};
    for (std::size_t i = 0; i < kCmdRoles.size(); ++i) names[i] = kCmdRoles[i].name;
    return names;
}();

constexpr std::array<FormationInfo, 21> kFormations = {{
    {"Vic", 142},
    {"Finger Four", 146},
    {"Line Astern", 137},
    {"Line Abreast", 136},
    {"Echelon Right", 145},
    {"Echelon Left", 147},
    {"Double Astern", 131},
    {"Diamond", 132},
    {"Stacked", 140},
    {"High X", 150},
    {"Vic Abreast", 130},
    {"High Vic", 149},
    {"Reverse High Vic", 138},
    {"Vertial Line", 141},
    {"Half Stacked", 144},
    {"Horizontal Line", 135},
    {"High Line", 148},
    {"Arc", 143},
    {"Sharp Vic", 139},
    {"Double Top", 134},
    {"Double Bottom", 133},
}};

constexpr std::array<const char*, 21> kFormationNames = [] {
    std::array<const char*, 21> names{};
    for (std::size_t i = 0; i < kFormations.size(); ++i) names[i] = kFormations[i].name;
    return names;
}();

}  // namespace

WordList IffCodes() {
    return kIffCodes;
}
WordList FlightGroupColours() {
    return kFlightGroupColours;
}
WordList CraftStatuses() {
    return kCraftStatuses;
}
WordList PlanetBackdrops() {
    return kPlanetBackdrops;
}
WordList NavPointLongNames() {
    return kNavPointLongNames;
}
WordList NavPointShortNames() {
    return kNavPointShortNames;
}
WordList MessageColourNames() {
    return kMessageColourNames;
}
WordList ComputerAiLevels() {
    return kComputerAiLevels;
}
WordList DefaultWarheads() {
    return kDefaultWarheads;
}
WordList DefaultBeams() {
    return kDefaultBeams;
}
WordList DefaultCountermeasures() {
    return kDefaultCountermeasures;
}
WordList DifficultyLevels() {
    return kDifficultyLevels;
}
WordList AbortConditions() {
    return kAbortConditions;
}
WordList OptionalCraftCategories() {
    return kOptionalCraftCategories;
}

std::string NavPointShortName(int index) {
    if (index < 0 || index >= static_cast<int>(kNavPointShortNames.size())) return {};
    return kNavPointShortNames[static_cast<std::size_t>(index)];
}

std::vector<std::string> StatusChoices(int craftType) {
    return ListWords(craftType == kPlanetCraftType ? PlanetBackdrops() : CraftStatuses(),
                     kStatusListPositions);
}

std::span<const CmdRole> CmdRoles() {
    return kCmdRoles;
}
WordList CmdRoleCodes() {
    return kCmdRoleCodes;
}
WordList CmdRoleNames() {
    return kCmdRoleNames;
}

std::span<const FormationInfo> Formations() {
    return kFormations;
}
WordList FormationNames() {
    return kFormationNames;
}

}  // namespace vantorel
