#pragma once

#include <optional>
#include <string>
#include <vector>

#include "properties/logic/ConditionDialog.h"
#include "properties/logic/MessagePage.h"

namespace vantorel {

// The message sheet's Condition tab: the four triggers that send the message
// and how they combine. Each trigger is edited in the Condition dialog,
// which writes at once.
class MessageConditionPage final : public MessagePage {
public:
    static constexpr int kTrigger1 = 1066;   // 1066..1069
    static constexpr int kButton1 = 1053;    // 1053..1056
    static constexpr int kAndOr12 = 1057;    // "&OR" is 1058
    static constexpr int kAndOr34 = 1061;    // "O&R" is 1062
    static constexpr int kAndOr1234 = 1059;  // "OR" is 1060

    MessageConditionPage();

    // "condition=1..4".
    std::vector<std::string> DialogNames() const override;
    std::unique_ptr<PageModel> OpenDialog(PageContext& context, const std::string& name,
                                          const std::string& which) override;
    // The trigger ("1".."4") a "..." button edits; none for another control.
    static std::optional<std::string> TriggerOf(int buttonId);

    // Trigger 0..3 of the current message, for the Condition dialog.
    static TriggerSlots CurrentMessageTrigger(int index);

protected:
    void Finish(PageContext& context, const std::vector<RadioMessage*>& subjects) override;
};

}  // namespace vantorel
