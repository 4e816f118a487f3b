#pragma once

#include "mission/MissionRecords.h"
#include "properties/logic/PageModel.h"

namespace vantorel {

// The Hidden Cargo dialog of the Equipment tab: which craft of the group
// carries the hidden cargo (or a random one), and what it is. Merged over the
// selected flight groups; OK writes what is definite, as one edit.
class HiddenCargoDialog final : public PageModel {
public:
    static constexpr int kEnable = 1067;
    static constexpr int kDescription = 1068;
    static constexpr int kShipIndex = 1069;
    static constexpr int kRandom = 1070;

    static constexpr int kTextLength = 19;

    HiddenCargoDialog();

protected:
    void OnLoad(PageContext& context) override;
    ApplyResult OnApply(PageContext& context) override;
    void OnChanged(PageContext& context, int id) override;

private:
    void EnableControls();
};

// A flight group's hidden cargo is on while its craft index names one of
// its craft.
bool HiddenCargoEnabled(const FlightGroupRecord& record);

}  // namespace vantorel
