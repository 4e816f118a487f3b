#pragma once

// The choices a dialog name of a page offers, as scripts give them:
// "condition=arrival1|arrival2", "target=1..4 (...)", or a bare name with
// none (one empty choice).
#include <algorithm>
#include <string>
#include <vector>

namespace vantorel::fuzzing {

inline std::vector<std::string> DialogChoices(const std::string& entry, std::string& name) {
    const size_t eq = entry.find('=');
    name = entry.substr(0, eq);
    if (eq == std::string::npos) return {""};
    const std::string list = entry.substr(eq + 1, entry.find(' ', eq) - eq - 1);
    std::vector<std::string> choices;
    if (const size_t dots = list.find(".."); dots != std::string::npos) {
        for (int i = std::stoi(list.substr(0, dots)); i <= std::stoi(list.substr(dots + 2)); ++i)
            choices.push_back(std::to_string(i));
        return choices;
    }
    for (size_t start = 0; start <= list.size();) {
        const size_t bar = std::min(list.find('|', start), list.size());
        choices.push_back(list.substr(start, bar - start));
        start = bar + 1;
    }
    return choices;
}

}  // namespace vantorel::fuzzing
