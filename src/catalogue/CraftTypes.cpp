#include "catalogue/CraftTypes.h"

#include <array>

#include "mission/MissionRecords.h"

namespace vantorel {

namespace {

// The names are the game's own wording, odd spellings included: designers
// know the craft by these words. Bracketed rows are types the game cannot
// fly; they keep their numbers so that every stored byte has a row.
constexpr std::array<CraftTypeInfo, CraftTypeCount> kCraftTypes = {{
    {-1, "NONE", "(none)", "(none)", 0},
    {0, "X-W", "X-wing", "X-wings", 1},
    {1, "Y-W", "Y-wing", "Y-wings", 1},
    {2, "A-W", "A-wing", "A-wings", 1},
    {3, "B-W", "B-wing", "B-wings", 1},
    {4, "T/F", "TIE Fighter", "TIE Fighters", 1},
    {5, "T/I", "TIE Interceptor", "TIE Interceptors", 1},
    {6, "T/B", "TIE Bomber", "TIE Bombers", 1},
    {7, "T/A", "TIE Advanced", "TIE Advanced", 1},
    {8, "T/D", "(TIE Defender)", "(TIE Defenders)", 0},
    {-1, "?", "(new rebel ship 1?)", "(new rebel ships 1?)", 0},
    {-1, "?", "(new rebel ship 2?)", "(new rebel ships 2?)", 0},
    {9, "MIS", "(Missile Boat)", "(Missile Boats)", 0},
    {10, "T/W", "T-wing", "T-wings", 1},
    {11, "Z-95", "Z-95 Headhunter", "Z-95 Headhunters", 1},
    {12, "R-41", "R-41 Starchaser", "R-41 Starchasers", 1},
    {13, "GUN", "Assault Gunboat", "Assault Gunboats", 1},
    {14, "SHU", "Shuttle", "Shuttles", 1},
    {15, "E/S", "Escort Shuttle", "Escort Shuttles", 1},
    {16, "SPC", "Patrol Craft", "Patrol Crafts", 1},
    {17, "SCT", "(Scout Craft)", "(Scout Crafts)", 0},
    {18, "TRN", "Transport", "Transports", 1},
    {19, "ATR", "Assault Trans", "Assault Transports", 1},
    {20, "ETR", "Escort Trans", "Escort Transports", 1},
    {21, "TUG", "Tug", "Tugs", 1},
    {22, "CUV", "Combat Utility Vehicle", "Combat Utility Vehicles", 1},
    {23, "CN/A", "Container A", "Type A Containers", 3},
    {24, "CN/B", "Container B", "Type B Containers", 3},
    {25, "CN/C", "Container C", "Type C Containers", 3},
    {26, "CN/D", "Container D", "Type D Containers", 3},
    {27, "HLF", "Heavy Lifter", "Heavy Lifters", 1},
    {28, "BRG", "(Bulk Barge)", "(Bulk Barges)", 0},
    {28, "FRT", "Freighter", "Freighters", 3},
    {29, "CARG", "Cargo Ferry", "Cargo Ferries", 1},
    {30, "CNVYR", "Modular Conveyor", "Modular Conveyors", 1},
    {31, "CTRNS", "(Container Transport)", "(Container Transports)", 1},
    {66, "MTRNS", "Medium Transport", "Medium Transports", 1},
    {32, "MUTR", "Muurian Trans", "Muurian Transports", 1},
    {33, "CORT", "Corellian Trans", "Corellian Transports", 1},
    {33, "M/CORT", "(millenium falcon?)", "(millenium falcons!!)", 1},
    {34, "CRV", "Corellian Corvette", "Corellian Corvettes", 2},
    {35, "M/CRV", "Mod. Corvette", "Mod. Corvettes", 2},
    {36, "FRG", "Nebulon B Frigate", "Nebulon B Frigates", 2},
    {37, "M/FRG", "Modified Frigate", "Modified Frigates", 2},
    {38, "LINER", "(C-3 Passenger Liner)", "(C-3 Passenger Liners)", 2},
    {39, "CRKC", "(Carrack Cruiser)", "(Carrack Cruisers)", 2},
    {40, "STRKC", "Strike Cruiser", "Strike Cruisers", 2},
    {41, "ESC", "Escort Carrier", "Escort Carriers", 2},
    {42, "DREAD", "Dreadnaught", "Dreadnaughts", 2},
    {43, "CRS", "Calamari Cruiser", "Calamari Cruisers", 2},
    {44, "CRL", "Lt Calamari Cruiser", "Lt Calamari Cruisers", 2},
    {45, "INT", "Interdictor", "Interdictors", 2},
    {46, "VSD", "Victory Star Dest", "Victory Star Destroyers", 2},
    {47, "ISD", "Imperial Star Dest", "Imperial Star Destroyers", 2},
    {65, "SSD", "Super Star Dest", "Super Star Destroyers", 2},
    {48, "CN/E", "Container E", "Type E Containers", 3},
    {49, "CN/F", "Container F", "Type F Containers", 3},
    {50, "CN/G", "Container G", "Type G Containers", 3},
    {51, "CN/H", "Container H", "Type H Containers", 3},
    {52, "CN/I", "Container I", "Type I Containers", 3},
    {53, "PLT/1", "Platform XQ1", "XQ1 Platforms", 3},
    {53, "PLT/2", "Platform XQ2", "XQ2 Platforms", 3},
    {53, "PLT/3", "Platform XQ3", "XQ3 Platforms", 3},
    {53, "PLT/4", "Platform XQ4", "XQ4 Platforms", 3},
    {53, "PLT/5", "Platform XQ5", "XQ5 Platforms", 3},
    {53, "PLT/6", "Platform XQ6", "XQ6 Platforms", 3},
    {63, "R&D FC", "Asteroid Hangar", "Asteroid Hangars", 3},
    {62, "LAS BAT", "Asteroid Laser Battery", "Asteroid Laser Batteries", 3},
    {61, "W LNCHR", "Asteroid Warhead Launcher", "Asteroid Warhead Launchers", 3},
    {54, "FAC/1", "Deep Space M. Facility", "Deep Space M. Facilities", 3},
    {71, "SAT/1", "Type 1 Satellite", "Type 1 Satellites", 3},
    {71, "SAT/2", "Type 2 Satellite", "Type 2 Satellites", 3},
    {71, "SAT/3?", "(type 3 satellite?)", "(type 3 satellites?)", 0},
    {71, "SAT/4?", "(type 4 satellite?)", "(type 4 satellites?)", 0},
    {71, "SAT/5?", "(type 5 satellite?)", "(type 5 satellites?)", 0},
    {56, "MINE/A", "Type A Mine (laser)", "Type A Mines (laser)", 3},
    {57, "MINE/B", "Type B Mine (ion)", "Type B Mines (ion)", 3},
    {58, "MINE/C", "Type C Mine (missile)", "Type C Mines (missile)", 3},
    {67, "GPLT", "Gun Emplacement", "Gun Emplacements", 3},
    {55, "MINE/E?", "(type d mine?)", "(type f mines?)", 0},
    {75, "PROBE/1", "Type 1 Probe", "Type 1 Probes", 3},
    {59, "PROBE/2?", "(type 2 probe?)", "(type 2 probes?)", 0},
    {59, "PROBE/3?", "(type 3 probe?)", "(type 3 probes?)", 0},
    {76, "BUOY/1", "Type 1 Nav Buoy", "Type 1 Nav Buoys", 3},
    {76, "BUOY/2", "Type 2 Nav Buoy", "Type 2 Nav Buoys", 3},
    {-1, "?", "(pilot)", "(pilots)", 0},
    {61, "ASTEROID", "Asteroid", "Asteroids", 3},
    {61, "PLANET", "Planet", "Planet", 4},
    {-1, "OBST", "(obstacle)", "(obstacles)", 0},
    {-1, "COMP", "(component)", "(comonents)", 0},
    {68, "SHPYD", "Shipyard", "Ship Yard", 0},
    {69, "REPYD", "Repair Yard", "Repair Yards", 0},
    {70, "M/SC", "Modified Strike Cruiser", "Modified Strike Cruisers", 2},
    {-1, "?", "(unknown class)", "(unknown class)", 0},
    {-1, "?", "(unknown class)", "(unknown class)", 0},
    {-1, "?", "(unknown class)", "(unknown class)", 0},
}};

constexpr std::array<const char*, CraftTypeCount> kCraftTypeNames = [] {
    std::array<const char*, CraftTypeCount> names{};
    for (std::size_t i = 0; i < kCraftTypes.size(); ++i) names[i] = kCraftTypes[i].singularName;
    return names;
}();

constexpr const char* kUnknownShip = "(unknown ship)";

}  // namespace

const CraftTypeInfo* GetCraftTypeInfo(int type) {
    if (type < 0 || type >= CraftTypeCount) return nullptr;
    return &kCraftTypes[static_cast<std::size_t>(type)];
}

WordList CraftTypeNames() {
    return kCraftTypeNames;
}

std::string CraftNameForCount(int type, int count) {
    const CraftTypeInfo* info = GetCraftTypeInfo(type);
    if (!info) return kUnknownShip;
    return count == 1 ? info->singularName : info->pluralName;
}

std::string CraftTypeName(int type) {
    const CraftTypeInfo* info = GetCraftTypeInfo(type);
    return info ? info->singularName : kUnknownShip;
}

std::string FlightGroupLabel(int craftType, std::string_view name) {
    const CraftTypeInfo* info = GetCraftTypeInfo(craftType);
    std::string label = info ? info->abbreviation : "";
    label += ' ';
    label += name;
    return label;
}

std::string FlightGroupLabel(const FlightGroupRecord& flightGroup) {
    return FlightGroupLabel(flightGroup.CraftType(), flightGroup.Name());
}

int NamingClassOf(int type) {
    const CraftTypeInfo* info = GetCraftTypeInfo(type);
    return info ? info->namingClass : 3;
}

}  // namespace vantorel
