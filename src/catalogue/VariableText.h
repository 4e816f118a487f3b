#pragma once

#include <string>

namespace vantorel {

struct Mission;

// What differs between the trigger and the target wording of a variable.
struct VariableWording {
    bool shipTypeFromXWing;  // targets: value v names craft type v + 1, in the plural
    int secondTeamType;      // the second variable type that designates a team
};

// The shared body of TriggerVariableText and TargetVariableText.
std::string VariableText(int variableType, int variable, const Mission* mission,
                         const VariableWording& wording);

}  // namespace vantorel
