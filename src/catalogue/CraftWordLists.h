#pragma once

#include <span>
#include <string>
#include <vector>

#include "catalogue/WordList.h"

namespace vantorel {

// The short coded lists of a flight group's own fields.
WordList IffCodes();            // 6
WordList FlightGroupColours();  // 4, the Markings byte
WordList CraftStatuses();       // 22; status lists still offer positions up to 50
WordList PlanetBackdrops();     // 17, the status list of a planet (craft type 87)
WordList NavPointLongNames();   // 22, the point labels of the positions page
WordList NavPointShortNames();  // 22, same order
WordList MessageColourNames();  // 4, the colour prefix of a radio message
WordList ComputerAiLevels();    // 7
WordList DefaultWarheads();     // 9, from "None"
WordList DefaultBeams();        // 5, from "None"
WordList DefaultCountermeasures();   // 4, from "None"
WordList DifficultyLevels();         // 11
WordList AbortConditions();          // 36, "10" to "35" by their number
WordList OptionalCraftCategories();  // 5

// The short name of point 0..21 ("S1", "WP1", "RVZ", ...), else empty.
std::string NavPointShortName(int index);

// Status and backdrop lists show this many positions so that any stored value
// up to it can be chosen and is named.
inline constexpr int kStatusListPositions = 51;

// The entries of the first status list of a flight group: the planet
// backdrops for a planet (craft type 87), the craft statuses otherwise.
std::vector<std::string> StatusChoices(int craftType);
inline constexpr int kPlanetCraftType = 87;

// A role of the combat multiview descriptions: a three-letter code and its name.
struct CmdRole {
    const char* code;
    const char* name;
};
std::span<const CmdRole> CmdRoles();  // 12
WordList CmdRoleCodes();
WordList CmdRoleNames();

// A formation's name and the resource number of its small picture.
struct FormationInfo {
    const char* name;
    int pictureId;
};
std::span<const FormationInfo> Formations();  // 21
WordList FormationNames();

}  // namespace vantorel
