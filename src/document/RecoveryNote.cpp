#include "document/RecoveryNote.h"

#include <charconv>
#include <filesystem>

#include "document/WaveListingLines.h"
#include "platform/PathText.h"

namespace vantorel {

namespace {

namespace fs = std::filesystem;

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

std::string Unescape(std::string_view s) {
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

// Only a whole path from the root is believed: a relative one would be
// taken from wherever the editor runs, and a ".." could make it name
// another file than it shows.
bool IsPlainAbsolutePath(const std::string& utf8) {
    const fs::path p = PathFromUtf8(utf8);
    if (!p.is_absolute()) return false;
    for (const fs::path& part : p)
        if (part == "..") return false;
    return true;
}

}  // namespace

std::string RecoveryNoteText(const RecoveryNote& note) {
    std::string text = "path=" + Escape(note.originalPath) + "\ntitle=" + Escape(note.title) +
                       "\ntime=" + std::to_string(note.savedAt) + "\n";
    size_t waves = note.waveFiles.size();
    while (waves > 0 && note.waveFiles[waves - 1].empty()) --waves;
    for (size_t i = 0; i < waves; ++i) text += "wave=" + Escape(note.waveFiles[i]) + "\n";
    return text;
}

RecoveryNote ReadRecoveryNote(std::string_view text) {
    RecoveryNote note;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, eq);
        const std::string value = Unescape(line.substr(eq + 1));
        if (key == "path") {
            note.originalPath = IsPlainAbsolutePath(value) ? value : std::string();
        } else if (key == "title") {
            note.title = value;
        } else if (key == "time") {
            int64_t t = 0;
            const auto [at, ec] = std::from_chars(value.data(), value.data() + value.size(), t);
            note.savedAt = ec == std::errc() && at == value.data() + value.size() ? t : 0;
        } else if (key == "wave") {
            note.waveFiles.push_back(HasControlCharacter(value) ? std::string() : value);
        }
    }
    if (note.title.empty()) note.title = PathToUtf8(PathFromUtf8(note.originalPath).filename());
    if (note.title.empty()) note.title = "Untitled";
    return note;
}

}  // namespace vantorel
