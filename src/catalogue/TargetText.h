#pragma once

#include <string>

namespace vantorel {

struct Mission;

// The phrase for an order target's variable. Unlike a trigger, a ship type
// target counts from X-wing (value 0 = type 1) and names several craft, and
// the team codes are 12 and 21. -1 means the selected records differ.
std::string TargetVariableText(int variableType, int variable, const Mission* mission);

// The description of one order target, e.g. "IFF code Rebel"; "None" for type 0.
std::string TargetText(int variableType, int variable, const Mission* mission);

}  // namespace vantorel
