#include "document/WaveLinking.h"

#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>

#include "document/FileCopy.h"
#include "document/PathTitle.h"
#include "document/WaveListingLines.h"
#include "mission/Win1252.h"
#include "platform/PathText.h"

namespace vantorel {

namespace fs = std::filesystem;

namespace {

fs::path WaveRoot(const std::string& gameFolder) {
    return PathFromUtf8(gameFolder) / "wave";
}

std::string ListingSeparators(std::string_view relative) {
    std::string s(relative);
    for (char& c : s)
        if (c == '/') c = '\\';
    return s;
}

bool SameContent(const fs::path& a, const fs::path& b) {
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    if (!fa || !fb) return false;
    return std::equal(std::istreambuf_iterator<char>(fa), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(fb), std::istreambuf_iterator<char>());
}

}  // namespace

void ReadWaveListing(Mission& mission, const fs::path& missionPath, Settings& settings,
                     Prompter& prompter) {
    const std::string gameFolder = settings.GetString("Paths", "XVT", "");
    if (gameFolder.empty()) return;
    const fs::path root = WaveRoot(gameFolder);
    std::ifstream in(root / PathFromUtf8(TitleOfPath(PathToUtf8(missionPath)) + ".lst"),
                     std::ios::binary);
    if (!in) return;

    const bool dummy = LinkListingLines(mission, in, root);
    if (dummy) prompter.Information(kDummyWaveWarningText);
}

void WriteWaveListing(Mission& mission, const fs::path& missionPath, Settings& settings,
                      Prompter& prompter) {
    if (settings.GetInt("Settings", "WaveLinking", 0) != 1) return;
    bool anyLinked = false;
    for (const auto& m : mission.Messages) anyLinked = anyLinked || !m->WaveFile.empty();
    if (!anyLinked) return;

    const std::string gameFolder = settings.GetString("Paths", "XVT", "");
    if (gameFolder.empty()) {
        prompter.Warning(kNoGameFolderForWavesText);
        return;
    }
    const fs::path root = WaveRoot(gameFolder);
    const std::string title = TitleOfPath(PathToUtf8(missionPath));
    // The title names the mission's own folder below the wave folder; an
    // empty, "." or ".." title would put the copies into the wave folder
    // itself or above it, over the game's own sounds.
    if (title.empty() || title == "." || title == "..") {
        prompter.Error(kCannotCreateListingText);
        return;
    }
    const fs::path listing = root / PathFromUtf8(title + ".lst");

    // The listing is written beside the old one and swapped in at the end, so
    // a failure part way keeps the listing the game had.
    fs::path temporary = listing;
    temporary += ".new";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
        prompter.Error(kCannotCreateListingText);
        return;
    }

    std::string rootText = ComparablePath(PathToUtf8(root));
    if (rootText.back() != '\\') rootText += '\\';

    auto claimedByAnother = [&](size_t self, const std::string& target) {
        for (size_t j = 0; j < mission.Messages.size(); ++j)
            if (j != self && ComparablePath(mission.Messages[j]->WaveFile) == target) return true;
        return false;
    };

    for (size_t i = 0; i < mission.Messages.size(); ++i) {
        RadioMessage& message = *mission.Messages[i];
        std::string line;
        const std::string wave = message.WaveFile;
        if (HasControlCharacter(wave)) {
            prompter.Error(kControlCharacterInWaveText);
        } else if (!wave.empty()) {
            const std::string comparable = ComparablePath(wave);
            if (comparable.compare(0, rootText.size(), rootText) == 0) {
                line = ListingSeparators(std::string_view(wave).substr(rootText.size()));
            } else if (!PathFromUtf8(wave).is_absolute()) {
                // A name with no folder (as a paste leaves one) names a file
                // in the wave folder; nothing is copied from wherever the
                // editor happens to run.
                line = ListingSeparators(wave);
            } else {
                const std::string waveTitle = TitleOfPath(wave);
                const fs::path folder = root / PathFromUtf8(title);
                std::error_code ec;
                fs::create_directory(folder, ec);

                // Two different sounds of the same name must not end up in one
                // file: the second gets a numbered name instead of replacing
                // the sound another message already plays.
                std::string name = waveTitle + ".wav";
                fs::path target = folder / PathFromUtf8(name);
                for (int n = 2; claimedByAnother(i, ComparablePath(PathToUtf8(target))) &&
                                !SameContent(PathFromUtf8(wave), target);
                     ++n) {
                    name = waveTitle + "_" + std::to_string(n) + ".wav";
                    target = folder / PathFromUtf8(name);
                }

                const std::string targetText = PathToUtf8(target);
                bool ok = true;
                if (comparable != ComparablePath(targetText)) {
                    std::string why;
                    ok = CopyFileReplacing(PathFromUtf8(wave), target, why);
                    if (ok) message.WaveFile = targetText;
                }
                if (ok) {
                    line = title + "\\" + name;
                } else {
                    prompter.Error("Couldn't copy " + wave + " to " + name);
                }
            }
        }
        out << Utf8ToWin1252(line) << "\r\n";
    }

    out.close();
    std::error_code ec;
    if (out) fs::rename(temporary, listing, ec);
    if (!out || ec) {
        fs::remove(temporary, ec);
        prompter.Error(kCannotCreateListingText);
    }
}

}  // namespace vantorel
