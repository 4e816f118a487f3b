#include "properties/logic/FieldBinding.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "mission/MissionText.h"
#include "mission/Win1252.h"
#include "properties/logic/PageModel.h"

namespace vantorel {

void ShowMixedState(ControlState& c) {
    c.mixed = true;
    switch (c.kind) {
        case ControlKind::List:
            c.value.index = -1;
            c.value.text.clear();
            break;
        case ControlKind::Radio:
            c.value.index = -1;
            break;
        case ControlKind::Check:
            c.tristate = true;
            c.value.index = 2;
            break;
        case ControlKind::Text:
        case ControlKind::Number:
            c.value.text.clear();
            break;
        default:
            break;
    }
}

std::string DollarInFreeTextText(const std::string& field) {
    return "The " + field +
           " cannot hold a '$': the game shows every '$' as a line break. Press Enter for a new "
           "line.";
}

namespace bind {

namespace {
int64_t AsInt(const FieldValue& v) {
    return std::holds_alternative<int64_t>(v) ? std::get<int64_t>(v) : 0;
}
}  // namespace

long long LeadingInteger(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long n = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        n = std::min<long long>(n * 10 + (text[i] - '0'), INT_MAX);
    return negative ? -n : n;
}

void ShowIndex(ControlState& c, const FieldValue& v) {
    const int64_t n = AsInt(v);
    c.value.index = n >= 0 && n < int64_t(c.items.size()) ? int(n) : -1;
}

Taken TakeIndex(const ControlState& c) {
    if (c.value.index < 0) return Taken::Nothing();
    return Taken::Value(int64_t(c.value.index));
}

std::function<void(ControlState&, const FieldValue&)> ShowNumber(int offset) {
    return [offset](ControlState& c, const FieldValue& v) {
        c.value.text = std::to_string(AsInt(v) + offset);
    };
}

std::function<Taken(const ControlState&)> TakeNumber(int offset,
                                                     std::optional<std::pair<int, int>> range) {
    // Without a range of its own the box takes what its byte holds: a
    // number that does not fit is refused rather than wrapped round.
    const std::pair<int, int> limits = range.value_or(std::pair{offset, 255 + offset});
    return [offset, limits](const ControlState& c) {
        if (c.value.text.empty()) return Taken::Nothing();
        const long long n = LeadingInteger(c.value.text);
        if (n < limits.first || n > limits.second)
            return Taken::Refused(
                EnterIntegerBetweenText(limits.first, limits.second, c.FieldName()));
        return Taken::Value(int64_t(n - offset));
    };
}

void ShowText(ControlState& c, const FieldValue& v) {
    c.value.text = std::holds_alternative<std::string>(v) ? Win1252ToUtf8(std::get<std::string>(v))
                                                          : std::string();
}

std::function<Taken(const ControlState&)> TakeText(bool keepWhenEmpty, std::string mixedText) {
    return [keepWhenEmpty, mixedText](const ControlState& c) {
        if (keepWhenEmpty && c.value.text.empty()) return Taken::Nothing();
        if (!mixedText.empty() && c.value.text == mixedText) return Taken::Nothing();
        return Taken::Value(Utf8ToWin1252(c.value.text));
    };
}

std::function<Taken(const ControlState&)> TakeFreeText(std::string field) {
    return [field](const ControlState& c) {
        if (c.value.text.find(kStoredLineBreak) != std::string::npos)
            return Taken::Refused(DollarInFreeTextText(field));
        return Taken::Value(Utf8ToWin1252(c.value.text));
    };
}

void ShowCheck(ControlState& c, const FieldValue& v) {
    c.value.index = AsInt(v) != 0 ? 1 : 0;
}

Taken TakeCheck(const ControlState& c) {
    if (c.value.index != 0 && c.value.index != 1) return Taken::Nothing();
    return Taken::Value(int64_t(c.value.index));
}

std::function<void(ControlState&, const FieldValue&)> ShowRadio(std::vector<int64_t> values) {
    return [values](ControlState& c, const FieldValue& v) {
        auto it = std::find(values.begin(), values.end(), AsInt(v));
        c.value.index = it == values.end() ? -1 : int(it - values.begin());
    };
}

std::function<Taken(const ControlState&)> TakeRadio(std::vector<int64_t> values) {
    return [values](const ControlState& c) {
        if (c.value.index < 0 || size_t(c.value.index) >= values.size()) return Taken::Nothing();
        return Taken::Value(values[size_t(c.value.index)]);
    };
}

}  // namespace bind
}  // namespace vantorel
