#pragma once

#include <cstdint>

#include "properties/logic/FlightGroupPage.h"

namespace vantorel {

// The bytes of target 1..4 of an order (given as 0..3): what it designates
// and which one.
struct OrderTargetFields {
    uint8_t (ConstOrder::*type)() const;
    uint8_t (ConstOrder::*value)() const;
    void (Order::*setType)(uint8_t) const;
    void (Order::*setValue)(uint8_t) const;
};
const OrderTargetFields& TargetFieldsOf(int target);

// The Target dialog of the Orders page: one target of one order of every
// selected flight group, as a type and a value from the type's list.
class OrderTargetDialog final : public FlightGroupPage {
public:
    static constexpr int kType = 1094;
    static constexpr int kValue = 1095;

    // `order` 0..3, `target` 0..3 (Target1..Target4).
    OrderTargetDialog(int order, int target);

protected:
    void Prepare(PageContext& context) override;
    void OnChanged(PageContext& context, int id) override;

private:
    // Fills the value list for a type (-1: the records differ); a value the
    // list cannot show is shown as no selection and left as it is.
    void FillValues(PageContext& context, int type);

    int order_;
    int target_;
};

}  // namespace vantorel
