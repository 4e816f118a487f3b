#include "properties/logic/ArrivalPage.h"

#include "properties/logic/MothershipDialog.h"

namespace vantorel {

namespace {
using R = FlightGroupRecord;
}  // namespace

ArrivalPage::ArrivalPage() : FlightGroupTriggerPage("Arrival", "Arrival Properties") {
    // Top to bottom as the page reads: trigger 1, AND/OR, trigger 2, the
    // AND/OR between the pairs, trigger 3, AND/OR, trigger 4.
    const char* names[4] = {"arrival1", "arrival2", "arrival3", "arrival4"};
    const int andOr[3] = {kAndOr12, kAndOr1234, kAndOr34};
    const std::vector<std::string> andOrItems[3] = {
        {"&AND", "&OR"}, {"A&ND", "OR"}, {"AN&D", "O&R"}};
    for (int i = 0; i < 4; ++i) {
        AddTrigger(kTrigger1 + i, kButton1 + i, names[i], &R::ArrivalTrigger, &R::SetArrivalTrigger,
                   i);
        if (i < 3) {
            ControlState& radio = AddControl(andOr[i], ControlKind::Radio);
            radio.items = andOrItems[i];
            radio.buttonIds = {andOr[i], andOr[i] + 1};
        }
    }
    ControlState& minutes = AddControl(kMinutes, ControlKind::Number, "Arrival &Time:");
    minutes.suffix = "&min";
    SetSpin(minutes, 0, 255);
    ControlState& seconds = AddControl(kSeconds, ControlKind::Number);
    seconds.suffix = "&sec";
    seconds.name = "Arrival Time (sec)";
    SetSpin(seconds, 0, 59);
    AddControl(kOnlyIfPlayer, ControlKind::Check, "&Only if player");
    AddControl(kMothership, ControlKind::Button, "Mothershi&p...");

    Bind(fgbind::Radio(kAndOr12, &R::ArrivalAndOr12, &R::SetArrivalAndOr12, {kAnd, kOr}));
    Bind(fgbind::Radio(kAndOr1234, &R::ArrivalAndOr1234, &R::SetArrivalAndOr1234, {kAnd, kOr}));
    Bind(fgbind::Radio(kAndOr34, &R::ArrivalAndOr34, &R::SetArrivalAndOr34, {kAnd, kOr}));
    // The spin stops at 59 seconds, but a typed 75 is stored as 75.
    Bind(fgbind::Number(kMinutes, &R::ArrivalDelayMinutes, &R::SetArrivalDelayMinutes, 0,
                        kByteRange));
    Bind(fgbind::Number(kSeconds, &R::ArrivalDelaySeconds, &R::SetArrivalDelaySeconds, 0,
                        kByteRange));
    // Two states while the records agree; three while they differ.
    FieldBinding<FlightGroup> only =
        fgbind::Check(kOnlyIfPlayer, &R::ArriveOnlyIfPlayer, &R::SetArriveOnlyIfPlayer);
    only.show = [](ControlState& c, const FieldValue& v) {
        c.tristate = false;
        bind::ShowCheck(c, v);
    };
    Bind(std::move(only));
}

std::vector<std::string> ArrivalPage::DialogNames() const {
    auto names = FlightGroupTriggerPage::DialogNames();
    names.push_back("mothership");
    return names;
}

std::unique_ptr<PageModel> ArrivalPage::OpenDialog(PageContext& context, const std::string& name,
                                                   const std::string& which) {
    if (name == "mothership" && which.empty())
        return std::make_unique<MothershipDialog>(MothershipDialog::ArrivalPrimary(),
                                                  MothershipDialog::ArrivalAlternate());
    return FlightGroupTriggerPage::OpenDialog(context, name, which);
}

std::optional<std::pair<std::string, std::string>> ArrivalPage::DialogOf(int buttonId) const {
    if (buttonId == kMothership) return std::pair{std::string("mothership"), std::string()};
    return FlightGroupTriggerPage::DialogOf(buttonId);
}

}  // namespace vantorel
