#include "properties/logic/DeparturePage.h"

#include "catalogue/CraftWordLists.h"
#include "properties/logic/MothershipDialog.h"

namespace vantorel {

namespace {
using R = FlightGroupRecord;
}  // namespace

std::vector<std::string> AbortChoices() {
    const WordList words = AbortConditions();
    return {words.begin(), words.end()};
}

DeparturePage::DeparturePage() : FlightGroupTriggerPage("Departure", "Departure Properties") {
    AddTrigger(kTrigger1, kButton1, "departure1", &R::DepartureTrigger, &R::SetDepartureTrigger, 0);
    ControlState& andOr = AddControl(kAndOr, ControlKind::Radio);
    andOr.items = {"&AND", "&OR"};
    andOr.buttonIds = {kAndOr, kAndOr + 1};
    AddTrigger(kTrigger1 + 1, kButton1 + 1, "departure2", &R::DepartureTrigger,
               &R::SetDepartureTrigger, 1);
    AddControl(kAbort, ControlKind::List, "A&bort mission when:").items = AbortChoices();
    ControlState& explosion =
        AddControl(kExplosionLength, ControlKind::Number, "Non-fighter explosion length:");
    SetSpin(explosion, 0, 255);
    AddControl(kMothership, ControlKind::Button, "Mothershi&p...");

    Bind(fgbind::Radio(kAndOr, &R::DepartureAndOr, &R::SetDepartureAndOr, {kAnd, kOr}));
    Bind(fgbind::List(kAbort, &R::AbortTrigger, &R::SetAbortTrigger));
    Bind(fgbind::Number(kExplosionLength, &R::ExplosionLength, &R::SetExplosionLength, 0,
                        kByteRange));
}

std::vector<std::string> DeparturePage::DialogNames() const {
    auto names = FlightGroupTriggerPage::DialogNames();
    names.push_back("mothership");
    return names;
}

std::unique_ptr<PageModel> DeparturePage::OpenDialog(PageContext& context, const std::string& name,
                                                     const std::string& which) {
    if (name == "mothership" && which.empty())
        return std::make_unique<MothershipDialog>(MothershipDialog::DeparturePrimary(),
                                                  MothershipDialog::DepartureAlternate());
    return FlightGroupTriggerPage::OpenDialog(context, name, which);
}

std::optional<std::pair<std::string, std::string>> DeparturePage::DialogOf(int buttonId) const {
    if (buttonId == kMothership) return std::pair{std::string("mothership"), std::string()};
    return FlightGroupTriggerPage::DialogOf(buttonId);
}

}  // namespace vantorel
