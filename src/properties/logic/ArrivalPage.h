#pragma once

#include "properties/logic/FlightGroupTriggerPage.h"

namespace vantorel {

// The Arrival tab: the four arrival triggers and how they combine, the
// delay, the player-only flag and the arrival motherships.
class ArrivalPage final : public FlightGroupTriggerPage {
public:
    static constexpr int kTrigger1 = 1066;   // labels 1066..1069
    static constexpr int kButton1 = 1053;    // "..." 1053..1056
    static constexpr int kAndOr12 = 1057;    // "&OR" is 1058
    static constexpr int kAndOr1234 = 1059;  // "OR" is 1060
    static constexpr int kAndOr34 = 1061;    // "O&R" is 1062
    static constexpr int kMinutes = 1070;
    static constexpr int kSeconds = 1064;
    static constexpr int kOnlyIfPlayer = 1072;
    static constexpr int kMothership = 1071;

    ArrivalPage();

    std::vector<std::string> DialogNames() const override;
    std::unique_ptr<PageModel> OpenDialog(PageContext& context, const std::string& name,
                                          const std::string& which) override;
    std::optional<std::pair<std::string, std::string>> DialogOf(int buttonId) const override;
};

}  // namespace vantorel
