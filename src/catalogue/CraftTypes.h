#pragma once

#include <string>
#include <string_view>

#include "catalogue/WordList.h"

namespace vantorel {

class FlightGroupRecord;

// One craft type of the game. The row's position in the table is the number a
// flight group stores in its CraftType byte.
struct CraftTypeInfo {
    int iconIndex;             // map icon number; -1 = no icon (the blank image is drawn)
    const char* abbreviation;  // shown before a flight group's name on the map and in lists
    const char* singularName;  // also the entry text of every craft type list
    const char* pluralName;
    int namingClass;  // stock name list offered for new flight groups: 0 none, 1..4 (NameLists.h)
};

inline constexpr int CraftTypeCount = 96;

// The row for 0 <= type < CraftTypeCount; nullptr for any other number, which
// the game does not know (such types are still loaded and saved unchanged).
const CraftTypeInfo* GetCraftTypeInfo(int type);

// The 96 singular names in order, the entries of every craft type list.
WordList CraftTypeNames();

// Singular name when count is exactly 1, else the plural; "(unknown ship)"
// for a type outside the table.
std::string CraftNameForCount(int type, int count);

// The singular name as craft type lists show it, "(unknown ship)" outside the table.
std::string CraftTypeName(int type);

// "ABBR Name"; the abbreviation is empty for a type outside the table.
std::string FlightGroupLabel(int craftType, std::string_view name);
std::string FlightGroupLabel(const FlightGroupRecord& flightGroup);

// The naming class of the type, 3 (the general list) for an unknown type.
int NamingClassOf(int type);

}  // namespace vantorel
