#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace vantorel {

// A short stand-in for a file's whole content, to tell whether the file on
// disk is still the one the editor read or wrote.
uint64_t Fingerprint(std::span<const uint8_t> bytes);
// The file's fingerprint; none when it cannot be read.
std::optional<uint64_t> FileFingerprint(const std::filesystem::path& path);

}  // namespace vantorel
