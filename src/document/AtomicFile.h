#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace vantorel {

// Writes `bytes` to a temporary file in the target's folder and renames it
// over the target only when every byte was written and flushed. On failure
// the temporary file is removed, the target is untouched, and `error` says
// why in words fit for a message box. A read-only target is refused; a
// symbolic link is followed, so the file it leads to is the one replaced.
bool WriteFileAtomically(const std::filesystem::path& target, std::span<const uint8_t> bytes,
                         std::string& error);

}  // namespace vantorel
