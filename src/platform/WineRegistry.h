#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/GameRegistry.h"

namespace vantorel {

// The machine-wide keys of a Wine prefix, read from the prefix's text file
// `system.reg`. Only what the editor needs: which keys exist and their string
// values. Key and value names compare without regard to case, as Windows does.
class WineRegistry {
public:
    // Reads the text of a `system.reg` file. Lines it does not understand are
    // skipped; a damaged file gives whatever could be read.
    static WineRegistry Parse(std::string_view text);

    bool HasKey(std::string_view key) const;
    // String values (plain and expandable); other types give no value.
    std::optional<std::string> ReadString(std::string_view key, std::string_view value) const;

private:
    const std::map<std::string, std::optional<std::string>>* FindKey(std::string_view key) const;

    // lower-case key path -> lower-case value name -> string value (none for
    // values of other types, which exist but cannot be read as text).
    std::map<std::string, std::map<std::string, std::optional<std::string>>> keys_;
};

// The prefix the user's Wine uses: $WINEPREFIX when set and not empty, else
// ~/.wine. Both environment values are passed in (null when unset).
std::filesystem::path WinePrefixFrom(const char* winePrefixEnv, const char* homeEnv);

// Turns "C:\Games\XvT" into the folder of that drive inside the prefix
// (dosdevices/c: when present, else drive_c for C:). Each component is matched
// without regard to case against what exists on disk, since Windows programs
// store paths in any case. Anything that is not a drive path comes back as is.
std::filesystem::path MapWindowsPathIntoPrefix(const std::filesystem::path& prefix,
                                               std::string_view windowsPath);

// GameRegistry over a prefix's system.reg (Linux and macOS). 32-bit programs
// in a 64-bit prefix write their keys under Software\Wow6432Node, so that is
// looked at too.
class WineGameRegistry : public GameRegistry {
public:
    explicit WineGameRegistry(std::filesystem::path prefix);
    bool HasKey(const std::string& key) override;
    std::optional<std::string> ReadString(const std::string& key,
                                          const std::string& value) override;
    std::string NativeFolder(const std::string& registryPath) override;

private:
    // The file can be large and is needed only on a first start: it is read
    // when first asked.
    const WineRegistry& Registry();
    std::string Resolve(const std::string& key);

    std::filesystem::path prefix_;
    bool loaded_ = false;
    WineRegistry registry_;
};

}  // namespace vantorel
