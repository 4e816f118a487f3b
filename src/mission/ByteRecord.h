#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace vantorel {

// Little-endian access to bytes at fixed offsets. Records of the mission file
// are held as their exact bytes; accessors read and write only what they name,
// so every byte the editor does not understand is carried untouched.
inline uint16_t ReadU16(const uint8_t* p) {
    return uint16_t(p[0] | (p[1] << 8));
}
inline void WriteU16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v & 0xFF);
    p[1] = uint8_t(v >> 8);
}

// A text in a fixed field ends at its first zero byte or at the field's end.
// memchr rather than a byte loop: the briefings alone hold half a megabyte
// of such texts.
inline size_t FixedTextLength(const uint8_t* p, size_t size) {
    if (size == 0) return 0;
    const void* zero = std::memchr(p, 0, size);
    return zero ? size_t(static_cast<const uint8_t*>(zero) - p) : size;
}
inline std::string_view FixedTextView(const uint8_t* p, size_t size) {
    return {reinterpret_cast<const char*>(p), FixedTextLength(p, size)};
}
inline std::string ReadFixedText(const uint8_t* p, size_t size) {
    return std::string(FixedTextView(p, size));
}

// What the editor writes is cut to leave room for the terminator; the rest of
// the field is zeroed so no stale characters show through.
inline void WriteFixedText(uint8_t* p, size_t size, std::string_view text) {
    size_t n = std::min(text.size(), size - 1);
    std::copy_n(reinterpret_cast<const uint8_t*>(text.data()), n, p);
    std::fill(p + n, p + size, uint8_t(0));
}

template <size_t N>
class ByteRecord {
public:
    static constexpr size_t kSize = N;

    std::array<uint8_t, N> Bytes{};

    uint8_t* Data() { return Bytes.data(); }
    const uint8_t* Data() const { return Bytes.data(); }

    uint8_t U8(size_t off) const { return Bytes[off]; }
    void SetU8(size_t off, uint8_t v) { Bytes[off] = v; }
    int8_t I8(size_t off) const { return int8_t(Bytes[off]); }
    void SetI8(size_t off, int8_t v) { Bytes[off] = uint8_t(v); }
    uint16_t U16(size_t off) const { return ReadU16(Bytes.data() + off); }
    void SetU16(size_t off, uint16_t v) { WriteU16(Bytes.data() + off, v); }
    int16_t I16(size_t off) const { return int16_t(U16(off)); }
    void SetI16(size_t off, int16_t v) { SetU16(off, uint16_t(v)); }
    std::string Text(size_t off, size_t size) const {
        return ReadFixedText(Bytes.data() + off, size);
    }
    void SetText(size_t off, size_t size, std::string_view text) {
        WriteFixedText(Bytes.data() + off, size, text);
    }

    bool operator==(const ByteRecord&) const = default;
};

}  // namespace vantorel
