#pragma once

#include <string>
#include <vector>

#include "document/PropertyBarHooks.h"

namespace vantorel::testing {

// Stands in for the level properties bar and records what the document asked
// of it, in order: "ApplyAll", "RefreshAll", "UpdateViews".
class RecordingPropertyBar : public PropertyBarHooks {
public:
    void ApplyAll() override { calls.push_back("ApplyAll"); }
    void RefreshAll() override { calls.push_back("RefreshAll"); }
    void UpdateViews() override { calls.push_back("UpdateViews"); }

    std::vector<std::string> calls;
};

}  // namespace vantorel::testing
