#pragma once

#include <string>

namespace vantorel {

struct Mission;

// What differs between the trigger and the target wording of a variable.
// Types 12 "team" and 21 "all teams except" name a team in both, by its name
// as every other place shows teams.
struct VariableWording {
    bool shipTypeFromXWing;  // targets: value v names craft type v + 1, in the plural
    bool team22;             // triggers: type 22 designates a team as well
};

// The shared body of TriggerVariableText and TargetVariableText.
std::string VariableText(int variableType, int variable, const Mission* mission,
                         const VariableWording& wording);

}  // namespace vantorel
