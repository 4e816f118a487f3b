#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/MissionEdit.h"

namespace vantorel {

// The edits of one document in the order they were made, and how far back
// the user has gone. The state that matches the file on disk is remembered
// as a position in this list, so the mission is modified exactly when the
// position differs from it: undoing back to the saved state is unmodified.
class EditHistory {
public:
    // Old edits beyond this many are forgotten, so a long session does not
    // grow without end.
    static constexpr size_t kLimit = 1000;

    // Records an applied edit; the edits that were undone are forgotten.
    // Edits pushed one after another with the same non-empty merge key (the
    // keystrokes in one box) become one step, unless the state before the
    // new one is the saved state.
    void Push(std::unique_ptr<MissionEdit> edit, std::string mergeKey = {});

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < edits_.size(); }
    // The edit the next Undo or Redo takes back or makes again.
    MissionEdit* NextUndo() const { return CanUndo() ? edits_[position_ - 1].get() : nullptr; }
    MissionEdit* NextRedo() const { return CanRedo() ? edits_[position_].get() : nullptr; }
    // Move the position after the edit was reverted or applied.
    void SteppedBack() {
        --position_;
        mergeKey_.clear();
    }
    void SteppedForward() {
        ++position_;
        mergeKey_.clear();
    }

    // The state now is the one on disk.
    void MarkClean() { clean_ = position_; }
    // No state of the history is on disk (a mission that was built and never
    // saved, or a file changed by something the history could not follow).
    void MarkNoClean() { clean_.reset(); }
    bool IsClean() const { return clean_ && *clean_ == position_; }

    // Forgets every edit; the state now is clean.
    void Clear();

    size_t Size() const { return edits_.size(); }

private:
    std::vector<std::unique_ptr<MissionEdit>> edits_;
    size_t position_ = 0;
    std::optional<size_t> clean_ = 0;
    std::string mergeKey_;  // of the last edit pushed
};

}  // namespace vantorel
