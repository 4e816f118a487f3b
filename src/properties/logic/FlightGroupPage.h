#pragma once

#include <string>
#include <vector>

#include "properties/logic/BoundPage.h"

namespace vantorel {

// A page of the flight group sheet: its subjects are the selected flight
// groups, in list order.
class FlightGroupPage : public BoundPage<FlightGroup> {
public:
    using BoundPage::BoundPage;

protected:
    std::vector<FlightGroup*> Subjects(PageContext& context) override {
        return SelectedFlightGroups(context.document.GetMission());
    }

public:
    static std::vector<FlightGroup*> SelectedFlightGroups(Mission& mission) {
        std::vector<FlightGroup*> selected;
        for (auto& fg : mission.FlightGroups)
            if (fg->Selected) selected.push_back(fg.get());
        return selected;
    }
};

// Bindings of a flight group's record fields by their accessors, e.g.
// fgbind::List(1019, &FlightGroupRecord::CraftType, &FlightGroupRecord::SetCraftType).
namespace fgbind {

using R = FlightGroupRecord;
template <class V>
using Getter = V (R::*)() const;
template <class V>
using Setter = void (R::*)(V);

template <class V>
auto Get(Getter<V> get) {
    return [get](const FlightGroup& fg) { return (fg.File.*get)(); };
}
template <class V>
auto Put(Setter<V> set) {
    return [set](EditDraft& d, FlightGroup& fg, int64_t v) { (d.Edit(fg.File).*set)(V(v)); };
}

template <class V>
FieldBinding<FlightGroup> List(int id, Getter<V> get, Setter<V> set) {
    return bind::ListField<FlightGroup>(id, Get(get), Put(set));
}
template <class V>
FieldBinding<FlightGroup> Number(int id, Getter<V> get, Setter<V> set, int offset = 0,
                                 std::optional<std::pair<int, int>> range = {}) {
    return bind::NumberField<FlightGroup>(id, Get(get), Put(set), offset, range);
}
template <class V>
FieldBinding<FlightGroup> Check(int id, Getter<V> get, Setter<V> set) {
    return bind::CheckField<FlightGroup>(id, Get(get), Put(set));
}
template <class V>
FieldBinding<FlightGroup> Radio(int id, Getter<V> get, Setter<V> set, std::vector<int64_t> values) {
    return bind::RadioField<FlightGroup>(id, Get(get), Put(set), std::move(values));
}
inline FieldBinding<FlightGroup> Text(int id, std::string (R::*get)() const,
                                      void (R::*set)(std::string_view), bool keepWhenEmpty,
                                      std::string mixedText = {}) {
    return bind::TextField<FlightGroup>(
        id, [get](const FlightGroup& fg) { return (fg.File.*get)(); },
        [set](EditDraft& d, FlightGroup& fg, const std::string& v) { (d.Edit(fg.File).*set)(v); },
        keepWhenEmpty, std::move(mixedText));
}

}  // namespace fgbind
}  // namespace vantorel
