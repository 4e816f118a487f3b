#include "properties/logic/ControlState.h"

namespace vantorel {

std::string ControlState::ShownText() const {
    switch (kind) {
        case ControlKind::List:
            if (editable) return value.text;
            if (multiSelect) return {};
            return value.index >= 0 && size_t(value.index) < items.size()
                       ? items[size_t(value.index)]
                       : std::string();
        case ControlKind::Radio:
            return value.index >= 0 && size_t(value.index) < items.size()
                       ? items[size_t(value.index)]
                       : std::string();
        case ControlKind::Check:
        case ControlKind::Button:
            return label;
        case ControlKind::CheckList:
            return {};
        default:
            return value.text;
    }
}

namespace {
std::string WithoutMnemonic(std::string text) {
    std::erase(text, '&');
    while (!text.empty() && (text.back() == ':' || text.back() == ' ')) text.pop_back();
    return text;
}
}  // namespace

std::string ControlState::FieldName() const {
    if (!name.empty()) return name;
    std::string field = WithoutMnemonic(label);
    const std::string after = WithoutMnemonic(suffix);
    if (!after.empty()) field += (field.empty() ? "(" : " (") + after + ")";
    return field;
}

}  // namespace vantorel
