#include "properties/logic/FgEquipmentPage.h"

#include "catalogue/CraftWordLists.h"
#include "catalogue/TeamName.h"
#include "mission/Win1252.h"
#include "properties/logic/HiddenCargoDialog.h"
#include "properties/logic/MergedValue.h"

namespace vantorel {

namespace {

// The three lists in item order: their first item, their size in bytes
// (which is also their highest code), and their accessors.
struct EquipmentList {
    int firstItem;
    int size;
    uint8_t (FlightGroupRecord::*get)(int) const;
    void (FlightGroupRecord::*set)(int, uint8_t);
};
constexpr EquipmentList kLists[] = {
    {0, 8, &FlightGroupRecord::PlayerWarheads, &FlightGroupRecord::SetPlayerWarheads},
    {8, 6, &FlightGroupRecord::PlayerBeams, &FlightGroupRecord::SetPlayerBeams},
    {14, 4, &FlightGroupRecord::PlayerCountermeasures,
     &FlightGroupRecord::SetPlayerCountermeasures},
};

constexpr int kPlanet = kPlanetCraftType;

std::vector<std::string> Words(WordList list) {
    return std::vector<std::string>(list.begin(), list.end());
}

}  // namespace

std::array<bool, FgEquipmentPage::kItemCount> EquipmentItemsOf(const FlightGroupRecord& r) {
    std::array<bool, FgEquipmentPage::kItemCount> items{};
    for (const EquipmentList& l : kLists)
        for (int b = 0; b < l.size; ++b) {
            const int code = (r.*l.get)(b);
            if (code >= 1 && code <= l.size) items[size_t(l.firstItem + code - 1)] = true;
        }
    return items;
}

void SetEquipmentItems(FlightGroupRecord& r,
                       const std::array<bool, FgEquipmentPage::kItemCount>& items) {
    const auto was = EquipmentItemsOf(r);
    for (const EquipmentList& l : kLists) {
        bool same = true;
        for (int code = 1; code <= l.size; ++code)
            same = same &&
                   was[size_t(l.firstItem + code - 1)] == items[size_t(l.firstItem + code - 1)];
        if (same) continue;
        int b = 0;
        for (int code = 1; code <= l.size; ++code)
            if (items[size_t(l.firstItem + code - 1)]) (r.*l.set)(b++, uint8_t(code));
        for (; b < l.size; ++b) (r.*l.set)(b, 0);
    }
}

FgEquipmentPage::FgEquipmentPage() : FlightGroupPage("Equipment", "Equipment Properties") {
    using R = FlightGroupRecord;
    AddControl(kAi, ControlKind::List, "Computer A&I:").items = Words(ComputerAiLevels());
    AddControl(kWarhead, ControlKind::List, "Def. Missile:").items = Words(DefaultWarheads());
    AddControl(kBeam, ControlKind::List, "Def. &Beam:").items = Words(DefaultBeams());
    AddControl(kCountermeasure, ControlKind::List, "Def. &CM:").items =
        Words(DefaultCountermeasures());
    AddControl(kStatus, ControlKind::List, "&Status 1:");
    AddControl(kStatus2, ControlKind::List, "S&tatus 2:");
    AddControl(kRadio, ControlKind::List, "&Radio:");
    AddControl(kCargo, ControlKind::Text, "&Cargo:").maxLength = kTextLength;
    AddControl(kHiddenCargo, ControlKind::Button, "...");
    ControlState& equipment =
        AddControl(kEquipment, ControlKind::CheckList, "&Player Selectable Equipment:");
    equipment.tristate = true;
    equipment.items = {"Heavy Bomb",  "Heavy Rocket",     "Concussion Missile",
                       "Torpedo",     "Advanced Missile", "Advanded Torpedo",
                       "Mag Pulse",   "Ion Pulse",        "Tractor Beam",
                       "Jammer Beam", "Decoy Beam",       "Energy Beam",
                       "(No Beam 1)", "(No Beam 2)",      "Chaff",
                       "Flare",       "Cluster Mine",     "(No CM 1)"};

    Bind(fgbind::List(kAi, &R::ComputerAi, &R::SetComputerAi));
    Bind(fgbind::List(kWarhead, &R::Warhead, &R::SetWarhead));
    Bind(fgbind::List(kBeam, &R::Beam, &R::SetBeam));
    Bind(fgbind::List(kCountermeasure, &R::Countermeasure, &R::SetCountermeasure));
    Bind(fgbind::List(kStatus, &R::Status, &R::SetStatus));
    Bind(fgbind::List(kStatus2, &R::Status2, &R::SetStatus2));
    Bind(fgbind::List(kRadio, &R::Radio, &R::SetRadio));
    Bind(fgbind::Text(kCargo, &R::Cargo, &R::SetCargo, false, kMultipleCargosText));
}

std::vector<std::string> FgEquipmentPage::DialogNames() const {
    return {"hidden-cargo"};
}

std::unique_ptr<PageModel> FgEquipmentPage::OpenDialog(PageContext&, const std::string& name,
                                                       const std::string& which) {
    if (name != "hidden-cargo" || !which.empty()) return nullptr;
    return std::make_unique<HiddenCargoDialog>();
}

void FgEquipmentPage::Prepare(PageContext& context) {
    ControlState& radio = *Find(kRadio);
    radio.items = {"Off"};
    for (int t = 0; t < 8; ++t)
        radio.items.push_back("Team: " +
                              Win1252ToUtf8(TeamName(t, &context.document.GetMission())));
    for (int p = 1; p <= 8; ++p) radio.items.push_back("Player " + std::to_string(p));

    // Planets have a backdrop where craft have their first status.
    MergedValue<int> type;
    for (const FlightGroup* fg : Subjects(context)) type.Add(fg->File.CraftType());
    const bool planets = type.Value() == kPlanet;
    ControlState& status = *Find(kStatus);
    ControlState& status2 = *Find(kStatus2);
    status.items = StatusChoices(planets ? kPlanet : 0);
    status2.items = StatusChoices(0);
    status.label = planets ? "&Type:" : "&Status 1:";
    status2.label = planets ? "&Status:" : "S&tatus 2:";
}

void FgEquipmentPage::Finish(PageContext&, const std::vector<FlightGroup*>& subjects) {
    // The first record checks its items; an item any further record has
    // otherwise becomes indeterminate.
    ControlState& list = *Find(kEquipment);
    list.value.states.assign(kItemCount, 0);
    bool first = true;
    for (const FlightGroup* fg : subjects) {
        const auto items = EquipmentItemsOf(fg->File);
        for (size_t i = 0; i < items.size(); ++i) {
            int& state = list.value.states[i];
            if (first)
                state = items[i] ? 1 : 0;
            else if (state != (items[i] ? 1 : 0))
                state = 2;
        }
        first = false;
    }
    list.mixed = false;
    for (int s : list.value.states) list.mixed = list.mixed || s == 2;
}

void FgEquipmentPage::ApplyExtra(PageContext&, EditDraft& draft,
                                 const std::vector<FlightGroup*>& subjects) {
    const ControlState& list = *Find(kEquipment);
    if (!list.Touched() || list.value.states.size() != size_t(kItemCount)) return;
    for (FlightGroup* fg : subjects) {
        // Indeterminate keeps each record's own.
        auto items = EquipmentItemsOf(fg->File);
        for (size_t i = 0; i < items.size(); ++i)
            if (list.value.states[i] != 2) items[i] = list.value.states[i] == 1;
        if (items == EquipmentItemsOf(fg->File)) continue;
        SetEquipmentItems(draft.Edit(fg->File), items);
    }
}

}  // namespace vantorel
