#pragma once

#include <functional>
#include <string>
#include <vector>

#include "document/EditDraft.h"
#include "mission/Trigger.h"
#include "properties/logic/PageModel.h"

namespace vantorel {

struct Mission;

// One 4-byte trigger of one record: a flight group's arrival trigger, a
// message's trigger, a team's goal condition.
struct TriggerSlot {
    std::function<Trigger()> get;
    std::function<void(EditDraft&, const Trigger&)> put;
};

// The triggers a Condition dialog edits, found again each time it loads and
// each time it applies, so it never holds on to a record.
using TriggerSlots = std::function<std::vector<TriggerSlot>(PageContext&)>;

// The Condition dialog: one trigger of every record it is given, as four
// lists that read as a sentence (amount, variable type / variable,
// condition) with the sentence below them. A byte on which the records
// differ shows no selection and, unless chosen, each record keeps its own.
// A dialog that edits more with the trigger (a goal's texts) derives from
// it and writes into the same edit.
class ConditionDialog : public PageModel {
public:
    static constexpr int kAmount = 1044;
    static constexpr int kVariableType = 1046;
    static constexpr int kVariable = 1052;
    static constexpr int kCondition = 1027;
    static constexpr int kSentence = 1051;
    static constexpr int kTrue = 1077;
    static constexpr int kFalse = 1078;

    explicit ConditionDialog(TriggerSlots slots, std::string editName = "Condition");

    void Activate(PageContext& context, int id) override;

protected:
    ConditionDialog(std::string title, TriggerSlots slots, std::string editName);

    void OnLoad(PageContext& context) override;
    ApplyResult OnApply(PageContext& context) override;
    void OnChanged(PageContext& context, int id) override;
    // The controls a derived dialog adds: loaded after the trigger, and
    // written into the trigger's draft so OK stays one edit.
    virtual void LoadMore(PageContext& context) { (void)context; }
    virtual void ApplyMore(PageContext& context, EditDraft& draft) {
        (void)context;
        (void)draft;
    }

private:
    void FillVariables(const Mission& mission, int variableType);
    // The sentence of these values (-1: records differ, or nothing chosen).
    void Compose(const Mission& mission, int condition, int variableType, int variable, int amount);
    int Shown(int id) const { return Find(id)->value.index; }
    void Show(int id, int index);
    int SentenceVariable() const;

    TriggerSlots slots_;
    int storedVariable_ = -1;  // what the records hold; -1 when they differ
};

// The sentence of a trigger label on a page: the triggers' shared sentence,
// or empty (and mixed) when they differ.
void ShowTriggerSentence(ControlState& label, const std::vector<Trigger>& triggers,
                         const Mission& mission);

}  // namespace vantorel
