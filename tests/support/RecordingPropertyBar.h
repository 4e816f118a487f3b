#pragma once

#include <functional>
#include <string>
#include <vector>

#include "document/PropertyBarHooks.h"

namespace vantorel::testing {

// Stands in for the level properties bar and records what it was asked, in
// order: "ApplyAll", "RefreshAll", "UpdateViews", "ShowFlightGroupProperties",
// ... A test may look at the document at each call (onCall).
class RecordingPropertyBar : public PropertyBarHooks {
public:
    void ApplyAll() override { Record("ApplyAll"); }
    void RefreshAll() override { Record("RefreshAll"); }
    void UpdateViews() override { Record("UpdateViews"); }
    void ShowFlightGroupProperties() override { Record("ShowFlightGroupProperties"); }
    void RefreshFlightGroupProperties() override { Record("RefreshFlightGroupProperties"); }
    void ShowTeamProperties() override { Record("ShowTeamProperties"); }
    void RefreshTeamProperties() override { Record("RefreshTeamProperties"); }
    void ShowMessageProperties() override { Record("ShowMessageProperties"); }
    void RefreshMessageProperties() override { Record("RefreshMessageProperties"); }
    void MoveViewsToSelection() override { Record("MoveViewsToSelection"); }

    std::vector<std::string> calls;
    std::function<void(const std::string&)> onCall;

private:
    void Record(const char* call) {
        calls.push_back(call);
        if (onCall) onCall(call);
    }
};

}  // namespace vantorel::testing
