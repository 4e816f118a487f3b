#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "document/HeapBytes.h"

namespace vantorel {

struct Mission;

// One change to a mission that can be taken back. Apply does it (again),
// Revert takes it back; the two always alternate, starting with Apply.
// Edits hold the records they change by address: flight groups and messages
// keep their addresses for as long as they exist, and an edit that takes one
// out of the mission keeps it alive, so an address in the history never
// dangles.
class MissionEdit {
public:
    explicit MissionEdit(std::string name) : name_(std::move(name)) {}
    virtual ~MissionEdit() = default;
    MissionEdit(const MissionEdit&) = delete;
    MissionEdit& operator=(const MissionEdit&) = delete;

    virtual void Apply(Mission& mission) = 0;
    virtual void Revert(Mission& mission) = 0;
    // True when applying would change no byte: such an edit is not recorded.
    virtual bool IsEmpty() const = 0;
    // The bytes this edit holds (itself and what it owns), for the
    // history's memory budget.
    virtual size_t Footprint() const { return sizeof(MissionEdit) + HeapBytes(name_); }

    // What the Edit menu calls it: "Move", "Delete Flight Groups", ...
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    // Edits of one run of small steps (the arrow keys moving the selection)
    // share a key, so the history keeps the run as one step; 0 is no run.
    uint64_t MergeKey() const { return mergeKey_; }
    void SetMergeKey(uint64_t key) { mergeKey_ = key; }
    // Takes an edit applied right after this one into this one, so that
    // undoing this takes both back. False when this kind of edit cannot.
    virtual bool Absorb(MissionEdit& later) {
        (void)later;
        return false;
    }

protected:
    // The bytes of the name, for the Footprint of a derived edit.
    size_t NameBytes() const { return HeapBytes(name_); }

private:
    std::string name_;
    uint64_t mergeKey_ = 0;
};

// A key no run has had yet.
inline uint64_t NewMergeKey() {
    static uint64_t last = 0;
    return ++last;
}

// The one key of the runs named `name` (a page's box: "Level/1050"), so that
// edits typed into one box in a row make one step.
inline uint64_t MergeKeyNamed(const std::string& name) {
    static std::map<std::string, uint64_t> keys;
    auto [it, added] = keys.try_emplace(name, 0);
    if (added) it->second = NewMergeKey();
    return it->second;
}

// Several edits made as one: applied in order, taken back in reverse.
class CompositeEdit final : public MissionEdit {
public:
    using MissionEdit::MissionEdit;

    // Empty parts are left out.
    void Add(std::unique_ptr<MissionEdit> part) {
        if (part && !part->IsEmpty()) parts_.push_back(std::move(part));
    }

    void Apply(Mission& mission) override {
        for (auto& p : parts_) p->Apply(mission);
    }
    void Revert(Mission& mission) override {
        for (auto it = parts_.rbegin(); it != parts_.rend(); ++it) (*it)->Revert(mission);
    }
    bool IsEmpty() const override { return parts_.empty(); }
    size_t Footprint() const override {
        size_t n = sizeof(*this) + NameBytes() + parts_.capacity() * sizeof(parts_[0]);
        for (const auto& p : parts_) n += p->Footprint();
        return n;
    }

private:
    std::vector<std::unique_ptr<MissionEdit>> parts_;
};

}  // namespace vantorel
