#pragma once

#include <string>
#include <vector>

#include "catalogue/WordList.h"

namespace vantorel {

struct Mission;

// Kinds of stock name list, selected by a craft type's naming class.
enum NameListKind : int {
    kNameListNone = 0,
    kNameListThemeFirst = 1,   // the first list of the team's theme
    kNameListThemeSecond = 2,  // the second list of the team's theme
    kNameListGeneral = 3,      // 89 names
    kNameListPlanets = 4,      // 184 names
};

// Names in this program are only offered for teams 0..7 (the theme slots).
inline constexpr int kNameListTeams = 8;

WordList GeneralNames();
WordList PlanetNames();

// Number of names of the kind for team 0..7; 0 for any other team or kind,
// even for the general and planet lists that do not depend on the team.
int NameListCount(int team, int kind);

// The name at index, or the empty string outside NameListCount.
std::string NameListEntry(int team, int index, int kind);

// The names offered for a new flight group of a team and craft type. When
// either is mixed (-1, several flight groups differ) the general list is
// offered.
std::vector<std::string> OfferedNames(int team, int craftType);

// The position of the first of `names`, from `from` on and going round, that
// no flight group of the mission has, nor `alsoTaken`: flight groups added
// one run after another are told apart. -1 when every one is taken.
int NextFreeName(const std::vector<std::string>& names, int from, const Mission& mission,
                 const std::vector<std::string>& alsoTaken = {});

}  // namespace vantorel
