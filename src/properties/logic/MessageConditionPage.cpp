#include "properties/logic/MessageConditionPage.h"

namespace vantorel {

MessageConditionPage::MessageConditionPage() : MessagePage("Condition", "Message Condition") {
    // Top to bottom as the page reads: trigger 1, AND/OR, trigger 2, the
    // AND/OR between the pairs, trigger 3, AND/OR, trigger 4.
    const int andOr[3] = {kAndOr12, kAndOr1234, kAndOr34};
    const std::vector<std::string> andOrItems[3] = {
        {"&AND", "&OR"}, {"A&ND", "OR"}, {"AN&D", "O&R"}};
    for (int i = 0; i < 4; ++i) {
        AddControl(kTrigger1 + i, ControlKind::Label, "(description)");
        AddControl(kButton1 + i, ControlKind::Button, "...");
        if (i < 3) {
            ControlState& radio = AddControl(andOr[i], ControlKind::Radio);
            radio.items = andOrItems[i];
            radio.buttonIds = {andOr[i], andOr[i] + 1};
        }
    }
    using M = RadioMessage;
    auto radio = [](int id, uint8_t (MessageRecord::*get)() const,
                    void (MessageRecord::*set)(uint8_t)) {
        return bind::RadioField<M>(
            id, [get](const M& m) { return (m.File.*get)(); },
            [set](EditDraft& d, M& m, int64_t v) { (d.Edit(m.File).*set)(uint8_t(v)); },
            {kAnd, kOr});
    };
    Bind(radio(kAndOr12, &MessageRecord::AndOr12, &MessageRecord::SetAndOr12));
    Bind(radio(kAndOr1234, &MessageRecord::AndOr1234, &MessageRecord::SetAndOr1234));
    Bind(radio(kAndOr34, &MessageRecord::AndOr34, &MessageRecord::SetAndOr34));
}

void MessageConditionPage::Finish(PageContext& context,
                                  const std::vector<RadioMessage*>& subjects) {
    for (int i = 0; i < 4; ++i) {
        std::vector<Trigger> triggers;
        for (const RadioMessage* m : subjects) triggers.push_back(m->File.GetTrigger(i));
        ShowTriggerSentence(*Find(kTrigger1 + i), triggers, context.document.GetMission());
    }
}

TriggerSlots MessageConditionPage::CurrentMessageTrigger(int index) {
    return [index](PageContext& context) {
        std::vector<TriggerSlot> slots;
        if (RadioMessage* m = CurrentMessage(context))
            slots.push_back({[m, index] { return m->File.GetTrigger(index); },
                             [m, index](EditDraft& d, const Trigger& t) {
                                 d.Edit(m->File).SetTrigger(index, t);
                             }});
        return slots;
    };
}

std::vector<std::string> MessageConditionPage::DialogNames() const {
    return {"condition=1..4"};
}

std::unique_ptr<PageModel> MessageConditionPage::OpenDialog(PageContext& context,
                                                            const std::string& name,
                                                            const std::string& which) {
    if (name != "condition" || which.size() != 1 || which[0] < '1' || which[0] > '4')
        return nullptr;
    if (!CurrentMessage(context)) return nullptr;
    return std::make_unique<ConditionDialog>(CurrentMessageTrigger(which[0] - '1'),
                                             "Message Condition");
}

std::optional<std::string> MessageConditionPage::TriggerOf(int buttonId) {
    if (buttonId < kButton1 || buttonId >= kButton1 + 4) return std::nullopt;
    return std::string(1, char('1' + buttonId - kButton1));
}

}  // namespace vantorel
