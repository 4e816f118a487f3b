#pragma once

#include <string>
#include <vector>

#include "document/PropertyBarHooks.h"

namespace vantorel::testing {

// Stands in for the level properties bar and records what it was asked, in
// order: "ApplyAll", "RefreshAll", "UpdateViews", "ShowFlightGroupProperties",
// ...
class RecordingPropertyBar : public PropertyBarHooks {
public:
    void ApplyAll() override { calls.push_back("ApplyAll"); }
    void RefreshAll() override { calls.push_back("RefreshAll"); }
    void UpdateViews() override { calls.push_back("UpdateViews"); }
    void ShowFlightGroupProperties() override { calls.push_back("ShowFlightGroupProperties"); }
    void RefreshFlightGroupProperties() override {
        calls.push_back("RefreshFlightGroupProperties");
    }
    void ShowTeamProperties() override { calls.push_back("ShowTeamProperties"); }
    void RefreshTeamProperties() override { calls.push_back("RefreshTeamProperties"); }
    void ShowMessageProperties() override { calls.push_back("ShowMessageProperties"); }
    void RefreshMessageProperties() override { calls.push_back("RefreshMessageProperties"); }
    void MoveViewsToSelection() override { calls.push_back("MoveViewsToSelection"); }

    std::vector<std::string> calls;
};

}  // namespace vantorel::testing
