#include "catalogue/TargetChoices.h"

#include "catalogue/ConditionChoices.h"
#include "catalogue/TargetText.h"

namespace vantorel {

std::vector<std::string> TargetValueChoices(int targetType, const Mission* mission) {
    const int count = VariableChoiceCount(targetType, mission);
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) entries.push_back(TargetVariableText(targetType, i, mission));
    return entries;
}

}  // namespace vantorel
