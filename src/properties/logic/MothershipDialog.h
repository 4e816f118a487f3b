#pragma once

#include "properties/logic/FlightGroupPage.h"

namespace vantorel {

// The Mothership dialog of the Arrival and Departure pages: for the primary
// and the alternate choice, hyperspace or a mothership, and which flight
// group of the mission that is.
class MothershipDialog final : public FlightGroupPage {
public:
    static constexpr int kPrimary = 1055;  // "&None (hyperspace)"; "&Mothership:" is 1056
    static constexpr int kPrimaryMothership = 1056;
    static constexpr int kPrimaryList = 1044;
    static constexpr int kAlternate = 1057;  // "&None (hyperspace)"; "&Mothership:" is 1058
    static constexpr int kAlternateMothership = 1058;
    static constexpr int kAlternateList = 1045;

    using Field = fgbind::Getter<uint8_t>;
    using SetField = fgbind::Setter<uint8_t>;
    struct Fields {
        Field via;
        SetField setVia;
        Field mothership;
        SetField setMothership;
    };
    // The arrival or the departure fields.
    static Fields ArrivalPrimary();
    static Fields ArrivalAlternate();
    static Fields DeparturePrimary();
    static Fields DepartureAlternate();

    MothershipDialog(Fields primary, Fields alternate);

protected:
    void Prepare(PageContext& context) override;
    void Finish(PageContext& context, const std::vector<FlightGroup*>& subjects) override;
    void OnChanged(PageContext& context, int id) override;
};

}  // namespace vantorel
