#pragma once

#include <optional>
#include <string>

namespace vantorel {

// Stands where the file dialogs and the folder browser are shown. Paths are
// UTF-8 in the platform's native form.
class FileDialogs {
public:
    // How a folder browse ended. The two failures are the browser's own: its
    // root could not be set up, or the chosen item is not a file-system folder.
    enum class FolderStatus { Chosen, Cancelled, NoDesktopRoot, NotAFileSystemPath };
    struct FolderChoice {
        FolderStatus status = FolderStatus::Cancelled;
        std::string path;  // set only for Chosen
    };

    virtual ~FileDialogs() = default;

    // `filter` is a dialog filter such as "XvT Levels (*.tie)". An empty
    // optional means the user cancelled.
    virtual std::optional<std::string> OpenFile(const std::string& startFolder,
                                                const std::string& filter) = 0;
    virtual std::optional<std::string> SaveFile(const std::string& suggestedPath,
                                                const std::string& filter) = 0;
    virtual FolderChoice BrowseForFolder(const std::string& title) = 0;
};

}  // namespace vantorel
