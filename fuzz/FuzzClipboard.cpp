// libFuzzer target: the clipboard's bytes, as any program may have put them
// there. A clip that decodes encodes back to the same bytes, and pasting it
// into a mission is one edit after which the mission writes and reads back,
// every wave file it names is one a paste may keep, and Undo gives the bytes
// of before.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "document/LevelDocument.h"
#include "document/MissionClipboard.h"
#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "document/WaveListingLines.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"

using namespace vantorel;

namespace {

std::vector<uint8_t> Written(const Mission& mission) {
    Mission copy = mission;
    if (!WriteRefusal(copy).empty()) std::abort();
    std::vector<uint8_t> bytes = WriteMission(copy);
    Mission again;
    if (!ReadMission(bytes, again).ok || WriteMission(again) != bytes) std::abort();
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<MissionClip> clip = DecodeClip(bytes);
    if (!clip) return 0;
    if (EncodeClip(*clip) != bytes) std::abort();

    testing::FakeSettings settings;
    settings.SetString("Paths", "XVT", "/games/xvt");
    testing::FakePrompter prompter;
    LevelDocument document(settings, prompter);
    document.OnNewDocument();
    document.AddRadioMessage();
    document.ForgetHistory(false);
    const std::vector<uint8_t> before = Written(document.GetMission());

    const PasteResult pasted = PasteClip(document, *clip);
    const Mission& mission = document.GetMission();
    const std::vector<uint8_t> after = Written(mission);
    if (!pasted.pasted) {
        if (after != before || document.CanUndo()) std::abort();
        return 0;
    }
    for (int position : pasted.messages) {
        const std::string& wave = mission.Messages[size_t(position)]->WaveFile;
        if (HasControlCharacter(wave)) std::abort();
        if (wave.empty()) continue;
        const std::optional<std::string> line = ListingLineOf(wave, "/games/xvt/wave");
        if (!line || LeavesWaveFolder(*line)) std::abort();
    }
    if (!document.Undo() || Written(document.GetMission()) != before) std::abort();
    if (!document.Redo() || Written(document.GetMission()) != after) std::abort();
    return 0;
}
