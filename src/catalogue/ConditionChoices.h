#pragma once

#include <string>
#include <vector>

#include "catalogue/WordList.h"

namespace vantorel {

struct Mission;

// The choice lists of a condition dialog (amount, variable type, variable,
// condition). The dialogs only display these.

// Every byte value can be chosen: 256 entries, positions beyond the word
// list reading "(unknown: n)".
inline constexpr int kByteChoiceCount = 256;
std::vector<std::string> ByteChoices(WordList words);
std::vector<std::string> AmountChoices();
std::vector<std::string> VariableTypeChoices();
std::vector<std::string> ConditionChoices();

// How many entries the variable list has for a variable type: the mission's
// flight groups, the 96 craft types, the 6 IFF codes, the 10 teams, or 256.
int VariableChoiceCount(int variableType, const Mission* mission);

// The variable list for a type; entry i is TriggerVariableText(type, i).
std::vector<std::string> VariableChoices(int variableType, const Mission* mission);

}  // namespace vantorel
