#include "catalogue/TargetText.h"

#include "catalogue/ConditionWordLists.h"
#include "catalogue/VariableText.h"

namespace vantorel {

std::string TargetVariableText(int variableType, int variable, const Mission* mission) {
    return VariableText(variableType, variable, mission, {true, false});
}

std::string TargetText(int variableType, int variable, const Mission* mission) {
    if (variableType == kVariableNone) return "None";
    std::string text;
    // Flight groups, ship types and the two categories read well on their own.
    const bool selfExplaining =
        variableType >= kVariableFlightGroup && variableType <= kVariableObjectCategory;
    if (variableType != kMixed && !selfExplaining)
        text = ListWord(VariableTypes(), variableType) + " ";
    text += TargetVariableText(variableType, variable, mission);
    // Only ASCII letters are raised, whatever the process locale is.
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = char(text[0] - 'a' + 'A');
    return text;
}

}  // namespace vantorel
