#include "app/RecentFiles.h"

#include <QString>
#include <algorithm>

#include "platform/Settings.h"

namespace vantorel {

namespace {
constexpr const char* kSection = "Recent File List";

bool SamePath(const std::string& a, const std::string& b) {
#ifdef _WIN32
    // Windows names a file in any letter case, letters outside ASCII too.
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}
}  // namespace

RecentFiles::RecentFiles(Settings& settings, int capacity)
    : settings_(settings), capacity_(capacity) {}

void RecentFiles::Load() {
    files_.clear();
    for (int i = 1; i <= capacity_; ++i) {
        std::string path = settings_.GetString(kSection, "File" + std::to_string(i), "");
        if (!path.empty()) files_.push_back(path);
    }
}

void RecentFiles::Save() {
    for (int i = 1; i <= capacity_; ++i) {
        const size_t n = size_t(i - 1);
        settings_.SetString(kSection, "File" + std::to_string(i),
                            n < files_.size() ? files_[n] : std::string());
    }
}

void RecentFiles::Add(const std::string& path) {
    if (path.empty()) return;
    std::erase_if(files_, [&](const std::string& f) { return SamePath(f, path); });
    files_.insert(files_.begin(), path);
    if (int(files_.size()) > capacity_) files_.resize(size_t(capacity_));
    Save();
}

void RecentFiles::Remove(const std::string& path) {
    std::erase_if(files_, [&](const std::string& f) { return SamePath(f, path); });
    Save();
}

}  // namespace vantorel
