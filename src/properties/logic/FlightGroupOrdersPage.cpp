#include "properties/logic/FlightGroupOrdersPage.h"

#include "catalogue/Orders.h"
#include "catalogue/TargetText.h"
#include "mission/Win1252.h"
#include "properties/logic/OrderTargetDialog.h"

namespace vantorel {

namespace {

// The tab strip before the page first loaded: it then starts on the order
// the caller asked for.
constexpr int kNotLoaded = -1;

}  // namespace

std::vector<std::string> FlightGroupOrdersPage::SpeedChoices() {
    // The game's speeds grow in a repeating cycle of steps from 2.
    static constexpr int kSteps[] = {2, 3, 2, 2, 2, 3, 2, 2, 2};
    std::vector<std::string> items = {"Default"};
    int speed = 2;
    for (int i = 1; i < 256; ++i) {
        if (i > 1) speed += kSteps[(i - 2) % 9];
        items.push_back(std::to_string(speed));
    }
    return items;
}

FlightGroupOrdersPage::FlightGroupOrdersPage() : FlightGroupPage("Orders", "Orders Properties") {
    ControlState& tabs = AddControl(kTabs, ControlKind::Radio);
    tabs.items = {"1st", "2nd", "3rd", "4th"};
    tabs.tabs = true;
    tabs.value.index = kNotLoaded;

    AddControl(kCommand, ControlKind::List).items = ListWords(OrderNames(), OrderCount);
    AddControl(kInfo, ControlKind::Button, "Order &Info...");
    AddControl(kParameter1Label, ControlKind::Label);
    ControlState& p1 = AddControl(kParameter1, ControlKind::Number);
    AddControl(kParameter2Label, ControlKind::Label);
    ControlState& p2 = AddControl(kParameter2, ControlKind::Number);
    for (ControlState* p : {&p1, &p2}) {
        p->spinMin = 0;
        p->spinMax = 255;
    }
    ControlState& throttle = AddControl(kThrottle, ControlKind::List, "&Throttle:");
    for (const char* step : ThrottleSteps()) throttle.items.push_back(step);
    AddControl(kSpeed, ControlKind::List, "Spee&d:").items = SpeedChoices();
    AddControl(kDescription, ControlKind::Text, "Des&cription:").maxLength = kDescriptionLength;

    for (int t : {0, 1}) {
        AddControl(kTargetLabels[t], ControlKind::Label);
        AddControl(kTargetButtons[t], ControlKind::Button, "...");
    }
    ControlState& primary = AddControl(kPrimaryAndOr, ControlKind::Radio);
    primary.items = {"&AND", "&OR"};
    primary.buttonIds = {kPrimaryAndOr, kPrimaryOr};
    for (int t : {2, 3}) {
        AddControl(kTargetLabels[t], ControlKind::Label);
        AddControl(kTargetButtons[t], ControlKind::Button, "...");
    }
    ControlState& secondary = AddControl(kSecondaryAndOr, ControlKind::Radio);
    secondary.items = {"A&ND", "O&R"};
    secondary.buttonIds = {kSecondaryAndOr, kSecondaryOr};

    // Every binding reads and writes the order of the current tab.
    auto get = [this](uint8_t (ConstOrder::*field)() const) {
        return [this, field](const FlightGroup& fg) { return (fg.File.Orders(Slot()).*field)(); };
    };
    auto put = [this](void (Order::*field)(uint8_t) const) {
        return [this, field](EditDraft& d, FlightGroup& fg, int64_t v) {
            (d.Edit(fg.File).Orders(Slot()).*field)(uint8_t(v));
        };
    };
    using F = FlightGroup;
    Bind(bind::ListField<F>(kCommand, get(&ConstOrder::Command), put(&Order::SetCommand)));
    // A typed number keeps its low byte, as the field holds it.
    Bind(bind::NumberField<F>(kParameter1, get(&ConstOrder::Parameter1),
                              put(&Order::SetParameter1)));
    Bind(bind::NumberField<F>(kParameter2, get(&ConstOrder::Parameter2),
                              put(&Order::SetParameter2)));
    Bind(bind::ListField<F>(kThrottle, get(&ConstOrder::Throttle), put(&Order::SetThrottle)));
    Bind(bind::ListField<F>(kSpeed, get(&ConstOrder::Speed), put(&Order::SetSpeed)));
    Bind(bind::RadioField<F>(kPrimaryAndOr, get(&ConstOrder::Target12AndOr),
                             put(&Order::SetTarget12AndOr), {0, 1}));
    Bind(bind::RadioField<F>(kSecondaryAndOr, get(&ConstOrder::Target34AndOr),
                             put(&Order::SetTarget34AndOr), {0, 1}));
    Bind(bind::TextField<F>(
        kDescription, [this](const F& fg) { return fg.File.Orders(Slot()).Description(); },
        [this](EditDraft& d, F& fg, const std::string& v) {
            d.Edit(fg.File).Orders(Slot()).SetDescription(v);
        },
        false, kMultipleDescriptionsText));
}

int FlightGroupOrdersPage::Slot() const {
    const int tab = Find(kTabs)->value.index;
    return tab >= 0 && tab < FlightGroupRecord::kOrderCount ? tab : 0;
}

void FlightGroupOrdersPage::Prepare(PageContext& context) {
    ControlState& tabs = *Find(kTabs);
    if (tabs.value.index == kNotLoaded)
        tabs.value.index = context.order >= 0 && context.order < FlightGroupRecord::kOrderCount
                               ? context.order
                               : 0;
    else if (tabs.value.index < 0 || tabs.value.index >= FlightGroupRecord::kOrderCount)
        tabs.value.index = 0;
}

void FlightGroupOrdersPage::Finish(PageContext& context,
                                   const std::vector<FlightGroup*>& subjects) {
    const Mission& mission = context.document.GetMission();
    for (int t = 0; t < 4; ++t) {
        const OrderTargetFields& f = TargetFieldsOf(t);
        MergedValue<std::pair<int, int>> target;
        for (const FlightGroup* fg : subjects) {
            const ConstOrder order = fg->File.Orders(Slot());
            target.Add({(order.*f.type)(), (order.*f.value)()});
        }
        // Targets that differ show nothing at all.
        auto v = target.Value();
        Find(kTargetLabels[t])->value.text =
            v ? Win1252ToUtf8(TargetText(v->first, v->second, &mission)) : std::string();
    }
    ShowCommandDependents();
    ShowThrottleDependents();
}

void FlightGroupOrdersPage::ShowCommandDependents() {
    const int command = Find(kCommand)->value.index;
    const auto [label1, label2] = OrderParameterLabels(command);
    Find(kParameter1Label)->value.text = label1;
    Find(kParameter2Label)->value.text = label2;
    // Messages name a parameter as its label does, and by its place without one.
    const auto named = [](std::string name, const char* fallback) {
        while (!name.empty() && (name.back() == ':' || name.back() == ' ')) name.pop_back();
        return name.empty() ? std::string(fallback) : name;
    };
    Find(kParameter1)->name = named(label1, "Parameter 1");
    Find(kParameter2)->name = named(label2, "Parameter 2");
    // The help is offered only for a chosen order.
    Find(kInfo)->enabled = command >= 0;
}

void FlightGroupOrdersPage::ShowThrottleDependents() {
    Find(kSpeed)->enabled = Find(kThrottle)->value.index == kFullThrottle;
}

bool FlightGroupOrdersPage::CheckSlot(PageContext& context) {
    const int tab = Find(kTabs)->value.index;
    if (tab >= 0 && tab < FlightGroupRecord::kOrderCount) return true;
    Find(kTabs)->value.index = 0;
    context.document.GetPrompter().Error(kInvalidOrderIndexText);
    return false;
}

PageModel::ApplyResult FlightGroupOrdersPage::OnApply(PageContext& context) {
    // Before the first load there is nothing the user could have changed.
    if (Find(kTabs)->value.index == kNotLoaded) return ApplyResult::Unchanged;
    if (!CheckSlot(context)) return ApplyResult::Unchanged;
    return FlightGroupPage::OnApply(context);
}

void FlightGroupOrdersPage::OnChanging(PageContext& context, int id) {
    // The order shown is written before another is shown; the tab changes
    // whatever the outcome.
    if (id == kTabs) Apply(context);
}

void FlightGroupOrdersPage::OnChanged(PageContext& context, int id) {
    if (id == kTabs)
        Load(context);
    else if (id == kCommand)
        ShowCommandDependents();
    else if (id == kThrottle)
        ShowThrottleDependents();
}

void FlightGroupOrdersPage::Activate(PageContext& context, int id) {
    if (id != kInfo) return;
    const int command = Find(kCommand)->value.index;
    if (command < 0) return;
    context.document.GetPrompter().Show(OrderInfoText(command), PromptIcon::ProgramInformation,
                                        PromptButtons::Ok, OrderName(command));
}

std::vector<std::string> FlightGroupOrdersPage::DialogNames() const {
    return {"target=1..4 (1 and 2 the primary targets, 3 and 4 the secondary ones)"};
}

std::unique_ptr<PageModel> FlightGroupOrdersPage::OpenDialog(PageContext& context,
                                                             const std::string& name,
                                                             const std::string& which) {
    if (name != "target" || which.size() != 1 || which[0] < '1' || which[0] > '4') return nullptr;
    if (!CheckSlot(context)) return nullptr;
    return std::make_unique<OrderTargetDialog>(Slot(), which[0] - '1');
}

}  // namespace vantorel
