#include "properties/logic/HiddenCargoDialog.h"

#include <algorithm>

#include "document/LevelDocument.h"
#include "mission/Win1252.h"
#include "properties/logic/FieldBinding.h"
#include "properties/logic/FlightGroupPage.h"
#include "properties/logic/MergedValue.h"

namespace vantorel {

namespace {

// A check box's state for a merged yes/no: 2 where the records differ.
int CheckState(const MergedValue<bool>& merged) {
    if (merged.Mixed()) return 2;
    return merged.Value().value_or(false) ? 1 : 0;
}

void ShowCheckState(ControlState& box, int state) {
    box.tristate = state == 2;
    box.mixed = state == 2;
    box.value.index = state;
}

}  // namespace

bool HiddenCargoEnabled(const FlightGroupRecord& r) {
    return r.SpecialCargoCraft() < r.NumberOfCraft();
}

HiddenCargoDialog::HiddenCargoDialog() : PageModel("Hidden Cargo", "Hidden Cargo") {
    AddControl(kEnable, ControlKind::Check, "Enable Hidden Cargo");
    AddControl(kDescription, ControlKind::Text, "Description:").maxLength = kTextLength;
    AddControl(kShipIndex, ControlKind::Number, "Ship Index:");
    AddControl(kRandom, ControlKind::Check, "&Random");
}

void HiddenCargoDialog::OnLoad(PageContext& context) {
    // The work of the Equipment tab was applied before this opened (the
    // window applies a page before any of its dialogs), so nothing is
    // reloaded here that could throw away what the user typed there.
    MergedValue<std::string> description;
    MergedValue<int> craft;
    MergedValue<bool> random, enabled;
    const auto subjects = FlightGroupPage::SelectedFlightGroups(context.document.GetMission());
    for (const FlightGroup* fg : subjects) {
        const FlightGroupRecord& r = fg->File;
        description.Add(r.SpecialCargo());
        craft.Add(r.SpecialCargoCraft());
        random.Add(r.RandomSpecialCargo() != 0);
        enabled.Add(HiddenCargoEnabled(r));
    }
    const int randomState = CheckState(random);
    // A random carrier means the cargo is on, whatever the index says.
    const int enabledState = randomState != 0 ? randomState : CheckState(enabled);
    ShowCheckState(*Find(kEnable), enabledState);
    ShowCheckState(*Find(kRandom), randomState);

    ControlState& text = *Find(kDescription);
    text.value.text = Win1252ToUtf8(description.Value().value_or(std::string()));
    text.mixed = description.Mixed();

    ControlState& index = *Find(kShipIndex);
    index.spinMin = 1;
    index.spinMax = subjects.empty() ? 1 : std::max<int>(1, subjects.front()->File.NumberOfCraft());
    index.value.text =
        craft.Value() && enabledState == 1 ? std::to_string(*craft.Value() + 1) : std::string();
    index.mixed = craft.Mixed();
    EnableControls();
}

void HiddenCargoDialog::EnableControls() {
    // While the box is indeterminate OK writes nothing at all, so nothing
    // may be typed that would be lost.
    const int enable = Find(kEnable)->value.index;
    const int random = Find(kRandom)->value.index;
    Find(kRandom)->enabled = enable == 1;
    Find(kDescription)->enabled = enable == 1;
    Find(kShipIndex)->enabled = enable == 1 && random != 1;
}

void HiddenCargoDialog::OnChanged(PageContext&, int id) {
    // Switched on, the cargo needs a carrier: the first craft unless the
    // user types another (an empty box would write none).
    ControlState& index = *Find(kShipIndex);
    if (id == kEnable && Find(kEnable)->value.index == 1 && index.value.text.empty() &&
        !index.mixed)
        index.value.text.assign(1, '1');
    if (id == kEnable || id == kRandom) EnableControls();
}

PageModel::ApplyResult HiddenCargoDialog::OnApply(PageContext& context) {
    const int enable = Find(kEnable)->value.index;
    if (enable == 2) return ApplyResult::Unchanged;
    const int random = Find(kRandom)->value.index;
    const ControlState& text = *Find(kDescription);
    const std::string& index = Find(kShipIndex)->value.text;
    const std::string description = Utf8ToWin1252(text.value.text);
    // An index the byte cannot hold is refused, not wrapped round.
    if (enable == 1 && !index.empty() && Find(kShipIndex)->Touched()) {
        const long long n = bind::LeadingInteger(index);
        if (n < 1 || n > 256) {
            context.document.GetPrompter().Warning(
                EnterIntegerBetweenText(1, 256, Find(kShipIndex)->FieldName()));
            RequestFocus(kShipIndex, 0, -1);
            return ApplyResult::Refused;
        }
    }
    EditDraft draft;
    for (FlightGroup* fg : FlightGroupPage::SelectedFlightGroups(context.document.GetMission())) {
        const FlightGroupRecord& r = fg->File;
        // Where the descriptions differed and none was typed, each keeps its own.
        if (text.Touched() && r.SpecialCargo() != description)
            draft.Edit(fg->File).SetSpecialCargo(description);
        if (enable == 0) {
            // Off means no craft carries it, and none at random either (a
            // random carrier would turn it on again).
            if (HiddenCargoEnabled(r)) draft.Edit(fg->File).SetSpecialCargoCraft(r.NumberOfCraft());
            if (r.RandomSpecialCargo() != 0) draft.Edit(fg->File).SetRandomSpecialCargo(0);
            continue;
        }
        if (!index.empty()) {
            const uint8_t craft = uint8_t(bind::LeadingInteger(index) - 1);
            if (r.SpecialCargoCraft() != craft) draft.Edit(fg->File).SetSpecialCargoCraft(craft);
        }
        if (random != 2 && (r.RandomSpecialCargo() != 0) != (random == 1))
            draft.Edit(fg->File).SetRandomSpecialCargo(uint8_t(random));
    }
    return context.document.Commit(draft.Finish(EditName())) ? ApplyResult::Changed
                                                             : ApplyResult::Unchanged;
}

}  // namespace vantorel
