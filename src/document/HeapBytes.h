#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "mission/Mission.h"

namespace vantorel {

// The bytes a value holds outside itself, for the history's memory budget.
// A short text that lives inside the string object holds none.
inline size_t HeapBytes(const std::string& s) {
    const auto at = reinterpret_cast<std::uintptr_t>(s.data());
    const auto self = reinterpret_cast<std::uintptr_t>(&s);
    if (at >= self && at < self + sizeof(s)) return 0;
    return s.capacity() + 1;
}

template <class T, size_t N>
size_t HeapBytes(const std::array<T, N>& items) {
    size_t n = 0;
    for (const auto& i : items) n += HeapBytes(i);
    return n;
}

inline size_t HeapBytes(const Briefing& b) {
    return HeapBytes(b.Tags) + HeapBytes(b.Strings) + HeapBytes(b.TagsAsRead) +
           HeapBytes(b.StringsAsRead);
}

inline size_t HeapBytes(const FlightGroup&) {
    return 0;
}
inline size_t HeapBytes(const RadioMessage& m) {
    return HeapBytes(m.WaveFile);
}

// Records of plain bytes hold nothing outside themselves.
template <size_t N>
size_t HeapBytes(const ByteRecord<N>&) {
    return 0;
}

}  // namespace vantorel
