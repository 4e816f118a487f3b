#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vantorel {

// Paths are held as UTF-8 text wherever the program stores them as strings
// (settings, a message's linked wave file); these convert at the file system.
inline std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

// The name without folder and extension. Both '\' and '/' end a folder, and
// only a dot inside the last part starts an extension, so a dotted folder name
// never shortens the result.
inline std::string TitleOfPath(std::string_view path) {
    const size_t slash = path.find_last_of("\\/");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) name = name.substr(0, dot);
    return std::string(name);
}

}  // namespace vantorel
