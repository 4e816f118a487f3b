#pragma once

#include <cstdint>

namespace vantorel {

// The one 4-byte condition record: flight group arrival, departure and
// order-jump conditions, radio messages and global goals all use it.
struct Trigger {
    static constexpr int kSize = 4;
    static constexpr uint8_t kTrue = 0;    // always true
    static constexpr uint8_t kFalse = 10;  // never

    uint8_t Condition = 0;
    uint8_t VariableType = 0;
    uint8_t Variable = 0;
    uint8_t Amount = 0;

    static Trigger ReadFrom(const uint8_t* p) { return {p[0], p[1], p[2], p[3]}; }
    void WriteTo(uint8_t* p) const {
        p[0] = Condition;
        p[1] = VariableType;
        p[2] = Variable;
        p[3] = Amount;
    }
    bool operator==(const Trigger&) const = default;
};

// AND/OR bytes hold the index of the radio button pair.
enum AndOr : uint8_t { kAnd = 0, kOr = 1 };

}  // namespace vantorel
