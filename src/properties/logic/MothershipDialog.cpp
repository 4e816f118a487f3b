#include "properties/logic/MothershipDialog.h"

#include "catalogue/CraftTypes.h"
#include "mission/Win1252.h"

namespace vantorel {

namespace {
using R = FlightGroupRecord;
}  // namespace

MothershipDialog::Fields MothershipDialog::ArrivalPrimary() {
    return {&R::ArriveViaMothership, &R::SetArriveViaMothership, &R::ArrivalMothership,
            &R::SetArrivalMothership};
}
MothershipDialog::Fields MothershipDialog::ArrivalAlternate() {
    return {&R::AlternateArriveViaMothership, &R::SetAlternateArriveViaMothership,
            &R::AlternateArrivalMothership, &R::SetAlternateArrivalMothership};
}
MothershipDialog::Fields MothershipDialog::DeparturePrimary() {
    return {&R::DepartViaMothership, &R::SetDepartViaMothership, &R::DepartureMothership,
            &R::SetDepartureMothership};
}
MothershipDialog::Fields MothershipDialog::DepartureAlternate() {
    return {&R::AlternateDepartViaMothership, &R::SetAlternateDepartViaMothership,
            &R::AlternateDepartureMothership, &R::SetAlternateDepartureMothership};
}

MothershipDialog::MothershipDialog(Fields primary, Fields alternate)
    : FlightGroupPage("Mothership", "Mothership") {
    const std::vector<std::string> choices = {"&None (hyperspace)", "&Mothership:"};
    ControlState& p = AddControl(kPrimary, ControlKind::Radio, "&Primary");
    p.items = choices;
    p.buttonIds = {kPrimary, kPrimaryMothership};
    AddControl(kPrimaryList, ControlKind::List);
    ControlState& a = AddControl(kAlternate, ControlKind::Radio, "&Alternate");
    a.items = choices;
    a.buttonIds = {kAlternate, kAlternateMothership};
    AddControl(kAlternateList, ControlKind::List);

    // The list's position is the mothership's position in the mission's list.
    Bind(fgbind::Radio(kPrimary, primary.via, primary.setVia, {0, 1}));
    Bind(fgbind::List(kPrimaryList, primary.mothership, primary.setMothership));
    Bind(fgbind::Radio(kAlternate, alternate.via, alternate.setVia, {0, 1}));
    Bind(fgbind::List(kAlternateList, alternate.mothership, alternate.setMothership));
}

void MothershipDialog::Prepare(PageContext& context) {
    // Every flight group of the mission, not only the selected ones.
    std::vector<std::string> items;
    for (const auto& fg : context.document.GetMission().FlightGroups)
        items.push_back(
            Win1252ToUtf8(CraftNameForCount(fg->File.CraftType(), fg->File.NumberOfCraft()) + " " +
                          fg->File.Name()));
    Find(kPrimaryList)->items = items;
    Find(kAlternateList)->items = std::move(items);
}

void MothershipDialog::Finish(PageContext&, const std::vector<FlightGroup*>&) {
    for (auto [radio, list] : {std::pair{kPrimary, kPrimaryList}, {kAlternate, kAlternateList}}) {
        ControlState& l = *Find(list);
        // By hyperspace: no mothership to show, and none written unless the
        // designer picks one. Records that differ leave the list open.
        l.enabled = Find(radio)->value.index != 0;
        if (!l.enabled) l.value.index = -1;
    }
}

void MothershipDialog::OnChanged(PageContext&, int id) {
    if (id == kPrimary || id == kAlternate)
        Find(id == kPrimary ? kPrimaryList : kAlternateList)->enabled = Find(id)->value.index != 0;
}

}  // namespace vantorel
