#include "document/EditHistory.h"

namespace vantorel {

void EditHistory::Push(std::unique_ptr<MissionEdit> edit, std::string mergeKey) {
    if (!mergeKey.empty() && mergeKey == mergeKey_ && CanUndo() && !CanRedo() && !IsClean()) {
        // The step grows by the new edit: undone, the parts go back in
        // reverse, to the state before the first.
        auto& last = edits_[position_ - 1];
        auto* chain = dynamic_cast<CompositeEdit*>(last.get());
        if (!chain) {
            auto made = std::make_unique<CompositeEdit>(last->Name());
            chain = made.get();
            made->Add(std::move(last));
            last = std::move(made);
        }
        chain->Add(std::move(edit));
        return;
    }
    mergeKey_ = std::move(mergeKey);
    if (clean_ && *clean_ > position_) clean_.reset();  // the saved state was undone and is gone
    edits_.resize(position_);
    edits_.push_back(std::move(edit));
    ++position_;
    if (edits_.size() > kLimit) {
        edits_.erase(edits_.begin());
        --position_;
        if (clean_) {
            if (*clean_ == 0)
                clean_.reset();
            else
                --*clean_;
        }
    }
}

void EditHistory::Clear() {
    mergeKey_.clear();
    edits_.clear();
    position_ = 0;
    clean_ = 0;
}

}  // namespace vantorel
