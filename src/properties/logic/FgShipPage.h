#pragma once

#include "properties/logic/FlightGroupPage.h"

namespace vantorel {

// The flight group sheet's Ship tab: what the selected flight groups are
// (name, class, side, colour, pilot, team, formation and numbers). Its "..."
// button opens the Optional Craft dialog.
class FgShipPage final : public FlightGroupPage {
public:
    static constexpr int kName = 1018;
    static constexpr int kClass = 1019;
    static constexpr int kOptionalCraft = 1004;
    static constexpr int kIff = 1025;
    static constexpr int kColour = 1026;
    static constexpr int kPilot = 1087;
    static constexpr int kPlayerShipIndex = 1033;
    static constexpr int kTeam = 1044;
    static constexpr int kFormation = 1088;
    static constexpr int kSpacing = 1028;
    static constexpr int kWaves = 1030;
    static constexpr int kNumber = 1020;
    static constexpr int kOrientation = 1046;

    static constexpr int kTeamsListed = 10;
    static constexpr int kTextLength = 19;  // a 20-byte field and its terminator

    FgShipPage();

    std::vector<std::string> DialogNames() const override;
    std::unique_ptr<PageModel> OpenDialog(PageContext& context, const std::string& name,
                                          const std::string& which) override;

protected:
    void Prepare(PageContext& context) override;
    void Finish(PageContext& context, const std::vector<FlightGroup*>& subjects) override;
    void OnChanged(PageContext& context, int id) override;

private:
    void OfferNames();
};

// Spacing is kept in hundredths: 50 shows "0.50". A typed 2.5 stores 250 and
// 0.015 stores 1; anything below 0 or above 2.55 is refused.
std::string SpacingText(int stored);

}  // namespace vantorel
