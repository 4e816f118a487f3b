#pragma once

#include <string>
#include <string_view>

namespace vantorel {

// Appends one code point as UTF-8.
inline void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The text with every byte that does not belong to a well-formed UTF-8
// sequence (overlong forms, surrogates and values past U+10FFFF included)
// replaced by U+FFFD.
inline std::string ValidUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
        const unsigned char c = byte(i);
        size_t n = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            n = 1, cp = c;
        } else if (c >= 0xC2 && c < 0xE0) {
            n = 2, cp = c & 0x1F;
        } else if (c >= 0xE0 && c < 0xF0) {
            n = 3, cp = c & 0x0F;
        } else if (c >= 0xF0 && c < 0xF5) {
            n = 4, cp = c & 0x07;
        }
        bool ok = n > 0 && i + n <= s.size();
        for (size_t k = 1; ok && k < n; ++k) {
            ok = (byte(i + k) & 0xC0) == 0x80;
            cp = (cp << 6) | (byte(i + k) & 0x3F);
        }
        ok = ok && !(n == 3 && cp < 0x800) && !(n == 4 && (cp < 0x10000 || cp > 0x10FFFF)) &&
             !(cp >= 0xD800 && cp < 0xE000);
        if (ok) {
            out.append(s.substr(i, n));
            i += n;
        } else {
            AppendUtf8(out, kReplacementCharacter);
            ++i;
        }
    }
    return out;
}

}  // namespace vantorel
