#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "document/EditDraft.h"
#include "properties/logic/ControlState.h"

namespace vantorel {

// A field of a record as the merge compares it: a number or a text (texts
// in the mission's own code page).
using FieldValue = std::variant<int64_t, std::string>;

// What a control's value means for its field on apply.
struct Taken {
    enum Kind { Skip, Write, Refuse } kind = Skip;
    FieldValue value;
    std::string message;  // for Refuse: what the user is told

    static Taken Nothing() { return {}; }
    static Taken Value(FieldValue v) { return {Write, std::move(v), {}}; }
    static Taken Refused(std::string message) { return {Refuse, {}, std::move(message)}; }
};

// Ties one control to one field of the page's subject S (a flight group, a
// message, a team, the mission): how to read the field, how to write it into
// a draft, how a definite value shows, and what the control means on apply.
template <class S>
struct FieldBinding {
    int id = 0;
    std::function<FieldValue(const S&)> get;
    std::function<void(EditDraft&, S&, const FieldValue&)> put;
    // Shows a value that every subject shares.
    std::function<void(ControlState&, const FieldValue&)> show;
    // Turns the control into a value to write (called only when the user
    // changed the control since the page loaded).
    std::function<Taken(const ControlState&)> take;
    // Shows that the subjects differ; the default is the control kind's own
    // mixed state.
    std::function<void(ControlState&)> showMixed;
};

// The mixed state of each kind of control: no selection, empty text,
// indeterminate, no button.
void ShowMixedState(ControlState& control);

// Why a free text refuses a '$', naming the text ("description").
std::string DollarInFreeTextText(const std::string& field);

// Converters that most bindings are built from.
namespace bind {

// A list whose position is the value. A value without an entry shows no
// selection and is kept.
void ShowIndex(ControlState& c, const FieldValue& v);
Taken TakeIndex(const ControlState& c);

// A number box: shows value + offset; empty text means leave the field.
// A typed text is read as a leading decimal integer (no digits read 0) minus
// the offset. A number outside the range (by default what a byte holds,
// shown with the offset) is refused.
std::function<void(ControlState&, const FieldValue&)> ShowNumber(int offset = 0);
std::function<Taken(const ControlState&)> TakeNumber(int offset = 0,
                                                     std::optional<std::pair<int, int>> range = {});

// A text in the mission's code page shown as UTF-8. `keepWhenEmpty`: an
// empty text leaves the field (a name box); `mixedText`: this exact text
// leaves it too.
void ShowText(ControlState& c, const FieldValue& v);
std::function<Taken(const ControlState&)> TakeText(bool keepWhenEmpty, std::string mixedText = {});

// A free text (the description, a debriefing): a '$', which the game would
// show as a line break, is refused with a message naming the field.
std::function<Taken(const ControlState&)> TakeFreeText(std::string field);

// A check box: zero unchecked, anything else checked; indeterminate leaves it.
void ShowCheck(ControlState& c, const FieldValue& v);
Taken TakeCheck(const ControlState& c);

// A radio group whose buttons stand for these values in order.
std::function<void(ControlState&, const FieldValue&)> ShowRadio(std::vector<int64_t> values);
std::function<Taken(const ControlState&)> TakeRadio(std::vector<int64_t> values);

// Parses the leading decimal integer of a text, as a C runtime would: spaces,
// a sign, digits; 0 when there are none.
long long LeadingInteger(const std::string& text);

// Bindings of the usual kinds. `get` reads the field from a subject (a
// number or a text); `put(draft, subject, value)` writes it into the draft.
template <class S, class Get, class Put>
FieldBinding<S> IntField(int id, Get get, Put put,
                         std::function<void(ControlState&, const FieldValue&)> show,
                         std::function<Taken(const ControlState&)> take) {
    FieldBinding<S> b;
    b.id = id;
    b.get = [get](const S& s) { return FieldValue(int64_t(get(s))); };
    b.put = [put](EditDraft& d, S& s, const FieldValue& v) { put(d, s, std::get<int64_t>(v)); };
    b.show = std::move(show);
    b.take = std::move(take);
    return b;
}

template <class S, class Get, class Put>
FieldBinding<S> ListField(int id, Get get, Put put) {
    return IntField<S>(id, get, put, &ShowIndex, &TakeIndex);
}

template <class S, class Get, class Put>
FieldBinding<S> NumberField(int id, Get get, Put put, int offset = 0,
                            std::optional<std::pair<int, int>> range = {}) {
    return IntField<S>(id, get, put, ShowNumber(offset), TakeNumber(offset, range));
}

template <class S, class Get, class Put>
FieldBinding<S> CheckField(int id, Get get, Put put) {
    return IntField<S>(id, get, put, &ShowCheck, &TakeCheck);
}

template <class S, class Get, class Put>
FieldBinding<S> RadioField(int id, Get get, Put put, std::vector<int64_t> values) {
    return IntField<S>(id, get, put, ShowRadio(values), TakeRadio(values));
}

template <class S, class Get, class Put>
FieldBinding<S> TextField(int id, Get get, Put put, bool keepWhenEmpty,
                          std::string mixedText = {}) {
    FieldBinding<S> b;
    b.id = id;
    b.get = [get](const S& s) { return FieldValue(std::string(get(s))); };
    b.put = [put](EditDraft& d, S& s, const FieldValue& v) { put(d, s, std::get<std::string>(v)); };
    b.show = &ShowText;
    b.take = TakeText(keepWhenEmpty, mixedText);
    if (!mixedText.empty()) {
        b.showMixed = [mixedText](ControlState& c) {
            ShowMixedState(c);
            c.value.text = mixedText;
        };
    }
    return b;
}

template <class S, class Get, class Put>
FieldBinding<S> FreeTextField(int id, Get get, Put put, std::string field) {
    FieldBinding<S> b = TextField<S>(id, get, put, false);
    b.take = TakeFreeText(std::move(field));
    return b;
}

}  // namespace bind
}  // namespace vantorel
