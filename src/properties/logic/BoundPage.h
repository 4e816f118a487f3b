#pragma once

#include <utility>
#include <vector>

#include "document/LevelDocument.h"
#include "properties/logic/FieldBinding.h"
#include "properties/logic/MergedValue.h"
#include "properties/logic/PageModel.h"

namespace vantorel {

// A page declared as bindings of controls to fields of its subjects (the
// selected flight groups, the current message, a team, the mission). Load
// merges every subject into each control; apply writes each control the user
// changed, when its value is definite, into every subject that differs, as
// one edit. Pages with special controls add them in Prepare, Finish and
// ApplyExtra around the bindings.
template <class S>
class BoundPage : public PageModel {
public:
    using PageModel::PageModel;

protected:
    // The records the page edits, in list order.
    virtual std::vector<S*> Subjects(PageContext& context) = 0;
    // Before the merge: fill the lists that depend on the mission.
    virtual void Prepare(PageContext& context) { (void)context; }
    // After the merge: controls that are not plain bindings.
    virtual void Finish(PageContext& context, const std::vector<S*>& subjects) {
        (void)context;
        (void)subjects;
    }
    // Writes beyond the bindings, into the same draft (so into the same edit).
    virtual void ApplyExtra(PageContext& context, EditDraft& draft,
                            const std::vector<S*>& subjects) {
        (void)context;
        (void)draft;
        (void)subjects;
    }

    // The control must have been added first.
    void Bind(FieldBinding<S> binding) { bindings_.push_back(std::move(binding)); }

    void OnLoad(PageContext& context) override {
        Prepare(context);
        const std::vector<S*> subjects = Subjects(context);
        for (auto& b : bindings_) {
            ControlState* c = Find(b.id);
            if (!c) continue;
            MergedValue<FieldValue> merged;
            for (S* s : subjects) merged.Add(b.get(*s));
            if (auto v = merged.Value()) {
                b.show(*c, *v);
            } else {
                if (b.showMixed)
                    b.showMixed(*c);
                else
                    ShowMixedState(*c);
                // Nothing to show is not the same as records that differ.
                c->mixed = merged.Mixed();
            }
        }
        Finish(context, subjects);
    }

    std::string Refusal(const ControlState& control) const override {
        for (const auto& b : bindings_)
            if (b.id == control.id) {
                const Taken t = b.take(control);
                return t.kind == Taken::Refuse ? t.message : std::string();
            }
        return {};
    }

    ApplyResult OnApply(PageContext& context) override {
        const std::vector<S*> subjects = Subjects(context);
        if (subjects.empty()) return ApplyResult::Unchanged;
        // Every value is checked before anything is written.
        std::vector<std::pair<const FieldBinding<S>*, FieldValue>> writes;
        for (const auto& b : bindings_) {
            const ControlState* c = Find(b.id);
            if (!c || !c->Touched()) continue;
            Taken t = b.take(*c);
            if (t.kind == Taken::Refuse) {
                if (QuietRefusal()) return ApplyResult::Refused;
                context.document.GetPrompter().Warning(t.message);
                RequestFocus(b.id, 0, -1);
                return ApplyResult::Refused;
            }
            if (t.kind == Taken::Write) writes.push_back({&b, std::move(t.value)});
        }
        EditDraft draft;
        for (const auto& [b, v] : writes)
            for (S* s : subjects)
                if (b->get(*s) != v) b->put(draft, *s, v);
        ApplyExtra(context, draft, subjects);
        return context.document.Commit(draft.Finish(EditName()), MergeKey())
                   ? ApplyResult::Changed
                   : ApplyResult::Unchanged;
    }

private:
    std::vector<FieldBinding<S>> bindings_;
};

}  // namespace vantorel
