#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "mission/Mission.h"

namespace vantorel {

// One copy of an unsaved mission in the recovery folder.
struct RecoveryEntry {
    std::filesystem::path copy;          // the mission, as a mission file
    std::filesystem::path info;          // what it belongs to
    std::string run;                     // the run of the editor that wrote it
    int slot = 0;                        // the document within that run
    std::string originalPath;            // UTF-8; empty for a mission never saved
    std::string title;                   // the window's title then
    int64_t savedAt = 0;                 // seconds since 1970
    std::vector<std::string> waveFiles;  // each message's linked sound
};

// Copies of the missions being edited, written every few minutes while they
// have unsaved changes, so a crash or a power cut costs at most that much
// work. It is a folder of the user's own, never the game folder or the
// mission's: a copy never touches the file it belongs to. Each run of the
// editor names its copies after itself; copies of runs that are gone are what
// the next start offers to restore.
class RecoveryFolder {
public:
    RecoveryFolder(std::filesystem::path folder, std::string run);

    const std::filesystem::path& Folder() const { return folder_; }
    const std::string& Run() const { return run_; }

    // Writes (or replaces) the copy of document `slot` safely; false, with
    // the reason, when it could not.
    bool Store(int slot, const Mission& mission, const std::string& originalPath,
               const std::string& title, int64_t now, std::string& error);
    // The copy of document `slot` of this run is no longer needed.
    void Remove(int slot);

    // Every copy in the folder, of any run, oldest first.
    std::vector<RecoveryEntry> Entries() const;
    // Reads a copy back, its sounds linked again.
    static bool Load(const RecoveryEntry& entry, Mission& mission, std::string& error);
    static void Discard(const RecoveryEntry& entry);

private:
    std::filesystem::path folder_;
    std::string run_;
};

}  // namespace vantorel
