#include "catalogue/ConditionChoices.h"

#include "catalogue/ConditionWordLists.h"
#include "catalogue/CraftTypes.h"
#include "catalogue/CraftWordLists.h"
#include "catalogue/TriggerText.h"
#include "mission/Mission.h"

namespace vantorel {

std::vector<std::string> ByteChoices(WordList words) {
    return ListWords(words, kByteChoiceCount);
}

std::vector<std::string> AmountChoices() {
    return ByteChoices(Amounts());
}
std::vector<std::string> VariableTypeChoices() {
    return ByteChoices(VariableTypes());
}
std::vector<std::string> ConditionChoices() {
    return ByteChoices(Conditions());
}

int VariableChoiceCount(int variableType, const Mission* mission) {
    switch (variableType) {
        case kVariableFlightGroup:
            return mission ? mission->CountFlightGroups() : 0;
        case kVariableShipType:
            return CraftTypeCount;
        case kVariableIffCode:
            return static_cast<int>(IffCodes().size());
        case kVariableTeam:
        case kVariableAllTeamsExcept:
        case kVariableTeam22:
            return kTeamCount;
        default:
            return kByteChoiceCount;
    }
}

std::vector<std::string> VariableChoices(int variableType, const Mission* mission) {
    const int count = VariableChoiceCount(variableType, mission);
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        entries.push_back(TriggerVariableText(variableType, i, mission));
    return entries;
}

}  // namespace vantorel
