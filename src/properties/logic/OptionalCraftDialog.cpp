#include "properties/logic/OptionalCraftDialog.h"

#include "catalogue/CraftTypes.h"
#include "catalogue/CraftWordLists.h"
#include "document/LevelDocument.h"
#include "properties/logic/FieldBinding.h"
#include "properties/logic/FlightGroupPage.h"
#include "properties/logic/MergedValue.h"

namespace vantorel {

namespace {

int ValueOf(const MergedValue<int>& merged) {
    return merged.Value().value_or(-1);
}

std::string NumberText(int n) {
    return n < 0 ? std::string() : std::to_string(n);
}

// Typed numbers are kept up to this (refused at OK all the same), so an int
// holds them.
constexpr long long kTypedTooLarge = 1'000'000;

}  // namespace

std::string OptionalCraftLine(const OptionalCraftDialog::Entry& e) {
    if (e.craft == 0 || e.count == 0 || e.waves == 0) return "(none)";
    std::string line = e.waves == -1 ? "[multiple] wave" : std::to_string(e.waves) + " wave";
    if (e.waves != 1) line += "s";
    line += " of ";
    line += e.count == -1 ? "[multiple] " : std::to_string(e.count) + " ";
    line += e.craft == -1 ? "[multiple ships]" : CraftNameForCount(e.craft, e.count);
    return line;
}

OptionalCraftDialog::OptionalCraftDialog() : PageModel("Optional Craft", "Optional Craft") {
    const WordList categories = OptionalCraftCategories();
    AddControl(kCategory, ControlKind::List, "&Optional craft:").items = {categories.begin(),
                                                                          categories.end()};
    AddControl(kEntries, ControlKind::List).listBox = true;
    ControlState& ship = AddControl(kShip, ControlKind::List, "&Ship:");
    for (const char* n : CraftTypeNames()) ship.items.push_back(n);
    ControlState& count = AddControl(kCount, ControlKind::Number, "Cou&nt:");
    count.spinMin = 0;
    count.spinMax = 255;
    ControlState& waves = AddControl(kWaves, ControlKind::Number, "&Waves:");
    waves.spinMin = 1;
    waves.spinMax = 256;
    AddControl(kClear, ControlKind::Button, "C&lear");
    AddControl(kClearAll, ControlKind::Button, "Clear &All");
}

void OptionalCraftDialog::OnLoad(PageContext& context) {
    MergedValue<int> category;
    std::array<MergedValue<int>, kEntryCount> craft, count, waves;
    for (const FlightGroup* fg :
         FlightGroupPage::SelectedFlightGroups(context.document.GetMission())) {
        const FlightGroupRecord& r = fg->File;
        category.Add(r.OptionalCraftCategory());
        for (int i = 0; i < kEntryCount; ++i) {
            craft[size_t(i)].Add(r.OptionalCraftType(i));
            count[size_t(i)].Add(r.OptionalCraftCount(i));
            waves[size_t(i)].Add(r.OptionalCraftWaves(i) + 1);
        }
    }
    for (size_t i = 0; i < entries_.size(); ++i)
        entries_[i] = Entry{ValueOf(craft[i]), ValueOf(count[i]), ValueOf(waves[i])};
    ControlState& list = *Find(kCategory);
    if (category.Mixed())
        ShowMixedState(list);
    else
        bind::ShowIndex(list, int64_t(ValueOf(category)));
    Find(kEntries)->value.index = 0;
    ShowLines();
    ShowSelected();
    EnableCustom();
}

OptionalCraftDialog::Entry* OptionalCraftDialog::Selected() {
    const int line = Find(kEntries)->value.index;
    return line >= 0 && line < kEntryCount ? &entries_[size_t(line)] : nullptr;
}

void OptionalCraftDialog::ShowLines() {
    ControlState& list = *Find(kEntries);
    list.items.clear();
    for (const Entry& e : entries_) list.items.push_back(OptionalCraftLine(e));
}

void OptionalCraftDialog::ShowSelected() {
    const Entry* e = Selected();
    if (!e) return;
    ControlState& ship = *Find(kShip);
    ship.value.index = e->craft >= 0 && e->craft < int(ship.items.size()) ? e->craft : -1;
    ship.mixed = e->craft == -1;
    Find(kCount)->value.text = NumberText(e->count);
    Find(kCount)->mixed = e->count == -1;
    Find(kWaves)->value.text = NumberText(e->waves);
    Find(kWaves)->mixed = e->waves == -1;
}

void OptionalCraftDialog::EnableCustom() {
    const int category = Find(kCategory)->value.index;
    const bool custom = category == kCustomCategory || category == -1;
    for (int id : {kEntries, kShip, kCount, kWaves}) Find(id)->enabled = custom;
}

void OptionalCraftDialog::OnChanged(PageContext&, int id) {
    switch (id) {
        case kCategory:
            EnableCustom();
            return;
        case kEntries:
            ShowSelected();
            return;
        default:
            break;
    }
    Entry* e = Selected();
    if (!e) return;
    if (id == kShip) {
        e->craft = Find(kShip)->value.index;
    } else if (id == kCount || id == kWaves) {
        // An emptied box leaves the value as the records have it; a number
        // the byte cannot hold is kept as typed and refused at OK.
        const std::string& text = Find(id)->value.text;
        long long n = text.empty() ? -1 : bind::LeadingInteger(text);
        if (!text.empty() && (n < 0 || n > kTypedTooLarge)) n = kTypedOutOfRange;
        (id == kCount ? e->count : e->waves) = int(n);
    }
    ShowLines();
}

void OptionalCraftDialog::Activate(PageContext&, int id) {
    if (id != kClear && id != kClearAll) return;
    if (id == kClearAll)
        entries_.fill(Entry{0, 0, 0});
    else if (Entry* e = Selected())
        *e = Entry{0, 0, 0};
    ShowLines();
    ShowSelected();
    // The waves box cannot go below 1; the entry holds 0 all the same. (A
    // string, not a literal: GCC 12 warns falsely of an overlapping copy.)
    if (Selected()) Find(kWaves)->value.text = std::string("1");
}

bool OptionalCraftDialog::RefuseNumbersOutOfRange(PageContext& context) {
    for (int i = 0; i < kEntryCount; ++i) {
        const Entry& e = entries_[size_t(i)];
        const bool badCount = e.count == kTypedOutOfRange || e.count > 255;
        const bool badWaves = e.waves == kTypedOutOfRange || e.waves > 256;
        if (!badCount && !badWaves) continue;
        // The entry comes back into the boxes with the number to put right.
        Find(kEntries)->value.index = i;
        ShowSelected();
        if (badCount) Find(kCount)->value.text.clear();
        if (badWaves) Find(kWaves)->value.text.clear();
        context.document.GetPrompter().Warning(
            badCount ? EnterIntegerBetweenText(0, 255, Find(kCount)->FieldName())
                     : EnterIntegerBetweenText(1, 256, Find(kWaves)->FieldName()));
        RequestFocus(badCount ? kCount : kWaves, 0, -1);
        return true;
    }
    return false;
}

PageModel::ApplyResult OptionalCraftDialog::OnApply(PageContext& context) {
    if (RefuseNumbersOutOfRange(context)) return ApplyResult::Refused;
    const int category = Find(kCategory)->value.index;
    EditDraft draft;
    for (FlightGroup* fg : FlightGroupPage::SelectedFlightGroups(context.document.GetMission())) {
        const FlightGroupRecord& r = fg->File;
        if (category >= 0 && r.OptionalCraftCategory() != category)
            draft.Edit(fg->File).SetOptionalCraftCategory(uint8_t(category));
        for (int i = 0; i < kEntryCount; ++i) {
            const Entry& e = entries_[size_t(i)];
            if (e.craft >= 0 && r.OptionalCraftType(i) != e.craft)
                draft.Edit(fg->File).SetOptionalCraftType(i, uint8_t(e.craft));
            if (e.count >= 0 && r.OptionalCraftCount(i) != e.count)
                draft.Edit(fg->File).SetOptionalCraftCount(i, uint8_t(e.count));
            // An emptied entry stores no waves rather than 0 - 1 = 255.
            const int stored = e.waves > 0 ? e.waves - 1 : e.waves;
            if (stored >= 0 && r.OptionalCraftWaves(i) != stored)
                draft.Edit(fg->File).SetOptionalCraftWaves(i, uint8_t(stored));
        }
    }
    return context.document.Commit(draft.Finish(EditName())) ? ApplyResult::Changed
                                                             : ApplyResult::Unchanged;
}

}  // namespace vantorel
