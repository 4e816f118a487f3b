#pragma once

#include <string>
#include <string_view>

namespace vantorel {

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
