#include "properties/logic/ConditionDialog.h"

#include <array>

#include "catalogue/ConditionChoices.h"
#include "catalogue/TriggerText.h"
#include "document/LevelDocument.h"
#include "mission/Win1252.h"
#include "properties/logic/MergedValue.h"

namespace vantorel {

namespace {

std::vector<std::string> Utf8(std::vector<std::string> entries) {
    for (auto& e : entries) e = Win1252ToUtf8(e);
    return entries;
}

}  // namespace

ConditionDialog::ConditionDialog(TriggerSlots slots, std::string editName)
    : ConditionDialog("Condition", std::move(slots), std::move(editName)) {}

ConditionDialog::ConditionDialog(std::string title, TriggerSlots slots, std::string editName)
    : PageModel(std::move(title), std::move(editName)), slots_(std::move(slots)) {
    // Reading order: "100% of" "flight group" / "X-wings Red" "must arrive".
    AddControl(kAmount, ControlKind::List).items = AmountChoices();
    AddControl(kVariableType, ControlKind::List).items = VariableTypeChoices();
    AddControl(kVariable, ControlKind::List);
    AddControl(kCondition, ControlKind::List).items = ConditionChoices();
    AddControl(kSentence, ControlKind::Label, "true");
    AddControl(kTrue, ControlKind::Button, "&True");
    AddControl(kFalse, ControlKind::Button, "&False");
}

void ConditionDialog::Show(int id, int index) {
    ControlState& c = *Find(id);
    c.value.index = index >= 0 && index < int(c.items.size()) ? index : -1;
}

void ConditionDialog::FillVariables(const Mission& mission, int variableType) {
    Find(kVariable)->items = Utf8(VariableChoices(variableType, &mission));
}

int ConditionDialog::SentenceVariable() const {
    // Unchosen, OK leaves the variable the records have: the sentence names
    // that one, a flight group that is not there the same way as the page.
    const int chosen = Shown(kVariable);
    return chosen >= 0 ? chosen : storedVariable_;
}

void ConditionDialog::Compose(const Mission& mission, int condition, int variableType, int variable,
                              int amount) {
    Find(kSentence)->value.text =
        Win1252ToUtf8(TriggerText(condition, variableType, variable, amount, &mission));
}

void ConditionDialog::OnLoad(PageContext& context) {
    const Mission& mission = context.document.GetMission();
    std::array<MergedValue<int>, 4> merged;
    for (const TriggerSlot& s : slots_(context)) {
        const Trigger t = s.get();
        merged[0].Add(t.Condition);
        merged[1].Add(t.VariableType);
        merged[2].Add(t.Variable);
        merged[3].Add(t.Amount);
    }
    const int ids[4] = {kCondition, kVariableType, kVariable, kAmount};
    int v[4];
    for (int i = 0; i < 4; ++i) {
        v[i] = merged[size_t(i)].Value().value_or(-1);
        Find(ids[i])->mixed = merged[size_t(i)].Mixed();
    }
    FillVariables(mission, v[1]);
    storedVariable_ = v[2];
    for (int i = 0; i < 4; ++i) Show(ids[i], v[i]);
    Compose(mission, v[0], v[1], v[2], v[3]);
    LoadMore(context);
}

void ConditionDialog::OnChanged(PageContext& context, int id) {
    const Mission& mission = context.document.GetMission();
    if (id == kVariableType) {
        // An entry that fits the new list stays chosen.
        const int chosen = Shown(kVariable);
        FillVariables(mission, Shown(kVariableType));
        Show(kVariable, chosen);
    }
    Compose(mission, Shown(kCondition), Shown(kVariableType), SentenceVariable(), Shown(kAmount));
}

void ConditionDialog::Activate(PageContext& context, int id) {
    if (id != kTrue && id != kFalse) return;
    // The variable list stays as it is; only the selections move.
    const int condition = id == kTrue ? Trigger::kTrue : Trigger::kFalse;
    for (int list : {kAmount, kVariableType, kVariable, kCondition}) {
        Show(list, list == kCondition ? condition : 0);
        Find(list)->mixed = false;
    }
    storedVariable_ = 0;
    Compose(context.document.GetMission(), condition, 0, 0, 0);
}

PageModel::ApplyResult ConditionDialog::OnApply(PageContext& context) {
    const int condition = Shown(kCondition), type = Shown(kVariableType),
              variable = Shown(kVariable), amount = Shown(kAmount);
    EditDraft draft;
    for (const TriggerSlot& s : slots_(context)) {
        const Trigger old = s.get();
        Trigger t = old;
        if (condition >= 0) t.Condition = uint8_t(condition);
        if (type >= 0) t.VariableType = uint8_t(type);
        if (variable >= 0) t.Variable = uint8_t(variable);
        if (amount >= 0) t.Amount = uint8_t(amount);
        if (!(t == old)) s.put(draft, t);
    }
    ApplyMore(context, draft);
    return context.document.Commit(draft.Finish(EditName())) ? ApplyResult::Changed
                                                             : ApplyResult::Unchanged;
}

void ShowTriggerSentence(ControlState& label, const std::vector<Trigger>& triggers,
                         const Mission& mission) {
    MergedValue<Trigger> merged;
    for (const Trigger& t : triggers) merged.Add(t);
    if (auto t = merged.Value()) {
        label.value.text = Win1252ToUtf8(TriggerText(*t, &mission));
        label.mixed = false;
    } else {
        label.value.text.clear();
        label.mixed = merged.Mixed();
    }
}

}  // namespace vantorel
