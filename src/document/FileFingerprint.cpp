#include "document/FileFingerprint.h"

#include <string>
#include <vector>

#include "document/MissionReader.h"

namespace vantorel {

uint64_t Fingerprint(std::span<const uint8_t> bytes) {
    // FNV-1a, with the length folded in.
    uint64_t h = 1469598103934665603ull;
    for (uint8_t b : bytes) {
        h ^= b;
        h *= 1099511628211ull;
    }
    return h ^ (uint64_t(bytes.size()) * 0x9E3779B97F4A7C15ull);
}

std::optional<uint64_t> FileFingerprint(const std::filesystem::path& path) {
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(path, bytes, error)) return std::nullopt;
    return Fingerprint(bytes);
}

}  // namespace vantorel
