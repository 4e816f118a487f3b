// libFuzzer target: a recovery note, whatever a file in the recovery folder
// holds. What is read is only what may be believed (a path from the root
// with no "..", wave files without control characters, a title), and a note
// written from it reads back the same.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "document/RecoveryNote.h"
#include "document/WaveListingLines.h"
#include "platform/PathText.h"

using namespace vantorel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const RecoveryNote note =
        ReadRecoveryNote(std::string_view(reinterpret_cast<const char*>(data), size));
    if (note.title.empty()) std::abort();
    if (!note.originalPath.empty()) {
        const std::filesystem::path path = PathFromUtf8(note.originalPath);
        if (!path.is_absolute()) std::abort();
        for (const auto& part : path)
            if (part == "..") std::abort();
    }
    for (const std::string& wave : note.waveFiles)
        if (HasControlCharacter(wave)) std::abort();

    RecoveryNote again = ReadRecoveryNote(RecoveryNoteText(note));
    // The note leaves out the messages after the last one with a sound.
    RecoveryNote expected = note;
    while (!expected.waveFiles.empty() && expected.waveFiles.back().empty())
        expected.waveFiles.pop_back();
    if (!(again == expected)) std::abort();
    return 0;
}
