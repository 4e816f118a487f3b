// Wave playback on Windows through the multimedia call every Windows has.
#include <windows.h>
// (mmsystem.h needs windows.h first)
#include <mmsystem.h>

#include <filesystem>
#include <system_error>

#include "platform/PathText.h"
#include "platform/qt/SystemSound.h"

namespace vantorel {
namespace {

class WinSound : public Sound {
public:
    ~WinSound() override { Stop(); }

    bool Play(const std::string& path) override {
        Stop();
        // The call itself starts a missing file as happily as a real one (and
        // plays the system's default sound for it without SND_NODEFAULT).
        const std::filesystem::path file = PathFromUtf8(path);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec)) return false;
        return PlaySoundW(file.c_str(), nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT) != FALSE;
    }

    void Stop() override { PlaySoundW(nullptr, nullptr, 0); }
};

}  // namespace

std::unique_ptr<Sound> CreateSystemSound() {
    return std::make_unique<WinSound>();
}

}  // namespace vantorel
