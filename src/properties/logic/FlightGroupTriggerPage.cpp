#include "properties/logic/FlightGroupTriggerPage.h"

namespace vantorel {

void FlightGroupTriggerPage::AddTrigger(int labelId, int buttonId, std::string which,
                                        GetTrigger get, SetTrigger set, int index) {
    AddControl(labelId, ControlKind::Label, "(description)");
    AddControl(buttonId, ControlKind::Button, "...");
    triggers_.push_back({labelId, buttonId, std::move(which), get, set, index});
}

TriggerSlots FlightGroupTriggerPage::SelectedTriggers(GetTrigger get, SetTrigger set, int index) {
    return [get, set, index](PageContext& context) {
        std::vector<TriggerSlot> slots;
        for (FlightGroup* fg : SelectedFlightGroups(context.document.GetMission()))
            slots.push_back({[fg, get, index] { return (fg->File.*get)(index); },
                             [fg, set, index](EditDraft& d, const Trigger& t) {
                                 (d.Edit(fg->File).*set)(index, t);
                             }});
        return slots;
    };
}

void FlightGroupTriggerPage::Finish(PageContext& context,
                                    const std::vector<FlightGroup*>& subjects) {
    for (const TriggerRow& row : triggers_) {
        std::vector<Trigger> triggers;
        for (const FlightGroup* fg : subjects) triggers.push_back((fg->File.*row.get)(row.index));
        ShowTriggerSentence(*Find(row.label), triggers, context.document.GetMission());
    }
}

std::vector<std::string> FlightGroupTriggerPage::DialogNames() const {
    std::string names = "condition=";
    for (size_t i = 0; i < triggers_.size(); ++i) names += (i ? "|" : "") + triggers_[i].which;
    return {names};
}

std::unique_ptr<PageModel> FlightGroupTriggerPage::OpenDialog(PageContext&, const std::string& name,
                                                              const std::string& which) {
    if (name != "condition") return nullptr;
    for (const TriggerRow& row : triggers_)
        if (row.which == which)
            return std::make_unique<ConditionDialog>(SelectedTriggers(row.get, row.set, row.index));
    return nullptr;
}

std::optional<std::pair<std::string, std::string>> FlightGroupTriggerPage::DialogOf(
    int buttonId) const {
    for (const TriggerRow& row : triggers_)
        if (row.button == buttonId) return std::pair{std::string("condition"), row.which};
    return std::nullopt;
}

}  // namespace vantorel
