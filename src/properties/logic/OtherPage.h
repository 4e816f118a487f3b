#pragma once

#include "properties/logic/FlightGroupTriggerPage.h"

namespace vantorel {

// The Other tab: difficulty, global group and unit, the two triggers that
// make the group jump to its fourth order, and its CMD descriptions.
class OtherPage final : public FlightGroupTriggerPage {
public:
    static constexpr int kDifficulty = 1044;
    static constexpr int kGlobalGroup = 1038;
    static constexpr int kGlobalUnit = 1039;
    static constexpr int kTrigger1 = 1066;  // and 1067
    static constexpr int kButton1 = 1053;   // and 1054
    static constexpr int kAndOr = 1057;     // "&OR" is 1058
    static constexpr int kCmd1 = 1108;      // 1108..1111
    static constexpr int kSetCmd = 1077;

    OtherPage();

    std::vector<std::string> DialogNames() const override;
    std::unique_ptr<PageModel> OpenDialog(PageContext& context, const std::string& name,
                                          const std::string& which) override;
    std::optional<std::pair<std::string, std::string>> DialogOf(int buttonId) const override;

protected:
    void Finish(PageContext& context, const std::vector<FlightGroup*>& subjects) override;
};

}  // namespace vantorel
