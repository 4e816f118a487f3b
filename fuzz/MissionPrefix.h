#pragma once

// Reads the input as the start of a mission file (header, flight groups,
// messages, the first fixed blocks) followed by zeros up to the smallest
// whole mission, so short inputs load and the fuzzer spends its time on the
// records that vary instead of on 68 KB of fixed blocks.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/MissionReader.h"

namespace vantorel::fuzzing {

// Header, global goals, teams, eight empty briefings, global goal strings and
// a Balance of Power mission's three text blocks.
inline constexpr size_t kZeroTail = 164 + 10 * (128 + 487) + 8 * (820 + 64 * 2) + 53760 + 3 * 4096;

inline bool ReadMissionPrefix(const uint8_t* data, size_t size, Mission& mission) {
    // One buffer for every run, zero past the input: a fresh 70 KB buffer
    // each run would cost more than everything else here.
    static std::vector<uint8_t> file;
    static size_t used = 0;
    if (file.size() < size + kZeroTail) file.resize(size + kZeroTail);
    std::copy(data, data + size, file.begin());
    if (used > size)
        std::fill(file.begin() + std::ptrdiff_t(size), file.begin() + std::ptrdiff_t(used), 0);
    used = size;
    return ReadMission({file.data(), size + kZeroTail}, mission).ok;
}

}  // namespace vantorel::fuzzing
