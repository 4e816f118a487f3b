#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "properties/logic/ConditionDialog.h"
#include "properties/logic/FlightGroupPage.h"

namespace vantorel {

// The numbers of a byte field. A typed number that does not fit the byte is
// refused rather than cut to its low eight bits; within the byte, what the
// spin offers is not a limit (a typed 75 seconds is stored as 75).
inline constexpr std::pair<int, int> kByteRange{0, 255};
inline void SetSpin(ControlState& box, int low, int high) {
    box.spinMin = low;
    box.spinMax = high;
}

// A flight group page with triggers: each shows its sentence in a label and
// opens the Condition dialog from a "..." button.
class FlightGroupTriggerPage : public FlightGroupPage {
public:
    using FlightGroupPage::FlightGroupPage;

    // "condition=arrival1|arrival2|...", then the page's other dialogs.
    std::vector<std::string> DialogNames() const override;
    std::unique_ptr<PageModel> OpenDialog(PageContext& context, const std::string& name,
                                          const std::string& which) override;

    // The dialog a button of the page opens (name, which); none for others.
    virtual std::optional<std::pair<std::string, std::string>> DialogOf(int buttonId) const;

protected:
    using GetTrigger = Trigger (FlightGroupRecord::*)(int) const;
    using SetTrigger = void (FlightGroupRecord::*)(int, const Trigger&);

    // A trigger of the record: its label, its "..." button, the name a
    // script gives it ("arrival1") and where it is.
    void AddTrigger(int labelId, int buttonId, std::string which, GetTrigger get, SetTrigger set,
                    int index);

    // Shows the trigger sentences; pages that override it call it too.
    void Finish(PageContext& context, const std::vector<FlightGroup*>& subjects) override;

    // The selected flight groups' trigger `index`, for the Condition dialog.
    static TriggerSlots SelectedTriggers(GetTrigger get, SetTrigger set, int index);

private:
    struct TriggerRow {
        int label;
        int button;
        std::string which;
        GetTrigger get;
        SetTrigger set;
        int index;
    };
    std::vector<TriggerRow> triggers_;
};

}  // namespace vantorel
