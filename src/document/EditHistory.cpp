#include "document/EditHistory.h"

namespace vantorel {

void EditHistory::Push(std::unique_ptr<MissionEdit> edit) {
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
    edits_.clear();
    position_ = 0;
    clean_ = 0;
}

}  // namespace vantorel
