#pragma once

#include "properties/logic/FlightGroupTriggerPage.h"

namespace vantorel {

// The Departure tab: the two departure triggers and their AND/OR, when the
// mission is aborted, the explosion length and the departure motherships.
class DeparturePage final : public FlightGroupTriggerPage {
public:
    static constexpr int kTrigger1 = 1066;  // and 1067
    static constexpr int kButton1 = 1053;   // and 1054
    static constexpr int kAndOr = 1057;     // "&OR" is 1058
    static constexpr int kAbort = 1044;
    static constexpr int kExplosionLength = 1145;
    static constexpr int kMothership = 1071;

    DeparturePage();

    std::vector<std::string> DialogNames() const override;
    std::unique_ptr<PageModel> OpenDialog(PageContext& context, const std::string& name,
                                          const std::string& which) override;
    std::optional<std::pair<std::string, std::string>> DialogOf(int buttonId) const override;
};

// The 36 entries of the abort list; the position is the stored value.
std::vector<std::string> AbortChoices();

}  // namespace vantorel
