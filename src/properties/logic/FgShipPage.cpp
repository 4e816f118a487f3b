#include "properties/logic/FgShipPage.h"

#include <algorithm>
#include <cctype>

#include "catalogue/CraftTypes.h"
#include "catalogue/CraftWordLists.h"
#include "catalogue/NameLists.h"
#include "catalogue/TeamName.h"
#include "mission/Win1252.h"
#include "properties/logic/DecimalText.h"
#include "properties/logic/OptionalCraftDialog.h"

namespace vantorel {

namespace {

std::vector<std::string> Words(WordList list) {
    return std::vector<std::string>(list.begin(), list.end());
}

std::vector<std::string> OrientationEntries() {
    std::vector<std::string> entries;
    for (int v = 0; v < 256; ++v)
        entries.push_back(v == 0     ? "On edge"
                          : v == 64  ? "Flat"
                          : v == 192 ? "Upside down"
                                     : std::to_string(v));
    return entries;
}

// The name box's list is sorted as the platform's sorted combo boxes sort:
// without regard to case.
bool NameBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::string SpacingText(int stored) {
    return FixedTwoDecimals(stored * 0.01);
}

FgShipPage::FgShipPage() : FlightGroupPage("Ship", "Ship Properties") {
    using R = FlightGroupRecord;
    ControlState& name = AddControl(kName, ControlKind::List, "&Name:");
    name.editable = true;
    name.maxLength = kTextLength;
    AddControl(kClass, ControlKind::List, "&Class:").items = Words(CraftTypeNames());
    AddControl(kOptionalCraft, ControlKind::Button, "...");
    AddControl(kIff, ControlKind::List, "&IFF:").items = Words(IffCodes());
    AddControl(kColour, ControlKind::List, "Col&our:").items = Words(FlightGroupColours());
    ControlState& pilot = AddControl(kPilot, ControlKind::List, "&Pilot");
    pilot.items = {"Computer"};
    for (int p = 1; p <= 8; ++p) pilot.items.push_back("Player " + std::to_string(p));
    ControlState& index = AddControl(kPlayerShipIndex, ControlKind::Number, "Pla&yer Ship Index:");
    index.spinMin = 0;
    index.spinMax = 255;
    AddControl(kTeam, ControlKind::List, "&Team:");
    AddControl(kFormation, ControlKind::List, "&Formation:").items = Words(FormationNames());
    AddControl(kSpacing, ControlKind::Number, "Spacin&g:").decimal = true;
    ControlState& waves = AddControl(kWaves, ControlKind::Number, "&Waves:");
    waves.spinMin = 1;
    waves.spinMax = 256;
    // The count is one byte and a group of no craft is no group: 1..255.
    ControlState& number = AddControl(kNumber, ControlKind::Number, "N&umber:");
    number.spinMin = 1;
    number.spinMax = 255;
    AddControl(kOrientation, ControlKind::List, "&Orientation").items = OrientationEntries();

    Bind(fgbind::Text(kName, &R::Name, &R::SetName, true));
    Bind(fgbind::List(kClass, &R::CraftType, &R::SetCraftType));
    Bind(fgbind::List(kIff, &R::Iff, &R::SetIff));
    Bind(fgbind::List(kColour, &R::Markings, &R::SetMarkings));
    Bind(fgbind::List(kPilot, &R::PlayerNumber, &R::SetPlayerNumber));
    Bind(fgbind::Number(kPlayerShipIndex, &R::PlayerShipIndex, &R::SetPlayerShipIndex));
    Bind(fgbind::List(kTeam, &R::Team, &R::SetTeam));
    Bind(fgbind::List(kFormation, &R::Formation, &R::SetFormation));
    // Written only when its text is not what the page showed (the framework
    // writes touched controls only), so an untouched spacing is kept exactly.
    Bind(bind::IntField<FlightGroup>(
        kSpacing, fgbind::Get(&R::FormationSpacing), fgbind::Put(&R::SetFormationSpacing),
        [](ControlState& c, const FieldValue& v) {
            c.value.text = SpacingText(int(std::get<int64_t>(v)));
        },
        [](const ControlState& c) {
            if (c.value.text.empty()) return Taken::Nothing();
            // A spacing its byte cannot hold is refused like every other
            // number, not made the nearest one.
            const long long hundredths = HundredthsOf(c.value.text);
            if (hundredths < 0 || hundredths > 255)
                return Taken::Refused(
                    EnterNumberBetweenText(SpacingText(0), SpacingText(255), c.FieldName()));
            return Taken::Value(int64_t(hundredths));
        }));
    // Waves show one more than stored; a typed number beyond the byte wraps.
    Bind(fgbind::Number(kWaves, &R::NumberOfWaves, &R::SetNumberOfWaves, 1));
    Bind(fgbind::Number(kNumber, &R::NumberOfCraft, &R::SetNumberOfCraft, 0, std::pair{1, 255}));
    Bind(fgbind::List(kOrientation, &R::Orientation, &R::SetOrientation));
}

std::vector<std::string> FgShipPage::DialogNames() const {
    return {"optional-craft"};
}

std::unique_ptr<PageModel> FgShipPage::OpenDialog(PageContext&, const std::string& name,
                                                  const std::string& which) {
    if (name != "optional-craft" || !which.empty()) return nullptr;
    return std::make_unique<OptionalCraftDialog>();
}

void FgShipPage::Prepare(PageContext& context) {
    ControlState& team = *Find(kTeam);
    team.items.clear();
    for (int t = 0; t < kTeamsListed; ++t)
        team.items.push_back(Win1252ToUtf8(TeamName(t, &context.document.GetMission())));
}

void FgShipPage::Finish(PageContext&, const std::vector<FlightGroup*>&) {
    OfferNames();
}

void FgShipPage::OnChanged(PageContext&, int id) {
    if (id == kTeam || id == kClass) OfferNames();
}

void FgShipPage::OfferNames() {
    // A team or class that shows no entry offers the general names.
    ControlState& name = *Find(kName);
    std::vector<std::string> names;
    for (const std::string& n : OfferedNames(Find(kTeam)->value.index, Find(kClass)->value.index))
        names.push_back(Win1252ToUtf8(n));
    std::stable_sort(names.begin(), names.end(), NameBefore);
    name.items = std::move(names);
    // The typed text stays; it selects its entry when it is one. A new list
    // is not a change of the name, so what was loaded is matched the same way.
    const auto indexOf = [&](const std::string& text) {
        auto it = std::find(name.items.begin(), name.items.end(), text);
        return it == name.items.end() ? -1 : int(it - name.items.begin());
    };
    name.value.index = indexOf(name.value.text);
    name.loaded.index = indexOf(name.loaded.text);
}

}  // namespace vantorel
