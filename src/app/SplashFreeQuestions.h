#pragma once

#include "platform/FileDialogs.h"
#include "platform/Prompter.h"

namespace vantorel {

// The dialogs and message boxes of the start-up: the splash goes before any
// of them is shown. A question waits for its answer; the splash does not (it
// closes on its timer or at the first key or click), and a system dialog that
// took the splash for its owner would be destroyed with it, or sit under it.
class SplashFreeQuestions : public FileDialogs, public Prompter {
public:
    SplashFreeQuestions(FileDialogs& dialogs, Prompter& prompter)
        : dialogs_(dialogs), prompter_(prompter) {}

    std::optional<std::string> OpenFile(const std::string& startFolder,
                                        const std::string& filter) override;
    std::optional<std::string> SaveFile(const std::string& suggestedPath,
                                        const std::string& filter) override;
    FolderChoice BrowseForFolder(const std::string& title) override;

    using Prompter::Show;
    PromptAnswer Show(const std::string& text, PromptIcon icon, PromptButtons buttons,
                      const std::string& caption) override;

private:
    FileDialogs& dialogs_;
    Prompter& prompter_;
};

}  // namespace vantorel
