#include "document/RecoveryFolder.h"

#include <algorithm>
#include <fstream>

#include "document/AtomicFile.h"
#include "document/MissionReader.h"
#include "document/MissionWriter.h"

namespace vantorel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCopyExtension = ".tie";
constexpr const char* kInfoExtension = ".recovery";

// One value a line: backslashes and line breaks are escaped.
std::string Escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string Unescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const char n = s[++i];
        out += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
    }
    return out;
}

std::string Name(const std::string& run, int slot) {
    return run + "-" + std::to_string(slot);
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
    // The writer recounts the header; the copy's, not the document's.
    Mission copy = mission;
    const std::vector<uint8_t> bytes = WriteMission(copy);
    if (!WriteFileAtomically(folder_ / (name + kCopyExtension), bytes, error)) return false;
    std::string info = "path=" + Escape(originalPath) + "\ntitle=" + Escape(title) +
                       "\ntime=" + std::to_string(now) + "\n";
    for (const auto& m : mission.Messages) info += "wave=" + Escape(m->WaveFile) + "\n";
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
        if (dash == std::string::npos || !fs::exists(e.copy)) continue;
        e.run = stem.substr(0, dash);
        try {
            e.slot = std::stoi(stem.substr(dash + 1));
        } catch (...) {
            continue;
        }
        std::ifstream in(info, std::ios::binary);
        for (std::string line; std::getline(in, line);) {
            const size_t eq = line.find('=');
            if (eq == std::string::npos) continue;
            const std::string key = line.substr(0, eq);
            const std::string value = Unescape(line.substr(eq + 1));
            if (key == "path")
                e.originalPath = value;
            else if (key == "title")
                e.title = value;
            else if (key == "time")
                e.savedAt = std::atoll(value.c_str());
            else if (key == "wave")
                e.waveFiles.push_back(value);
        }
        entries.push_back(std::move(e));
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.savedAt != b.savedAt ? a.savedAt < b.savedAt : a.copy < b.copy;
    });
    return entries;
}

bool RecoveryFolder::Load(const RecoveryEntry& entry, Mission& mission, std::string& error) {
    std::vector<uint8_t> bytes;
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
