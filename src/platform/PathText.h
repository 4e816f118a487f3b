#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vantorel {

// Paths travel as UTF-8 std::string in messages and settings.
inline std::string PathToUtf8(const std::filesystem::path& p) {
    std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

inline std::filesystem::path PathFromUtf8(std::string_view s) {
    return std::filesystem::path(std::u8string(s.begin(), s.end()));
}

}  // namespace vantorel
