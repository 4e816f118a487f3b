// libFuzzer target: the bytes up to the first zero byte are a Wine
// `system.reg`; after it come a key and a value name (one per line) to look
// up, besides the game's own keys. Every string read is valid UTF-8, and an
// install path maps into a prefix without trouble.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/GameRegistry.h"
#include "platform/Utf8.h"
#include "platform/WineRegistry.h"

using namespace vantorel;

namespace {

void Look(const WineRegistry& reg, const std::string& key, const std::string& value) {
    reg.HasKey(key);
    const auto text = reg.ReadString(key, value);
    if (!text) return;
    if (ValidUtf8(*text) != *text) std::abort();
    // A prefix that does not exist: the mapping works on the text alone.
    MapWindowsPathIntoPrefix("/nonexistent-wine-prefix", *text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    const size_t split = all.find('\0');
    const WineRegistry reg = WineRegistry::Parse(all.substr(0, split));

    const std::string game = kGameKey;
    for (const char* version : {"\\1.0", "\\1.1", "\\2.0"})
        Look(reg, game + version, "Install Path");
    Look(reg, kExpansionKey, "Install Path");
    if (split != std::string_view::npos) {
        const std::string_view query = all.substr(split + 1);
        const size_t line = query.find('\n');
        Look(reg, std::string(query.substr(0, line)),
             line == std::string_view::npos ? std::string() : std::string(query.substr(line + 1)));
    }
    return 0;
}
