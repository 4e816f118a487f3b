#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "document/MissionEdit.h"
#include "mission/Mission.h"

namespace vantorel {

// Puts flight groups or messages into their list, or takes them out. The
// items out of the list are owned here, each with the position it has in the
// list when it is in, so undoing a delete brings back the very same objects
// (and every address the history holds stays good).
template <class T>
class ListChange final : public MissionEdit {
public:
    using List = std::vector<std::unique_ptr<T>>;

    // Takes out the items at these positions (any order; invalid positions
    // and repeats are ignored).
    static std::unique_ptr<ListChange> Removing(std::string name, List Mission::*list,
                                                std::vector<int> positions) {
        auto edit = std::unique_ptr<ListChange>(new ListChange(std::move(name), list));
        std::sort(positions.begin(), positions.end());
        positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
        for (int p : positions) edit->held_.push_back({p, nullptr});
        edit->inserting_ = false;
        return edit;
    }

    // Puts these items in at the given positions, counted in the list as it
    // is once all of them are in.
    static std::unique_ptr<ListChange> Inserting(
        std::string name, List Mission::*list,
        std::vector<std::pair<int, std::unique_ptr<T>>> items) {
        auto edit = std::unique_ptr<ListChange>(new ListChange(std::move(name), list));
        std::sort(items.begin(), items.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        edit->held_ = std::move(items);
        edit->inserting_ = true;
        return edit;
    }

    void Apply(Mission& mission) override { Toggle(mission); }
    void Revert(Mission& mission) override { Toggle(mission); }
    bool IsEmpty() const override { return held_.empty(); }
    // Every item counts, in the list or out of it: an undo or redo takes
    // it out again.
    size_t Footprint() const override {
        size_t n = sizeof(*this) + NameBytes() + held_.capacity() * sizeof(held_[0]);
        for (const auto& h : held_) n += sizeof(T) + (h.second ? HeapBytes(*h.second) : 0);
        return n;
    }

    // The positions this edit puts in or takes out, ascending.
    std::vector<int> Positions() const {
        std::vector<int> p;
        for (const auto& h : held_) p.push_back(h.first);
        return p;
    }

private:
    ListChange(std::string name, List Mission::*list) : MissionEdit(std::move(name)), list_(list) {}

    void Toggle(Mission& mission) {
        List& list = mission.*list_;
        if (inserting_) {
            for (auto& [pos, item] : held_) {
                const size_t at = std::min(size_t(pos), list.size());
                list.insert(list.begin() + std::ptrdiff_t(at), std::move(item));
            }
        } else {
            // Positions past the end name nothing; they are dropped the first
            // time so the edit stays the exact inverse of itself.
            std::erase_if(held_, [&](const auto& h) {
                return h.first < 0 || size_t(h.first) >= list.size();
            });
            for (auto it = held_.rbegin(); it != held_.rend(); ++it) {
                it->second = std::move(list[size_t(it->first)]);
                list.erase(list.begin() + it->first);
            }
        }
        inserting_ = !inserting_;
    }

    List Mission::*list_;
    std::vector<std::pair<int, std::unique_ptr<T>>> held_;
    bool inserting_ = true;
};

using FlightGroupListChange = ListChange<FlightGroup>;
using MessageListChange = ListChange<RadioMessage>;

}  // namespace vantorel
