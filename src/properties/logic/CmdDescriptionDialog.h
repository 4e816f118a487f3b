#pragma once

#include <array>

#include "properties/logic/CmdDescription.h"
#include "properties/logic/FlightGroupPage.h"

namespace vantorel {

// The CMD Description dialog: four rows of a team and a role, the text they
// make, written into every selected flight group on OK.
class CmdDescriptionDialog final : public PageModel {
public:
    static constexpr int kTeams[kCmdEntryCount] = {1044, 1045, 1046, 1047};
    static constexpr int kRoles[kCmdEntryCount] = {1109, 1006, 1007, 1008};
    static constexpr int kActualString = 1110;

    CmdDescriptionDialog();

    const std::array<CmdEntry, kCmdEntryCount>& Rows() const { return rows_; }

protected:
    void OnLoad(PageContext& context) override;
    ApplyResult OnApply(PageContext& context) override;
    void OnChanged(PageContext& context, int id) override;

private:
    // Takes the rows from the lists. False when a row still has no team
    // because the records differed (-1).
    bool ReadRows();
    void ShowRows();

    // Team -1: the records differ and no row was changed yet.
    std::array<CmdEntry, kCmdEntryCount> rows_;
};

inline constexpr const char* kCmdExplanationText =
    "The descriptions are displayed in the player's combat multiview display (CMD) when a "
    "member of this flightgroup is targeted.";
inline constexpr const char* kCmdPriorityText =
    "Priority increases downwards, so make sure you select 'all' in the top one to set a "
    "default CMD description for this flightgroup.";

}  // namespace vantorel
