#pragma once

#include <array>
#include <string>

#include "properties/logic/PageModel.h"

namespace vantorel {

// The Optional Craft dialog of the Ship tab: which other craft the player
// may pick, as a category or ten custom entries. Every byte is merged over
// the selected flight groups; OK writes the definite ones, as one edit.
class OptionalCraftDialog final : public PageModel {
public:
    static constexpr int kCategory = 1044;
    static constexpr int kEntries = 1059;
    static constexpr int kShip = 1046;
    static constexpr int kCount = 1020;
    static constexpr int kWaves = 1030;
    static constexpr int kClear = 1060;
    static constexpr int kClearAll = 1061;

    static constexpr int kEntryCount = 10;
    static constexpr int kCustomCategory = 4;

    // One custom entry; waves as shown (stored + 1), -1 where the selected
    // flight groups differ, kTypedOutOfRange for a typed number below 0.
    static constexpr int kTypedOutOfRange = -2;
    struct Entry {
        int craft = -1;
        int count = -1;
        int waves = -1;
        bool operator==(const Entry&) const = default;
    };

    OptionalCraftDialog();

    void Activate(PageContext& context, int id) override;
    const std::array<Entry, kEntryCount>& Entries() const { return entries_; }

protected:
    void OnLoad(PageContext& context) override;
    ApplyResult OnApply(PageContext& context) override;
    void OnChanged(PageContext& context, int id) override;

private:
    Entry* Selected();
    void ShowLines();
    void ShowSelected();
    void EnableCustom();
    // Says which typed number no byte can hold, with its entry shown; false
    // when every entry fits.
    bool RefuseNumbersOutOfRange(PageContext& context);

    std::array<Entry, kEntryCount> entries_;
};

// The line of an entry in the dialog's list: "2 waves of 3 A-wings",
// "[multiple] wave of 1 [multiple ships]", or "(none)" for an entry with no
// craft, count or waves.
std::string OptionalCraftLine(const OptionalCraftDialog::Entry& entry);

}  // namespace vantorel
