#pragma once

#include <string>
#include <vector>

namespace vantorel {

class Settings;

// The list of the most recently used missions, newest first, kept in the
// profile under "Recent File List" as "File1".."File8".
class RecentFiles {
public:
    RecentFiles(Settings& settings, int capacity);

    void Load();
    void Save();
    // Moves the path to the top (a path already listed, in any case on
    // systems that ignore case, is not listed twice) and saves.
    void Add(const std::string& path);
    void Remove(const std::string& path);
    const std::vector<std::string>& Files() const { return files_; }

private:
    Settings& settings_;
    int capacity_;
    std::vector<std::string> files_;
};

}  // namespace vantorel
