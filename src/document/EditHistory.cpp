#include "document/EditHistory.h"

namespace vantorel {

bool EditHistory::MergeWithLast(MissionEdit& edit) {
    if (!runOpen_ || edit.MergeKey() == 0 || position_ == 0 || position_ != edits_.size())
        return false;
    // The saved state stays one Undo away from what came after it.
    if (clean_ && *clean_ == position_) return false;
    MissionEdit& last = *edits_.back();
    if (last.MergeKey() != edit.MergeKey() || !last.Absorb(edit)) return false;
    if (last.IsEmpty()) {
        edits_.pop_back();
        --position_;
    }
    return true;
}

void EditHistory::Push(std::unique_ptr<MissionEdit> edit) {
    if (MergeWithLast(*edit)) return;
    runOpen_ = true;
    if (clean_ && *clean_ > position_) clean_.reset();  // the saved state was undone and is gone
    edits_.resize(position_);
    edits_.push_back(std::move(edit));
    ++position_;
    if (edits_.size() > kLimit) ForgetOldest();
    size_t bytes = Bytes();
    while (bytes > budget_ && edits_.size() > 1) {
        bytes -= edits_.front()->Footprint();
        ForgetOldest();
    }
}

void EditHistory::ForgetOldest() {
    edits_.erase(edits_.begin());
    --position_;
    if (clean_) {
        if (*clean_ == 0)
            clean_.reset();
        else
            --*clean_;
    }
}

size_t EditHistory::Bytes() const {
    size_t n = edits_.capacity() * sizeof(edits_[0]);
    for (const auto& e : edits_) n += e->Footprint();
    return n;
}

void EditHistory::Clear() {
    edits_.clear();
    position_ = 0;
    runOpen_ = false;
    clean_ = 0;
}

}  // namespace vantorel
