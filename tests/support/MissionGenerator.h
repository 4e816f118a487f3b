#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "mission/Mission.h"

namespace vantorel::testing {

// Builds missions full of random bytes for round-trip tests: every record is
// random (carried bytes included), counts are random (0 included), texts are
// either short or fill their fields with no terminator.
class MissionGenerator {
public:
    explicit MissionGenerator(uint32_t seed) : rng_(seed) {}

    struct Shape {
        int flightGroups = -1;  // -1: random 0..maxFlightGroups
        int messages = -1;
        int maxFlightGroups = 12;
        int maxMessages = 12;
        int formatVersion = -1;  // -1: 12 or 14 at random
    };

    Mission Make(const Shape& shape);
    Mission Make() { return Make(Shape{}); }

    // A text of n bytes with no zero byte in it; may hold '$' only when allowed.
    std::string Text(size_t n, bool allowDollar = true);
    // A free text (description, debriefing) as held in memory: CR LF line
    // breaks, no lone CR before LF and no '$', so it survives the conversion.
    std::string FreeText(size_t maxChars);

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

private:
    template <class Record>
    void Fill(Record& r) {
        for (auto& b : r.Bytes) b = uint8_t(Int(0, 255));
    }

    std::mt19937 rng_;
};

// A mission as a designer's minimal file: version, n flight groups and m
// messages, everything else zero.
Mission MakeEmptyMission(uint16_t formatVersion, int flightGroups = 0, int messages = 0);

}  // namespace vantorel::testing
