#include "document/RecordSwapEdit.h"

#include <algorithm>
#include <map>

namespace vantorel {

namespace {

// Equal bytes shorter than this between two differing ones are kept in the
// run rather than starting another: a run costs more than a few bytes.
constexpr size_t kJoinGap = sizeof(void*) * 2;

}  // namespace

void RecordSwapEdit::AddBytes(uint8_t* live, const uint8_t* other, size_t size) {
    size_t at = 0;
    while (at < size) {
        const auto differ = std::mismatch(live + at, live + size, other + at);
        if (differ.first == live + size) break;
        const size_t start = size_t(differ.first - live);
        // The run goes on until kJoinGap equal bytes in a row (or the end).
        size_t end = start + 1, same = 0;
        for (size_t i = end; i < size && same < kJoinGap; ++i) {
            if (live[i] == other[i]) {
                ++same;
            } else {
                same = 0;
                end = i + 1;
            }
        }
        runs_.push_back({live + start, end - start});
        other_.insert(other_.end(), other + start, other + end);
        at = end;
    }
}

bool RecordSwapEdit::Absorb(MissionEdit& later) {
    auto* next = dynamic_cast<RecordSwapEdit*>(&later);
    if (!next) return false;
    for (auto& s : next->swaps_) {
        const bool held = std::any_of(swaps_.begin(), swaps_.end(),
                                      [&s](const auto& mine) { return mine->SameRecord(*s); });
        if (!held) swaps_.push_back(std::move(s));
    }
    next->swaps_.clear();
    std::erase_if(swaps_, [](const auto& s) { return s->Unchanged(); });

    // Byte by byte, the older version wins; bytes back to it drop out, and
    // the rest make runs again.
    std::map<uint8_t*, uint8_t> older;
    for (const RecordSwapEdit* edit :
         {static_cast<const RecordSwapEdit*>(this), static_cast<const RecordSwapEdit*>(next)}) {
        const uint8_t* version = edit->other_.data();
        for (const Run& r : edit->runs_)
            for (size_t i = 0; i < r.size; ++i) older.emplace(r.live + i, *version++);
    }
    runs_.clear();
    other_.clear();
    next->runs_.clear();
    next->other_.clear();
    for (const auto& [live, byte] : older) {
        if (*live == byte) continue;
        if (!runs_.empty() && runs_.back().live + runs_.back().size == live)
            ++runs_.back().size;
        else
            runs_.push_back({live, 1});
        other_.push_back(byte);
    }
    return true;
}

void RecordSwapEdit::SwapAll() {
    uint8_t* other = other_.data();
    for (const Run& r : runs_) {
        std::swap_ranges(r.live, r.live + r.size, other);
        other += r.size;
    }
    for (auto& s : swaps_) s->Exchange();
}

size_t RecordSwapEdit::Footprint() const {
    size_t n = sizeof(*this) + NameBytes() + runs_.capacity() * sizeof(Run) + other_.capacity() +
               swaps_.capacity() * sizeof(swaps_[0]);
    for (const auto& s : swaps_) n += s->Footprint();
    return n;
}

}  // namespace vantorel
