// Reading and writing a maximal Balance of Power mission, next to copying the
// same number of bytes, which is the floor any reader and writer pays.
#include <benchmark/benchmark.h>

#include <cstring>

#include "MaximalMission.h"
#include "cli/MissionJson.h"
#include "document/MissionReader.h"
#include "document/MissionWriter.h"

using namespace vantorel;

namespace {

const std::vector<uint8_t>& Bytes() {
    static const std::vector<uint8_t> bytes = bench::MaximalMissionBytes();
    return bytes;
}

void BM_ReadWriteMaximalMission(benchmark::State& state) {
    const auto& bytes = Bytes();
    for (auto _ : state) {
        Mission m;
        ReadResult r = ReadMission(bytes, m);
        benchmark::DoNotOptimize(r.ok);
        std::vector<uint8_t> out = WriteMission(m);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()) * 2);
}
BENCHMARK(BM_ReadWriteMaximalMission)->Unit(benchmark::kMicrosecond);

// `dump` then `write`: the mission through its JSON and back, against the
// read and write of `roundtrip` above.
void BM_DumpWriteMaximalMission(benchmark::State& state) {
    const auto& bytes = Bytes();
    for (auto _ : state) {
        Mission m;
        ReadResult r = ReadMission(bytes, m);
        const std::string json = cli::MissionToJson(m);
        Mission back;
        std::vector<std::string> errors;
        benchmark::DoNotOptimize(r.ok && cli::MissionFromJson(json, back, errors));
        std::vector<uint8_t> out = WriteMission(back);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_DumpWriteMaximalMission)->Unit(benchmark::kMicrosecond);

// The floor: one copy in (read) and one copy out (write) of the same bytes.
void BM_CopySameBytesTwice(benchmark::State& state) {
    const auto& bytes = Bytes();
    // Buffers made once, as a reader and writer of fixed blocks would hold them.
    std::vector<uint8_t> in(bytes.size()), out(bytes.size());
    for (auto _ : state) {
        std::memcpy(in.data(), bytes.data(), bytes.size());
        benchmark::ClobberMemory();
        std::memcpy(out.data(), in.data(), in.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()) * 2);
}
BENCHMARK(BM_CopySameBytesTwice)->Unit(benchmark::kMicrosecond);

}  // namespace
