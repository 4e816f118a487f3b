#pragma once

#include <string>
#include <vector>

namespace vantorel {

struct Mission;

// The value list of the Target dialog for a target type: as long as the
// condition dialogs' variable list for that type (the mission's flight
// groups, the 96 craft types, the 6 IFF codes, ten teams for types 12 and
// 22, else 256), worded as a target: entry i is TargetVariableText(type, i).
std::vector<std::string> TargetValueChoices(int targetType, const Mission* mission);

}  // namespace vantorel
