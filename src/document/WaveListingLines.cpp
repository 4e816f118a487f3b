#include "document/WaveListingLines.h"

#include "mission/Win1252.h"
#include "platform/PathText.h"

namespace vantorel {

namespace fs = std::filesystem;

namespace {

// Calls part(text) for every non-empty part of a line between separators.
template <class Fn>
void ForEachPart(std::string_view line, Fn part) {
    size_t start = 0;
    while (start <= line.size()) {
        size_t end = line.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = line.size();
        if (end > start) part(line.substr(start, end - start));
        start = end + 1;
    }
}

}  // namespace

std::string ComparablePath(std::string_view path) {
    std::string s(path);
    for (char& c : s) {
        if (c == '/') c = '\\';
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    }
    return s;
}

fs::path ResolveListingLine(const fs::path& root, std::string_view line) {
    // Appended as text: a part such as "C:" must not replace the folder.
    fs::path p = root;
    ForEachPart(line, [&](std::string_view part) {
        if (!p.empty() && !p.native().ends_with(fs::path::preferred_separator))
            p += fs::path::preferred_separator;
        p += PathFromUtf8(part);
    });
    return p;
}

bool NamesNoWaveFile(std::string_view line) {
    return line.find_first_not_of("\\/") == std::string_view::npos;
}

bool LeavesWaveFolder(std::string_view line) {
    int depth = 0;
    bool first = true;
    bool leaves = false;
    ForEachPart(line, [&](std::string_view part) {
        if (first && part.size() == 2 && part[1] == ':') leaves = true;  // a drive
        first = false;
        if (part == ".") return;
        depth += part == ".." ? -1 : 1;
        if (depth < 0) leaves = true;
    });
    return leaves;
}

bool HasControlCharacter(std::string_view path) {
    for (const char c : path)
        if (static_cast<unsigned char>(c) < 0x20) return true;
    return false;
}

std::optional<std::string> ListingLineOf(std::string_view waveFile, const fs::path& root) {
    std::string rootText = ComparablePath(PathToUtf8(root));
    if (rootText.empty() || rootText.back() != '\\') rootText += '\\';
    if (ComparablePath(waveFile).compare(0, rootText.size(), rootText) != 0) return std::nullopt;
    std::string line(waveFile.substr(rootText.size()));
    for (char& c : line)
        if (c == '/') c = '\\';
    return line;
}

bool LinkListingLines(Mission& mission, std::istream& listing, const fs::path& root) {
    bool dummy = false;
    for (auto& message : mission.Messages) {
        std::string line;
        if (!std::getline(listing, line)) break;
        if (!line.empty() && line.back() == '\r') line.pop_back();  // written with CR LF
        if (NamesNoWaveFile(line) || HasControlCharacter(line)) continue;
        line = Win1252ToUtf8(line);
        message->WaveFile = PathToUtf8(ResolveListingLine(root, line));
        if (ComparablePath(line) == "train\\dummy.wav") dummy = true;
    }
    return dummy;
}

}  // namespace vantorel
