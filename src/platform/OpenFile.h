#pragma once

#include <cstdio>
#include <filesystem>

#ifdef _WIN32
#include <share.h>
#endif

namespace vantorel {

// Opens a file for reading bytes by its native name (wide on Windows, so
// any name opens whatever the code page). Others may still read the file
// but, where the platform can refuse it, not write it while it is open.
inline std::FILE* OpenForReading(const std::filesystem::path& path) {
#ifdef _WIN32
    return _wfsopen(path.c_str(), L"rb", _SH_DENYWR);
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

}  // namespace vantorel
