#pragma once

#include <optional>
#include <string>

namespace vantorel {

// Read-only look-up of the game's own machine-wide keys. Key names are given
// as the game writes them, with backslashes ("SOFTWARE\\...\\1.0").
class GameRegistry {
public:
    virtual ~GameRegistry() = default;
    // Whether the key can be opened for reading.
    virtual bool HasKey(const std::string& key) = 0;
    // A string value of the key; empty optional when the key or the value is
    // missing or is not a string.
    virtual std::optional<std::string> ReadString(const std::string& key,
                                                  const std::string& value) = 0;
    // Turns a folder stored in the registry into one this process can open.
    // On Windows that is the folder itself.
    virtual std::string NativeFolder(const std::string& registryPath) { return registryPath; }
};

// The game's keys.
inline constexpr const char* kGameKey =
    "SOFTWARE\\LucasArts Entertainment Company\\X-Wing vs. TIE Fighter";
inline constexpr const char* kExpansionKey =
    "SOFTWARE\\LucasArts Entertainment Company\\Balance of Power";

}  // namespace vantorel
