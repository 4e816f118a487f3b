#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "document/HeapBytes.h"
#include "document/MissionEdit.h"
#include "mission/ByteRecord.h"

namespace vantorel {

// An edit made of records exchanged with another version of themselves.
// Doing and undoing are the same swap: after Apply the edit holds the old
// version, after Revert the new one.
//
// A record of plain bytes keeps only the runs of bytes that differ between
// the two versions: the rest is the same in both, so there is nothing to
// exchange. An edit of one field of every flight group then holds a few
// bytes per group instead of whole records. Other records (texts, the
// briefings) are kept whole.
class RecordSwapEdit final : public MissionEdit {
public:
    using MissionEdit::MissionEdit;

    // Pairs the live record with the version it is to become. A version that
    // equals the live record changes nothing and is not kept.
    template <class T>
    void Add(T& live, T other) {
        if constexpr (IsPlainBytes<T>()) {
            AddBytes(live.Data(), other.Data(), T::kSize);
        } else {
            if (other == live) return;
            swaps_.push_back(std::make_unique<Swap<T>>(live, std::move(other)));
        }
    }

    // The later edit's bytes and records that this one holds already keep
    // the version this one has (the older); the others join. What is back
    // to that version changes nothing and goes.
    bool Absorb(MissionEdit& later) override;

    void Apply(Mission&) override { SwapAll(); }
    void Revert(Mission&) override { SwapAll(); }
    bool IsEmpty() const override { return swaps_.empty() && runs_.empty(); }
    size_t Footprint() const override;

    // Exchanges every pair now; for code that has to step the mission back
    // before the edit is applied through the document.
    void SwapAll();

private:
    // A record that is nothing but its bytes, so bytes equal means equal.
    template <class T>
    static constexpr bool IsPlainBytes() {
        if constexpr (requires { T::kSize; })
            return std::is_base_of_v<ByteRecord<T::kSize>, T> &&
                   sizeof(T) == sizeof(ByteRecord<T::kSize>);
        else
            return false;
    }
    void AddBytes(uint8_t* live, const uint8_t* other, size_t size);

    struct SwapBase {
        virtual ~SwapBase() = default;
        virtual void Exchange() = 0;
        virtual size_t Footprint() const = 0;
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
        size_t Footprint() const override { return sizeof(*this) + HeapBytes(other); }
        bool SameRecord(const SwapBase& s) const override {
            auto* same = dynamic_cast<const Swap<T>*>(&s);
            return same && same->live == live;
        }
        bool Unchanged() const override { return other == *live; }
        T* live;
        T other;
    };

    // A run of live bytes that differ from the other version; the other
    // version's bytes of every run lie one after the other in other_.
    struct Run {
        uint8_t* live;
        size_t size;
    };

    std::vector<Run> runs_;
    std::vector<uint8_t> other_;
    std::vector<std::unique_ptr<SwapBase>> swaps_;
};

}  // namespace vantorel
