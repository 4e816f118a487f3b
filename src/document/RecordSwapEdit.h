#pragma once

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "document/MissionEdit.h"

namespace vantorel {

// An edit made of whole records exchanged with another version of
// themselves. Records are plain bytes (or a text), so doing and undoing are
// the same swap: after Apply the edit holds the old version, after Revert the
// new one.
class RecordSwapEdit final : public MissionEdit {
public:
    using MissionEdit::MissionEdit;

    // Pairs the live record with the version it is to become. A version that
    // equals the live record changes nothing and is not kept.
    template <class T>
    void Add(T& live, T other) {
        if (other == live) return;
        swaps_.push_back(std::make_unique<Swap<T>>(live, std::move(other)));
    }

    // The later edit's records that this one holds already keep the version
    // this one has (the older); the others join. A record that is back to
    // that version changes nothing and goes.
    bool Absorb(MissionEdit& later) override {
        auto* other = dynamic_cast<RecordSwapEdit*>(&later);
        if (!other) return false;
        for (auto& s : other->swaps_) {
            const bool held = std::any_of(swaps_.begin(), swaps_.end(),
                                          [&s](const auto& mine) { return mine->SameRecord(*s); });
            if (!held) swaps_.push_back(std::move(s));
        }
        other->swaps_.clear();
        std::erase_if(swaps_, [](const auto& s) { return s->Unchanged(); });
        return true;
    }

    void Apply(Mission&) override { SwapAll(); }
    void Revert(Mission&) override { SwapAll(); }
    bool IsEmpty() const override { return swaps_.empty(); }

    // Exchanges every pair now; for code that has to step the mission back
    // before the edit is applied through the document.
    void SwapAll() {
        for (auto& s : swaps_) s->Exchange();
    }

private:
    struct SwapBase {
        virtual ~SwapBase() = default;
        virtual void Exchange() = 0;
        virtual bool SameRecord(const SwapBase& other) const = 0;
        virtual bool Unchanged() const = 0;
    };
    template <class T>
    struct Swap final : SwapBase {
        Swap(T& l, T o) : live(&l), other(std::move(o)) {}
        void Exchange() override {
            using std::swap;
            swap(*live, other);
        }
        bool SameRecord(const SwapBase& s) const override {
            auto* same = dynamic_cast<const Swap<T>*>(&s);
            return same && same->live == live;
        }
        bool Unchanged() const override { return other == *live; }
        T* live;
        T other;
    };

    std::vector<std::unique_ptr<SwapBase>> swaps_;
};

}  // namespace vantorel
