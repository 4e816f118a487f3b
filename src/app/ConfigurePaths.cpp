#include "app/ConfigurePaths.h"

#include <optional>

#include "platform/FileDialogs.h"
#include "platform/GameRegistry.h"
#include "platform/Prompter.h"
#include "platform/Settings.h"

namespace vantorel {

namespace {

constexpr const char* kNeverConfigured = "....NOPE....";
// The game stores its folder in a value of at most 261 bytes.
constexpr size_t kInstallPathMax = 260;

void StorePaths(Settings& settings, const std::string& path) {
    settings.SetString("Paths", "XVT", path);
    settings.SetString("Paths", "DefaultOpen", path);
}

// The installed versions in the order the game's installers wrote them. A
// missing version key ends the search; a key without the folder value goes
// on to the next version.
std::optional<std::string> FolderFromRegistry(GameRegistry& registry) {
    for (const char* version : {"\\1.0", "\\1.1", "\\2.0"}) {
        const std::string key = std::string(kGameKey) + version;
        if (!registry.HasKey(key)) return std::nullopt;
        auto path = registry.ReadString(key, "Install Path");
        if (path && path->size() <= kInstallPathMax) return registry.NativeFolder(*path);
    }
    return std::nullopt;
}

}  // namespace

void ConfigurePaths(Settings& settings, GameRegistry& registry, FileDialogs& dialogs,
                    Prompter& prompter, const std::function<void(const char*)>& status) {
    if (status) status("Configuring Paths...");
    if (settings.GetString("Paths", "XVT", kNeverConfigured) != kNeverConfigured) return;

    if (auto folder = FolderFromRegistry(registry)) {
        StorePaths(settings, *folder);
    } else {
        // Only a folder is an answer. Without one nothing is stored, so the
        // next start asks again: an empty value would mean "configured" and
        // the question would never come back (a browser that closed by
        // itself looks just like a cancel).
        const FileDialogs::FolderChoice choice = dialogs.BrowseForFolder(kGameFolderBrowseTitle);
        switch (choice.status) {
            case FileDialogs::FolderStatus::NoDesktopRoot:
                prompter.Show(kNoDesktopRootText, PromptIcon::Warning, PromptButtons::Ok);
                break;
            case FileDialogs::FolderStatus::Chosen:
                if (!choice.path.empty()) StorePaths(settings, choice.path);
                break;
            case FileDialogs::FolderStatus::NotAFileSystemPath:
                prompter.Show(kNotAFileSystemPathText, PromptIcon::Warning, PromptButtons::Ok);
                break;
            case FileDialogs::FolderStatus::Cancelled:
                break;
        }
    }
    settings.SetInt("Paths", "GotBOP", registry.HasKey(kExpansionKey) ? 1 : 0);
}

}  // namespace vantorel
