#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "properties/logic/ControlState.h"
#include "properties/logic/PageContext.h"

namespace vantorel {

// Where the window should put the focus after the page asked for it: a
// control and, for a text, the characters to select (end -1: to the end).
struct FocusRequest {
    int id = 0;
    int selectionStart = 0;
    int selectionEnd = 0;
};

// One property page without its window: the controls and what they show,
// how they load from the mission and how they write back. The window pushes
// these states into its widgets and forwards the user's changes through Set;
// the command line does the same without a window, so both share every rule.
class PageModel {
public:
    enum class ApplyResult {
        Unchanged,  // nothing to write, or every value was already there
        Changed,    // one edit was committed
        Refused,    // a value was refused (the page said why); nothing written
    };

    PageModel(std::string title, std::string editName)
        : title_(std::move(title)), editName_(std::move(editName)) {}
    virtual ~PageModel() = default;
    PageModel(const PageModel&) = delete;
    PageModel& operator=(const PageModel&) = delete;

    // The tab's title, e.g. "Level".
    const std::string& Title() const { return title_; }
    // The name of the edit an apply makes ("Level Properties").
    const std::string& EditName() const { return editName_; }

    std::vector<ControlState>& Controls() { return controls_; }
    const std::vector<ControlState>& Controls() const { return controls_; }
    ControlState* Find(int id);
    const ControlState* Find(int id) const;

    // Reads the mission into the controls; afterwards no control is touched.
    void Load(PageContext& context);
    // The user changed a control that writes to the mission since the page
    // loaded or applied (lists that choose what to show do not count).
    bool HasPendingEdits() const;
    // Writes what the user changed back as one edit.
    ApplyResult Apply(PageContext& context);
    // The same as the user changes control `id`, for a page that writes at
    // once: what is typed into one text or number box in a row is one step
    // of Undo, and a value that is refused now (a number half typed) is said
    // when the page applies as a whole.
    ApplyResult ApplyAtOnce(PageContext& context, int id);
    // The user changes one control. False, with the reason, when the control
    // cannot take the value (disabled, out of its range, read-only, ...).
    bool Set(PageContext& context, int id, const ControlValue& value, std::string* why = nullptr);
    // The user leaves control `id`, or every control for 0 (before anything
    // reads the mission): a value its field cannot hold goes back to what is
    // stored, and in a box that writes as it is typed into, to what it held
    // before the typing began (that way back is written, merged with the
    // typing, so the refused run leaves no step of Undo). Returns what to
    // tell the user, naming each field and its range; nothing is said here,
    // so a window can say it once the focus has moved.
    std::vector<std::string> Leave(PageContext& context, int id = 0);
    // A button pressed or a list entry double-clicked.
    virtual void Activate(PageContext& context, int id) {
        (void)context;
        (void)id;
    }
    // The page becomes the active tab.
    virtual void OnShow(PageContext& context) { (void)context; }

    // The modal dialogs the page's buttons open, by the names scripts use
    // ("optional-craft", "condition", ...). A dialog is a page of its own:
    // it loads when it opens and applies (one edit) on OK. `which` picks one
    // of several (a trigger, a target); the window passes what its button
    // stands for. Null for a name the page does not know.
    virtual std::vector<std::string> DialogNames() const { return {}; }
    virtual std::unique_ptr<PageModel> OpenDialog(PageContext& context, const std::string& name,
                                                  const std::string& which) {
        (void)context;
        (void)name;
        (void)which;
        return nullptr;
    }

    // The list that switches what the page shows (the Positions tab's
    // view), 0 when there is none; scripts choose its entries by name.
    virtual int ViewControl() const { return 0; }

    // The focus the page asked for, once.
    std::optional<FocusRequest> TakeFocusRequest();

protected:
    virtual void OnLoad(PageContext& context) = 0;
    virtual ApplyResult OnApply(PageContext& context) {
        (void)context;
        return ApplyResult::Unchanged;
    }
    // Around a user's change: before the new value is stored (to have other
    // windows write back first), and after.
    virtual void OnChanging(PageContext& context, int id) {
        (void)context;
        (void)id;
    }
    virtual void OnChanged(PageContext& context, int id) {
        (void)context;
        (void)id;
    }
    // Why the control's value cannot be written (empty when it can): pages
    // whose apply refuses values say so here too, for Leave.
    virtual std::string Refusal(const ControlState& control) const {
        (void)control;
        return {};
    }

    ControlState& AddControl(int id, ControlKind kind, std::string label = {});
    // While ApplyAtOnce runs: the key that merges the edit with the one
    // before, and whether a refusal is to be kept quiet.
    const std::string& MergeKey() const { return mergeKey_; }
    bool QuietRefusal() const { return quiet_; }
    void RequestFocus(int id, int selectionStart = 0, int selectionEnd = 0) {
        focus_ = FocusRequest{id, selectionStart, selectionEnd};
    }

private:
    std::string title_;
    std::string editName_;
    std::vector<ControlState> controls_;
    std::optional<FocusRequest> focus_;
    std::string mergeKey_;
    bool quiet_ = false;
    // The box being typed into by ApplyAtOnce (0: none) and what it held
    // before the typing began.
    int runId_ = 0;
    ControlValue runStart_;
    bool runStartMixed_ = false;
};

// The messages of a number box whose text is refused, naming the field
// when it has a name: "Please enter an integer between 0 and 255 for Time (Min)."
inline constexpr const char* kEnterIntegerText = "Please enter an integer.";
std::string EnterIntegerBetweenText(int low, int high, const std::string& field = {});
std::string EnterNumberBetweenText(const std::string& low, const std::string& high,
                                   const std::string& field = {});

// Counts characters, not bytes, of a UTF-8 text.
int Utf8Length(const std::string& text);

}  // namespace vantorel
