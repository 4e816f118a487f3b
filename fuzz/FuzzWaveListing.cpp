// libFuzzer target: the first byte is the number of messages, the rest a
// wave listing. Every message that gets a wave file gets one below the wave
// folder's path, never the folder itself, and listing that file again gives
// a line that leads to the same file (lines are kept as they are).
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "document/WaveListingLines.h"
#include "mission/Mission.h"
#include "platform/PathText.h"

using namespace vantorel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // One mission for each number of messages, kept from run to run: a new
    // mission and its messages each run cost more than the listing.
    static std::vector<std::unique_ptr<Mission>> missions(256);
    auto& slot = missions[data[0]];
    if (!slot) {
        slot = std::make_unique<Mission>();
        for (int i = 0; i < data[0]; ++i) slot->AppendMessage();
    }
    Mission& mission = *slot;
    for (auto& message : mission.Messages) message->WaveFile.clear();
    std::istringstream listing(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    // Only paths are made from it; nothing here touches the disk.
    const std::filesystem::path root = "/game/wave";
    const std::string rootText = PathToUtf8(root);
    LinkListingLines(mission, listing, root);

    for (const auto& message : mission.Messages) {
        const std::string& wave = message->WaveFile;
        if (wave.empty()) continue;
        if (wave.size() <= rootText.size() + 1 || wave.compare(0, rootText.size(), rootText) != 0)
            std::abort();
        const auto line = ListingLineOf(wave, root);
        if (!line || NamesNoWaveFile(*line)) std::abort();
        if (PathToUtf8(ResolveListingLine(root, *line)) != wave) std::abort();
        LeavesWaveFolder(*line);
    }
    return 0;
}
