#include "properties/logic/PageModel.h"

#include <algorithm>

#include "mission/MissionText.h"

namespace vantorel {

ControlState* PageModel::Find(int id) {
    for (auto& c : controls_)
        if (c.id == id) return &c;
    return nullptr;
}

const ControlState* PageModel::Find(int id) const {
    return const_cast<PageModel*>(this)->Find(id);
}

ControlState& PageModel::AddControl(int id, ControlKind kind, std::string label) {
    ControlState c;
    c.id = id;
    c.kind = kind;
    c.label = std::move(label);
    controls_.push_back(std::move(c));
    return controls_.back();
}

void PageModel::Load(PageContext& context) {
    for (auto& c : controls_) c.mixed = false;
    OnLoad(context);
    for (auto& c : controls_) {
        c.loaded = c.value;
        c.loadedMixed = c.mixed;
    }
}

std::vector<std::string> PageModel::Leave(PageContext& context, int id) {
    std::vector<std::string> refused;
    const int run = runId_;
    bool undoRun = false;
    for (auto& c : controls_) {
        if ((id != 0 && c.id != id) || !c.Touched()) continue;
        std::string why = Refusal(c);
        if (why.empty()) continue;
        // The box shows what is stored, so what is seen is what is saved. A
        // box that writes as it is typed into goes back to what it held
        // before the typing began: 3 and 30 on the way to a refused 300 are
        // not what the user asked for.
        if (c.id == run) {
            c.value = runStart_;
            c.mixed = runStartMixed_;
            undoRun = true;
        } else {
            c.value = c.loaded;
            c.mixed = c.loadedMixed;
        }
        refused.push_back(std::move(why));
    }
    // Written with the run's own key, the way back cancels the run in the
    // history: no step of Undo is left for what was refused.
    if (undoRun) ApplyAtOnce(context, run);
    if (id == 0 || id == run) runId_ = 0;
    return refused;
}

bool PageModel::HasPendingEdits() const {
    for (const auto& c : controls_)
        if (c.Touched() && !c.listBox && !c.tabs && c.id != ViewControl()) return true;
    return false;
}

PageModel::ApplyResult PageModel::Apply(PageContext& context) {
    const ApplyResult result = OnApply(context);
    // What is written is what the page now shows as loaded, so a second
    // apply writes nothing again.
    if (result != ApplyResult::Refused)
        for (auto& c : controls_) {
            c.loaded = c.value;
            c.loadedMixed = c.mixed;
        }
    return result;
}

PageModel::ApplyResult PageModel::ApplyAtOnce(PageContext& context, int id) {
    const ControlState* c = Find(id);
    const bool typed = c && (c->kind == ControlKind::Text || c->kind == ControlKind::Number);
    mergeKey_ = typed ? title_ + "/" + std::to_string(id) : std::string();
    // A run of typing into one box starts from what was stored before it.
    if (!typed) {
        runId_ = 0;
    } else if (runId_ != id) {
        runId_ = id;
        runStart_ = c->loaded;
        runStartMixed_ = c->loadedMixed;
    }
    quiet_ = true;
    const ApplyResult result = Apply(context);
    quiet_ = false;
    mergeKey_.clear();
    return result;
}

std::optional<FocusRequest> PageModel::TakeFocusRequest() {
    auto f = focus_;
    focus_.reset();
    return f;
}

namespace {

bool Refuse(std::string* why, std::string reason) {
    if (why) *why = std::move(reason);
    return false;
}

bool IsNumberText(const std::string& text, bool decimal) {
    bool point = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch >= '0' && ch <= '9') continue;
        if (ch == '-' && i == 0) continue;
        if (ch == '.' && decimal && !point) {
            point = true;
            continue;
        }
        return false;
    }
    return true;
}

}  // namespace

bool PageModel::Set(PageContext& context, int id, const ControlValue& value, std::string* why) {
    ControlState* c = Find(id);
    if (!c) return Refuse(why, "no control " + std::to_string(id) + " on this page");
    if (!c->enabled || !c->visible)
        return Refuse(why, "control " + std::to_string(id) + " is disabled");
    const int count = int(c->items.size());
    ControlValue next = c->value;
    switch (c->kind) {
        case ControlKind::List:
            if (c->multiSelect) {
                std::vector<int> s = value.states;
                std::sort(s.begin(), s.end());
                s.erase(std::unique(s.begin(), s.end()), s.end());
                for (int p : s)
                    if (p < 0 || p >= count)
                        return Refuse(why, "no entry " + std::to_string(p) + " in list " +
                                               std::to_string(id));
                next.states = s;
            } else if (c->editable) {
                const int length = Utf8Length(value.text);
                if (c->maxLength > 0 && length > c->maxLength && length > Utf8Length(c->value.text))
                    return Refuse(why, "box " + std::to_string(id) + " holds at most " +
                                           std::to_string(c->maxLength) + " characters");
                next.text = value.text;
                // A typed text that is an entry selects it.
                auto it = std::find(c->items.begin(), c->items.end(), value.text);
                next.index = it == c->items.end() ? -1 : int(it - c->items.begin());
            } else {
                if (value.index < 0 || value.index >= count)
                    return Refuse(why, "no entry " + std::to_string(value.index) + " in list " +
                                           std::to_string(id));
                next.index = value.index;
            }
            break;
        case ControlKind::Radio:
            if (value.index < 0 || value.index >= count)
                return Refuse(why, "no button " + std::to_string(value.index) + " in group " +
                                       std::to_string(id));
            next.index = value.index;
            break;
        case ControlKind::Check:
            if (value.index < 0 || value.index > (c->tristate ? 2 : 1))
                return Refuse(why, "check box " + std::to_string(id) + " takes 0 or 1" +
                                       (c->tristate ? std::string(" or 2") : std::string()));
            next.index = value.index;
            break;
        case ControlKind::CheckList:
            if (int(value.states.size()) != count)
                return Refuse(why, "check list " + std::to_string(id) + " has " +
                                       std::to_string(count) + " items");
            for (int s : value.states)
                if (s < 0 || s > (c->tristate ? 2 : 1))
                    return Refuse(why, "check list " + std::to_string(id) + " takes states 0, 1" +
                                           (c->tristate ? std::string(" or 2") : std::string()));
            next.states = value.states;
            break;
        case ControlKind::Number:
            if (!IsNumberText(value.text, c->decimal))
                return Refuse(why, "box " + std::to_string(id) + " takes a number");
            next.text = value.text;
            break;
        case ControlKind::Text: {
            if (c->readOnly) return Refuse(why, "box " + std::to_string(id) + " is read-only");
            // Several lines are held as the mission holds them: CR LF.
            std::string text = c->multiline ? WithCrLfLineBreaks(value.text) : value.text;
            // A text already longer than the limit may stay; it may not grow.
            const int length = Utf8Length(text);
            if (c->maxLength > 0 && length > c->maxLength && length > Utf8Length(c->value.text))
                return Refuse(why, "box " + std::to_string(id) + " holds at most " +
                                       std::to_string(c->maxLength) + " characters");
            next.text = std::move(text);
            break;
        }
        case ControlKind::Button:
        case ControlKind::Label:
            return Refuse(why, "control " + std::to_string(id) + " cannot be set");
    }
    if (next == c->value) return true;
    OnChanging(context, id);
    c = Find(id);  // the page may have rebuilt its controls
    if (!c) return true;
    c->value = next;
    c->mixed = false;
    OnChanged(context, id);
    return true;
}

std::string EnterNumberBetweenText(const std::string& low, const std::string& high,
                                   const std::string& field) {
    return "Please enter a number between " + low + " and " + high +
           (field.empty() ? std::string() : " for " + field) + ".";
}

std::string EnterIntegerBetweenText(int low, int high, const std::string& field) {
    return "Please enter an integer between " + std::to_string(low) + " and " +
           std::to_string(high) + (field.empty() ? std::string() : " for " + field) + ".";
}

int Utf8Length(const std::string& text) {
    int n = 0;
    for (unsigned char ch : text)
        if ((ch & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace vantorel
