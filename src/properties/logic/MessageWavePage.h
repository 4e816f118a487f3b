#pragma once

#include <string>

#include "properties/logic/MessagePage.h"

namespace vantorel {

// The message sheet's Wave tab: the sound played with the message. The
// file is chosen with Browse (the game plays only what its wave folder
// holds; a file from elsewhere is copied there when the mission is saved
// with wave linking on), emptied with Clear and heard with Play. The file
// is the editor's own data, not the mission file's, but changing it is an
// edit like any other: a save writes it into the wave listing.
class MessageWavePage final : public MessagePage {
public:
    static constexpr int kWaveFile = 1147;
    static constexpr int kBrowse = 1077;
    static constexpr int kClear = 1078;
    static constexpr int kPlay = 1079;
    static constexpr int kNote = -1;  // a plain text

    MessageWavePage();

    void Activate(PageContext& context, int id) override;

    // The wave folder of the configured game folder; empty when none is.
    static std::string WaveFolder(Settings& settings);
    // Whether the file lies inside the folder or one of its subfolders,
    // compared as the game's file system does (any case, either separator).
    static bool IsInFolder(const std::string& file, const std::string& folder);

private:
    void Browse(PageContext& context);
};

inline constexpr const char* kWaveFilesFilter = "Wave Files (*.wav);;All Files (*.*)";
inline constexpr const char* kWaveListNoteText =
    "Note: The wave list file will be saved at the same time as the level";
// %s: the wave folder, or "XvT wave" when no game folder is known.
inline constexpr const char* kNotInWaveFolderText =
    "This file does not appear to be in the XVT wave folder!\nAll sounds must be contained in "
    "the %s folder, or a subfolder.\nDo you want to make a copy of this file?";
inline constexpr const char* kUnknownWaveFolderName = "XvT wave";

}  // namespace vantorel
