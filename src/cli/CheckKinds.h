#pragma once

#include <vector>

#include "document/MissionCheck.h"

namespace vantorel::cli {

// The kinds of problem `check --json` names, with what each means (the
// manual page lists them).
struct CheckKind {
    ProblemKind kind;
    const char* name;     // "missing-flight-group"
    const char* meaning;  // one line
};
std::vector<CheckKind> CheckKinds();

}  // namespace vantorel::cli
