#include "catalogue/TriggerText.h"

#include "catalogue/ConditionWordLists.h"
#include "catalogue/VariableText.h"
#include "mission/Trigger.h"

namespace vantorel {

std::string TriggerVariableText(int variableType, int variable, const Mission* mission) {
    return VariableText(variableType, variable, mission, {false, true});
}

std::string TriggerText(int condition, int variableType, int variable, int amount,
                        const Mission* mission) {
    // The constant conditions ignore the other three bytes, whatever they hold.
    if (condition == kConditionTrue) return "True";
    if (condition == kConditionFalse) return "False";

    std::string text = amount == kMixed ? "[multiple percentages]" : ListWord(Amounts(), amount);
    if (variableType != kMixed) text += " " + ListWord(VariableTypes(), variableType);
    text += " " + TriggerVariableText(variableType, variable, mission);
    text += " ";
    text += condition == kMixed ? "[multiple conditions]" : ListWord(Conditions(), condition);
    return text;
}

std::string TriggerText(const Trigger& trigger, const Mission* mission) {
    return TriggerText(trigger.Condition, trigger.VariableType, trigger.Variable, trigger.Amount,
                       mission);
}

}  // namespace vantorel
