// What the undo history holds: 1,000 edits that each change one field of
// all 255 flight groups of a full mission, made as a property page applies
// them (a draft of the records, finished into one edit, applied, recorded).
//
// history_bytes_per_edit is what the history counts for its memory budget,
// divided by the edits; heap_bytes_per_edit is what the allocator handed out
// meanwhile (glibc only), which also pays for its own bookkeeping.

#include <benchmark/benchmark.h>

#include <memory>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "document/EditDraft.h"
#include "document/EditHistory.h"
#include "mission/Mission.h"
#include "support/BusyMap.h"

namespace vantorel {
namespace {

size_t HeapInUse() {
#if defined(__GLIBC__)
    return mallinfo2().uordblks;
#else
    return 0;
#endif
}

void BM_EditHistoryMemory(benchmark::State& state) {
    constexpr int kEdits = 1000;
    Mission mission = testing::BusyMission();
    size_t bytes = 0, heap = 0;
    for (auto _ : state) {
        auto history = std::make_unique<EditHistory>();
        const size_t heapBefore = HeapInUse();
        for (int e = 0; e < kEdits; ++e) {
            EditDraft draft;
            for (auto& fg : mission.FlightGroups)
                draft.Edit(fg->File).SetWaypointX(0, int16_t(e % 2 ? e : -e - 1));
            std::unique_ptr<MissionEdit> edit = draft.Finish("Positions");
            edit->Apply(mission);
            history->Push(std::move(edit));
        }
        heap = HeapInUse() - heapBefore;
        bytes = history->Bytes();
        if (history->Size() != size_t(kEdits)) {
            state.SkipWithError("the history forgot edits it had room for");
            return;
        }
    }
    state.counters["history_bytes_per_edit"] = double(bytes) / kEdits;
    state.counters["heap_bytes_per_edit"] = double(heap) / kEdits;
}
BENCHMARK(BM_EditHistoryMemory)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantorel
