#pragma once

#include <string>
#include <vector>

#include "properties/logic/FlightGroupPage.h"

namespace vantorel {

// What an order description box, and a goal's description boxes, show for
// records whose texts differ; that exact text leaves each record's own.
inline constexpr const char* kMultipleDescriptionsText = "\xC2\xB7(multiple descriptions)";

inline constexpr const char* kInvalidOrderIndexText =
    "Internal Error: Invalid order index on tab control!";

// The flight group sheet's Orders tab: one of the four orders of the selected
// flight groups at a time, chosen by the tabs above it, with its targets
// (each edited in the Target dialog) and the order's help.
class FlightGroupOrdersPage final : public FlightGroupPage {
public:
    static constexpr int kTabs = 1093;
    static constexpr int kCommand = 1045;
    static constexpr int kInfo = 1073;
    static constexpr int kParameter1Label = 1049;
    static constexpr int kParameter1 = 1082;
    static constexpr int kParameter2Label = 1050;
    static constexpr int kParameter2 = 1083;
    static constexpr int kThrottle = 1051;
    static constexpr int kSpeed = 1052;
    static constexpr int kDescription = 1076;
    // Targets 1..4 as the record numbers them: 1 and 2 primary, 3 and 4
    // secondary.
    static constexpr int kTargetLabels[4] = {1043, 1046, 1047, 1048};
    static constexpr int kTargetButtons[4] = {1078, 1079, 1080, 1088};
    static constexpr int kPrimaryAndOr = 1089;  // the "&AND" button; "&OR" is 1090
    static constexpr int kPrimaryOr = 1090;
    static constexpr int kSecondaryAndOr = 1091;  // "A&ND"; "O&R" is 1092
    static constexpr int kSecondaryOr = 1092;
    // Speed counts only at full throttle.
    static constexpr int kFullThrottle = 10;
    // The description field holds 16 bytes with its terminator.
    static constexpr int kDescriptionLength = 15;

    FlightGroupOrdersPage();

    // The order the page shows, 0..3 (the current tab).
    int Slot() const;

    void Activate(PageContext& context, int id) override;
    std::vector<std::string> DialogNames() const override;
    std::unique_ptr<PageModel> OpenDialog(PageContext& context, const std::string& name,
                                          const std::string& which) override;

    // The Speed list: "Default", then the speeds of the game's steps.
    static std::vector<std::string> SpeedChoices();

protected:
    void Prepare(PageContext& context) override;
    void Finish(PageContext& context, const std::vector<FlightGroup*>& subjects) override;
    ApplyResult OnApply(PageContext& context) override;
    void OnChanging(PageContext& context, int id) override;
    void OnChanged(PageContext& context, int id) override;

private:
    // False, after saying so, when the tabs show no order: the page then
    // starts again from the first.
    bool CheckSlot(PageContext& context);
    void ShowCommandDependents();
    void ShowThrottleDependents();
};

}  // namespace vantorel
