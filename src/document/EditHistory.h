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
    // Old edits beyond this many, or beyond this many bytes held, are
    // forgotten (the oldest first), so a long session does not grow without
    // end. The newest edit is kept whatever it holds.
    static constexpr size_t kLimit = 1000;
    static constexpr size_t kBudget = size_t(64) << 20;

    explicit EditHistory(size_t budget = kBudget) : budget_(budget) {}

    // Records an applied edit; the edits that were undone are forgotten. An
    // edit of the same run as the last one (same merge key) joins it instead,
    // as long as nothing came between: no undo, and no save of the state
    // after it. A run that ends where it started leaves no step behind.
    void Push(std::unique_ptr<MissionEdit> edit);

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < edits_.size(); }
    // The edit the next Undo or Redo takes back or makes again.
    MissionEdit* NextUndo() const { return CanUndo() ? edits_[position_ - 1].get() : nullptr; }
    MissionEdit* NextRedo() const { return CanRedo() ? edits_[position_].get() : nullptr; }
    // Move the position after the edit was reverted or applied.
    // A step taken back or made again ends any run: what comes next is a
    // step of its own.
    void SteppedBack() {
        --position_;
        runOpen_ = false;
    }
    void SteppedForward() {
        ++position_;
        runOpen_ = false;
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
    // How many edits are applied: the state after edit Position() - 1.
    size_t Position() const { return position_; }
    const MissionEdit& At(size_t i) const { return *edits_[i]; }
    // The position of the state on disk; none when no state is.
    std::optional<size_t> CleanPosition() const { return clean_; }
    // The bytes the edits hold, as they count them.
    size_t Bytes() const;

private:
    bool MergeWithLast(MissionEdit& edit);
    void ForgetOldest();

    size_t budget_;
    std::vector<std::unique_ptr<MissionEdit>> edits_;
    size_t position_ = 0;
    // Whether the last step may still take in more of its run.
    bool runOpen_ = false;
    std::optional<size_t> clean_ = 0;
};

}  // namespace vantorel
