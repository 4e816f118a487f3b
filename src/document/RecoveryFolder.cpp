#include "document/RecoveryFolder.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <optional>
#include <set>

#include "document/AtomicFile.h"
#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "document/RecoveryNote.h"
#include "platform/PathText.h"

namespace vantorel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCopyExtension = ".tie";
constexpr const char* kInfoExtension = ".recovery";

std::string Name(const std::string& run, int slot) {
    return run + "-" + std::to_string(slot);
}

// Only regular files are read: opening a pipe (or a device) someone left in
// the folder would wait for a writer that never comes, at every start. Each
// is named once a run.
bool IsRegularFile(const fs::path& path) {
    std::error_code ec;
    if (fs::is_regular_file(path, ec)) return true;
    static std::set<fs::path> reported;
    if (reported.insert(path).second)
        std::fprintf(stderr, "vantorel: %s in the recovery folder is not a regular file; skipped\n",
                     PathToUtf8(path).c_str());
    return false;
}

// The note's text, or nothing when it is too large or cannot be read.
std::optional<std::string> ReadNote(const fs::path& path) {
    std::error_code ec;
    const uintmax_t size = fs::file_size(path, ec);
    if (ec || size > kLargestRecoveryNote) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::string text(kLargestRecoveryNote + 1, '\0');
    in.read(text.data(), std::streamsize(text.size()));
    if (in.bad() || size_t(in.gcount()) > kLargestRecoveryNote) return std::nullopt;
    text.resize(size_t(in.gcount()));
    return text;
}

}  // namespace

RecoveryFolder::RecoveryFolder(fs::path folder, std::string run)
    : folder_(std::move(folder)), run_(std::move(run)) {}

bool RecoveryFolder::Store(int slot, const Mission& mission, const std::string& originalPath,
                           const std::string& title, int64_t now, std::string& error) {
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec) {
        error = "cannot create " + folder_.string() + ": " + ec.message();
        return false;
    }
    const std::string name = Name(run_, slot);
    error = WriteRefusal(mission);
    if (!error.empty()) return false;
    RecoveryNote note{originalPath, title, now, {}};
    for (const auto& m : mission.Messages) note.waveFiles.push_back(m->WaveFile);
    const std::string info = RecoveryNoteText(note);
    if (info.size() > kLargestRecoveryNote) {
        error = "the names of the mission's files are too long for a recovery note";
        return false;
    }
    // The writer recounts the header; the copy's, not the document's.
    Mission copy = mission;
    if (!WriteFileAtomically(folder_ / (name + kCopyExtension), WriteMission(copy), error))
        return false;
    return WriteFileAtomically(
        folder_ / (name + kInfoExtension),
        std::span(reinterpret_cast<const uint8_t*>(info.data()), info.size()), error);
}

void RecoveryFolder::Remove(int slot) {
    std::error_code ec;
    const std::string name = Name(run_, slot);
    fs::remove(folder_ / (name + kInfoExtension), ec);
    fs::remove(folder_ / (name + kCopyExtension), ec);
}

std::vector<RecoveryEntry> RecoveryFolder::Entries() const {
    std::vector<RecoveryEntry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path info = it->path();
        if (info.extension() != kInfoExtension) continue;
        RecoveryEntry e;
        e.info = info;
        e.copy = fs::path(info).replace_extension(kCopyExtension);
        const std::string stem = info.stem().string();
        const size_t dash = stem.rfind('-');
        std::error_code exists;
        if (dash == std::string::npos || !fs::exists(e.copy, exists)) continue;
        if (!IsRegularFile(info) || !IsRegularFile(e.copy)) continue;
        e.run = stem.substr(0, dash);
        try {
            e.slot = std::stoi(stem.substr(dash + 1));
        } catch (...) {
            continue;
        }
        const std::optional<std::string> note = ReadNote(info);
        if (!note) continue;
        RecoveryNote read = ReadRecoveryNote(*note);
        e.originalPath = std::move(read.originalPath);
        e.title = std::move(read.title);
        e.savedAt = read.savedAt;
        e.waveFiles = std::move(read.waveFiles);
        entries.push_back(std::move(e));
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.savedAt != b.savedAt ? a.savedAt < b.savedAt : a.copy < b.copy;
    });
    return entries;
}

bool RecoveryFolder::Load(const RecoveryEntry& entry, Mission& mission, std::string& error) {
    std::vector<uint8_t> bytes;
    std::error_code ec;
    if (!fs::is_regular_file(entry.copy, ec)) {
        error = "it is not a regular file";
        return false;
    }
    if (!ReadWholeFile(entry.copy, bytes, error)) return false;
    ReadResult r = ReadMission(bytes, mission);
    if (!r.ok) {
        error = r.error;
        return false;
    }
    for (size_t i = 0; i < mission.Messages.size() && i < entry.waveFiles.size(); ++i)
        mission.Messages[i]->WaveFile = entry.waveFiles[i];
    return true;
}

void RecoveryFolder::Discard(const RecoveryEntry& entry) {
    std::error_code ec;
    fs::remove(entry.info, ec);
    fs::remove(entry.copy, ec);
}

}  // namespace vantorel
