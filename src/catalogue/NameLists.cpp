#include "catalogue/NameLists.h"

#include <algorithm>
#include <array>
#include <vector>

#include "catalogue/ConditionWordLists.h"
#include "catalogue/CraftTypes.h"
#include "catalogue/ThemeSlots.h"
#include "mission/Mission.h"

namespace vantorel {

namespace {

// Three planet names hold the Windows-1252 right single quotation mark
// (0x92); the literal is split after it so no hex digit joins the escape.
constexpr std::array<const char*, 89> kGeneralNames = {
    "Center",   "Waypoint", "Hyperpoint", "Goal",    "Drone",    "Outpost", "Calenz",   "Ignat",
    "Tondar",   "Lothar",   "Koensayr",   "Drekker", "Depot",    "Abrihom", "Bersabba", "Cyrlus",
    "Sorren",   "Charlie",  "Tango",      "Phi",     "Mu",       "Kappa",   "Psi",      "Nu",
    "Chi",      "Rho",      "Xi",         "Upsilon", "Omicron",  "Epsilon", "Eta",      "Zeta",
    "Theta",    "Lambda",   "Pi",         "Tau",     "Alpha",    "Uncial",  "Sigma",    "Iota",
    "Omega",    "Gamma",    "Delta",      "Beta",    "Bellboy",  "Beetle",  "Fanir",    "Hevgayt",
    "Sentinal", "Bubkis",   "Ranger",     "Attila",  "Illirium", "Pilsud",  "Pirate",   "Smugglers",
    "Kenny",    "Ruby",     "Topaz",      "Lapis",   "Jade",     "Skuld",   "Vehem",    "Magua",
    "Tentac",   "Ritam",    "Voro",       "Temsin",  "Tuka",     "Buden",   "Anton",    "Rom",
    "Denik",    "Yotus",    "Wilot",      "Kolch",   "Seon",     "Dral",    "Turon",    "Bira",
    "Lumin",    "Mazur",    "Nommanic",   "Gossett", "Murfee",   "Raven",   "Storm",    "Yagmar",
    "Sunnida",
};

constexpr std::array<const char*, 184> kPlanetNames = {
    "Abregado",
    "Da Soocha",
    "Galpos II",
    "Garban",
    "Hishyim",
    "Intuci",
    "Tieos",
    "Ukio",
    "Despayre",
    "Atrivis",
    "Generis",
    "Moltok",
    "Nam\x92"
    "ta",
    "Spefik",
    "Tibrin",
    "Togoria",
    "Trammis III",
    "Zeffliffl",
    "Akrit'tar",
    "F'tral",
    "Fwillsving",
    "Honoghr",
    "Kessel",
    "Ithor",
    "Jerijador",
    "Kubindi",
    "Morvogodine",
    "Norval II",
    "Skor II",
    "Allyuen",
    "Anoat",
    "Bespin",
    "Deyer",
    "Gentes",
    "Hoth",
    "Lelmra",
    "New Cov",
    "Storthus",
    "Tokmia",
    "Commenor",
    "Corellia",
    "Corfai",
    "Duros",
    "Drall",
    "Selonia",
    "Talus",
    "Tralus",
    "Vagran",
    "Xyquine",
    "Balfron",
    "Caprionril",
    "Kamparas",
    "Ketaris",
    "Omwat",
    "Pantolomin",
    "Tangrene",
    "Wor Tandell",
    "Algarian",
    "Filve",
    "Gamorr",
    "Klatooine",
    "Ord Pardon",
    "Ord Trasi",
    "Toprawa",
    "Womrik",
    "Zebitrope IV",
    "Ando",
    "Berchest",
    "Bimmisaari",
    "Carida",
    "Delaya",
    "Halowan",
    "Mrisst",
    "Obroa-skai",
    "Palanhi",
    "Ralltiir",
    "Bilbringi",
    "Byss",
    "Charmath",
    "Firro",
    "Khomm",
    "Kinyen",
    "Phraetiss",
    "Rishi",
    "Taanab",
    "Wistril",
    "Altarrn",
    "Arkania",
    "Elrood",
    "Fef",
    "Fornax",
    "Nentan",
    "Valrar",
    "Vortex",
    "Yag\x92"
    "Dhul",
    "Azbian",
    "Cardooine",
    "Chrondre",
    "Dar'Or",
    "Douglas III",
    "Engira",
    "Kiffex",
    "Trogan",
    "Waskiro",
    "Culroon III",
    "Davnar",
    "Derra IV",
    "Mindar",
    "Munto Codru",
    "Nal Hutta",
    "Smarteel",
    "Spuma",
    "Vodran",
    "Xa Fel",
    "Anchoron",
    "Chalcedon",
    "Clak'dor VII",
    "Cona",
    "Dantooine",
    "H\x92"
    "nemthe",
    "Kabal",
    "Oetrago",
    "Urdur",
    "Adega",
    "Agrilat",
    "Annaj",
    "Basilisk",
    "Endor",
    "Gandolo IV",
    "Hozrel XI",
    "Khuiumin",
    "Vjun",
    "Bakura",
    "Chazwa",
    "Daltar",
    "Lafra",
    "Kimanan",
    "Mantessa",
    "Poderis",
    "Tatooine",
    "Amorris",
    "Corstris",
    "Dathomir",
    "Kirrek",
    "Pil Diller",
    "Rafa IV",
    "Selaggis",
    "Thrakia",
    "Varn",
    "Vinsoth",
    "Averam",
    "Balmorra",
    "Bortras",
    "Chandrila",
    "Corsin",
    "Coruscant",
    "Svivren",
    "Uvena",
    "Yaga Minor",
    "Bothawui",
    "Bpfassh",
    "Mon Calamari",
    "Denab",
    "Kothlis",
    "Orto",
    "Praesitlyn",
    "Sluis Van",
    "Sullust",
    "Umgul",
    "Boordii",
    "Flax",
    "Geedon V",
    "Kashyyyk",
    "Tierfon",
    "Woostri",
    "Yavin",
    "Ambria",
    "G'rho",
    "Kirdo III",
    "Neelgaimon",
    "Norulac",
    "Ruuria",
    "Stic",
    "Thanta Zilbra",
};

const std::vector<std::string>* ThemeList(int team, int kind) {
    const ThemeSlot& slot = ThemeSlots()[static_cast<std::size_t>(team)];
    if (kind == kNameListThemeFirst) return &slot.FirstNames;
    if (kind == kNameListThemeSecond) return &slot.SecondNames;
    return nullptr;
}

}  // namespace

WordList GeneralNames() {
    return kGeneralNames;
}
WordList PlanetNames() {
    return kPlanetNames;
}

int NameListCount(int team, int kind) {
    if (team < 0 || team >= kNameListTeams) return 0;
    switch (kind) {
        case kNameListThemeFirst:
        case kNameListThemeSecond:
            return static_cast<int>(ThemeList(team, kind)->size());
        case kNameListGeneral:
            return static_cast<int>(kGeneralNames.size());
        case kNameListPlanets:
            return static_cast<int>(kPlanetNames.size());
        default:
            return 0;
    }
}

std::string NameListEntry(int team, int index, int kind) {
    if (index < 0 || index >= NameListCount(team, kind)) return {};
    const auto i = static_cast<std::size_t>(index);
    switch (kind) {
        case kNameListThemeFirst:
        case kNameListThemeSecond:
            return (*ThemeList(team, kind))[i];
        case kNameListGeneral:
            return kGeneralNames[i];
        default:
            return kPlanetNames[i];
    }
}

int NextFreeName(const std::vector<std::string>& names, int from, const Mission& mission,
                 const std::vector<std::string>& alsoTaken) {
    const int count = int(names.size());
    for (int tried = 0; tried < count; ++tried) {
        const int at = ((from % count) + count + tried) % count;
        const std::string& name = names[size_t(at)];
        const bool taken = std::any_of(mission.FlightGroups.begin(), mission.FlightGroups.end(),
                                       [&](const auto& fg) { return fg->File.Name() == name; }) ||
                           std::find(alsoTaken.begin(), alsoTaken.end(), name) != alsoTaken.end();
        if (!name.empty() && !taken) return at;
    }
    return -1;
}

std::vector<std::string> OfferedNames(int team, int craftType) {
    int kind = kNameListGeneral;
    if (team == kMixed || craftType == kMixed)
        team = 0;
    else
        kind = NamingClassOf(craftType);
    std::vector<std::string> names;
    const int count = NameListCount(team, kind);
    names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) names.push_back(NameListEntry(team, i, kind));
    return names;
}

}  // namespace vantorel
