#include "properties/logic/OrderTargetDialog.h"

#include "catalogue/ConditionChoices.h"
#include "catalogue/TargetChoices.h"
#include "mission/Win1252.h"

namespace vantorel {

const OrderTargetFields& TargetFieldsOf(int target) {
    static const OrderTargetFields fields[4] = {
        {&ConstOrder::Target1Type, &ConstOrder::Target1, &Order::SetTarget1Type,
         &Order::SetTarget1},
        {&ConstOrder::Target2Type, &ConstOrder::Target2, &Order::SetTarget2Type,
         &Order::SetTarget2},
        {&ConstOrder::Target3Type, &ConstOrder::Target3, &Order::SetTarget3Type,
         &Order::SetTarget3},
        {&ConstOrder::Target4Type, &ConstOrder::Target4, &Order::SetTarget4Type,
         &Order::SetTarget4},
    };
    return fields[target];
}

OrderTargetDialog::OrderTargetDialog(int order, int target)
    : FlightGroupPage("Target", "Order Target"), order_(order), target_(target) {
    AddControl(kType, ControlKind::List, "&Select Target:").items = VariableTypeChoices();
    AddControl(kValue, ControlKind::List);

    const OrderTargetFields& f = TargetFieldsOf(target_);
    auto get = [this](uint8_t (ConstOrder::*field)() const) {
        return [this, field](const FlightGroup& fg) { return (fg.File.Orders(order_).*field)(); };
    };
    auto put = [this](void (Order::*field)(uint8_t) const) {
        return [this, field](EditDraft& d, FlightGroup& fg, int64_t v) {
            (d.Edit(fg.File).Orders(order_).*field)(uint8_t(v));
        };
    };
    Bind(bind::ListField<FlightGroup>(kType, get(f.type), put(f.setType)));
    Bind(bind::ListField<FlightGroup>(kValue, get(f.value), put(f.setValue)));
}

void OrderTargetDialog::Prepare(PageContext& context) {
    // The value list depends on the type the records share.
    MergedValue<int> type;
    for (const FlightGroup* fg : Subjects(context))
        type.Add((fg->File.Orders(order_).*TargetFieldsOf(target_).type)());
    FillValues(context, type.Value().value_or(-1));
}

void OrderTargetDialog::FillValues(PageContext& context, int type) {
    ControlState& value = *Find(kValue);
    value.items.clear();
    for (const auto& entry : TargetValueChoices(type, &context.document.GetMission()))
        value.items.push_back(Win1252ToUtf8(entry));
    if (value.value.index >= int(value.items.size())) value.value.index = -1;
}

void OrderTargetDialog::OnChanged(PageContext& context, int id) {
    // A new type keeps the chosen value where its list has one.
    if (id == kType) FillValues(context, Find(kType)->value.index);
}

}  // namespace vantorel
