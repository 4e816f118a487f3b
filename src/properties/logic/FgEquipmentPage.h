#pragma once

#include <array>

#include "properties/logic/FlightGroupPage.h"

namespace vantorel {

// The flight group sheet's Equipment tab: skill, default weapons, status,
// radio, cargo and the equipment the player may pick. Its "..." button opens
// the Hidden Cargo dialog.
class FgEquipmentPage final : public FlightGroupPage {
public:
    static constexpr int kAi = 1083;
    static constexpr int kWarhead = 1084;
    static constexpr int kBeam = 1047;
    static constexpr int kCountermeasure = 1085;
    static constexpr int kStatus = 1086;
    static constexpr int kStatus2 = 1087;
    static constexpr int kRadio = 1051;
    static constexpr int kCargo = 1042;
    static constexpr int kHiddenCargo = 1043;
    static constexpr int kEquipment = 1048;

    static constexpr int kItemCount = 18;
    static constexpr int kTextLength = 19;

    FgEquipmentPage();

    std::vector<std::string> DialogNames() const override;
    std::unique_ptr<PageModel> OpenDialog(PageContext& context, const std::string& name,
                                          const std::string& which) override;

protected:
    void Prepare(PageContext& context) override;
    void Finish(PageContext& context, const std::vector<FlightGroup*>& subjects) override;
    void ApplyExtra(PageContext& context, EditDraft& draft,
                    const std::vector<FlightGroup*>& subjects) override;
};

// The three packed lists of player-selectable equipment as the 18 items of
// the page's check list: item i is present when its code is anywhere in its
// list. Codes outside a list's range mean nothing.
std::array<bool, FgEquipmentPage::kItemCount> EquipmentItemsOf(const FlightGroupRecord& record);
// Writes the items: each of the three lists whose items differ from the
// record's is rewritten, its codes ascending and the rest zero; a list whose
// items are all as they were keeps its bytes exactly.
void SetEquipmentItems(FlightGroupRecord& record,
                       const std::array<bool, FgEquipmentPage::kItemCount>& items);

inline constexpr const char* kMultipleCargosText = "\xC2\xB7(multiple cargos)";

}  // namespace vantorel
