#include "document/RecordSwapEdit.h"

#include <algorithm>

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
