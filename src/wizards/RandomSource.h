#pragma once

#include <cstdint>
#include <functional>
#include <random>

namespace vantorel {

// Where the wizards draw their random numbers (station and container types,
// the first name taken from a name list). Any non-negative number will do;
// callers reduce it with a modulo. Injected so a build can be repeated.
using RandomSource = std::function<unsigned()>;

// A generator seeded once, for the program and the command-line tool.
inline RandomSource SeededRandomSource(uint32_t seed) {
    return [engine = std::mt19937(seed)]() mutable { return unsigned(engine()); };
}

}  // namespace vantorel
