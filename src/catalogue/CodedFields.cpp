#include "catalogue/CodedFields.h"

#include <algorithm>
#include <array>

#include "catalogue/ConditionWordLists.h"
#include "catalogue/CraftTypes.h"
#include "catalogue/CraftWordLists.h"
#include "catalogue/Orders.h"

namespace vantorel {

namespace {

constexpr std::array<const char*, 11> kMissionTypes = {
    "Training",           "(unknown) 1", "Melee",       "Multiplayer Training",
    "Multiplayer Combat", "(unknown) 5", "(unknown) 6", "(unknown) 7",
    "(unknown) 8",        "(unknown) 9", "(unknown) 10"};

// Only 12 and 14 are formats the game reads.
constexpr std::array<const char*, 15> kFormatVersions = {"", "", "", "", "",    "", "",   "",
                                                         "", "", "", "", "XvT", "", "BoP"};

// The radio list: off, the first eight teams, the eight players.
constexpr std::array<const char*, 17> kRadioChoices = {
    "Off",      "Team 1",   "Team 2",   "Team 3",   "Team 4",   "Team 5",
    "Team 6",   "Team 7",   "Team 8",   "Player 1", "Player 2", "Player 3",
    "Player 4", "Player 5", "Player 6", "Player 7", "Player 8"};

WordList FormatVersions() {
    return kFormatVersions;
}
WordList RadioChoices() {
    return kRadioChoices;
}

constexpr ValueTable kFormatTable{"format table", &FormatVersions};
constexpr ValueTable kMissionTypeTable{"mission type list", &MissionTypes};
constexpr ValueTable kCraftTable{"craft table", &CraftTypeNames};
constexpr ValueTable kIffTable{"IFF table", &IffCodes};
constexpr ValueTable kFormationTable{"formation table", &FormationNames};
constexpr ValueTable kStatusTable{"status list", &CraftStatuses, kStatusListPositions};
constexpr ValueTable kWarheadTable{"warhead list", &DefaultWarheads};
constexpr ValueTable kBeamTable{"beam list", &DefaultBeams};
constexpr ValueTable kCountermeasureTable{"countermeasure list", &DefaultCountermeasures};
constexpr ValueTable kAiTable{"computer AI list", &ComputerAiLevels};
constexpr ValueTable kColourTable{"colour list", &FlightGroupColours};
constexpr ValueTable kRadioTable{"radio list", &RadioChoices};
constexpr ValueTable kDifficultyTable{"difficulty list", &DifficultyLevels};
constexpr ValueTable kAbortTable{"abort list", &AbortConditions};
constexpr ValueTable kOptionalCategoryTable{"optional craft list", &OptionalCraftCategories};
constexpr ValueTable kOrderTable{"order table", &OrderNames};
constexpr ValueTable kThrottleTable{"throttle list", &ThrottleSteps};
constexpr ValueTable kGoalArgumentTable{"goal argument list", &GoalSenses};

using H = MissionHeader;
using R = FlightGroupRecord;

constexpr CodedField<H> kHeaderFields[] = {
    {"formatVersion", "format version", &kFormatTable,
     [](const H& h, int) { return int(h.FormatVersion()); }},
    {"missionType", "mission type", &kMissionTypeTable,
     [](const H& h, int) { return int(h.MissionType()); }, 1, "missionTypeName"},
};

constexpr CodedField<R> kFlightGroupFields[] = {
    {"craftType", "craft type", &kCraftTable, [](const R& r, int) { return int(r.CraftType()); }},
    {"status", "status 1", &kStatusTable, [](const R& r, int) { return int(r.Status()); }},
    {"status2", "status 2", &kStatusTable, [](const R& r, int) { return int(r.Status2()); }},
    {"warhead", "warhead", &kWarheadTable, [](const R& r, int) { return int(r.Warhead()); }, 1,
     "warheadName"},
    {"beam", "beam", &kBeamTable, [](const R& r, int) { return int(r.Beam()); }, 1, "beamName"},
    {"countermeasure", "countermeasure", &kCountermeasureTable,
     [](const R& r, int) { return int(r.Countermeasure()); }, 1, "countermeasureName"},
    {"iff", "IFF", &kIffTable, [](const R& r, int) { return int(r.Iff()); }, 1, "iffName"},
    {"computerAi", "computer AI", &kAiTable, [](const R& r, int) { return int(r.ComputerAi()); }, 1,
     "computerAiName"},
    {"markings", "colour", &kColourTable, [](const R& r, int) { return int(r.Markings()); }, 1,
     "markingsName"},
    {"radio", "radio", &kRadioTable, [](const R& r, int) { return int(r.Radio()); }},
    {"formation", "formation", &kFormationTable, [](const R& r, int) { return int(r.Formation()); },
     1, "formationName"},
    {"difficultyLevel", "difficulty level", &kDifficultyTable,
     [](const R& r, int) { return int(r.DifficultyLevel()); }, 1, "difficultyLevelName"},
    {"abortTrigger", "abort condition", &kAbortTable,
     [](const R& r, int) { return int(r.AbortTrigger()); }, 1, "abortTriggerName"},
    {"optionalCraftCategory", "optional craft", &kOptionalCategoryTable,
     [](const R& r, int) { return int(r.OptionalCraftCategory()); }, 1,
     "optionalCraftCategoryName"},
    {"optionalCraftTypes", "optional craft type", &kCraftTable,
     [](const R& r, int i) { return int(r.OptionalCraftType(i)); }, 10},
};

constexpr CodedField<ConstOrder> kOrderFields[] = {
    {"command", "command", &kOrderTable, [](const ConstOrder& o, int) { return int(o.Command()); },
     1, "commandName"},
    {"throttle", "throttle", &kThrottleTable,
     [](const ConstOrder& o, int) { return int(o.Throttle()); }, 1, "throttleName"},
};

constexpr CodedField<ConstFgGoal> kGoalFields[] = {
    {"argument", "argument", &kGoalArgumentTable,
     [](const ConstFgGoal& g, int) { return int(g.Argument()); }, 1, "argumentName"},
};

template <class Record>
std::optional<FieldNaming> NamingIn(std::span<const CodedField<Record>> fields,
                                    std::string_view key) {
    for (const CodedField<Record>& f : fields)
        if (f.nameKey && key == f.key) return FieldNaming{f.nameKey, f.table};
    return std::nullopt;
}

}  // namespace

int ValueTable::Count() const {
    return std::max(positions, int(words().size()));
}

bool ValueTable::Holds(int value) const {
    if (value < 0 || value >= Count()) return false;
    // A position past the words is held; an empty word is not.
    const WordList w = words();
    return size_t(value) >= w.size() || *w[size_t(value)] != '\0';
}

std::string ValueTable::Range() const {
    std::string held;
    bool gap = false;
    for (int v = 0; v < Count(); ++v) {
        if (!Holds(v)) {
            gap = true;
            continue;
        }
        held += (held.empty() ? "" : " or ") + std::to_string(v);
    }
    return gap ? held : "0 to " + std::to_string(Count() - 1);
}

std::string ValueTable::Word(int value) const {
    return Holds(value) ? ListWord(words(), value) : "(unknown: " + std::to_string(value) + ")";
}

std::span<const CodedField<MissionHeader>> HeaderCodedFields() {
    return kHeaderFields;
}
std::span<const CodedField<FlightGroupRecord>> FlightGroupCodedFields() {
    return kFlightGroupFields;
}
std::span<const CodedField<ConstOrder>> OrderCodedFields() {
    return kOrderFields;
}
std::span<const CodedField<ConstFgGoal>> GoalCodedFields() {
    return kGoalFields;
}

std::optional<FieldNaming> NamingOfField(std::string_view key) {
    if (auto n = NamingIn(HeaderCodedFields(), key)) return n;
    if (auto n = NamingIn(FlightGroupCodedFields(), key)) return n;
    if (auto n = NamingIn(OrderCodedFields(), key)) return n;
    return NamingIn(GoalCodedFields(), key);
}

WordList MissionTypes() {
    return kMissionTypes;
}

}  // namespace vantorel
